#include "FindBench.h"

#include "BenchSupport.h"
#include "WindowFixture.h"
#include "ui/find/FindBar.h"
#include "ui/find/FindPanel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QThread>

using namespace bench;
using namespace tabwise;

namespace {

// Milliseconds from a text put into the find panel's field until its results are shown, and the
// milliseconds of that time that the user-interface thread was held.
struct Answer {
    double shown;
    double held;
};

Answer answer(FindPanel* panel, const QString& text)
{
    panel->field()->clear();
    QSignalSpy shown(panel, &FindPanel::resultsShown);
    double held = 0;
    const double total = timeRuns(1, {}, [&] {
        held = timeRuns(1, {}, [&] { panel->field()->setText(text); })[0];
        while (shown.isEmpty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    })[0];
    return { total, held };
}

// Alternating between two texts.
// The panel over all pages, made and opened by the first Ctrl+Shift+F.
FindPanel* openPanel(MainWindow& w, QWidget* focus)
{
    QTest::keyClick(focus, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    return w.findChild<FindPanel*>();
}

Answer medianAnswer(FindPanel* panel, const QString& one, const QString& other, int runs)
{
    std::vector<double> shown, held;
    for (int i = 0; i < runs; ++i) {
        const Answer a = answer(panel, i % 2 ? other : one);
        shown.push_back(a.shown);
        held.push_back(a.held);
    }
    return { median(shown), median(held) };
}

void panelOverFivePages()
{
    WindowFixture f;
    for (const PageInfo& info : pageTable)
        f.writePage(info.fileName, textPage(10 << 20));
    QThread::msleep(120);
    MainWindow& w = f.load();
    auto* panel = openPanel(w, w.page(0)->textBox());
    const Answer first = answer(panel, QStringLiteral("zebra"));
    panel->close();
    panel->open(); // the files are read while the user begins to type
    QTest::qWait(300);
    const Answer typed = answer(panel, QStringLiteral("zebra"));
    const Answer none = medianAnswer(panel, QStringLiteral("zebra"), QStringLiteral("zebu"), 9);
    const Answer every = medianAnswer(panel, QStringLiteral("noon"), QStringLiteral("fox"), 9);
    const QString name = QStringLiteral("find, 5 pages x 10 MB: ");
    reportAlone(name + QStringLiteral("first key at once"), first.shown);
    reportAlone(name + QStringLiteral("first key 0.3 s later"), typed.shown);
    reportAlone(name + QStringLiteral("a word on none"), none.shown);
    reportAlone(name + QStringLiteral("a word on every line"), every.shown);
    reportAlone(name + QStringLiteral("UI thread held"), std::max(none.held, every.held));
    if (panel->results()->count() != 5 * (PageSearch::linesPerPage + 1))
        std::printf("  ! %d results listed\n", panel->results()->count());
}

void panelOverMillionEntries()
{
    WindowFixture f;
    f.writePage("email.ntr", listPage(1000000));
    QThread::msleep(120);
    MainWindow& w = f.load();
    w.showPage(2);
    settleWindow();
    auto* panel = openPanel(w, w.page(2)->entryList());
    answer(panel, QStringLiteral("person"));
    const Answer none = medianAnswer(panel, QStringLiteral("nobody"), QStringLiteral("noone"), 9);
    const QString name = QStringLiteral("find, list 1 M: ");
    reportAlone(name + QStringLiteral("a word on none"), none.shown);
    reportAlone(name + QStringLiteral("UI thread held"), none.held);
}

void barOnTenMegabytes()
{
    WindowFixture f;
    f.writePage("notes.ntr", textPage(10 << 20));
    QThread::msleep(120);
    MainWindow& w = f.load();
    QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
    auto* bar = w.findChild<FindBar*>(); // made by the first Ctrl+F
    const auto typed = timeRuns(
        9, [&] { bar->field()->clear(); }, [&] { QTest::keyClicks(bar->field(), QStringLiteral("z")); });
    const auto again = timeRuns(9, {}, [&] { QTest::keyClick(bar->field(), Qt::Key_Return); });
    reportAlone(QStringLiteral("find bar, text page 10 MB: a key typed"), median(typed));
    reportAlone(QStringLiteral("find bar, text page 10 MB: next match"), median(again));
}

} // namespace

void benchFind()
{
    panelOverFivePages();
    panelOverMillionEntries();
    barOnTenMegabytes();
}
