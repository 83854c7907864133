#include "shell/AccessibleNames.h"

#include "pages/ListBox.h"

#include <QPlainTextEdit>

namespace tabwise {

QString spokenText(const QString& caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        spoken += caption[i];
    }
    return spoken;
}

void namePageControls(const Form1::PageControls& controls, int tabIndex, const QString& caption)
{
    QString name = spokenText(caption).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Page %1").arg(tabIndex + 1);
    controls.text->setAccessibleName(name);
    if (controls.list)
        controls.list->setAccessibleName(name);
}

} // namespace tabwise
