#include "core/spelling/SpellingEngine.h"

#include "core/spelling/PersonalDictionary.h"
#include "core/spelling/SpellChecker.h"

namespace tabwise {

namespace {

// A batch is about this much text: short enough that a menu asking for suggestions waits little.
constexpr qsizetype batchLength = 8 * 1024;
// The results kept, in units of this much text: 16 MB of text.
constexpr qsizetype costUnit = 1024;
constexpr qsizetype keptCost = 16 * 1024;
// What is in view has been checked by then, and typing goes on from the results kept.
constexpr int restMilliseconds = 5000;

qsizetype costOf(const QString& piece)
{
    return 1 + piece.size() / costUnit;
}

QList<TextRange> misspelledIn(const QString& piece, SpellChecker& checker, const QSet<QString>& personal)
{
    QList<TextRange> found;
    for (const TextRange& range : wordsToCheck(piece)) {
        const QString word = piece.sliced(range.start, range.length);
        if (!isListed(personal, word) && !checker.isCorrect(word))
            found.append(range);
    }
    return found;
}

} // namespace

SpellingEngine::SpellingEngine(PersonalDictionary& personal, QObject* parent)
    : QObject(parent)
    , m_personal(personal)
    , m_personalWords(personal.words())
    , m_results(keptCost)
{
    m_pool.setMaxThreadCount(1);
    m_restTimer.setSingleShot(true);
    m_restTimer.setInterval(restMilliseconds);
    connect(&m_restTimer, &QTimer::timeout, this, &SpellingEngine::rest);
    connect(&m_personal, &PersonalDictionary::changed, this, &SpellingEngine::personalWordsChanged);
}

SpellingEngine::~SpellingEngine()
{
    m_waiting.clear();
    m_pool.waitForDone();
}

void SpellingEngine::setChecker(std::shared_ptr<SpellChecker> checker)
{
    m_checker = std::move(checker);
    if (m_checker) {
        for (const QString& word : std::as_const(m_ignored))
            m_checker->ignore(word);
    }
    forget();
    Q_EMIT resultsChanged();
}

std::optional<QList<TextRange>> SpellingEngine::misspelled(const QString& piece) const
{
    if (!m_checker || piece.size() > longestPiece)
        return QList<TextRange>();
    if (const QList<TextRange>* found = m_results.object(piece))
        return *found;
    return std::nullopt;
}

void SpellingEngine::request(const QStringList& pieces)
{
    m_waiting.clear();
    if (!m_checker)
        return;
    QSet<QString> taken;
    for (const QString& piece : pieces) {
        if (piece.size() <= longestPiece && !m_results.contains(piece) && !taken.contains(piece)) {
            taken.insert(piece);
            m_waiting.append(piece);
        }
    }
    dispatch();
}

void SpellingEngine::dispatch()
{
    if (m_busy || !m_checker)
        return;
    QStringList batch;
    qsizetype length = 0;
    while (!m_waiting.isEmpty() && length < batchLength) {
        const QString piece = m_waiting.takeFirst();
        if (!m_results.contains(piece)) {
            length += piece.size();
            batch.append(piece);
        }
    }
    if (batch.isEmpty()) {
        m_restTimer.start();
        return;
    }
    m_busy = true;
    m_restTimer.stop();
    m_pool.start([this, batch, checker = m_checker, personal = m_personalWords, generation = m_generation] {
        QList<QList<TextRange>> found;
        for (const QString& piece : batch)
            found.append(misspelledIn(piece, *checker, personal));
        QMetaObject::invokeMethod(this, [this, generation, batch, found] { finish(generation, batch, found); });
    });
}

void SpellingEngine::finish(quint64 generation, const QStringList& pieces, const QList<QList<TextRange>>& found)
{
    m_busy = false;
    // A receiver of checked() may change the dictionary: the rest of the batch is then dropped.
    for (qsizetype i = 0; i < pieces.size() && generation == m_generation; ++i) {
        // A word may have been taken as correct while the batch was checked.
        QList<TextRange> misspelled;
        for (const TextRange& range : found.at(i)) {
            const QString word = pieces.at(i).sliced(range.start, range.length);
            if (!isListed(m_personalWords, word) && !isListed(m_ignored, word))
                misspelled.append(range);
        }
        m_results.insert(pieces.at(i), new QList<TextRange>(misspelled), costOf(pieces.at(i)));
        Q_EMIT checked(pieces.at(i), misspelled);
    }
    dispatch();
}

QStringList SpellingEngine::suggestions(const QString& word) const
{
    return m_checker ? m_checker->suggestions(word, maxSuggestions).mid(0, maxSuggestions) : QStringList();
}

void SpellingEngine::ignore(const QString& word)
{
    if (m_ignored.contains(word))
        return;
    m_ignored.insert(word);
    if (m_checker)
        m_checker->ignore(word);
    dropListed({ word });
    Q_EMIT resultsChanged();
}

FileWrite SpellingEngine::addToDictionary(const QString& word)
{
    return m_personal.add(word); // changed() follows when the file took it
}

void SpellingEngine::personalWordsChanged()
{
    const QSet<QString> words = m_personal.words();
    const bool onlyAdded = words.contains(m_personalWords);
    const QSet<QString> added = QSet<QString>(words).subtract(m_personalWords);
    m_personalWords = words;
    if (onlyAdded)
        dropListed(added);
    else
        forget(); // a word taken out may be misspelled where it was passed over
    Q_EMIT resultsChanged();
}

void SpellingEngine::dropListed(const QSet<QString>& words)
{
    const QStringList pieces = m_results.keys();
    for (const QString& piece : pieces) {
        QList<TextRange>& found = *m_results.object(piece);
        found.removeIf(
            [&](const TextRange& range) { return isListed(words, piece.sliced(range.start, range.length)); });
    }
}

void SpellingEngine::rest()
{
    // On the checking thread, after whatever it still has to do.
    if (m_checker && !m_busy)
        m_pool.start([checker = m_checker] { checker->rest(); });
}

void SpellingEngine::forget()
{
    ++m_generation;
    m_results.clear();
}

} // namespace tabwise
