#include "settings/AutostartEntry.h"

#include <QDir>

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
    // A relative XDG_CONFIG_HOME is invalid and must be ignored (QStandardPaths would take it
    // relative to the working folder).
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart");
}

} // namespace tabwise
