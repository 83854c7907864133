// Places the program cannot write, also for the superuser: an application folder, a backup folder
// and a page file made immutable (chattr +i; for other users the permission bits are enough). Each
// failed write gives a message and loses nothing. A page file that is a folder is tried by the
// hostile page file test.
#include "FaultScene.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace tabwise;

namespace {

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Makes a folder or file unwritable while it lives, and always undoes it.
class Unwritable {
public:
    explicit Unwritable(const QString& path)
        : m_path(path)
    {
        if (run(QStringLiteral("chattr"), { QStringLiteral("+i"), path }))
            m_how = How::Immutable;
        else if (geteuid() != 0) {
            m_permissions = QFile::permissions(path);
            if (QFile::setPermissions(path,
                    m_permissions & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther)))
                m_how = How::Permissions;
        }
    }
    ~Unwritable()
    {
        if (m_how == How::Immutable)
            run(QStringLiteral("chattr"), { QStringLiteral("-i"), m_path });
        else if (m_how == How::Permissions)
            QFile::setPermissions(m_path, m_permissions);
    }
    bool works() const { return m_how != How::No; }

private:
    enum class How { No, Immutable, Permissions };
    QString m_path;
    How m_how = How::No;
    QFile::Permissions m_permissions;
};

} // namespace

class tst_Unwritable : public QObject {
    Q_OBJECT
private slots:
    void writeFails_data();
    void writeFails();
};

void tst_Unwritable::writeFails_data()
{
    QTest::addColumn<QString>("place"); // below the scene's folder
    QTest::addColumn<int>("action");
    QTest::newRow("application folder: save of a text page") << "app" << int(WriteAction::SaveTextPage);
    QTest::newRow("application folder: save of a list page") << "app" << int(WriteAction::SaveListPage);
    QTest::newRow("application folder: edit of a list page") << "app" << int(WriteAction::EditListPage);
    QTest::newRow("application folder: restore") << "app" << int(WriteAction::Restore);
    QTest::newRow("backup folder: backup") << "backup" << int(WriteAction::Backup);
    QTest::newRow("read-only page file: save of a text page") << "app/notes.ntr" << int(WriteAction::SaveTextPage);
    QTest::newRow("read-only page file: save of a list page") << "app/email.ntr" << int(WriteAction::SaveListPage);
    QTest::newRow("read-only page file: edit of a list page") << "app/email.ntr" << int(WriteAction::EditListPage);
}

void tst_Unwritable::writeFails()
{
    QFETCH(QString, place);
    QFETCH(int, action);
    QTemporaryDir temporary;
    FaultScene scene(temporary.path(), WriteAction(action));
    if (QTest::currentTestFailed())
        return;
    const Unwritable locked(temporary.path() + QLatin1Char('/') + place);
    if (!locked.works())
        QSKIP("Running as the superuser where chattr +i does not work (not ext2/3/4, or no e2fsprogs): "
              "nothing here can make a folder unwritable for the superuser.");
    scene.act();
    scene.verifyNothingLost();
}

QTEST_MAIN(tst_Unwritable)
#include "tst_unwritable.moc"
