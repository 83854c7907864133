#include "core/TextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tabwise {

namespace {
// 0x80..0x9F of Windows-1252; the five bytes it leaves undefined keep their own code point.
constexpr char16_t cp1252High[32] = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};
} // namespace

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b <= 0x9F) ? QChar(cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

QString decodePageBytes(const QByteArray& bytes)
{
    // A leading byte-order mark stays in the text, so that saving writes it back. Stateless: a
    // sequence cut off at the end of the file is an error, not something to wait for.
    QStringDecoder utf8(
        QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

QByteArray encodePageText(const QString& text)
{
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return utf8.encode(text);
}

} // namespace tabwise
