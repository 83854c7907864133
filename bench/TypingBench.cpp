#include "TypingBench.h"

#include "BenchSupport.h"
#include "Floors.h"
#include "WindowFixture.h"
#include "ui/page/PageView.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace bench {

namespace {

// Types into BOX while a timer every 5 ms, as a window manager's ping would, notes how long the
// event loop kept it waiting; returns the longest wait in milliseconds.
double longestStallWhileTyping(QPlainTextEdit* box)
{
    constexpr int characters = 50;
    constexpr int gapMilliseconds = 80;
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    settleWindow();
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    double longest = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, double(now - last) / 1e6);
        last = now;
    });
    int typed = 0;
    QTimer typing;
    typing.setTimerType(Qt::PreciseTimer);
    QEventLoop loop;
    QObject::connect(&typing, &QTimer::timeout, [&] {
        if (typed++ < characters) {
            QTest::keyClick(box, Qt::Key(Qt::Key_A + typed % 26));
            return;
        }
        typing.stop();
        QTimer::singleShot(1500, &loop, &QEventLoop::quit); // what follows the last key (the draft)
    });
    probe.start(5);
    typing.start(gapMilliseconds);
    loop.exec();
    return longest;
}

void typingStall(qint64 bytes)
{
    tabwise::WindowFixture f;
    f.seedDesignSettings();
    f.writePage("phone.ntr", textPage(bytes));
    QThread::msleep(120);
    tabwise::MainWindow& w = f.load();
    w.showPage(1);
    w.page(1)->startEditing();
    const double ours = longestStallWhileTyping(w.page(1)->textBox());
    BareText bare;
    bare.show(f.appFolder() + QStringLiteral("/phone.ntr"));
    const double floor = longestStallWhileTyping(bare.box);
    report(QStringLiteral("typing, longest stall, text page %1 MB").arg(bytes >> 20), ours, floor);
}

} // namespace

void benchTypingStalls()
{
    for (const qint64 megabytes : { 1, 10, 50 })
        typingStall(megabytes << 20);
}

} // namespace bench
