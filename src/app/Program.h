#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace tabwise {

class HelpWindowViewer;
class MainWindow;
class QtPlatform;
class SettingsStore;
class SplashScreen;
class TerminationSignals;

// The program behind its splash screen. The splash is the first window the user sees, so it is
// shown before anything else is made; the platform, the settings and the main window are made
// once it is on the screen (or when it hands over, should it never be painted), and its hand-over
// loads the window. Requests to show or hide the window (a later start, --show, --toggle) wait
// for the window; a request to end without asking ends the program at once while there is no
// window yet.
class Program : public QObject {
    Q_OBJECT
public:
    Program(const QString& appFolder, SplashScreen& splash, QObject* parent = nullptr);
    ~Program() override;

    // Shows the window, or for TOGGLE shows or hides it, as a later start asks with its
    // activation token (see RunningWindow.h).
    void showWindow(bool toggle = false, const QString& activationToken = {});
    MainWindow* window() const { return m_window.get(); }

private:
    void build();
    void endWithoutAsking();

    QString m_appFolder;
    SplashScreen& m_splash;
    std::unique_ptr<TerminationSignals> m_termination;
    std::unique_ptr<HelpWindowViewer> m_help;
    std::unique_ptr<QtPlatform> m_platform;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace tabwise
