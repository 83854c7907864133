#include "core/page/TextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tabwise {

namespace {
// 0x80..0x9F of Windows-1252; the five bytes it leaves undefined keep their own code point.
// clang-format off
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on
} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b <= 0x9F) ? QChar(cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

qsizetype validUtf8Prefix(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = p[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        qsizetype length = 0;
        unsigned char low = 0x80, high = 0xBF; // the allowed range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80; // no overlong forms
            high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
        } else {
            return i;
        }
        if (size - i < length || p[i + 1] < low || p[i + 1] > high)
            return i;
        for (qsizetype k = 2; k < length; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return i;
        }
        i += length;
    }
    return size;
}

QString decodePageBytes(const QByteArray& bytes)
{
    // A byte-order mark at the front (as editors on Windows write) only says that the file is
    // UTF-8: it is no part of the first line. One further on is a character like any other.
    QString text;
    QByteArrayView rest(bytes);
    if (rest.startsWith(QByteArrayView("\xEF\xBB\xBF")))
        rest = rest.sliced(3);
    while (!rest.isEmpty()) {
        const qsizetype valid = validUtf8Prefix(rest);
        if (valid > 0) {
            QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
            if (valid == rest.size() && text.isEmpty())
                return utf8.decode(rest); // the usual case: the whole file in one pass
            text += utf8.decode(rest.first(valid));
            rest = rest.sliced(valid);
        }
        if (!rest.isEmpty()) {
            text += decodeWindows1252(rest.first(1));
            rest = rest.sliced(1);
        }
    }
    return text;
}

QByteArray encodePageText(const QString& text)
{
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return utf8.encode(text);
}

} // namespace tabwise
