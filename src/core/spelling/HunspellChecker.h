#pragma once

#include "core/spelling/SpellChecker.h"

#include <QMutex>
#include <QSet>
#include <QStringConverter>

#include <memory>
#include <optional>
#include <string>

class Hunspell;

namespace tabwise {

// One of the system's dictionaries (a Hunspell .aff and .dic pair) behind the SpellChecker seam.
// It is read when first asked, on whatever thread asks (the spelling engine's, usually), so that
// making one costs the window nothing. A dictionary that cannot be read takes every word as
// correct and says why in errorText(). Words are handed to Hunspell in the character set its .aff
// file declares (SET); a word that set cannot hold is not in the dictionary.
class HunspellChecker : public SpellChecker {
public:
    HunspellChecker(const QString& affPath, const QString& dicPath);
    ~HunspellChecker() override;

    bool isCorrect(const QString& word) override;
    QStringList suggestions(const QString& word, int max) override;
    void ignore(const QString& word) override;
    // Lets Hunspell's tables go (several megabytes for a dictionary; reading them again takes
    // some 25 ms) and gives their memory back to the system.
    void rest() override;

    // Why the dictionary cannot be used; empty when it can. Reads it when not yet read.
    QString errorText();

private:
    bool load(); // with m_mutex held; false when the dictionary cannot be used
    std::optional<std::string> encoded(const QString& word);
    QString decoded(const std::string& bytes);
    bool spell(const QString& word);

    QMutex m_mutex;
    const QString m_affPath;
    const QString m_dicPath;
    bool m_loaded = false;
    std::unique_ptr<Hunspell> m_hunspell;
    bool m_utf8 = true;
    QStringEncoder m_encoder;
    QStringDecoder m_decoder;
    QSet<QString> m_ignored;
    QString m_error;
};

} // namespace tabwise
