// Double-clicking an entry of a list page hands it to the desktop's open service.
#include "FormFixture.h"

#include "ui/ListBox.h"
#include "ui/TabControl.h"

#include <QTest>

using namespace tabwise;

namespace {
// What the window system delivers for a double-click: press, release, press, double-click, release.
void doubleClick(ListBox* list, QPoint pos)
{
    QWidget* viewport = list->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, pos);
    QTest::mousePress(viewport, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, pos);
}
} // namespace

class tst_OpenEntry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void doubleClickOpensTheEntry_data();
    void doubleClickOpensTheEntry();
    void doubleClickBelowTheEntriesOpensNothing();
};

void tst_OpenEntry::doubleClickOpensTheEntry_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("showCommand");

    const auto mail = [](const char* name, const QString& entry) {
        QTest::newRow(name) << 2 << entry << QStringLiteral("mailto:") + entry << 5;
    };
    mail("e-mail address", QStringLiteral("someone@example.com"));
    mail("empty e-mail entry gives mailto: alone", QString());
    mail("spaces inside and around", QStringLiteral("  first last@example.com "));
    mail("quotes", QStringLiteral("\"Some One\" <o'neil@example.com>"));
    mail("semicolons", QStringLiteral("a@example.com; b@example.com;"));
    mail("command substitution", QStringLiteral("$(touch /tmp/tabwise-pwned)@example.com"));
    mail("backticks", QStringLiteral("`touch /tmp/tabwise-pwned`"));
    mail("non-ASCII", QStringLiteral("jürgen@straße.example"));

    const auto web = [](const char* name, const QString& entry) { QTest::newRow(name) << 3 << entry << entry << 1; };
    web("bare web address, no scheme added", QStringLiteral("www.example.com"));
    web("full web address", QStringLiteral("https://example.com/a b?x=1&y='2'"));
    web("a path", QStringLiteral("/home/someone/My Documents/list.txt"));
    web("empty web entry", QString());
    web("shell characters", QStringLiteral("$(reboot); `id` | rm -rf ~ && \"x\""));
}

void tst_OpenEntry::doubleClickOpensTheEntry()
{
    QFETCH(int, tab);
    QFETCH(QString, entry);
    QFETCH(QString, target);
    QFETCH(int, showCommand);

    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    w.SSTab1->setTab(tab);
    ListBox* list = w.page(tab).list;
    list->Clear();
    list->AddItem(QStringLiteral("first"));
    list->AddItem(entry);
    list->AddItem(QStringLiteral("last"));
    QVERIFY(list->isVisible());

    // The double-click selects the entry under the mouse and opens that one.
    const QRect row = list->visualRect(list->model()->index(1, 0));
    doubleClick(list, row.center());

    QCOMPARE(f.platform.opened.size(), 1);
    const FakePlatform::Opened opened = f.platform.opened.first();
    QCOMPARE(opened.operation, QStringLiteral("open"));
    QCOMPARE(opened.target, target);
    QCOMPARE(opened.showCommand, showCommand);
    QCOMPARE(list->ListCount(), 3); // opening changes nothing in the list
    QCOMPARE(f.platform.messageTexts(), QStringList {});
}

void tst_OpenEntry::doubleClickBelowTheEntriesOpensNothing()
{
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    w.SSTab1->setTab(2);
    w.List1->Clear();
    w.List1->AddItem(QStringLiteral("someone@example.com"));

    const QRect row = w.List1->visualRect(w.List1->model()->index(0, 0));
    doubleClick(w.List1, row.center() + QPoint(0, 5 * row.height()));

    QCOMPARE(f.platform.opened.size(), 0);
}

QTEST_MAIN(tst_OpenEntry)
#include "tst_openentry.moc"
