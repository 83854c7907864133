#include "FormFixture.h"

#include "ui/ListBox.h"
#include "core/SettingsKeys.h"
#include "ui/CommandLabel.h"
#include "ui/TabControl.h"

#include <QAccessible>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

using namespace tabwise;

namespace {

QString spokenName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

QString describe(const QWidget* widget)
{
    return QStringLiteral("%1 (%2) in %3")
        .arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()),
            widget->parentWidget() ? widget->parentWidget()->objectName() : QString());
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A screen reader names every control the keyboard can reach, on every page and panel.
    void everyFocusableControlHasAName()
    {
        FormFixture f;
        f.seedDesignSettings();
        Form1& w = f.load();
        QStringList unnamed;
        int checked = 0;
        for (QWidget* widget : w.findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus || widget->focusProxy())
                continue;
            ++checked;
            if (spokenName(widget).trimmed().isEmpty())
                unnamed << describe(widget);
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("\n"))));
        QVERIFY(checked > 30);
        for (QAction* action : w.MENU->actions())
            QVERIFY(action->isSeparator() || !action->text().isEmpty());
    }

    // The pages' text boxes and lists are named after their tab, as the tab is called now.
    void pagesAreNamedAfterTheirTabs()
    {
        FormFixture f;
        f.seedDesignSettings();
        f.settings().write(tabNameKey(0), QStringLiteral("Journal"));
        f.settings().write(tabNameKey(3), QStringLiteral("Bookmarks"));
        f.settings().write(tabNameKey(4), QStringLiteral("R&&D &Links"));
        Form1& w = f.load();
        QCOMPARE(spokenName(w.txtNotes), QStringLiteral("Journal"));
        QCOMPARE(spokenName(w.txtPhone), QStringLiteral("Phone Numbers"));
        QCOMPARE(spokenName(w.txtEmail), QStringLiteral("Email Addresses"));
        QCOMPARE(spokenName(w.List1), QStringLiteral("Email Addresses"));
        QCOMPARE(spokenName(w.txtWebSites), QStringLiteral("Bookmarks"));
        QCOMPARE(spokenName(w.List2), QStringLiteral("Bookmarks"));
        QCOMPARE(spokenName(w.lbleditnotes), QStringLiteral("Edit Journal"));
        // Access-key markers are not spoken.
        QCOMPARE(spokenName(w.txtOther), QStringLiteral("R&D Links"));

        // The tabs themselves read as their captions.
        QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(w.SSTab1->tabBar());
        QVERIFY(strip);
        QStringList tabs;
        for (int i = 0; i < strip->childCount(); ++i) {
            if (strip->child(i)->role() == QAccessible::PageTab)
                tabs << strip->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(tabs,
            (QStringList { QStringLiteral("Journal"), QStringLiteral("Phone Numbers"),
                QStringLiteral("Email Addresses"), QStringLiteral("Bookmarks"), QStringLiteral("R&D Links") }));

        // A tab renamed later renames its page.
        f.settings().write(tabNameKey(1), QStringLiteral("Calls"));
        w.LoadTabNames();
        QCOMPARE(spokenName(w.txtPhone), QStringLiteral("Calls"));
    }

    // A tab whose name was cleared still gives its page a name to speak.
    void pageWithoutTabNameKeepsAName()
    {
        FormFixture f;
        f.seedDesignSettings();
        f.settings().write(tabNameKey(4), QString());
        Form1& w = f.load();
        QCOMPARE(spokenName(w.txtOther), QStringLiteral("Page 5"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
