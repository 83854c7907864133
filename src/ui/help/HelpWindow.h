#pragma once

#include <QWidget>

namespace tabwise {

class HelpBrowser;

// The program's help viewer: a window of its own, with Back, Forward and Contents, that shows one
// compiled help file and never blocks the main window.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Opens the file at its default topic, or shows why it cannot.
    void openFile(const QString& path);
    HelpBrowser* browser() const { return m_browser; }

private:
    HelpBrowser* m_browser;
};

} // namespace tabwise
