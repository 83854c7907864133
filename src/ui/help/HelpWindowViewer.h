#pragma once

#include "platform/HelpViewer.h"

#include <memory>

namespace tabwise {

class HelpWindow;

// Help files shown in the program's own help window, read with chmlib. One window serves every
// request; it stays open on its own while the main window is hidden.
class HelpWindowViewer : public HelpViewer {
public:
    HelpWindowViewer();
    ~HelpWindowViewer() override;
    void showHelp(QWidget* owner, const QString& helpFilePath) override;
    HelpWindow* window() const { return m_window.get(); }

private:
    std::unique_ptr<HelpWindow> m_window;
};

} // namespace tabwise
