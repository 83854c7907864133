#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// Timing, figures and test pages for the benchmark.
namespace bench {

// Milliseconds that one call of the action takes, measured `runs` times, each after `prepare`.
std::vector<double> timeRuns(int runs, const std::function<void()>& prepare, const std::function<void()>& action);
double median(std::vector<double> values);

// One measured step: what to do before (not measured), and the action.
struct Timed {
    std::function<void()> prepare;
    std::function<void()> action;
};
struct Medians {
    double ours;
    double floor;
};
// Runs ours and the floor in turn, so that whatever else the machine does weighs on both alike.
Medians timeInTurn(int runs, const Timed& ours, const Timed& floor);

// Prints one line: what, our median, the floor's median, and the ratio ours / floor.
void report(const QString& what, double ours, double floor);
void reportAlone(const QString& what, double ours, const QString& unit = QStringLiteral("ms"));

// Lets the window process what the action left: layout, painting.
void settleWindow();

// A text page of about `bytes` bytes of lines, and a list page of `entries` addresses.
QByteArray textPage(qint64 bytes);
QByteArray listPage(int entries);

void writeFile(const QString& path, const QByteArray& bytes);
// Changes the file's change time, as another program's write would, and lets it settle.
void touchAndSettle(const QString& path);
// A memory figure of this process from /proc/self/status ("VmRSS", "VmHWM"), in MiB.
double processMemoryMiB(const char* field);
// The process's peak resident memory in MiB.
double peakMemoryMiB();

} // namespace bench
