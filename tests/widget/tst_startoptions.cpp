// The two options that act at their click: start at log-on (Check8) and stay on top (Check2).
#include "FormFixture.h"

#include "platform/linux/QtWindowZOrder.h"
#include "platform/linux/XdgAutostart.h"
#include "core/AutostartEntry.h"
#include "core/FirstStart.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace tabwise;

namespace {

// The fake platform with the real log-on entry and the real stay-on-top flag.
class RealStartPlatform : public FakePlatform {
public:
    tabwise::Autostart& autostart() override { return xdg; }
    tabwise::WindowZOrder& zOrder() override { return topmost; }
    XdgAutostart xdg;
    QtWindowZOrder topmost;
};

// A window over the real start parts, a temporary application folder, settings file and config
// folder ($XDG_CONFIG_HOME, so the user's own autostart folder is never touched).
struct RealStartWindow {
    explicit RealStartWindow(const QString& root)
        : settings(root + QStringLiteral("/Tabwise.ini"))
    {
        seedFirstStart(settings);
    }
    Form1& load()
    {
        form = std::make_unique<Form1>(platform, QString(), settings);
        form->Form_Load();
        FormFixture::settle();
        return *form;
    }
    RealStartPlatform platform;
    SettingsStore settings;
    std::unique_ptr<Form1> form;
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStartOptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void startAtLogonFollowsTheBox_data();
    void startAtLogonFollowsTheBox();
    void activationRestoresTheEntry_data();
    void activationRestoresTheEntry();
    void realEntryInTheConfigFolder();
    void realEntryInAnUnwritableFolder();
    void stayOnTop();
    void stayOnTopRestoredAtStart_data();
    void stayOnTopRestoredAtStart();
    void realStayOnTopKeepsThePanelsChoices();

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString entryPath() const { return m_root->path() + QStringLiteral("/config/autostart/Tabwise.desktop"); }
};

void TestStartOptions::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root->path() + QStringLiteral("/config")));
}

void TestStartOptions::startAtLogonFollowsTheBox_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("entryBefore");
    QTest::newRow("entry written and removed") << true << false;
    QTest::newRow("unwritable: silent") << false << false;
    QTest::newRow("entry present before") << true << true;
}

void TestStartOptions::startAtLogonFollowsTheBox()
{
    QFETCH(bool, writable);
    QFETCH(bool, entryBefore);
    FormFixture f;
    f.seedDesignSettings();
    if (entryBefore)
        f.platform.autostartEntry = QStringLiteral("/old/tabwise");
    f.platform.autostartWritable = writable;
    Form1& w = f.load();
    QCOMPARE(f.platform.autostartCalls, QList<bool> {}); // "Value8" = "0" leaves the box as it was
    w.Image1_Click();

    // Acts at the click, before OK, with the path of the running executable.
    QTest::mouseClick(w.Check8, Qt::LeftButton);
    QCOMPARE(f.platform.autostartCalls, QList<bool> { true });
    QCOMPARE(f.platform.autostartEntry,
        writable ? QCoreApplication::applicationFilePath() : QString(entryBefore ? "/old/tabwise" : ""));
    QCOMPARE(f.settings().read(Key::Value8), QStringLiteral("1"));

    QTest::mouseClick(w.Check8, Qt::LeftButton);
    QCOMPARE(f.platform.autostartCalls, (QList<bool> { true, false }));
    QCOMPARE(f.platform.autostartEntry.isEmpty(), writable || !entryBefore);
    QCOMPARE(f.settings().read(Key::Value8), QStringLiteral("0"));

    // Clearing it again with no entry present is as silent.
    w.Check8->setChecked(true);
    w.Check8->setChecked(false);
    QCOMPARE(f.settings().read(Key::Value8), QStringLiteral("0"));
    QCOMPARE(f.platform.messagesShown.size(), 0);

    // Cancel undoes nothing, OK does not touch it.
    w.Check8->setChecked(true);
    QTest::mouseClick(w.cmdcancel, Qt::LeftButton);
    w.Image1_Click();
    QTest::mouseClick(w.cmdok, Qt::LeftButton);
    QCOMPARE(f.platform.autostartCalls, (QList<bool> { true, false, true, false, true }));
    QCOMPARE(f.settings().read(Key::Value8), QStringLiteral("1"));
}

void TestStartOptions::activationRestoresTheEntry_data()
{
    QTest::addColumn<QString>("value8");
    QTest::addColumn<QList<bool>>("calls");
    QTest::newRow("1: entry written again") << "1" << QList<bool> { true };
    QTest::newRow("0: nothing") << "0" << QList<bool> {};
    QTest::newRow("garbage: nothing") << "yes" << QList<bool> {};
}

void TestStartOptions::activationRestoresTheEntry()
{
    QFETCH(QString, value8);
    QFETCH(QList<bool>, calls);
    FormFixture f;
    f.seedDesignSettings();
    f.settings().write(Key::Value8, value8);
    Form1& w = f.load();
    QCOMPARE(f.platform.autostartCalls, calls);
    QCOMPARE(f.settings().read(Key::Value8), value8);
    // Later activations find the box already in its state.
    w.hide();
    w.show();
    f.settle();
    QCOMPARE(f.platform.autostartCalls, calls);
}

void TestStartOptions::realEntryInTheConfigFolder()
{
    {
        RealStartWindow run(m_root->path());
        Form1& w = run.load();
        QVERIFY(!QFile::exists(entryPath()));
        w.Image1_Click();
        QTest::mouseClick(w.Check8, Qt::LeftButton);
        QCOMPARE(fileBytes(entryPath()), autostartEntryText(QCoreApplication::applicationFilePath()).toUtf8());
        QCOMPARE(run.settings.read(Key::Value8), QStringLiteral("1"));
    }
    // Removed by other means; the next run puts it back at its first activation.
    QVERIFY(QFile::remove(entryPath()));
    {
        RealStartWindow run(m_root->path());
        Form1& w = run.load();
        QVERIFY(w.Check8->isChecked());
        QVERIFY(QFile::exists(entryPath()));
        w.Image1_Click();
        QTest::mouseClick(w.Check8, Qt::LeftButton);
        QVERIFY(!QFile::exists(entryPath()));
        QCOMPARE(run.settings.read(Key::Value8), QStringLiteral("0"));
    }
}

void TestStartOptions::realEntryInAnUnwritableFolder()
{
    // A plain file where the autostart folder belongs.
    QVERIFY(QDir().mkpath(m_root->path() + QStringLiteral("/config")));
    QFile blocker(m_root->path() + QStringLiteral("/config/autostart"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    RealStartWindow run(m_root->path());
    Form1& w = run.load();
    w.Image1_Click();
    QTest::mouseClick(w.Check8, Qt::LeftButton);
    QVERIFY(w.Check8->isChecked());
    QCOMPARE(run.settings.read(Key::Value8), QStringLiteral("1"));
    QCOMPARE(run.platform.messagesShown.size(), 0);
}

void TestStartOptions::stayOnTop()
{
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    QCOMPARE(f.platform.topmostCalls.size(), 0);
    w.Image1_Click();
    QTest::mouseClick(w.Check2, Qt::LeftButton);
    QTest::mouseClick(w.Check2, Qt::LeftButton);
    QCOMPARE(f.platform.topmostCalls.size(), 2);
    QCOMPARE(f.platform.topmostCalls[0].topmost, true);
    QCOMPARE(f.platform.topmostCalls[1].topmost, false);
    for (const FakePlatform::Topmost& call : f.platform.topmostCalls)
        QCOMPARE(call.topLeft, QPoint(464, 259));
    // Stored only by OK; Cancel undoes nothing.
    QTest::mouseClick(w.Check2, Qt::LeftButton);
    QCOMPARE(f.settings().read(Key::Value2), QStringLiteral("0"));
    QTest::mouseClick(w.cmdcancel, Qt::LeftButton);
    QCOMPARE(f.platform.topmostCalls.size(), 3);
    w.Image1_Click();
    QTest::mouseClick(w.cmdok, Qt::LeftButton);
    QCOMPARE(f.settings().read(Key::Value2), QStringLiteral("1"));
    QCOMPARE(f.platform.topmostCalls.size(), 3);
}

void TestStartOptions::stayOnTopRestoredAtStart_data()
{
    QTest::addColumn<QString>("value2");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("onTop");
    QTest::newRow("1") << "1"
                       << "0" << true;
    QTest::newRow("1, start in the tray") << "1"
                                          << "1" << true;
    QTest::newRow("0") << "0"
                       << "0" << false;
    QTest::newRow("absent") << ""
                            << "0" << false;
    QTest::newRow("garbage") << "on"
                             << "0" << false;
}

void TestStartOptions::stayOnTopRestoredAtStart()
{
    QFETCH(QString, value2);
    QFETCH(QString, value);
    QFETCH(bool, onTop);
    {
        FormFixture f;
        f.seedDesignSettings();
        f.settings().write(Key::Value2, value2);
        f.settings().write(Key::Value, value);
        Form1& w = f.load();
        QCOMPARE(w.Check2->isChecked(), onTop);
        QCOMPARE(f.platform.topmostCalls.size(), onTop ? 1 : 0);
        QCOMPARE(w.isVisible(), value == QLatin1String("0"));
    }
    {
        RealStartWindow run(m_root->path());
        run.settings.write(Key::Value2, value2);
        run.settings.write(Key::Value, value);
        Form1& w = run.load();
        QCOMPARE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        QCOMPARE(w.isVisible(), value == QLatin1String("0"));
    }
}

void TestStartOptions::realStayOnTopKeepsThePanelsChoices()
{
    RealStartWindow run(m_root->path());
    Form1& w = run.load();
    w.Image1_Click();
    w.Check5->setChecked(false);
    QTest::mouseClick(w.Check2, Qt::LeftButton);
    FormFixture::settle();
    // Becoming topmost is no return from the tray: the unconfirmed choice stays.
    QVERIFY(w.isVisible());
    QVERIFY(w.frameoptions->isVisible());
    QVERIFY(!w.Check5->isChecked());
    QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(w.frameGeometry().topLeft(), QPoint(464, 259));
    QTest::mouseClick(w.Check2, Qt::LeftButton);
    FormFixture::settle();
    QVERIFY(!w.Check5->isChecked());
    QVERIFY(!w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

QTEST_MAIN(TestStartOptions)
#include "tst_startoptions.moc"
