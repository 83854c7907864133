#pragma once

#include "core/page/AtomicFile.h"
#include "core/spelling/SpellingWords.h"

#include <QCache>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <memory>
#include <optional>

namespace tabwise {

class PersonalDictionary;
class SpellChecker;

// Finds the misspelled words of pieces of text (a view's paragraphs, or slices of long ones, see
// sliceAround()) on a thread of its own, so that typing never waits for the dictionary. What it
// found for a piece is kept, by the piece's text, until that text changes; only new texts are
// checked. One engine serves every page: the results of two pieces with the same text are the same.
//
// A view asks misspelled() for each piece it shows; a piece not known yet is handed to request(),
// together with the others in view, and checked() follows for each once it is known. Nothing
// blocks but suggestions(), which asks the dictionary at once (a menu needs its answer). A few
// seconds after the last check, the dictionary rests (SpellChecker::rest()).
class SpellingEngine : public QObject {
    Q_OBJECT
public:
    static constexpr int maxSuggestions = 5;
    // A longer piece is not checked (it would hold the thread up): views hand slices of it instead.
    static constexpr qsizetype longestPiece = 64 * 1024;

    // PERSONAL outlives the engine.
    explicit SpellingEngine(PersonalDictionary& personal, QObject* parent = nullptr);
    ~SpellingEngine() override;

    // The dictionary to check with from now on; none turns checking off. Earlier results are
    // dropped (resultsChanged()); the words ignored so far stay ignored.
    void setChecker(std::shared_ptr<SpellChecker> checker);
    bool isActive() const { return m_checker != nullptr; }

    // The misspelled words of PIECE, where known; an empty list when nothing is checked (no
    // dictionary, or a piece longer than longestPiece).
    std::optional<QList<TextRange>> misspelled(const QString& piece) const;
    // The pieces in view now. Those not known are checked, in order; what an earlier request still
    // had waiting is given up.
    void request(const QStringList& pieces);

    // Up to maxSuggestions words the user may have meant by WORD.
    QStringList suggestions(const QString& word) const;
    // Takes WORD as correct for the rest of the session.
    void ignore(const QString& word);
    // Adds WORD to the personal dictionary; the error names the file and the reason.
    FileWrite addToDictionary(const QString& word);

Q_SIGNALS:
    // The misspelled words of PIECE are known now: MISSPELLED (as misspelled() gives them).
    void checked(const QString& piece, const QList<tabwise::TextRange>& misspelled);
    // What was known before may no longer hold (another dictionary, a word taken as correct, the
    // personal dictionary changed on disk): views ask misspelled() again for what they show.
    void resultsChanged();

private:
    void dispatch();
    void finish(quint64 generation, const QStringList& pieces, const QList<QList<TextRange>>& found);
    void personalWordsChanged();
    void dropListed(const QSet<QString>& words);
    void forget();
    void rest();

    PersonalDictionary& m_personal;
    QSet<QString> m_personalWords; // as last seen; handed to the checking thread with each batch
    std::shared_ptr<SpellChecker> m_checker;
    QSet<QString> m_ignored;
    mutable QCache<QString, QList<TextRange>> m_results;
    QStringList m_waiting;
    bool m_busy = false;
    quint64 m_generation = 0; // of the results: a batch checked for an older one is dropped
    QThreadPool m_pool;
    QTimer m_restTimer; // after a while without checking, the dictionary lets its memory go
};

} // namespace tabwise
