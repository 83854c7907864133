#include "FormFixture.h"

#include "ui/ListBox.h"
#include "ui/CommandLabel.h"
#include "ui/TabControl.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

using namespace tabwise;

class StartupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startShownAtBottomRight()
    {
        FormFixture f;
        f.seedDesignSettings();
        f.writePage("notes.ntr", "First line\r\nSecond line\r\n");
        Form1& w = f.load();

        QVERIFY(w.isVisible());
        QVERIFY(!w.Check1->isChecked());
        QCOMPARE(f.platform.trayAdds(), 1);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise (Notes)"));
        QCOMPARE(w.SSTab1->Tab(), 0);
        QCOMPARE(w.txtNotes->toPlainText(), QStringLiteral("First line\nSecond line\n"));
        const QRect screen = w.screen()->geometry();
        QCOMPARE(w.frameGeometry().bottomRight(), screen.bottomRight());
        QVERIFY(!w.frameoptions->isVisible());
        QVERIFY(!w.frameAbout->isVisible());
    }

    void startHiddenInTray()
    {
        FormFixture f;
        f.seedDesignSettings();
        f.settings().write(Key::Value, QStringLiteral("1"));
        Form1& w = f.load();

        QVERIFY(!w.isVisible());
        QVERIFY(w.Check1->isChecked());
        QCOMPARE(f.platform.trayAdds(), 1);
        QCOMPARE(f.platform.trayCalls.first().record.size, 88u);
        QCOMPARE(trayTipText(f.platform.trayCalls.first().record), QStringLiteral("Tabwise"));
        QCOMPARE(w.SSTab1->Tab(), 0);
    }

    void startHiddenWithoutTrayStaysReachable()
    {
        FormFixture f;
        f.seedDesignSettings();
        f.settings().write(Key::Value, QStringLiteral("1"));
        f.platform.trayPresent = false;
        Form1& w = f.load();
        // After a few seconds' wait for a tray that may still appear.
        QTRY_VERIFY_WITH_TIMEOUT(w.isVisible(), 8000);
        QVERIFY(w.isMinimized());
    }

    void firstStartShowsTheDesign()
    {
        FormFixture f;
        Form1& w = f.load();
        QVERIFY(w.isVisible());
        const QStringList expected{QStringLiteral("Notes"), QStringLiteral("Phone Numbers"),
                                   QStringLiteral("Email Addresses"), QStringLiteral("Web Sites"), QStringLiteral("Other")};
        for (int tab = 0; tab < pageCount; ++tab) {
            QCOMPARE(w.SSTab1->TabCaption(tab), expected[tab]);
            QVERIFY(w.SSTab1->TabVisible(tab));
        }
        QCOMPARE(w.lbleditphone->caption(), QStringLiteral("&Edit Phone Numbers"));
        QCOMPARE(f.settings().read(Key::Value), QStringLiteral("0"));
        QCOMPARE(w.txtNotes->toPlainText(), QString()); // no notes.ntr yet: an empty page
        QVERIFY(f.platform.messagesShown.isEmpty());
    }

    void unusableStartModeShowsTheWindow_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << QString();
        QTest::newRow("letters") << QStringLiteral("abc");
        QTest::newRow("two") << QStringLiteral("2");
        QTest::newRow("minus one") << QStringLiteral("-1");
    }
    void unusableStartModeShowsTheWindow()
    {
        QFETCH(QString, value);
        FormFixture f;
        f.seedDesignSettings();
        f.settings().write(Key::Value, value);
        Form1& w = f.load();
        QVERIFY(w.isVisible());
        QVERIFY(!w.Check1->isChecked());
        QCOMPARE(f.platform.trayAdds(), 1);
    }

    void storedNamesReachTabsBoxesAndLabels()
    {
        FormFixture f;
        f.seedDesignSettings();
        f.settings().write(Key::TabName1, QStringLiteral(" My notes "));
        f.settings().write(Key::TabName3, QString());
        Form1& w = f.load();
        QCOMPARE(w.SSTab1->TabCaption(0), QStringLiteral(" My notes "));
        QCOMPARE(w.SSTab1->TabCaption(2), QString());
        QCOMPARE(w.Text1->text(), QStringLiteral(" My notes "));
        QCOMPARE(w.lbleditnotes->caption(), QStringLiteral("&Edit  My notes "));
        QCOMPARE(w.lblprintemail->caption(), QStringLiteral("&Print "));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise ( My notes )"));
    }

    void activationHidesTabsFromStore_data()
    {
        QTest::addColumn<QStringList>("shown"); // Value4..Value7
        QTest::addColumn<QString>("value8");
        QTest::addColumn<QList<bool>>("visible"); // tabs 1..4
        QTest::addColumn<QList<bool>>("ticked");  // Check4..Check7

        QTest::newRow("second tab hidden") << QStringList{"0", "1", "1", "1"} << "0"
                                           << QList<bool>{false, true, true, true} << QList<bool>{false, true, true, true};
        QTest::newRow("all hidden") << QStringList{"0", "0", "0", "0"} << "0"
                                    << QList<bool>{false, false, false, false} << QList<bool>{false, false, false, false};
        // Without Value8 the handling stops before hiding anything; the boxes stay ticked.
        QTest::newRow("no Value8") << QStringList{"0", "0", "1", "1"} << ""
                                   << QList<bool>{true, true, true, true} << QList<bool>{true, true, true, true};
        // A value that is not a number stops the handling at that tab; earlier tabs are hidden.
        QTest::newRow("garbage in Value6") << QStringList{"0", "1", "abc", "0"} << "0"
                                           << QList<bool>{false, true, true, true} << QList<bool>{false, true, true, true};
    }
    void activationHidesTabsFromStore()
    {
        QFETCH(QStringList, shown);
        QFETCH(QString, value8);
        QFETCH(QList<bool>, visible);
        QFETCH(QList<bool>, ticked);
        FormFixture f;
        f.seedDesignSettings();
        for (int tab = 1; tab < pageCount; ++tab)
            f.settings().write(showKey(tab), shown[tab - 1]);
        f.settings().write(Key::Value8, value8);
        Form1& w = f.load();
        for (int tab = 1; tab < pageCount; ++tab) {
            QCOMPARE(w.SSTab1->TabVisible(tab), visible[tab - 1]);
            QCOMPARE(w.showBox(tab)->isChecked(), ticked[tab - 1]);
        }
        QVERIFY(w.SSTab1->TabVisible(0));
    }

    void activationRunsAgainWhenShownFromHidden()
    {
        FormFixture f;
        f.seedDesignSettings();
        Form1& w = f.load();
        QVERIFY(w.SSTab1->TabVisible(3));
        // Another program changes the store while the window is hidden.
        w.hide();
        f.settings().write(Key::Value6, QStringLiteral("0"));
        w.Check5->setChecked(false); // an unconfirmed change in the options panel
        w.show();
        FormFixture::settle();
        QVERIFY(!w.SSTab1->TabVisible(3));
        QVERIFY(w.Check5->isChecked());
    }

    void activationDoesNotRunWhileShown()
    {
        FormFixture f;
        f.seedDesignSettings();
        Form1& w = f.load();
        f.settings().write(Key::Value4, QStringLiteral("0"));
        w.activateWindow();
        w.show();
        FormFixture::settle();
        QVERIFY(w.SSTab1->TabVisible(1));
    }

    void unreadableNotesAreReportedAndStartGoesOn()
    {
        FormFixture f;
        f.seedDesignSettings();
        QVERIFY(QDir(f.appFolder()).mkdir(QStringLiteral("notes.ntr")));
        Form1& w = f.load();
        QVERIFY(w.isVisible());
        QCOMPARE(f.platform.messagesShown.size(), 1);
        QVERIFY(f.platform.messagesShown.first().prompt.contains(QStringLiteral("notes.ntr")));
    }

    void unloadRemovesTheTrayIconOnce()
    {
        FormFixture f;
        f.seedDesignSettings();
        Form1& w = f.load();
        w.close();
        w.Form_Unload();
        QCOMPARE(f.platform.trayDeletes(), 1);
        QCOMPARE(f.platform.trayCalls.last().record.window, f.platform.trayCalls.first().record.window);
    }

    void windowCannotBeResized()
    {
        FormFixture f;
        f.seedDesignSettings();
        Form1& w = f.load();
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.size(), QSize(346, 417));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
