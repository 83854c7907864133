// The text of a text box as it is saved: lines joined with CR LF, every other character kept.
#include "core/BoxText.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace tabwise;

class tst_BoxText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savedBytes_data();
    void savedBytes();
};

void tst_BoxText::savedBytes_data()
{
    QTest::addColumn<QString>("loaded"); // what the box was filled with
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("one line") << "abc" << QByteArray("abc\r\n");
    QTest::newRow("empty") << "" << QByteArray("\r\n");
    QTest::newRow("ends with a line end") << "abc\r\n" << QByteArray("abc\r\n");
    QTest::newRow("CR LF, lone CR and lone LF") << "a\r\nb\rc\nd" << QByteArray("a\r\nb\r\nc\r\nd\r\n");
    QTest::newRow("empty lines") << "\r\n\r\nx" << QByteArray("\r\n\r\nx\r\n");
    QTest::newRow("non-breaking space") << QStringLiteral("a\u00a0b")
                                        << QByteArray("a\xc2\xa0"
                                                      "b\r\n");
    QTest::newRow("tab and euro") << QStringLiteral("a\tb\u20ac") << QByteArray("a\tb\xe2\x82\xac\r\n");
    QTest::newRow("characters that share the separators' first bytes")
        << QStringLiteral("\u2026\u2020\u20ac\u2029x") << QByteArray("\xe2\x80\xa6\xe2\x80\xa0\xe2\x82\xac\r\nx\r\n");
    QTest::newRow("ends with a separator") << QStringLiteral("a\u2028") << QByteArray("a\r\n");
    QTest::newRow("line break within a paragraph") << QStringLiteral("a\u2028b") << QByteArray("a\r\nb\r\n");
}

void tst_BoxText::savedBytes()
{
    QFETCH(QString, loaded);
    QFETCH(QByteArray, saved);
    QPlainTextEdit box;
    box.setPlainText(loaded);
    QCOMPARE(pageBytesFromRawText(box.document()->toRawText()), saved);
}

QTEST_MAIN(tst_BoxText)
#include "tst_boxtext.moc"
