#include "core/page/BoxText.h"

#include "core/page/TextEncoding.h"

#include <cstring>

namespace tabwise {

QByteArray pageBytesFromRawText(const QString& raw)
{
    // Encoded first, then each three-byte separator (E2 80 A8, E2 80 A9) is turned into the two
    // bytes CR LF in place: one pass and no copy, for a page of a hundred megabytes too.
    QByteArray bytes = encodePageText(raw);
    char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    char* out = begin;
    const char* in = begin;
    while (in < end) {
        const auto* lead = static_cast<const char*>(std::memchr(in, '\xE2', std::size_t(end - in)));
        const char* stop = lead ? lead : end;
        std::memmove(out, in, std::size_t(stop - in));
        out += stop - in;
        in = stop;
        if (!lead)
            break;
        if (end - in >= 3 && in[1] == '\x80' && (in[2] == '\xA8' || in[2] == '\xA9')) {
            *out++ = '\r';
            *out++ = '\n';
            in += 3;
        } else {
            *out++ = *in++;
        }
    }
    bytes.truncate(out - begin);
    if (!bytes.endsWith('\n') && !bytes.endsWith('\r'))
        bytes += "\r\n";
    return bytes;
}

} // namespace tabwise
