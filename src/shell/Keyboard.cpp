#include "shell/Keyboard.h"

#include "backup/DriveList.h"
#include "backup/FolderList.h"
#include "shell/Form1.h"
#include "shell/PanelFocus.h"
#include "shell/TabControl.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

namespace tabwise {

namespace {

// The next shown tab after (step 1) or before (step -1) the current one, round the end.
int neighbourTab(const TabControl& tabs, int step)
{
    const int count = tabs.count();
    int tab = tabs.Tab();
    for (int i = 0; i < count; ++i) {
        tab = (tab + step + count) % count;
        if (tabs.TabVisible(tab))
            return tab;
    }
    return tabs.Tab();
}

// A shortcut that works while the focus is anywhere within OWNER.
template <typename Action> void addShortcut(QWidget* owner, QKeySequence keys, Action action)
{
    auto* shortcut = new QShortcut(keys, owner);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, owner, action);
}

void addPageShortcuts(Form1& form)
{
    // The tab keys belong to the tab control and its pages: they are quiet in an open panel.
    TabControl* tabs = form.SSTab1;
    const auto next = [tabs] { tabs->setTab(neighbourTab(*tabs, 1)); };
    const auto previous = [tabs] { tabs->setTab(neighbourTab(*tabs, -1)); };
    addShortcut(tabs, QKeySequence(Qt::CTRL | Qt::Key_Tab), next);
    addShortcut(tabs, QKeySequence(Qt::CTRL | Qt::Key_PageDown), next);
    addShortcut(tabs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), previous);
    addShortcut(tabs, QKeySequence(Qt::CTRL | Qt::Key_PageUp), previous);

    // Tab leaves a text box, as in any dialog-like window; the pages hold no tab characters.
    for (int tab = 0; tab < pageCount; ++tab)
        form.page(tab).text->setTabChangesFocus(true);
}

// The tray menu's Help and Options from within the window: F1, and Ctrl+Comma as in many desktop
// programs' preferences.
void addMenuKeys(Form1& form)
{
    auto* help = new QShortcut(QKeySequence::HelpContents, &form);
    QObject::connect(help, &QShortcut::activated, form.MENUHELP, &QAction::trigger);
    auto* options = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), &form);
    QObject::connect(options, &QShortcut::activated, &form, [&form] {
        if (!form.frameoptions->isVisible())
            form.MENUOPTIONS->trigger();
    });
}

void addPanelKeys(Form1& form)
{
    addShortcut(form.frameoptions, QKeySequence(Qt::Key_Escape), [&form] { form.cmdcancel->click(); });
    addShortcut(form.frameAbout, QKeySequence(Qt::Key_Escape), [&form] { form.Command4->click(); });

    // The options panel in reading order: the start options and their buttons, the backup frame,
    // then the tab table row by row (the Show box stands left of the name; the first tab has none).
    QList<QWidget*> order { form.Check1, form.Check8, form.Check2, form.cmdok, form.cmdcancel, form.Drive1, form.Dir1,
        form.cmdbackup, form.cmdrestore };
    for (int tab = 0; tab < pageCount; ++tab) {
        if (QCheckBox* show = form.showBox(tab))
            order << show;
        order << form.nameBox(tab);
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    PanelFocus::keep(form.frameoptions);
    PanelFocus::keep(form.frameAbout);
}

} // namespace

void addKeyboardShortcuts(Form1& form)
{
    addPageShortcuts(form);
    addMenuKeys(form);
    addPanelKeys(form);
}

} // namespace tabwise
