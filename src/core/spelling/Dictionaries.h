#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The spelling dictionaries the system has (Debian's hunspell-* packages put them in
// /usr/share/hunspell), their names for the user, and which one checks the pages.
namespace tabwise {

struct Dictionary {
    QString code; // as its files are named: "en_US", "de_CH", "sr-Latn", "ca_ES-valencia"
    QString affPath;
    QString dicPath;
    bool operator==(const Dictionary&) const = default;
};

// What a language setting of "Off" means: no checking at all.
inline constexpr QLatin1StringView languageOff("Off");

QStringList systemDictionaryFolders();

// The dictionaries in FOLDERS (each a readable .dic beside its .aff), sorted by code; a code
// found in more than one folder is taken from the first.
QList<Dictionary> installedDictionaries(const QStringList& folders = systemDictionaryFolders());

// How the dictionary of CODE is called for the user: "English (US)", "Serbian (Latin)".
QString dictionaryName(const QString& code);

// The dictionary for the desktop's languages (UI_LANGUAGES, most wanted first, as
// QLocale::uiLanguages() gives them), else an English one, else none.
std::optional<Dictionary> defaultDictionary(
    const QList<Dictionary>& installed, const QStringList& uiLanguages = QLocale::system().uiLanguages());

// The dictionary the language SETTING asks for: none for "Off", the default one when it is empty
// or names a dictionary that is not installed.
std::optional<Dictionary> chosenDictionary(const QString& setting, const QList<Dictionary>& installed,
    const QStringList& uiLanguages = QLocale::system().uiLanguages());

// One choice of the options panel: the value stored for it and its text.
struct LanguageChoice {
    QString setting;
    QString text;
};

// "Off", then the installed dictionaries by name, in the user's order of names.
QList<LanguageChoice> languageChoices(const QList<Dictionary>& installed);

} // namespace tabwise
