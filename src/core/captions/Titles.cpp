#include "core/captions/Titles.h"

namespace tabwise {

QString withoutAccessKeys(const QString& caption)
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

QString spokenPageName(const QString& caption, int tabIndex)
{
    const QString name = withoutAccessKeys(caption).trimmed();
    return name.isEmpty() ? QStringLiteral("Page %1").arg(tabIndex + 1) : name;
}

} // namespace tabwise
