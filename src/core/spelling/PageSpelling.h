#pragma once

#include "core/spelling/Dictionaries.h"

#include <QObject>

#include <memory>
#include <optional>

namespace tabwise {

class PersonalDictionary;
class SettingsStore;
class SpellingEngine;

// Spelling for the window's pages: which text pages check it (the settings' [Spelling] section),
// the dictionary the settings choose among those installed, the user's own words, and the engine
// that checks. The dictionaries are looked for when first needed, not at start.
class PageSpelling : public QObject {
    Q_OBJECT
public:
    // FOLDERS: where the system keeps its dictionaries; PERSONALPATH: the user's own words.
    PageSpelling(
        SettingsStore& settings, const QStringList& folders, const QString& personalPath, QObject* parent = nullptr);
    ~PageSpelling() override;

    SpellingEngine& engine();
    // The dictionaries installed, and the one in use (none: "Off", or none installed).
    QList<Dictionary> installed();
    std::optional<Dictionary> dictionary();

    // Whether the page at TABINDEX asks for its spelling to be checked (list pages never do), and
    // whether it is checked (it asks, and a dictionary is in use).
    bool isWanted(int tabIndex) const;
    bool isChecked(int tabIndex);
    // Stores the page's choice; false, with the settings' error, when it could not be stored.
    bool setWanted(int tabIndex, bool wanted);
    // The language setting changed: the dictionary follows it.
    void applyLanguage();

Q_SIGNALS:
    // Which pages are checked, or with what, may have changed.
    void checkingChanged();

private:
    SettingsStore& m_settings;
    QStringList m_folders;
    std::unique_ptr<PersonalDictionary> m_personal;
    std::unique_ptr<SpellingEngine> m_engine;
    std::optional<QList<Dictionary>> m_installed;
    std::optional<Dictionary> m_dictionary;
    bool m_languageApplied = false;
};

} // namespace tabwise
