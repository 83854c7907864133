#include "ui/window/MainWindow.h"

#include "core/captions/Titles.h"
#include "core/settings/FirstStart.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/ValueConversion.h"
#include "core/spelling/PageSpelling.h"
#include "core/spelling/PersonalDictionary.h"
#include "platform/Platform.h"
#include "ui/common/Artwork.h"
#include "ui/common/ClickableLabel.h"
#include "ui/common/Measures.h"
#include "ui/common/NoteBar.h"
#include "ui/history/HistoryPanel.h"
#include "ui/page/PageKeeper.h"
#include "ui/page/PageView.h"
#include "ui/page/TabControl.h"
#include "ui/panels/AboutPanel.h"
#include "ui/panels/HistoryOptions.h"
#include "ui/panels/OptionsPanel.h"
#include "ui/tray/TrayIcon.h"
#include "ui/window/Accessibility.h"
#include "ui/window/Finding.h"
#include "ui/window/PanelStack.h"
#include "ui/window/ShowHideKey.h"
#include "ui/window/WindowActions.h"
#include "ui/window/WindowPlacement.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QShowEvent>
#include <QTimer>

namespace tabwise {

namespace {
// How long a start in the tray waits for the desktop's tray to appear before it shows the window
// minimized instead (at log-on the program may start before the panel).
constexpr int trayWaitMilliseconds = 5000;
constexpr int spellingDelayMilliseconds = 1000;
// The tab control is a little wider than the window: the right edge of its frame stands outside.
constexpr int tabsWidth = 5280;
} // namespace

MainWindow::MainWindow(Platform& platform, const QString& appFolder, SettingsStore& settings, QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
    , m_appFolder(appFolder)
    , m_settings(settings)
{
    installAccessibility();
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Tabwise"));
    setWindowIcon(programIcon());
    QFont dialogFont = font();
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    // Fixed single border: the user can neither resize nor maximize the window.
    setFixedSize(px(measure::windowWidth), px(measure::windowHeight));
    move(px(4395), px(975));

    m_actions = new WindowActions(this);
    m_panels = new PanelStack(this);
    m_keeper = new PageKeeper(appFolder, platform, this);
    m_spelling = new PageSpelling(settings, platform.dictionaryFolders(), PersonalDictionary::defaultPath(), this);
    buildPages();
    buildOptionsButton();
    m_options = new OptionsPanel(platform, settings, appFolder, this);
    m_options->setSpelling(m_spelling);
    m_about = new AboutPanel(platform, this);
    m_panels->add(m_options);
    m_panels->add(m_about);
    m_tray = new TrayIcon(platform.notifyIcon(), this,
        { m_actions->help, m_actions->about, m_actions->restore, m_actions->options, nullptr, m_actions->exit });
    m_placement = new WindowPlacement(this);
    connectPanels();
    connectActions();
    addFinding(*this);

    // At log-off no question can be asked: what was typed goes into its draft, and the page files
    // stay as they are until the user saves.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, m_keeper, &PageKeeper::keepAllTyping);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages()
{
    m_tabs = new TabControl(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setGeometry(twipsRect(this, measure::windowWidth, 0, 0, tabsWidth, measure::windowHeight));
    // Five equal tabs of about 20 pixels along the bottom; the options picture keeps the right end.
    m_tabs->strip()->setTabHeight(px(295));
    m_tabs->strip()->setStripWidth(px(4940) - 4);
    for (const PageInfo& info : pageTable) {
        // Made inside the tab control, so that it measures its commands in the window's font.
        auto* page = new PageView(info, m_appFolder, m_platform, m_keeper->drafts(), m_tabs);
        m_pages[std::size_t(info.tabIndex)] = page;
        page->setHistoryAction(m_actions->history);
        m_tabs->addTab(page, QString());
        m_tabs->setCaption(info.tabIndex, QString::fromLatin1(info.defaultCaption));
        connect(page, &PageView::saved, m_tabs, qOverload<>(&QWidget::setFocus));
        connect(page, &PageView::unsavedChanged, this,
            [this, tab = info.tabIndex](bool unsaved) { m_tabs->setMarked(tab, unsaved); });
    }
    connect(m_tabs, &TabControl::pageChanged, this, &MainWindow::changePage);
    // A screen reader names a page's text box and list after its tab, whatever the tab is called.
    connect(m_tabs, &TabControl::captionChanged, this,
        [this](int tab, const QString& caption) { page(tab)->setSpokenName(caption); });

    auto* folderNote = new NoteBar(this);
    folderNote->setGeometry(twipsRect(this, measure::windowWidth, 0, 0, measure::windowWidth, 900));
    m_keeper->keep(m_pages, folderNote);
    // Versions that have grown older than the user keeps them go at each start, off the window's thread.
    if (const int days = HistoryOptions::keepDaysFrom(m_settings.read(Key::KeepDays)))
        m_keeper->keepHistoryFor(days);
}

void MainWindow::buildOptionsButton()
{
    // The options picture sits in the lower right corner, level with the tab strip, and belongs to
    // the first page: it shows only while that page is current.
    m_optionsButton = new ClickableLabel(m_tabs);
    m_optionsButton->setObjectName(QStringLiteral("optionsButton"));
    m_optionsButton->setGeometry(twipsRect(m_tabs, tabsWidth, 4940, 5970, 240, 240));
    m_optionsButton->setPixmap(artwork(QStringLiteral("options"), m_optionsButton->size(), devicePixelRatioF()));
    m_optionsButton->setScaledContents(true);
    m_optionsButton->setToolTip(tr("Options"));
    m_optionsButton->setAccessibleName(tr("Options"));
    m_optionsButton->setCursor(Qt::PointingHandCursor);
    m_optionsButton->setVisible(m_tabs->currentIndex() == 0);
    m_optionsButton->raise();
    connect(m_optionsButton, &ClickableLabel::clicked, this, &MainWindow::openOptions);
}

void MainWindow::connectActions()
{
    connect(m_actions->save, &QAction::triggered, this, [this] { currentPage()->save(); });
    connect(m_actions->print, &QAction::triggered, this, [this] { currentPage()->print(); });
    connect(m_actions->history, &QAction::triggered, this, &MainWindow::openHistory);
    connect(m_actions->help, &QAction::triggered, this, &MainWindow::openHelp);
    connect(m_actions->about, &QAction::triggered, this, &MainWindow::openAbout);
    connect(m_actions->restore, &QAction::triggered, this, &MainWindow::restore);
    // From the tray the window comes back first, without the About panel.
    connect(m_actions->options, &QAction::triggered, this, [this] {
        restore();
        m_about->hide();
        openOptions();
    });
    connect(m_actions->showHide, &QAction::triggered, this, [this] { toggleWindow(*this); });
    // Closing runs the window's close handling, which unloads it; the unload removes the icon.
    connect(m_actions->exit, &QAction::triggered, this, &QWidget::close);
    connect(m_tray, &TrayIcon::activated, this, &MainWindow::restore);
}

void MainWindow::connectPanels()
{
    connect(m_panels, &PanelStack::changed, this, &MainWindow::panelsChanged);
    connect(m_options, &OptionsPanel::tabNamesChanged, this, &MainWindow::applyTabNames);
    connect(m_options, &OptionsPanel::tabVisibilityChanged, m_tabs, &QTabWidget::setTabVisible);
    connect(m_options, &OptionsPanel::stayOnTopChanged, this, [this](bool onTop) {
        // The option also places the window's top-left corner, in screen pixels; a start-up
        // placement still waiting for the desktop's frame must not move it back.
        m_placement->cancel();
        m_platform.zOrder().setTopmost(this, onTop, QPoint(464, 259));
    });
    connect(m_options, &OptionsPanel::aboutToRestore, m_keeper, &PageKeeper::keepBeforeRestore);
    connect(m_options, &OptionsPanel::historyKeepDaysChanged, m_keeper, &PageKeeper::keepHistoryFor);
    connect(m_options, &OptionsPanel::clearHistoryRequested, m_keeper, &PageKeeper::clearHistory);
    connect(m_options, &OptionsPanel::restored, this, [this](const QString& folder, const QStringList& files) {
        m_keeper->showRestored(folder, files, currentPage());
    });
}

PageView* MainWindow::currentPage() const
{
    return page(std::max(0, m_tabs->currentIndex()));
}

void MainWindow::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    seedFirstStart(m_settings);

    page(0)->readFile();
    m_options->stayOnTopBox()->setChecked(toBoxState(m_settings.read(Key::StayOnTop)) == 1);

    // "1" starts hidden in the tray; anything else starts with the window shown.
    const bool startHidden = toNumber(m_settings.read(Key::StartMinimized)) == 1.0;
    m_options->startMinimizedBox()->setChecked(startHidden);
    if (startHidden) {
        hide();
        if (!m_tray->add())
            awaitTray(); // without a tray a hidden window could never be reached again
    } else {
        m_tray->add();
        show();
        m_placement->placeBottomRight();
    }

    showPage(0);
    for (int tab = 0; tab < pageCount; ++tab)
        m_tabs->setCaption(tab, m_settings.read(tabNameKey(tab)));
    m_options->fillNameBoxes();
    for (int tab = 0; tab < pageCount; ++tab)
        page(tab)->setCommandNames(m_options->tabName(tab));
    updateTitle();
    m_keeper->restoreDrafts();
    // Once the window is up: a key the desktop refuses is reported over it.
    QMetaObject::invokeMethod(
        new ShowHideKey(m_platform, m_settings, *this), &ShowHideKey::apply, Qt::QueuedConnection);
    // Spelling a moment after the first window: its dictionary is no part of the start.
    QTimer::singleShot(spellingDelayMilliseconds, this, [this] {
        for (PageView* page : m_pages)
            page->setSpelling(m_spelling);
    });
}

void MainWindow::activate()
{
    m_options->applyStoredStates();
    // Whenever the window comes back, the pages show what their files hold now.
    m_keeper->checkNow();
}

void MainWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_tray->remove();
    Q_EMIT unloaded();
}

void MainWindow::showPage(int tabIndex)
{
    m_tabs->setCurrentIndex(tabIndex);
}

void MainWindow::changePage(int index, int previous)
{
    if (index < 0 || index >= pageCount)
        return;
    if (previous >= 0 && previous < pageCount && previous != index)
        page(previous)->leave();
    page(index)->showFromFile();
    if (m_optionsButton)
        m_optionsButton->setVisible(index == 0);
    // The history shown is that of the page it was opened on: it closes when another page is shown.
    if (m_historyPanel && m_historyPanel->isVisible() && m_historyPanel->pageIndex() != index)
        m_historyPanel->close();
    updateTitle();
}

void MainWindow::panelsChanged()
{
    // While a panel lies over the pages, no key reaches them: neither their commands' access keys
    // nor the window's page commands.
    const bool pagesInView = m_panels->isEmpty();
    for (PageView* page : m_pages)
        page->setEnabled(pagesInView);
    m_actions->setPagesInView(pagesInView);
    updateTitle();
}

void MainWindow::applyTabNames()
{
    for (int tab = 0; tab < pageCount; ++tab) {
        m_tabs->setCaption(tab, m_options->tabName(tab));
        page(tab)->setCommandNames(m_options->tabName(tab));
    }
    updateTitle();
}

void MainWindow::updateTitle()
{
    // After the panel in front when it names itself ("Options"), else after the page shown.
    const QString word = m_panels->titleWord();
    setWindowTitle(windowTitleText(word.isEmpty() ? m_tabs->caption(m_tabs->currentIndex()) : word));
}

int MainWindow::askToSave(int tabIndex)
{
    return m_platform.messages().show(
        this, tr("Save changes to %1?").arg(m_tabs->caption(tabIndex)), msgbox::YesNoCancel | msgbox::Question);
}

bool MainWindow::askBeforeUnloading()
{
    for (PageView* page : m_pages) {
        if (!page->hasUnsavedText())
            continue;
        if (m_tabs->isTabVisible(page->info().tabIndex))
            showPage(page->info().tabIndex);
        const int answer = askToSave(page->info().tabIndex);
        if (answer == msgbox::Cancel || (answer == msgbox::Yes && !page->save()))
            return false;
        if (answer == msgbox::No)
            page->discardUnsavedText();
    }
    return true;
}

void MainWindow::endWithoutAsking()
{
    m_keeper->keepAllTyping();
    unload();
}

void MainWindow::restore()
{
    setWindowState(Qt::WindowNoState);
    setVisible(true);
    raise();
    activateWindow();
}

void MainWindow::openOptions()
{
    m_options->open();
}

void MainWindow::openAbout()
{
    restore();
    m_about->open();
}

void MainWindow::openHelp()
{
    // The window stays as it is: help opens from the tray while the window is hidden, too.
    m_platform.helpViewer().showHelp(this, m_appFolder + QStringLiteral("/help/Tabwise.chm"));
}

void MainWindow::openHistory()
{
    if (!m_historyPanel) {
        m_historyPanel = new HistoryPanel(this);
        m_panels->add(m_historyPanel);
        connect(m_historyPanel, &HistoryPanel::restoreRequested, this, &MainWindow::takeVersion);
    }
    PageView* page = currentPage();
    m_historyPanel->open(m_keeper->history(), page->info().tabIndex, QString::fromLatin1(page->info().fileName),
        m_tabs->caption(page->info().tabIndex), page->currentText());
}

void MainWindow::takeVersion(int tabIndex, const QString& text)
{
    // The version goes into the page whose history is shown, as typing that Undo takes back; still,
    // typing is not replaced unasked, and keeping it is what Escape and closing the question do.
    PageView* target = page(tabIndex);
    if (target->hasUnsavedText()) {
        const int answer = m_platform.messages().choose(this,
            //: %1 is the page's name
            { tr("\"%1\" holds typing that is not saved. Put the chosen version in its place?")
                    .arg(m_tabs->caption(tabIndex)),
                { tr("&Keep My Typing"), tr("&Replace It") }, 0, 0 });
        if (answer != 1)
            return;
    }
    m_historyPanel->close();
    showPage(tabIndex);
    target->takeText(text);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Activation runs when the window goes from hidden to shown (the first show, back from the
    // tray), after the handler that showed it has finished; never when the user merely switches
    // between programs.
    if (!event->spontaneous() && m_loaded)
        QMetaObject::invokeMethod(this, &MainWindow::activate, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Once unloaded (the program ends without a question) the application's closing of its windows
    // asks nothing more.
    if (!m_unloaded && !askBeforeUnloading()) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Queued, so that the window system has finished minimizing before the window is hidden.
    if (event->type() == QEvent::WindowStateChange)
        QMetaObject::invokeMethod(this, &MainWindow::hideIfMinimized, Qt::QueuedConnection);
}

void MainWindow::hideIfMinimized()
{
    // Without a tray a hidden window could not be reached again: it stays on the taskbar.
    if (isMinimized() && m_tray->available())
        hide();
}

void MainWindow::awaitTray()
{
    QTimer::singleShot(trayWaitMilliseconds, this, [this] {
        if (!m_unloaded && isHidden() && !m_tray->available())
            showMinimized();
    });
}

} // namespace tabwise
