// Help from the tray menu and the About panel.
#include "FormFixture.h"
#include "core/VersionText.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tabwise;

namespace {
Form1& loadWindow(FormFixture& f, bool startHidden)
{
    f.seedDesignSettings();
    f.settings().write(Key::Value, startHidden ? QStringLiteral("1") : QStringLiteral("0"));
    return f.load();
}

// Whether the panel is what the user sees at the panel's centre.
bool onTop(Form1& w, QWidget* panel)
{
    const QWidget* front = w.childAt(panel->geometry().center());
    return front && (front == panel || panel->isAncestorOf(front));
}
} // namespace

class AboutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionText_data();
    void versionText();
    void aboutFromTray_data();
    void aboutFromTray();
    void aboutLiesOverOptions();
    void webAddressOpens();
    void helpLeavesWindowAsItIs_data();
    void helpLeavesWindowAsItIs();
};

void AboutTest::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("text");
    QTest::newRow("this release") << 1 << 0 << 10 << "Version 1.0.10";
    QTest::newRow("zero revision") << 2 << 3 << 0 << "Version 2.3.0";
    QTest::newRow("several digits") << 10 << 20 << 300 << "Version 10.20.300";
}

void AboutTest::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, text);
    QCOMPARE(tabwise::versionText(major, minor, revision), text);
}

void AboutTest::aboutFromTray_data()
{
    QTest::addColumn<bool>("startHidden");
    QTest::newRow("window hidden in the tray") << true;
    QTest::newRow("window shown") << false;
}

void AboutTest::aboutFromTray()
{
    QFETCH(bool, startHidden);
    FormFixture f;
    Form1& w = loadWindow(f, startHidden);
    QVERIFY(w.frameAbout->isHidden());

    w.MENUABOUT->trigger();
    FormFixture::settle();
    QVERIFY(w.isVisible());
    QVERIFY(!w.isMinimized());
    QVERIFY(w.frameAbout->isVisible());
    QVERIFY(onTop(w, w.frameAbout));
    QCOMPARE(w.frameAbout->title(), QStringLiteral("About Tabwise"));
    QCOMPARE(w.Label17->text(), QStringLiteral("Tabwise"));
    QCOMPARE(w.lblversion->text(), QStringLiteral("Version 1.0.10"));
    QCOMPARE(w.lblproductname->text(), QStringLiteral("Tabwise"));
    QVERIFY(w.Label15->text().startsWith(QLatin1String("https://")));
    QCOMPARE(w.Command4->text(), QStringLiteral("&Ok"));
    QCOMPARE(w.Label15->cursor().shape(), Qt::BitmapCursor);

    QTest::mouseClick(w.Command4, Qt::LeftButton);
    QVERIFY(w.frameAbout->isHidden());
    QVERIFY(w.isVisible());
}

void AboutTest::aboutLiesOverOptions()
{
    FormFixture f;
    Form1& w = loadWindow(f, false);
    w.MENUOPTIONS->trigger();
    QVERIFY(onTop(w, w.frameoptions));

    w.MENUABOUT->trigger();
    QVERIFY(w.frameoptions->isVisible());
    QVERIFY(onTop(w, w.frameAbout));
    QCOMPARE(w.frameAbout->geometry().topLeft(), QPoint(0, 0));

    QTest::mouseClick(w.Command4, Qt::LeftButton);
    QVERIFY(w.frameAbout->isHidden());
    QVERIFY(onTop(w, w.frameoptions));
}

void AboutTest::webAddressOpens()
{
    FormFixture f;
    Form1& w = loadWindow(f, false);
    w.MENUABOUT->trigger();
    QTest::mouseClick(w.Label15, Qt::LeftButton);
    QCOMPARE(f.platform.opened.size(), 1);
    QCOMPARE(f.platform.opened.first().operation, QStringLiteral("open"));
    QCOMPARE(f.platform.opened.first().target, w.Label15->text());
    QCOMPARE(f.platform.opened.first().showCommand, 5);
    QVERIFY(w.frameAbout->isVisible());
}

void AboutTest::helpLeavesWindowAsItIs_data()
{
    QTest::addColumn<bool>("startHidden");
    QTest::newRow("window hidden in the tray") << true;
    QTest::newRow("window shown") << false;
}

void AboutTest::helpLeavesWindowAsItIs()
{
    QFETCH(bool, startHidden);
    FormFixture f;
    Form1& w = loadWindow(f, startHidden);
    w.MENUHELP->trigger();
    FormFixture::settle();
    QCOMPARE(f.platform.helpOpened, QStringList { f.appFolder() + QStringLiteral("/help/Tabwise.chm") });
    QCOMPARE(w.isVisible(), !startHidden);
    QVERIFY(w.frameAbout->isHidden());
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
