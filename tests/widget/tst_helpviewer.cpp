// The help viewer opens the program's compiled help file at its default topic, follows its links
// and says clearly when a file cannot be shown.
#include "ui/HelpBrowser.h"
#include "ui/HelpWindow.h"
#include "ui/HelpWindowViewer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tabwise;

namespace {
const QString builtHelp = QStringLiteral(TABWISE_BUILT_HELP_FILE);
}

class HelpViewerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensAtDefaultTopic();
    void followsLinksInsideTheFile();
    void unreadableFileGivesMessage_data();
    void unreadableFileGivesMessage();
};

void HelpViewerTest::opensAtDefaultTopic()
{
    ChmHelpViewer viewer;
    viewer.showHelp(nullptr, builtHelp);
    // It returns at once, with the window open on its own.
    HelpWindow* window = viewer.window();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tabwise Help"));
    QCOMPARE(window->browser()->source(), QUrl(QStringLiteral("/index.html")));
    QCOMPARE(window->browser()->documentTitle(), QStringLiteral("Welcome to Tabwise"));
    QVERIFY(window->browser()->toPlainText().contains(QLatin1String("Getting started")));

    // Asking again reuses the one window and starts over at the default topic.
    window->browser()->setSource(QUrl(QStringLiteral("tray.html")));
    viewer.showHelp(nullptr, builtHelp);
    QCOMPARE(viewer.window(), window);
    QCOMPARE(window->browser()->documentTitle(), QStringLiteral("Welcome to Tabwise"));
    QVERIFY(!window->browser()->isBackwardAvailable());
}

void HelpViewerTest::followsLinksInsideTheFile()
{
    HelpWindow window;
    window.openFile(builtHelp);
    HelpBrowser* browser = window.browser();
    const QStringList pages { QStringLiteral("pages.html"), QStringLiteral("tray.html"), QStringLiteral("options.html"),
        QStringLiteral("files.html") };
    for (const QString& page : pages) {
        QVERIFY2(browser->toHtml().contains(QLatin1String("href=\"") + page), qPrintable(page));
        browser->setSource(QUrl(page));
        QVERIFY2(!browser->toPlainText().trimmed().isEmpty(), qPrintable(page));
        QVERIFY(browser->toHtml().contains(QLatin1String("href=\"index.html\"")));
        browser->setSource(QUrl(QStringLiteral("index.html")));
    }
    browser->setSource(QUrl(QStringLiteral("files.html")));
    QVERIFY(browser->toPlainText().contains(QLatin1String("notes.ntr")));
    browser->backward();
    QCOMPARE(browser->documentTitle(), QStringLiteral("Welcome to Tabwise"));
}

void HelpViewerTest::unreadableFileGivesMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "absent.chm" << QByteArray() << "does not exist";
    QTest::newRow("empty") << "empty.chm" << QByteArray("") << "not a compiled help file";
    QTest::newRow("text") << "text.chm" << QByteArray("<html>not compiled</html>") << "not a compiled help file";
    QTest::newRow("binary") << "binary.chm" << QByteArray("ITSF\x03\0\0\0\xff\xff", 10) << "not a compiled help file";
    QTest::newRow("folder") << "folder.chm" << QByteArray() << "cannot be read";
}

void HelpViewerTest::unreadableFileGivesMessage()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (name.startsWith(QLatin1String("folder"))) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    ChmHelpViewer viewer;
    viewer.showHelp(nullptr, builtHelp); // a good file first: nothing of it may remain
    viewer.showHelp(nullptr, path);
    HelpBrowser* browser = viewer.window()->browser();
    QVERIFY(viewer.window()->isVisible());
    QVERIFY2(browser->toPlainText().contains(reason), qPrintable(browser->toPlainText()));
    QVERIFY(browser->toPlainText().contains(path));
    QVERIFY(!browser->isBackwardAvailable());
    QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("Tabwise Help"));
    // Links of the former file lead nowhere now.
    browser->setSource(QUrl(QStringLiteral("tray.html")));
    QVERIFY(!browser->toPlainText().contains(QLatin1String("tray menu")));
}

QTEST_MAIN(HelpViewerTest)
#include "tst_helpviewer.moc"
