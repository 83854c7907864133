#include "core/page/LongLines.h"

namespace tabwise {

bool hasLineLongerThan(QStringView text, qsizetype limit)
{
    qsizetype length = 0;
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            length = 0;
        else if (++length > limit)
            return true;
    }
    return false;
}

} // namespace tabwise
