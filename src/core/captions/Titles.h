#pragma once

#include <QString>

// How the window title, the command captions and the names a screen reader speaks are built from
// a page's name.
namespace tabwise {

// "Tabwise (" + caption + ")": the caption exactly as the tab shows it, or "Options".
inline QString windowTitleText(const QString& caption)
{
    return QStringLiteral("Tabwise (") + caption + QLatin1Char(')');
}

// "&Edit" / "&Save" / "&Print", one space, then the name exactly as typed.
inline QString editCaption(const QString& name)
{
    return QStringLiteral("&Edit ") + name;
}
inline QString saveCaption(const QString& name)
{
    return QStringLiteral("&Save ") + name;
}
inline QString printCaption(const QString& name)
{
    return QStringLiteral("&Print ") + name;
}

// A caption as it is read out: each access-key marker "&" dropped, "&&" read as one "&".
QString withoutAccessKeys(const QString& caption);

// The name a screen reader gives a page's text box and list: its tab caption as read out, or
// "Page 1" to "Page 5" for a tab without one.
QString spokenPageName(const QString& caption, int tabIndex);

} // namespace tabwise
