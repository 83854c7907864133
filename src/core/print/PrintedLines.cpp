#include "core/print/PrintedLines.h"

namespace tabwise {

namespace {
bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

void appendLines(QStringList& lines, const QString& item)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < item.size(); ++i) {
        if (!isLineEnd(item[i]))
            continue;
        lines << item.mid(start, i - start);
        if (item[i] == u'\r' && i + 1 < item.size() && item[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines << item.mid(start);
}
} // namespace

QStringList textPageLines(const QString& text)
{
    QStringList lines;
    appendLines(lines, text);
    return lines;
}

QStringList listPageLines(const QStringList& entries)
{
    QStringList lines;
    lines.reserve(entries.size());
    for (const QString& entry : entries)
        appendLines(lines, entry);
    return lines;
}

} // namespace tabwise
