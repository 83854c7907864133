// Copying page files between two folders: what is copied, what is kept, and every refusal.
#include "core/CopyPages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

using namespace tabwise;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every file of a folder with its bytes, to show that a refused copy changed nothing.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        files[name] = readFile(dir.filePath(name));
    return files;
}

// Makes a file or folder immutable for the rest of the test, even for the superuser, and undoes it
// at the end so the temporary folder can be removed. Returns why it could not, for a skip.
class Immutable {
public:
    QString make(const QString& path)
    {
        if (QStandardPaths::findExecutable(QStringLiteral("chattr")).isEmpty())
            return QStringLiteral("chattr is not installed");
        if (QProcess::execute(QStringLiteral("chattr"), { QStringLiteral("+i"), path }) != 0)
            return QStringLiteral("this file system or user cannot set the immutable attribute");
        m_paths << path;
        return {};
    }
    ~Immutable()
    {
        for (const QString& path : std::as_const(m_paths))
            QProcess::execute(QStringLiteral("chattr"), { QStringLiteral("-i"), path });
    }

private:
    QStringList m_paths;
};

// Makes a folder impossible to create files in: by its mode for an ordinary user, by the immutable
// attribute for the superuser, whom modes do not stop.
QString makeUnwritableFolder(const QString& folder, Immutable& immutable)
{
    if (::geteuid() != 0) {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        return {};
    }
    return immutable.make(folder);
}

// Lets no file grow beyond a limit while it lives, as a full disk would: writes past it fail.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved {};
};

const QStringList fivePages { "email.ntr", "notes.ntr", "other.ntr", "phone.ntr", "web.ntr" };

} // namespace

class TestCopyPages : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_from;
    QString m_to;

    void writePages(const QString& folder, const QByteArray& tag)
    {
        for (const QString& name : fivePages)
            writeFile(folder + QLatin1Char('/') + name, tag + name.toLatin1() + "\r\n");
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_root.isValid());
        QString test = QString::fromLatin1(QTest::currentTestFunction());
        if (QTest::currentDataTag())
            test += QLatin1Char('-') + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_');
        m_from = m_root.filePath(QStringLiteral("from-") + test);
        m_to = m_root.filePath(QStringLiteral("to-") + test);
        QVERIFY(QDir().mkpath(m_from));
        QVERIFY(QDir().mkpath(m_to));
    }

    void copiesEveryPageFileWhole()
    {
        writePages(m_from, "new ");
        writeFile(m_from + "/extra.ntr", QByteArray("binary\0\xff\r\n", 11));
        writeFile(m_from + "/.hidden.ntr", "dot file");
        writeFile(m_from + "/notes.txt", "not a page");
        writeFile(m_from + "/NOTES.NTR", "another name");

        const CopyOutcome outcome = copyPageFiles(m_from, m_to);

        QVERIFY(outcome.complete());
        const QStringList expected = QStringList(fivePages) << ".hidden.ntr"
                                                            << "extra.ntr";
        QCOMPARE(QStringList(outcome.copied).size(), expected.size());
        for (const QString& name : expected) {
            QVERIFY2(outcome.copied.contains(name), qPrintable(name));
            QCOMPARE(readFile(m_to + '/' + name), readFile(m_from + '/' + name));
            QCOMPARE(QFile::permissions(m_to + '/' + name) & 0x7777,
                QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
        }
        QVERIFY(!QFile::exists(m_to + "/notes.txt"));
        QVERIFY(!QFile::exists(m_to + "/NOTES.NTR"));
        QCOMPARE(QDir(m_to).entryList(QDir::Files | QDir::Hidden).size(), expected.size()); // no temporary left
    }

    void replacesOlderCopiesAndKeepsTheRest()
    {
        writePages(m_from, "new ");
        writePages(m_to, "old, and longer than the new text: ");
        QFile::setPermissions(m_to + "/notes.ntr",
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadUser
                | QFileDevice::WriteUser);
        writeFile(m_to + "/only-here.ntr", "kept");
        writeFile(m_to + "/readme", "kept too");

        const CopyOutcome outcome = copyPageFiles(m_from, m_to);

        QVERIFY(outcome.complete());
        QCOMPARE(outcome.copied, fivePages);
        for (const QString& name : fivePages)
            QCOMPARE(readFile(m_to + '/' + name), "new " + name.toLatin1() + "\r\n");
        QCOMPARE(readFile(m_to + "/only-here.ntr"), QByteArray("kept"));
        QCOMPARE(readFile(m_to + "/readme"), QByteArray("kept too"));
        // A replaced copy keeps the permissions its owner gave the old one.
        QVERIFY(QFile::permissions(m_to + "/notes.ntr") & QFileDevice::ReadGroup);
    }

    void skipsWhatIsNotARegularFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("link to a file") << "file link";
        QTest::newRow("link to a folder") << "folder link";
        QTest::newRow("dangling link") << "dangling link";
        QTest::newRow("named pipe") << "fifo";
    }

    void skipsWhatIsNotARegularFile()
    {
        QFETCH(QString, kind);
        writePages(m_from, "");
        const QString odd = m_from + "/odd.ntr";
        writeFile(m_root.filePath("elsewhere.txt"), "secret");
        if (kind == "folder")
            QVERIFY(QDir().mkpath(odd));
        else if (kind == "file link")
            QVERIFY(QFile::link(m_root.filePath("elsewhere.txt"), odd));
        else if (kind == "folder link")
            QVERIFY(QFile::link(m_root.path(), odd));
        else if (kind == "dangling link")
            QVERIFY(QFile::link(m_root.filePath("nothing"), odd));
        else
            QCOMPARE(QProcess::execute("mkfifo", { odd }), 0);

        const CopyOutcome outcome = copyPageFiles(m_from, m_to);

        QVERIFY(outcome.complete());
        QCOMPARE(outcome.copied, fivePages);
        QVERIFY(!QFileInfo::exists(m_to + "/odd.ntr") && !QFileInfo(m_to + "/odd.ntr").isSymLink());
    }

    // Every failure is reported and leaves the destination exactly as it was.
    void failuresLeaveTheDestinationIntact_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QStringList>("notCopied");
        using R = CopyOutcome::Refusal;
        QTest::newRow("no page file in the source") << "empty source" << int(R::NoPageFiles) << QStringList();
        QTest::newRow("destination cannot be written") << "unwritable folder" << int(R::None) << fivePages;
        QTest::newRow("destination path through a file")
            << "path through file" << int(R::DestinationMissing) << QStringList();
        QTest::newRow("destination missing") << "missing folder" << int(R::DestinationMissing) << QStringList();
        QTest::newRow("source missing") << "missing source" << int(R::SourceUnreadable) << QStringList();
        QTest::newRow("read-only destination file") << "read-only file" << int(R::None) << QStringList { "phone.ntr" };
        QTest::newRow("file cannot be renamed over") << "immutable file" << int(R::None) << QStringList { "web.ntr" };
        QTest::newRow("destination holds a folder of the name")
            << "folder of the name" << int(R::None) << QStringList { "email.ntr" };
        QTest::newRow("disk full halfway through a file") << "full disk" << int(R::None) << QStringList { "big.ntr" };
        QTest::newRow("same folder") << "same folder" << int(R::SameFolder) << QStringList();
        QTest::newRow("same folder by another path") << "same folder by link" << int(R::SameFolder) << QStringList();
    }

    void failuresLeaveTheDestinationIntact()
    {
        QFETCH(QString, failure);
        QFETCH(int, refusal);
        QFETCH(QStringList, notCopied);

        if (failure != "empty source")
            writePages(m_from, "new ");
        writePages(m_to, "old ");
        QString from = m_from;
        QString to = m_to;
        Immutable immutable;
        QString skip;
        if (failure == "unwritable folder") {
            QFile::remove(m_to + "/email.ntr"); // a new copy and replacements alike are refused
            skip = makeUnwritableFolder(m_to, immutable);
        } else if (failure == "path through file") {
            to = m_to + "/notes.ntr/backup";
        } else if (failure == "missing folder") {
            to = m_to + "/gone";
        } else if (failure == "missing source") {
            from = m_from + "/gone";
        } else if (failure == "read-only file") {
            QVERIFY(QFile::setPermissions(m_to + "/phone.ntr", QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        } else if (failure == "immutable file") {
            skip = immutable.make(m_to + "/web.ntr");
        } else if (failure == "folder of the name") {
            QVERIFY(QFile::remove(m_to + "/email.ntr"));
            QVERIFY(QDir().mkpath(m_to + "/email.ntr"));
        } else if (failure == "full disk") {
            writeFile(m_from + "/big.ntr", QByteArray(256 * 1024, 'x'));
            writeFile(m_to + "/big.ntr", "the old copy");
        } else if (failure == "same folder") {
            from = m_to;
        } else if (failure == "same folder by link") {
            from = m_root.filePath("link-to-destination");
            QVERIFY(QFile::link(m_to, from));
        }
        if (!skip.isEmpty())
            QSKIP(qPrintable(QStringLiteral("cannot make the destination unwritable: ") + skip));
        const auto before = snapshot(m_to);

        std::optional<FileSizeLimit> limit;
        if (failure == "full disk")
            limit.emplace(64 * 1024);
        const CopyOutcome outcome = copyPageFiles(from, to);
        limit.reset();

        QVERIFY(!outcome.complete());
        QCOMPARE(int(outcome.refusal), refusal);
        QStringList failedNames;
        for (const NotCopied& file : outcome.notCopied) {
            failedNames << file.fileName;
            QVERIFY2(!file.reason.isEmpty(), qPrintable(file.fileName));
        }
        QCOMPARE(failedNames, notCopied);
        if (refusal != int(CopyOutcome::Refusal::None))
            QVERIFY(outcome.copied.isEmpty());
        // The files that could not be copied are exactly as they were, and nothing was left behind.
        const auto after = snapshot(m_to);
        for (const QString& name : notCopied)
            QCOMPARE(after.value(name), before.value(name));
        QCOMPARE(after.keys(), before.keys());
        if (outcome.copied.isEmpty())
            QCOMPARE(after, before);
    }
};

QTEST_GUILESS_MAIN(TestCopyPages)
#include "tst_copypages.moc"
