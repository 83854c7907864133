// The tray icon brings the window back, minimizing hides it, and the tray menu's entries act.
#include "FormFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace tabwise;

namespace {
constexpr int leftDoubleClick = 515;
constexpr int rightButtonUp = 517;

// Loads the window shown (start mode "0") or hidden in the tray (start mode "1").
Form1& loadWindow(FormFixture& f, bool startHidden)
{
    f.seedDesignSettings();
    f.settings().write(Key::Value, startHidden ? QStringLiteral("1") : QStringLiteral("0"));
    return f.load();
}

void minimize(Form1& w)
{
    w.setWindowState(Qt::WindowMinimized);
    FormFixture::settle();
}

bool shownNormal(const Form1& w)
{
    return w.isVisible() && !w.isMinimized();
}
} // namespace

class TrayTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void iconAddedWithTip_data();
    void iconAddedWithTip();
    void minimizeHidesAndDoubleClickRestores();
    void mouseMessages_data();
    void mouseMessages();
    void menuEntriesBringWindowBack_data();
    void menuEntriesBringWindowBack();
    void menuByKeyboard();
    void exitRemovesIconOnce_data();
    void exitRemovesIconOnce();
    void noTrayMinimizesToTaskbar();
    void lateTrayHidesOnMinimize();
    void startInTrayWaitsForTray_data();
    void startInTrayWaitsForTray();
};

void TrayTest::iconAddedWithTip_data()
{
    QTest::addColumn<bool>("startHidden");
    QTest::newRow("start shown") << false;
    QTest::newRow("start in the tray") << true;
}

void TrayTest::iconAddedWithTip()
{
    QFETCH(bool, startHidden);
    FormFixture f;
    Form1& w = loadWindow(f, startHidden);
    QCOMPARE(f.platform.trayAdds(), 1);
    QCOMPARE(f.platform.trayDeletes(), 0);
    QCOMPARE(trayTipText(f.platform.trayCalls.first().record), QStringLiteral("Tabwise"));
    QCOMPARE(w.isVisible(), !startHidden);
}

void TrayTest::minimizeHidesAndDoubleClickRestores()
{
    FormFixture f;
    Form1& w = loadWindow(f, false);
    minimize(w);
    QVERIFY(w.isHidden());

    f.platform.sendMouseMessage(leftDoubleClick);
    FormFixture::settle();
    QVERIFY(shownNormal(w));

    // Again on the shown window: it stays shown and normal.
    f.platform.sendMouseMessage(leftDoubleClick);
    FormFixture::settle();
    QVERIFY(shownNormal(w));

    // Other state changes leave the window alone.
    w.setWindowState(Qt::WindowNoState);
    FormFixture::settle();
    QVERIFY(shownNormal(w));
}

void TrayTest::mouseMessages_data()
{
    QTest::addColumn<int>("message");
    QTest::addColumn<bool>("windowShown");
    QTest::addColumn<bool>("menuShown");
    QTest::newRow("mouse move") << 512 << false << false;
    QTest::newRow("left press") << 513 << false << false;
    QTest::newRow("left release (single click)") << 514 << false << false;
    QTest::newRow("left double-click") << leftDoubleClick << true << false;
    QTest::newRow("right press") << 516 << false << false;
    QTest::newRow("right release") << rightButtonUp << false << true;
    QTest::newRow("right double-click") << 518 << false << false;
    QTest::newRow("middle release") << 520 << false << false;
}

void TrayTest::mouseMessages()
{
    QFETCH(int, message);
    QFETCH(bool, windowShown);
    QFETCH(bool, menuShown);
    FormFixture f;
    Form1& w = loadWindow(f, true);
    f.platform.sendMouseMessage(message);
    FormFixture::settle();
    QCOMPARE(w.isVisible(), windowShown);
    QCOMPARE(w.MENU->isVisible(), menuShown);
    QCOMPARE(f.platform.trayAdds(), 1);

    // Dismissing the menu without a choice does nothing.
    w.MENU->close();
    FormFixture::settle();
    QCOMPARE(w.isVisible(), windowShown);
    QVERIFY(w.frameAbout->isHidden());
    QVERIFY(w.frameoptions->isHidden());
}

void TrayTest::menuEntriesBringWindowBack_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("startHidden");
    QTest::addColumn<bool>("aboutShown");
    QTest::addColumn<bool>("optionsShown");
    for (bool hidden : { true, false }) {
        const char* where = hidden ? "hidden" : "shown";
        QTest::addRow("Restore, %s", where) << "MENURESTORE" << hidden << false << false;
        QTest::addRow("About, %s", where) << "MENUABOUT" << hidden << true << false;
        QTest::addRow("Options, %s", where) << "MENUOPTIONS" << hidden << false << true;
    }
}

void TrayTest::menuEntriesBringWindowBack()
{
    QFETCH(QString, entry);
    QFETCH(bool, startHidden);
    QFETCH(bool, aboutShown);
    QFETCH(bool, optionsShown);
    FormFixture f;
    Form1& w = loadWindow(f, startHidden);
    if (!startHidden)
        minimize(w); // the window was minimized into the tray
    QVERIFY(w.isHidden());

    w.findChild<QAction*>(entry)->trigger();
    FormFixture::settle();
    QVERIFY(shownNormal(w));
    QCOMPARE(w.frameAbout->isVisible(), aboutShown);
    QCOMPARE(w.frameoptions->isVisible(), optionsShown);

    // The same entry on the window that is now shown: it stays shown and normal.
    w.findChild<QAction*>(entry)->trigger();
    FormFixture::settle();
    QVERIFY(shownNormal(w));
    QCOMPARE(w.frameAbout->isVisible(), aboutShown);
}

// The menu pops up from a right click and takes its access keys; Options closes the About panel.
void TrayTest::menuByKeyboard()
{
    FormFixture f;
    Form1& w = loadWindow(f, true);
    w.MENUABOUT->trigger();
    QVERIFY(w.frameAbout->isVisible());
    minimize(w);
    QVERIFY(w.isHidden());

    f.platform.sendMouseMessage(rightButtonUp);
    QTRY_VERIFY(w.MENU->isVisible());
    QTest::keyClick(w.MENU, Qt::Key_O); // "&Options"
    FormFixture::settle();
    QVERIFY(!w.MENU->isVisible());
    QVERIFY(shownNormal(w));
    QVERIFY(w.frameoptions->isVisible());
    QVERIFY(w.frameAbout->isHidden());
}

void TrayTest::exitRemovesIconOnce_data()
{
    QTest::addColumn<bool>("startHidden");
    QTest::newRow("from the shown window") << false;
    QTest::newRow("from the tray while hidden") << true;
}

void TrayTest::exitRemovesIconOnce()
{
    QFETCH(bool, startHidden);
    FormFixture f;
    Form1& w = loadWindow(f, startHidden);
    QSignalSpy unloaded(&w, &Form1::Unloaded);
    w.MENUEXIT->trigger();
    FormFixture::settle();
    QCOMPARE(unloaded.count(), 1);
    QCOMPARE(f.platform.trayDeletes(), 1);
    const FakePlatform::TrayCall& removal = f.platform.trayCalls.last();
    QCOMPARE(removal.command, int(NotifyIcon::Delete));
    // The record that removes the icon is the one that added it.
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(&removal.record), sizeof removal.record),
        QByteArray(reinterpret_cast<const char*>(&f.platform.trayCalls.first().record), sizeof removal.record));
    QVERIFY(w.isHidden());

    w.close();
    FormFixture::settle();
    QCOMPARE(unloaded.count(), 1);
    QCOMPARE(f.platform.trayDeletes(), 1);
}

void TrayTest::noTrayMinimizesToTaskbar()
{
    FormFixture f;
    f.platform.trayPresent = false;
    Form1& w = loadWindow(f, false);
    minimize(w);
    QVERIFY(w.isVisible());
    QVERIFY(w.isMinimized());
}

void TrayTest::lateTrayHidesOnMinimize()
{
    FormFixture f;
    f.platform.trayPresent = false;
    Form1& w = loadWindow(f, false);
    f.platform.trayPresent = true; // the panel started after the program
    minimize(w);
    QVERIFY(w.isHidden());
    f.platform.sendMouseMessage(leftDoubleClick);
    QVERIFY(shownNormal(w));
}

void TrayTest::startInTrayWaitsForTray_data()
{
    QTest::addColumn<bool>("trayAppears");
    QTest::newRow("the tray appears meanwhile: stay in it") << true;
    QTest::newRow("no tray: the window comes up minimized") << false;
}

void TrayTest::startInTrayWaitsForTray()
{
    QFETCH(bool, trayAppears);
    FormFixture f;
    f.platform.trayPresent = false;
    Form1& w = loadWindow(f, true);
    QVERIFY(w.isHidden());
    QTest::qWait(500); // not at once: the tray gets its chance
    QVERIFY(w.isHidden());
    f.platform.trayPresent = trayAppears;
    if (trayAppears) {
        QTest::qWait(6000);
        QVERIFY(w.isHidden());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(w.isVisible(), 8000);
        QVERIFY(w.isMinimized());
    }
    QCOMPARE(f.platform.trayAdds(), 1);
}

QTEST_MAIN(TrayTest)
#include "tst_tray.moc"
