#include "FormFixture.h"

#include "ui/ListBox.h"
#include "ui/ClickableImage.h"
#include "ui/CommandLabel.h"
#include "ui/TabControl.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

using namespace tabwise;

class LayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsStandWhereDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("tab control") << "SSTab1" << QRect(0, 0, 5280, 6255);
        QTest::newRow("options panel") << "frameoptions" << QRect(0, 0, 5190, 5895);
        QTest::newRow("About panel") << "frameAbout" << QRect(0, 0, 5190, 5895);
        QTest::newRow("notes text") << "txtNotes" << QRect(0, 0, 5200, 5535);
        QTest::newRow("e-mail list") << "List1" << QRect(0, 0, 5205, 5490);
        QTest::newRow("options picture") << "Image1" << QRect(4940, 5970, 240, 240);
        QTest::newRow("ok") << "cmdok" << QRect(3720, 480, 1215, 255);
        QTest::newRow("backup frame") << "Frame2" << QRect(0, 1200, 5190, 1815);
        QTest::newRow("folder list") << "Dir1" << QRect(120, 720, 3375, 990);
        QTest::newRow("tab table") << "frameTabOptions" << QRect(0, 3000, 5190, 2895);
        QTest::newRow("name of tab 3") << "Text3" << QRect(720, 1560, 2655, 285);
        QTest::newRow("About ok") << "Command4" << QRect(3960, 2760, 1095, 255);
    }
    void controlsStandWhereDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        FormFixture f;
        Form1& w = f.form();
        auto* control = w.findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    }

    void commandLabelsOnOneRow()
    {
        FormFixture f;
        f.seedDesignSettings();
        Form1& w = f.load();
        QVERIFY(w.lbleditemail->font().pointSizeF() >= 6.5);
        for (int tab = 0; tab < pageCount; ++tab) {
            const Form1::PageControls page = w.page(tab);
            QCOMPARE(page.print->pos(), QPoint(px(120), px(5640)));
            QCOMPARE(page.edit->pos(), QPoint(px(1800), px(5640)));
            QCOMPARE(page.save->pos(), QPoint(px(3480), px(5640)));
            // Each label is as wide as its caption, and the default captions do not run into the next.
            QVERIFY(page.print->geometry().right() < page.edit->x());
            QVERIFY(page.edit->geometry().right() < page.save->x());
        }
    }

    void listPagesShowTheirListAtStart()
    {
        FormFixture f;
        f.seedDesignSettings();
        Form1& w = f.load();
        for (int tab : {2, 3}) {
            w.SSTab1->setTab(tab);
            QVERIFY(w.page(tab).list->isVisible());
            QVERIFY(!w.page(tab).text->isVisible());
        }
    }

    void optionsPictureOnlyOnFirstPage()
    {
        FormFixture f;
        f.seedDesignSettings();
        Form1& w = f.load();
        QVERIFY(w.Image1->isVisible());
        QCOMPARE(w.Image1->toolTip(), QStringLiteral("Options"));
        w.SSTab1->setTab(1);
        QVERIFY(!w.Image1->isVisible());
        w.SSTab1->setTab(0);
        QVERIFY(w.Image1->isVisible());
    }

    void panelsLieOverThePages()
    {
        FormFixture f;
        f.seedDesignSettings();
        Form1& w = f.load();
        w.frameoptions->show();
        w.frameAbout->show();
        // The About panel is in front of the options panel, which is in front of the pages.
        QCOMPARE(w.childAt(px(2000), px(3000)), w.frameAbout);
        w.frameAbout->hide();
        QCOMPARE(w.childAt(px(2000), px(200))->window(), &w);
        QVERIFY(w.frameoptions->isAncestorOf(w.childAt(px(300), px(300))) || w.childAt(px(300), px(300)) == w.frameoptions);
        // The strip below the panels stays visible.
        QVERIFY(!w.frameoptions->geometry().contains(px(100), px(6000)));
    }

    void trayMenuEntries()
    {
        FormFixture f;
        Form1& w = f.form();
        QStringList captions;
        for (QAction* action : w.MENU->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(captions, (QStringList{"&Help", "&About", "&Restore", "&Options", "-", "E&xit"}));
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
