#include "ui/panels/SpellingChoice.h"

#include "core/spelling/PageSpelling.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace tabwise {

SpellingChoice::SpellingChoice(PageSpelling& spelling, QWidget* parent)
    : QWidget(parent)
    , m_spelling(spelling)
    , m_list(new QComboBox(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    //: Before the list of spelling dictionaries (Off, English (US), ...)
    auto* caption = new QLabel(tr("S&pelling:"), this);
    caption->setBuddy(m_list);
    m_list->setObjectName(QStringLiteral("spellingList"));
    m_list->setAccessibleName(tr("Spelling dictionary"));
    m_list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    row->addWidget(caption);
    row->addWidget(m_list, 1);
}

void SpellingChoice::fill()
{
    const QList<Dictionary> installed = m_spelling.installed();
    m_list->clear();
    for (const LanguageChoice& choice : languageChoices(installed))
        m_list->addItem(choice.text, choice.setting);
    m_list->setToolTip(installed.isEmpty() ? tr("No spelling dictionary is installed (Debian: hunspell-en-us, "
                                                "hunspell-de-de, ...).")
                                           : QString());
    m_list->setCurrentIndex(std::max(0, m_list->findData(inUse())));
}

QString SpellingChoice::setting() const
{
    return m_list->currentData().toString();
}

bool SpellingChoice::isChanged() const
{
    return m_list->count() > 0 && setting() != inUse();
}

QString SpellingChoice::inUse() const
{
    const std::optional<Dictionary> dictionary = m_spelling.dictionary();
    return dictionary ? dictionary->code : QString(languageOff);
}

} // namespace tabwise
