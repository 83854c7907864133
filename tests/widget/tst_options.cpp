// The options panel: opening it, OK storing and applying, Cancel closing without storing.
#include "FormFixture.h"

#include "ui/FolderList.h"
#include "ui/ClickableImage.h"
#include "ui/CommandLabel.h"
#include "ui/TabControl.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tabwise;

namespace {

constexpr std::array<Key, 11> okKeys { Key::TabName1, Key::TabName2, Key::TabName3, Key::TabName4, Key::TabName5,
    Key::Value, Key::Value2, Key::Value4, Key::Value5, Key::Value6, Key::Value7 };

QStringList storedOptions(SettingsStore& store)
{
    QStringList values;
    for (Key key : okKeys)
        values << store.read(key);
    return values;
}

QList<bool> tabsShown(const Form1& w)
{
    QList<bool> shown;
    for (int tab = 0; tab < pageCount; ++tab)
        shown << w.SSTab1->TabVisible(tab);
    return shown;
}

QList<bool> boxesTicked(const Form1& w)
{
    QList<bool> ticked;
    for (int tab = 1; tab < pageCount; ++tab)
        ticked << w.showBox(tab)->isChecked();
    return ticked;
}

void setShowBoxes(Form1& w, const QList<bool>& ticked)
{
    for (int tab = 1; tab < pageCount; ++tab)
        w.showBox(tab)->setChecked(ticked[tab - 1]);
}

void openPanel(Form1& w)
{
    QTest::mouseClick(w.Image1, Qt::LeftButton);
    QVERIFY(w.frameoptions->isVisible());
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openFromPicture();
    void openWithAnotherTabSelected();
    void openShowsBackupFolder_data();
    void openShowsBackupFolder();
    void okStoresAndApplies_data();
    void okStoresAndApplies();
    void okWritesEveryKeyEveryTime();
    void showAndHidePasses_data();
    void showAndHidePasses();
    void cancelStoresNothing();
    void activationResetsUnconfirmedShowBoxes();
    void hidingTheSelectedTab_data();
    void hidingTheSelectedTab();
    void refusedWriteKeepsThePanel();
    void startBoxesShowWholeCaptions();
};

void TestOptions::openFromPicture()
{
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    QVERIFY(!w.frameoptions->isVisible());
    QCOMPARE(w.Image1->toolTip(), QStringLiteral("Options"));

    openPanel(w);
    QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise (Options)"));
    // Opening again changes nothing.
    w.Text2->setText(QStringLiteral("Calls"));
    w.Image1_Click();
    QVERIFY(w.frameoptions->isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise (Options)"));
    QCOMPARE(w.Text2->text(), QStringLiteral("Calls"));
    QCOMPARE(f.settings().read(Key::TabName2), QStringLiteral("Phone Numbers"));
}

void TestOptions::openWithAnotherTabSelected()
{
    // The tray menu opens the panel whatever page is showing, with the window in the tray and the
    // About panel left open.
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    w.SSTab1->setTab(3);
    w.MENUABOUT->trigger();
    w.hide();
    w.MENUOPTIONS->trigger();
    QVERIFY(w.isVisible());
    QVERIFY(w.frameoptions->isVisible());
    QVERIFY(!w.frameAbout->isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise (Options)"));
    QCOMPARE(w.SSTab1->Tab(), 3);

    QTest::mouseClick(w.cmdok, Qt::LeftButton);
    QCOMPARE(w.SSTab1->Tab(), 3);
    QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise (Web Sites)"));
}

void TestOptions::openShowsBackupFolder_data()
{
    // Between the two openings the user browses the lists to TMP and cancels.
    QTest::addColumn<QString>("first"); // stored before the first opening; "-" none
    QTest::addColumn<QString>("second"); // stored before the second opening
    QTest::addColumn<QString>("shown"); // after each opening
    QTest::newRow("none stored: home folder") << "-"
                                              << "-"
                                              << "HOME,HOME";
    QTest::newRow("stored folder") << "-"
                                   << "TMP/backup/"
                                   << "HOME,TMP/backup";
    QTest::newRow("gone folder keeps the lists") << "TMP/backup/"
                                                 << "TMP/gone/"
                                                 << "TMP/backup,TMP";
    QTest::newRow("a file, not a folder") << "-"
                                          << "TMP/notes.ntr/"
                                          << "HOME,TMP";
}

void TestOptions::openShowsBackupFolder()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, shown);
    FormFixture f;
    const QString tmp = f.tempPath(QStringLiteral("root"));
    const QString home = tmp + QStringLiteral("/home");
    QVERIFY(QDir().mkpath(home));
    QVERIFY(QDir().mkpath(tmp + QStringLiteral("/backup")));
    QFile file(tmp + QStringLiteral("/notes.ntr"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    f.platform.volumeList
        = { { Volume::Kind::Root, tmp, QStringLiteral("/") }, { Volume::Kind::Home, home, QStringLiteral("Home") } };
    f.seedDesignSettings();
    const auto expand = [&](QString text) {
        return QDir::cleanPath(text.replace(QStringLiteral("HOME"), home).replace(QStringLiteral("TMP"), tmp));
    };
    const QStringList expected = shown.split(u',');
    Form1& w = f.load();

    if (first != QLatin1String("-"))
        f.settings().write(Key::BackupDir, expand(first) + QLatin1Char('/'));
    w.Image1_Click();
    QCOMPARE(w.Dir1->path(), expand(expected[0]));
    QVERIFY(!w.Dir1->setPath(tmp));
    QTest::mouseClick(w.cmdcancel, Qt::LeftButton);

    if (second != QLatin1String("-"))
        f.settings().write(Key::BackupDir, expand(second) + QLatin1Char('/'));
    w.Image1_Click();
    QVERIFY(w.frameoptions->isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise (Options)"));
    QCOMPARE(w.Dir1->path(), expand(expected[1]));
    QVERIFY(f.platform.messagesShown.isEmpty());
}

void TestOptions::okStoresAndApplies_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("minimized");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<QList<bool>>("show");
    QTest::newRow("unchanged") << QStringList { "Notes", "Phone Numbers", "Email Addresses", "Web Sites", "Other" }
                               << false << false << QList<bool> { true, true, true, true };
    QTest::newRow("renamed, spaces kept") << QStringList { "  Diary ", "Phones", "Mail", "Links", "Misc" } << true
                                          << true << QList<bool> { true, false, true, true };
    QTest::newRow("empty names") << QStringList { "", "Phones", "", "Links", "" } << false << true
                                 << QList<bool> { false, true, false, true };
    QTest::newRow("all hidden") << QStringList { "Notes", "Phone Numbers", "Email Addresses", "Web Sites", "Other" }
                                << true << false << QList<bool> { false, false, false, false };
}

void TestOptions::okStoresAndApplies()
{
    QFETCH(QStringList, names);
    QFETCH(bool, minimized);
    QFETCH(bool, onTop);
    QFETCH(QList<bool>, show);
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    openPanel(w);
    for (int tab = 0; tab < pageCount; ++tab)
        w.nameBox(tab)->setText(names[tab]);
    w.Check1->setChecked(minimized);
    w.Check2->setChecked(onTop);
    setShowBoxes(w, show);
    QTest::mouseClick(w.cmdok, Qt::LeftButton);

    QStringList expected = names;
    expected << (minimized ? "1" : "0") << (onTop ? "1" : "0");
    for (bool shown : show)
        expected << (shown ? "1" : "0");
    QCOMPARE(storedOptions(f.settings()), expected);

    QVERIFY(!w.frameoptions->isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise (%1)").arg(names[0]));
    QCOMPARE(tabsShown(w), QList<bool> { true } + show);
    QCOMPARE(boxesTicked(w), show);
    for (int tab = 0; tab < pageCount; ++tab) {
        QCOMPARE(w.SSTab1->TabCaption(tab), names[tab]);
        QCOMPARE(w.page(tab).edit->caption(), QStringLiteral("&Edit ") + names[tab]);
        QCOMPARE(w.page(tab).save->caption(), QStringLiteral("&Save ") + names[tab]);
        QCOMPARE(w.page(tab).print->caption(), QStringLiteral("&Print ") + names[tab]);
    }
    // The start mode and the start-at-log-on entry are not OK's business.
    QVERIFY(w.isVisible());
    QCOMPARE(f.platform.autostartCalls, QList<bool> {});
}

void TestOptions::okWritesEveryKeyEveryTime()
{
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    // Another program changes the store behind the window's back; OK writes what the panel shows.
    for (Key key : okKeys)
        f.settings().write(key, QStringLiteral("changed"));
    openPanel(w);
    QTest::mouseClick(w.cmdok, Qt::LeftButton);
    QCOMPARE(storedOptions(f.settings()),
        (QStringList {
            "Notes", "Phone Numbers", "Email Addresses", "Web Sites", "Other", "0", "0", "1", "1", "1", "1" }));
}

void TestOptions::showAndHidePasses_data()
{
    QTest::addColumn<QList<bool>>("before");
    QTest::addColumn<QList<bool>>("after");
    QTest::newRow("hide one, show it again")
        << QList<bool> { true, false, true, true } << QList<bool> { true, true, true, true };
    QTest::newRow("all hidden, all back")
        << QList<bool> { false, false, false, false } << QList<bool> { true, true, true, true };
    QTest::newRow("swap") << QList<bool> { false, true, false, true } << QList<bool> { true, false, true, false };
    QTest::newRow("hide the rest") << QList<bool> { true, false, true, true }
                                   << QList<bool> { false, false, false, false };
}

void TestOptions::showAndHidePasses()
{
    QFETCH(QList<bool>, before);
    QFETCH(QList<bool>, after);
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    for (const QList<bool>& show : { before, after }) {
        openPanel(w);
        setShowBoxes(w, show);
        QTest::mouseClick(w.cmdok, Qt::LeftButton);
        QCOMPARE(tabsShown(w), QList<bool> { true } + show);
        QCOMPARE(boxesTicked(w), show);
        for (int tab = 1; tab < pageCount; ++tab)
            QCOMPARE(f.settings().read(showKey(tab)), show[tab - 1] ? QStringLiteral("1") : QStringLiteral("0"));
    }
}

void TestOptions::cancelStoresNothing()
{
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    w.SSTab1->setTab(2);
    const QStringList stored = storedOptions(f.settings());
    w.Image1_Click();
    w.Text1->setText(QStringLiteral("Diary"));
    w.Check1->setChecked(true);
    w.Check6->setChecked(false);
    QTest::mouseClick(w.cmdcancel, Qt::LeftButton);

    QCOMPARE(storedOptions(f.settings()), stored);
    QVERIFY(!w.frameoptions->isVisible());
    QCOMPARE(w.SSTab1->Tab(), 0);
    QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise (Notes)"));
    QCOMPARE(w.SSTab1->TabCaption(0), QStringLiteral("Notes"));
    QCOMPARE(w.lbleditnotes->caption(), QStringLiteral("&Edit Notes"));
    QCOMPARE(tabsShown(w), (QList<bool> { true, true, true, true, true }));

    // The panel keeps the edits, and the next OK takes them.
    openPanel(w);
    QCOMPARE(w.Text1->text(), QStringLiteral("Diary"));
    QVERIFY(w.Check1->isChecked());
    QVERIFY(!w.Check6->isChecked());
    QTest::mouseClick(w.cmdok, Qt::LeftButton);
    QCOMPARE(f.settings().read(Key::TabName1), QStringLiteral("Diary"));
    QCOMPARE(f.settings().read(Key::Value), QStringLiteral("1"));
    QCOMPARE(f.settings().read(Key::Value6), QStringLiteral("0"));
    QVERIFY(!w.SSTab1->TabVisible(3));
}

void TestOptions::activationResetsUnconfirmedShowBoxes()
{
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    openPanel(w);
    w.Check5->setChecked(false);
    w.Text3->setText(QStringLiteral("Mail"));
    QTest::mouseClick(w.cmdcancel, Qt::LeftButton);

    // A trip to the tray and back.
    w.hide();
    w.show();
    f.settle();
    QVERIFY(w.Check5->isChecked());
    QCOMPARE(w.Text3->text(), QStringLiteral("Mail"));

    openPanel(w);
    QTest::mouseClick(w.cmdok, Qt::LeftButton);
    QCOMPARE(f.settings().read(Key::Value5), QStringLiteral("1"));
    QCOMPARE(f.settings().read(Key::TabName3), QStringLiteral("Mail"));
    QVERIFY(w.SSTab1->TabVisible(2));
}

void TestOptions::hidingTheSelectedTab_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QList<bool>>("show");
    QTest::newRow("middle tab") << 2 << QList<bool> { true, false, true, true };
    QTest::newRow("last tab") << 4 << QList<bool> { true, true, true, false };
    QTest::newRow("all but the first") << 3 << QList<bool> { false, false, false, false };
}

void TestOptions::hidingTheSelectedTab()
{
    QFETCH(int, selected);
    QFETCH(QList<bool>, show);
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    w.SSTab1->setTab(selected);
    w.Image1_Click();
    setShowBoxes(w, show);
    w.Text2->setText(QStringLiteral("Calls"));
    QTest::mouseClick(w.cmdok, Qt::LeftButton);

    QVERIFY(!w.SSTab1->TabVisible(selected));
    const int now = w.SSTab1->Tab();
    QVERIFY(now != selected);
    QVERIFY(w.SSTab1->TabVisible(now));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tabwise (%1)").arg(w.SSTab1->TabCaption(now)));
}

void TestOptions::refusedWriteKeepsThePanel()
{
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    openPanel(w);
    w.Text1->setText(QStringLiteral("Diary"));
    w.Check4->setChecked(false);
    // A folder where the settings file should be: the store refuses every write.
    QVERIFY(QFile::remove(f.iniPath()));
    QVERIFY(QDir().mkpath(f.iniPath()));
    QTest::mouseClick(w.cmdok, Qt::LeftButton);

    QCOMPARE(f.platform.messagesShown.size(), 1);
    QVERIFY(f.platform.messagesShown[0].prompt.contains(QStringLiteral("Tabwise.ini")));
    QVERIFY(w.frameoptions->isVisible());
    QCOMPARE(w.Text1->text(), QStringLiteral("Diary"));
    QVERIFY(!w.Check4->isChecked());
    QCOMPARE(w.SSTab1->TabCaption(0), QStringLiteral("Notes"));
    QVERIFY(w.SSTab1->TabVisible(1));
}

void TestOptions::startBoxesShowWholeCaptions()
{
    FormFixture f;
    Form1& w = f.form();
    for (QCheckBox* box : { w.Check1, w.Check8, w.Check2 }) {
        QVERIFY2(box->width() >= box->sizeHint().width(), qPrintable(box->text()));
        QVERIFY2(box->geometry().right() < w.cmdok->x(), qPrintable(box->text()));
    }
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
