#include "core/spelling/PersonalDictionary.h"

#include "core/settings/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tabwise {

namespace {

constexpr qsizetype longestWord = 100;

bool isWord(const QString& text)
{
    if (text.isEmpty() || text.size() > longestWord)
        return false;
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.isSpace() || c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter;
    });
}

struct FileBytes {
    QByteArray bytes;
    QString error; // empty when read, or when there is no file
};

FileBytes readBytes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    const auto unreadable = [&](const QString& reason) {
        return FileBytes { {},
            fileErrorText(path,
                QCoreApplication::translate("Spelling", "The personal dictionary cannot be read: %1").arg(reason)) };
    };
    // Not a FIFO or a device: opening or reading those may wait for ever.
    if (!info.isFile())
        return unreadable(QCoreApplication::translate("Spelling", "It is not a file."));
    const auto tooLarge = [&] {
        const int megabytes = int(PersonalDictionary::largestFile / (1024 * 1024));
        return unreadable(QCoreApplication::translate("Spelling", "It is larger than %n MB.", nullptr, megabytes));
    };
    if (info.size() > PersonalDictionary::largestFile)
        return tooLarge();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(file.errorString());
    FileBytes read { file.read(PersonalDictionary::largestFile + 1), {} };
    if (read.bytes.size() > PersonalDictionary::largestFile) // grown since it was looked at
        return tooLarge();
    return read;
}

} // namespace

bool isListed(const QSet<QString>& words, const QString& word)
{
    if (words.contains(word))
        return true;
    if (word.isEmpty() || !word.front().isUpper())
        return false;
    QString lowered = word;
    lowered.front() = lowered.front().toLower();
    return words.contains(lowered);
}

PersonalDictionary::PersonalDictionary(const QString& path, QObject* parent)
    : QObject(parent)
    , m_path(path)
{
    // The folder's watch sees the file replaced (a program that saves atomically, this one too),
    // which ends the watch on the file itself. The folder may hold much else (the pages, when it is
    // the application folder): a file stamp tells whether the dictionary is among what changed.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &PersonalDictionary::reload);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &PersonalDictionary::reload);
    read();
    watch();
}

QString PersonalDictionary::defaultPath()
{
    return userDataFolder() + QStringLiteral("/Tabwise/dictionary.txt");
}

void PersonalDictionary::read()
{
    m_stamp = fileStamp(m_path);
    FileBytes file = readBytes(m_path);
    m_error = file.error;
    m_words.clear();
    if (file.bytes.startsWith("\xEF\xBB\xBF")) // a byte order mark, as some editors write
        file.bytes.remove(0, 3);
    for (const QByteArray& line : file.bytes.split('\n')) {
        const QString word = QString::fromUtf8(line).trimmed();
        if (isWord(word))
            m_words.insert(word);
    }
}

void PersonalDictionary::watch()
{
    const QStringList wanted = { QFileInfo(m_path).absolutePath(), m_path };
    for (const QString& path : wanted) {
        if (!m_watcher.files().contains(path) && !m_watcher.directories().contains(path) && QFileInfo::exists(path))
            m_watcher.addPath(path);
    }
}

void PersonalDictionary::reload()
{
    watch();
    if (fileStamp(m_path) == m_stamp)
        return;
    const QSet<QString> before = m_words;
    read();
    if (m_words != before)
        Q_EMIT changed();
}

FileWrite PersonalDictionary::add(const QString& given)
{
    const QString word = given.trimmed();
    if (!isWord(word)) {
        return { false,
            QCoreApplication::translate("Spelling", "\"%1\" is not a word that the personal dictionary can hold.")
                .arg(given) };
    }
    reload();
    if (m_words.contains(word))
        return {};
    FileBytes file = readBytes(m_path);
    if (!file.error.isEmpty())
        return { false, file.error };
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        return { false, fileErrorText(m_path, QCoreApplication::translate("Spelling", "Its folder cannot be made.")) };
    }
    // The file as it is, with one line more, ended as its lines are: whatever else it holds stays.
    const QByteArray lineEnd = file.bytes.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    if (!file.bytes.isEmpty() && !file.bytes.endsWith('\n'))
        file.bytes += lineEnd;
    const FileWrite written = writeFileAtomically(m_path, file.bytes + word.toUtf8() + lineEnd);
    if (!written.ok)
        return written;
    read(); // the words as the file now holds them
    watch();
    Q_EMIT changed();
    return written;
}

} // namespace tabwise
