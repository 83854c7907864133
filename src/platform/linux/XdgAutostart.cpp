#include "platform/linux/XdgAutostart.h"

#include "core/AutostartEntry.h"

#include <QFile>

#include <filesystem>

namespace tabwise {

namespace {
QString entryPath()
{
    return autostartFolder() + QStringLiteral("/Tabwise.desktop");
}
} // namespace

FileWrite XdgAutostart::add(const QString& executablePath)
{
    // Without a known executable an entry would start nothing at every log-on.
    if (executablePath.isEmpty())
        return { false, QStringLiteral("The program's own file is not known.") };
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(autostartFolder()).toStdString(), error);
    if (error)
        return { false, fileErrorText(autostartFolder(), QString::fromLocal8Bit(error.message())) };
    return writeFileAtomically(entryPath(), autostartEntryText(executablePath).toUtf8());
}

FileWrite XdgAutostart::remove()
{
    QFile entry(entryPath());
    if (!entry.exists() || entry.remove())
        return {};
    return { false, fileErrorText(entryPath(), entry.errorString()) };
}

} // namespace tabwise
