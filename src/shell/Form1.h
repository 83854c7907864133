#pragma once

#include "pages/FileStamp.h"
#include "pages/PageTable.h"
#include "shell/TrayRecord.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QAction;
class QPlainTextEdit;
class QPushButton;
class QLineEdit;

namespace tabwise {

class CommandLabel;
class ClickableImage;
class DriveList;
class FolderList;
class ListBox;
class Platform;
class RuledFrame;
class SettingsStore;
class TabControl;

// The program's one working window: the five pages on the tab control, the options panel, the
// About panel and the tray menu. State lives in the controls themselves; handlers are named after
// the control and the event and read like the steps they carry out.
class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1(Platform& platform, const QString& appFolder, SettingsStore& settings, QWidget* parent = nullptr);
    ~Form1() override;

    // The controls of one page, in the order of the page table.
    struct PageControls {
        QPlainTextEdit* text;
        ListBox* list; // nullptr on a text page
        CommandLabel* edit;
        CommandLabel* save;
        CommandLabel* print;
    };
    PageControls page(int tabIndex) const;
    QString pageFilePath(int tabIndex) const;
    const QString& appFolder() const { return m_appFolder; }

    // --- life of the window -------------------------------------------------------------------
    void Form_Load();
    void Form_Activate();
    void Form_Unload();

    // --- page files and lists -----------------------------------------------------------------
    void List_Add(ListBox* list, const QString& txt);
    void List_Load(ListBox* TheList, const QString& FileName);
    void SaveList(ListBox* Lst, const QString& file);
    // Reads a page file into a text box; a file that cannot be read is reported. Returns success.
    bool readPageInto(QPlainTextEdit* box, const QString& path);

    // --- captions -----------------------------------------------------------------------------
    void LoadTabNames();
    void SetLabelCaptions();
    // Puts the stored tab names into the name boxes of the options panel.
    void fillNameBoxes();
    void setWindowTitleFor(const QString& caption);

    // --- page switching, editing and saving ---------------------------------------------------
    void SSTab1_Click(int PreviousTab);
    void lbleditnotes_Click();
    void lblsavenotes_Click();
    void lbleditphone_Click();
    void lblsavephone_Click();
    void lbleditemail_Click();
    void lblsaveemail_Click();
    void lbleditwebsites_Click();
    void lblsavewebsites_Click();
    void lbleditother_Click();
    void lblsaveother_Click();
    // Before the window is unloaded: asks about every page with unsaved typing whether to save it.
    // False when the user cancels or a save fails; the window then stays.
    bool askBeforeUnloading();
    // Saves every page with unsaved typing to its file without asking (the session is ending).
    // False when a page could not be written.
    bool saveUnsavedPages();
    // Whether the page's text box holds typing that has not been saved.
    bool hasUnsavedText(int tabIndex) const;

    // --- printing pages and opening list entries ----------------------------------------------
    void lblprintnotes_Click();
    void lblprintphone_Click();
    void lblprintemail_Click();
    void lblprintwebsites_Click();
    void lblprintother_Click();
    // Ctrl+P: prints the page on the current tab, as its Print label does.
    void printShortcut_Activated();
    void List1_DblClick();
    void List2_DblClick();

    // --- tray icon and tray menu --------------------------------------------------------------
    // A tray event arrives as a left-button press whose X carries the event's mouse message.
    void Form_MouseDown(int Button, int Shift, float X, float Y);
    void Form_Resize();
    void MENURESTORE_Click();
    void MENUOPTIONS_Click();
    void MENUEXIT_Click();

    // --- options panel, start at log-on, stay on top ------------------------------------------
    void Image1_Click();
    void cmdok_Click();
    void cmdcancel_Click();
    void ShowTabsFromSettings();
    void HideTabsFromSettings();
    void Check8_Click();
    void Check2_Click();

    // --- backup and restore -------------------------------------------------------------------
    void Drive1_Change();
    void cmdbackup_Click();
    void cmdrestore_Click();
    // Opens the folder in the folder list (and selects its drive) when the folder can be listed;
    // otherwise leaves both lists as they are and returns false.
    bool showBackupFolder(const QString& folder);

    // --- help and About -----------------------------------------------------------------------
    void MENUHELP_Click();
    void MENUABOUT_Click();
    void Command4_Click();
    void Label15_Click();

    // --- controls, named as the handlers know them ----------------------------------------------
    TabControl* SSTab1 = nullptr;
    QPlainTextEdit* txtNotes = nullptr;
    QPlainTextEdit* txtPhone = nullptr;
    QPlainTextEdit* txtEmail = nullptr;
    QPlainTextEdit* txtWebSites = nullptr;
    QPlainTextEdit* txtOther = nullptr;
    ListBox* List1 = nullptr;
    ListBox* List2 = nullptr;
    CommandLabel* lbleditnotes = nullptr;
    CommandLabel* lblsavenotes = nullptr;
    CommandLabel* lblprintnotes = nullptr;
    CommandLabel* lbleditphone = nullptr;
    CommandLabel* lblsavephone = nullptr;
    CommandLabel* lblprintphone = nullptr;
    CommandLabel* lbleditemail = nullptr;
    CommandLabel* lblsaveemail = nullptr;
    CommandLabel* lblprintemail = nullptr;
    CommandLabel* lbleditwebsites = nullptr;
    CommandLabel* lblsavewebsites = nullptr;
    CommandLabel* lblprintwebsites = nullptr;
    CommandLabel* lbleditother = nullptr;
    CommandLabel* lblsaveother = nullptr;
    CommandLabel* lblprintother = nullptr;
    ClickableImage* Image1 = nullptr;

    // The options panel.
    QGroupBox* frameoptions = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check8 = nullptr;
    QCheckBox* Check2 = nullptr;
    QPushButton* cmdok = nullptr;
    QPushButton* cmdcancel = nullptr;
    QGroupBox* Frame2 = nullptr;
    DriveList* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    QPushButton* cmdbackup = nullptr;
    QPushButton* cmdrestore = nullptr;
    QLabel* Image6 = nullptr;
    RuledFrame* frameTabOptions = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check5 = nullptr;
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check7 = nullptr;
    // The name box of the tab at index 0..4, and the show box of the tab at index 1..4.
    QLineEdit* nameBox(int tabIndex) const;
    QCheckBox* showBox(int tabIndex) const;

    // The About panel.
    QGroupBox* frameAbout = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* lblversion = nullptr;
    QLabel* lblproductname = nullptr;
    QLabel* Label15 = nullptr;
    QPushButton* Command4 = nullptr;

    // The tray menu.
    QMenu* MENU = nullptr;
    QAction* MENUHELP = nullptr;
    QAction* MENUABOUT = nullptr;
    QAction* MENURESTORE = nullptr;
    QAction* MENUOPTIONS = nullptr;
    QAction* SEP = nullptr;
    QAction* MENUEXIT = nullptr;

    // The tray icon record and its tip.
    QString TrayTip;
    TrayIconRecord TrayIcon;

Q_SIGNALS:
    // The window has been unloaded: the program ends.
    void Unloaded();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void buildOptionsPanel();
    void buildAboutPanel();
    void buildMenu();
    // Each subsystem connects the events of its controls to its handlers.
    void connectPageHandlers();
    void connectPrintAndOpenHandlers();
    void connectTrayHandlers();
    void connectOptionsHandlers();
    void connectBackupHandlers();
    void connectHelpHandlers();
    // options panel, start at log-on, stay on top
    void applyTabVisibility(double acting, bool visible);
    bool storeOptions();
    // page switching, editing and saving
    void showTextPage(int tab);
    void showListPage(int tab);
    void editTextPage(int tab);
    void saveTextPage(int tab);
    void editListPage(int tab);
    void saveListPage(int tab);
    bool savePage(int tab);
    int askToSave(int tab);
    bool writeBoxToPage(int tab, bool reportFailure);
    bool boxShowsFile(int tab) const;
    int pageOfBox(const QPlainTextEdit* box) const;
    void saveKey_Activated();
    // The file state each text box was last filled from, while the box shows exactly that file.
    std::array<std::optional<FileStamp>, pageCount> m_boxShowsFile;
    bool m_returningToTab = false;
    // backup and restore
    void Dir1_OpenFailed(int errorNumber, const QString& description);
    void reloadPageAfterRestore(const QStringList& restoredFiles);
    // tray icon and tray menu: normal state and visible; the wait for a tray
    void restoreWindow();
    void awaitTray();
    // printing pages and opening list entries
    void printTextPage(const QPlainTextEdit* box);
    void printListPage(const ListBox* list);
    bool addTrayIcon();
    void placeBottomRight();
    void settlePlacement();
    void showError(const QString& text);

    Platform& m_platform;
    QString m_appFolder;
    SettingsStore& m_settings;
    bool m_loaded = false;
    bool m_unloaded = false;
    bool m_placementPending = false;
    int m_placementChecks = 0;
    static constexpr int placementSettleChecks = 30;
    static constexpr int placementCheckMilliseconds = 100;
};

} // namespace tabwise
