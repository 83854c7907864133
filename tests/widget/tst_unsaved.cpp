// Typed text is not thrown away without asking: switching back to a page that would be read
// again, and closing the window, ask "Save changes to ...?"; at log-off it is saved.
#include "FormFixture.h"
#include "ui/ListBox.h"
#include "ui/CommandLabel.h"
#include "ui/TabControl.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace tabwise;

namespace {

// Loads the window with "old" on every page, and types "new" at the end of the page at tab.
Form1& loadAndType(FormFixture& f, int tab)
{
    f.seedDesignSettings();
    for (int t = 0; t < pageCount; ++t)
        f.writePage(pageFileName(t), "old\r\n");
    Form1& w = f.load();
    w.SSTab1->setTab(tab);
    w.page(tab).edit->click();
    w.page(tab).text->moveCursor(QTextCursor::End);
    QTest::keyClicks(w.page(tab).text, "new");
    return w;
}

const int question = msgbox::YesNoCancel | msgbox::Question;

} // namespace

class tst_Unsaved : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void switchingBack_data();
    void switchingBack();
    void unchangedPageNeverAsks();
    void closing_data();
    void closing();
    void closingAsksForEachPageByName();
    void logOffSavesWithoutAsking();
};

void tst_Unsaved::switchingBack_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("name");
    for (int tab : { 1, 3 }) {
        const char* name = tab == 1 ? "Phone Numbers" : "Web Sites";
        QTest::addRow("%d yes", tab) << tab << msgbox::Yes << name;
        QTest::addRow("%d no", tab) << tab << msgbox::No << name;
        QTest::addRow("%d cancel", tab) << tab << msgbox::Cancel << name;
    }
}

void tst_Unsaved::switchingBack()
{
    QFETCH(int, tab);
    QFETCH(int, answer);
    QFETCH(QString, name);
    FormFixture f;
    Form1& w = loadAndType(f, tab);
    const Form1::PageControls page = w.page(tab);
    w.SSTab1->setTab(0);
    QCOMPARE(f.platform.messagesShown.size(), 0); // leaving loses nothing
    f.platform.answers = { answer };
    w.SSTab1->setTab(tab);

    QCOMPARE(f.platform.messageTexts(), QStringList { "Save changes to " + name + "?" });
    QCOMPARE(f.platform.messagesShown[0].style, question);
    if (answer == msgbox::Cancel) {
        QCOMPARE(w.SSTab1->Tab(), 0);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise (Notes)"));
        QCOMPARE(f.pageBytes(pageFileName(tab)), QByteArray("old\r\n"));
        QCOMPARE(page.text->toPlainText(), QStringLiteral("old\nnew"));
        QVERIFY(w.hasUnsavedText(tab));
        return;
    }
    const QByteArray expected = answer == msgbox::Yes ? "old\r\nnew\r\n" : "old\r\n";
    QCOMPARE(w.SSTab1->Tab(), tab);
    QCOMPARE(f.pageBytes(pageFileName(tab)), expected);
    QVERIFY(!w.hasUnsavedText(tab));
    if (page.list) {
        QVERIFY(page.text->isHidden());
        QCOMPARE(listEntries(page.list), QString::fromLatin1(expected).split("\r\n", Qt::SkipEmptyParts));
    } else {
        QCOMPARE(page.text->toPlainText(), QString::fromLatin1(expected).replace("\r\n", "\n"));
    }
    // Answered once: neither the next switch nor the end asks again.
    w.SSTab1->setTab(0);
    w.SSTab1->setTab(tab);
    w.close();
    QCOMPARE(f.platform.messagesShown.size(), 1);
}

void tst_Unsaved::unchangedPageNeverAsks()
{
    FormFixture f;
    f.seedDesignSettings();
    f.writePage("email.ntr", "a\r\n");
    Form1& w = f.load();
    // Edit of a list page fills its box from the file: that is no typing.
    w.SSTab1->setTab(2);
    w.lbleditemail->click();
    w.SSTab1->setTab(0);
    w.SSTab1->setTab(2);
    // Typing that was saved.
    w.SSTab1->setTab(1);
    QTest::keyClicks(w.txtPhone, "x");
    w.lblsavephone->click();
    w.SSTab1->setTab(0);
    w.SSTab1->setTab(1);
    QVERIFY(w.close());
    QCOMPARE(f.platform.messagesShown.size(), 0);
}

void tst_Unsaved::closing_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("fromTray");
    for (int tab : { 0, 2 }) {
        QTest::addRow("%d yes", tab) << tab << msgbox::Yes << false;
        QTest::addRow("%d no", tab) << tab << msgbox::No << false;
        QTest::addRow("%d cancel", tab) << tab << msgbox::Cancel << false;
        QTest::addRow("%d tray exit, yes", tab) << tab << msgbox::Yes << true;
        QTest::addRow("%d tray exit, cancel", tab) << tab << msgbox::Cancel << true;
    }
}

void tst_Unsaved::closing()
{
    QFETCH(int, tab);
    QFETCH(int, answer);
    QFETCH(bool, fromTray);
    FormFixture f;
    Form1& w = loadAndType(f, tab);
    QSignalSpy unloaded(&w, &Form1::Unloaded);
    f.platform.answers = { answer };

    if (fromTray)
        w.MENUEXIT->trigger();
    else
        QCOMPARE(w.close(), answer != msgbox::Cancel);

    QCOMPARE(f.platform.messagesShown.size(), 1);
    QCOMPARE(f.platform.messagesShown[0].style, question);
    QCOMPARE(unloaded.size(), answer == msgbox::Cancel ? 0 : 1);
    QCOMPARE(f.platform.trayDeletes(), answer == msgbox::Cancel ? 0 : 1);
    QCOMPARE(f.pageBytes(pageFileName(tab)), QByteArray(answer == msgbox::Yes ? "old\r\nnew\r\n" : "old\r\n"));
    if (answer == msgbox::Cancel) {
        QVERIFY(w.isVisible());
        QCOMPARE(w.page(tab).text->toPlainText(), QStringLiteral("old\nnew"));
    }
}

void tst_Unsaved::closingAsksForEachPageByName()
{
    FormFixture f;
    f.seedDesignSettings();
    f.settings().write(Key::TabName5, QStringLiteral(" Misc "));
    Form1& w = f.load();
    QTest::keyClicks(w.txtNotes, "a");
    w.SSTab1->setTab(4);
    QTest::keyClicks(w.txtOther, "b");
    f.platform.answers = { msgbox::No, msgbox::Yes };
    QVERIFY(w.close());
    QCOMPARE(f.platform.messageTexts(), (QStringList { "Save changes to Notes?", "Save changes to  Misc ?" }));
    QVERIFY(!f.pageExists("notes.ntr"));
    QCOMPARE(f.pageBytes("other.ntr"), QByteArray("b\r\n"));
}

void tst_Unsaved::logOffSavesWithoutAsking()
{
    FormFixture f;
    Form1& w = loadAndType(f, 3);
    w.SSTab1->setTab(1);
    QTest::keyClicks(w.txtPhone, "x");
    QVERIFY(w.saveUnsavedPages());
    QCOMPARE(f.platform.messagesShown.size(), 0);
    QCOMPARE(f.pageBytes("web.ntr"), QByteArray("old\r\nnew\r\n"));
    QCOMPARE(f.pageBytes("phone.ntr"), QByteArray("xold\r\n"));
    QCOMPARE(f.pageBytes("notes.ntr"), QByteArray("old\r\n"));
    QVERIFY(w.close());
    QCOMPARE(f.platform.messagesShown.size(), 0);
}

QTEST_MAIN(tst_Unsaved)
#include "tst_unsaved.moc"
