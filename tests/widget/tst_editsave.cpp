// Editing and saving: the Edit and Save labels of every page, Ctrl+S and the access keys, with the
// page files' exact bytes, the colours and the keyboard focus.
#include "FormFixture.h"
#include "ui/ListBox.h"
#include "ui/PageColours.h"
#include "ui/CommandLabel.h"
#include "ui/TabControl.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <sys/resource.h>

#include <csignal>

using namespace tabwise;

namespace {

// Writes fail while it lives, as on a full disk (root is held to it too).
class FileSizeLimit {
public:
    FileSizeLimit()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit tiny = m_saved;
        tiny.rlim_cur = 1;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved {};
};

// Types the text as keys, Return for each line break; characters beyond ASCII arrive as input
// methods deliver them, as text.
void typeInto(QPlainTextEdit* box, const QString& text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(box, Qt::Key_Return);
        else if (c.unicode() < 128)
            QTest::keyClick(box, char(c.unicode()));
        else
            box->insertPlainText(c);
    }
}

Form1& loadShown(FormFixture& f)
{
    Form1& w = f.load();
    w.activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(&w)); }();
    return w;
}

bool tabControlHasFocus(const Form1& w)
{
    QWidget* focus = w.focusWidget();
    return focus == w.SSTab1 || focus == w.SSTab1->tabBar();
}

} // namespace

class tst_EditSave : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textPage_data();
    void textPage();
    void listPage_data();
    void listPage();
    void editTwiceKeepsTextBeingEdited();
    void saveWhileViewingKeepsFile();
    void saveAfterFailedEditShowsEntriesOnce();
    void failedSaveKeepsText_data();
    void failedSaveKeepsText();
    void keysReachCurrentPage_data();
    void keysReachCurrentPage();
};

void tst_EditSave::textPage_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("saved");
    for (int tab : { 0, 1, 4 }) {
        QTest::addRow("%d unchanged", tab) << tab << QByteArray("abc\r\n") << QString() << QByteArray("abc\r\n");
        QTest::addRow("%d unchanged, no final line end", tab)
            << tab << QByteArray("abc") << QString() << QByteArray("abc\r\n");
        QTest::addRow("%d empty", tab) << tab << QByteArray() << QString() << QByteArray("\r\n");
        QTest::addRow("%d missing", tab) << tab << QByteArray("<missing>") << "x" << QByteArray("x\r\n");
        QTest::addRow("%d typed lines", tab) << tab << QByteArray("abc") << "\nd\ne" << QByteArray("abc\r\nd\r\ne\r\n");
        QTest::addRow("%d non-breaking space and umlaut", tab)
            << tab << QByteArray() << QStringLiteral("a\u00a0b\u00fc")
            << QByteArray("a\xc2\xa0"
                          "b\xc3\xbc\r\n");
    }
}

void tst_EditSave::textPage()
{
    QFETCH(int, tab);
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    FormFixture f;
    f.seedDesignSettings();
    if (file != "<missing>")
        f.writePage(pageFileName(tab), file);
    Form1& w = loadShown(f);
    w.SSTab1->setTab(tab);
    const Form1::PageControls page = w.page(tab);

    QTest::mouseClick(page.edit, Qt::LeftButton);
    QVERIFY(hasEditingColour(page.text));
    QCOMPARE(w.focusWidget(), page.text);
    QCOMPARE(f.pageExists(pageFileName(tab)), file != "<missing>");
    page.text->moveCursor(QTextCursor::End);
    typeInto(page.text, typed);

    QTest::mouseClick(page.save, Qt::LeftButton);
    QCOMPARE(f.pageBytes(pageFileName(tab)), saved);
    QVERIFY(!hasEditingColour(page.text));
    QVERIFY(tabControlHasFocus(w));
    QCOMPARE(f.platform.messagesShown.size(), 0);
}

void tst_EditSave::listPage_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("afterEdit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QStringList>("shown");
    for (int tab : { 2, 3 }) {
        QTest::addRow("%d unchanged", tab) << tab << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n") << QString()
                                           << QByteArray("a\r\nb\r\n") << QStringList { "a", "b" };
        QTest::addRow("%d lone CR, no final line end", tab)
            << tab << QByteArray("a\rb") << QByteArray("a\r\nb\r\n") << "c" << QByteArray("a\r\nb\r\nc\r\n")
            << QStringList { "a", "b", "c" };
        QTest::addRow("%d empty", tab) << tab << QByteArray() << QByteArray("\r\n") << QString() << QByteArray("\r\n")
                                       << QStringList { QString() };
        QTest::addRow("%d typed lines", tab) << tab << QByteArray("a\r\n") << QByteArray("a\r\n") << "b\nc"
                                             << QByteArray("a\r\nb\r\nc\r\n") << QStringList { "a", "b", "c" };
    }
}

void tst_EditSave::listPage()
{
    QFETCH(int, tab);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, afterEdit);
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    QFETCH(QStringList, shown);
    FormFixture f;
    f.seedDesignSettings();
    f.writePage(pageFileName(tab), file);
    Form1& w = loadShown(f);
    w.SSTab1->setTab(tab);
    const Form1::PageControls page = w.page(tab);

    QTest::mouseClick(page.edit, Qt::LeftButton);
    QCOMPARE(f.pageBytes(pageFileName(tab)), afterEdit);
    QCOMPARE(w.List1->ListCount(), 0);
    QCOMPARE(w.List2->ListCount(), 0);
    QVERIFY(page.list->isHidden());
    QVERIFY(!page.text->isHidden());
    QCOMPARE(page.text->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8(), afterEdit);
    QVERIFY(hasEditingColour(page.text));
    QCOMPARE(w.focusWidget(), page.text);
    page.text->moveCursor(QTextCursor::End);
    typeInto(page.text, typed);

    QTest::mouseClick(page.save, Qt::LeftButton);
    QCOMPARE(f.pageBytes(pageFileName(tab)), saved);
    QCOMPARE(listEntries(page.list), shown);
    QCOMPARE(listEntries(tab == 2 ? w.List2 : w.List1), QStringList());
    QVERIFY(!page.list->isHidden());
    QVERIFY(page.text->isHidden());
    QVERIFY(!hasEditingColour(page.text));
    QVERIFY(tabControlHasFocus(w));
}

void tst_EditSave::editTwiceKeepsTextBeingEdited()
{
    FormFixture f;
    f.seedDesignSettings();
    f.writePage("email.ntr", "a\r\nb\r\n");
    Form1& w = loadShown(f);
    w.SSTab1->setTab(2);
    w.lbleditemail->click();
    w.txtEmail->moveCursor(QTextCursor::End);
    QTest::keyClicks(w.txtEmail, "c");
    w.lbleditemail->click();
    QCOMPARE(f.pageBytes("email.ntr"), QByteArray("a\r\nb\r\n"));
    QCOMPARE(w.txtEmail->toPlainText(), QStringLiteral("a\nb\nc"));
    QVERIFY(hasEditingColour(w.txtEmail));
    w.lblsaveemail->click();
    QCOMPARE(f.pageBytes("email.ntr"), QByteArray("a\r\nb\r\nc\r\n"));
    QCOMPARE(listEntries(w.List1), (QStringList { "a", "b", "c" }));
}

void tst_EditSave::saveWhileViewingKeepsFile()
{
    FormFixture f;
    f.seedDesignSettings();
    f.writePage("web.ntr", "a\rb");
    Form1& w = loadShown(f);
    w.SSTab1->setTab(3);
    // Once never edited, once edited earlier in this run.
    w.lblsavewebsites->click();
    QCOMPARE(f.pageBytes("web.ntr"), QByteArray("a\rb"));
    QCOMPARE(listEntries(w.List2), (QStringList { "a", "b" }));
    w.lbleditwebsites->click();
    QTest::keyClicks(w.txtWebSites, "x");
    w.lblsavewebsites->click();
    w.lblsavewebsites->click();
    QCOMPARE(f.pageBytes("web.ntr"), QByteArray("xa\r\nb\r\n"));
    QCOMPARE(listEntries(w.List2), (QStringList { "xa", "b" }));
    QVERIFY(tabControlHasFocus(w));
}

void tst_EditSave::saveAfterFailedEditShowsEntriesOnce()
{
    FormFixture f;
    f.seedDesignSettings();
    f.writePage("email.ntr", "a\r\nb\r\n");
    Form1& w = loadShown(f);
    w.SSTab1->setTab(2);
    {
        const FileSizeLimit full;
        w.lbleditemail->click();
    }
    QCOMPARE(f.platform.messageTexts(), QStringList { "There has been a error!" });
    QCOMPARE(f.platform.messagesShown[0].title, QStringLiteral("Error"));
    QCOMPARE(f.pageBytes("email.ntr"), QByteArray("a\r\nb\r\n"));
    QVERIFY(!w.txtEmail->isHidden());
    w.lblsaveemail->click();
    QCOMPARE(listEntries(w.List1), (QStringList { "a", "b" }));
    // And the next Edit stores them once.
    w.lbleditemail->click();
    QCOMPARE(f.pageBytes("email.ntr"), QByteArray("a\r\nb\r\n"));
}

void tst_EditSave::failedSaveKeepsText_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("text page") << 1;
    QTest::newRow("list page") << 3;
}

void tst_EditSave::failedSaveKeepsText()
{
    QFETCH(int, tab);
    FormFixture f;
    f.seedDesignSettings();
    f.writePage(pageFileName(tab), "old\r\n");
    Form1& w = loadShown(f);
    w.SSTab1->setTab(tab);
    const Form1::PageControls page = w.page(tab);
    page.edit->click();
    page.text->moveCursor(QTextCursor::End);
    QTest::keyClicks(page.text, "new");
    {
        const FileSizeLimit full;
        page.save->click();
    }
    QCOMPARE(f.pageBytes(pageFileName(tab)), QByteArray("old\r\n"));
    QCOMPARE(f.platform.messagesShown.size(), 1);
    QVERIFY(f.platform.messagesShown[0].prompt.contains(pageFileName(tab)));
    QCOMPARE(page.text->toPlainText(), QStringLiteral("old\nnew"));
    QVERIFY(!page.text->isHidden());
    QVERIFY(hasEditingColour(page.text));
    QVERIFY(w.hasUnsavedText(tab));
    page.save->click();
    QCOMPARE(f.pageBytes(pageFileName(tab)), QByteArray("old\r\nnew\r\n"));
}

void tst_EditSave::keysReachCurrentPage_data()
{
    QTest::addColumn<int>("tab");
    for (int tab = 0; tab < pageCount; ++tab)
        QTest::addRow("%d", tab) << tab;
}

void tst_EditSave::keysReachCurrentPage()
{
    QFETCH(int, tab);
    FormFixture f;
    f.seedDesignSettings();
    f.writePage(pageFileName(tab), "k\r\n");
    Form1& w = loadShown(f);
    w.SSTab1->setTab(tab);
    std::vector<std::unique_ptr<QSignalSpy>> edits, saves, prints;
    for (int t = 0; t < pageCount; ++t) {
        edits.push_back(std::make_unique<QSignalSpy>(w.page(t).edit, &CommandLabel::clicked));
        saves.push_back(std::make_unique<QSignalSpy>(w.page(t).save, &CommandLabel::clicked));
        prints.push_back(std::make_unique<QSignalSpy>(w.page(t).print, &CommandLabel::clicked));
    }
    // A label reached by its access key clicks itself a moment later.
    QTest::keyClick(&w, Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(edits[tab]->size(), 1);
    QCOMPARE(w.focusWidget(), w.page(tab).text);
    QTest::keyClick(w.page(tab).text, Qt::Key_X);
    QTest::keyClick(&w, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(saves[tab]->size(), 1);
    QTest::keyClick(&w, Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(prints[tab]->size(), 1);
    QTest::qWait(150);
    for (int t = 0; t < pageCount; ++t) {
        QCOMPARE(edits[t]->size(), t == tab ? 1 : 0);
        QCOMPARE(saves[t]->size(), t == tab ? 1 : 0);
        QCOMPARE(prints[t]->size(), t == tab ? 1 : 0);
    }
    QCOMPARE(f.pageBytes(pageFileName(tab)), QByteArray("xk\r\n"));

    // Ctrl+S saves the current page as its Save label does.
    w.page(tab).edit->click();
    w.page(tab).text->moveCursor(QTextCursor::End);
    QTest::keyClicks(w.page(tab).text, "z");
    QTest::keyClick(w.page(tab).text, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(saves[tab]->size(), 2);
    QVERIFY(f.pageBytes(pageFileName(tab)).endsWith("z\r\n"));
    QVERIFY(tabControlHasFocus(w));
}

QTEST_MAIN(tst_EditSave)
#include "tst_editsave.moc"
