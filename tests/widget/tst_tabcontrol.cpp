#include "ui/TabControl.h"

#include <QSignalSpy>
#include <QTest>

using namespace tabwise;

class TabControlTest : public QObject {
    Q_OBJECT

    static void fill(TabControl& tabs)
    {
        for (const char* caption : {"Notes", "Phone Numbers", "Email Addresses", "Web Sites", "Other"})
            tabs.addTab(new QWidget, QString::fromLatin1(caption));
    }

private Q_SLOTS:
    void captionsReadBackAsWritten_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("empty") << QString();
        QTest::newRow("spaces") << QStringLiteral("  padded  ");
        QTest::newRow("ampersand") << QStringLiteral("A&B");
        QTest::newRow("long") << QString(500, QLatin1Char('w'));
    }
    void captionsReadBackAsWritten()
    {
        QFETCH(QString, caption);
        TabControl tabs;
        fill(tabs);
        tabs.setTabCaption(2, caption);
        QCOMPARE(tabs.TabCaption(2), caption);
    }

    void clickCarriesPreviousTabAfterTheChange()
    {
        TabControl tabs;
        fill(tabs);
        tabs.show();
        QList<QPair<int, int>> seen; // previous, current at the time of the event
        connect(&tabs, &TabControl::Click, this, [&](int previous) { seen.append({previous, tabs.Tab()}); });
        tabs.setTab(3);
        QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(1).center());
        QCOMPARE(seen, (QList<QPair<int, int>>{{0, 3}, {3, 1}}));
    }

    void hiddenTabsLeaveTheStripAndComeBack()
    {
        TabControl tabs;
        fill(tabs);
        for (int tab = 1; tab < 5; ++tab)
            tabs.setTabVisibleAt(tab, false);
        for (int tab = 1; tab < 5; ++tab)
            QVERIFY(!tabs.TabVisible(tab));
        QVERIFY(tabs.TabVisible(0));
        tabs.setTabVisibleAt(1, true);
        QVERIFY(tabs.TabVisible(1));
        QVERIFY(!tabs.TabVisible(2));
    }

    void hidingTheCurrentTabSelectsAnotherAndRaisesClick()
    {
        TabControl tabs;
        fill(tabs);
        tabs.setTab(2);
        QSignalSpy clicks(&tabs, &TabControl::Click);
        tabs.setTabVisibleAt(2, false);
        QVERIFY(tabs.Tab() != 2);
        QVERIFY(tabs.TabVisible(tabs.Tab()));
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.first().first().toInt(), 2);
    }

    void tabsAlongTheBottomShareTheStrip()
    {
        TabControl tabs;
        fill(tabs);
        tabs.strip()->setStripWidth(325);
        tabs.strip()->setTabHeight(20);
        tabs.resize(352, 417);
        tabs.show();
        QCOMPARE(tabs.tabPosition(), QTabWidget::South);
        QVERIFY(tabs.tabBar()->geometry().bottom() >= 417 - 2);
        QCOMPARE(tabs.tabBar()->tabRect(0).width(), tabs.tabBar()->tabRect(4).width());
        QVERIFY(tabs.tabBar()->geometry().right() < 329);
    }
};

QTEST_MAIN(TabControlTest)
#include "tst_tabcontrol.moc"
