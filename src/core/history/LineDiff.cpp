#include "core/history/LineDiff.h"

#include "core/history/GitHandles.h"
#include "core/page/TextEncoding.h"

#include <QCoreApplication>

namespace tabwise {

namespace {

// The two texts without the whole lines they begin and end with alike, and how many lines they
// begin with alike: a page changed in one place is compared in that place only.
struct Middles {
    QByteArrayView before;
    QByteArrayView after;
    int linesBefore = 0;
};

Middles middles(QByteArrayView before, QByteArrayView after)
{
    qsizetype head = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (head < shorter && before[head] == after[head])
        ++head;
    while (head > 0 && before[head - 1] != '\n')
        --head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    // The tail starts a line in both texts: after a line end, or at the start of a text it is all of.
    const auto startsLine
        = [tail = &tail](QByteArrayView text) { return *tail == text.size() || text[text.size() - *tail - 1] == '\n'; };
    while (tail > 0 && !(startsLine(before) && startsLine(after)))
        --tail;
    return { before.sliced(head, before.size() - head - tail), after.sliced(head, after.size() - head - tail),
        int(before.first(head).count('\n')) };
}

git::Patch compare(QByteArrayView before, QByteArrayView after)
{
    git_diff_options options = GIT_DIFF_OPTIONS_INIT;
    options.flags = GIT_DIFF_FORCE_TEXT; // pages may hold any bytes; they are compared as lines
    options.context_lines = 0;
    git_patch* patch = nullptr;
    if (git_patch_from_buffers(&patch, before.constData(), size_t(before.size()), nullptr, after.constData(),
            size_t(after.size()), nullptr, &options)
        < 0)
        return nullptr;
    return git::Patch(patch);
}

// Line ends of every kind as "\n", so that a version and the page compare line by line.
QString withPlainLineEnds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar end : { QChar(u'\r'), QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator) })
        text.replace(end, QLatin1Char('\n'));
    return text;
}

// The text's lines, each with its line end, for comparing: a box's text has no final line end
// where its file has one.
QByteArray endedLines(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    return bytes;
}

// How many lines a text has; a last line without its line end counts too.
int lineCount(QByteArrayView text)
{
    return int(text.count('\n')) + (text.isEmpty() || text.endsWith('\n') ? 0 : 1);
}

} // namespace

std::optional<LineChanges> countLineChanges(const QByteArray& before, const QByteArray& after)
{
    const Middles middle = middles(before, after);
    // All added or all taken away: counted without a diff, which for a first version of a page of
    // a million lines would take a hundred megabytes.
    if (middle.before.isEmpty() || middle.after.isEmpty())
        return LineChanges { lineCount(middle.after), lineCount(middle.before) };
    const git::Library library;
    if (!library.ok())
        return std::nullopt;
    const git::Patch patch = compare(middle.before, middle.after);
    size_t added = 0;
    size_t removed = 0;
    if (!patch || git_patch_line_stats(nullptr, &added, &removed, patch.get()) < 0)
        return std::nullopt;
    return LineChanges { int(added), int(removed) };
}

QString lineChangesText(const LineChanges& changes)
{
    //: Lines added and removed since the version before: "+3 -1 lines"
    return QCoreApplication::translate("History", "+%1 -%2 lines").arg(changes.added).arg(changes.removed);
}

QList<int> linesNotIn(const QByteArray& shown, const QByteArray& current)
{
    const git::Library library;
    const Middles middle = middles(shown, current);
    const git::Patch patch = library.ok() ? compare(middle.before, middle.after) : nullptr;
    QList<int> lines;
    for (size_t hunk = 0; patch && hunk < git_patch_num_hunks(patch.get()); ++hunk) {
        const int count = git_patch_num_lines_in_hunk(patch.get(), hunk);
        for (int i = 0; i < count; ++i) {
            const git_diff_line* line = nullptr;
            if (git_patch_get_line_in_hunk(&line, patch.get(), hunk, size_t(i)) == 0
                && line->origin == GIT_DIFF_LINE_DELETION)
                lines << middle.linesBefore + line->old_lineno - 1;
        }
    }
    return lines;
}

ShownVersion showVersion(const QByteArray& bytes, const QString& current)
{
    ShownVersion shown { withPlainLineEnds(decodePageBytes(bytes)), {} };
    // Compared as a text box gives its text back, with a no-break space as a plain one.
    const QString boxText = QString(shown.text).replace(QChar(QChar::Nbsp), QLatin1Char(' '));
    shown.marked = linesNotIn(endedLines(boxText), endedLines(withPlainLineEnds(current)));
    return shown;
}

} // namespace tabwise
