#include "SpellingBench.h"

#include "BenchSupport.h"
#include "WindowFixture.h"
#include "core/spelling/Dictionaries.h"
#include "ui/page/PageView.h"
#include "ui/page/SpellingMarks.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <cstdio>

namespace bench {

namespace {

// Lines of words, a few of them misspelled, no two lines alike.
QByteArray prose(qint64 bytes)
{
    static const char* const words[] = { "the", "quick", "brown", "fox", "jumps", "over", "lazy", "dog", "teh", "quikc",
        "notebook", "page", "writes", "every", "morning", "letter", "recieve", "friend", "garden", "window", "seperate",
        "number", "paper", "travel" };
    QRandomGenerator random(7);
    QByteArray text;
    text.reserve(bytes + 200);
    while (text.size() < bytes) {
        for (int i = 0; i < 12; ++i)
            text += QByteArray(words[random.bounded(int(std::size(words)))]) + (i < 11 ? " " : ".\r\n");
    }
    return text;
}

struct Window {
    explicit Window(bool checked, qint64 bytes)
    {
        f.platform.dictionaryFolderList = tabwise::systemDictionaryFolders();
        f.seedDesignSettings();
        f.settings().write(tabwise::Key::CheckSpellingNotes, checked ? "1" : "0");
        f.writePage("notes.ntr", prose(bytes));
        QThread::msleep(120);
        w = &f.load();
        w->page(0)->setSpelling(w->spelling());
        settleWindow();
    }
    tabwise::WindowFixture f;
    tabwise::MainWindow* w = nullptr;
};

// Milliseconds from a key to the text box painted, for each of KEYS keys typed 80 ms apart.
std::vector<double> keysUntilPainted(QPlainTextEdit* box, int keys)
{
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    std::vector<double> times;
    for (int i = 0; i < keys; ++i) {
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(box, Qt::Key(Qt::Key_A + i % 26));
        box->viewport()->repaint();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        QTest::qWait(80); // the marks follow between the keys, as they would for a person
    }
    return times;
}

double firstShown(bool checked)
{
    Window window(checked, 100 << 20);
    window.w->showPage(1);
    settleWindow();
    touchAndSettle(window.f.appFolder() + QStringLiteral("/notes.ntr"));
    QElapsedTimer clock;
    clock.start();
    window.w->showPage(0);
    window.w->page(0)->textBox()->viewport()->repaint();
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

void benchSpelling()
{
    if (tabwise::installedDictionaries().isEmpty()) {
        std::printf("spelling: no dictionary installed (scripts/setup.sh installs hunspell-en-us)\n");
        return;
    }
    std::vector<double> on, off;
    for (int round = 0; round < 2; ++round) {
        for (const bool checked : { true, false }) {
            Window window(checked, 10 << 20);
            window.w->page(0)->startEditing();
            const std::vector<double> times = keysUntilPainted(window.w->page(0)->textBox(), 25);
            (checked ? on : off).insert((checked ? on : off).end(), times.begin(), times.end());
        }
    }
    report(QStringLiteral("a key typed in 10 MB, until painted: spelling on / off"), median(on), median(off));
    std::vector<double> shownOn, shownOff;
    for (int round = 0; round < 3; ++round) {
        shownOn.push_back(firstShown(true));
        shownOff.push_back(firstShown(false));
    }
    report(QStringLiteral("100 MB page first shown: spelling on / off"), median(shownOn), median(shownOff));
}

} // namespace bench
