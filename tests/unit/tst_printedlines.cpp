#include "core/PrintedLines.h"

#include <QTest>

using namespace tabwise;

class tst_PrintedLines : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textPage_data();
    void textPage();
    void listPage_data();
    void listPage();
};

void tst_PrintedLines::textPage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty box prints one empty line") << QString() << QStringList { QString() };
    QTest::newRow("one line") << QStringLiteral("abc") << QStringList { QStringLiteral("abc") };
    QTest::newRow("LF between lines") << QStringLiteral("a\nb") << QStringList { "a", "b" };
    QTest::newRow("CR LF is one line end") << QStringLiteral("a\r\nb") << QStringList { "a", "b" };
    QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringList { "a", "b" };
    QTest::newRow("LF CR is two line ends") << QStringLiteral("a\n\rb") << QStringList { "a", "", "b" };
    QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b") << QStringList { "a", "b" };
    QTest::newRow("line separator") << QStringLiteral("a\u2028b") << QStringList { "a", "b" };
    QTest::newRow("empty lines kept") << QStringLiteral("a\n\n\nb") << QStringList { "a", "", "", "b" };
    QTest::newRow("text ending in a line end") << QStringLiteral("a\r\n") << QStringList { "a", "" };
    QTest::newRow("spaces and tabs kept") << QStringLiteral("  a\tb  ") << QStringList { "  a\tb  " };
    QTest::newRow("NUL is an ordinary character")
        << QString::fromUtf16(u"a\0b", 3) << QStringList { QString::fromUtf16(u"a\0b", 3) };
}

void tst_PrintedLines::textPage()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(textPageLines(text), lines);
}

void tst_PrintedLines::listPage_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty list prints no lines") << QStringList {} << QStringList {};
    QTest::newRow("two entries, two lines") << QStringList { "a", "b" } << QStringList { "a", "b" };
    QTest::newRow("one empty entry is one empty line") << QStringList { QString() } << QStringList { QString() };
    QTest::newRow("empty entry in the middle") << QStringList { "a", "", "b" } << QStringList { "a", "", "b" };
    QTest::newRow("LF inside an entry starts a new line")
        << QStringList { "a\nb", "c" } << QStringList { "a", "b", "c" };
    QTest::newRow("order kept") << QStringList { "z", "a", "m" } << QStringList { "z", "a", "m" };
}

void tst_PrintedLines::listPage()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, lines);
    QCOMPARE(listPageLines(entries), lines);
}

QTEST_MAIN(tst_PrintedLines)
#include "tst_printedlines.moc"
