// The five pages, one component over five files: editing, saving and switching, the questions about
// unsaved typing, opening list entries, hostile page files and printing.
#include "WindowFixture.h"
#include "core/spelling/PageSpelling.h"
#include "core/spelling/PersonalDictionary.h"
#include "ui/common/NoteBar.h"
#include "ui/page/PageColours.h"
#include "ui/page/SpellingMarks.h"
#include "ui/panels/OptionsPanel.h"
#include "ui/panels/SpellingChoice.h"
#include "ui/print/PagePrinter.h"
#include "ui/print/PrintJob.h"

#include <QComboBox>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <sys/stat.h>

using namespace tabwise;

namespace {

const QString hostile = " \"a b\"; $(rm -rf ~) `id` <x@y> "; // an entry no shell may see

// What the page shows: its text box, or each entry of its list on a line.
QString shown(const PageView* page)
{
    const QPlainTextEdit* box = page->textBox();
    return box->isVisible() ? box->toPlainText() : listEntries(page->entryList()).join('\n') + '\n';
}

// The text of a PDF file: its pages' lines, each page ended by a form feed.
QString pdfText(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", { pdf, "-" });
    return pdftotext.waitForFinished(60000) ? QString::fromUtf8(pdftotext.readAllStandardOutput()) : QString();
}

} // namespace

class tst_Pages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void editSaveAndSwitch_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("opened"); // by a double-click on the entry, or the message instead
        QTest::newRow("notes") << 0 << "";
        QTest::newRow("phone") << 1 << "";
        QTest::newRow("email") << 2 << "mailto:x@y"; // the address alone
        QTest::newRow("web") << 3 << '"' + hostile.trimmed() + "\" is not a web address.";
        QTest::newRow("other") << 4 << "";
    }
    void editSaveAndSwitch()
    {
        QFETCH(int, tab);
        QFETCH(QString, opened);
        WindowFixture f;
        f.writePage(pageFileName(tab), "old\r\n" + hostile.toUtf8() + "\r\n");
        MainWindow& w = f.load();
        w.showPage(tab);
        PageView* page = w.page(tab);
        QCOMPARE(w.windowTitle() + page->saveButton()->caption(),
            QString("Tabwise (%1)&Save %1").arg(pageTable[std::size_t(tab)].defaultCaption));
        QCOMPARE(shown(page), "old\n" + hostile + "\n");
        if (ListBox* list = page->entryList()) {
            // Below the entries nothing opens; an entry opens as one argument.
            for (QPoint at : { QPoint(5, list->height() - 5), list->visualRect(list->model()->index(1, 0)).center() }) {
                for (auto event : { QTest::MousePress, QTest::MouseRelease, QTest::MousePress, QTest::MouseDClick })
                    QTest::mouseEvent(event, list->viewport(), Qt::LeftButton, {}, at);
            }
            QCOMPARE((f.platform.opened + f.platform.messageTexts()).join('|'), opened);
            f.platform.messagesShown.clear();
        }
        typeOn(page, "new");
        QVERIFY(page->textBox()->isVisible() && hasEditingColour(page->textBox()) && page->hasUnsavedText());
        QSignalSpy saved(page, &PageView::saved);
        page->saveButton()->click();
        QCOMPARE(saved.size(), 1);
        QCOMPARE(f.pageBytes(pageFileName(tab)), "old\r\n" + hostile.toUtf8() + "\r\nnew\r\n");
        QVERIFY(!page->hasUnsavedText() && !hasEditingColour(page->textBox()));
        QCOMPARE(page->textBox()->isHidden(), page->isList()); // a list page shows its list again
        f.writePage(pageFileName(tab), "other\r\n"); // another program changes the file
        w.showPage((tab + 1) % pageCount);
        w.showPage(tab);
        QCOMPARE(shown(page), "other\n");
        for (int t = 0; t < pageCount; ++t) // no other page was written
            QCOMPARE(QFile::exists(f.appFolder() + '/' + pageFileName(t)), t == tab);
        QVERIFY(f.platform.messagesShown.isEmpty());
    }

    void unsavedTyping_data()
    {
        QTest::addColumn<QString>("how"); // the step that would leave the typing behind
        QTest::addColumn<QList<int>>("answers"); // for the notes page, then the web page
        QTest::addColumn<int>("asked");
        QTest::addColumn<QByteArray>("saved"); // the two pages' files
        QTest::addColumn<QString>("shown"); // by the web page after switching
        const QByteArray old = "old\r\n", a = "old\r\na\r\n", b = "old\r\nb\r\n";
        const int yes = msgbox::Yes, no = msgbox::No, cancel = msgbox::Cancel;
        QTest::newRow("switching: nothing asked, typing kept") << "switch" << QList<int>() << 0 << old + old << "old|b";
        QTest::newRow("close: no, yes") << "close" << QList { no, yes } << 2 << old + b << "";
        QTest::newRow("close: yes, cancel") << "close" << QList { yes, cancel } << 2 << a + old << "";
        QTest::newRow("tray exit: no, no") << "exit" << QList { no, no } << 2 << old + old << "";
        QTest::newRow("session end: kept in drafts, files untouched")
            << "session" << QList<int>() << 0 << old + old << "";
    }
    void unsavedTyping()
    {
        QFETCH(QString, how);
        QFETCH(QList<int>, answers);
        QFETCH(int, asked);
        QFETCH(QByteArray, saved);
        QFETCH(QString, shown);
        WindowFixture f;
        f.settings().write(Key::TabName4, " Sites ");
        f.writePage("notes.ntr", "old\r\n");
        f.writePage("web.ntr", "old\r\n");
        MainWindow& w = f.load();
        typeOn(w.page(0), "a");
        w.showPage(3);
        typeOn(w.page(3), "b");
        QSignalSpy unloaded(&w, &MainWindow::unloaded);
        f.platform.answers = answers;
        for (int tab : { 0, 3 }) // a page shown again reads its file
            how == "switch" ? w.showPage(tab) : void();
        how == "close" ? void(w.close()) : how == "exit" ? w.actions()->exit->trigger() : void();
        if (how == "session") // no question can be asked
            w.endWithoutAsking();
        QCOMPARE(f.platform.messageTexts(),
            QStringList({ "Save changes to Notes?", "Save changes to  Sites ?" }).mid(0, asked));
        QVERIFY(asked == 0 || f.platform.messagesShown[0].style == (msgbox::YesNoCancel | msgbox::Question));
        QCOMPARE(f.pageBytes("notes.ntr") + f.pageBytes("web.ntr"), saved);
        const bool closed = how != "switch" && !answers.contains(msgbox::Cancel);
        QCOMPARE(unloaded.size() + f.platform.trayRemoves, closed ? 2 : 0);
        QCOMPARE(w.isVisible(), !closed || how == "session");
        if (how == "switch")
            QCOMPARE(QString::number(w.tabs()->currentIndex()) + ::shown(w.page(3)), "3" + shown.replace('|', '\n'));
    }

    void untouchedPageKeepsItsBytes_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("saved");
        const auto row = [](const char* name, const QByteArray& file, const char* added, int tab = 0) {
            QTest::newRow(name) << tab << file << file + added;
        };
        row("missing", QByteArray(), "\r\n");
        row("NUL bytes", QByteArray("a\0b\0\0c\r\n", 8), "");
        row("not UTF-8", "caf\xe9 \xff\xfe\x80\r\n", "");
        row("UTF-8 cut off", "ab\xe2\x82", "\r\n");
        row("UTF-16", QByteArray("\xff\xfeh\0i\0\r\0\n\0", 10), "\r\n");
        row("lone CR, lone LF", "a\rb\nc\r\nd", "\r\n");
        row("separators in the file", "a\xe2\x80\xa8-\xe2\x80\xa9-\r", "");
        row("5 MB line", QByteArray(5 << 20, 'x'), "\r\n");
        row("byte-order mark",
            "\xef\xbb\xbf"
            "a",
            "\r\n");
        row("list saved while viewed", "a\rb\nc", "", 2);
    }
    void untouchedPageKeepsItsBytes()
    {
        QFETCH(int, tab);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, saved);
        WindowFixture f;
        if (!file.isEmpty())
            f.writePage(pageFileName(tab), file);
        QThread::msleep(150); // written long enough ago to be told apart from a later change
        MainWindow& w = f.load();
        w.showPage(tab);
        PageView* page = w.page(tab);
        QCOMPARE(w.tabs()->tabText(tab), pageTable[std::size_t(tab)].defaultCaption); // not marked unsaved
        // A line too long to wrap in good time is shown unwrapped.
        QCOMPARE(page->textBox()->lineWrapMode() == QPlainTextEdit::NoWrap, file.size() > 10'000);
        if (!page->isList())
            page->editButton()->click();
        page->saveButton()->click();
        QVERIFY(f.pageBytes(pageFileName(tab)) == saved);
        typeOn(page, "z"); // and typing is saved as usual
        page->saveButton()->click();
        const QByteArray typed = f.pageBytes(pageFileName(tab));
        QVERIFY(typed.endsWith("z\r\n") && !typed.startsWith("\xef\xbb\xbf") && f.platform.messagesShown.isEmpty());
    }

    void byteOrderMarkIsNoText_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("opened");
        QTest::newRow("email") << 2 << "x@example.org"
                               << "mailto:x@example.org";
        QTest::newRow("web") << 3 << "https://example.org/bom"
                             << "https://example.org/bom";
    }
    void byteOrderMarkIsNoText()
    {
        QFETCH(int, tab);
        QFETCH(QString, entry);
        QFETCH(QString, opened);
        WindowFixture f;
        f.writePage(pageFileName(tab), "\xef\xbb\xbf" + entry.toUtf8() + "\r\n"); // as editors on Windows write
        MainWindow& w = f.load();
        w.showPage(tab);
        ListBox* list = w.page(tab)->entryList();
        const QPoint first = list->visualRect(list->model()->index(0, 0)).center();
        for (auto event : { QTest::MousePress, QTest::MouseRelease, QTest::MousePress, QTest::MouseDClick })
            QTest::mouseEvent(event, list->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(f.platform.opened, QStringList { opened });
    }

    void spellingFromTheMenu()
    {
        // A dictionary of the test's own, so that nothing depends on those the system has.
        WindowFixture f;
        writeFile(f.tempPath("dictionaries/en_US.aff"), "SET UTF-8\nTRY elohwrdtsa\n");
        writeFile(f.tempPath("dictionaries/en_US.dic"), "4\nhello\nworld\nthere\nsay\n");
        f.platform.dictionaryFolderList = { f.tempPath("dictionaries") };
        QFile::remove(PersonalDictionary::defaultPath());
        f.writePage("notes.ntr", "helo wrold ther\r\n");
        MainWindow& w = f.load();
        PageView* page = w.page(0);
        page->setSpelling(w.spelling());
        QTRY_VERIFY(page->spellingMarks()->markedWordAt(12).has_value());
        // Underlined in red below the first line's words, over the box.
        const QImage shown = page->textBox()->grab().toImage();
        const QRect line
            = page->textBox()->cursorRect(page->textBox()->textCursor()).translated(page->textBox()->viewport()->pos());
        int red = 0;
        for (int y = line.top(); y <= line.bottom() + 4; ++y) {
            for (int x = 0; x < shown.width(); ++x)
                red += shown.pixelColor(x, y) == Qt::red;
        }
        QVERIFY2(red > 20, qPrintable(QString::number(red)));
        const auto menuAt = [page](int position) {
            qDeleteAll(page->textBox()->findChildren<QMenu*>()); // the menu before
            QTextCursor at(page->textBox()->document());
            at.setPosition(position);
            Q_EMIT page->textBox()->customContextMenuRequested(page->textBox()->cursorRect(at).center());
            return page->textBox()->findChild<QMenu*>()->actions();
        };
        const auto entry = [](const QList<QAction*>& actions, const QString& text) {
            return *std::find_if(actions.begin(), actions.end(), [&text](QAction* a) { return a->text() == text; });
        };
        // A suggestion replaces the word as typing, in editing, that Undo takes back.
        QList<QAction*> actions = menuAt(1);
        QCOMPARE(actions.first()->text(), "hello");
        actions.first()->trigger();
        QCOMPARE(page->textBox()->toPlainText(), "hello wrold ther\n");
        QVERIFY(hasEditingColour(page->textBox()) && page->hasUnsavedText());
        page->textBox()->undo();
        QCOMPARE(page->textBox()->toPlainText(), "helo wrold ther\n");
        // Add to Dictionary keeps the word in the user's own file; Ignore for the session.
        entry(menuAt(7), "&Add to Dictionary")->trigger();
        QFile personal(PersonalDictionary::defaultPath());
        QVERIFY(personal.open(QIODevice::ReadOnly) && personal.readAll().contains("wrold"));
        entry(menuAt(12), "&Ignore")->trigger();
        QTRY_VERIFY(!page->spellingMarks()->markedWordAt(7) && !page->spellingMarks()->markedWordAt(12));
        QVERIFY(page->spellingMarks()->markedWordAt(1).has_value());
        // Check Spelling, off for this page, stored; list pages have no such entry.
        QAction* toggle = entry(menuAt(1), "Check &Spelling");
        QVERIFY(toggle->isChecked());
        toggle->trigger();
        QCOMPARE(f.settings().read(Key::CheckSpellingNotes), "0");
        QVERIFY(!page->spellingMarks()->isActive() && page->spellingMarks()->markCount() == 0);
        QVERIFY(!w.page(2)->spellingMarks());
        // The options panel's dictionary: the one in use is chosen, nothing is stored unless it
        // changes, and Off checks no page.
        entry(menuAt(1), "Check &Spelling")->trigger();
        QTRY_VERIFY(page->spellingMarks()->markedWordAt(1).has_value());
        QComboBox* list = w.optionsPanel()->spellingChoice()->list();
        for (const QString chosen : { "en_US", "Off" }) {
            w.openOptions();
            QCOMPARE(list->itemText(0) + '|' + list->itemText(1), "Off|English (US)");
            QCOMPARE(list->currentData().toString(), "en_US");
            list->setCurrentIndex(list->findData(chosen));
            w.optionsPanel()->okButton()->click();
            QCOMPARE(f.settings().read(Key::SpellingLanguage), chosen == "Off" ? "Off" : "");
        }
        QVERIFY(!w.spelling()->isChecked(0) && page->spellingMarks()->markCount() == 0);
    }

    void pageThatCannotBeRead()
    {
        for (const bool pipe : { false, true }) { // a folder or a named pipe in the page file's place
            WindowFixture f;
            const QString notes = f.appFolder() + "/notes.ntr";
            QVERIFY(pipe ? ::mkfifo(QFile::encodeName(notes).constData(), 0600) == 0 : QDir().mkpath(notes));
            MainWindow& w = f.load();
            QCOMPARE(f.platform.messageTexts().join('|'),
                "The page could not be read:\n\n" + notes + "\n\n"
                    + (pipe ? "This is not a regular file." : "This is a folder, not a page file."));
            QVERIFY(w.isVisible() && w.page(0)->textBox()->toPlainText().isEmpty());
            // Typing never takes the place of what cannot be read; it stays on screen, unsaved.
            typeOn(w.page(0), "keep me");
            w.page(0)->saveButton()->click();
            QVERIFY(f.platform.messageTexts().last().startsWith("The page could not be saved"));
            QVERIFY(w.page(0)->textBox()->toPlainText() == "keep me" && w.page(0)->hasUnsavedText());
            if (pipe)
                continue;
            // A list that cannot be read says so too, and its Edit shows what the list shows, never
            // the text of an earlier edit.
            const QString email = f.appFolder() + "/email.ntr";
            f.writePage("email.ntr", "a@b\r\n");
            w.showPage(2);
            typeOn(w.page(2), "earlier");
            QVERIFY(w.page(2)->save());
            QVERIFY(QFile::remove(email) && QDir().mkpath(email));
            w.showPage(0);
            w.showPage(2);
            QCOMPARE(f.platform.messageTexts().last(),
                "The page could not be read:\n\n" + email + "\n\nThis is a folder, not a page file.");
            w.page(2)->editButton()->click();
            QCOMPARE(w.page(2)->textBox()->toPlainText(), "\n"); // its one empty entry
        }
    }

    void printing_data()
    {
        QTest::addColumn<QString>("pdf"); // none: the dialog is cancelled; empty: no file chosen
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("typed"); // "c" typed at the end after Edit
        QTest::addColumn<QString>("printed"); // the lines printed, or what the failure says
        QTest::newRow("text page as it stands") << "out.pdf" << 1 << true << "a|b|c";
        QTest::newRow("list page") << "out.pdf" << 3 << false << "a|b";
        QTest::newRow("list page being edited") << "out.pdf" << 2 << true << "a|b|c";
        QTest::newRow("cancelled") << QString() << 1 << true << "";
        QTest::newRow("no file") << "" << 1 << true
                                 << "The page could not be printed.||No file was chosen to print to.";
        QTest::newRow("unwritable") << "no/out.pdf" << 3 << false
                                    << "The page could not be printed.||The file could not be written:||{pdf}||"
                                       "No such file or directory";
    }
    void printing()
    {
        QFETCH(QString, pdf);
        QFETCH(int, tab);
        QFETCH(bool, typed);
        QFETCH(QString, printed);
        WindowFixture f;
        f.writePage(pageFileName(tab), "a\r\nb\r\n");
        MainWindow& w = f.load();
        w.showPage(tab);
        if (typed)
            typeOn(w.page(tab), "c");
        f.platform.printerDialogAccepts = !pdf.isNull();
        f.platform.printToFile = pdf.isEmpty() ? pdf : f.tempPath(pdf);
        w.page(tab)->printButton()->click();
        // Printed a slice at a time while the event loop turns: a busy machine needs more than one.
        QTRY_VERIFY_WITH_TIMEOUT(!w.page(tab)->printer()->isPrinting(), 20000);
        const QString pdfLines = pdfText(f.platform.printToFile).remove('\f').trimmed();
        QCOMPARE(f.platform.messageTexts().join("") + pdfLines,
            printed.replace("{pdf}", pdf.isEmpty() ? "" : f.tempPath(pdf)).replace('|', '\n'));
    }

    void longPageInSlicesCancelledThenWholeAndARange()
    {
        WindowFixture f;
        QByteArray text;
        QStringList lines;
        for (int i = 1; i <= 20000; ++i) {
            text += "Line " + QByteArray::number(i) + "\r\n";
            lines << QString("Line %1").arg(i);
        }
        f.writePage("other.ntr", text);
        MainWindow& w = f.load();
        w.showPage(4);
        PagePrinter* printer = w.page(4)->printer();
        QSignalSpy finished(printer, &PagePrinter::finished);
        const QString pdf = f.platform.printToFile = f.tempPath("long.pdf");
        writeFile(pdf, "kept");
        // Cancelled from its note: the file chosen is as it was, and nothing is left beside it.
        w.page(4)->printButton()->click();
        QVERIFY(printer->isPrinting() && printer->note()->text().startsWith("Printing Other: "));
        QTest::mouseClick(printer->note()->findChild<QPushButton*>("cancelPrintButton"), Qt::LeftButton);
        QVERIFY(finished.size() == 1 && pdfText(pdf).isEmpty());
        QCOMPARE(QDir(f.tempPath("")).entryList(QDir::Files | QDir::Hidden), QStringList { "long.pdf" });
        // Printed whole, a slice at a time: the event loop turns while it prints, and no line is cut
        // off at the foot of a page.
        int turns = 0;
        QTimer beat;
        connect(&beat, &QTimer::timeout, [&] { turns += printer->isPrinting(); });
        beat.start(0);
        w.page(4)->printButton()->click();
        QVERIFY(finished.wait(120000) && turns > 5 && printer->note()->isHidden());
        const QStringList pages = pdfText(pdf).split('\f');
        QCOMPARE(pages.join("").split('\n', Qt::SkipEmptyParts), lines);
        // A range chosen in the printer dialog prints those pages alone.
        QPrinter second(QPrinter::HighResolution);
        second.setOutputFileName(f.tempPath("second.pdf"));
        second.setFromTo(2, 2);
        QVERIFY(PrintJob(second, lines).runToEnd().ok && f.platform.messagesShown.isEmpty());
        QCOMPARE(pdfText(f.tempPath("second.pdf")).split('\f').first(), pages[1]);
    }
};

QTEST_MAIN(tst_Pages)
#include "tst_pages.moc"
