// Help and the About panel.
#include "shell/Form1.h"

#include "platform/Platform.h"
#include "shell/EventSignal.h"
#include "shell/VersionText.h"
#include "version.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace tabwise {

namespace {
// How the platform's shell is asked to show the program it opens: at its current size and place.
constexpr int showWindow = 5;
} // namespace

void Form1::connectHelpHandlers()
{
    connect(MENUHELP, &QAction::triggered, this, &Form1::MENUHELP_Click);
    connect(MENUABOUT, &QAction::triggered, this, &Form1::MENUABOUT_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(new EventSignal(Label15, QEvent::MouseButtonRelease), &EventSignal::occurred, this, &Form1::Label15_Click);
}

void Form1::MENUHELP_Click()
{
    // The window stays as it is: help opens from the tray while the window is hidden, too.
    m_platform.helpViewer().showHelp(this, m_appFolder + QStringLiteral("/help/Tabwise.chm"));
}

void Form1::MENUABOUT_Click()
{
    restoreWindow();
    // Over the pages, and over the options panel when that is open.
    frameAbout->show();
    lblversion->setText(buildVersionText());
    lblproductname->setText(QString::fromLatin1(version::productName));
}

void Form1::Command4_Click()
{
    frameAbout->hide();
}

void Form1::Label15_Click()
{
    m_platform.openTarget().open(this, QStringLiteral("open"), Label15->text(), showWindow);
}

} // namespace tabwise
