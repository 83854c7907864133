#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <sys/stat.h>
#include <utime.h>

#include <algorithm>
#include <cstdio>

namespace bench {

std::vector<double> timeRuns(int runs, const std::function<void()>& prepare, const std::function<void()>& action)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        action();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return times;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Medians timeInTurn(int runs, const Timed& ours, const Timed& floor)
{
    std::vector<double> oursTimes, floorTimes;
    for (int i = 0; i < runs; ++i) {
        oursTimes.push_back(timeRuns(1, ours.prepare, ours.action)[0]);
        floorTimes.push_back(timeRuns(1, floor.prepare, floor.action)[0]);
    }
    return { median(oursTimes), median(floorTimes) };
}

void report(const QString& what, double ours, double floor)
{
    std::printf("%-46s %10.1f ms %10.1f ms %8.2f\n", qPrintable(what), ours, floor, floor > 0 ? ours / floor : 0.0);
    std::fflush(stdout);
}

void reportAlone(const QString& what, double ours, const QString& unit)
{
    std::printf("%-46s %10.1f %s\n", qPrintable(what), ours, qPrintable(unit));
    std::fflush(stdout);
}

void settleWindow()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

QByteArray textPage(qint64 bytes)
{
    const QByteArray line = "The quick brown fox jumps over the lazy dog; call 555 0100 before noon, then write.\r\n";
    QByteArray text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    return text;
}

QByteArray listPage(int entries)
{
    QByteArray text;
    text.reserve(qsizetype(entries) * 28);
    for (int i = 0; i < entries; ++i)
        text += "person" + QByteArray::number(i) + "@example.org\r\n";
    return text;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void touchAndSettle(const QString& path)
{
    ::utime(QFile::encodeName(path).constData(), nullptr);
    QThread::msleep(120);
}

double processMemoryMiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

double peakMemoryMiB()
{
    return processMemoryMiB("VmHWM");
}

} // namespace bench
