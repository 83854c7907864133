// No word typed is lost: switching pages, drafts, changes on disk, a vanished folder, restore.
#include "WindowFixture.h"
#include "core/history/HistoryRecorder.h"
#include "core/keeping/DraftStore.h"
#include "core/keeping/FolderWatch.h"
#include "core/page/PageFile.h"
#include "ui/common/NoteBar.h"
#include "ui/history/HistoryPanel.h"
#include "ui/panels/FolderList.h"
#include "ui/panels/HistoryOptions.h"
#include "ui/panels/OptionsPanel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>

using namespace tabwise;

namespace {
QString draftPath(const WindowFixture& f, int tab)
{
    return f.appFolder() + QStringLiteral("/.") + pageFileName(tab) + QStringLiteral(".draft");
}
} // namespace

class TestNeverLose : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { qputenv("XDG_STATE_HOME", QFile::encodeName(m_state.path())); }
    void switchingKeepsTypingAndItsDraft_data();
    void switchingKeepsTypingAndItsDraft();
    void draftComesBackAtStart();
    void closingAsksAndNoForgetsTheDraft();
    void discardingTypingIsAskedSafely();
    void changeOnDiskIsShownOrNoted();
    void vanishedFolderIsSaidNotEmptied();
    void restoreKeepsTheOldPagesAndNamesTyping();
    void historyKeepsEveryVersionAndGivesItBack();

private:
    QTemporaryDir m_state;
};

void TestNeverLose::switchingKeepsTypingAndItsDraft_data()
{
    QTest::addColumn<int>("tab");
    for (int tab = 0; tab < pageCount; ++tab)
        QTest::newRow(pageFileName(tab)) << tab;
}

void TestNeverLose::switchingKeepsTypingAndItsDraft()
{
    QFETCH(int, tab);
    WindowFixture f;
    f.writePage(pageFileName(tab), "on disk\r\n");
    MainWindow& w = f.load();
    w.showPage(tab);
    typeOn(w.page(tab), QStringLiteral(" typed"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(draftPath(f, tab)), 2000);
    // The draft grows by each change, and holds the box's text whole.
    QTest::keyClicks(w.page(tab)->textBox(), QStringLiteral("!"));
    QTest::keyClick(w.page(tab)->textBox(), Qt::Key_Backspace);
    w.page(tab)->keepDraftNow();
    const DraftStore drafts(f.appFolder(), DraftStore::spareFolderFor(f.appFolder()));
    QCOMPARE(drafts.read(QString::fromLatin1(pageFileName(tab))).text, w.page(tab)->textBox()->document()->toRawText());
    w.showPage((tab + 1) % pageCount);
    w.showPage(tab);
    QCOMPARE(w.page(tab)->textBox()->toPlainText(), QStringLiteral("on disk\n typed"));
    QVERIFY(w.tabs()->tabText(tab).endsWith(QStringLiteral(" \u2022")));
    QCOMPARE(w.tabs()->caption(tab), QString::fromLatin1(pageTable[std::size_t(tab)].defaultCaption));
    QVERIFY(f.platform.messagesShown.isEmpty()); // no question on switching
    QCOMPARE(f.pageBytes(pageFileName(tab)), QByteArray("on disk\r\n"));
    QVERIFY(w.page(tab)->save());
    QCOMPARE(f.pageBytes(pageFileName(tab)), QByteArray("on disk\r\n typed\r\n"));
    QVERIFY(!w.tabs()->tabText(tab).contains(u'\u2022'));
    QTRY_VERIFY(!QFile::exists(draftPath(f, tab)));
}

void TestNeverLose::draftComesBackAtStart()
{
    WindowFixture f;
    f.writePage("web.ntr", "a\nb\n"); // LF line ends, as Linux editors write
    const DraftStore drafts(f.appFolder(), DraftStore::spareFolderFor(f.appFolder()));
    drafts.write(QStringLiteral("web.ntr"), QStringLiteral("a\nb\ntyped"), contentDigest("a\nb\n"));
    drafts.write(QStringLiteral("notes.ntr"), QStringLiteral("noted"), std::nullopt); // the page read first
    MainWindow& w = f.load();
    QCOMPARE(w.page(0)->textBox()->toPlainText(), QStringLiteral("noted"));
    QTest::qWait(200);
    QVERIFY(QFile::exists(draftPath(f, 0))); // kept until saved or given up
    PageView* web = w.page(3);
    QVERIFY(web->hasUnsavedText());
    QVERIFY(!web->textBox()->isHidden()); // in editing
    QCOMPARE(web->textBox()->toPlainText(), QStringLiteral("a\nb\ntyped"));
    QVERIFY(web->note()->text().contains(QStringLiteral("restored")));
    QCOMPARE(f.pageBytes("web.ntr"), QByteArray("a\nb\n")); // untouched until saved
    QVERIFY(web->save());
    QCOMPARE(listEntries(web->entryList()), (QStringList { "a", "b", "typed" }));
}

void TestNeverLose::closingAsksAndNoForgetsTheDraft()
{
    WindowFixture f;
    MainWindow& w = f.load();
    typeOn(w.page(1), QStringLiteral("x"));
    w.page(1)->keepDraftNow();
    f.platform.answers = { msgbox::Cancel };
    QVERIFY(!w.close());
    QVERIFY(w.page(1)->hasUnsavedText());
    f.platform.answers = { msgbox::No };
    QVERIFY(w.close());
    QCOMPARE(f.platform.messageTexts().last(), QStringLiteral("Save changes to Phone Numbers?"));
    QTRY_VERIFY(!QFile::exists(draftPath(f, 1)));
    QVERIFY(!QFile::exists(f.appFolder() + QStringLiteral("/phone.ntr")));
}

void TestNeverLose::discardingTypingIsAskedSafely()
{
    // Enter and Escape keep the typing; only Yes gives it up, with its draft.
    WindowFixture f;
    f.writePage("phone.ntr", "on disk\r\n");
    MainWindow& w = f.load();
    w.showPage(1);
    typeOn(w.page(1), QStringLiteral(" typed"));
    w.page(1)->keepDraftNow();
    QTRY_VERIFY(QFile::exists(draftPath(f, 1)));
    QStringList shown;
    for (const int answer : { -1, int(FakePlatform::Dismissed), int(msgbox::Yes) }) {
        f.platform.answers.clear();
        if (answer != -1)
            f.platform.answers = { answer };
        Q_EMIT w.page(1)->textBox()->customContextMenuRequested(QPoint(5, 5));
        auto* menu = w.page(1)->textBox()->findChild<QMenu*>();
        const QList<QAction*> actions = menu->actions();
        const auto discard = std::find_if(actions.begin(), actions.end(),
            [](QAction* a) { return a->text() == QStringLiteral("&Discard Unsaved Typing"); });
        (*discard)->trigger();
        delete menu;
        shown << w.page(1)->textBox()->toPlainText();
    }
    QCOMPARE(shown, QStringList({ "on disk\n typed", "on disk\n typed", "on disk\n" }));
    QTRY_VERIFY(!QFile::exists(draftPath(f, 1)));
}

void TestNeverLose::changeOnDiskIsShownOrNoted()
{
    WindowFixture f;
    f.writePage("notes.ntr", "old\r\n");
    MainWindow& w = f.load();
    f.writePage("notes.ntr", "new from elsewhere\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(w.page(0)->textBox()->toPlainText(), QStringLiteral("new from elsewhere\n"), 3000);
    typeOn(w.page(0), QStringLiteral("mine"));
    f.writePage("notes.ntr", "newer still\r\n");
    QTRY_VERIFY_WITH_TIMEOUT(w.page(0)->note()->text().contains(QStringLiteral("Changed on disk")), 3000);
    QCOMPARE(w.page(0)->textBox()->toPlainText(), QStringLiteral("new from elsewhere\nmine"));
}

void TestNeverLose::vanishedFolderIsSaidNotEmptied()
{
    WindowFixture f;
    f.writePage("notes.ntr", "precious\r\n");
    MainWindow& w = f.load();
    typeOn(w.page(0), QStringLiteral("more"));
    const QString pulled = f.appFolder() + QStringLiteral("-pulled");
    QVERIFY(QDir().rename(f.appFolder(), pulled));
    QTRY_VERIFY_WITH_TIMEOUT(w.findChild<NoteBar*>()->text().contains(QStringLiteral("cannot be reached")), 4000);
    w.showPage(1);
    w.showPage(0);
    QCOMPARE(w.page(0)->textBox()->toPlainText(), QStringLiteral("precious\nmore"));
    QVERIFY(!w.page(0)->save());
    QVERIFY(f.platform.messageTexts().last().contains(QStringLiteral("cannot be reached")));
    QVERIFY(!QDir(f.appFolder()).exists()); // nothing written where the folder was
    QVERIFY(QDir().rename(pulled, f.appFolder()));
    QTRY_VERIFY_WITH_TIMEOUT(w.findChild<NoteBar*>()->text().isEmpty(), 4000);
    QVERIFY(w.page(0)->save());
    QCOMPARE(f.pageBytes("notes.ntr"), QByteArray("precious\r\nmore\r\n"));
}

void TestNeverLose::restoreKeepsTheOldPagesAndNamesTyping()
{
    WindowFixture f;
    f.writePage("notes.ntr", "current\r\n");
    const QString backup = f.tempPath(QStringLiteral("backup"));
    QVERIFY(QDir().mkpath(backup));
    QFile::copy(f.appFolder() + QStringLiteral("/notes.ntr"), backup + QStringLiteral("/NOTES.NTR"));
    MainWindow& w = f.load();
    typeOn(w.page(1), QStringLiteral("typing"));
    QFile::copy(backup + QStringLiteral("/NOTES.NTR"), backup + QStringLiteral("/PHONE.NTR"));
    BackupPanel* panel = w.optionsPanel()->backupPanel();
    QVERIFY(panel->showFolder(backup));
    f.platform.answers = { msgbox::Yes };
    panel->restoreButton()->click();
    QVERIFY(f.platform.messagesShown[0].prompt.contains(backup));
    QCOMPARE(f.pageBytes("phone.ntr"), QByteArray("current\r\n")); // found under its page name
    const QStringList kept = QDir(f.appFolder()).entryList({ QStringLiteral("Before restore *") }, QDir::Dirs);
    QCOMPARE(kept.size(), 1);
    QVERIFY(QFile::exists(f.appFolder() + u'/' + kept[0] + QStringLiteral("/notes.ntr")));
    QVERIFY(f.platform.messageTexts().join(u'\n').contains(QStringLiteral("still show it: Phone Numbers")));
    QCOMPARE(w.page(1)->textBox()->toPlainText(), QStringLiteral("typing"));
}

void TestNeverLose::historyKeepsEveryVersionAndGivesItBack()
{
    WindowFixture f;
    f.writePage("notes.ntr", "found\r\n");
    MainWindow& w = f.load();
    w.findChild<HistoryRecorder*>()->waitForIdle(); // has kept the pages as found (during the splash)
    typeOn(w.page(0), QStringLiteral("saved"));
    QVERIFY(w.page(0)->save());
    // A save of our own is no change by another program, for the history to read later (when the
    // file may already hold a later save).
    auto* watch = w.findChild<FolderWatch*>();
    QSignalSpy watched(watch, &FolderWatch::filesChanged);
    watch->check();
    QCOMPARE(watched.first().first().toStringList(), QStringList());
    f.writePage("notes.ntr", "elsewhere\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(w.page(0)->textBox()->toPlainText(), QStringLiteral("elsewhere\n"), 3000);
    typeOn(w.page(0), QStringLiteral("typing"));
    QApplication::setActiveWindow(&w);
    QTest::keyClick(w.page(0)->textBox(), Qt::Key_H, Qt::ControlModifier);
    HistoryPanel* panel = w.historyPanel();
    QVERIFY(panel && panel->isVisible());
    QTRY_COMPARE(panel->versionList()->topLevelItemCount(), 3);
    QStringList causes;
    for (int i = 0; i < panel->versionList()->topLevelItemCount(); ++i)
        causes << panel->versionList()->topLevelItem(i)->text(1);
    QCOMPARE(causes, (QStringList { "Changed on disk", "Saved", "Found" }));
    QTest::keyClick(panel->versionList(), Qt::Key_End);
    QTRY_VERIFY(panel->restoreButton()->isEnabled()); // its text has come
    // The typing is kept when the question is answered so, and when it is dismissed; then replaced.
    f.platform.answers = { 0, FakePlatform::Dismissed, 1 };
    for (int keep = 0; keep < 2; ++keep) {
        QTest::keyClick(panel->versionList(), Qt::Key_Return);
        QCOMPARE(w.page(0)->textBox()->toPlainText(), QStringLiteral("elsewhere\ntyping"));
    }
    QTest::keyClick(panel->versionList(), Qt::Key_Return);
    QVERIFY(panel->isHidden());
    QCOMPARE(w.page(0)->textBox()->toPlainText(), QStringLiteral("found\n"));
    w.page(0)->textBox()->undo(); // the typing it replaced comes back
    QCOMPARE(w.page(0)->textBox()->toPlainText(), QStringLiteral("elsewhere\ntyping"));

    // How long it is kept, from the options panel (garbage in the setting keeps everything), and
    // clearing it after a question whose default keeps it.
    QVERIFY(f.settings().write(Key::KeepDays, QStringLiteral("soon")));
    w.openOptions();
    HistoryOptions* history = w.optionsPanel()->historyOptions();
    QCOMPARE(history->keepList()->currentText(), QStringLiteral("Forever"));
    history->keepList()->setCurrentIndex(3);
    w.optionsPanel()->okButton()->click();
    QCOMPARE(f.settings().read(Key::KeepDays), QStringLiteral("30"));
    f.platform.messagesShown.clear();
    history->clearButton()->click();
    QVERIFY(f.platform.messageTexts().value(0).contains(QStringLiteral("deleted for good")));
    f.platform.answers = { 0 };
    history->clearButton()->click();
    QTRY_COMPARE(f.platform.messageTexts().mid(1),
        QStringList({ f.platform.messageTexts().value(0), QStringLiteral("The history of your pages is cleared.") }));
    w.openHistory();
    QTRY_COMPARE(w.historyPanel()->findChild<QLabel*>("historyNote")->text(),
        QStringLiteral("No version of this page has been kept yet."));
    QCOMPARE(w.historyPanel()->versionList()->topLevelItemCount(), 0);
}

QTEST_MAIN(TestNeverLose)
#include "tst_neverlose.moc"
