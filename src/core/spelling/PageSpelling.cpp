#include "core/spelling/PageSpelling.h"

#include "core/settings/SettingsStore.h"
#include "core/settings/ValueConversion.h"
#include "core/spelling/HunspellChecker.h"
#include "core/spelling/PersonalDictionary.h"
#include "core/spelling/SpellingEngine.h"
#include "core/spelling/SpellingOptions.h"

namespace tabwise {

PageSpelling::PageSpelling(
    SettingsStore& settings, const QStringList& folders, const QString& personalPath, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_folders(folders)
    , m_personal(std::make_unique<PersonalDictionary>(personalPath))
    , m_engine(std::make_unique<SpellingEngine>(*m_personal))
{
}

PageSpelling::~PageSpelling() = default;

SpellingEngine& PageSpelling::engine()
{
    if (!m_languageApplied)
        applyLanguage();
    return *m_engine;
}

QList<Dictionary> PageSpelling::installed()
{
    if (!m_installed)
        m_installed = installedDictionaries(m_folders);
    return *m_installed;
}

std::optional<Dictionary> PageSpelling::dictionary()
{
    if (!m_languageApplied)
        applyLanguage();
    return m_dictionary;
}

bool PageSpelling::isWanted(int tabIndex) const
{
    return checksSpelling(m_settings, tabIndex);
}

bool PageSpelling::isChecked(int tabIndex)
{
    return isWanted(tabIndex) && dictionary().has_value();
}

bool PageSpelling::setWanted(int tabIndex, bool wanted)
{
    const std::optional<Key> key = checkSpellingKey(tabIndex);
    if (!key || !m_settings.write(*key, boxStateText(wanted)))
        return false;
    Q_EMIT checkingChanged();
    return true;
}

void PageSpelling::applyLanguage()
{
    m_languageApplied = true;
    const std::optional<Dictionary> chosen = chosenDictionary(m_settings.read(Key::SpellingLanguage), installed());
    if (chosen == m_dictionary && m_engine->isActive() == chosen.has_value())
        return;
    m_dictionary = chosen;
    m_engine->setChecker(chosen ? std::make_shared<HunspellChecker>(chosen->affPath, chosen->dicPath) : nullptr);
    Q_EMIT checkingChanged();
}

} // namespace tabwise
