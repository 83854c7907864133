#include "FormFixture.h"

#include "ui/CommandLabel.h"
#include "ui/TabControl.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace tabwise;

// Whatever the settings file holds, the program starts, shows its window and stays usable.
class HostileSettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyBoxKeyHolding_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("startsHidden");
        QTest::addColumn<bool>("tabsHidden");
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("letters") << "abc" << false << false;
        QTest::newRow("two") << "2" << false << false;
        QTest::newRow("minus one") << "-1" << false << false;
        QTest::newRow("one point zero") << "1.0" << true << false;
        QTest::newRow("padded one") << " 1 " << true << false;
        QTest::newRow("exponent") << "1e0" << true << false;
        QTest::newRow("huge") << "1e308" << false << false;
        QTest::newRow("zero") << "0" << false << true;
        QTest::newRow("zero point zero") << "0.0" << false << true;
    }
    void everyBoxKeyHolding()
    {
        QFETCH(QString, value);
        QFETCH(bool, startsHidden);
        QFETCH(bool, tabsHidden);
        FormFixture f;
        f.seedDesignSettings();
        for (Key key : {Key::Value, Key::Value2, Key::Value4, Key::Value5, Key::Value6, Key::Value7, Key::Value8})
            f.settings().write(key, value);
        Form1& w = f.load();
        QCOMPARE(w.isVisible(), !startsHidden);
        QCOMPARE(w.Check1->isChecked(), startsHidden);
        if (startsHidden) {
            w.show(); // back from the tray
            FormFixture::settle();
        }
        QVERIFY(w.SSTab1->TabVisible(0));
        for (int tab = 1; tab < pageCount; ++tab)
            QCOMPARE(w.SSTab1->TabVisible(tab), !tabsHidden);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise (Notes)"));
    }

    void everyKeyAbsentIsAFirstStart()
    {
        FormFixture f;
        Form1& w = f.load();
        QVERIFY(w.isVisible());
        QCOMPARE(w.SSTab1->TabCaption(3), QStringLiteral("Web Sites"));
    }

    void unusualNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("100 KB") << QString(100 * 1024, QLatin1Char('n'));
        QTest::newRow("ampersands") << QStringLiteral("R&D && more");
        QTest::newRow("newlines") << QStringLiteral("two\nlines\r\n");
        QTest::newRow("non-Latin") << QStringLiteral("電話番号 телефоны");
    }
    void unusualNames()
    {
        QFETCH(QString, name);
        FormFixture f;
        f.seedDesignSettings();
        f.settings().write(Key::TabName2, name);
        Form1& w = f.load();
        QCOMPARE(w.SSTab1->TabCaption(1), name);
        QCOMPARE(w.Text2->text(), name);
        QCOMPARE(w.lbleditphone->caption(), QStringLiteral("&Edit ") + w.Text2->text());
        // The labels of other pages keep their place whatever this page's name is.
        QCOMPARE(w.lbleditnotes->caption(), QStringLiteral("&Edit Notes"));
    }

    void settingsFileThatIsNotIni()
    {
        FormFixture f;
        QFile file(f.iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\xff') + "\n[Startup\nValue=1\n=\n[[x]]]\0\0\0");
        file.close();
        Form1& w = f.load();
        QVERIFY(w.isVisible() || w.Check1->isChecked());
        QVERIFY(w.SSTab1->TabVisible(0));
    }

    void settingsFileThatCannotBeWritten()
    {
        // The settings path runs through a regular file: nothing can be stored there, even by root.
        FormFixture f;
        QFile blocker(f.tempPath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsStore store(f.tempPath(QStringLiteral("blocker/Tabwise.ini")));
        FakePlatform platform;
        Form1 w(platform, f.appFolder(), store);
        w.Form_Load();
        FormFixture::settle();
        QVERIFY(w.isVisible());
        // The design values still apply for this run.
        QCOMPARE(w.SSTab1->TabCaption(1), QStringLiteral("Phone Numbers"));
        QCOMPARE(w.lbleditphone->caption(), QStringLiteral("&Edit Phone Numbers"));
    }
};

QTEST_MAIN(HostileSettingsTest)
#include "tst_hostile_settings.moc"
