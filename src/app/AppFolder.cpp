#include "app/AppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tabwise {

QString applicationFolder()
{
    const QString given = qEnvironmentVariable("TABWISE_APP_FOLDER");
    if (given.isEmpty())
        return QCoreApplication::applicationDirPath();
    const QString folder = QDir::cleanPath(QDir(given).absolutePath());
    QDir().mkpath(folder); // a folder that cannot be made is reported by the first save into it
    return folder;
}

QString startCommand()
{
    const QFileInfo launcher(qEnvironmentVariable("TABWISE_LAUNCHER"));
    if (launcher.isAbsolute() && launcher.isFile() && launcher.isExecutable())
        return launcher.filePath();
    return QCoreApplication::applicationFilePath();
}

} // namespace tabwise
