#include "SaveBench.h"

#include "Floors.h"
#include "WindowFixture.h"
#include "core/history/HistoryRecorder.h"
#include "core/page/FileStamp.h"

#include <QDeadlineTimer>
#include <QThread>

#include <cstdio>

using namespace tabwise;

namespace bench {

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Save, then the window runs until the file stands replaced (a new inode), for a minute at most.
void saveUntilReplaced(PageView* page, const QString& path)
{
    const quint64 before = fileStamp(path).inode;
    page->saveButton()->click();
    const QDeadlineTimer deadline(60000);
    while (fileStamp(path).inode == before && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::usleep(100);
    }
}

} // namespace

Medians timeTypedSave(MainWindow& w, int tab, const QString& path, const QString& copy, int runs)
{
    PageView* page = w.page(tab);
    auto* history = w.findChild<HistoryRecorder*>();
    const QByteArray original = bytesOf(path);
    w.showPage(tab);
    page->editButton()->click();
    settleWindow();
    QByteArray written;
    const Medians m = timeInTurn(runs,
        { [&] {
             history->waitForIdle();
             page->textBox()->moveCursor(QTextCursor::Start);
             QTest::keyClick(page->textBox(), Qt::Key_X);
             settleWindow();
         },
            [&] { saveUntilReplaced(page, path); } },
        { [&] { written = bytesOf(path); }, [&] { writeBare(copy, written); } });
    history->waitForIdle();
    if (written != QByteArray(runs, 'x') + original || page->hasUnsavedText())
        std::printf("  ! the typing was not saved whole\n");
    return m;
}

} // namespace bench
