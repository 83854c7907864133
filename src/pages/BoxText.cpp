#include "pages/BoxText.h"

namespace tabwise {

namespace {
bool isLineBreak(QChar c) { return c == QChar::ParagraphSeparator || c == QChar::LineSeparator; }
} // namespace

QString pageTextFromRawText(const QString& raw)
{
    // One pass to count, one to copy: a page of a hundred megabytes has a million lines.
    const qsizetype breaks = std::count_if(raw.cbegin(), raw.cend(), isLineBreak);
    if (breaks == 0)
        return raw;
    QString text(raw.size() + breaks, Qt::Uninitialized);
    QChar* out = text.data();
    for (const QChar c : raw) {
        if (isLineBreak(c)) {
            *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = c;
        }
    }
    return text;
}

} // namespace tabwise
