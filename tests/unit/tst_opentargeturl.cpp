// The address the desktop is given for an entry to open.
#include "platform/linux/QtOpenTarget.h"

#include <QTest>

using namespace tabwise;

class tst_OpenTargetUrl : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void targetUrl_data();
    void targetUrl();
};

void tst_OpenTargetUrl::targetUrl_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("url"); // empty: the target cannot be opened
    QTest::newRow("mail address") << "mailto:someone@example.com" << QByteArray("mailto:someone@example.com");
    QTest::newRow("mailto: alone") << "mailto:" << QByteArray("mailto:");
    QTest::newRow("space in a mail address") << "mailto:a b@example.com" << QByteArray("mailto:a%20b@example.com");
    QTest::newRow("quotes in a mail address") << "mailto:\"x\"@example.com" << QByteArray("mailto:%22x%22@example.com");
    QTest::newRow("shell characters stay text") << "mailto:$(id)`id`;x" << QByteArray("mailto:$(id)%60id%60;x");
    QTest::newRow("bare web address") << "www.example.com" << QByteArray("http://www.example.com");
    QTest::newRow("bare address with a path") << "example.com/a" << QByteArray("http://example.com/a");
    QTest::newRow("web address with a scheme") << "https://example.com/a b" << QByteArray("https://example.com/a%20b");
    QTest::newRow("absolute path") << "/tmp/some file.txt" << QByteArray("file:///tmp/some%20file.txt");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("blank") << "   " << QByteArray();
    QTest::newRow("command substitution") << "$(touch x)" << QByteArray();
}

void tst_OpenTargetUrl::targetUrl()
{
    QFETCH(QString, target);
    QFETCH(QByteArray, url);
    const QUrl result = QtOpenTarget::targetUrl(target);
    QCOMPARE(result.isValid(), !url.isEmpty());
    if (!result.isValid())
        return;
    QCOMPARE(result.toEncoded(), url);
    // Handed to xdg-open as one argument: nothing in it that could split it.
    QVERIFY(!result.toEncoded().contains(' '));
    QVERIFY(!result.toEncoded().contains('"'));
}

QTEST_MAIN(tst_OpenTargetUrl)
#include "tst_opentargeturl.moc"
