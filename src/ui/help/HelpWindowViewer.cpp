#include "ui/help/HelpWindowViewer.h"

#include "ui/help/HelpWindow.h"

namespace tabwise {

HelpWindowViewer::HelpWindowViewer() = default;
HelpWindowViewer::~HelpWindowViewer() = default;

void HelpWindowViewer::showHelp(QWidget*, const QString& helpFilePath)
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
