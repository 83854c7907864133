#include "core/spelling/Dictionaries.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace tabwise {

namespace {

// What a dictionary's code says about its language.
struct CodeParts {
    QLocale::Language language = QLocale::AnyLanguage;
    QLocale::Script script = QLocale::AnyScript;
    QLocale::Territory territory = QLocale::AnyTerritory;
    QString variant; // the rest: "valencia", "frami"
};

CodeParts partsOf(const QString& code)
{
    static const QRegularExpression separators(QStringLiteral("[_\\-.@]"));
    const QStringList parts = code.split(separators, Qt::SkipEmptyParts);
    CodeParts result;
    qsizetype next = 0;
    if (next < parts.size())
        result.language = QLocale::codeToLanguage(parts.at(next++));
    if (result.language == QLocale::AnyLanguage || result.language == QLocale::C)
        return { QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory, code };
    if (next < parts.size() && parts.at(next).size() == 4
        && QLocale::codeToScript(parts.at(next)) != QLocale::AnyScript)
        result.script = QLocale::codeToScript(parts.at(next++));
    if (next < parts.size() && parts.at(next).size() <= 3
        && QLocale::codeToTerritory(parts.at(next)) != QLocale::AnyTerritory)
        result.territory = QLocale::codeToTerritory(parts.at(next++));
    result.variant = parts.sliced(next).join(u'-');
    return result;
}

// The script a code means: the one it names, else the one its language is written in there.
QLocale::Script scriptOf(const CodeParts& parts)
{
    return parts.script != QLocale::AnyScript ? parts.script : QLocale(parts.language, parts.territory).script();
}

// How well a dictionary fits a wanted language; 0 when it is another language.
int fit(const CodeParts& dictionary, const QLocale& wanted)
{
    if (dictionary.language != wanted.language())
        return 0;
    const QLocale::Territory home = QLocale(dictionary.language).territory();
    return 1 + (scriptOf(dictionary) == wanted.script() ? 8 : 0) + (dictionary.territory == wanted.territory() ? 4 : 0)
        + (dictionary.territory == home || dictionary.territory == QLocale::AnyTerritory ? 2 : 0)
        + (dictionary.variant.isEmpty() ? 1 : 0);
}

std::optional<Dictionary> bestFor(const QList<Dictionary>& installed, const QLocale& wanted)
{
    int best = 0;
    std::optional<Dictionary> found;
    for (const Dictionary& dictionary : installed) {
        const int score = fit(partsOf(dictionary.code), wanted);
        if (score > best) {
            best = score;
            found = dictionary;
        }
    }
    return found;
}

} // namespace

QStringList systemDictionaryFolders()
{
    return { QStringLiteral("/usr/share/hunspell") };
}

QList<Dictionary> installedDictionaries(const QStringList& folders)
{
    QList<Dictionary> found;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QFileInfo& dic : dir.entryInfoList({ QStringLiteral("*.dic") }, QDir::Files | QDir::Readable)) {
            const QFileInfo aff(dir.filePath(dic.completeBaseName() + QStringLiteral(".aff")));
            const bool known = std::any_of(
                found.begin(), found.end(), [&](const Dictionary& d) { return d.code == dic.completeBaseName(); });
            if (!known && aff.isFile() && aff.isReadable())
                found.append({ dic.completeBaseName(), aff.filePath(), dic.filePath() });
        }
    }
    std::sort(found.begin(), found.end(), [](const Dictionary& a, const Dictionary& b) { return a.code < b.code; });
    return found;
}

QString dictionaryName(const QString& code)
{
    const CodeParts parts = partsOf(code);
    if (parts.language == QLocale::AnyLanguage)
        return code;
    QStringList details;
    if (parts.script != QLocale::AnyScript)
        details << QLocale::scriptToString(parts.script);
    // The territory by its code, as the dictionaries are known ("US", "GB", "CH"): the choice stands
    // in a narrow place.
    if (parts.territory != QLocale::AnyTerritory)
        details << QLocale::territoryToCode(parts.territory);
    if (!parts.variant.isEmpty())
        details << parts.variant;
    const QString language = QLocale::languageToString(parts.language);
    if (details.isEmpty())
        return language;
    //: A spelling dictionary's name: its language, then where or how it is written ("English (US)")
    return QCoreApplication::translate("Spelling", "%1 (%2)").arg(language, details.join(QLatin1String(", ")));
}

std::optional<Dictionary> defaultDictionary(const QList<Dictionary>& installed, const QStringList& uiLanguages)
{
    for (const QString& language : uiLanguages) {
        if (auto found = bestFor(installed, QLocale(language)))
            return found;
    }
    return bestFor(installed, QLocale(QLocale::English, QLocale::UnitedStates));
}

std::optional<Dictionary> chosenDictionary(
    const QString& setting, const QList<Dictionary>& installed, const QStringList& uiLanguages)
{
    const QString wanted = setting.trimmed();
    if (wanted.compare(languageOff, Qt::CaseInsensitive) == 0)
        return std::nullopt;
    for (const Dictionary& dictionary : installed) {
        if (dictionary.code == wanted)
            return dictionary;
    }
    return defaultDictionary(installed, uiLanguages);
}

QList<LanguageChoice> languageChoices(const QList<Dictionary>& installed)
{
    QList<LanguageChoice> choices;
    for (const Dictionary& dictionary : installed)
        choices.append({ dictionary.code, dictionaryName(dictionary.code) });
    const QCollator collator;
    std::sort(choices.begin(), choices.end(),
        [&](const LanguageChoice& a, const LanguageChoice& b) { return collator.compare(a.text, b.text) < 0; });
    //: The spelling language that checks nothing
    choices.prepend({ QString(languageOff), QCoreApplication::translate("Spelling", "Off") });
    return choices;
}

} // namespace tabwise
