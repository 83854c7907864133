#include "app/Program.h"

#include "app/AppFolder.h"
#include "app/RunningWindow.h"
#include "app/TerminationSignals.h"
#include "core/settings/SettingsStore.h"
#include "platform/linux/QtPlatform.h"
#include "ui/help/HelpWindowViewer.h"
#include "ui/window/MainWindow.h"
#include "ui/window/SplashScreen.h"

#include <QCoreApplication>

namespace tabwise {

Program::Program(const QString& appFolder, SplashScreen& splash, QObject* parent)
    : QObject(parent)
    , m_appFolder(appFolder)
    , m_splash(splash)
    , m_termination(std::make_unique<TerminationSignals>())
{
    // Ended from outside: no question can be asked, so the typing goes into its drafts.
    connect(m_termination.get(), &TerminationSignals::terminationRequested, this, &Program::endWithoutAsking);
    connect(&splash, &SplashScreen::painted, this, &Program::build);
    connect(&splash, &SplashScreen::finished, this, [this] {
        build();
        m_window->load();
    });
}

Program::~Program() = default;

void Program::build()
{
    if (m_window)
        return;
    m_help = std::make_unique<HelpWindowViewer>();
    m_platform = std::make_unique<QtPlatform>(*m_help, startCommand());
    m_settings = std::make_unique<SettingsStore>(SettingsStore::defaultPath());
    m_window = std::make_unique<MainWindow>(*m_platform, m_appFolder, *m_settings);
    connect(m_window.get(), &MainWindow::unloaded, QCoreApplication::instance(), &QCoreApplication::quit,
        Qt::QueuedConnection);
}

void Program::showWindow(bool toggle, const QString& activationToken)
{
    build();
    showRunningWindow(*m_window, m_splash, toggle, activationToken);
}

void Program::endWithoutAsking()
{
    if (m_window)
        m_window->endWithoutAsking();
    else
        QCoreApplication::quit();
}

} // namespace tabwise
