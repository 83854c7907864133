#pragma once

#include <QString>

// How the window title, the command captions and the names a screen reader speaks are built from
// a page's name, in the user's language.
namespace tabwise {

// "Tabwise (" + caption + ")": the caption exactly as the tab shows it, or "Options".
QString windowTitleText(const QString& caption);

// "&Edit" / "&Save" / "&Print", one space, then the name exactly as typed.
QString editCaption(const QString& name);
QString saveCaption(const QString& name);
QString printCaption(const QString& name);

// A caption as it is read out: each access-key marker "&" dropped, "&&" read as one "&".
QString withoutAccessKeys(const QString& caption);

// The name a screen reader gives a page's text box and list: its tab caption as read out, or
// "Page 1" to "Page 5" for a tab without one.
QString spokenPageName(const QString& caption, int tabIndex);

// The name of the tab at index 0..4 until the user gives it another ("Notes"), in the user's
// language: what the first start stores. A name once stored is the user's and stays as it is.
QString defaultTabCaption(int tabIndex);

} // namespace tabwise
