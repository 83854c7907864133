#pragma once

#include <QString>
#include <QStringList>

namespace tabwise {

// Installs the program's translation for the first of LANGUAGES (most wanted first, as
// QLocale::system().uiLanguages() gives them, so LANGUAGE and LANG work as usual) that it has one
// for, and Qt's own translation for the same language, so that the toolkit's texts (a text box's
// context menu) speak it too. A language it has no translation for is passed over; English, the
// language the program is written in, ends the search and needs only its table of plural forms
// ("1 page file", "2 page files"), which is also what a desktop in no translated language gets.
// Replaces what an earlier call installed. Returns the language chosen ("de", "en").
QString installTranslations(const QStringList& languages);

} // namespace tabwise
