// Any bytes a page file may hold: valid UTF-8 is written back byte for byte but for a byte-order
// mark at the front, what a save writes reads back as the same text (no mojibake grows from save to
// save; a U+FEFF at the front of the text is read as such a mark), and the list of entries survives
// being written and read again unchanged.
#include "core/page/ListFormat.h"
#include "core/page/TextEncoding.h"

#include <cstdlib>

using namespace tabwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = decodePageBytes(bytes);

    const QByteArray written = encodePageText(text);
    const QByteArrayView mark("\xEF\xBB\xBF");
    const QByteArrayView content = bytes.startsWith(mark) ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    if (validUtf8Prefix(bytes) == bytes.size() && written != content)
        std::abort();
    const QStringView readBack = text.startsWith(QChar(0xFEFF)) ? QStringView(text).sliced(1) : QStringView(text);
    if (decodePageBytes(written) != readBack || text.size() > bytes.size())
        std::abort();

    const std::vector<EntrySpan> entries = splitEntries(text);
    if (entries.empty())
        std::abort();
    QString saved;
    for (const EntrySpan& e : entries) {
        if (e.start < 0 || e.length < 0 || e.start + e.length > text.size())
            std::abort();
        saved += QStringView(text).mid(e.start, e.length);
        saved += QLatin1String("\r\n");
    }
    // Parse, write, parse again: the same entries.
    const std::vector<EntrySpan> again = splitEntries(saved);
    if (again.size() != entries.size())
        std::abort();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (QStringView(saved).mid(again[i].start, again[i].length)
            != QStringView(text).mid(entries[i].start, entries[i].length))
            std::abort();
    }
    return 0;
}
