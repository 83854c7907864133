#pragma once

#include "core/page/PageTable.h"

#include "ui/panels/OverlayPanel.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tabwise {

class BackupPanel;
class HistoryOptions;
class KeyField;
class PageSpelling;
class Platform;
class SettingsStore;
class SpellingChoice;

// The options panel laid over the pages: start minimized, start at log-on, stay on top, the key
// that shows and hides the window from anywhere, the backup frame, the tab table (each tab's name,
// and whether tabs 2 to 5 are shown, with the dictionary the text pages are checked with), and how long the history
// of the pages is kept. OK stores everything and tells the window; Cancel only closes. Start at log-on acts at once
// when its box changes, however it changes; so does stay on top, through the window.
class OptionsPanel : public OverlayPanel {
    Q_OBJECT
public:
    OptionsPanel(Platform& platform, SettingsStore& settings, const QString& appFolder, QWidget* parent = nullptr);

    QCheckBox* startMinimizedBox() const { return m_startMinimized; }
    QCheckBox* startAtLogonBox() const { return m_startAtLogon; }
    QCheckBox* stayOnTopBox() const { return m_stayOnTop; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    // The backup frame, made when it is first needed (the panel opens, a test asks for it).
    BackupPanel* backupPanel();
    // The field of the show/hide key, made when it is first needed (the panel opens, OK stores it).
    KeyField* showHideKeyField();
    HistoryOptions* historyOptions();
    // The choice of the spelling dictionary, offered once the window's spelling is handed over.
    void setSpelling(PageSpelling* spelling);
    SpellingChoice* spellingChoice() const { return m_spellingChoice; }
    // The name box of the tab at index 0..4, and the show box of the tab at index 1..4.
    QLineEdit* nameBox(int tabIndex) const { return m_names[std::size_t(tabIndex)]; }
    QCheckBox* showBox(int tabIndex) const { return m_shows[std::size_t(tabIndex)]; }
    QString tabName(int tabIndex) const;

    QString titleWord() const override;
    void dismiss() override { cancel(); }

    // Shows the panel with the backup folder of the last backup; an open panel comes to the front
    // as it is.
    void open();
    // Puts the stored tab names into the name boxes.
    void fillNameBoxes();
    // Sets the boxes from the stored start-at-log-on and show values, and hides the tabs the
    // stored values hide; the first value that is not a box state ends the work there.
    void applyStoredStates();

public Q_SLOTS:
    void accept();
    void cancel();

Q_SIGNALS:
    // OK has stored new tab names.
    void tabNamesChanged();
    void tabVisibilityChanged(int tabIndex, bool visible);
    void stayOnTopChanged(bool onTop);
    // OK has stored and applied everything, or Cancel closed the panel without a change.
    void accepted();
    void cancelled();
    // The backup frame's restore from FOLDER is about to replace the page files (they are as they
    // were until the receivers return), and then replaced these page files (names).
    void aboutToRestore(const QString& folder);
    void restored(const QString& folder, const QStringList& fileNames);
    // OK has stored how many days of page history to keep (0: all); the user confirmed that the
    // history is to be cleared.
    void historyKeepDaysChanged(int days);
    void clearHistoryRequested();

private:
    void buildStartOptions();
    void buildTabTable();
    void fitCaptions();
    void setTabOrder();
    bool store();
    void applyStoredVisibility(double acting, bool visible);
    void changeStartAtLogon();
    void showError(const QString& text);

    Platform& m_platform;
    SettingsStore& m_settings;
    QString m_appFolder;
    QCheckBox* m_startMinimized = nullptr;
    QCheckBox* m_startAtLogon = nullptr;
    QCheckBox* m_stayOnTop = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    BackupPanel* m_backup = nullptr;
    KeyField* m_showHideKey = nullptr;
    HistoryOptions* m_history = nullptr;
    PageSpelling* m_spelling = nullptr;
    SpellingChoice* m_spellingChoice = nullptr;
    bool m_captionsFitted = false;
    std::array<QLineEdit*, pageCount> m_names {};
    std::array<QCheckBox*, pageCount> m_shows {}; // none for the first tab
};

} // namespace tabwise
