#include "core/keeping/DraftKeeper.h"

namespace tabwise {

DraftKeeper::DraftKeeper(const DraftStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
{
    m_pool.setMaxThreadCount(1); // in order: a removal never overtakes the write before it
    m_pool.setExpiryTimeout(-1);
}

DraftKeeper::~DraftKeeper()
{
    flush();
}

void DraftKeeper::keep(const QString& pageFile, const QString& text, const std::optional<QByteArray>& base)
{
    m_pool.start([this, pageFile, text, base] {
        const FileWrite written = m_store.write(pageFile, text, base);
        if (!written.ok)
            QMetaObject::invokeMethod(
                this, [this, pageFile, error = written.error] { Q_EMIT keepFailed(pageFile, error); });
    });
}

void DraftKeeper::forget(const QString& pageFile)
{
    m_pool.start([this, pageFile] { m_store.remove(pageFile); });
}

void DraftKeeper::flush()
{
    m_pool.waitForDone();
}

} // namespace tabwise
