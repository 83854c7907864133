#include "platform/qt/XdgAutostart.h"

#include "settings/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace tabwise {

namespace {
QString entryPath() { return autostartFolder() + QStringLiteral("/Tabwise.desktop"); }
} // namespace

bool XdgAutostart::add(const QString& executablePath)
{
    // Without a known executable an entry would start nothing at every log-on.
    if (executablePath.isEmpty())
        return false;
    if (!QDir().mkpath(autostartFolder()))
        return false;
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(autostartEntryText(executablePath).toUtf8());
    return file.commit();
}

bool XdgAutostart::remove() { return QFile::remove(entryPath()); }

} // namespace tabwise
