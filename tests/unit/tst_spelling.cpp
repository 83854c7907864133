// Spelling: which words are checked, the Hunspell checker over a dictionary written here (never the
// system's), the system's dictionaries and their names, the personal dictionary's file, and the
// engine that checks off the window's thread and keeps what it found.
#include "core/spelling/SpellingWords.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tabwise;

namespace {

QString joined(const QString& text, const QList<TextRange>& ranges)
{
    QStringList words;
    for (const TextRange& range : ranges)
        words << text.sliced(range.start, range.length);
    return words.join(u'|');
}

} // namespace

class tst_Spelling : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void wordsToCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words");
        QTest::newRow("prose") << "The quick, brown fox."
                               << "The|quick|brown|fox";
        QTest::newRow("apostrophes inside, quotes outside") << "don't l\u2019\u00e9t\u00e9 'quoted' rock 'n' roll"
                                                            << "don't|l\u2019\u00e9t\u00e9|quoted|rock|roll";
        QTest::newRow("accents composed and combining") << "caf\u00e9 nai\u0308ve \u0301stray"
                                                        << "caf\u00e9|nai\u0308ve|stray";
        QTest::newRow("hyphenated whole, dashes apart") << "well-known -dash- end--to x-ray"
                                                        << "well-known|dash|end|to|x-ray";
        QTest::newRow("digits") << "abc123 4th COVID-19 x\u00b2 2024"
                                << "";
        QTest::newRow("addresses whole") << "mail me@example.org (https://ex.org/some-pth) www.exmple.com, "
                                            "\"WWW.Foo.org\" file:///tmp/x ok"
                                         << "mail|ok";
        QTest::newRow("capitals only, single letters") << "NASA NASA's I a Ok O'Neil \u01c5ungla"
                                                       << "Ok|O'Neil|\u01c5ungla";
        QTest::newRow("other scripts, beyond the first plane")
            << QString::fromUtf16(u"\u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1 \U00010400\U00010428 \u65e5\u672c")
            << QString::fromUtf16(
                   u"\u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1|\U00010400\U00010428|\u65e5\u672c");
        QTest::newRow("symbols and spaces only") << " \t--- !!! \u2028 ''"
                                                 << "";
    }
    void wordsToCheck()
    {
        QFETCH(QString, text);
        QFETCH(QString, words);
        QCOMPARE(joined(text, tabwise::wordsToCheck(text)), words);
    }

    void sliceAroundTheView_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("slice");
        QTest::newRow("widened to spaces") << "alpha beta gamma" << 7 << 9 << "beta";
        QTest::newRow("at the ends") << "alpha beta" << 0 << 10 << "alpha beta";
        QTest::newRow("beyond the text") << "alpha" << 3 << 99 << "alpha";
        const QString runs = QString(300, u'x') + " word " + QString(300, u'y');
        QTest::newRow("long runs left out") << runs << 290 << 310 << " word ";
    }
    void sliceAroundTheView()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, slice);
        const TextRange range = sliceAround(text, from, to);
        QCOMPARE(text.sliced(range.start, range.length), slice);
    }
};

QTEST_GUILESS_MAIN(tst_Spelling)
#include "tst_spelling.moc"
