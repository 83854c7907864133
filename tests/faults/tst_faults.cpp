// Writes that fail must lose nothing: on a full disk (the private 1 MB file system in_small_disk.sh
// mounts, or a file-size limit where none can be mounted) and in folders and files nobody may write
// (chattr +i, which holds the superuser too; the permission bits for anybody else), saving a page,
// the Edit of a list page, printing to a file, a backup and a restore each fail with a message that
// names the place and the system's reason, both folders keep their files as they were and the page
// keeps the text on screen. Pages that are symbolic links, and links in the backup folder, never
// let a backup or a restore write where the user did not choose.
#include "WindowFixture.h"

#include <QProcess>
#include <QRegularExpression>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <functional>

using namespace tabwise;

namespace {

enum Action { SaveText, SaveList, EditList, Print, Backup, Restore };

QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        QFile file(info.filePath());
        files[info.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
    }
    return files;
}

// Makes every write fail until the returned function undoes it; nothing when that cannot be done.
std::function<void()> makeWritesFail(const QString& place, const QString& disk)
{
    if (!place.isEmpty()) {
        if (QProcess::execute("chattr", { "+i", place }) == 0)
            return [place] { QProcess::execute("chattr", { "-i", place }); };
        const QFile::Permissions mode = QFile::permissions(place);
        if (geteuid() == 0 || !QFile::setPermissions(place, mode & ~QFile::Permissions(0x2222)))
            return {};
        return [place, mode] { QFile::setPermissions(place, mode); };
    }
    if (!disk.isEmpty()) {
        QFile filler(disk + "/filler");
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        while (filler.write(QByteArray(4096, 'x')) == 4096) { }
        while (filler.write("x", 1) == 1) { } // up to the last byte of the last block
        return [name = filler.fileName()] { QFile::remove(name); };
    }
    std::signal(SIGXFSZ, SIG_IGN); // a write above the limit then fails with EFBIG, for root too
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tiny = saved;
    tiny.rlim_cur = 1;
    setrlimit(RLIMIT_FSIZE, &tiny);
    return [saved] { setrlimit(RLIMIT_FSIZE, &saved); };
}

} // namespace

class tst_Faults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writeFails_data()
    {
        QTest::addColumn<QString>("place"); // made unwritable; none: the disk is full
        QTest::addColumn<int>("action");
        const char* names[] = { "save of a text page", "save of a list page", "edit of a list page", "print to a file",
            "backup", "restore" };
        for (int action : { SaveText, SaveList, EditList, Print, Backup, Restore })
            QTest::addRow("full disk: %s", names[action]) << "" << action;
        for (int action : { SaveText, SaveList, EditList, Print, Restore })
            QTest::addRow("application folder: %s", names[action]) << "app" << action;
        QTest::addRow("backup folder: backup") << "backup" << int(Backup);
        QTest::addRow("read-only page: %s", names[SaveText]) << "app/notes.ntr" << int(SaveText);
        for (int action : { SaveList, EditList })
            QTest::addRow("read-only page: %s", names[action]) << "app/email.ntr" << action;
    }
    void writeFails()
    {
        QFETCH(QString, place);
        QFETCH(int, action);
        const QString disk = place.isEmpty() ? qEnvironmentVariable("TABWISE_SMALL_DISK") : QString();
        QTemporaryDir temporary;
        const QString base = (disk.isEmpty() ? temporary.path() : disk) + "/scene";
        const auto cleanUp = qScopeGuard([base] { QDir(base).removeRecursively(); });
        for (const char* name : { "app/notes.ntr", "app/email.ntr", "backup/notes.ntr", "backup/email.ntr" })
            writeFile(base + '/' + name, name[0] == 'a' ? "old\r\n" : "backed up\r\n");
        WindowFixture f(base + "/app");
        f.seedDesignSettings();
        MainWindow& w = f.load();
        const bool list = action == SaveList || action == EditList;
        PageView* page = w.page(list ? 2 : 0);
        w.showPage(list ? 2 : 0);
        if (action != EditList) {
            page->editButton()->click();
            page->textBox()->moveCursor(QTextCursor::End);
            QTest::keyClicks(page->textBox(), "typed");
        }
        w.openOptions();
        QVERIFY(w.optionsPanel()->backupPanel()->showFolder(base + "/backup"));
        if (action < Backup)
            w.optionsPanel()->cancel(); // the pages take no clicks under the panel
        const auto app = snapshot(base + "/app"), backup = snapshot(base + "/backup");
        const QString shown = page->textBox()->toPlainText();
        const std::function<void()> undo = makeWritesFail(place.isEmpty() ? place : base + '/' + place, disk);
        if (!undo)
            QSKIP("Nothing here can make a place unwritable for the superuser (chattr +i needs ext2/3/4).");
        {
            const auto undoAfterwards = qScopeGuard(undo);
            f.platform.answers = { msgbox::Yes };
            f.platform.printToFile = base + "/app/printed.pdf";
            BackupPanel* panel = w.optionsPanel()->backupPanel();
            QAbstractButton* target[] = { page->saveButton(), page->saveButton(), page->editButton(),
                page->printButton(), panel->backupButton(), panel->restoreButton() };
            target[action]->click();
        }

        QCOMPARE(f.platform.messagesShown.size(), action >= Backup ? 2 : 1); // after the question
        const QString told = f.platform.messagesShown.last().prompt;
        qInfo("%s", qPrintable(QString(told).replace('\n', ' ')));
        const QRegularExpression reason("No space left|File too large|Permission denied|Operation not permitted|"
                                        "not writable|read-only");
        QVERIFY2(told.contains(base) && reason.match(told).hasMatch(), qPrintable(told));
        QVERIFY(action != EditList || told.startsWith("There has been a error!\n\n"));
        QFile::remove(f.platform.printToFile); // what a full disk left of the document
        QCOMPARE(snapshot(base + "/app"), app);
        QCOMPARE(snapshot(base + "/backup"), backup);
        // The Edit could not store the entries: the box shows the file, which still holds them.
        QCOMPARE(page->textBox()->toPlainText(), action == EditList ? "old\n" : shown);
        QCOMPARE(page->hasUnsavedText(), action != EditList);
    }

    void pageLinks()
    {
        QTemporaryDir temporary;
        const QString base = temporary.path();
        writeFile(base + "/synced/notes.ntr", "synced\r\n");
        writeFile(base + "/app/email.ntr", "e\r\n");
        writeFile(base + "/elsewhere", "elsewhere");
        QVERIFY(QFile::link(base + "/synced/notes.ntr", base + "/app/notes.ntr"));
        QVERIFY(QFile::link(base + "/unmounted/web.ntr", base + "/app/web.ntr")); // its file is missing
        QVERIFY(QDir().mkpath(base + "/backup") && QFile::link(base + "/elsewhere", base + "/backup/email.ntr"));
        WindowFixture f(base + "/app");
        MainWindow& w = f.load();
        w.openOptions();
        BackupPanel* panel = w.optionsPanel()->backupPanel();
        QVERIFY(panel->showFolder(base + "/backup"));
        f.platform.answers = { msgbox::Yes };
        panel->backupButton()->click();
        QCOMPARE(f.platform.messageTexts().last(),
            "The backup into\n" + base + "/backup\nis not complete.\n\nCopied: email.ntr, notes.ntr\n\nNot copied:\n"
                + "web.ntr: This is a link to " + base
                + "/unmounted/web.ntr, which does not exist.\n\nIn the backup folder, email.ntr was a link to a file "
                  "elsewhere: the copy took the link's place, and the file it led to is as it was.");
        const auto backup = snapshot(base + "/backup");
        QCOMPARE(backup.keys(), QStringList({ "email.ntr", "notes.ntr" }));
        QCOMPARE(backup["email.ntr"] + backup["notes.ntr"] + f.pageBytes("../elsewhere"), "e\r\nsynced\r\nelsewhere");

        // A restore writes through the page's link, keeps what it replaces, and names the page
        // whose link leads nowhere.
        writeFile(base + "/backup/notes.ntr", "restored\r\n");
        writeFile(base + "/backup/web.ntr", "w\r\n");
        f.platform.answers = { msgbox::Yes };
        panel->restoreButton()->click();
        QVERIFY(f.platform.messageTexts().last().endsWith("\nweb.ntr: The file in the destination is a link to " + base
            + "/unmounted/web.ntr, which does not exist."));
        QVERIFY(QFileInfo(base + "/app/notes.ntr").isSymLink() && !QFileInfo::exists(base + "/unmounted"));
        QCOMPARE(f.pageBytes("../synced/notes.ntr"), "restored\r\n");
        QCOMPARE(w.page(0)->textBox()->toPlainText(), "restored\n");
        const QStringList kept = QDir(base + "/app").entryList({ "Before restore*" }, QDir::Dirs);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(snapshot(base + "/app/" + kept[0]), backup);
    }
};

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
