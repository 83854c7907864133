#include "app/CommandLine.h"

#include "version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace tabwise {

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Tabwise, a notebook of five tabbed pages."));
    const QCommandLineOption help(
        { QStringLiteral("h"), QStringLiteral("help") }, QCoreApplication::translate("CommandLine", "Show this help."));
    parser.addOption(help);
    const QCommandLineOption version({ QStringLiteral("v"), QStringLiteral("version") },
        QCoreApplication::translate("CommandLine", "Show the program's name and version."));
    parser.addOption(version);
    const QCommandLineOption show(QStringLiteral("show"),
        QCoreApplication::translate("CommandLine", "Show the window, starting Tabwise if needed."));
    const QCommandLineOption toggle(QStringLiteral("toggle"),
        QCoreApplication::translate(
            "CommandLine", "Hide the window when it is shown and active, else show it; starts Tabwise if needed."));
    parser.addOption(show);
    parser.addOption(toggle);
    CommandLine command;
    if (!parser.parse(arguments)) {
        command.output = parser.errorText() + u'\n' + parser.helpText();
        command.exitCode = 2;
    } else if (parser.isSet(version)) {
        // The numbers the About panel shows: "Tabwise 1.0.10".
        command.output = QStringLiteral("%1 %2.%3.%4\n")
                             .arg(QLatin1String(version::productName))
                             .arg(version::major)
                             .arg(version::minor)
                             .arg(version::revision);
        command.exitCode = 0;
    } else if (parser.isSet(help)) {
        command.output = parser.helpText();
        command.exitCode = 0;
    } else if (parser.isSet(show) && parser.isSet(toggle)) {
        //: --show and --toggle are options of the command and stay as they are
        command.output = QCoreApplication::translate("CommandLine", "--show and --toggle cannot be used together.")
            + u'\n' + parser.helpText();
        command.exitCode = 2;
    } else {
        command.request = parser.isSet(toggle) ? StartRequest::Toggle
            : parser.isSet(show)               ? StartRequest::Show
                                               : StartRequest::Start;
    }
    return command;
}

} // namespace tabwise
