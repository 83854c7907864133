// The page-file format: bytes on disk, the text they stand for, and whole-file reads and writes.
#include "core/EntryListModel.h"
#include "core/PageFile.h"
#include "core/TextEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tabwise;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Lets writes past `limit` bytes of any file fail with EFBIG, as writes on a full disk fail, for
// as long as it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_old;
        lowered.rlim_cur = limit;
        m_ok = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

} // namespace

class tst_PageFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void windows1252Fallback_data();
    void windows1252Fallback();
    void everyByteSurvives();
    void savedFromTextBox_data();
    void savedFromTextBox();
    void reading_data();
    void reading();
    void writeReplacesWholeFile();
    void permissions();
    void writeFailsCleanly_data();
    void writeFailsCleanly();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void millionEntriesRoundTrip();
    void pathIsPlainConcatenation_data();
    void pathIsPlainConcatenation();
};

void tst_PageFile::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("abc CR LF") << QByteArray("abc\r\n");
    QTest::newRow("no final line end") << QByteArray("abc");
    QTest::newRow("empty lines") << QByteArray("\r\n\r\n\r\n");
    QTest::newRow("lone CR") << QByteArray("a\rb\r");
    QTest::newRow("lone LF") << QByteArray("a\nb\n");
    QTest::newRow("mixed line ends") << QByteArray("a\r\nb\rc\nd\n\r");
    QTest::newRow("UTF-8 letters") << QByteArray("Gr\xC3\xBC\xC3\x9F"
                                                 "e \xE2\x82\xAC \xE6\x97\xA5\r\n");
    QTest::newRow("UTF-8 outside the BMP") << QByteArray("\xF0\x9F\x98\x80\r\n");
    QTest::newRow("UTF-8 BOM kept") << QByteArray("\xEF\xBB\xBFnotes\r\n");
    QTest::newRow("UTF-8 BOM alone") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("NUL bytes") << QByteArray("a\0b\r\n\0\0\r\n", 9);
    QTest::newRow("only NUL") << QByteArray("\0", 1);
    QTest::newRow("replacement character itself") << QByteArray("\xEF\xBF\xBD\r\n");
    QTest::newRow("noncharacter") << QByteArray("\xEF\xBF\xBF\r\n");
    QTest::newRow("control characters") << QByteArray("\x01\x1B[0m\x7F\t\f\r\n");
}

void tst_PageFile::roundTrip()
{
    // Read and written back unchanged, byte for byte, through the file system.
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = pagePath(dir.path(), "notes.ntr");
    QVERIFY(writePageFile(path, bytes).ok);
    QCOMPARE(readBytes(path), bytes);
    const PageRead read = readPageFile(path);
    QCOMPARE(read.status, PageRead::Status::Ok);
    QCOMPARE(encodePageText(read.text), bytes);

    // Saved back from a text box, the page grows by a line end only when it had none at its end,
    // and never on later saves.
    const bool endsWithLineEnd = bytes.endsWith('\n') || bytes.endsWith('\r');
    const QByteArray saved = endsWithLineEnd ? bytes : bytes + "\r\n";
    QByteArray current = pageBytesFromText(read.text);
    QCOMPARE(current, saved);
    for (int i = 0; i < 3; ++i)
        current = pageBytesFromText(decodePageBytes(current));
    QCOMPARE(current, saved);
}

void tst_PageFile::windows1252Fallback_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("e acute") << QByteArray("caf\xE9\r\n") << QStringLiteral("caf\u00E9\r\n");
    QTest::newRow("euro and curly quotes")
        << QByteArray("\x80 \x93x\x94 \x9F") << QStringLiteral("\u20AC \u201Cx\u201D \u0178");
    QTest::newRow("bytes Windows-1252 leaves undefined")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("one bad byte among UTF-8") << QByteArray("\xC3\xBC \xFC") << QStringLiteral("\u00C3\u00BC \u00FC");
    QTest::newRow("sequence cut off at the end") << QByteArray("abc\xC3") << QStringLiteral("abc\u00C3");
    QTest::newRow("lone continuation byte") << QByteArray("\x80"
                                                          "abc")
                                            << QStringLiteral("\u20ACabc");
    QTest::newRow("overlong encoding") << QByteArray("\xC0\xAF") << QStringLiteral("\u00C0\u00AF");
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << QStringLiteral("\u00ED\u00A0\u20AC");
    QTest::newRow("UTF-16 with its BOM") << QByteArray("\xFF\xFE"
                                                       "a\0\r\0\n\0",
        8) << QString::fromUtf16(u"\u00FF\u00FEa\0\r\0\n\0", 8);
    QTest::newRow("NUL and a Windows byte") << QByteArray("\0\xE9", 2) << QString::fromUtf16(u"\0\u00E9", 2);
}

void tst_PageFile::windows1252Fallback()
{
    // A page written on Windows reads as Windows-1252; saved, it becomes UTF-8 and reads the same.
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = pagePath(dir.path(), "web.ntr");
    QVERIFY(writeBytes(path, bytes));
    const PageRead read = readPageFile(path);
    QCOMPARE(read.status, PageRead::Status::Ok);
    QCOMPARE(read.text, text);
    QVERIFY(writePageFile(path, encodePageText(read.text)).ok);
    QCOMPARE(readPageFile(path).text, text);
}

void tst_PageFile::everyByteSurvives()
{
    // All 256 byte values, not valid UTF-8: each becomes a character of its own, none is lost.
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += char(b);
    const QString text = decodePageBytes(bytes);
    QCOMPARE(text.size(), 256);
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
    QCOMPARE(decodePageBytes(encodePageText(text)), text);
}

void tst_PageFile::savedFromTextBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("abc gets its line end") << "abc" << QByteArray("abc\r\n");
    QTest::newRow("empty box is one line end") << "" << QByteArray("\r\n");
    QTest::newRow("text ending in CR LF gains nothing") << "abc\r\n" << QByteArray("abc\r\n");
    QTest::newRow("two lines") << "a\r\nb" << QByteArray("a\r\nb\r\n");
    QTest::newRow("ending in an empty line") << "a\r\n\r\n" << QByteArray("a\r\n\r\n");
    QTest::newRow("ending in a lone CR") << "a\r" << QByteArray("a\r");
    QTest::newRow("written as UTF-8 without BOM")
        << QStringLiteral("\u00E9\u20AC") << QByteArray("\xC3\xA9\xE2\x82\xAC\r\n");
}

void tst_PageFile::savedFromTextBox()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(pageBytesFromText(text), bytes);
}

void tst_PageFile::reading_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");
    QTest::newRow("missing file is an empty page") << "missing" << int(PageRead::Status::Missing);
    QTest::newRow("0-byte file is an empty page") << "empty" << int(PageRead::Status::Ok);
    QTest::newRow("folder") << "folder" << int(PageRead::Status::Failed);
    QTest::newRow("pipe, without waiting for a writer") << "fifo" << int(PageRead::Status::Failed);
    QTest::newRow("link to nothing") << "dangling" << int(PageRead::Status::Failed);
}

void tst_PageFile::reading()
{
    QFETCH(QString, kind);
    QFETCH(int, status);
    QTemporaryDir dir;
    const QString path = pagePath(dir.path(), "phone.ntr");
    if (kind == QLatin1String("empty"))
        QVERIFY(writeBytes(path, {}));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("dangling"))
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), path));

    const PageRead read = readPageFile(path);
    QCOMPARE(int(read.status), status);
    QCOMPARE(read.text, QString());
    QCOMPARE(read.ok(), status != int(PageRead::Status::Failed));
    if (!read.ok())
        QVERIFY2(read.error.contains(QDir::toNativeSeparators(path)), qPrintable(read.error));
}

void tst_PageFile::writeReplacesWholeFile()
{
    QTemporaryDir dir;
    const QString path = pagePath(dir.path(), "other.ntr");
    QVERIFY(writePageFile(path, QByteArray(10000, 'a')).ok);
    QVERIFY(writePageFile(path, "b\r\n").ok);
    QCOMPARE(readBytes(path), QByteArray("b\r\n"));
    QVERIFY(writePageFile(path, {}).ok);
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "other.ntr" });
}

void tst_PageFile::permissions()
{
    // A new page is its owner's alone; a page that exists keeps the permissions it has.
    const QFileDevice::Permissions ownerGroupOther(0x7077);
    QTemporaryDir dir;
    const QString fresh = pagePath(dir.path(), "notes.ntr");
    QVERIFY(writePageFile(fresh, "x").ok);
    QCOMPARE(QFile::permissions(fresh) & ownerGroupOther, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    const QString shared = pagePath(dir.path(), "web.ntr");
    QVERIFY(writeBytes(shared, "old"));
    const auto readable
        = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(shared, readable));
    QVERIFY(writePageFile(shared, "new").ok);
    QCOMPARE(QFile::permissions(shared) & ownerGroupOther, readable);
}

void tst_PageFile::writeFailsCleanly_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("folder does not exist") << "missing/notes.ntr";
    QTest::newRow("folder path goes through a file") << "plain/notes.ntr";
    QTest::newRow("page is a folder") << "folder.ntr";
}

void tst_PageFile::writeFailsCleanly()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("plain")), "not a folder"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.ntr")));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const QString path = dir.filePath(relativePath);

    const FileWrite written = writePageFile(path, "abc\r\n");

    QVERIFY(!written.ok);
    QVERIFY2(written.error.contains(QDir::toNativeSeparators(path)), qPrintable(written.error));
    QVERIFY2(written.error.size() > path.size() + 4, qPrintable(written.error)); // and a reason
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("plain"))), QByteArray("not a folder"));
    QVERIFY(QDir(dir.filePath(QStringLiteral("folder.ntr"))).isEmpty());
}

void tst_PageFile::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("small page, written at commit") << 1000;
    QTest::newRow("large page, written at once") << 4'000'000;
}

void tst_PageFile::failedWriteKeepsTheOldFile()
{
    // The disk fills up while the page is written: the old page stays as it was, whole.
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString path = pagePath(dir.path(), "notes.ntr");
    const QByteArray old = "the old page\r\n";
    QVERIFY(writeBytes(path, old));
    FileWrite written;
    {
        FileSizeLimit fullDisk(100);
        QVERIFY(fullDisk.ok());
        written = writePageFile(path, QByteArray(size, 'x'));
    }
    QVERIFY(!written.ok);
    QVERIFY2(written.error.contains(QDir::toNativeSeparators(path)), qPrintable(written.error));
    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "notes.ntr" });
}

void tst_PageFile::millionEntriesRoundTrip()
{
    // No entry limit: a list of a million entries is read, shown and saved completely.
    constexpr int count = 1'000'000;
    QByteArray bytes;
    bytes.reserve(count * 12);
    for (int i = 0; i < count; ++i)
        bytes += "entry " + QByteArray::number(i) + "\r\n";
    QTemporaryDir dir;
    const QString path = pagePath(dir.path(), "email.ntr");
    QVERIFY(writeBytes(path, bytes));

    EntryListModel list;
    list.appendFileText(readPageFile(path).text);
    QCOMPARE(list.count(), count);
    QCOMPARE(list.entry(32767), QStringLiteral("entry 32767"));
    QCOMPARE(list.entry(count - 1), QStringLiteral("entry %1").arg(count - 1));
    QVERIFY(writePageFile(path, encodePageText(list.fileText())).ok);
    QCOMPARE(readBytes(path), bytes);
}

void tst_PageFile::pathIsPlainConcatenation_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");
    QTest::newRow("application folder") << "/opt/Tabwise"
                                        << "/opt/Tabwise/notes.ntr";
    QTest::newRow("root folder keeps its separator") << "/"
                                                     << "//notes.ntr";
    QTest::newRow("nothing normalised") << "/a/../b/./c"
                                        << "/a/../b/./c/notes.ntr";
}

void tst_PageFile::pathIsPlainConcatenation()
{
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QCOMPARE(pagePath(folder, "notes.ntr"), path);
}

QTEST_MAIN(tst_PageFile)
#include "tst_pagefile.moc"
