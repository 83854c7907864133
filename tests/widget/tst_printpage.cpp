// Printing a page through the printer dialog into a real PDF file, read back with pdftotext.
#include "FormFixture.h"

#include "ui/ListBox.h"
#include "ui/PrintDocument.h"
#include "ui/CommandLabel.h"
#include "ui/TabControl.h"

#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTest>

using namespace tabwise;

namespace {

// The text of each page of a PDF file, line by line, without trailing blanks and blank lines at a
// page's end.
QList<QStringList> pdfPages(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitStatus() != QProcess::NormalExit
        || pdftotext.exitCode() != 0) {
        qWarning() << "pdftotext failed:" << pdftotext.errorString() << pdftotext.readAllStandardError();
        return {};
    }
    QList<QStringList> pages;
    QStringList pageTexts = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    pageTexts.removeLast(); // every page ends with a form feed
    for (const QString& pageText : pageTexts) {
        QStringList lines;
        for (const QString& line : pageText.split(u'\n'))
            lines << line.trimmed();
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        pages << lines;
    }
    return pages;
}

QStringList allLines(const QList<QStringList>& pages)
{
    QStringList lines;
    for (const QStringList& page : pages)
        lines << page;
    return lines;
}

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("line %1").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
}

} // namespace

class tst_PrintPage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void printsWhatThePageHolds_data();
    void printsWhatThePageHolds();
    void longTextWrapsAndBreaksIntoPages_data();
    void longTextWrapsAndBreaksIntoPages();
    void cancelPrintsNothing();
    void printerFailureIsReported_data();
    void printerFailureIsReported();
    void keyboardPrintsTheCurrentPage_data();
    void keyboardPrintsTheCurrentPage();
    void ctrlPWhileTyping();
    void pageBreaksOnAnyPaper_data();
    void pageBreaksOnAnyPaper();
    void chosenPageRangeOnly();
};

void tst_PrintPage::initTestCase()
{
    QProcess probe;
    probe.start(QStringLiteral("pdftotext"), { QStringLiteral("-v") });
    QVERIFY2(probe.waitForFinished(), "pdftotext (poppler-utils) is needed to read the printed PDF");
}

// Puts a page on the current tab with the given content, as a user would leave it.
static void preparePage(Form1& w, int tab, const QString& boxText, const QStringList& entries, bool editing)
{
    w.SSTab1->setTab(tab);
    const Form1::PageControls page = w.page(tab);
    if (!page.list) {
        page.text->setPlainText(boxText); // typed, not saved
        return;
    }
    QFile file(w.pageFilePath(tab));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(entries.isEmpty() ? QByteArray() : (entries.join(QStringLiteral("\r\n")) + "\r\n").toUtf8());
    file.close();
    page.list->Clear();
    w.List_Load(page.list, w.pageFilePath(tab));
    if (editing)
        w.SaveList(page.list, w.pageFilePath(tab)); // what Edit does first: both lists end up empty
}

void tst_PrintPage::printsWhatThePageHolds_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QStringList>("printed");
    QTest::newRow("text page with unsaved text")
        << 0 << QStringLiteral("typed, not saved\nsecond line") << QStringList {} << false
        << QStringList { "typed, not saved", "second line" };
    QTest::newRow("empty text page is one empty document")
        << 1 << QString() << QStringList {} << false << QStringList {};
    QTest::newRow("Other page") << 4 << QStringLiteral("other text") << QStringList {} << false
                                << QStringList { "other text" };
    QTest::newRow("e-mail list a and b") << 2 << QString() << QStringList { "a", "b" } << false
                                         << QStringList { "a", "b" };
    QTest::newRow("web list in list order") << 3 << QString() << QStringList { "www.example.com", "b", "a" } << false
                                            << QStringList { "www.example.com", "b", "a" };
    QTest::newRow("list page being edited prints no lines")
        << 2 << QString() << QStringList { "a", "b" } << true << QStringList {};
}

void tst_PrintPage::printsWhatThePageHolds()
{
    QFETCH(int, tab);
    QFETCH(QString, boxText);
    QFETCH(QStringList, entries);
    QFETCH(bool, editing);
    QFETCH(QStringList, printed);

    FormFixture f;
    f.seedDesignSettings();
    f.writePage("notes.ntr", "saved text\r\n");
    Form1& w = f.load();
    preparePage(w, tab, boxText, entries, editing);
    const QByteArray filesBefore = f.pageBytes(pageTable[std::size_t(tab)].fileName);
    f.platform.printToFile = f.tempPath(QStringLiteral("out.pdf"));

    QTest::mouseClick(w.page(tab).print, Qt::LeftButton);

    QCOMPARE(f.platform.printerDialogs, 1);
    QCOMPARE(f.platform.messageTexts(), QStringList {});
    const QList<QStringList> pages = pdfPages(f.platform.printToFile);
    QCOMPARE(pages.size(), 1); // one document, even with nothing in it
    QCOMPARE(pages.first(), printed);
    QCOMPARE(f.pageBytes(pageTable[std::size_t(tab)].fileName), filesBefore); // printing writes no page
}

void tst_PrintPage::longTextWrapsAndBreaksIntoPages_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("severalPages");
    QString words;
    for (int i = 1; i <= 120; ++i)
        words += QStringLiteral("word%1 ").arg(i);
    QTest::newRow("long line of words wraps between words") << words.trimmed() << false;
    QTest::newRow("one word wider than the page wraps inside it") << QStringLiteral("0123456789").repeated(60) << false;
    QTest::newRow("many lines run on over several pages") << numberedLines(250).join(u'\n') << true;
}

void tst_PrintPage::longTextWrapsAndBreaksIntoPages()
{
    QFETCH(QString, text);
    QFETCH(bool, severalPages);

    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    w.txtNotes->setPlainText(text);
    f.platform.printToFile = f.tempPath(QStringLiteral("out.pdf"));

    QTest::mouseClick(w.lblprintnotes, Qt::LeftButton);

    const QList<QStringList> pages = pdfPages(f.platform.printToFile);
    QVERIFY(!pages.isEmpty());
    QCOMPARE(pages.size() > 1, severalPages);
    const QStringList lines = allLines(pages);
    if (severalPages) {
        // Every line once, in order: none lost at a page break, no page numbers or headings.
        QCOMPARE(lines, text.split(u'\n'));
    } else {
        // Wrapped into several printed lines, and nothing cut off at the right margin.
        QVERIFY2(lines.size() > 1, qPrintable(lines.join(u'|')));
        const QString separator = text.contains(u' ') ? QStringLiteral(" ") : QString();
        QCOMPARE(lines.join(separator), text);
    }
}

void tst_PrintPage::cancelPrintsNothing()
{
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    w.txtNotes->setPlainText(QStringLiteral("abc"));
    f.platform.printToFile = f.tempPath(QStringLiteral("out.pdf"));
    f.platform.printerDialogAccepts = false;

    QTest::mouseClick(w.lblprintnotes, Qt::LeftButton);

    QCOMPARE(f.platform.printerDialogs, 1);
    QVERIFY(!QFile::exists(f.platform.printToFile));
    QCOMPARE(f.platform.messageTexts(), QStringList {});
}

void tst_PrintPage::printerFailureIsReported_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason"); // the message names the file, or says what is missing
    QTest::newRow("folder of the file missing") << QStringLiteral("missing/out.pdf") << QString();
    QTest::newRow("folder path through a regular file") << QStringLiteral("plain-file/out.pdf") << QString();
    QTest::newRow("file name is a folder") << QStringLiteral("a-folder") << QString();
    QTest::newRow("no printer and no file") << QString() << QStringLiteral("No file was chosen");
}

void tst_PrintPage::printerFailureIsReported()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    QFile plain(f.tempPath(QStringLiteral("plain-file")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(QDir().mkpath(f.tempPath(QStringLiteral("a-folder"))));
    w.txtNotes->setPlainText(QStringLiteral("kept on screen"));
    f.platform.printToFile = target.isEmpty() ? QString() : f.tempPath(target);

    QTest::mouseClick(w.lblprintnotes, Qt::LeftButton);

    QCOMPARE(f.platform.messagesShown.size(), 1);
    const FakePlatform::Message message = f.platform.messagesShown.first();
    if (reason.isEmpty())
        reason = f.platform.printToFile;
    QVERIFY2(message.prompt.contains(reason), qPrintable(message.prompt));
    QCOMPARE(message.style, msgbox::OkOnly | msgbox::Critical);
    QCOMPARE(w.txtNotes->toPlainText(), QStringLiteral("kept on screen"));
    QVERIFY(QFileInfo(plain.fileName()).isFile());
    QCOMPARE(QFileInfo(plain.fileName()).size(), 0);
    QVERIFY(!QFileInfo::exists(f.tempPath(QStringLiteral("missing"))));

    // The program goes on: the next print to a good file works.
    f.platform.printToFile = f.tempPath(QStringLiteral("out.pdf"));
    QTest::mouseClick(w.lblprintnotes, Qt::LeftButton);
    QCOMPARE(pdfPages(f.platform.printToFile), QList<QStringList> { QStringList { "kept on screen" } });
}

void tst_PrintPage::keyboardPrintsTheCurrentPage_data()
{
    QTest::addColumn<int>("modifier");
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("optionsShown");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("Ctrl+P on the e-mail page") << int(Qt::ControlModifier) << 2 << false << 1;
    QTest::newRow("Ctrl+P on the web page") << int(Qt::ControlModifier) << 3 << false << 1;
    QTest::newRow("Alt+P on the web page") << int(Qt::AltModifier) << 3 << false << 1;
    QTest::newRow("Ctrl+P over the options panel") << int(Qt::ControlModifier) << 3 << true << 0;
}

void tst_PrintPage::keyboardPrintsTheCurrentPage()
{
    QFETCH(int, modifier);
    QFETCH(int, tab);
    QFETCH(bool, optionsShown);
    QFETCH(int, dialogs);

    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    preparePage(w, tab, QString(), { QStringLiteral("entry of tab %1").arg(tab) }, false);
    w.frameoptions->setVisible(optionsShown);
    f.platform.printToFile = f.tempPath(QStringLiteral("out.pdf"));

    QTest::keyClick(&w, Qt::Key_P, Qt::KeyboardModifiers(modifier));

    // An access key clicks its label a moment later, as a mouse click would.
    QTest::qWait(300);
    QCOMPARE(f.platform.printerDialogs, dialogs);
    if (dialogs > 0)
        QCOMPARE(pdfPages(f.platform.printToFile),
            QList<QStringList> { QStringList { QStringLiteral("entry of tab %1").arg(tab) } });
}

void tst_PrintPage::ctrlPWhileTyping()
{
    // The text box does not keep Ctrl+P for itself.
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    preparePage(w, 4, QStringLiteral("typed just now"), {}, false);
    w.txtOther->setFocus();
    f.platform.printToFile = f.tempPath(QStringLiteral("out.pdf"));

    QTest::keyClick(w.txtOther, Qt::Key_P, Qt::ControlModifier);

    QCOMPARE(f.platform.printerDialogs, 1);
    QCOMPARE(pdfPages(f.platform.printToFile), QList<QStringList> { QStringList { "typed just now" } });
    QCOMPARE(w.txtOther->toPlainText(), QStringLiteral("typed just now"));
}

void tst_PrintPage::pageBreaksOnAnyPaper_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("resolution");
    QTest::newRow("A4, high resolution") << int(QPageSize::A4) << int(QPrinter::HighResolution);
    QTest::newRow("A4, screen resolution") << int(QPageSize::A4) << int(QPrinter::ScreenResolution);
    QTest::newRow("Letter") << int(QPageSize::Letter) << int(QPrinter::HighResolution);
    QTest::newRow("A6") << int(QPageSize::A6) << int(QPrinter::HighResolution);
    QTest::newRow("Legal, screen resolution") << int(QPageSize::Legal) << int(QPrinter::ScreenResolution);
}

void tst_PrintPage::pageBreaksOnAnyPaper()
{
    // Every line once, on one page only, whatever the page height comes to in printer pixels.
    QFETCH(int, paper);
    QFETCH(int, resolution);
    QPrinter printer { QPrinter::PrinterMode(resolution) };
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
    QTemporaryDir dir;
    printer.setOutputFileName(dir.filePath(QStringLiteral("paper.pdf")));
    const QStringList lines = numberedLines(500);

    QVERIFY(printDocument(printer, lines).ok);

    const QList<QStringList> pages = pdfPages(printer.outputFileName());
    QVERIFY(pages.size() > 2);
    QCOMPARE(allLines(pages), lines);
}

void tst_PrintPage::chosenPageRangeOnly()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QTemporaryDir dir;
    printer.setOutputFileName(dir.filePath(QStringLiteral("range.pdf")));
    const QStringList lines = numberedLines(400);
    printer.setFromTo(2, 3);

    QVERIFY(printDocument(printer, lines).ok);

    const QList<QStringList> pages = pdfPages(printer.outputFileName());
    QCOMPARE(pages.size(), 2);
    const int perPage = int(pages.first().size());
    QCOMPARE(allLines(pages), lines.mid(perPage, 2 * perPage));
}

QTEST_MAIN(tst_PrintPage)
#include "tst_printpage.moc"
