#include "shell/Form1.h"

#include "pages/ListBox.h"
#include "pages/PageFile.h"
#include "platform/Platform.h"
#include "settings/SettingsStore.h"
#include "shell/Artwork.h"
#include "shell/CommandLabel.h"
#include "shell/Keyboard.h"
#include "shell/TabControl.h"
#include "shell/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>

namespace tabwise {

Form1::Form1(Platform& platform, const QString& appFolder, SettingsStore& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
    , m_appFolder(appFolder)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tabwise"));
    setWindowIcon(programIcon());
    QFont dialogFont = font();
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    // Fixed single border: the user can neither resize nor maximize the window.
    setFixedSize(px(5190), px(6255));
    move(px(4395), px(975));

    buildPages();
    buildOptionsPanel();
    buildAboutPanel();
    buildMenu();

    connectPageHandlers();

    connectPrintAndOpenHandlers();

    connectTrayHandlers();

    connectOptionsHandlers();

    connectBackupHandlers();

    connectHelpHandlers();

    addKeyboardShortcuts(*this);

    // Front to back: the About panel, the options panel, the tab control.
    frameoptions->raise();
    frameAbout->raise();
}

Form1::~Form1() = default;

Form1::PageControls Form1::page(int tabIndex) const
{
    switch (tabIndex) {
    case 0: return {txtNotes, nullptr, lbleditnotes, lblsavenotes, lblprintnotes};
    case 1: return {txtPhone, nullptr, lbleditphone, lblsavephone, lblprintphone};
    case 2: return {txtEmail, List1, lbleditemail, lblsaveemail, lblprintemail};
    case 3: return {txtWebSites, List2, lbleditwebsites, lblsavewebsites, lblprintwebsites};
    default: return {txtOther, nullptr, lbleditother, lblsaveother, lblprintother};
    }
}

QString Form1::pageFilePath(int tabIndex) const
{
    return pagePath(m_appFolder, pageTable[std::size_t(tabIndex)].fileName);
}

QLineEdit* Form1::nameBox(int tabIndex) const
{
    const std::array<QLineEdit*, pageCount> boxes{Text1, Text2, Text3, Text4, Text5};
    return boxes[std::size_t(tabIndex)];
}

QCheckBox* Form1::showBox(int tabIndex) const
{
    const std::array<QCheckBox*, pageCount> boxes{nullptr, Check4, Check5, Check6, Check7};
    return boxes[std::size_t(tabIndex)];
}

void Form1::showError(const QString& text)
{
    m_platform.messages().show(this, text, msgbox::OkOnly | msgbox::Critical);
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Activation handling runs when the window goes from hidden to shown (the first show, back
    // from the tray), after the handler that showed it has finished; never when the user merely
    // switches between programs.
    if (!event->spontaneous() && m_loaded)
        QMetaObject::invokeMethod(this, &Form1::Form_Activate, Qt::QueuedConnection);
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!askBeforeUnloading()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

} // namespace tabwise
