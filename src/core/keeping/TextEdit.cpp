#include "core/keeping/TextEdit.h"

namespace tabwise {

bool applyEdits(QString& text, const QList<TextEdit>& edits)
{
    for (const TextEdit& edit : edits) {
        if (edit.position < 0 || edit.removed < 0 || edit.position + edit.removed > text.size())
            return false;
        text.replace(edit.position, edit.removed, edit.added);
    }
    return true;
}

QString asRawText(QString text)
{
    const auto isLineEnd = [](QChar c) {
        return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar(0xFDD0) || c == QChar(0xFDD1);
    };
    // In place: a CR LF pair becomes one character, so the text only ever shrinks.
    QChar* out = text.data();
    const QChar* in = text.constData();
    const QChar* const end = in + text.size();
    for (; in < end; ++in) {
        if (!isLineEnd(*in)) {
            *out++ = *in;
            continue;
        }
        if (*in == u'\r' && in + 1 < end && in[1] == u'\n')
            ++in;
        *out++ = QChar::ParagraphSeparator;
    }
    text.truncate(out - text.constData());
    return text;
}

} // namespace tabwise
