// Finding text in pages: where a text occurs (case, folding, overlaps), the steps round the end, the
// entries and lines that hold it, the search of all pages away from the user-interface thread, and
// the widths of the tabs on the strip.
#include "core/captions/TabWidths.h"
#include "core/search/PageSearch.h"
#include "core/search/TextSearch.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tabwise;

namespace {

QString joined(const std::vector<qsizetype>& places)
{
    QStringList all;
    for (qsizetype place : places)
        all << QString::number(place);
    return all.join(u',');
}

QString linesText(const std::vector<LineHit>& lines)
{
    QStringList all;
    for (const LineHit& hit : lines)
        all << QStringLiteral("%1:%2:%3").arg(hit.line).arg(hit.column).arg(hit.excerpt);
    return all.join(u';');
}

} // namespace

class tst_Search : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("places");
        QTest::newRow("case ignored") << "Anna anna ANNA"
                                      << "anna" << false << "0,5,10";
        QTest::newRow("case kept") << "Anna anna ANNA"
                                   << "anna" << true << "5";
        QTest::newRow("not overlapping") << "aaaaa"
                                         << "aa" << false << "0,2";
        QTest::newRow("empty needle") << "abc"
                                      << "" << false << "";
        QTest::newRow("needle longer than text") << "ab"
                                                 << "abc" << false << "";
        QTest::newRow("rarest character at the end") << "lazy lazy zebra"
                                                     << "zebra" << false << "10";
        QTest::newRow("Kelvin sign folds to k") << "1 \u212Aelvin"
                                                << "kELVIN" << false << "2";
        QTest::newRow("Greek capitals") << "\u03a3\u039f\u03a6\u0399\u0391!"
                                        << "\u03c3\u03bf\u03c6\u03b9\u03b1" << false << "0";
        QTest::newRow("letters beyond the first plane")
            << QString::fromUtf16(u"x\U00010400y") << QString::fromUtf16(u"\U00010428") << false << "1";
    }
    void findAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, needle);
        QFETCH(bool, matchCase);
        QFETCH(QString, places);
        const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
        QCOMPARE(joined(tabwise::findAll(text, needle, cs)), places);
        QCOMPARE(joined(tabwise::findAll(text, needle, cs, 1)), places.section(u',', 0, 0));
    }

    void stepsRoundTheEnd()
    {
        const MatchCycle cycle({ 2, 5, 9 });
        QCOMPARE(QList<qsizetype>({ cycle.firstFrom(0), cycle.firstFrom(5), cycle.firstFrom(10) }),
            QList<qsizetype>({ 0, 1, 0 }));
        QCOMPARE(QList<qsizetype>({ cycle.lastBefore(5), cycle.lastBefore(2), cycle.indexOf(9), cycle.indexOf(3) }),
            QList<qsizetype>({ 0, 2, 2, -1 }));
        QCOMPARE(MatchCycle().firstFrom(0) + MatchCycle().lastBefore(0), -2);
    }

    void entriesOfAList()
    {
        const QString text = QStringLiteral("a\r\nbob bob\r\n\r\nBOB");
        QCOMPARE(joined(entriesHolding(splitEntries(text), tabwise::findAll(text, u"bob"))), "1,3");
    }

    void linesOfAText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("lines"); // line:column:excerpt of each line holding "x"
        QTest::newRow("CR LF, CR and paragraph separators") << "a\r\nxb\rcx\u2029dx"
                                                            << "1:0:xb;2:1:cx;3:1:dx";
        QTest::newRow("one line, two matches") << "xx x\n"
                                               << "0:0:xx x";
        QTest::newRow("tabs and controls shown as spaces") << "a\tx\u0001"
                                                           << "0:2:a x ";
        const QString longLine = QString(100, u'a') + u'x' + QString(200, u'b');
        QTest::newRow("a long line, cut round the match")
            << longLine << "0:100:\u2026" + QString(30, u'a') + u'x' + QString(129, u'b') + u'\u2026';
    }
    void linesOfAText()
    {
        QFETCH(QString, text);
        QFETCH(QString, lines);
        QCOMPARE(linesText(linesHolding(text, tabwise::findAll(text, u"x"))), lines);
    }

    void allPagesAwayFromTheInterface()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("email.ntr");
        const auto write = [&](const QByteArray& bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        };
        write("Anna\r\nbob\r\nanna bob\r\n");
        PageSearch search;
        QSignalSpy found(&search, &PageSearch::found);
        const QString many = QStringLiteral("x\n").repeated(PageSearch::linesPerPage + 1);
        search.setSources(
            { { 0, "typed anna", {} }, { 2, {}, path }, { 3, {}, dir.filePath("none.ntr") }, { 4, many, {} } });
        const auto latest = [&] {
            QStringList pages;
            for (const PageHits& page : found.last().first().value<QList<PageHits>>())
                pages << QStringLiteral("%1 %2%3").arg(page.tab).arg(linesText(page.lines), page.more ? "+" : "");
            return pages.join(u'|');
        };
        search.start("anna", Qt::CaseInsensitive);
        QTRY_COMPARE(found.size(), 1);
        QCOMPARE(latest(), "0 0:6:typed anna|2 0:0:Anna;2:0:anna bob");
        // Only the latest search reports; a file changed on disk is read anew.
        write("bob\r\n");
        search.start("bob", Qt::CaseSensitive);
        search.start("x", Qt::CaseSensitive);
        search.start("bob", Qt::CaseSensitive);
        QTRY_COMPARE(found.size(), 2);
        QTest::qWait(100);
        QCOMPARE(latest(), "2 0:0:bob");
        search.start("x", Qt::CaseSensitive);
        QTRY_COMPARE(found.size(), 3);
        QVERIFY(latest().startsWith("4 0:0:x;1:0:x;") && latest().endsWith("+"));
        QCOMPARE(latest().count(u';'), PageSearch::linesPerPage - 1);
    }

    void tabWidths_data()
    {
        QTest::addColumn<QList<int>>("captions");
        QTest::addColumn<int>("available");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("room to spare, at most the most") << QList<int> { 10, 20 } << 200 << QList<int> { 34, 44 };
        QTest::newRow("room shared") << QList<int> { 30, 90, 40 } << 190 << QList<int> { 40, 100, 50 };
        QTest::newRow("the widest narrowed") << QList<int> { 30, 90, 40 } << 150 << QList<int> { 36, 68, 46 };
        QTest::newRow("the two widest alike") << QList<int> { 80, 90, 10 } << 120 << QList<int> { 52, 52, 16 };
        QTest::newRow("no tabs") << QList<int> {} << 100 << QList<int> {};
    }
    void tabWidths()
    {
        QFETCH(QList<int>, captions);
        QFETCH(int, available);
        QFETCH(QList<int>, widths);
        const std::vector<int> fitted = fitTabWidths({ captions.begin(), captions.end() }, available, 6, 24);
        QCOMPARE(QList<int>(fitted.begin(), fitted.end()), widths);
    }
};

QTEST_GUILESS_MAIN(tst_Search)
#include "tst_search.moc"
