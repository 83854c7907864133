// The keyboard: the find bar of a page and the panel that finds in all pages, driven by keys; the
// list entries opened and copied from the keyboard; the tab strip showing every caption; the key
// that shows and hides the window from anywhere, through the fake platform.
#include "WindowFixture.h"
#include "ui/find/FindBar.h"
#include "ui/find/FindPanel.h"
#include "ui/history/HistoryPanel.h"
#include "ui/panels/KeyField.h"

#include <QClipboard>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTextDocument>
#include <QToolButton>

using namespace tabwise;

namespace {

// The window on screen and active, as the user has it when pressing a window key.
MainWindow& activeWindow(WindowFixture& f)
{
    MainWindow& w = f.load();
    w.activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(&w)); }();
    return w;
}

// Where the selection of the text box begins, and what it holds.
QString selection(const PageView* page)
{
    const QTextCursor cursor = page->textBox()->textCursor();
    return QString::number(cursor.selectionStart()) + ':' + cursor.selectedText();
}

} // namespace

class tst_Finding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findBarInAText()
    {
        WindowFixture f;
        f.writePage("notes.ntr", "Anna\r\nbob\r\nanna and ANNA\r\n");
        MainWindow& w = activeWindow(f);
        PageView* page = w.page(0);
        page->textBox()->setFocus();
        QTest::keyClick(page->textBox(), Qt::Key_F, Qt::ControlModifier);
        auto* bar = w.findChild<FindBar*>(); // made by the first Ctrl+F
        QVERIFY(bar && bar->isVisible() && bar->field()->hasFocus());
        QTest::keyClicks(bar->field(), "ann"); // from the cursor as one types
        QCOMPARE(selection(page) + ' ' + bar->countLabel()->text(), "0:Ann 1 of 3");
        // Enter and F3 on, Shift+Enter and Shift+F3 back, round the end.
        const QList<std::pair<int, Qt::KeyboardModifiers>> steps { { Qt::Key_Return, {} }, { Qt::Key_F3, {} },
            { Qt::Key_Enter, {} }, { Qt::Key_Return, Qt::ShiftModifier }, { Qt::Key_F3, Qt::ShiftModifier } };
        QStringList visited;
        for (const auto& [key, modifiers] : steps) {
            QTest::keyClick(bar->field(), Qt::Key(key), modifiers);
            visited << selection(page) + ' ' + bar->countLabel()->text();
        }
        QCOMPARE(
            visited, QStringList({ "9:ann 2 of 3", "18:ANN 3 of 3", "0:Ann 1 of 3", "18:ANN 3 of 3", "9:ann 2 of 3" }));
        bar->caseButton()->click();
        QCOMPARE(selection(page) + ' ' + bar->countLabel()->text(), "9:ann 1 of 1");
        QTest::keyClick(bar->field(), Qt::Key_X); // not found: the field says so and nothing moves
        QCOMPARE(selection(page) + ' ' + bar->countLabel()->text(), "9:ann No matches");
        QVERIFY(bar->field()->palette().color(QPalette::Base) != page->textBox()->palette().color(QPalette::Base));
        QTest::keyClick(bar->field(), Qt::Key_Escape);
        QVERIFY(bar->isHidden() && page->textBox()->hasFocus() && selection(page) == "9:ann");
        QVERIFY(!page->hasUnsavedText());
        QCOMPARE(f.pageBytes("notes.ntr"), "Anna\r\nbob\r\nanna and ANNA\r\n");
    }

    void listsForTheKeyboard()
    {
        WindowFixture f;
        f.writePage("web.ntr", "example.org\r\nbob.example\r\nanna.example\r\n");
        MainWindow& w = activeWindow(f);
        w.showPage(3);
        ListBox* list = w.page(3)->entryList();
        QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
        auto* bar = w.findChild<FindBar*>();
        QTest::keyClicks(bar->field(), "EXAMPLE");
        QCOMPARE(bar->countLabel()->text() + ' ' + list->selectedEntry(), "1 of 3 example.org");
        QTest::keyClick(bar->field(), Qt::Key_F3, Qt::ShiftModifier);
        QTest::keyClick(bar->field(), Qt::Key_Escape);
        QVERIFY(list->hasFocus() && list->selectedEntry() == "anna.example");
        // Enter opens the selected entry as a double-click does; Ctrl+C and the menu copy it.
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(f.platform.opened, QStringList("http://anna.example"));
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "bob.example");
        const QRect first = list->visualRect(list->model()->index(0, 0));
        QContextMenuEvent menuEvent(
            QContextMenuEvent::Mouse, first.center(), list->viewport()->mapToGlobal(first.center()));
        QCoreApplication::sendEvent(list->viewport(), &menuEvent);
        auto* menu = list->findChild<QMenu*>();
        QVERIFY(menu && menu->actions().size() == 4); // Open, Copy, then the page's History...
        menu->actions()[1]->trigger(); // Copy
        menu->actions()[0]->trigger(); // Open
        menu->actions()[3]->trigger();
        QVERIFY(w.historyPanel() && w.historyPanel()->isVisible());
        QCOMPARE(
            QGuiApplication::clipboard()->text() + ' ' + f.platform.opened.last(), "example.org http://example.org");
    }

    void findPanelOverAllPages()
    {
        WindowFixture f;
        f.writePage("notes.ntr", "Anna one\r\n");
        f.writePage("email.ntr", "x@y\r\nanna@example.org\r\n");
        MainWindow& w = activeWindow(f);
        typeOn(w.page(1), "call"); // unsaved typing is searched too
        QTest::keyClick(w.page(1)->textBox(), Qt::Key_Return);
        QTest::keyClicks(w.page(1)->textBox(), "anna later");
        QTest::keyClick(w.page(1)->textBox(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        auto* panel = w.findChild<FindPanel*>(); // made by the first Ctrl+Shift+F
        QVERIFY(panel && panel->isVisible() && panel->field()->hasFocus());
        QTest::keyClicks(panel->field(), "anna");
        const auto shown = [panel] {
            QStringList items;
            for (int i = 0; i < panel->results()->count(); ++i)
                items << panel->results()->item(i)->text();
            return items;
        };
        QTRY_COMPARE(shown(),
            QStringList({ "Notes", "1: Anna one", "Phone Numbers", "2: anna later", "Email Addresses",
                "2: anna@example.org" }));
        QCOMPARE(panel->status()->text(), "3 lines");
        for (int key : { Qt::Key_Down, Qt::Key_Down, Qt::Key_Return }) // over the page's caption
            QTest::keyClick(panel->field(), Qt::Key(key));
        QVERIFY(panel->isHidden() && w.tabs()->currentIndex() == 1 && w.page(1)->textBox()->hasFocus());
        QCOMPARE(selection(w.page(1)), "5:anna");
        QVERIFY(w.page(1)->hasUnsavedText());
        QTest::keyClick(w.page(1)->textBox(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(panel->results()->count(), 6);
        const QListWidgetItem* mail = panel->results()->item(5);
        for (auto event : { QTest::MousePress, QTest::MouseRelease, QTest::MousePress, QTest::MouseDClick })
            QTest::mouseEvent(event, panel->results()->viewport(), Qt::LeftButton, {},
                panel->results()->visualItemRect(mail).center());
        QVERIFY(panel->isHidden() && w.tabs()->currentIndex() == 2);
        QCOMPARE(w.page(2)->entryList()->selectedEntry(), "anna@example.org");
        QTest::keyClick(w.page(2)->entryList(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClicks(panel->field(), "nowhere");
        QTRY_COMPARE(panel->status()->text(), "No matches");
        QTest::keyClick(panel->field(), Qt::Key_Escape);
        QVERIFY(panel->isHidden() && w.page(2)->entryList()->hasFocus());
    }

    void everyCaptionInFull()
    {
        WindowFixture f;
        MainWindow& w = f.load();
        TabStrip* strip = w.tabs()->strip();
        QCOMPARE(strip->tabText(0), "Notes"); // an empty page holds no unsaved typing
        const auto fits = [strip] {
            for (int tab = 0; tab < pageCount; ++tab) {
                const int text = strip->fontMetrics().size(Qt::TextShowMnemonic, strip->tabText(tab)).width();
                if (strip->tabRect(tab).width() < text + 6 || strip->tabRect(tab).right() >= strip->width())
                    return false;
            }
            return true;
        };
        QVERIFY(fits());
        for (int tab : { 0, 2 })
            w.tabs()->setMarked(tab, true); // the marks of unsaved typing fit as well
        QVERIFY(fits());
        w.tabs()->setCaption(2, QString(80, u'W'));
        QVERIFY(!fits() && strip->tabRect(4).right() < strip->width()); // too long: cut short, mark kept
        QVERIFY(strip->fittedText(2, strip->tabRect(2).width() - 6).endsWith("W\u2026 \u2022"));
        QTextDocument tip;
        tip.setHtml(strip->tabToolTip(2));
        QCOMPARE(tip.toPlainText(), QString(80, u'W') + " (unsaved typing)");
    }

    void showHideKey_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::newRow("hidden into the tray") << true;
        QTest::newRow("minimized without a tray") << false;
    }
    void showHideKey()
    {
        QFETCH(bool, tray);
        WindowFixture f;
        f.platform.trayPresent = tray;
        f.settings().write(Key::ShowHide, "Ctrl+Alt+N");
        MainWindow& w = activeWindow(f);
        QCOMPARE(f.platform.keysTaken, QList<QKeySequence>({ QKeySequence("Ctrl+Alt+N") }));
        f.platform.pressGlobalKey();
        WindowFixture::settle();
        QVERIFY(tray ? w.isHidden() : w.isMinimized());
        f.platform.pressGlobalKey();
        QVERIFY(w.isVisible() && !w.isMinimized());
        // A new key in the options panel is stored and taken at OK; one held elsewhere is reported.
        w.openOptions();
        KeyField* field = w.optionsPanel()->showHideKeyField();
        QTest::keyClick(field->edit(), Qt::Key_N); // a key without Ctrl, Alt or Meta would take away typing
        QVERIFY(field->keyText().isEmpty());
        QTRY_VERIFY(field->edit()->keySequence().isEmpty());
        f.platform.keysHeldElsewhere << QKeySequence("Ctrl+Shift+K");
        QTest::keyClick(field->edit(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        w.optionsPanel()->okButton()->click();
        QCOMPARE(f.settings().read(Key::ShowHide) + ' ' + f.platform.keysTaken.last().toString(),
            "Ctrl+Shift+K Ctrl+Shift+K");
        QCOMPARE(f.platform.messageTexts(),
            QStringList("Tabwise cannot use the key Ctrl+Shift+K to show and hide its window: "
                        "another program holds it.\n\nChoose another key in the options."));
    }

    void desktopWithoutGlobalKeys()
    {
        WindowFixture f;
        f.platform.globalKeysSupported = false;
        f.settings().write(Key::ShowHide, "Ctrl+Alt+N");
        MainWindow& w = f.load();
        w.openOptions();
        QVERIFY(f.platform.keysTaken.isEmpty() && !w.optionsPanel()->showHideKeyField()->edit());
        QVERIFY(w.optionsPanel()->findChild<QLabel*>("showHideKeyNote")->text().contains("tabwise --toggle"));
        w.optionsPanel()->okButton()->click(); // the stored key stays for a desktop that has them
        QCOMPARE(f.settings().read(Key::ShowHide), "Ctrl+Alt+N");
    }
};

QTEST_MAIN(tst_Finding)
#include "tst_finding.moc"
