#include "platform/linux/XdgAutostart.h"

#include "core/settings/AutostartEntry.h"

#include <QCoreApplication>
#include <QFile>

#include <filesystem>

namespace tabwise {

namespace {
QString entryPath()
{
    return autostartFolder() + QStringLiteral("/Tabwise.desktop");
}
} // namespace

XdgAutostart::XdgAutostart(const QString& startCommand)
    : m_startCommand(startCommand)
{
}

FileWrite XdgAutostart::add()
{
    // Without a known executable an entry would start nothing at every log-on.
    if (m_startCommand.isEmpty())
        return { false, QCoreApplication::translate("Autostart", "The program's own file is not known.") };
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(autostartFolder()).toStdString(), error);
    if (error)
        return { false, fileErrorText(autostartFolder(), QString::fromLocal8Bit(error.message())) };
    return writeFileAtomically(entryPath(), autostartEntryText(m_startCommand).toUtf8());
}

FileWrite XdgAutostart::remove()
{
    QFile entry(entryPath());
    if (!entry.exists() || entry.remove())
        return {};
    return { false, fileErrorText(entryPath(), entry.errorString()) };
}

} // namespace tabwise
