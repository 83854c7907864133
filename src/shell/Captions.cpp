// Tab captions from the stored names, and the Edit, Save and Print captions from the name boxes.
#include "shell/Form1.h"

#include "settings/SettingsStore.h"
#include "shell/CaptionText.h"
#include "shell/CommandLabel.h"
#include "shell/TabControl.h"

#include <QLineEdit>

namespace tabwise {

void Form1::LoadTabNames()
{
    for (int tab = 0; tab < pageCount; ++tab)
        SSTab1->setTabCaption(tab, m_settings.read(tabNameKey(tab)));
}

void Form1::fillNameBoxes()
{
    for (int tab = 0; tab < pageCount; ++tab)
        nameBox(tab)->setText(m_settings.read(tabNameKey(tab)));
}

void Form1::SetLabelCaptions()
{
    for (int tab = 0; tab < pageCount; ++tab) {
        const QString name = nameBox(tab)->text();
        const PageControls controls = page(tab);
        controls.edit->setCaption(editCaption(name));
        controls.save->setCaption(saveCaption(name));
        controls.print->setCaption(printCaption(name));
    }
}

void Form1::setWindowTitleFor(const QString& caption) { setWindowTitle(windowTitleText(caption)); }

} // namespace tabwise
