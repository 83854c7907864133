#include "ui/help/HelpWindow.h"

#include "ui/common/Artwork.h"
#include "ui/help/HelpBrowser.h"

#include <QAction>
#include <QToolBar>
#include <QVBoxLayout>

namespace tabwise {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new HelpBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Tabwise Help"));
    setWindowIcon(programIcon());
    resize(640, 520);

    auto* tools = new QToolBar(this);
    //: Goes back to the help page shown before
    QAction* back = tools->addAction(tr("&Back"), m_browser, &QTextBrowser::backward);
    QAction* forward = tools->addAction(tr("&Forward"), m_browser, &QTextBrowser::forward);
    //: Shows the help's first page, its table of contents
    tools->addAction(tr("&Contents"), m_browser, &QTextBrowser::home);
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_browser);
}

void HelpWindow::openFile(const QString& path)
{
    m_browser->openFile(path);
    const QString title = m_browser->fileTitle();
    setWindowTitle(title.isEmpty() ? tr("Tabwise Help") : title);
}

} // namespace tabwise
