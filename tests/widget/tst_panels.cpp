// The panels over the pages and the windows beside them: the options panel, backup and restore, About,
// the splash screen and the help viewer over the help file that the build compiles.
#include "WindowFixture.h"
#include "ui/common/ClickableLabel.h"
#include "ui/help/HelpBrowser.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/HelpWindowViewer.h"
#include "ui/panels/DriveList.h"
#include "ui/panels/FolderList.h"
#include "ui/panels/WindowSystemNote.h"
#include "ui/window/SplashScreen.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

using namespace tabwise;

class tst_Panels : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void optionsPanel()
    {
        WindowFixture f;
        MainWindow& w = f.load();
        OptionsPanel* options = w.optionsPanel();
        QTest::mouseClick(w.optionsButton(), Qt::LeftButton);
        QCOMPARE(w.windowTitle(), "Tabwise (Options)");
        options->nameBox(1)->setText("<b>R&D</b> && more");
        for (QCheckBox* box : { options->startMinimizedBox(), options->stayOnTopBox(), options->showBox(2) })
            box->click();
        options->okButton()->click(); // stay on top has acted at once
        QVERIFY(f.platform.topmostCalls.size() == 1 && options->isHidden() && !w.tabs()->isTabVisible(2));
        QStringList stored;
        for (Key key : { Key::StartMinimized, Key::StayOnTop, Key::ShowTab2, Key::ShowTab3, Key::ShowTab4,
                 Key::ShowTab5, Key::TabName2 })
            stored << f.settings().read(key);
        QCOMPARE(stored, QStringList({ "1", "1", "1", "0", "1", "1", "<b>R&D</b> && more" }));
        // The new name reaches the tab, its tooltip (as text, not markup), the page's commands and
        // what a screen reader says.
        QTextDocument tip;
        tip.setHtml(w.tabs()->tabToolTip(1));
        QCOMPARE(w.windowTitle() + '|' + w.tabs()->caption(1) + '|' + tip.toPlainText() + '|'
                + w.page(1)->editButton()->caption() + '|' + w.page(1)->textBox()->accessibleName(),
            "Tabwise (Notes)|<b>R&D</b> && more|<b>R&D</b> && more|&Edit <b>R&D</b> && more|<b>RD</b> & more");
        w.showPage(3);
        w.openOptions(); // as the tray menu and Ctrl+Comma do, from any page
        options->nameBox(0)->setText("Changed");
        options->cancelButton()->click();
        QCOMPARE(f.settings().read(Key::TabName1) + w.windowTitle() + QString::number(w.tabs()->currentIndex()),
            "NotesTabwise (Web Sites)3"); // the page that was shown
        w.openOptions();
        options->startAtLogonBox()->click(); // start at log-on acts when the box changes
        options->startAtLogonBox()->click();
        f.platform.autostartWritable = false;
        options->startAtLogonBox()->click();
        QCOMPARE(f.platform.autostartCalls, QList<bool>({ true, false, true }));
        QCOMPARE(f.settings().read(Key::StartAtLogon), "1"); // the value follows the box all the same
        QCOMPARE(f.platform.messageTexts(),
            QStringList { "Tabwise could not be set to start at log-on:\n\nautostart entry\n\nPermission denied" });
        f.spoilSettings(); // a refused write keeps the panel open with the user's choices, saying why
        options->okButton()->click();
        QVERIFY(options->isVisible() && options->nameBox(0)->text() == "Changed");
        QCOMPARE(f.platform.messageTexts().last(),
            "The settings file " + f.iniPath() + " cannot be written.\n\nNot a directory");
    }

    void backupAndRestore()
    {
        WindowFixture f;
        f.platform.volumeList << Volume { Volume::Kind::Removable, "/media/usb", "USB" };
        f.platform.volumesNotReady << "/media/usb";
        f.writePage("notes.ntr", "n\r\n");
        f.writePage("email.ntr", "e\r\n");
        const QString backup = f.tempPath("backup"), readOnly = f.tempPath("readonly");
        writeFile(readOnly + "/email.ntr", "");
        QVERIFY(QDir().mkpath(backup) && QFile::setPermissions(readOnly + "/email.ntr", QFile::ReadOwner));
        MainWindow& w = f.load();
        w.openOptions();
        BackupPanel* panel = w.optionsPanel()->backupPanel();
        const auto backUp = [&](const QString& folder, int answer) { // what the backup says, from its question on
            const bool listed = panel->showFolder(folder);
            f.platform.answers = { answer };
            panel->backupButton()->click();
            const QStringList told = f.platform.messageTexts();
            return listed ? told.mid(told.lastIndexOf("This will execute the backup now!\n\nConfirm?")) : QStringList();
        };
        QCOMPARE(backUp(backup, msgbox::No).size(), 1);
        QCOMPARE(f.platform.messagesShown.last().style, msgbox::YesNo | msgbox::Question);
        QVERIFY(!QFile::exists(backup + "/notes.ntr") && f.settings().read(Key::BackupDir).isEmpty());
        // Only a complete backup is remembered.
        QVERIFY(backUp(w.appFolder(), msgbox::Yes).last().startsWith("The backup folder is the program's own folder:"));
        QVERIFY(backUp(readOnly, msgbox::Yes).last().startsWith("The backup into\n" + readOnly + "\nis not complete."));
        QVERIFY(f.settings().read(Key::BackupDir).isEmpty());
        QCOMPARE(backUp(backup, msgbox::Yes).last(), "Backed up 2 page files to " + backup + '.');
        // A new folder is made in the open one, opened, and named as typed in place; a name in use
        // is refused with the reason, and can be typed again.
        const auto newFolder = [&](const QStringList& names) {
            panel->newFolderButton()->click();
            for (const QString& name : names) {
                auto* editor = panel->folderList()->viewport()->findChild<QLineEdit*>();
                if (!editor)
                    return QString("(not named in place)");
                editor->setText(name);
                QTest::keyClick(editor, Qt::Key_Return);
                WindowFixture::settle();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            return panel->folderList()->path();
        };
        QCOMPARE(newFolder({ "notes.ntr", "Mine" }), backup + "/Mine");
        QCOMPARE(f.platform.messageTexts().last(),
            "The folder could not be renamed:\n\n" + backup + "/notes.ntr\n\nFile exists");
        QVERIFY(!QFileInfo::exists(backup + "/New Folder"));
        QCOMPARE(QDir(backup).entryList(QDir::Files), QStringList({ "email.ntr", "notes.ntr" }));
        QCOMPARE(f.settings().read(Key::BackupDir), backup + '/');
        w.optionsPanel()->hide();
        panel->showFolder("/");
        w.openOptions(); // the folder of the last complete backup comes back
        QCOMPARE(panel->folderList()->path(), backup);
        // A restore shows the restored file on the page on screen, but keeps unsaved typing.
        for (const auto& [tab, copy] : { std::pair { 0, "restored" }, { 2, "restored" }, { 0, "again" } }) {
            writeFile(backup + '/' + pageFileName(tab), QByteArray(copy) + "\r\n");
            w.showPage(tab);
            if (copy == QLatin1String("again")) { // typed with the panel closed
                w.optionsPanel()->cancel();
                QTest::keyClicks(w.page(0)->textBox(), "typed ");
                w.openOptions();
            }
            const qsizetype told = f.platform.messagesShown.size();
            panel->restoreButton()->click();
            QCOMPARE(f.platform.messagesShown[told].prompt,
                "This will execute the restore now!\n\nThe pages are replaced by those in:\n" + backup
                    + "\n\nConfirm?");
            if (tab == 2)
                QCOMPARE(listEntries(w.page(2)->entryList()), QStringList { "restored" });
        }
        QCOMPARE(f.pageBytes("notes.ntr") + f.pageBytes("email.ntr"), "again\r\nrestored\r\n");
        QCOMPARE(w.page(0)->textBox()->toPlainText(), "typed restored\n");
        // A drive that is not ready falls back to the root; a folder that is gone cannot be opened.
        panel->driveList()->setCurrentIndex(1);
        QCOMPARE(f.platform.messageTexts().last(), "The selected drive is not available.");
        QCOMPARE(panel->driveList()->volume().rootPath + panel->folderList()->path(), "//");
        QVERIFY(panel->showFolder(f.tempPath("")) && QDir(backup).removeRecursively());
        panel->folderList()->setCurrentRow(panel->folderList()->count() - 3); // the backup folder
        QTest::keyClick(panel->folderList(), Qt::Key_Return);
        QCOMPARE(f.platform.messageTexts().last(), "2\nNo such file or directory\n\n" + backup);
        QVERIFY(panel->folderList()->path() == f.tempPath("") && QDir().mkpath(backup));
        f.spoilSettings();
        QCOMPARE(backUp(backup, msgbox::Yes).last().left(65),
            "The backup is complete, but its folder could not be remembered:\n\n");
    }

    void waylandNote()
    {
        WindowFixture f;
        OptionsPanel* options = f.load().optionsPanel();
        QCheckBox* onTop = options->stayOnTopBox();
        const QWidget* ok = options->okButton();
        QVERIFY(!options->findChild<QLabel*>("stayOnTopBoxNote")); // this window system places windows
        QVERIFY(!addWindowSystemNote(onTop, ok, "xcb"));
        const QLabel* note = addWindowSystemNote(onTop, ok, "wayland-egl");
        QVERIFY(note && note->toolTip().startsWith("Wayland does not let a program keep its window above others"));
        // Beside the box's caption, clear of the buttons, whole.
        const QRect box = onTop->geometry();
        QVERIFY(note->x() > box.x() + onTop->sizeHint().width() && note->geometry().right() < ok->x());
        QVERIFY(note->text() == "Not on Wayland" && qAbs(note->geometry().center().y() - box.center().y()) <= 1);
        // A caption too long for both (as in another language): the note is shortened, whole in its tip.
        onTop->setText("Immer im Vordergrund");
        note = addWindowSystemNote(onTop, ok, "wayland");
        QVERIFY(note->geometry().right() < ok->x() && note->text().endsWith(QChar(0x2026)));
        QVERIFY(note->toolTip().startsWith("Not on Wayland\n\nWayland does not let"));
    }

    void aboutAndSplash()
    {
        const QRegularExpression version("^Version \\d+\\.\\d+\\.\\d+$");
        WindowFixture f;
        MainWindow& w = f.load();
        w.openOptions();
        w.openAbout(); // over the options panel
        AboutPanel* about = w.aboutPanel();
        QVERIFY(about->isVisible() && version.match(about->versionLabel()->text()).hasMatch());
        QCOMPARE(about->productNameLabel()->text(), "Tabwise");
        QTest::mouseClick(about->webAddressLabel(), Qt::LeftButton);
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about->webAddressLabel());
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); // by a screen reader
        QVERIFY(link->role() == QAccessible::Link);
        QCOMPARE(f.platform.opened, QStringList(2, "https://tabwise.example.org/"));
        f.platform.openerStarts = false; // no browser could be started: said so
        QTest::mouseClick(about->webAddressLabel(), Qt::LeftButton);
        QVERIFY(f.platform.messageTexts().value(0).startsWith("\"https://tabwise.example.org/\" could not be opened"));
        about->okButton()->click();
        QVERIFY(about->isHidden() && w.optionsPanel()->isVisible());
        SplashScreen splash;
        QSignalSpy finished(&splash, &SplashScreen::finished);
        splash.show();
        QVERIFY(version.match(splash.versionLabel()->text()).hasMatch());
        QTRY_VERIFY(finished.size() == 1 && splash.isHidden());
        splash.timer()->start(0);
        QTest::qWait(50);
        QCOMPARE(finished.size(), 1); // hands over once
    }

    void helpViewer()
    {
        HelpWindowViewer viewer;
        viewer.showHelp(nullptr, TABWISE_BUILT_HELP_FILE);
        HelpWindow* window = viewer.window();
        HelpBrowser* browser = window->browser();
        QVERIFY(window->isVisible() && !window->isModal());
        QCOMPARE(window->windowTitle() + '|' + browser->documentTitle(), "Tabwise Help|Welcome to Tabwise");
        for (const char* page : { "pages.html", "tray.html", "options.html", "files.html", "keys.html" }) {
            QVERIFY2(browser->toHtml().contains(QString("href=\"") + page), page);
            browser->setSource(QUrl(page)); // links inside the file lead on
            QVERIFY2(browser->toPlainText().size() > 200, page);
            browser->backward();
        }
        QTemporaryDir dir;
        writeFile(dir.filePath("text.chm"), "<html>");
        QVERIFY(QDir(dir.path()).mkdir("folder.chm"));
        for (const QString& bad :
            { dir.filePath("missing.chm"), dir.filePath("text.chm"), dir.filePath("folder.chm") }) {
            viewer.showHelp(nullptr, bad); // the same window: nothing of the good file remains
            QVERIFY(browser->toPlainText().contains(bad + ' ') && !browser->isBackwardAvailable());
            QCOMPARE(viewer.window()->windowTitle(), "Tabwise Help");
        }
        QCOMPARE(browser->toPlainText(),
            "The help file " + dir.filePath("folder.chm") + " cannot be read.\n\nIs a directory");
    }
};

QTEST_MAIN(tst_Panels)
#include "tst_panels.moc"
