// The program's seams to the system: one running copy per application folder and the requests it
// passes on (show, toggle), the command line, the application folder, the autostart entry file, the
// keys asked of the desktop, and the tray icon, the window's stacking and the volumes as Qt and
// Linux offer them.
#include "WindowFixture.h"
#include "app/AppFolder.h"
#include "app/CommandLine.h"
#include "app/RunningWindow.h"
#include "app/SingleInstance.h"
#include "core/settings/AutostartEntry.h"
#include "platform/linux/PortalGlobalKey.h"
#include "platform/linux/QtPlatform.h"
#include "platform/linux/X11GlobalKey.h"
#include "platform/linux/XdgAutostart.h"
#include "ui/help/HelpWindowViewer.h"

#include <QMenu>
#include <QMessageBox>
#include <QProcess>

using namespace tabwise;

class tst_System : public QObject {
    Q_OBJECT
    QTemporaryDir m_runtime;
private Q_SLOTS:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path())); }

    void oneRunningCopyPerFolder()
    {
        QTemporaryDir folder, other;
        QVERIFY(QDir(folder.path()).mkdir("sub") && QFile::link(folder.path(), other.filePath("link")));
        const QString name = SingleInstance::nameFor(folder.path());
        for (const QString& spelling : { folder.path() + "/", folder.path() + "/sub/..", other.filePath("link") })
            QCOMPARE(SingleInstance::nameFor(spelling), name);
        QVERIFY(SingleInstance::nameFor(other.path()) != name);
        {
            SingleInstance first(name);
            QSignalSpy asked(&first, &SingleInstance::showRequested);
            QVERIFY(first.claim() && !SingleInstance(name).claim());
            QTRY_COMPARE(asked.size(), 1); // the running copy is asked to show its window
            const QList<std::pair<const char*, QString>> tokens { { "token_1.2-x", "token_1.2-x" }, { "a b", "" } };
            for (const auto& [given, passed] : tokens) { // with the later start's activation token
                qputenv("XDG_ACTIVATION_TOKEN", given);
                QVERIFY(!SingleInstance(name).claim());
                QTRY_COMPARE(asked.size(), 2);
                QCOMPARE(asked.takeLast().value(0).toString(), passed);
            }
            qunsetenv("XDG_ACTIVATION_TOKEN");
            QVERIFY(SingleInstance(SingleInstance::nameFor(other.path())).claim()); // another folder
        }
        {
            SingleInstance first(name);
            QSignalSpy shown(&first, &SingleInstance::showRequested);
            QSignalSpy toggled(&first, &SingleInstance::toggleRequested);
            QVERIFY(first.claim() && !SingleInstance(name).claim(StartRequest::Toggle));
            QTRY_COMPARE(toggled.size(), 1);
            QVERIFY(!SingleInstance(name).claim(StartRequest::Show));
            QTRY_COMPARE(shown.size(), 1);
            QCOMPARE(toggled.size(), 1);
        }
        QVERIFY(SingleInstance(name).claim()); // free again once the first copy has ended
        QVERIFY(SingleInstance(m_runtime.filePath("none/x")).claim()); // no guard possible: run unguarded
    }

    void lockOfADeadCopyIsTakenOver()
    {
        QTemporaryDir folder;
        const QString name = SingleInstance::nameFor(folder.path());
        QProcess gone;
        gone.start("sh", { "-c", "echo $$" });
        QVERIFY(gone.waitForFinished());
        QFile lock(name + ".lock"), socket(name); // and the socket the crashed copy left behind
        QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(gone.readAllStandardOutput().trimmed() + "\nsh\n\n") > 0);
        QVERIFY(socket.open(QIODevice::WriteOnly));
        lock.close();
        SingleInstance successor(name);
        QSignalSpy asked(&successor, &SingleInstance::showRequested);
        QVERIFY(successor.claim() && !SingleInstance(name).claim());
        QTRY_COMPARE(asked.size(), 1);
    }

    void laterStartShowsTheWindowAfterTheSplash()
    {
        WindowFixture f;
        f.settings().write(Key::StartMinimized, "1");
        MainWindow& w = f.load();
        QWidget splash;
        splash.show();
        showRunningWindow(w, splash);
        QTest::qWait(250);
        QVERIFY(w.isHidden()); // not loaded until the splash hands over
        splash.hide();
        QTRY_VERIFY(w.isVisible() && !w.isMinimized());
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        showRunningWindow(w, splash, true); // --toggle: the window is shown and active, so it goes
        QVERIFY(w.isHidden());
        showRunningWindow(w, splash, true);
        QVERIFY(w.isVisible());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("request");
        QTest::addColumn<int>("exitCode"); // -1: the program runs
        QTest::newRow("none") << QStringList() << int(StartRequest::Start) << -1;
        QTest::newRow("--show") << QStringList("--show") << int(StartRequest::Show) << -1;
        QTest::newRow("--toggle") << QStringList("--toggle") << int(StartRequest::Toggle) << -1;
        QTest::newRow("a file name is no option") << QStringList("notes.txt") << int(StartRequest::Start) << -1;
        QTest::newRow("--help") << QStringList("--help") << int(StartRequest::Start) << 0;
        QTest::newRow("--version") << QStringList("--version") << int(StartRequest::Start) << 0;
        QTest::newRow("both") << QStringList({ "--show", "--toggle" }) << int(StartRequest::Start) << 2;
        QTest::newRow("unknown") << QStringList("--tooggle") << int(StartRequest::Start) << 2;
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, request);
        QFETCH(int, exitCode);
        const CommandLine command = readCommandLine(QStringList("tabwise") + arguments);
        QCOMPARE(int(command.request), request);
        QCOMPARE(command.exitCode, exitCode);
        if (arguments == QStringList("--version"))
            QCOMPARE(command.output, "Tabwise 1.0.10\n");
        else
            QCOMPARE(command.output.contains("--toggle"), exitCode >= 0);
    }

    void applicationFolderFromTheLauncher()
    {
        QTemporaryDir base;
        qputenv("TABWISE_APP_FOLDER", QFile::encodeName(base.path() + "/a/../pages"));
        QCOMPARE(applicationFolder(), base.filePath("pages"));
        QVERIFY(QFileInfo(base.filePath("pages")).isDir());
        qunsetenv("TABWISE_APP_FOLDER");
        QCOMPARE(applicationFolder(), QCoreApplication::applicationDirPath());
        // Start at log-on runs the launcher that named itself, else the program.
        QFile launcher(base.filePath("tabwise"));
        QVERIFY(launcher.open(QIODevice::WriteOnly) && launcher.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        for (const QString& named : { launcher.fileName(), QString("tabwise"), base.filePath("none") }) {
            qputenv("TABWISE_LAUNCHER", QFile::encodeName(named));
            QCOMPARE(startCommand(), named == launcher.fileName() ? named : QCoreApplication::applicationFilePath());
        }
        qunsetenv("TABWISE_LAUNCHER");
    }

    void autostartEntryFile()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QFile entry(config.filePath("autostart/Tabwise.desktop"));
        XdgAutostart autostart("/my apps/tabwise");
        QVERIFY(XdgAutostart("/opt/old").add().ok && autostart.add().ok);
        QVERIFY(entry.open(QIODevice::ReadOnly) && entry.readAll() == autostartEntryText("/my apps/tabwise").toUtf8());
        QVERIFY(autostart.remove().ok && !entry.exists());
        QVERIFY(autostart.remove().ok); // having none is no failure
        QCOMPARE(XdgAutostart("").add().error, "The program's own file is not known.");
        // A file where the autostart folder belongs: no entry, and the failure names the place.
        QFile blocker(config.filePath("autostart"));
        QVERIFY(QDir(blocker.fileName()).removeRecursively() && blocker.open(QIODevice::WriteOnly));
        const FileWrite blocked = autostart.add();
        QVERIFY2(!blocked.ok && blocked.error.startsWith(blocker.fileName() + "\n\n"), qPrintable(blocked.error));
        qunsetenv("XDG_CONFIG_HOME");
    }

    void globalKeysForTheDesktop_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<uint>("symbol"); // X11: the key symbol and the modifier mask
        QTest::addColumn<uint>("mask");
        QTest::addColumn<QString>("trigger"); // the desktop portal
        QTest::newRow("letter") << "Ctrl+Alt+N" << 0x6eu << 0x0cu << "CTRL+ALT+n";
        QTest::newRow("function key") << "Meta+F12" << 0xffc9u << 0x40u << "LOGO+F12";
        QTest::newRow("named key") << "Ctrl+Shift+PgDown" << 0xff56u << 0x05u << "CTRL+SHIFT+Page_Down";
        QTest::newRow("punctuation") << "Ctrl+," << 0x2cu << 0x04u << "CTRL+,";
        QTest::newRow("Latin-1 letter") << "Alt+\u00c9" << 0xe9u << 0x08u << "ALT+\u00e9";
        QTest::newRow("a key without an X11 grab") << "Ctrl+Media Play" << 0u << 0x04u << "CTRL+Media Play";
    }
    void globalKeysForTheDesktop()
    {
        QFETCH(QString, keys);
        const QKeyCombination combination = QKeySequence::fromString(keys, QKeySequence::PortableText)[0];
        QFETCH(uint, symbol);
        QFETCH(uint, mask);
        QFETCH(QString, trigger);
        QCOMPARE(X11GlobalKey::keySymbol(combination.key()), symbol);
        QCOMPARE(X11GlobalKey::modifierMask(combination.keyboardModifiers()), mask);
        QCOMPARE(PortalGlobalKey::triggerText(combination), trigger);
    }

    void messagesShowTextAsText()
    {
        HelpWindowViewer help;
        QtPlatform platform(help, QString());
        const QString prompt = "Save changes to <b>R&D</b>?";
        QString shown;
        QTimer::singleShot(0, [&shown] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = box->textFormat() == Qt::PlainText ? box->text() : "(markup)";
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(platform.messages().show(nullptr, prompt, msgbox::YesNo | msgbox::Question), msgbox::No);
        QCOMPARE(shown, prompt);
    }

    void trayStackingAndVolumes()
    {
        HelpWindowViewer help;
        QtPlatform platform(help, "/usr/bin/tabwise");
        QWidget window;
        NotifyIcon& tray = platform.notifyIcon();
        QMenu menu;
        QVERIFY(!tray.addIcon(&window, "Tabwise", &menu) && !tray.available()); // no tray here: it waits
        tray.removeIcon();
        platform.zOrder().setTopmost(&window, true, QPoint(464, 259));
        QVERIFY((window.windowFlags() & Qt::WindowStaysOnTopHint) && window.pos() == QPoint(464, 259));
        platform.zOrder().setTopmost(&window, false, QPoint(1, 2));
        QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
        const QList<Volume> volumes = platform.volumes().mountedVolumes();
        QVERIFY(volumes.first().rootPath == "/" && platform.volumes().isReady(volumes.first()));
        QVERIFY(!platform.volumes().isReady({ Volume::Kind::Removable, m_runtime.filePath("gone"), "gone" }));
        QVERIFY(!platform.volumes().isReady({ Volume::Kind::Removable, m_runtime.path(), "medium taken out" }));
    }
};

QTEST_MAIN(tst_System)
#include "tst_system.moc"
