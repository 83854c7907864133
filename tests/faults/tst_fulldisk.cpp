// A full disk: saving a text page, saving a list page, the Edit of a list page, a backup and a
// restore each fail with a message, leave the old files as they were and keep the text on screen.
// Run by in_small_disk.sh, which gives a real 1 MB file system in TABWISE_SMALL_DISK where the
// machine allows it; without one, the file-size limit makes every write fail instead.
#include "FaultScene.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <csignal>

using namespace tabwise;

namespace {

// Fills the small disk up to its last byte while it lives.
class FilledDisk {
public:
    explicit FilledDisk(const QString& folder)
        : m_filler(folder + QStringLiteral("/filler"))
    {
        QFile file(m_filler);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'x');
        while (file.write(block) == block.size()) { }
        // The last partly filled block of the file system.
        while (file.write("x", 1) == 1) { }
    }
    ~FilledDisk() { QFile::remove(m_filler); }

private:
    QString m_filler;
};

// Makes every write of more than a byte fail, as on a full disk (root is held to it too).
class FileSizeLimit {
public:
    FileSizeLimit()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit tiny = m_saved;
        tiny.rlim_cur = 1;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved {};
};

} // namespace

class tst_FullDisk : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void writeFails_data();
    void writeFails();

private:
    QString m_smallDisk;
};

void tst_FullDisk::initTestCase()
{
    m_smallDisk = qEnvironmentVariable("TABWISE_SMALL_DISK");
    if (m_smallDisk.isEmpty())
        qInfo("No small file system could be mounted: the file-size limit stands in for a full disk.");
    else
        qInfo("A full disk: a 1 MB tmpfs at %s.", qPrintable(m_smallDisk));
}

void tst_FullDisk::writeFails_data()
{
    QTest::addColumn<int>("action");
    QTest::newRow("save of a text page") << int(WriteAction::SaveTextPage);
    QTest::newRow("save of a list page") << int(WriteAction::SaveListPage);
    QTest::newRow("edit of a list page") << int(WriteAction::EditListPage);
    QTest::newRow("backup") << int(WriteAction::Backup);
    QTest::newRow("restore") << int(WriteAction::Restore);
}

void tst_FullDisk::writeFails()
{
    QFETCH(int, action);
    QTemporaryDir temporary;
    const QString base = m_smallDisk.isEmpty() ? temporary.path() : m_smallDisk + QStringLiteral("/scene");
    FaultScene scene(base, WriteAction(action));
    if (QTest::currentTestFailed())
        return;
    if (m_smallDisk.isEmpty()) {
        const FileSizeLimit full;
        scene.act();
    } else {
        const FilledDisk full(m_smallDisk);
        scene.act();
    }
    scene.verifyNothingLost();
    if (!m_smallDisk.isEmpty())
        QDir(base).removeRecursively();
}

QTEST_MAIN(tst_FullDisk)
#include "tst_fulldisk.moc"
