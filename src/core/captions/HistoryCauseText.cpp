#include "core/captions/HistoryCauseText.h"

#include <QCoreApplication>

#include <array>

namespace tabwise {

namespace {

// The causes as they are stored, the longer of two that begin alike first; %1 stands for a name
// or folder that is kept as it is.
constexpr std::array causes {
    //: A version of a page kept in its history: as the page file was found at a start
    QT_TRANSLATE_NOOP("History", "Found"),
    //: A version of a page kept in its history: as the user saved it
    QT_TRANSLATE_NOOP("History", "Saved"),
    //: A version of a page kept in its history: another program changed the file, and the version
    //: was kept beside the page as a file of this name
    QT_TRANSLATE_NOOP("History", "Changed on disk (kept as \"%1\")"),
    //: A version of a page kept in its history: another program changed the file
    QT_TRANSLATE_NOOP("History", "Changed on disk"),
    //: A version of a page kept in its history: the page as it was before a restore from this folder
    QT_TRANSLATE_NOOP("History", "Before restore from %1"),
    //: A version of a page kept in its history: the page as a restore from this folder brought it
    QT_TRANSLATE_NOOP("History", "Restored from %1"),
};

} // namespace

QString historyCauseText(const QString& storedCause)
{
    for (const char* cause : causes) {
        const QString pattern = QString::fromLatin1(cause);
        const qsizetype at = pattern.indexOf(QLatin1String("%1"));
        if (at < 0) {
            if (storedCause == pattern)
                return QCoreApplication::translate("History", cause);
            continue;
        }
        const QString before = pattern.left(at);
        const QString after = pattern.mid(at + 2);
        if (storedCause.size() >= pattern.size() - 2 && storedCause.startsWith(before) && storedCause.endsWith(after)) {
            const QString name = storedCause.mid(before.size(), storedCause.size() - before.size() - after.size());
            return QCoreApplication::translate("History", cause).arg(name);
        }
    }
    return storedCause;
}

} // namespace tabwise
