#include "platform/qt/ChmHelpViewer.h"

#include "help/HelpWindow.h"

namespace tabwise {

ChmHelpViewer::ChmHelpViewer() = default;
ChmHelpViewer::~ChmHelpViewer() = default;

void ChmHelpViewer::showHelp(QWidget*, const QString& helpFilePath)
{
    // Not owned by the main window: help stays reachable while the main window is in the tray.
    if (!m_window)
        m_window = std::make_unique<HelpWindow>();
    m_window->openFile(helpFilePath);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

} // namespace tabwise
