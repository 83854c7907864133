// Spelling: which words are checked, the Hunspell checker over a dictionary written here (never the
// system's), the system's dictionaries and their names, the personal dictionary's file, and the
// engine that checks off the window's thread and keeps what it found.
#include "core/settings/SettingsStore.h"
#include "core/spelling/Dictionaries.h"
#include "core/spelling/HunspellChecker.h"
#include "core/spelling/PersonalDictionary.h"
#include "core/spelling/SpellChecker.h"
#include "core/spelling/SpellingEngine.h"
#include "core/spelling/SpellingOptions.h"
#include "core/spelling/SpellingWords.h"

#include <QDir>
#include <QMutex>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStringConverter>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace tabwise;

namespace {

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

QString joined(const QString& text, const QList<TextRange>& ranges)
{
    QStringList words;
    for (const TextRange& range : ranges)
        words << text.sliced(range.start, range.length);
    return words.join(u'|');
}

// Knows the words it is given; counts what it is asked, and can be held while it checks.
class FakeChecker : public SpellChecker {
public:
    explicit FakeChecker(QStringList words)
        : m_words(std::move(words))
    {
    }
    bool isCorrect(const QString& word) override
    {
        bool correct = false;
        {
            const QMutexLocker lock(&m_mutex);
            m_asked << word;
            correct = m_words.contains(word);
        }
        m_gate.acquire();
        m_gate.release();
        return correct;
    }
    QStringList suggestions(const QString& word, int max) override { return QStringList(max + 1, word + u'!'); }
    void ignore(const QString& word) override
    {
        const QMutexLocker lock(&m_mutex);
        m_words << word;
    }
    QStringList asked()
    {
        const QMutexLocker lock(&m_mutex);
        return std::exchange(m_asked, {});
    }
    QSemaphore m_gate { 1 }; // take it to hold the checking thread once it has an answer

private:
    QMutex m_mutex;
    QStringList m_words;
    QStringList m_asked;
};

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

    void hunspellInTheDictionarysCharacterSet_data()
    {
        QTest::addColumn<QByteArray>("set");
        QTest::newRow("UTF-8") << QByteArray("UTF-8");
        QTest::newRow("Latin-1") << QByteArray("ISO8859-1");
        QTest::newRow("Cyrillic, Microsoft's name") << QByteArray("microsoft-cp1251");
    }
    void hunspellInTheDictionarysCharacterSet()
    {
        QFETCH(QByteArray, set);
        const bool cyrillic = set.contains("1251");
        const QString word = cyrillic ? QStringLiteral("\u0434\u043e\u043c") : QStringLiteral("caf\u00e9");
        QStringEncoder encode(set == "microsoft-cp1251" ? "windows-1251" : set.constData());
        put(path("t.aff"), "SET " + set + "\nTRY " + encode(word + "abcdefst'") + "\nSFX S Y 1\nSFX S 0 s .\n");
        put(path("t.dic"), "3\n" + encode(word) + "/S\ndon't\ntabwise\n");
        HunspellChecker checker(path("t.aff"), path("t.dic"));
        QCOMPARE(checker.errorText(), QString());
        for (const QString& good : { word, word + u's', word.toUpper(), word.left(2) + u'\u00AD' + word.mid(2),
                 QStringLiteral("don\u2019t"), QStringLiteral("Tabwise") })
            QVERIFY2(checker.isCorrect(good), qPrintable(good));
        const QString typo = word.chopped(1) + u'x';
        const QString foreign = cyrillic ? QStringLiteral("caf\u00e9") : QStringLiteral("\u0434\u043e\u043c");
        for (const QString& bad : { typo, foreign, QString(120, u'a') })
            QVERIFY2(!checker.isCorrect(bad), qPrintable(bad));
        QCOMPARE(checker.suggestions(typo, 5).value(0), word);
        QCOMPARE(checker.suggestions(QStringLiteral("dont\u2019t"), 5).value(0), QStringLiteral("don\u2019t"));
        QVERIFY(checker.suggestions(foreign, 5).isEmpty());
        checker.ignore(typo);
        QVERIFY(checker.isCorrect(typo));
        // Rested, it reads the dictionary again for the next question; what it ignores stays.
        checker.rest();
        QVERIFY(checker.isCorrect(word) && checker.isCorrect(typo) && !checker.isCorrect(foreign));
        QVERIFY(checker.suggestions(word.chopped(1) + u'z', 5).contains(word));
    }

    void hunspellThatCannotReadSaysWhy()
    {
        put(path("odd.aff"), "SET ISCII-DEVANAGARI\n");
        put(path("odd.dic"), "1\nword\n");
        for (const auto& [aff, dic, reason] :
            { std::tuple("odd.aff", "odd.dic", "ISCII-DEVANAGARI"), std::tuple("odd.aff", "gone.dic", "gone.dic") }) {
            HunspellChecker checker(path(aff), path(dic));
            QVERIFY(checker.isCorrect(QStringLiteral("wrod"))); // nothing marked
            QVERIFY(checker.suggestions(QStringLiteral("wrod"), 5).isEmpty());
            QVERIFY2(checker.errorText().contains(QLatin1String(reason)), qPrintable(checker.errorText()));
        }
    }

    void systemDictionaries()
    {
        QDir(path("a")).mkpath(QStringLiteral("."));
        QDir(path("b")).mkpath(QStringLiteral("."));
        for (const char* code : { "a/en_GB", "a/de_DE", "a/de_CH", "a/sr-Latn", "b/en_US", "b/de_DE" }) {
            put(path(code + QStringLiteral(".aff")), "SET UTF-8\n");
            put(path(code + QStringLiteral(".dic")), "0\n");
        }
        put(path("a/alone.dic"), "0\n"); // without its .aff
        const QList<Dictionary> all = installedDictionaries({ path("a"), path("b") });
        QStringList codes;
        for (const Dictionary& d : all)
            codes << d.code;
        QCOMPARE(codes.join(u' '), "de_CH de_DE en_GB en_US sr-Latn");
        QCOMPARE(all.at(1).dicPath, path("a/de_DE.dic"));

        const auto chosen = [&](const QString& setting, const QStringList& ui) {
            const auto found = chosenDictionary(setting, all, ui);
            return found ? found->code : QStringLiteral("none");
        };
        QCOMPARE(chosen({}, { "de-CH", "de" }), "de_CH");
        QCOMPARE(chosen({}, { "de-AT", "de" }), "de_DE");
        QCOMPARE(chosen({}, { "en-AU" }), "en_US"); // the language's own country before others
        QCOMPARE(chosen({}, { "fr-FR", "fr" }), "en_US"); // English when none fits
        QCOMPARE(chosen("en_GB", { "de-DE" }), "en_GB");
        QCOMPARE(chosen("xx_XX", { "de-DE" }), "de_DE"); // no longer installed: the default
        QCOMPARE(chosen(" off ", { "de-DE" }), "none");
        QVERIFY(!defaultDictionary(all.mid(0, 2), { "fr" }));

        QCOMPARE(dictionaryName("en_US"), "English (US)");
        QCOMPARE(dictionaryName("sr-Latn"), "Serbian (Latin)");
        QCOMPARE(dictionaryName("ca_ES-valencia"), "Catalan (ES, valencia)");
        QCOMPARE(dictionaryName("zz_frob"), "zz_frob");
        const QList<LanguageChoice> choices = languageChoices(all);
        QCOMPARE(choices.size(), 6);
        QCOMPARE(choices.at(0).setting + '=' + choices.at(0).text, "Off=Off");
        QCOMPARE(choices.at(1).setting + '=' + choices.at(1).text, "en_GB=English (GB)");
    }

    void checkSpellingSettings()
    {
        SettingsStore store(path("spelling.ini"));
        QCOMPARE(QList<bool>({ checksSpelling(store, 0), checksSpelling(store, 1), checksSpelling(store, 2),
                     checksSpelling(store, 4) }),
            QList<bool>({ true, false, false, true }));
        QVERIFY(store.write(Key::CheckSpellingNotes, QStringLiteral("0")));
        QVERIFY(store.write(Key::CheckSpellingOther, QStringLiteral("garbage")));
        QVERIFY(!checksSpelling(store, 0));
        QVERIFY(checksSpelling(store, 4));
    }

    void personalDictionaryFile()
    {
        const QString file = path("own/Tabwise/dictionary.txt");
        PersonalDictionary dictionary(file);
        QSignalSpy changed(&dictionary, &PersonalDictionary::changed);
        QVERIFY(dictionary.add(QStringLiteral(" Tabwise ")).ok);
        QVERIFY(dictionary.add(QStringLiteral("Tabwise")).ok);
        QCOMPARE(bytesOf(file), "Tabwise\n");
        QCOMPARE(changed.size(), 1);
        struct stat info { };
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 0777), 0600);
        QVERIFY(!dictionary.add(QStringLiteral("two words")).ok);

        // Edited by hand, replaced as an editor does: read again; what is not a word stays in it.
        const QByteArray edited = "\xEF\xBB\xBFgrüß\r\n\r\n  spaced  \r\nnot a word\r\n" + QByteArray("bin\0ary", 7)
            + "\r\n\xff\xfe\r\nend";
        put(file + ".new", edited);
        QVERIFY(QFile::remove(file) && QFile::rename(file + ".new", file));
        QTRY_COMPARE(changed.size(), 2);
        QStringList words = dictionary.words().values();
        words.sort();
        QCOMPARE(words.join(u' '), QString::fromUtf8("end grüß spaced"));
        QVERIFY(dictionary.add(QStringLiteral("neu")).ok);
        QCOMPARE(bytesOf(file), edited + "\r\nneu\r\n");
        QVERIFY(isListed(dictionary.words(), QStringLiteral("Neu")));
        QVERIFY(!isListed(dictionary.words(), QStringLiteral("GRÜSS")));
    }

    void personalDictionaryThatCannotBeUsed_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("huge") << "huge";
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("below a file") << "below";
    }
    void personalDictionaryThatCannotBeUsed()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString file = dir.filePath(QStringLiteral("dictionary.txt"));
        const QByteArray huge(PersonalDictionary::largestFile + 1, 'w');
        if (kind == "huge")
            put(file, huge);
        if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        if (kind == "below") {
            put(file, "");
            file += QStringLiteral("/dictionary.txt");
        }
        PersonalDictionary dictionary(file);
        QVERIFY(dictionary.words().isEmpty());
        const FileWrite added = dictionary.add(QStringLiteral("word"));
        QVERIFY(!added.ok);
        QVERIFY2(added.error.contains(file), qPrintable(added.error));
        if (kind == "huge")
            QVERIFY(bytesOf(file) == huge);
    }

    void engineChecksAwayAndKeepsResults()
    {
        PersonalDictionary personal(path("engine/dictionary.txt"));
        SpellingEngine engine(personal);
        auto checker = std::make_shared<FakeChecker>(QStringList { "good", "words" });
        engine.setChecker(checker);
        const auto unblock = qScopeGuard([&] { checker->m_gate.release(); }); // a failure must not hang
        QSignalSpy checked(&engine, &SpellingEngine::checked);
        QSignalSpy changed(&engine, &SpellingEngine::resultsChanged);
        const QString first = QStringLiteral("good wrods and baad words");
        QVERIFY(!engine.misspelled(first));
        engine.request({ first, first, QStringLiteral("good") });
        QTRY_COMPARE(checked.size(), 2);
        QCOMPARE(joined(first, checked.at(0).at(1).value<QList<TextRange>>()), "wrods|and|baad");
        QCOMPARE(joined(first, *engine.misspelled(first)), "wrods|and|baad");
        QCOMPARE(checker->asked().size(), 6);

        // Known pieces are not checked again; a changed one is.
        engine.request({ first, QStringLiteral("good wrods") });
        QTRY_COMPARE(checked.size(), 3);
        QCOMPARE(checker->asked(), QStringList({ "good", "wrods" }));

        // A request gives up what the one before still had waiting; a word ignored while it was
        // checked is not marked.
        checker->m_gate.acquire();
        engine.request({ QStringLiteral("held") });
        QStringList asked;
        QVERIFY(QTest::qWaitFor([&] { return !(asked += checker->asked()).isEmpty(); }));
        QCOMPARE(asked, QStringList({ "held" }));
        engine.request({ QStringLiteral("dropped") });
        engine.request({ QStringLiteral("wanted") });
        engine.ignore(QStringLiteral("held"));
        checker->m_gate.release();
        QTRY_COMPARE(checked.size(), 5);
        QCOMPARE(checker->asked(), QStringList({ "wanted" }));
        QCOMPARE(engine.misspelled(QStringLiteral("held"))->size(), 0);

        // Taken as correct: the results change without checking again.
        engine.ignore(QStringLiteral("and"));
        QCOMPARE(changed.size(), 2);
        QVERIFY(engine.addToDictionary(QStringLiteral("baad")).ok);
        QCOMPARE(changed.size(), 3);
        QCOMPARE(joined(first, *engine.misspelled(first)), "wrods");
        QCOMPARE(engine.suggestions(QStringLiteral("wrods")).size(), SpellingEngine::maxSuggestions);
        QVERIFY(checker->asked().isEmpty());

        // A word taken out of the personal dictionary on disk: what was found is found again.
        put(path("engine/dictionary.txt"), "other\n");
        personal.reload();
        QCOMPARE(changed.size(), 4);
        QVERIFY(!engine.misspelled(first));

        // Another dictionary: a batch checked by the one before is dropped; the ignored stay ignored.
        checker->m_gate.acquire();
        engine.request({ first });
        auto next = std::make_shared<FakeChecker>(QStringList());
        engine.setChecker(next);
        checker->m_gate.release();
        engine.request({ first });
        QTRY_VERIFY(engine.misspelled(first));
        QCOMPARE(joined(first, *engine.misspelled(first)), "good|wrods|baad|words");

        engine.setChecker(nullptr);
        QCOMPARE(engine.misspelled(first)->size(), 0);
        QCOMPARE(engine.misspelled(QString(SpellingEngine::longestPiece + 1, u'x'))->size(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_Spelling)
#include "tst_spelling.moc"
