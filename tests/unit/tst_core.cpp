// The program's core: page files and what they hold (the list format, the encodings, the bytes a
// text box is saved as, what a page prints), reading hostile files, atomic writes, file stamps, the
// copying that backup and restore do, the settings store, stored box states, spoken names, the
// autostart entry's text, and what of this is said in the user's language.
#include "core/backup/CopyPages.h"
#include "core/backup/CopyReportText.h"
#include "core/captions/HistoryCauseText.h"
#include "core/captions/Titles.h"
#include "core/entries/EntryListModel.h"
#include "core/page/BoxText.h"
#include "core/page/FileStamp.h"
#include "core/page/LongLines.h"
#include "core/page/PageFile.h"
#include "core/page/TextEncoding.h"
#include "core/print/PrintedLines.h"
#include "core/settings/AutostartEntry.h"
#include "core/settings/FirstStart.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/ValueConversion.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTranslator>

#include <sys/stat.h>

#include <cmath>

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

int modeOf(const QString& path)
{
    struct stat info { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

QStringList entriesOf(const EntryListModel& model)
{
    QStringList entries;
    for (qsizetype i = 0; i < model.count(); ++i)
        entries << model.entry(i);
    return entries;
}

// A translation that puts the tabs' names and the history's causes in capitals.
class Capitals : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QByteArrayView in(context);
        return in == "Pages" || in == "History" ? QString::fromUtf8(source).toUpper() : QString();
    }
};

} // namespace

class tst_Core : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QTranslator m_english; // the plural forms ("1 page file", "2 page files")
    QString path(const QString& name) const { return m_dir.filePath(name); }
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_english.load(":/i18n/tabwise_en.qm") && QCoreApplication::installTranslator(&m_english));
    }
    void cleanup() { QFile::remove(path("Tabwise.ini")); }

    void listRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList { "a", "b" } << QByteArray("a\r\nb\r\n");
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList { "a", "b" } << QByteArray("a\r\nb\r\n");
        QTest::newRow("LF, CR LF and CR each end an entry")
            << QByteArray("a\nb\r\nc\n\r") << QStringList { "a", "b", "c", "" } << QByteArray("a\r\nb\r\nc\r\n\r\n");
        QTest::newRow("empty file: one empty entry") << QByteArray() << QStringList { "" } << QByteArray("\r\n");
        QTest::newRow("no final line end")
            << QByteArray("a\r\nb") << QStringList { "a", "b" } << QByteArray("a\r\nb\r\n");
        QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\r\n") << QStringList { "", "", "x", "" }
                                     << QByteArray("\r\n\r\nx\r\n\r\n");
        QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf"
                                                       "a\r\nb")
                                         << QStringList { "a", "b" } << QByteArray("a\r\nb\r\n");
    }
    void listRoundTrip()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, saved);
        EntryListModel model;
        model.appendFileText(decodePageBytes(file));
        QCOMPARE(entriesOf(model), entries);
        QCOMPARE(encodePageText(model.fileText()), saved);
        model.appendFileText(model.fileText()); // the saved text reads back as the same entries
        QCOMPARE(entriesOf(model), entries + entries);
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("utf8"); // written back as it was
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9") << "caf\u00e9" << true;
        // A byte-order mark at the front is read past (and not written back); one further on stays.
        QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbfhi") << "hi" << false;
        QTest::newRow("byte-order mark only") << QByteArray("\xef\xbb\xbf") << "" << false;
        QTest::newRow("byte-order mark, Windows-1252") << QByteArray("\xef\xbb\xbf\xe9") << "\u00e9" << false;
        QTest::newRow("U+FEFF further on") << QByteArray("a\xef\xbb\xbf\xef\xbb\xbf") << "a\ufeff\ufeff" << true;
        QTest::newRow("NUL bytes") << QByteArray("a\0b", 3) << QString::fromUtf16(u"a\0b", 3) << true;
        QTest::newRow("Windows-1252") << QByteArray("caf\xe9 \x80\x81") << "caf\u00e9 \u20ac\u0081" << false;
        QTest::newRow("UTF-8 cut off at the end") << QByteArray("ab\xe2\x82") << "ab\u00e2\u201a" << false;
        QTest::newRow("UTF-8 but for one byte")
            << QByteArray("caf\xc3\xa9 \xe9 \xe2\x82\xac") << "caf\u00e9 \u00e9 \u20ac" << false;
        QTest::newRow("surrogates and overlong forms are not UTF-8")
            << QByteArray("\xed\xa0\x80\xc0\xaf") << "\u00ed\u00a0\u20ac\u00c0\u00af" << false;
    }
    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, utf8);
        QCOMPARE(decodePageBytes(bytes), text);
        if (utf8)
            QCOMPARE(encodePageText(text), bytes);
        QByteArray all; // and no byte is ever lost
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString decoded = decodePageBytes(all);
        QCOMPARE(QSet<QChar>(decoded.begin(), decoded.end()).size(), 256);
    }

    void boxText_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("paragraphs, line breaks") << "a\u2029b\u2028c" << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("ends with a line end") << "a\u2029" << QByteArray("a\r\n");
        QTest::newRow("empty") << "" << QByteArray("\r\n");
        QTest::newRow("no-break space, euro") << "\u00a0\u20ac" << QByteArray("\xc2\xa0\xe2\x82\xac\r\n");
    }
    void boxText()
    {
        QFETCH(QString, raw);
        QFETCH(QByteArray, bytes);
        QCOMPARE(pageBytesFromRawText(raw), bytes);
    }

    void printedLines_data()
    {
        QTest::addColumn<bool>("list");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("text") << false << QStringList { "a\r\nb\rc\nd\u2029e\u2028f" }
                              << QStringList { "a", "b", "c", "d", "e", "f" };
        QTest::newRow("empty text: one line") << false << QStringList { "" } << QStringList { "" };
        QTest::newRow("text ending in a line end") << false << QStringList { "a\r\n" } << QStringList { "a", "" };
        QTest::newRow("empty list: no line") << true << QStringList {} << QStringList {};
        QTest::newRow("list") << true << QStringList { "a\nb", "" } << QStringList { "a", "b", "" };
    }
    void printedLines()
    {
        QFETCH(bool, list);
        QFETCH(QStringList, items);
        QFETCH(QStringList, lines);
        QCOMPARE(list ? listPageLines(items) : textPageLines(items.first()), lines);
        QVERIFY(!hasLineLongerThan(u"abc\ndef\u2029ghi", 3) && hasLineLongerThan(u"ab\rabcd", 3));
    }

    void writesAreAtomic()
    {
        const QString file = path("w.ntr");
        QVERIFY(writePageFile(file, "one").ok);
        QCOMPARE(modeOf(file), 0600); // a new page is its owner's alone
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        QVERIFY(writePageFile(file, "two").ok);
        QCOMPARE(bytesOf(file), QByteArray("two"));
        QCOMPARE(modeOf(file), 0604); // a replaced page keeps its permissions
        QCOMPARE(QDir(m_dir.path()).entryList({ "w.ntr*" }, QDir::Files | QDir::Hidden).size(), 1);
        const FileWrite intoNowhere = writePageFile(path("none/x.ntr"), "x");
        QVERIFY2(!intoNowhere.ok && intoNowhere.error.startsWith(path("none/x.ntr") + "\n\n"),
            qPrintable(intoNowhere.error));
    }

    void stampSeesEveryChange()
    {
        const QString file = path("s.ntr");
        QVERIFY(!fileStamp(file).exists && settledFileStamp(file)); // a missing file cannot change unseen
        put(file, "a");
        QVERIFY(!settledFileStamp(file)); // written a moment ago: it may change within the same tick
        const FileStamp first = fileStamp(file);
        QThread::msleep(120);
        QVERIFY(settledFileStamp(file) == first);
        put(file, "b"); // same size, same file, rewritten in place
        QVERIFY(fileStamp(file) != first);
    }

    void copyPages()
    {
        const QString from = path("from"), to = path("to");
        QVERIFY(QDir().mkpath(from + "/folder.ntr") && QDir().mkpath(to + "/d.ntr"));
        for (const char* name : { "a.ntr", "b.ntr", "d.ntr", "ro.ntr", "c.txt" })
            put(from + '/' + name, QByteArray("new ") + name);
        put(path("outside"), "outside");
        // A page that is a link is copied as its file; one that leads nowhere is named. Links in the
        // destination give way to the copies, and nothing is written where they lead.
        QVERIFY(QFile::link(from + "/a.ntr", from + "/link.ntr") && QFile::link(path("gone"), from + "/gone.ntr"));
        QVERIFY(QFile::link(path("outside"), to + "/a.ntr") && QFile::link(path("nowhere"), to + "/link.ntr"));
        put(to + "/b.ntr", "old b");
        QVERIFY(QFile::setPermissions(to + "/b.ntr", QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        put(to + "/ro.ntr", "old ro");
        QVERIFY(QFile::setPermissions(to + "/ro.ntr", QFile::ReadOwner));
        put(to + "/keep.ntr", "keep");

        const CopyOutcome outcome = copyPageFiles(from, to);
        QCOMPARE(outcome.copied, QStringList({ "a.ntr", "b.ntr", "link.ntr" }));
        QCOMPARE(bytesOf(to + "/a.ntr") + bytesOf(to + "/b.ntr") + bytesOf(to + "/ro.ntr") + bytesOf(to + "/link.ntr")
                + bytesOf(path("outside")),
            QByteArray("new a.ntrnew b.ntrold ronew a.ntroutside"));
        QVERIFY(!QFileInfo(to + "/a.ntr").isSymLink() && !QFileInfo::exists(path("nowhere")));
        QCOMPARE(QPair(modeOf(to + "/a.ntr"), modeOf(to + "/b.ntr")), QPair(0600, 0604)); // new, replaced
        QCOMPARE(QDir(to).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList({ "a.ntr", "b.ntr", "d.ntr", "keep.ntr", "link.ntr", "ro.ntr" }));
        QVERIFY(!outcome.copiedAllThereWas() && outcome.notCopied[1].linkToNothing);
        QCOMPARE(copyFailureText(CopyKind::Backup, outcome, from, to),
            "The backup into\n" + to
                + "\nis not complete.\n\nCopied: a.ntr, b.ntr, link.ntr\n\nNot copied:\nd.ntr: The destination holds a "
                  "folder of this name.\ngone.ntr: This is a link to "
                + path("gone")
                + ", which does not exist.\nro.ntr: The file in the destination is read-only.\n\nIn the backup folder, "
                  "a.ntr, link.ntr were links to files elsewhere: the copies took the links' places, and the files "
                  "they led to are as they were.");
        QVERIFY(copyFailureText(CopyKind::Restore, {}, from, to).startsWith("The restore from\n" + from + "\nis"));

        // Into the pages, a page that is a link is written through it as Save writes it, unless its
        // file is missing.
        const QString app = path("app");
        QVERIFY(QDir().mkpath(app) && QFile::link(path("outside"), app + "/b.ntr"));
        QVERIFY(QFile::link(path("nowhere"), app + "/keep.ntr"));
        const CopyOutcome restored = copyPageFiles(to, app, CopyInto::Pages);
        QCOMPARE(restored.copied, QStringList({ "a.ntr", "b.ntr", "link.ntr", "ro.ntr" }));
        QVERIFY(QFileInfo(app + "/b.ntr").isSymLink() && bytesOf(path("outside")) == "new b.ntr");
        QCOMPARE(restored.notCopied.size(), 1);
        QCOMPARE(restored.notCopied[0].reason,
            "The file in the destination is a link to " + path("nowhere") + ", which does not exist.");
        QVERIFY(!QFileInfo::exists(path("nowhere")));
    }

    void copyRefusals_data()
    {
        QTest::addColumn<QString>("folders"); // from, to
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text"); // {from} and {to} stand for the folders
        const int backup = int(CopyKind::Backup), restore = int(CopyKind::Restore);
        const QString sameFolder
            = "The backup folder is the program's own folder:\n{from}\n\nThe page files cannot be ";
        QTest::newRow("backup onto itself")
            << "src src/." << backup << sameFolder + "backed up onto themselves. Choose another folder.";
        QTest::newRow("restore onto itself")
            << "src src/" << restore << sameFolder + "restored onto themselves. Choose another folder.";
        QTest::newRow("no page files") << "empty src" << restore
                                       << "There is no page file (*.ntr) in\n{from}\n\nNothing was restored.";
        QTest::newRow("source missing") << "gone src" << restore
                                        << "{from}\n\nThe folder does not exist.\n\nNothing was restored.";
        QTest::newRow("destination missing")
            << "src gone" << backup << "{to}\n\nThe folder does not exist.\n\nNothing was backed up.";
        QTest::newRow("destination a file")
            << "src src/p.ntr" << backup << "{to}\n\nThis is not a folder.\n\nNothing was backed up.";
    }
    void copyRefusals()
    {
        QFETCH(QString, folders);
        QFETCH(int, kind);
        QFETCH(QString, text);
        const QString from = path(folders.section(' ', 0, 0)), to = path(folders.section(' ', 1));
        QVERIFY(QDir().mkpath(path("empty")) && QDir().mkpath(path("src")));
        put(path("src/p.ntr"), "p");
        const CopyOutcome outcome = copyPageFiles(from, to);
        QVERIFY(outcome.refusal != CopyOutcome::Refusal::None && outcome.copied.isEmpty());
        QCOMPARE(copyFailureText(CopyKind(kind), outcome, from, to), text.replace("{from}", from).replace("{to}", to));
        QCOMPARE(bytesOf(path("src/p.ntr")), QByteArray("p"));
    }

    void settingsKeepEveryCharacter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("spaces, comma") << " a, b ";
        QTest::newRow("ampersands") << "R&D && more";
        QTest::newRow("line ends") << "two\nlines\r\n";
        QTest::newRow("INI syntax") << "=;#[x]\\\"";
        QTest::newRow("not Latin") << "\u96fb\u0442\u20ac";
    }
    void settingsKeepEveryCharacter()
    {
        QFETCH(QString, name);
        QVERIFY(SettingsStore(path("Tabwise.ini")).write(Key::TabName2, name));
        const SettingsStore store(path("Tabwise.ini"));
        QVERIFY(store.contains(Key::TabName2) && !store.contains(Key::TabName3));
        QCOMPARE(store.read(Key::TabName2), name);
        QCOMPARE(store.read(Key::TabName3), QString());
    }

    void settingsWrittenElsewhere()
    {
        SettingsStore mine(path("Tabwise.ini"));
        QVERIFY(mine.write(Key::ShowTab2, "1"));
        QVERIFY(SettingsStore(path("Tabwise.ini")).write(Key::BackupDir, "/b/"));
        QCOMPARE(mine.read(Key::BackupDir), "/b/"); // another process's write is seen
        const QByteArray text = bytesOf(path("Tabwise.ini"));
        QVERIFY2(text.contains("[Startup]\nValue4=1\n") && text.contains("[Backup]\nBackupDir=/b/\n"), text);
        put(path("Tabwise.ini"), "[Startup]\nTabName1=a,b\n"); // edited by hand: an unquoted comma
        QCOMPARE(SettingsStore(path("Tabwise.ini")).read(Key::TabName1), "a, b");
        // Not a settings file, or a broken one: it gives way to a good one, for every later write too.
        for (const QByteArray& garbage :
            { QByteArray("\xff\xfe\n=\n[[x]]]\0", 11), QByteArray("[Startup\nValue=5\n") }) {
            put(path("Tabwise.ini"), garbage);
            SettingsStore store(path("Tabwise.ini"));
            QVERIFY(store.read(Key::StayOnTop).isEmpty());
            QVERIFY2(
                store.write(Key::StayOnTop, "1") && store.write(Key::ShowTab2, "0"), qPrintable(store.lastError()));
            QCOMPARE(SettingsStore(path("Tabwise.ini")).read(Key::StayOnTop), "1");
        }
        put(path("file"), ""); // not even the superuser writes below a file
        SettingsStore unwritable(path("file/Tabwise.ini"));
        QVERIFY(!unwritable.write(Key::StartMinimized, "1"));
        QCOMPARE(unwritable.lastError(),
            "The settings file " + path("file/Tabwise.ini") + " cannot be written.\n\nNot a directory");
    }

    void firstStartSeedsTheDesignOnce()
    {
        // An empty store, or one holding only a backup folder, is a first start; one with a start-up
        // key is not. The first start names the tabs in the user's language, here in capitals; names
        // once stored stay, in any language.
        Capitals capitals;
        for (const bool translated : { false, true }) {
            if (translated)
                QCoreApplication::installTranslator(&capitals);
            for (const Key stored : { Key::TabName1, Key::BackupDir, Key::StartMinimized }) {
                QFile::remove(path("Tabwise.ini"));
                SettingsStore store(path("Tabwise.ini"));
                if (stored != Key::TabName1)
                    store.write(stored, "x");
                seedFirstStart(store);
                for (const KeyInfo& info : keyTable) {
                    const bool name = info.key >= Key::TabName1 && info.key <= Key::TabName5;
                    const QString design = name && translated ? QString(info.designValue).toUpper() : info.designValue;
                    if (info.designValue && info.key != Key::StartMinimized)
                        QCOMPARE(store.read(info.key), stored == Key::StartMinimized ? "" : design);
                }
            }
        }
        QCOMPARE(defaultTabCaption(2), "EMAIL ADDRESSES");
        QCoreApplication::removeTranslator(&capitals);
    }

    void historyCauses_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Saved"
                               << "SAVED";
        QTest::newRow("longer of two alike") << "Changed on disk (kept as \"a (b).ntr\")"
                                             << "CHANGED ON DISK (KEPT AS \"a (b).ntr\")";
        QTest::newRow("shorter of two alike") << "Changed on disk"
                                              << "CHANGED ON DISK";
        QTest::newRow("folder kept as it is") << "Before restore from /media/Usb %1"
                                              << "BEFORE RESTORE FROM /media/Usb %1";
        QTest::newRow("empty folder") << "Restored from "
                                      << "RESTORED FROM ";
        QTest::newRow("unknown") << "Merged by hand"
                                 << "Merged by hand";
        QTest::newRow("only alike") << "Saved twice"
                                    << "Saved twice";
    }

    void historyCauses()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        Capitals capitals;
        QCoreApplication::installTranslator(&capitals);
        QCOMPARE(historyCauseText(stored), shown);
        QCoreApplication::removeTranslator(&capitals);
    }

    void storedBoxStates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number"); // NaN: not a number
        QTest::addColumn<int>("box"); // -1: not a box state
        QTest::newRow("padded, decimals, exponent") << " +1.0e0 " << 1.0 << 1;
        QTest::newRow("half rounds to even") << "0.5" << 0.5 << 0;
        QTest::newRow("rounds to 2") << "1.5" << 1.5 << -1;
        for (const char* text : { "", "1,0", "0x1", "inf", "nan", "1e999", "1 1" })
            QTest::newRow(text) << text << std::nan("") << -1;
    }
    void storedBoxStates()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QFETCH(int, box);
        QCOMPARE(toNumber(text).value_or(std::nan("")), number);
        QCOMPARE(toBoxState(text).value_or(-1), box);
    }

    void autostartEntry_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("exec");
        QTest::newRow("space") << QString("/my apps/tabwise") << "\"/my apps/tabwise\"";
        QTest::newRow("quote, backtick, dollar") << QString("/a\"`$b") << "\"/a\\\\\"\\\\`\\\\$b\"";
        QTest::newRow("backslash") << QString("/a\\b") << "\"/a\\\\\\\\b\"";
        QTest::newRow("percent, newline, tab") << QString("/a%b\n\t") << "\"/a%%b\\n\\t\"";
    }
    void autostartEntry()
    {
        QFETCH(QString, executable);
        QFETCH(QString, exec);
        const QString entry = autostartEntryText(executable);
        QVERIFY(entry.startsWith("[Desktop Entry]\nType=Application\nName=Tabwise\n"));
        QVERIFY2(entry.contains("\nExec=" + exec + '\n'), qPrintable(entry));
        qputenv("XDG_CONFIG_HOME", "relative"); // invalid, so the usual place
        QCOMPARE(autostartFolder(), QDir::homePath() + "/.config/autostart");
        qunsetenv("XDG_CONFIG_HOME");
    }

    void spokenNames()
    {
        QCOMPARE(withoutAccessKeys("&Edit R&&D&"), "Edit R&D&");
        QCOMPARE(spokenPageName(" & ", 2), "Page 3"); // nothing to say but the tab's number
    }
};

QTEST_GUILESS_MAIN(tst_Core)
#include "tst_core.moc"
