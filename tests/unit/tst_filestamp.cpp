// A page file's stamp tells every later change apart, also one that keeps the size and sets the
// modification time back; a file changed a moment ago gives no stamp to rely on.
#include "core/FileStamp.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/stat.h>
#include <utime.h>

using namespace tabwise;

class tst_FileStamp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void changeIsSeen_data();
    void changeIsSeen();
    void freshFileIsNotSettled();
    void missingFile();
};

namespace {
void writeFile(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile file(path);
    QVERIFY(file.open(mode));
    file.write(bytes);
}
} // namespace

void tst_FileStamp::changeIsSeen_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("same size rewritten in place, time set back") << "in place";
    QTest::newRow("replaced by rename, time set back") << "rename";
    QTest::newRow("only the time set back") << "time";
    QTest::newRow("nothing") << "";
}

void tst_FileStamp::changeIsSeen()
{
    QFETCH(QString, change);
    QTemporaryDir dir;
    const QString path = dir.filePath("page.ntr");
    writeFile(path, "abcd\r\n");
    QThread::msleep(150);
    const std::optional<FileStamp> stamp = settledFileStamp(path);
    QVERIFY(stamp && stamp->exists);
    QCOMPARE(stamp->size, 6);

    struct stat before { };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
    if (change == "in place") {
        writeFile(path, "wxyz\r\n", QIODevice::ReadWrite);
    } else if (change == "rename") {
        writeFile(path + ".new", "wxyz\r\n");
        QCOMPARE(::rename(QFile::encodeName(path + ".new").constData(), QFile::encodeName(path).constData()), 0);
    }
    if (!change.isEmpty()) {
        const struct utimbuf times {
            before.st_atime, before.st_mtime
        };
        QCOMPARE(::utime(QFile::encodeName(path).constData(), &times), 0);
    }
    QCOMPARE(fileStamp(path) == *stamp, change.isEmpty());
}

void tst_FileStamp::freshFileIsNotSettled()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("page.ntr");
    writeFile(path, "abc");
    QVERIFY(!settledFileStamp(path));
    QThread::msleep(150);
    QVERIFY(settledFileStamp(path));
}

void tst_FileStamp::missingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("page.ntr");
    const std::optional<FileStamp> stamp = settledFileStamp(path);
    QVERIFY(stamp && !stamp->exists);
    writeFile(path, "");
    QVERIFY(fileStamp(path) != *stamp);
}

QTEST_GUILESS_MAIN(tst_FileStamp)
#include "tst_filestamp.moc"
