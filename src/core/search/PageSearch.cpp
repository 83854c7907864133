#include "core/search/PageSearch.h"

#include "core/page/PageFile.h"
#include "core/page/TextEncoding.h"

namespace tabwise {

namespace {

// More matches than this on one page are not looked at: the page lists its first lines only.
constexpr qsizetype matchesPerPage = 20 * PageSearch::linesPerPage;

} // namespace

PageSearch::PageSearch(QObject* parent)
    : QObject(parent)
    , m_cancelled(std::make_shared<std::atomic<bool>>(false))
{
    m_pool.setMaxThreadCount(1); // one search at a time; the one given up ends at its next look
    m_pool.setExpiryTimeout(-1);
}

PageSearch::~PageSearch()
{
    cancel();
    m_pool.waitForDone();
}

void PageSearch::setSources(const QList<SearchSource>& sources)
{
    cancel();
    m_sources = sources;
    m_pool.start([this, sources, cancelled = m_cancelled] {
        for (const SearchSource& source : sources) {
            if (!cancelled->load())
                textOf(source);
        }
    });
}

void PageSearch::cancel()
{
    m_cancelled->store(true);
    m_cancelled = std::make_shared<std::atomic<bool>>(false);
    ++m_generation;
}

void PageSearch::clear()
{
    cancel();
    m_pool.waitForDone();
    m_sources.clear();
    m_files.clear();
}

void PageSearch::start(const QString& needle, Qt::CaseSensitivity cs)
{
    cancel();
    if (needle.isEmpty()) {
        Q_EMIT found({});
        return;
    }
    m_pool.start([this, needle, cs, sources = m_sources, cancelled = m_cancelled, generation = m_generation] {
        QList<PageHits> hits;
        for (const SearchSource& source : sources) {
            const QString text = textOf(source);
            const std::vector<qsizetype> places = findAll(text, needle, cs, matchesPerPage, cancelled.get());
            if (cancelled->load())
                return;
            if (places.empty())
                continue;
            PageHits page { source.tab, linesHolding(text, places), qsizetype(places.size()) == matchesPerPage };
            if (qsizetype(page.lines.size()) > linesPerPage) {
                page.lines.resize(std::size_t(linesPerPage));
                page.more = true;
            }
            hits.append(std::move(page));
        }
        QMetaObject::invokeMethod(this, [this, generation, hits] {
            if (generation == m_generation)
                Q_EMIT found(hits);
        });
    });
}

QString PageSearch::textOf(const SearchSource& source)
{
    if (source.filePath.isEmpty())
        return source.text;
    const FileStamp stamp = fileStamp(source.filePath);
    const auto known = m_files.find(source.filePath);
    if (known != m_files.end() && known->second.stamp == stamp)
        return known->second.text;
    // A file that cannot be read holds nothing to find; the page says why when it is shown.
    const std::optional<QByteArray> bytes = readPageBytes(source.filePath);
    FileText& file = m_files[source.filePath];
    file = { stamp, bytes ? decodePageBytes(*bytes) : QString() };
    return file.text;
}

} // namespace tabwise
