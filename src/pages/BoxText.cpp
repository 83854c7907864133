#include "pages/BoxText.h"

namespace tabwise {

QString pageTextFromRawText(QString raw)
{
    const QLatin1String crlf("\r\n");
    raw.replace(QChar::ParagraphSeparator, crlf);
    raw.replace(QChar::LineSeparator, crlf);
    return raw;
}

} // namespace tabwise
