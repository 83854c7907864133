// Finding text: every match the toolkit's own search finds, in order and not overlapping, with or
// without case; and the lines and entries that hold them lie within the text.
#include "core/page/ListFormat.h"
#include "core/search/TextSearch.h"

#include <cstdlib>

using namespace tabwise;

namespace {

// Characters whose case folding or line breaking is out of the ordinary, and a pair of letters
// beyond the first plane that differ only in case.
const char16_t alphabet[] = { u'a', u'A', u'k', u'K', 0x212a, u's', u'S', 0x17f, 0x3c3, 0x3a3, 0x3c2, u'\r', u'\n',
    0x2029, 0xd801, 0xdc00, 0xdc28, u'x' };

QString textOf(const uint8_t* data, size_t size)
{
    QString text;
    for (size_t i = 0; i < size; ++i)
        text += QChar(alphabet[data[i] % std::size(alphabet)]);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const size_t needleLength = 1 + data[0] % 4;
    const Qt::CaseSensitivity cs = data[1] & 1 ? Qt::CaseSensitive : Qt::CaseInsensitive;
    data += 2;
    size -= 2;
    const QString needle = textOf(data, std::min(size, needleLength));
    const QString text = textOf(data + std::min(size, needleLength), size - std::min(size, needleLength));
    const std::vector<qsizetype> places = findAll(text, needle, cs);
    if (!needle.isEmpty() && needle.isValidUtf16()) {
        std::vector<qsizetype> expected;
        for (qsizetype at = text.indexOf(needle, 0, cs); at >= 0; at = text.indexOf(needle, at + needle.size(), cs))
            expected.push_back(at);
        if (places != expected)
            std::abort();
    }
    for (const LineHit& line : linesHolding(text, places)) {
        if (line.line < 0 || line.column < 0 || line.column > text.size())
            std::abort();
    }
    const std::vector<EntrySpan> entries = splitEntries(text);
    for (const qsizetype row : entriesHolding(entries, places)) {
        if (row < 0 || row >= qsizetype(entries.size()))
            std::abort();
    }
    return 0;
}
