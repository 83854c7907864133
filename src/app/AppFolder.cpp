#include "app/AppFolder.h"

#include <QCoreApplication>
#include <QDir>

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

} // namespace tabwise
