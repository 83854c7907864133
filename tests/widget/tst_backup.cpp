// Backup and restore through the options panel's "Backup your Notes" frame.
#include "FormFixture.h"

#include "ui/DriveList.h"
#include "ui/FolderList.h"
#include "ui/ListBox.h"
#include "ui/TabControl.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

using namespace tabwise;

namespace {

const QStringList pageFiles { "email.ntr", "extra.ntr", "notes.ntr", "other.ntr", "phone.ntr", "web.ntr" };
const QString backupPrompt = QStringLiteral("This will execute the backup now!\n\nConfirm?");
const QString restorePrompt = QStringLiteral("This will execute the restore now!\n\nConfirm?");
constexpr int questionStyle = 36;
constexpr int errorStyle = 16;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        files[name] = readFile(dir.filePath(name));
    return files;
}

void writePages(const QString& folder, const QByteArray& tag)
{
    for (const QString& name : pageFiles)
        writeFile(folder + QLatin1Char('/') + name, tag + " " + name.toLatin1() + "\r\n");
}

void doubleClickFolder(FolderList* list, const QString& name)
{
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    list->scrollToItem(found.first());
    const QPoint centre = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT

private:
    // A window whose drive list offers a root, a home and a removable medium, all temporary
    // folders, with the five pages and an extra page file in the application folder.
    std::unique_ptr<FormFixture> m_f;
    QString m_root, m_home, m_usb, m_backup;

    Form1& form() { return m_f->form(); }

    void clickAnswering(QPushButton* button, int answer)
    {
        m_f->platform.answers = { answer };
        QTest::mouseClick(button, Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        m_f = std::make_unique<FormFixture>();
        m_root = m_f->tempPath("root");
        m_home = m_root + "/home/someone";
        m_usb = m_f->tempPath("usb");
        m_backup = m_home + "/backup";
        for (const QString& folder : { m_home + "/Documents", m_backup, m_usb })
            QVERIFY(QDir().mkpath(folder));
        m_f->platform.volumeList = { { Volume::Kind::Root, m_root, "/" }, { Volume::Kind::Home, m_home, "Home" },
            { Volume::Kind::Removable, m_usb, "USB stick" } };
        m_f->seedDesignSettings();
        writePages(m_f->appFolder(), "app");
        m_f->load();
        form().frameoptions->show();
    }

    void cleanup() { m_f.reset(); }

    void backupCopiesEveryPageAndRemembersTheFolder()
    {
        // The lists start in the home folder; the user opens the backup folder below it.
        QCOMPARE(form().Drive1->volume().rootPath, m_home);
        QCOMPARE(form().Dir1->path(), m_home);
        doubleClickFolder(form().Dir1, "backup");
        QCOMPARE(form().Dir1->path(), m_backup);
        writeFile(m_backup + "/notes.ntr", "an older copy, to be replaced\r\n");
        writeFile(m_backup + "/only-in-backup.ntr", "kept");
        // A highlighted entry is not the backup folder; the open folder is.
        form().Dir1->setCurrentRow(0);

        clickAnswering(form().cmdbackup, msgbox::Yes);

        QCOMPARE(m_f->platform.messagesShown.size(), 1);
        QCOMPARE(m_f->platform.messagesShown[0].prompt, backupPrompt);
        QCOMPARE(m_f->platform.messagesShown[0].style, questionStyle);
        QCOMPARE(m_f->platform.messagesShown[0].title, QString());
        for (const QString& name : pageFiles)
            QCOMPARE(readFile(m_backup + '/' + name), readFile(m_f->appFolder() + '/' + name));
        QCOMPARE(readFile(m_backup + "/only-in-backup.ntr"), QByteArray("kept"));
        QCOMPARE(m_f->settings().read(Key::BackupDir), m_backup + "/");

        // The next opening of the panel points the lists at that folder again.
        doubleClickFolder(form().Dir1, "/");
        QCOMPARE(form().Dir1->path(), QStringLiteral("/"));
        QVERIFY(form().showBackupFolder(m_f->settings().read(Key::BackupDir)));
        QCOMPARE(form().Dir1->path(), m_backup);
        QCOMPARE(form().Drive1->volume().rootPath, m_home);
    }

    void storedFolderIsReadBack_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("path");
        QTest::newRow("drive root, separator doubled") << "//" << true << "/";
        QTest::newRow("folder and separator") << "@usb/" << true << "@usb";
        QTest::newRow("folder gone") << "@usb/gone/" << false << "@home";
        QTest::newRow("a file, not a folder") << "@home/file.ntr/" << false << "@home";
        QTest::newRow("nothing stored") << "" << false << "@home";
    }

    void storedFolderIsReadBack()
    {
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        QFETCH(QString, path);
        auto expand = [this](QString text) { return text.replace("@home", m_home).replace("@usb", m_usb); };
        writeFile(m_home + "/file.ntr", "x");

        QCOMPARE(form().showBackupFolder(expand(stored)), shown);
        QCOMPARE(form().Dir1->path(), expand(path));
        QVERIFY(m_f->platform.messagesShown.isEmpty());
    }

    void restoreReplacesPagesOfTheSameName()
    {
        writePages(m_backup, "backup");
        QVERIFY(QFile::remove(m_backup + "/phone.ntr"));
        writeFile(m_f->appFolder() + "/only-in-app.ntr", "kept");
        const QByteArray phoneBefore = m_f->pageBytes("phone.ntr");
        QVERIFY(form().showBackupFolder(m_backup));

        clickAnswering(form().cmdrestore, msgbox::Yes);

        QCOMPARE(m_f->platform.messagesShown.size(), 1);
        QCOMPARE(m_f->platform.messagesShown[0].prompt, restorePrompt);
        QCOMPARE(m_f->platform.messagesShown[0].style, questionStyle);
        QCOMPARE(m_f->platform.messagesShown[0].title, QString());
        for (const QString& name : pageFiles) {
            if (name != "phone.ntr")
                QCOMPARE(readFile(m_f->appFolder() + '/' + name), readFile(m_backup + '/' + name));
        }
        QCOMPARE(m_f->pageBytes("phone.ntr"), phoneBefore);
        QCOMPARE(m_f->pageBytes("only-in-app.ntr"), QByteArray("kept"));
        QVERIFY(!m_f->settings().contains(Key::BackupDir));
    }

    void answeringNoChangesNothing_data()
    {
        QTest::addColumn<bool>("backup");
        QTest::newRow("backup") << true;
        QTest::newRow("restore") << false;
    }

    void answeringNoChangesNothing()
    {
        QFETCH(bool, backup);
        writePages(m_backup, "backup");
        QVERIFY(form().showBackupFolder(m_backup));
        const auto appBefore = snapshot(m_f->appFolder());
        const auto backupBefore = snapshot(m_backup);
        const QByteArray settingsBefore = readFile(m_f->iniPath());

        clickAnswering(backup ? form().cmdbackup : form().cmdrestore, msgbox::No);

        QCOMPARE(m_f->platform.messageTexts(), QStringList { backup ? backupPrompt : restorePrompt });
        QCOMPARE(snapshot(m_f->appFolder()), appBefore);
        QCOMPARE(snapshot(m_backup), backupBefore);
        QCOMPARE(readFile(m_f->iniPath()), settingsBefore);
    }

    // Every failure shows what was and was not copied, keeps the files, and forgets nothing.
    void failuresAreReported_data()
    {
        QTest::addColumn<bool>("backup");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QStringList>("saying");
        QTest::newRow("restore from a folder without page files")
            << false << "empty backup" << QStringList { "There is no page file (*.ntr) in", "Nothing was restored." };
        QTest::newRow("backup of a folder without page files")
            << true << "empty app" << QStringList { "There is no page file (*.ntr) in", "Nothing was backed up." };
        QTest::newRow("backup into the program's folder")
            << true << "same folder" << QStringList { "program's own folder", "Choose another folder." };
        QTest::newRow("restore from the program's folder")
            << false << "same folder" << QStringList { "program's own folder", "Choose another folder." };
        QTest::newRow("backup over a read-only copy")
            << true << "read-only copy"
            << QStringList { "is not complete", "Copied: email.ntr, extra.ntr, notes.ntr, other.ntr, web.ntr",
                   "Not copied:\nphone.ntr: The file in the destination is read-only." };
        QTest::newRow("restore over a read-only page")
            << false << "read-only page" << QStringList { "is not complete", "Not copied:\nnotes.ntr: The file" };
        QTest::newRow("backup into a folder that cannot be written")
            << true << "unwritable" << QStringList { "is not complete", "Copied: none", "Not copied:\nemail.ntr: " };
    }

    void failuresAreReported()
    {
        QFETCH(bool, backup);
        QFETCH(QString, failure);
        QFETCH(QStringList, saying);
        const QString previous = m_usb + "/";
        QVERIFY(m_f->settings().write(Key::BackupDir, previous));
        writePages(m_backup, "backup");
        QString folder = m_backup;
        QString immutable;
        if (failure == "empty backup") {
            for (const QString& name : pageFiles)
                QVERIFY(QFile::remove(m_backup + '/' + name));
        } else if (failure == "empty app") {
            for (const QString& name : pageFiles)
                QVERIFY(QFile::remove(m_f->appFolder() + '/' + name));
        } else if (failure == "same folder") {
            folder = m_f->appFolder();
        } else if (failure == "read-only copy") {
            QVERIFY(QFile::setPermissions(m_backup + "/phone.ntr", QFileDevice::ReadOwner));
        } else if (failure == "read-only page") {
            QVERIFY(QFile::setPermissions(m_f->appFolder() + "/notes.ntr", QFileDevice::ReadOwner));
        } else if (failure == "unwritable") {
            if (::geteuid() != 0) {
                QVERIFY(QFile::setPermissions(m_backup, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            } else if (QStandardPaths::findExecutable("chattr").isEmpty()
                || QProcess::execute("chattr", { "+i", m_backup }) != 0) {
                QSKIP("the superuser can write any folder unless it is immutable, and chattr +i is not available");
            } else {
                immutable = m_backup;
            }
        }
        QVERIFY(form().showBackupFolder(folder));
        const auto appBefore = snapshot(m_f->appFolder());
        const auto backupBefore = snapshot(m_backup);

        clickAnswering(backup ? form().cmdbackup : form().cmdrestore, msgbox::Yes);
        if (!immutable.isEmpty())
            QProcess::execute("chattr", { "-i", immutable });

        QCOMPARE(m_f->platform.messagesShown.size(), 2);
        const FakePlatform::Message& shown = m_f->platform.messagesShown[1];
        QCOMPARE(shown.style, errorStyle);
        for (const QString& words : saying)
            QVERIFY2(shown.prompt.contains(words), qPrintable(shown.prompt));
        QCOMPARE(m_f->settings().read(Key::BackupDir), previous);
        // The read-only file is untouched; where nothing could be copied, nothing changed at all.
        if (failure == "read-only copy")
            QCOMPARE(readFile(m_backup + "/phone.ntr"), backupBefore.value("phone.ntr"));
        else if (failure == "read-only page")
            QCOMPARE(m_f->pageBytes("notes.ntr"), appBefore.value("notes.ntr"));
        else
            QCOMPARE(snapshot(backup ? m_backup : m_f->appFolder()), backup ? backupBefore : appBefore);
    }

    // After a restore the page on screen shows the restored text, unless it holds unsaved typing.
    void restoreReloadsThePageOnScreen_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("typed");
        QTest::newRow("text page") << 0 << false;
        QTest::newRow("text page with unsaved typing") << 0 << true;
        QTest::newRow("list page") << 2 << false;
    }

    void restoreReloadsThePageOnScreen()
    {
        QFETCH(int, tab);
        QFETCH(bool, typed);
        writeFile(m_backup + "/notes.ntr", "restored notes\r\n");
        writeFile(m_backup + "/email.ntr", "restored@example.org\r\nsecond@example.org\r\n");
        Form1& w = form();
        w.SSTab1->setTab(tab);
        if (tab == 2) {
            w.List1->Clear();
            w.List_Load(w.List1, w.pageFilePath(2));
        }
        if (typed) {
            w.txtNotes->setFocus();
            QTest::keyClicks(w.txtNotes, "typed, not saved");
            QVERIFY(w.txtNotes->document()->isModified());
        }
        const QString onScreen = w.txtNotes->toPlainText();
        QVERIFY(w.showBackupFolder(m_backup));

        clickAnswering(w.cmdrestore, msgbox::Yes);

        QCOMPARE(m_f->pageBytes("notes.ntr"), QByteArray("restored notes\r\n"));
        if (tab == 2) {
            QCOMPARE(w.List1->ListCount(), 2);
            QCOMPARE(w.List1->List(0), QStringLiteral("restored@example.org"));
        } else {
            QCOMPARE(w.txtNotes->toPlainText(), typed ? onScreen : QStringLiteral("restored notes\n"));
        }
    }

    void driveNotReadyFallsBackToTheRoot()
    {
        m_f->platform.volumesNotReady = { m_usb };
        form().Drive1->setCurrentIndex(2);

        QCOMPARE(m_f->platform.messageTexts(), QStringList { "The selected drive is not available." });
        QCOMPARE(m_f->platform.messagesShown[0].style, errorStyle);
        QCOMPARE(form().Drive1->volume().kind, Volume::Kind::Root);
        QCOMPARE(form().Dir1->path(), m_root);
    }

    void driveListIsReadAgainWhenItDropsDown()
    {
        DriveList* drives = form().Drive1;
        drives->setCurrentIndex(2);
        const QString card = m_f->tempPath("card");
        QVERIFY(QDir().mkpath(card));
        // The stick is taken out and a card put in while the panel is open.
        m_f->platform.volumeList.removeLast();
        m_f->platform.volumeList.append({ Volume::Kind::Removable, card, "Card" });

        drives->showPopup();
        drives->hidePopup();

        QStringList names;
        for (int i = 0; i < drives->count(); ++i)
            names << drives->itemText(i);
        // The selected stick stays listed until the user chooses another drive.
        QCOMPARE(names, (QStringList { "/", "Home", "Card", "USB stick" }));
        QCOMPARE(drives->volume().rootPath, m_usb);
        QCOMPARE(form().Dir1->path(), m_usb);
        QVERIFY(m_f->platform.messagesShown.isEmpty());
    }

    void folderErrorsShowNumberAndDescription_data()
    {
        QTest::addColumn<bool>("byDrive");
        QTest::newRow("drive whose folder is gone") << true;
        QTest::newRow("folder gone before the double-click") << false;
    }

    void folderErrorsShowNumberAndDescription()
    {
        QFETCH(bool, byDrive);
        if (byDrive) {
            QVERIFY(QDir(m_usb).removeRecursively());
            form().Drive1->setCurrentIndex(2);
        } else {
            QVERIFY(QDir(m_home + "/Documents").removeRecursively());
            doubleClickFolder(form().Dir1, "Documents");
        }

        QCOMPARE(m_f->platform.messageTexts(), QStringList { "2\nNo such file or directory" });
        QCOMPARE(m_f->platform.messagesShown[0].style, errorStyle);
        QCOMPARE(form().Dir1->path(), m_home);
    }

    void folderListShowsThePathAndOpensWithEnter()
    {
        FolderList* list = form().Dir1;
        QVERIFY(form().showBackupFolder(m_home));
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->item(i)->text();
        QStringList expected { "/" };
        expected += m_home.split('/', Qt::SkipEmptyParts);
        expected << "backup"
                 << "Documents";
        QCOMPARE(entries, expected);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("someone"));

        list->setFocus();
        list->setCurrentItem(list->findItems("Documents", Qt::MatchExactly).first());
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(list->path(), m_home + "/Documents");
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
