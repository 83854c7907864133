#include "core/settings/AutostartEntry.h"

#include "core/settings/UserFolders.h"

namespace tabwise {

QString desktopExecValue(const QString& executablePath)
{
    // Inside double quotes, ", `, $ and \ take a backslash; then the value as a whole escapes
    // every backslash once more, as every string value of a desktop entry does.
    QString quoted = QStringLiteral("\"");
    for (QChar c : executablePath) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    quoted.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    quoted.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    quoted.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    // A literal percent sign is written doubled.
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return quoted;
}

QString autostartEntryText(const QString& executablePath)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Tabwise\n"
                          "Comment=Notes, phone numbers, addresses and web sites in one window\n"
                          "Exec=%1\n"
                          "Icon=tabwise\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(desktopExecValue(executablePath));
}

QString autostartFolder()
{
    return userConfigFolder() + QStringLiteral("/autostart");
}

} // namespace tabwise
