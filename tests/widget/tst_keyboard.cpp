#include "FormFixture.h"

#include "ui/ListBox.h"
#include "core/SettingsKeys.h"
#include "ui/CommandLabel.h"
#include "ui/TabControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using namespace tabwise;

Q_DECLARE_METATYPE(QKeyCombination)

namespace {

// A loaded, shown and active window, so that shortcuts and focus behave as on a desktop.
Form1& activeForm(FormFixture& f)
{
    f.seedDesignSettings();
    Form1& w = f.load();
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        qWarning("the window did not become active");
    return w;
}

void press(QWidget* target, QKeyCombination key)
{
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The access keys reach the current page's commands and no other page's.
    void commandsOfTheCurrentPage_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("command");
        for (int tab : { 0, 2, 3, 4 }) {
            const QByteArray name = QByteArray::number(tab);
            QTest::newRow("Alt+S on tab " + name) << tab << (Qt::ALT | Qt::Key_S) << "save";
            QTest::newRow("Alt+E on tab " + name) << tab << (Qt::ALT | Qt::Key_E) << "edit";
            QTest::newRow("Alt+P on tab " + name) << tab << (Qt::ALT | Qt::Key_P) << "print";
        }
    }
    void commandsOfTheCurrentPage()
    {
        QFETCH(int, tab);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, command);
        FormFixture f;
        Form1& w = activeForm(f);
        w.SSTab1->setTab(tab);
        std::vector<std::pair<CommandLabel*, std::unique_ptr<QSignalSpy>>> spies;
        QSignalSpy* expected = nullptr;
        for (int t = 0; t < pageCount; ++t) {
            for (CommandLabel* label : { w.page(t).edit, w.page(t).save, w.page(t).print }) {
                spies.emplace_back(label, std::make_unique<QSignalSpy>(label, &QAbstractButton::clicked));
                if (t == tab && label->objectName().startsWith(QStringLiteral("lbl") + command))
                    expected = spies.back().second.get();
            }
        }
        QVERIFY(expected);
        QWidget* content = w.page(tab).text;
        if (!content->isVisible())
            content = w.page(tab).list;
        content->setFocus();
        press(content, key);
        // An access key clicks after a short animation.
        QTRY_COMPARE(expected->count(), 1);
        for (const auto& [label, spy] : spies)
            QVERIFY2(spy->count() == (spy.get() == expected ? 1 : 0), qPrintable(label->objectName()));
    }

    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp move between the shown tabs, from
    // wherever the focus is on the page, and wrap around; hidden tabs are passed over.
    void switchingTabs_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("hidePhone");
        QTest::addColumn<int>("to");
        QTest::newRow("Ctrl+Tab") << (Qt::CTRL | Qt::Key_Tab) << 0 << false << 1;
        QTest::newRow("Ctrl+Tab wraps") << (Qt::CTRL | Qt::Key_Tab) << 4 << false << 0;
        QTest::newRow("Ctrl+Tab skips hidden") << (Qt::CTRL | Qt::Key_Tab) << 0 << true << 2;
        QTest::newRow("Ctrl+Shift+Tab") << (Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab) << 3 << false << 2;
        QTest::newRow("Ctrl+Shift+Tab wraps") << (Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab) << 0 << false << 4;
        QTest::newRow("Ctrl+Shift+Tab skips hidden") << (Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab) << 2 << true << 0;
        QTest::newRow("Ctrl+PageDown") << (Qt::CTRL | Qt::Key_PageDown) << 1 << false << 2;
        QTest::newRow("Ctrl+PageUp") << (Qt::CTRL | Qt::Key_PageUp) << 1 << false << 0;
        QTest::newRow("Ctrl+PageUp wraps") << (Qt::CTRL | Qt::Key_PageUp) << 0 << false << 4;
    }
    void switchingTabs()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(int, from);
        QFETCH(bool, hidePhone);
        QFETCH(int, to);
        FormFixture f;
        if (hidePhone) {
            f.seedDesignSettings();
            f.settings().write(showKey(1), QStringLiteral("0"));
        }
        Form1& w = activeForm(f);
        QVERIFY(w.SSTab1->TabVisible(1) != hidePhone);
        w.SSTab1->setTab(from);
        QSignalSpy clicks(w.SSTab1, &TabControl::Click);
        for (QWidget* target :
            { static_cast<QWidget*>(w.page(from).text), static_cast<QWidget*>(w.page(from).print) }) {
            if (!target->isVisible())
                continue;
            w.SSTab1->setTab(from);
            clicks.clear();
            target->setFocus();
            press(target, key);
            QCOMPARE(w.SSTab1->Tab(), to);
            QCOMPARE(clicks.count(), 1);
        }
    }

    // Escape closes the options panel as Cancel does and the About panel as Ok does.
    void escapeClosesPanels()
    {
        FormFixture f;
        Form1& w = activeForm(f);
        QSignalSpy cancel(w.cmdcancel, &QAbstractButton::clicked);
        QSignalSpy ok(w.cmdok, &QAbstractButton::clicked);
        QSignalSpy aboutOk(w.Command4, &QAbstractButton::clicked);

        w.frameoptions->show();
        w.Text2->setFocus();
        QTest::keyClick(w.Text2, Qt::Key_Escape);
        QCOMPARE(cancel.count(), 1);
        QCOMPARE(ok.count(), 0);
        w.frameoptions->hide();

        w.frameAbout->show();
        w.Command4->setFocus();
        QTest::keyClick(w.Command4, Qt::Key_Escape);
        QCOMPARE(aboutOk.count(), 1);
        QCOMPARE(cancel.count(), 1);
        w.frameAbout->hide();

        // On the pages Escape does nothing.
        w.txtNotes->setFocus();
        QTest::keyClick(w.txtNotes, Qt::Key_Escape);
        QCOMPARE(cancel.count() + aboutOk.count(), 2);
    }

    // The tray menu's Help and Options are reachable from the window's keyboard too.
    void helpAndOptionsKeys()
    {
        FormFixture f;
        Form1& w = activeForm(f);
        w.SSTab1->setTab(3);
        w.List2->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(f.platform.helpOpened.size(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Comma, Qt::ControlModifier);
        QVERIFY(w.frameoptions->isVisible());
        QVERIFY(w.frameoptions->isAncestorOf(QApplication::focusWidget()));
    }

    // While a panel covers the pages, the tab keys do not switch the pages underneath.
    void panelShieldsThePages()
    {
        FormFixture f;
        Form1& w = activeForm(f);
        w.frameoptions->show();
        w.Check1->setFocus();
        QTest::keyClick(w.Check1, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(w.Check1, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w.SSTab1->Tab(), 0);
    }

    // Tab walks each panel top to bottom, left to right, and round again without leaving it for
    // the page controls underneath; opening a panel puts the focus into it.
    void tabOrderOfThePanels_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("options") << "frameoptions"
                                 << QStringList { "Check1", "Check8", "Check2", "cmdok", "cmdcancel", "Drive1", "Dir1",
                                        "cmdbackup", "cmdrestore", "Text1", "Check4", "Text2", "Check5", "Text3",
                                        "Check6", "Text4", "Check7", "Text5" };
        QTest::newRow("notes page") << "page1"
                                    << QStringList { "txtNotes", "lblprintnotes", "lbleditnotes", "lblsavenotes" };
    }
    void tabOrderOfThePanels()
    {
        QFETCH(QString, panel);
        QFETCH(QStringList, order);
        FormFixture f;
        Form1& w = activeForm(f);
        w.txtNotes->setFocus();
        if (panel == QStringLiteral("frameoptions")) {
            w.frameoptions->show();
            QCOMPARE(QApplication::focusWidget(), w.Check1);
        }
        auto* first = w.findChild<QWidget*>(order.first());
        first->setFocus();
        QStringList walked { order.first() };
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked, order);
        if (panel != QStringLiteral("frameoptions"))
            return;
        QTest::keyClick(w.Check1, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w.Text5);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
