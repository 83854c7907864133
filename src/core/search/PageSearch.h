#pragma once

#include "core/page/FileStamp.h"
#include "core/search/TextSearch.h"

#include <QList>
#include <QObject>
#include <QThreadPool>

#include <map>
#include <memory>

namespace tabwise {

// One page to search: the text it holds now (its unsaved typing), or else its file, read as the
// page would show it.
struct SearchSource {
    int tab = 0;
    QString text;
    QString filePath;
};

// The lines of one page that hold a match, the first few of them.
struct PageHits {
    int tab = 0;
    std::vector<LineHit> lines;
    bool more = false; // further lines hold matches too
};

// Finds a text in all pages away from the user-interface thread, so that typing in the find field
// never waits for a large page. A new search gives up the one still running; only the latest
// reports. Page files are read once and read again only when they change.
class PageSearch : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype linesPerPage = 200;

    explicit PageSearch(QObject* parent = nullptr);
    ~PageSearch() override;

    // The pages to search from now on; their files are read at once, before the first search.
    void setSources(const QList<SearchSource>& sources);
    // Starts finding NEEDLE; found() follows (at once for an empty needle).
    void start(const QString& needle, Qt::CaseSensitivity cs);
    // Gives up the search that runs and forgets the pages' texts.
    void clear();

Q_SIGNALS:
    // The pages that hold the latest needle, in the order of the sources.
    void found(const QList<PageHits>& hits);

private:
    struct FileText {
        FileStamp stamp;
        QString text;
    };
    void cancel();
    QString textOf(const SearchSource& source); // runs in the pool

    QList<SearchSource> m_sources;
    QThreadPool m_pool;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
    quint64 m_generation = 0;
    std::map<QString, FileText> m_files; // used only by the pool's one thread, or while it is idle
};

} // namespace tabwise
