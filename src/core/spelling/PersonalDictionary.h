#pragma once

#include "core/page/AtomicFile.h"
#include "core/page/FileStamp.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>

namespace tabwise {

// The user's own words, taken as correct on every page and in every language: a plain UTF-8 file,
// one word a line, $XDG_DATA_HOME/Tabwise/dictionary.txt by default, made readable by its owner
// only. The file may be edited by hand or by another copy of the program; it is read again when
// it changes. Lines that are not a word (empty, spaces inside, control characters, bytes that are
// not UTF-8, too long) are passed over and kept in the file as they are.
class PersonalDictionary : public QObject {
    Q_OBJECT
public:
    // A larger file is not a list of words; it is not read, and nothing is added to it.
    static constexpr qint64 largestFile = 4 * 1024 * 1024;

    explicit PersonalDictionary(const QString& path = defaultPath(), QObject* parent = nullptr);

    static QString defaultPath();
    QString path() const { return m_path; }

    QSet<QString> words() const { return m_words; }
    // Why the file could not be read; empty when it was (or is not there yet).
    QString errorText() const { return m_error; }

    // Adds WORD to the file, unless it is there already. The file replaces the old one atomically.
    FileWrite add(const QString& word);

public Q_SLOTS:
    // Reads the file again when it is not as it was last read.
    void reload();

Q_SIGNALS:
    void changed();

private:
    void read();
    void watch();

    const QString m_path;
    FileStamp m_stamp;
    QSet<QString> m_words;
    QString m_error;
    QFileSystemWatcher m_watcher;
};

// Whether WORDS holds WORD, also as the first word of a sentence ("Tabwise" for "tabwise").
bool isListed(const QSet<QString>& words, const QString& word);

} // namespace tabwise
