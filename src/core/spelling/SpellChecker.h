#pragma once

#include <QStringList>

namespace tabwise {

// What spelling asks of a dictionary. The program's own is HunspellChecker; tests give a small
// one of their own. Every function may be called from any thread, also at the same time: the
// spelling engine checks words on a thread of its own while a menu asks for suggestions.
class SpellChecker {
public:
    virtual ~SpellChecker() = default;

    // Whether WORD (one word, as wordsToCheck() finds them) is spelled correctly.
    virtual bool isCorrect(const QString& word) = 0;
    // Up to MAX words the user may have meant, the likeliest first.
    virtual QStringList suggestions(const QString& word, int max) = 0;
    // Takes WORD as correct from now on, for as long as the checker lives.
    virtual void ignore(const QString& word) = 0;
    // Nothing will be asked for a while: what the dictionary holds in memory may go, to be read
    // again with the next question.
    virtual void rest() { }
};

} // namespace tabwise
