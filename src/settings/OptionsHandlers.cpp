// The options panel: opening it, OK and Cancel.
#include "shell/Form1.h"

#include "platform/Platform.h"
#include "settings/SettingsStore.h"
#include "settings/ValueConversion.h"
#include "shell/ClickableImage.h"
#include "shell/TabControl.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace tabwise {

namespace {
QString homeFolder(const Volumes& volumes)
{
    for (const Volume& volume : volumes.mountedVolumes()) {
        if (volume.kind == Volume::Kind::Home)
            return volume.rootPath;
    }
    return {};
}
} // namespace

void Form1::connectOptionsHandlers()
{
    connect(Image1, &ClickableImage::Click, this, &Form1::Image1_Click);
    connect(cmdok, &QPushButton::clicked, this, &Form1::cmdok_Click);
    connect(cmdcancel, &QPushButton::clicked, this, &Form1::cmdcancel_Click);
    connect(Check8, &QCheckBox::stateChanged, this, &Form1::Check8_Click);
    connect(Check2, &QCheckBox::stateChanged, this, &Form1::Check2_Click);
}

void Form1::Image1_Click()
{
    setWindowTitleFor(QStringLiteral("Options"));
    frameoptions->show();
    // Before the first backup the lists show the home folder; a stored folder that is gone leaves
    // them where they were.
    const QString folder = m_settings.read(Key::BackupDir);
    showBackupFolder(folder.isEmpty() ? homeFolder(m_platform.volumes()) : folder);
}

void Form1::cmdok_Click()
{
    // A refused write leaves the panel open with everything the user chose, after saying why.
    if (!storeOptions()) {
        showError(m_settings.lastError());
        return;
    }
    for (int tab = 0; tab < pageCount; ++tab)
        SSTab1->setTabCaption(tab, nameBox(tab)->text());
    ShowTabsFromSettings();
    HideTabsFromSettings();
    // Titled after the tab that is selected once the hidden tabs are gone.
    setWindowTitleFor(SSTab1->TabCaption(SSTab1->Tab()));
    SetLabelCaptions();
    frameoptions->hide();
}

bool Form1::storeOptions()
{
    for (int tab = 0; tab < pageCount; ++tab) {
        if (!m_settings.write(tabNameKey(tab), nameBox(tab)->text()))
            return false;
    }
    if (!m_settings.write(Key::Value, boxStateText(Check1->isChecked()))
        || !m_settings.write(Key::Value2, boxStateText(Check2->isChecked())))
        return false;
    for (int tab = 1; tab < pageCount; ++tab) {
        if (!m_settings.write(showKey(tab), boxStateText(showBox(tab)->isChecked())))
            return false;
    }
    return true;
}

void Form1::cmdcancel_Click()
{
    frameoptions->hide();
    SSTab1->setTab(0);
    setWindowTitleFor(SSTab1->TabCaption(0));
}

} // namespace tabwise
