#include "core/page/ListFormat.h"

namespace tabwise {

std::vector<EntrySpan> splitEntries(QStringView text)
{
    std::vector<EntrySpan> entries;
    if (text.isEmpty()) {
        entries.push_back({ 0, 0 });
        return entries;
    }
    qsizetype start = 0;
    const qsizetype size = text.size();
    const QChar* data = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] != u'\r' && data[i] != u'\n')
            continue;
        entries.push_back({ start, i - start });
        if (data[i] == u'\r' && i + 1 < size && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        entries.push_back({ start, size - start });
    return entries;
}

} // namespace tabwise
