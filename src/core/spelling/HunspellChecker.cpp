#include "core/spelling/HunspellChecker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <hunspell.hxx>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tabwise {

namespace {

// Words longer than this are not in any dictionary, and looking for what was meant would take long.
constexpr qsizetype longestWord = 100;

constexpr char16_t typographicApostrophe = u'\u2019';
constexpr char16_t softHyphen = u'\u00AD';

// The name Qt knows a character set by, from the name a Hunspell .aff file gives it.
QByteArray converterName(const std::string& setName)
{
    const QByteArray name = QByteArray::fromStdString(setName).trimmed();
    if (name.compare("microsoft-cp1251", Qt::CaseInsensitive) == 0)
        return "windows-1251";
    return name;
}

} // namespace

HunspellChecker::HunspellChecker(const QString& affPath, const QString& dicPath)
    : m_affPath(affPath)
    , m_dicPath(dicPath)
{
}

HunspellChecker::~HunspellChecker() = default;

bool HunspellChecker::load()
{
    if (m_loaded)
        return m_hunspell != nullptr;
    m_loaded = true;
    for (const QString& path : { m_affPath, m_dicPath }) {
        const QFileInfo file(path);
        if (!file.isFile() || !file.isReadable()) {
            m_error = QCoreApplication::translate("Spelling", "The dictionary file %1 cannot be read.")
                          .arg(QDir::toNativeSeparators(path));
            return false;
        }
    }
    auto hunspell = std::make_unique<Hunspell>(
        QFile::encodeName(m_affPath).constData(), QFile::encodeName(m_dicPath).constData());
    const QByteArray set = converterName(hunspell->get_dict_encoding());
    m_utf8 = set.compare("UTF-8", Qt::CaseInsensitive) == 0;
    if (!m_utf8) {
        m_encoder = QStringEncoder(set.constData(), QStringConverter::Flag::Stateless);
        m_decoder = QStringDecoder(set.constData(), QStringConverter::Flag::Stateless);
        if (!m_encoder.isValid() || !m_decoder.isValid()) {
            m_error = QCoreApplication::translate(
                "Spelling", "The dictionary %1 is written in the character set %2, which this program cannot read.")
                          .arg(QDir::toNativeSeparators(m_affPath), QString::fromLatin1(set));
            return false;
        }
    }
    m_hunspell = std::move(hunspell);
    for (const QString& word : std::as_const(m_ignored)) {
        if (const auto bytes = encoded(word))
            m_hunspell->add(*bytes);
    }
    return true;
}

std::optional<std::string> HunspellChecker::encoded(const QString& word)
{
    if (m_utf8)
        return word.toStdString();
    const QByteArray bytes = m_encoder.encode(word);
    // A character the set cannot hold comes out as a stand-in; going back shows it.
    if (QString(m_decoder.decode(bytes)) != word)
        return std::nullopt;
    return bytes.toStdString();
}

QString HunspellChecker::decoded(const std::string& bytes)
{
    return m_utf8 ? QString::fromStdString(bytes) : QString(m_decoder.decode(QByteArrayView(bytes)));
}

bool HunspellChecker::spell(const QString& word)
{
    const auto bytes = encoded(word);
    return bytes && m_hunspell->spell(*bytes);
}

bool HunspellChecker::isCorrect(const QString& given)
{
    const QMutexLocker lock(&m_mutex);
    if (!load() || m_ignored.contains(given))
        return true;
    // A soft hyphen only says where the word may be broken at a line's end.
    const QString word = QString(given).remove(softHyphen);
    if (word.size() > longestWord)
        return false;
    if (spell(word))
        return true;
    // Most dictionaries know "don't" written with a straight apostrophe only.
    return word.contains(typographicApostrophe) && spell(QString(word).replace(typographicApostrophe, u'\''));
}

void HunspellChecker::rest()
{
    const QMutexLocker lock(&m_mutex);
    if (!m_hunspell)
        return; // never read, or it cannot be: what it says stays
    m_hunspell.reset();
    m_loaded = false;
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

QStringList HunspellChecker::suggestions(const QString& word, int max)
{
    const QMutexLocker lock(&m_mutex);
    if (!load() || word.size() > longestWord || max <= 0)
        return {};
    const bool typographic = word.contains(typographicApostrophe);
    const auto bytes = encoded(typographic ? QString(word).replace(typographicApostrophe, u'\'') : word);
    if (!bytes)
        return {};
    QStringList found;
    for (const std::string& suggestion : m_hunspell->suggest(*bytes)) {
        QString text = decoded(suggestion);
        if (typographic)
            text.replace(u'\'', typographicApostrophe);
        if (!text.isEmpty() && !found.contains(text))
            found.append(text);
        if (found.size() == max)
            break;
    }
    return found;
}

void HunspellChecker::ignore(const QString& word)
{
    const QMutexLocker lock(&m_mutex);
    m_ignored.insert(word);
    // Hunspell also takes the word at the start of a sentence and in capitals.
    if (m_hunspell) {
        if (const auto bytes = encoded(word))
            m_hunspell->add(*bytes);
    }
}

QString HunspellChecker::errorText()
{
    const QMutexLocker lock(&m_mutex);
    load();
    return m_error;
}

} // namespace tabwise
