#include "core/history/HistoryFolder.h"

#include "core/page/AtomicFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace tabwise {

namespace {

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The name a damaged repository is set aside under starts with this, after the name without ".git".
QString damagedPrefix(const QString& repository)
{
    QString base = QFileInfo(repository).fileName();
    base.chop(4); // ".git"
    return base + QStringLiteral(".damaged-");
}

} // namespace

QString historyRoot()
{
    const QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = QDir::isAbsolutePath(stateHome) ? QDir::cleanPath(stateHome)
                                                         : QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/Tabwise/history");
}

QString historyRepositoryPath(const QString& root, const QString& appFolder)
{
    const QFileInfo folder(appFolder);
    const QString canonical
        = folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath() : folder.canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256);
    return root + QLatin1Char('/') + QString::fromLatin1(hash.toHex().left(20)) + QStringLiteral(".git");
}

bool makePrivateFolder(const QString& path, QString* error)
{
    const QString clean = QDir::cleanPath(path);
    // Each missing folder from the top down, so that none is ever there with wider modes.
    qsizetype slash = 0;
    do {
        slash = clean.indexOf(QLatin1Char('/'), slash + 1);
        const QString part = slash == -1 ? clean : clean.left(slash);
        if (::mkdir(QFile::encodeName(part).constData(), 0700) != 0 && errno != EEXIST) {
            *error = fileErrorText(part, systemReason());
            return false;
        }
    } while (slash != -1);
    const QByteArray name = QFile::encodeName(clean);
    struct stat status { };
    if (::stat(name.constData(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        *error = fileErrorText(clean,
            S_ISDIR(status.st_mode) ? systemReason() : QCoreApplication::translate("History", "It is not a folder."));
        return false;
    }
    if ((status.st_mode & 0777) != 0700 && ::chmod(name.constData(), 0700) != 0) {
        *error = fileErrorText(clean, systemReason());
        return false;
    }
    return true;
}

void keepPrivate(const QString& path)
{
    ::chmod(QFile::encodeName(path).constData(), 0700);
    QDirIterator it(
        path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        if (entry.isSymLink())
            continue;
        const mode_t wanted = entry.isDir() ? 0700 : 0600;
        struct stat status { };
        const QByteArray name = QFile::encodeName(entry.filePath());
        if (::lstat(name.constData(), &status) == 0 && (status.st_mode & 0777) != wanted)
            ::chmod(name.constData(), wanted);
    }
}

QString setAside(const QString& repository, QString* error)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QString base = QFileInfo(repository).absolutePath() + QLatin1Char('/') + damagedPrefix(repository) + stamp;
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = base + QLatin1Char('-') + QString::number(n);
    if (::rename(QFile::encodeName(repository).constData(), QFile::encodeName(aside).constData()) != 0) {
        *error = fileErrorText(repository, systemReason());
        return {};
    }
    return aside;
}

bool removeRepository(const QString& repository, QString* error)
{
    const QFileInfo info(repository);
    QStringList doomed { repository };
    for (const QString& name :
        info.dir().entryList({ damagedPrefix(repository) + QLatin1Char('*') }, QDir::AllEntries | QDir::Hidden))
        doomed << info.dir().filePath(name);
    for (const QString& path : doomed) {
        if (QFileInfo(path).isDir() ? QDir(path).removeRecursively()
                                    : (QFile::remove(path) || !QFileInfo::exists(path)))
            continue;
        QDirIterator left(path, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        *error = fileErrorText(
            left.hasNext() ? left.next() : path, QCoreApplication::translate("History", "It could not be deleted."));
        return false;
    }
    return true;
}

} // namespace tabwise
