#pragma once

#include <QStringList>

namespace tabwise {

// What a start of the program asks for. Without options it starts (or brings back the window of
// the copy that runs); --show shows the window even when the program would start in the tray;
// --toggle hides the window of the running copy when it is shown and active, and otherwise shows
// it.
enum class StartRequest { Start, Show, Toggle };

struct CommandLine {
    StartRequest request = StartRequest::Start;
    // Help or a complaint to print, and the exit code, when the program is to end at once.
    QString output;
    int exitCode = -1; // -1: run
};

CommandLine readCommandLine(const QStringList& arguments);

} // namespace tabwise
