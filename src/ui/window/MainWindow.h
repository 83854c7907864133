#pragma once

#include "core/page/PageTable.h"

#include <QWidget>

#include <array>

namespace tabwise {

class AboutPanel;
class ClickableLabel;
class HistoryPanel;
class PageKeeper;
class OptionsPanel;
class PageSpelling;
class PageView;
class PanelStack;
class Platform;
class SettingsStore;
class TabControl;
class TrayIcon;
class WindowActions;
class WindowPlacement;

// The program's one working window: the five pages on the tab control, the panels laid over them
// and the tray icon. It wires these together and owns what they share: which panels are open and
// which is in front (the title follows the front one, and the pages take no keys while any is
// open), and the window's commands as actions. What a page, a panel or the tray does is their own.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(Platform& platform, const QString& appFolder, SettingsStore& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    TabControl* tabs() const { return m_tabs; }
    PageView* page(int tabIndex) const { return m_pages[std::size_t(tabIndex)]; }
    PageView* currentPage() const;
    OptionsPanel* optionsPanel() const { return m_options; }
    AboutPanel* aboutPanel() const { return m_about; }
    HistoryPanel* historyPanel() const { return m_historyPanel; } // nullptr until first opened
    PanelStack* panels() const { return m_panels; }
    WindowActions* actions() const { return m_actions; }
    PageSpelling* spelling() const { return m_spelling; }
    TrayIcon* trayIcon() const { return m_tray; }
    ClickableLabel* optionsButton() const { return m_optionsButton; }
    const QString& appFolder() const { return m_appFolder; }

    // Runs once, at the splash screen's hand-over: reads the first page and the start mode, adds
    // the tray icon, shows the window (or leaves it in the tray) and names the tabs and commands.
    void load();
    void showPage(int tabIndex);
    // The program is ending without a question (the session ends, a signal asks it to): the typing
    // of every page goes into its draft, the window is unloaded.
    void endWithoutAsking();

public Q_SLOTS:
    // Back in the normal state, shown, to the front.
    void restore();
    void openOptions();
    void openAbout();
    void openHelp();
    // The current page's history over the pages.
    void openHistory();

Q_SIGNALS:
    // The window has been unloaded: the program ends.
    void unloaded();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildPages();
    void buildOptionsButton();
    void connectActions();
    void connectPanels();
    void activate();
    void unload();
    void changePage(int index, int previous);
    void panelsChanged();
    void applyTabNames();
    void updateTitle();
    int askToSave(int tabIndex);
    bool askBeforeUnloading();
    void hideIfMinimized();
    void takeVersion(int tabIndex, const QString& text);
    void awaitTray();

    Platform& m_platform;
    QString m_appFolder;
    SettingsStore& m_settings;
    TabControl* m_tabs = nullptr;
    std::array<PageView*, pageCount> m_pages {};
    ClickableLabel* m_optionsButton = nullptr;
    WindowActions* m_actions = nullptr;
    PanelStack* m_panels = nullptr;
    OptionsPanel* m_options = nullptr;
    AboutPanel* m_about = nullptr;
    HistoryPanel* m_historyPanel = nullptr;
    TrayIcon* m_tray = nullptr;
    WindowPlacement* m_placement = nullptr;
    bool m_loaded = false;
    bool m_unloaded = false;
    PageKeeper* m_keeper = nullptr;
    PageSpelling* m_spelling = nullptr;
};

} // namespace tabwise
