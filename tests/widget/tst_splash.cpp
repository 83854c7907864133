// The splash screen shows the program's name and version, then hands over to the main window once.
#include "FormFixture.h"
#include "shell/frmSplash.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using namespace tabwise;

class SplashTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captions();
    void handOverOnce_data();
    void handOverOnce();
};

void SplashTest::captions()
{
    FormFixture f;
    frmSplash splash(f.form());
    QCOMPARE(splash.lblProductName->text(), QStringLiteral("Tabwise"));
    QCOMPARE(splash.lblVersion->text(), QStringLiteral("Version 1.0.10"));
    QCOMPARE(splash.lblPlatform->text(), QStringLiteral("Platform: Linux"));
    QCOMPARE(splash.Label1->text(), QStringLiteral("Tabwise"));
    QVERIFY(splash.windowTitle().isEmpty());
    // Labels that size themselves show their whole text.
    for (const QLabel* label : { splash.lblProductName, splash.lblVersion, splash.lblPlatform })
        QVERIFY(label->width() >= label->sizeHint().width());
}

void SplashTest::handOverOnce_data()
{
    QTest::addColumn<QString>("startMode");
    QTest::addColumn<bool>("windowShown");
    QTest::newRow("start shown") << "0" << true;
    QTest::newRow("start in the tray") << "1" << false;
}

void SplashTest::handOverOnce()
{
    QFETCH(QString, startMode);
    QFETCH(bool, windowShown);
    FormFixture f;
    f.seedDesignSettings();
    f.settings().write(Key::Value, startMode);
    f.writePage("notes.ntr", "read at the hand-over\r\n");
    Form1& w = f.form();

    frmSplash splash(w);
    QVERIFY(splash.Timer1->isActive());
    QCOMPARE(splash.Timer1->interval(), frmSplash::displayMilliseconds);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));

    // Clicks and keys do nothing: the splash waits for its timer.
    QTest::mouseClick(&splash, Qt::LeftButton);
    QTest::keyClick(&splash, Qt::Key_Escape);
    QTest::keyClick(&splash, Qt::Key_Return);
    QVERIFY(splash.isVisible());
    QCOMPARE(f.platform.trayAdds(), 0);

    QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 5000);
    QVERIFY(!splash.Timer1->isActive());
    QCOMPARE(f.platform.trayAdds(), 1);
    QCOMPARE(w.isVisible(), windowShown);
    QCOMPARE(w.txtNotes->toPlainText(), QStringLiteral("read at the hand-over\n"));

    // A second firing of the timer loads nothing again and shows no splash.
    splash.Timer1_Timer();
    FormFixture::settle();
    QCOMPARE(f.platform.trayAdds(), 1);
    QVERIFY(!splash.isVisible());
    QCOMPARE(w.isVisible(), windowShown);
}

QTEST_MAIN(SplashTest)
#include "tst_splash.moc"
