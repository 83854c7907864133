// The main window: how it starts from whatever the settings hold, the activation that applies the
// stored states again, the tray with and without a tray host, and its place above the desktop's
// panels.
#include "WindowFixture.h"
#include "ui/common/ClickableLabel.h"
#include "ui/find/FindBar.h"
#include "ui/find/FindPanel.h"
#include "ui/history/HistoryPanel.h"
#include "ui/page/PageColours.h"
#include "ui/window/PanelStack.h"
#include "ui/window/WindowPlacement.h"

#include <QMenu>
#include <QTreeWidget>

using namespace tabwise;

class tst_Window : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsFromWhateverIsStored_data()
    {
        // Start in the tray, stay on top, show tabs 2 to 5, start at log-on: spoilt settings files,
        // then one value for every key, then values that stop the activation at its first non-number.
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QString>("boxes"); // tabs 1 to 5 shown, start at log-on ticked
        QTest::newRow("first start") << QStringList { "<none>" } << false << "111110";
        QTest::newRow("settings file not INI") << QStringList { "<garbage>" } << false << "111110";
        QTest::newRow("settings file unwritable") << QStringList { "<unwritable>" } << false << "111110";
        QTest::newRow("0: tabs hidden") << QStringList(7, "0") << false << "100000";
        QTest::newRow("1: in the tray, on top") << QStringList(7, "1") << true << "111111";
        QTest::newRow("padded 1.0") << QStringList(7, " 1.0 ") << true << "111111";
        for (const char* value : { "", "abc", "2", "-1", "1e308" })
            QTest::addRow("\"%s\"", value) << QStringList(7, value) << false << "111110";
        QTest::newRow("some hidden") << QStringList { "0", "0", "0", "1", "0", "1", "0" } << false << "101010";
        QTest::newRow("log-on no box state") << QStringList { "0", "0", "0", "0", "0", "0", "x" } << false << "111110";
        QTest::newRow("show value no number") << QStringList { "0", "0", "0", "x", "0", "0", "0" } << false << "101110";
        QTest::newRow("a 2 hides nothing") << QStringList { "0", "0", "0", "2", "0", "0", "1" } << false << "101001";
    }
    void startsFromWhateverIsStored()
    {
        QFETCH(QStringList, values);
        QFETCH(bool, hidden);
        QFETCH(QString, boxes);
        WindowFixture f;
        QVERIFY(values.size() > 1 || QFile::remove(f.iniPath()));
        if (values[0] == "<garbage>")
            writeFile(f.iniPath(), QByteArray(4096, '\xff') + "\n[Startup\n=\n");
        if (values[0] == "<unwritable>")
            f.spoilSettings();
        const Key keys[] = { Key::StartMinimized, Key::StayOnTop, Key::ShowTab2, Key::ShowTab3, Key::ShowTab4,
            Key::ShowTab5, Key::StartAtLogon };
        for (qsizetype i = 0; i < values.size() && values.size() > 1; ++i)
            f.settings().write(keys[i], values[i]);
        MainWindow& w = f.load();
        const auto visibleTabs = [&w] {
            QString shown;
            for (int tab = 0; tab < pageCount; ++tab)
                shown += w.tabs()->isTabVisible(tab) ? '1' : '0';
            return shown;
        };
        QCOMPARE(w.isVisible(), !hidden);
        QCOMPARE(w.optionsPanel()->startMinimizedBox()->isChecked(), hidden);
        QCOMPARE(f.platform.trayAdds, 1);
        QCOMPARE(f.platform.trayTip, "Tabwise");
        QCOMPARE(f.platform.topmostCalls.size(), hidden ? 1 : 0); // stay on top, at its place
        if (hidden) {
            QCOMPARE(f.platform.topmostCalls[0].topLeft, QPoint(464, 259));
            w.show(); // back from the tray: the activation runs now
            WindowFixture::settle();
        }
        QCOMPARE(visibleTabs() + (w.optionsPanel()->startAtLogonBox()->isChecked() ? '1' : '0'), boxes);
        QCOMPARE(w.windowTitle() + w.page(1)->editButton()->caption(), "Tabwise (Notes)&Edit Phone Numbers");
        QCOMPARE(f.platform.messagesShown.size(), 0);
        if (values.size() == 1) { // and again each time the window comes back
            w.hide();
            f.settings().write(Key::ShowTab5, "0");
            w.show();
            WindowFixture::settle();
            QCOMPARE(visibleTabs(), "11110");
        }
    }

    void trayHost_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::newRow("with a tray host") << true;
        QTest::newRow("without: minimized on the taskbar until one comes") << false;
    }
    void trayHost()
    {
        QFETCH(bool, tray);
        WindowFixture f;
        f.settings().write(Key::StartMinimized, tray ? "0" : "1"); // started in the tray without one: it waits
        f.platform.trayPresent = tray;
        MainWindow& w = f.load();
        if (!tray) { // for the desktop's tray to appear, then shows the window minimized
            QTest::qWait(500);
            QVERIFY(w.isHidden());
            QTRY_VERIFY_WITH_TIMEOUT(w.isVisible() && w.isMinimized(), 8000);
            WindowFixture::settle();
            QVERIFY(w.isVisible()); // only a tray can bring a hidden window back
            f.platform.setTrayPresent(true); // the panel starts late
            w.showNormal();
        }
        QCOMPARE(f.platform.trayMenu, w.trayIcon()->menu()); // the icon's own context menu
        w.setWindowState(Qt::WindowMinimized);
        WindowFixture::settle();
        QVERIFY(w.isHidden());
        f.platform.activateIcon();
        QVERIFY(w.isVisible() && !w.isMinimized());
        w.setWindowState(Qt::WindowMinimized);
        WindowFixture::settle();
        f.platform.setTrayPresent(false); // the tray goes away with the window in it
        QVERIFY(w.isVisible() && !w.isMinimized());
    }

    void followsTheFreeArea_data()
    {
        // Screens of 1280 x 800 side by side; the first keeps a panel 32 pixels high along its bottom.
        QTest::addColumn<QPoint>("movedTo"); // by the user first; (0, 0): where the program put it
        QTest::addColumn<QRect>("freeArea"); // then the free area of its screen changes to this
        QTest::addColumn<QPoint>("expected"); // relative to the corner of the first free area
        QTest::newRow("the panel grows") << QPoint() << QRect(0, 0, 1280, 740) << QPoint(0, -28);
        QTest::newRow("the panel goes") << QPoint() << QRect(0, 0, 1280, 800) << QPoint(0, 32);
        QTest::newRow("a panel on the right") << QPoint() << QRect(0, 0, 1240, 768) << QPoint(-40, 0);
        QTest::newRow("a panel on the left") << QPoint() << QRect(40, 0, 1240, 768) << QPoint(0, 0);
        QTest::newRow("moved, then under the panel") << QPoint(-800, 0) << QRect(0, 0, 1280, 740) << QPoint(-800, -28);
        QTest::newRow("moved, clear of the panel")
            << QPoint(-800, -300) << QRect(0, 0, 1280, 740) << QPoint(-800, -300);
        QTest::newRow("its screen is gone") << QPoint(900, -300) << QRect(0, 0, 1280, 768) << QPoint(0, 0);
    }
    void followsTheFreeArea()
    {
        QFETCH(QPoint, movedTo);
        QFETCH(QRect, freeArea);
        QFETCH(QPoint, expected);
        WindowFixture f;
        MainWindow& w = f.load();
        ScreenLayout screens { QRect(0, 0, 1280, 768), { QRect(0, 0, 1280, 800), QRect(1280, 0, 1280, 800) } };
        auto* placement = w.findChild<WindowPlacement*>();
        placement->setScreenLayout([&screens] { return screens; });
        placement->placeBottomRight();
        const QPoint corner = QPoint(1280, 768) - QPoint(w.frameGeometry().width(), w.frameGeometry().height());
        QCOMPARE(w.frameGeometry().topLeft(), corner); // above the panel, not under it
        if (!movedTo.isNull()) {
            placement->cancel();
            w.move(corner + movedTo);
        }
        screens.freeArea = freeArea;
        if (QTest::currentDataTag() == QLatin1String("its screen is gone"))
            screens.screens.removeLast();
        placement->follow();
        QCOMPARE(w.frameGeometry().topLeft(), corner + expected);
    }

    void panelsOverThePages();
    void historyActsOnItsOwnPage();

    void minimizedStaysPut()
    {
        // Put away while the corner is still being kept, or when the panels change: not moved, for
        // on X11 a move gives a minimized window its normal state back.
        WindowFixture f;
        MainWindow& w = f.load();
        ScreenLayout screens { QRect(0, 0, 1280, 768), { QRect(0, 0, 1280, 800) } };
        auto* placement = w.findChild<WindowPlacement*>();
        placement->setScreenLayout([&screens] { return screens; });
        w.move(100, 100);
        w.setWindowState(Qt::WindowMinimized);
        const QPoint place = w.pos();
        placement->placeBottomRight();
        screens.freeArea = QRect(0, 0, 1280, 740);
        placement->follow();
        QTest::qWait(300);
        QCOMPARE(w.pos(), place);
        QVERIFY(w.isMinimized());
    }

    void trayMenu()
    {
        WindowFixture f;
        f.settings().write(Key::StartMinimized, "1");
        MainWindow& w = f.load();
        QSignalSpy unloaded(&w, &MainWindow::unloaded);
        // Each entry brings the hidden window back, but Help, which opens on its own, and Exit.
        for (const QString entry : { "about", "restore", "options", "help", "exit" }) {
            w.hide();
            w.findChild<QAction*>(entry + "Action")->trigger();
            WindowFixture::settle();
            QCOMPARE(w.isVisible() && !w.isMinimized(), entry != "help" && entry != "exit");
            QCOMPARE(w.aboutPanel()->isHidden(), entry != "about" && entry != "restore"); // Options closes About
            QCOMPARE(w.optionsPanel()->isHidden(), entry == "about" || entry == "restore");
        }
        QCOMPARE(f.platform.helpOpened, QStringList(f.appFolder() + "/help/Tabwise.chm"));
        QCOMPARE(unloaded.size() + f.platform.trayRemoves, 2);
        w.close(); // the icon goes once
        QCOMPARE(f.platform.trayRemoves, 1);
    }
};

void tst_Window::panelsOverThePages()
{
    WindowFixture f;
    f.writePage("notes.ntr", "kept\r\n");
    MainWindow& w = f.load();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The options picture belongs to the first page.
    QStringList pictureShown;
    for (int tab : { 0, 1, 4, 0 }) {
        w.showPage(tab);
        pictureShown << (w.optionsButton()->isVisible() ? "shown" : "hidden");
    }
    QCOMPARE(pictureShown, QStringList({ "shown", "hidden", "hidden", "shown" }));

    // A panel opened over another comes to the front, and the title follows the front panel.
    typeOn(w.page(0), "typed");
    w.openHistory();
    QCOMPARE(w.panels()->top(), w.historyPanel());
    QCOMPARE(w.windowTitle(), "Tabwise (Notes)");
    const auto front = [&w] { return w.panels()->top() ? w.panels()->top()->objectName() : QString("pages"); };
    QStringList fronts;
    for (QAction* opener : { w.actions()->about, w.actions()->options, w.actions()->findInAllPages }) {
        opener->trigger();
        fronts << front() + ' ' + w.windowTitle();
    }
    QCOMPARE(fronts,
        QStringList({ "aboutPanel Tabwise (Notes)", "optionsPanel Tabwise (Options)", "findPanel Tabwise (Options)" }));
    // While any panel is open, no key reaches the page beneath: its commands (their access keys
    // are those of buttons out of reach), save, print, find.
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(!w.page(0)->saveButton()->isEnabled() && !w.page(0)->editButton()->isEnabled());
    QVERIFY(!w.page(0)->printButton()->isEnabled() && !w.findChild<FindBar*>());
    QCOMPARE(f.pageBytes("notes.ntr"), "kept\r\n");
    QCOMPARE(f.platform.printerDialogs, 0);
    w.findChild<FindPanel*>()->close();
    w.optionsPanel()->cancel();
    QCOMPARE(front() + ' ' + w.windowTitle(), "historyPanel Tabwise (Notes)");
    w.historyPanel()->close();
    QCOMPARE(front(), "pages");
    QVERIFY(w.page(0)->saveButton()->isEnabled());
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier); // in view again, the page takes its keys
    QCOMPARE(f.pageBytes("notes.ntr"), "kept\r\ntyped\r\n");
}

void tst_Window::historyActsOnItsOwnPage()
{
    WindowFixture f;
    f.writePage("notes.ntr", "first\r\n");
    f.writePage("other.ntr", "other\r\n");
    MainWindow& w = f.load();
    typeOn(w.page(0), "second");
    QVERIFY(w.page(0)->save());
    w.page(0)->keepDraftNow();
    w.openHistory();
    HistoryPanel* panel = w.historyPanel();
    QTRY_COMPARE(panel->versionList()->topLevelItemCount(), 2);
    // Another page comes on screen: the history of the first closes instead of acting on it.
    w.showPage(4);
    QVERIFY(panel->isHidden());
    QTest::keyClick(panel->versionList(), Qt::Key_Return);
    QVERIFY(!w.page(4)->hasUnsavedText());
    // A version handed over goes to the page it came from, whatever page is current.
    w.showPage(0);
    w.openHistory();
    w.showPage(4);
    Q_EMIT panel->restoreRequested(0, "first\n");
    QCOMPARE(w.tabs()->currentIndex(), 0);
    QCOMPARE(w.page(0)->textBox()->toPlainText(), "first\n");
    QCOMPARE(w.page(4)->textBox()->toPlainText(), "other\n");
    QCOMPARE(f.pageBytes("other.ntr"), "other\r\n");
}

QTEST_MAIN(tst_Window)
#include "tst_window.moc"
