#pragma once

#include "core/keeping/DraftStore.h"

#include <QObject>
#include <QThreadPool>

namespace tabwise {

// Writes and removes drafts away from the user-interface thread, one at a time and in the order
// asked, so that keeping the typing of a large page never holds up the typing itself.
class DraftKeeper : public QObject {
    Q_OBJECT
public:
    explicit DraftKeeper(const DraftStore& store, QObject* parent = nullptr);
    ~DraftKeeper() override;

    const DraftStore& store() const { return m_store; }

    void keep(const QString& pageFile, const QString& text, const std::optional<QByteArray>& base);
    void forget(const QString& pageFile);
    // Waits until every draft asked for is on disk (or has failed).
    void flush();

Q_SIGNALS:
    // The typing of the page could not be kept; the error names the file and the reason.
    void keepFailed(const QString& pageFile, const QString& error);

private:
    DraftStore m_store;
    QThreadPool m_pool;
};

} // namespace tabwise
