// Switching pages: each tab shows its page as its file holds it, the list boxes hold only the
// shown list page's entries, the title names the tab, and an unchanged page is not read again.
#include "FormFixture.h"
#include "ui/ListBox.h"
#include "ui/PageColours.h"
#include "ui/CommandLabel.h"
#include "ui/TabControl.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

#include <sys/stat.h>
#include <utime.h>

using namespace tabwise;

namespace {

void clickTab(Form1& w, int tab)
{
    QTabBar* bar = w.SSTab1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
}

// Lets the file system's clock move on, so that a later change of the files can be told apart.
void letFilesSettle()
{
    QTest::qWait(150);
}

void seedPages(FormFixture& f)
{
    f.seedDesignSettings();
    f.writePage("notes.ntr", "notes\r\n");
    f.writePage("phone.ntr", "555 1234\r\n");
    f.writePage("email.ntr", "a@example.org\r\nb@example.org\r\n");
    f.writePage("web.ntr", "example.org\rexample.net\r\nlast");
    f.writePage("other.ntr", "other");
}

} // namespace

class tst_PageSwitch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void switchShowsPageFromFile_data();
    void switchShowsPageFromFile();
    void listPageShownFromAnyPriorState();
    void titleShowsCaptionAsTabShowsIt_data();
    void titleShowsCaptionAsTabShowsIt();
    void editedListPageIsShownAsListAgain();
    void unchangedPageIsNotReadAgain();
    void changeByAnotherProgramIsSeen_data();
    void changeByAnotherProgramIsSeen();
    void colourSurvivesSwitch();
    void largePageLoadsUnderBusyCursor_data();
    void largePageLoadsUnderBusyCursor();
};

void tst_PageSwitch::switchShowsPageFromFile_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("list1");
    QTest::addColumn<QStringList>("list2");
    const QStringList none;
    const QStringList email { "a@example.org", "b@example.org" };
    const QStringList web { "example.org", "example.net", "last" };
    for (int from : { 0, 2, 3 }) {
        QTest::addRow("%d to notes", from) << from << 0 << "notes\n" << none << none;
        QTest::addRow("%d to phone", from) << from << 1 << "555 1234\n" << none << none;
        QTest::addRow("%d to email", from) << from << 2 << QString() << email << none;
        QTest::addRow("%d to web", from) << from << 3 << QString() << none << web;
        QTest::addRow("%d to other", from) << from << 4 << "other" << none << none;
    }
}

void tst_PageSwitch::switchShowsPageFromFile()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, text);
    QFETCH(QStringList, list1);
    QFETCH(QStringList, list2);
    FormFixture f;
    seedPages(f);
    Form1& w = f.load();
    w.SSTab1->setTab(from);
    clickTab(w, to);

    QCOMPARE(w.SSTab1->Tab(), to);
    QCOMPARE(listEntries(w.List1), list1);
    QCOMPARE(listEntries(w.List2), list2);
    const Form1::PageControls page = w.page(to);
    if (page.list) {
        QVERIFY(page.list->isVisibleTo(&w));
        QVERIFY(page.text->isHidden());
    } else {
        QCOMPARE(page.text->toPlainText(), text);
    }
    QCOMPARE(f.platform.messagesShown.size(), 0);
}

void tst_PageSwitch::listPageShownFromAnyPriorState()
{
    FormFixture f;
    seedPages(f);
    Form1& w = f.load();
    // Whatever the list held before, also entries of another load, it shows the file once.
    w.SSTab1->setTab(2);
    w.List1->AddItem(QStringLiteral("stray"));
    w.SSTab1_Click(2); // the control reports a click on the tab already current
    QCOMPARE(listEntries(w.List1), (QStringList { "a@example.org", "b@example.org" }));
    w.SSTab1->setTab(3);
    w.SSTab1->setTab(2);
    w.SSTab1_Click(0);
    QCOMPARE(listEntries(w.List1), (QStringList { "a@example.org", "b@example.org" }));
    QCOMPARE(listEntries(w.List2), QStringList());

    // Missing and empty files show one empty entry.
    QFile::remove(f.appFolder() + "/web.ntr");
    w.SSTab1->setTab(3);
    QCOMPARE(listEntries(w.List2), QStringList { QString() });
    f.writePage("email.ntr", "");
    w.SSTab1->setTab(2);
    QCOMPARE(listEntries(w.List1), QStringList { QString() });
}

void tst_PageSwitch::titleShowsCaptionAsTabShowsIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("renamed") << "Mail";
    QTest::newRow("padded") << "  Mail  ";
    QTest::newRow("empty") << QString();
}

void tst_PageSwitch::titleShowsCaptionAsTabShowsIt()
{
    QFETCH(QString, name);
    FormFixture f;
    seedPages(f);
    f.settings().write(Key::TabName3, name);
    Form1& w = f.load();
    QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise (Notes)"));
    clickTab(w, 2);
    QCOMPARE(w.windowTitle(), "Tabwise (" + name + ")");
    // The caption is read back from the tab, not from the settings.
    f.settings().write(Key::TabName3, QStringLiteral("Changed"));
    w.SSTab1->setTab(0);
    w.SSTab1->setTab(2);
    QCOMPARE(w.windowTitle(), "Tabwise (" + name + ")");
}

void tst_PageSwitch::editedListPageIsShownAsListAgain()
{
    FormFixture f;
    seedPages(f);
    Form1& w = f.load();
    w.SSTab1->setTab(3);
    w.lbleditwebsites->click();
    QVERIFY(!w.txtWebSites->isHidden());
    w.SSTab1->setTab(0);
    w.SSTab1->setTab(3);
    QVERIFY(w.txtWebSites->isHidden());
    QVERIFY(!w.List2->isHidden());
    QCOMPARE(listEntries(w.List2), (QStringList { "example.org", "example.net", "last" }));
}

void tst_PageSwitch::unchangedPageIsNotReadAgain()
{
    FormFixture f;
    seedPages(f);
    letFilesSettle();
    Form1& w = f.load();
    w.SSTab1->setTab(1);
    QTextCursor cursor = w.txtPhone->textCursor();
    cursor.setPosition(3);
    w.txtPhone->setTextCursor(cursor);
    w.SSTab1->setTab(2);
    w.SSTab1->setTab(1);
    // Read again, the box would have its cursor at the start.
    QCOMPARE(w.txtPhone->textCursor().position(), 3);
    // Both lists were emptied and the unchanged list comes back with its entries, each once.
    w.SSTab1->setTab(4);
    QCOMPARE(w.List1->ListCount(), 0);
    w.SSTab1->setTab(2);
    QCOMPARE(listEntries(w.List1), (QStringList { "a@example.org", "b@example.org" }));
}

void tst_PageSwitch::changeByAnotherProgramIsSeen_data()
{
    QTest::addColumn<bool>("replaced");
    QTest::newRow("rewritten in place, same size, time set back") << false;
    QTest::newRow("replaced by another file, same size, time set back") << true;
}

void tst_PageSwitch::changeByAnotherProgramIsSeen()
{
    QFETCH(bool, replaced);
    FormFixture f;
    seedPages(f);
    letFilesSettle();
    Form1& w = f.load();
    w.SSTab1->setTab(1);
    w.SSTab1->setTab(2);
    w.SSTab1->setTab(3);

    // A backup tool puts back other bytes of the same size and restores the old time.
    const auto restore = [&](const char* name, const QByteArray& bytes) {
        const QString path = f.appFolder() + "/" + name;
        struct stat before { };
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
        if (replaced) {
            const QString fresh = path + ".new";
            QFile file(fresh);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
            QVERIFY(::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) == 0);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.write(bytes);
            file.close();
        }
        const struct utimbuf times {
            before.st_atime, before.st_mtime
        };
        QCOMPARE(::utime(QFile::encodeName(path).constData(), &times), 0);
    };
    restore("phone.ntr", "555 9876\r\n");
    restore("email.ntr", "x@example.org\r\ny@example.org\r\n");
    w.SSTab1->setTab(1);
    QCOMPARE(w.txtPhone->toPlainText(), QStringLiteral("555 9876\n"));
    w.SSTab1->setTab(2);
    QCOMPARE(listEntries(w.List1), (QStringList { "x@example.org", "y@example.org" }));
}

void tst_PageSwitch::colourSurvivesSwitch()
{
    FormFixture f;
    seedPages(f);
    Form1& w = f.load();
    w.lbleditnotes->click();
    w.SSTab1->setTab(1);
    f.writePage("notes.ntr", "changed\r\n");
    w.SSTab1->setTab(0);
    QVERIFY(hasEditingColour(w.txtNotes));
    QCOMPARE(w.txtNotes->toPlainText(), QStringLiteral("changed\n"));
}

void tst_PageSwitch::largePageLoadsUnderBusyCursor_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("busy");
    QTest::newRow("small text page") << 1 << 10 << false;
    QTest::newRow("large text page") << 1 << 100000 << true;
    QTest::newRow("large list page") << 3 << 100000 << true;
}

void tst_PageSwitch::largePageLoadsUnderBusyCursor()
{
    QFETCH(int, tab);
    QFETCH(int, lines);
    QFETCH(bool, busy);
    FormFixture f;
    f.seedDesignSettings();
    QByteArray page;
    for (int i = 0; i < lines; ++i)
        page += "entry number " + QByteArray::number(i) + " of a long page\r\n";
    f.writePage(tab == 1 ? "phone.ntr" : "web.ntr", page);
    Form1& w = f.load();
    // What the cursor is while the page's widget is being filled.
    std::optional<Qt::CursorShape> shape;
    const auto record = [&] {
        const QCursor* cursor = QApplication::overrideCursor();
        shape = cursor ? cursor->shape() : Qt::ArrowCursor;
    };
    if (tab == 1)
        connect(w.txtPhone->document(), &QTextDocument::contentsChanged, this, record);
    else
        connect(w.List2->model(), &QAbstractItemModel::rowsInserted, this, record);
    w.SSTab1->setTab(tab);
    QVERIFY(shape);
    QCOMPARE(*shape == Qt::WaitCursor, busy);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(tab == 1 ? w.txtPhone->document()->blockCount() : int(w.List2->ListCount()), tab == 1 ? lines + 1 : lines);
}

QTEST_MAIN(tst_PageSwitch)
#include "tst_pageswitch.moc"
