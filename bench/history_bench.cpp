// Page history figures, printed: the history's size over 1,000 saves of a 1 MB page that each
// change one line (at the end, and the largest it was at any moment of the run, loose objects and
// packs being written included); the time to record a version of a 10 KB, 1 MB and 10 MB page; the
// longest stall of the event loop while 10 MB versions are recorded; the time to show the history
// of a page with 1,000 versions, and the longest stall of the event loop meanwhile. Pages are lines
// of words, as people write them.
#include "core/history/HistoryRecorder.h"
#include "core/history/HistoryStore.h"
#include "ui/history/HistoryPanel.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include <sys/stat.h>

using namespace tabwise;

namespace {

const QString notes = QStringLiteral("notes.ntr");

// A page of lines of words (a vocabulary of a few thousand made-up words, with the odd number),
// whose lines can be changed one at a time.
class Page {
public:
    explicit Page(qint64 bytes)
    {
        static const char* syllables[] = { "ka", "ro", "mi", "te", "lu", "sa", "ne", "po", "di", "va", "ger", "tion",
            "pre", "con", "al", "est", "ing", "ber", "ly", "ment", "the", "and", "of", "to" };
        for (int i = 0; i < 3000; ++i) {
            QByteArray word;
            for (int n = 1 + m_random.bounded(3); n > 0; --n)
                word += syllables[m_random.bounded(int(std::size(syllables)))];
            m_words << word;
        }
        for (qint64 size = 0; size < bytes; size += m_lines.back().size())
            m_lines.push_back(line());
    }
    void changeOneLine() { m_lines[m_random.bounded(int(m_lines.size()))] = line(); }
    QByteArray bytes() const
    {
        QByteArray all;
        for (const QByteArray& line : m_lines)
            all += line;
        return all;
    }

private:
    QByteArray line()
    {
        QByteArray text;
        for (int n = 5 + m_random.bounded(10); n > 0; --n)
            text += (m_random.bounded(40) == 0 ? QByteArray::number(m_random.bounded(100000))
                                               : m_words.at(m_random.bounded(int(m_words.size()))))
                + ' ';
        text.chop(1);
        return text + ".\r\n";
    }
    QRandomGenerator m_random { 19 };
    QList<QByteArray> m_words;
    std::vector<QByteArray> m_lines;
};

// The room the files under a folder take on disk.
qint64 diskUse(const QString& folder)
{
    qint64 bytes = 0;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        struct stat status { };
        if (::lstat(QFile::encodeName(it.next()).constData(), &status) == 0)
            bytes += qint64(status.st_blocks) * 512;
    }
    return bytes;
}

// Watches a folder's size from another thread, every millisecond, and keeps the largest.
class SizeWatch {
public:
    explicit SizeWatch(const QString& folder)
        : m_thread([this, folder] {
            while (!m_stop) {
                m_largest = std::max(m_largest.load(), diskUse(folder));
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        })
    {
    }
    ~SizeWatch()
    {
        m_stop = true;
        m_thread.join();
    }
    qint64 largest() const { return m_largest; }

private:
    std::atomic_bool m_stop { false };
    std::atomic<qint64> m_largest { 0 };
    std::thread m_thread;
};

double mib(qint64 bytes)
{
    return double(bytes) / (1 << 20);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Returns the page's text as it stands after the last save.
QString saveManyTimes(const QString& state, int saves)
{
    HistoryStore store(QStringLiteral("/bench/app"), state);
    Page page(1 << 20);
    QElapsedTimer clock;
    clock.start();
    qint64 largest = 0;
    {
        const SizeWatch watch(state);
        for (int i = 0; i < saves; ++i) {
            page.changeOneLine();
            if (store.record(notes, page.bytes(), QStringLiteral("Saved"), QDateTime::currentDateTime())
                    != HistoryStore::Recorded::New
                || !store.packIfDue())
                qFatal("%s", qPrintable(store.problem()));
        }
        largest = watch.largest();
    }
    std::printf("history after %d saves of a 1 MB page, one line changed each: %.2f MiB (largest during the run "
                "%.2f MiB; %.0f s in all)\n",
        saves, mib(diskUse(state)), mib(largest), clock.elapsed() / 1000.0);
    return QString::fromUtf8(page.bytes());
}

void recordTimes(const QString& state)
{
    for (const qint64 size : { qint64(10) << 10, qint64(1) << 20, qint64(10) << 20 }) {
        HistoryStore store(QStringLiteral("/bench/size%1").arg(size), state);
        Page page(size);
        std::vector<double> recording;
        std::vector<double> packing;
        for (int i = 0; i < 9; ++i) {
            page.changeOneLine();
            const QByteArray bytes = page.bytes();
            QElapsedTimer clock;
            clock.start();
            store.record(notes, bytes, QStringLiteral("Saved"), QDateTime::currentDateTime());
            recording.push_back(clock.nsecsElapsed() / 1e6);
            clock.restart();
            store.packIfDue();
            packing.push_back(clock.nsecsElapsed() / 1e6);
        }
        std::printf("record a version of a %s page (in the worker): median %.1f ms; then packing: median %.1f ms, "
                    "longest %.1f ms\n",
            size < (1 << 20)        ? "10 KB"
                : size == (1 << 20) ? "1 MB"
                                    : "10 MB",
            median(recording), median(packing), *std::max_element(packing.begin(), packing.end()));
    }
}

// The longest time the event loop went without turning while it lives (a timer asks every
// millisecond).
class StallWatch {
public:
    StallWatch()
    {
        m_tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_sinceTick.nsecsElapsed());
            m_sinceTick.restart();
        });
        m_sinceTick.start();
        m_tick.start(1);
    }
    double longestMs() const { return std::max(m_longest, m_sinceTick.nsecsElapsed()) / 1e6; }

private:
    QTimer m_tick;
    QElapsedTimer m_sinceTick;
    qint64 m_longest = 0;
};

void eventLoopStall(const QString& state)
{
    HistoryRecorder recorder(QStringLiteral("/bench/stall"), state);
    Page page(10 << 20);
    const int versions = 5;
    int done = 0;
    QObject::connect(&recorder, &HistoryRecorder::recorded, [&] {
        if (++done == versions)
            QCoreApplication::quit();
    });
    QList<QByteArray> texts;
    for (int i = 0; i < versions; ++i) {
        page.changeOneLine();
        texts << page.bytes();
    }
    QTimer::singleShot(0, [&] {
        for (const QByteArray& text : texts)
            recorder.record(notes, text, QStringLiteral("Saved"));
    });
    const StallWatch watch;
    QCoreApplication::exec();
    std::printf("longest event-loop stall while %d versions of a 10 MB page are recorded: %.1f ms\n", versions,
        watch.longestMs());
}

// The history panel opened over a page with many versions, as the window opens it: how long until
// the versions and the newest one's text are shown, and the longest stall of the event loop
// meanwhile; then the same for the oldest version chosen in the list.
void openLongHistory(const QString& state, const QString& current)
{
    HistoryRecorder history(QStringLiteral("/bench/app"), state);
    HistoryPanel panel;
    panel.resize(800, 600);
    const auto untilShown = [&panel](std::vector<double>& shown, std::vector<double>& stalls, auto&& action) {
        const StallWatch watch;
        QElapsedTimer clock;
        clock.start();
        action();
        while (!panel.restoreButton()->isEnabled() && clock.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents(); // painted
        shown.push_back(clock.nsecsElapsed() / 1e6);
        stalls.push_back(watch.longestMs());
    };
    std::vector<double> opened, openStalls, chosen, chooseStalls;
    for (int i = 0; i < 5; ++i) {
        untilShown(opened, openStalls, [&] { panel.open(history, 0, notes, QStringLiteral("Notes"), current); });
        untilShown(chosen, chooseStalls, [&] {
            QTreeWidget* list = panel.versionList();
            list->setCurrentItem(list->topLevelItem(list->topLevelItemCount() - 1));
        });
        panel.close();
    }
    std::printf("open the history of a page with %d versions of 1 MB: shown after %.1f ms (median), longest "
                "stall of the event loop %.1f ms; the oldest chosen: shown after %.1f ms, longest stall %.1f ms\n",
        panel.versionList()->topLevelItemCount(), median(opened),
        *std::max_element(openStalls.begin(), openStalls.end()), median(chosen),
        *std::max_element(chooseStalls.begin(), chooseStalls.end()));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each figure as soon as it is measured
    const int saves = argc > 1 ? std::atoi(argv[1]) : 1000;
    QTemporaryDir folder;
    const QString state = folder.filePath(QStringLiteral("history"));
    recordTimes(folder.filePath(QStringLiteral("sizes")));
    eventLoopStall(folder.filePath(QStringLiteral("stall")));
    openLongHistory(state, saveManyTimes(state, saves));
    return 0;
}
