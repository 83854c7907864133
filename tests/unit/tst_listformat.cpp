// How a list page's file turns into entries and back.
#include "core/EntryListModel.h"
#include "core/ListFormat.h"

#include <QTest>

using namespace tabwise;

namespace {
QStringList entriesOf(const QString& text)
{
    QStringList entries;
    for (const EntrySpan& span : splitEntries(text))
        entries << text.mid(span.start, span.length);
    return entries;
}

QStringList modelEntries(const EntryListModel& model)
{
    QStringList entries;
    for (qsizetype i = 0; i < model.count(); ++i)
        entries << model.entry(i);
    return entries;
}
} // namespace

class tst_ListFormat : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lines_data();
    void lines();
    void savedText_data();
    void savedText();
    void loadingAppends();
    void appendAfterEmptyEntries();
    void clearEmpties();
};

void tst_ListFormat::lines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty file is one empty entry") << "" << QStringList { "" };
    QTest::newRow("CR LF alone is one empty entry") << "\r\n" << QStringList { "" };
    QTest::newRow("CR LF ends a line") << "a\r\nb\r\n" << QStringList { "a", "b" };
    QTest::newRow("last line without a line end") << "a\r\nb" << QStringList { "a", "b" };
    QTest::newRow("lone CR ends a line") << "a\rb\r\n" << QStringList { "a", "b" };
    QTest::newRow("lone CR at the end") << "a\r" << QStringList { "a" };
    QTest::newRow("lone LF is part of the entry") << "a\nb\r\n" << QStringList { "a\nb" };
    QTest::newRow("LF alone is one entry") << "\n" << QStringList { "\n" };
    QTest::newRow("LF CR: the LF belongs to the entry") << "a\n\rb" << QStringList { "a\n", "b" };
    QTest::newRow("empty line is an empty entry") << "a\r\n\r\nb\r\n" << QStringList { "a", "", "b" };
    QTest::newRow("CR CR LF is two line ends") << "a\r\r\nb" << QStringList { "a", "", "b" };
    QTest::newRow("trailing empty line") << "a\r\nb\r\n\r\n" << QStringList { "a", "b", "" };
    QTest::newRow("spaces kept") << "  a \r\n\tb\t\r\n" << QStringList { "  a ", "\tb\t" };
    QTest::newRow("NUL inside an entry") << QString::fromUtf16(u"a\0b\r\n\0\r\n", 8)
                                         << QStringList { QString::fromUtf16(u"a\0b", 3), QString(QChar(0)) };
    QTest::newRow("separators of a text box are characters")
        << QStringLiteral("a\u2029b\u2028c\r\n") << QStringList { QStringLiteral("a\u2029b\u2028c") };
}

void tst_ListFormat::lines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, entries);
    QCOMPARE(entriesOf(text), entries);
    EntryListModel model;
    model.appendFileText(text);
    QCOMPARE(modelEntries(model), entries);
    QCOMPARE(model.rowCount(), entries.size());
}

void tst_ListFormat::savedText_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("fileText");
    QTest::newRow("empty list writes nothing") << QStringList {} << "";
    QTest::newRow("a, empty, b") << QStringList { "a", "", "b" } << "a\r\n\r\nb\r\n";
    QTest::newRow("one empty entry") << QStringList { "" } << "\r\n";
    QTest::newRow("LF inside an entry kept") << QStringList { "a\nb" } << "a\nb\r\n";
}

void tst_ListFormat::savedText()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, fileText);
    EntryListModel model;
    for (const QString& entry : entries)
        model.append(entry);
    QCOMPARE(model.fileText(), fileText);
    // And what was written reads back as the same entries (an empty file is one empty entry).
    EntryListModel reread;
    reread.appendFileText(fileText);
    QCOMPARE(modelEntries(reread), entries.isEmpty() ? QStringList { "" } : entries);
}

void tst_ListFormat::loadingAppends()
{
    EntryListModel model;
    model.appendFileText(QStringLiteral("a\r\nb\r\n"));
    model.appendFileText(QStringLiteral("a\r\nb\r\n"));
    QCOMPARE(modelEntries(model), (QStringList { "a", "b", "a", "b" }));
    model.append(QStringLiteral("c"));
    QCOMPARE(model.fileText(), QStringLiteral("a\r\nb\r\na\r\nb\r\nc\r\n"));
}

void tst_ListFormat::appendAfterEmptyEntries()
{
    // The first entries take no room in the text they point into; later ones must not shift them.
    EntryListModel model;
    model.appendFileText(QString());
    model.append(QString());
    model.appendFileText(QStringLiteral("x\r\ny"));
    model.append(QStringLiteral("z"));
    QCOMPARE(modelEntries(model), (QStringList { "", "", "x", "y", "z" }));
}

void tst_ListFormat::clearEmpties()
{
    EntryListModel model;
    model.appendFileText(QStringLiteral("a\r\nb"));
    model.clear();
    QCOMPARE(model.count(), 0);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.fileText(), QString());
    model.appendFileText(QStringLiteral("c"));
    QCOMPARE(modelEntries(model), QStringList { "c" });
}

QTEST_MAIN(tst_ListFormat)
#include "tst_listformat.moc"
