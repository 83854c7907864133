#include "core/captions/Titles.h"

#include "core/page/PageTable.h"

#include <QCoreApplication>

namespace tabwise {

QString windowTitleText(const QString& caption)
{
    //: The window's title: the program's name and the current tab's name, or the word "Options"
    return QCoreApplication::translate("Titles", "Tabwise (%1)").arg(caption);
}

QString editCaption(const QString& name)
{
    //: A page's command, Edit and the page's name ("&Edit Notes"); & marks the access key (Alt+E)
    return QCoreApplication::translate("Titles", "&Edit %1").arg(name);
}

QString saveCaption(const QString& name)
{
    //: A page's command, Save and the page's name ("&Save Notes"); & marks the access key (Alt+S)
    return QCoreApplication::translate("Titles", "&Save %1").arg(name);
}

QString printCaption(const QString& name)
{
    //: A page's command, Print and the page's name ("&Print Notes"); & marks the access key (Alt+P)
    return QCoreApplication::translate("Titles", "&Print %1").arg(name);
}

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
    //: What a screen reader calls a page whose tab has no name: "Page 1" to "Page 5"
    return name.isEmpty() ? QCoreApplication::translate("Titles", "Page %1").arg(tabIndex + 1) : name;
}

QString defaultTabCaption(int tabIndex)
{
    return QCoreApplication::translate("Pages", pageTable[std::size_t(tabIndex)].defaultCaption);
}

} // namespace tabwise
