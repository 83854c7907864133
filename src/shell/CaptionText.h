#pragma once

#include <QString>

// How the window title and the command captions are built from a page's name.
namespace tabwise {

// "Tabwise (" + caption + ")": the caption exactly as the tab shows it, or "Options".
inline QString windowTitleText(const QString& caption)
{
    return QStringLiteral("Tabwise (") + caption + QLatin1Char(')');
}

// "&Edit" / "&Save" / "&Print", one space, then the name exactly as typed.
inline QString editCaption(const QString& name) { return QStringLiteral("&Edit ") + name; }
inline QString saveCaption(const QString& name) { return QStringLiteral("&Save ") + name; }
inline QString printCaption(const QString& name) { return QStringLiteral("&Print ") + name; }

} // namespace tabwise
