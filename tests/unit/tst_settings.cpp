#include "core/FirstStart.h"
#include "core/SettingsStore.h"
#include "core/ValueConversion.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tabwise;

class SettingsTest : public QObject {
    Q_OBJECT
    QString iniPath() const { return m_dir.path() + QStringLiteral("/Tabwise.ini"); }
    QTemporaryDir m_dir;

private Q_SLOTS:
    void init() { QFile::remove(iniPath()); }

    void namesRoundTripExactly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("Notes");
        QTest::newRow("empty") << QString();
        QTest::newRow("leading and trailing spaces") << QStringLiteral("  Phone  ");
        QTest::newRow("ampersand") << QStringLiteral("Tom & Jerry");
        QTest::newRow("comma") << QStringLiteral("Work, home");
        QTest::newRow("quotes and backslash") << QStringLiteral("\"a\\b\" 'c'");
        QTest::newRow("starts with at") << QStringLiteral("@Variant(x)");
        QTest::newRow("semicolon and hash") << QStringLiteral("a;b#c=d");
        QTest::newRow("newlines") << QStringLiteral("one\ntwo\r\nthree");
        QTest::newRow("non-Latin") << QStringLiteral("Заметки 笔记 ملاحظات");
        QTest::newRow("long") << QString(100 * 1024, QLatin1Char('x'));
    }
    void namesRoundTripExactly()
    {
        QFETCH(QString, name);
        {
            SettingsStore store(iniPath());
            QVERIFY(store.write(Key::TabName2, name));
        }
        SettingsStore fresh(iniPath()); // as the next start reads it
        QCOMPARE(fresh.read(Key::TabName2), name);
        QVERIFY(fresh.contains(Key::TabName2));
    }

    void absentKeyReadsEmpty()
    {
        SettingsStore store(iniPath());
        QCOMPARE(store.read(Key::Value), QString());
        QVERIFY(!store.contains(Key::Value));
        QVERIFY(!toNumber(store.read(Key::Value)).has_value());
    }

    void sectionsAndKeysAsStored()
    {
        SettingsStore store(iniPath());
        QVERIFY(store.write(Key::Value5, QStringLiteral("0")));
        QVERIFY(store.write(Key::BackupDir, QStringLiteral("/media/usb/")));
        QSettings raw(iniPath(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Startup/Value5")).toString(), QStringLiteral("0"));
        QCOMPARE(raw.value(QStringLiteral("Backup/BackupDir")).toString(), QStringLiteral("/media/usb/"));
    }

    void anotherProcessesWriteIsSeen()
    {
        SettingsStore store(iniPath());
        QVERIFY(store.write(Key::Value6, QStringLiteral("1")));
        QCOMPARE(store.read(Key::Value6), QStringLiteral("1"));
        // Another program rewrites the file behind the store's back.
        QTest::qWait(20);
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Startup]\nValue6=0\nTabName1=Changed elsewhere\n");
        file.close();
        QCOMPARE(store.read(Key::Value6), QStringLiteral("0"));
        QCOMPARE(store.read(Key::TabName1), QStringLiteral("Changed elsewhere"));
    }

    void handEditedListValueKeepsItsText()
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Startup]\nTabName3=Friends, family\n");
        file.close();
        SettingsStore store(iniPath());
        QCOMPARE(store.read(Key::TabName3), QStringLiteral("Friends, family"));
    }

    void garbageFileReadsAsAbsentKeys()
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        static const char garbage[] = "\x00\xff\xfe[[[=\n\x01\x02garbage=";
        file.write(garbage, sizeof garbage - 1);
        file.close();
        SettingsStore store(iniPath());
        QCOMPARE(store.read(Key::Value), QString());
    }

    void unwritableFileIsReported()
    {
        // A settings path that runs through a regular file cannot be written, even by root.
        QFile blocker(m_dir.path() + QStringLiteral("/blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsStore store(m_dir.path() + QStringLiteral("/blocker/Tabwise.ini"));
        QVERIFY(!store.write(Key::Value, QStringLiteral("1")));
        QVERIFY(store.lastError().contains(QStringLiteral("blocker")));
    }

    void firstStartSeedsDesignValuesOnce()
    {
        SettingsStore store(iniPath());
        seedFirstStart(store);
        QCOMPARE(store.read(Key::Value), QStringLiteral("0"));
        QCOMPARE(store.read(Key::Value2), QStringLiteral("0"));
        QCOMPARE(store.read(Key::Value4), QStringLiteral("1"));
        QCOMPARE(store.read(Key::Value7), QStringLiteral("1"));
        QCOMPARE(store.read(Key::Value8), QStringLiteral("0"));
        QCOMPARE(store.read(Key::TabName1), QStringLiteral("Notes"));
        QCOMPARE(store.read(Key::TabName5), QStringLiteral("Other"));
        QVERIFY(!store.contains(Key::BackupDir));

        // Once any start-up key exists the store is the user's: nothing is seeded again.
        QVERIFY(store.write(Key::TabName1, QString()));
        seedFirstStart(store);
        QCOMPARE(store.read(Key::TabName1), QString());
    }

    void storeWithOnlyBackupFolderIsStillAFirstStart()
    {
        SettingsStore store(iniPath());
        QVERIFY(store.write(Key::BackupDir, QStringLiteral("/tmp/")));
        seedFirstStart(store);
        QCOMPARE(store.read(Key::TabName2), QStringLiteral("Phone Numbers"));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
