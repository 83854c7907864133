#pragma once

#include <QKeySequence>
#include <QObject>

namespace tabwise {

class MainWindow;
class Platform;
class SettingsStore;

// The key that shows and hides the window from anywhere: the setting [Keys] ShowHide in Qt's
// portable key text ("Ctrl+Alt+N"), none by default, taken from the desktop through the platform
// at start and again after the options panel's OK. A key the desktop refuses is reported, naming
// the key.
class ShowHideKey : public QObject {
    Q_OBJECT
public:
    ShowHideKey(Platform& platform, SettingsStore& settings, MainWindow& window);
    ~ShowHideKey() override;

    // Takes the stored key, unless it is the one taken already.
    void apply();

private:
    Platform& m_platform;
    SettingsStore& m_settings;
    MainWindow& m_window;
    QKeySequence m_taken;
};

// Hides the window when it is shown and active (into the tray; minimized when there is none), and
// otherwise shows it, raises it and gives it the focus.
void toggleWindow(MainWindow& window);

} // namespace tabwise
