// Where the settings file and the log-on entry live, for each state of XDG_CONFIG_HOME.
#include "core/AutostartEntry.h"
#include "core/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tabwise;

class TestConfigFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void places_data();
    void places();
};

void TestConfigFolder::places_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<QString>("configHome");
    QTest::addColumn<QString>("folder"); // HOME stands for the home folder
    QTest::newRow("from XDG_CONFIG_HOME") << true << "/tmp/cfg"
                                          << "/tmp/cfg";
    QTest::newRow("trailing slash") << true << "/tmp/cfg/"
                                    << "/tmp/cfg";
    QTest::newRow("unset") << false << ""
                           << "HOME/.config";
    QTest::newRow("empty") << true << ""
                           << "HOME/.config";
    QTest::newRow("relative is ignored") << true << "cfg"
                                         << "HOME/.config";
}

void TestConfigFolder::places()
{
    QFETCH(bool, set);
    QFETCH(QString, configHome);
    QFETCH(QString, folder);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    if (set)
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome));
    else
        qunsetenv("XDG_CONFIG_HOME");
    const QString settingsFile = SettingsStore::defaultPath();
    const QString autostart = autostartFolder();
    qputenv("HOME", realHome);

    folder.replace(QStringLiteral("HOME"), home.path());
    QCOMPARE(settingsFile, folder + QStringLiteral("/Tabwise.ini"));
    QCOMPARE(autostart, folder + QStringLiteral("/autostart"));
}

QTEST_GUILESS_MAIN(TestConfigFolder)
#include "tst_configfolder.moc"
