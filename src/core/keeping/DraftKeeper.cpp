#include "core/keeping/DraftKeeper.h"

#include "core/page/BoxText.h"
#include "core/page/PageFile.h"
#include "core/page/TextEncoding.h"

#include <future>

namespace tabwise {

namespace {
// So many changes added to a draft, and it is written whole at the next chance.
constexpr qsizetype mostEditsBeforeWhole = 5000;
} // namespace

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

void DraftKeeper::failed(const QString& pageFile, const QString& error)
{
    QMetaObject::invokeMethod(this, [this, pageFile, error] { Q_EMIT keepFailed(pageFile, error); });
}

void DraftKeeper::begin(const QString& pageFile, const TypingBase& base)
{
    m_pool.start([this, pageFile, base] {
        // A draft kept from an earlier copy is written whole at the next chance, not added to.
        Copy& copy = m_copies[pageFile];
        copy = Copy();
        if (base.text) {
            copy.text = asRawText(*base.text);
            copy.valid = true;
            return;
        }
        // The file as the page read it: the same bytes (none: it did not exist), or the copy cannot
        // begin from it.
        QString error;
        const std::optional<QByteArray> bytes = readPageBytes(base.filePath, &error);
        const QByteArray digest = bytes ? contentDigest(*bytes) : QByteArray();
        if (error.isEmpty() && digest == base.fileDigest) {
            copy.text = bytes ? asRawText(decodePageBytes(*bytes)) : QString();
            copy.valid = true;
            return;
        }
        QMetaObject::invokeMethod(this, [this, pageFile] { Q_EMIT copyLost(pageFile); });
    });
}

void DraftKeeper::edit(const QString& pageFile, const QList<TextEdit>& edits, qsizetype length, bool keepDraft,
    const std::optional<QByteArray>& base)
{
    m_pool.start([this, pageFile, edits, length, keepDraft, base] {
        Copy& copy = m_copies[pageFile];
        if (!copy.valid)
            return; // lost: the window begins again
        if (!applyEdits(copy.text, edits) || copy.text.size() != length) {
            copy.valid = false;
            copy.text.clear();
            QMetaObject::invokeMethod(this, [this, pageFile] { Q_EMIT copyLost(pageFile); });
            return;
        }
        if (!keepDraft)
            return;
        copy.base = base;
        copy.editsSinceWhole += edits.size();
        if (copy.draftWritten && copy.editsSinceWhole < mostEditsBeforeWhole && m_store.append(pageFile, edits).ok)
            return;
        keepWhole(pageFile, copy);
    });
}

void DraftKeeper::keepWhole(const QString& pageFile, Copy& copy)
{
    const FileWrite written = m_store.write(pageFile, copy.text, copy.base);
    copy.draftWritten = written.ok;
    copy.editsSinceWhole = 0;
    if (!written.ok)
        failed(pageFile, written.error);
}

void DraftKeeper::rest(const QString& pageFile)
{
    m_pool.start([this, pageFile] {
        Copy& copy = m_copies[pageFile];
        if (copy.valid && copy.draftWritten && copy.editsSinceWhole > 0)
            keepWhole(pageFile, copy);
    });
}

void DraftKeeper::forget(const QString& pageFile)
{
    m_pool.start([this, pageFile] {
        m_copies[pageFile].draftWritten = false;
        m_copies[pageFile].editsSinceWhole = 0;
        m_store.remove(pageFile);
    });
}

void DraftKeeper::drop(const QString& pageFile)
{
    m_pool.start([this, pageFile] {
        Copy& copy = m_copies[pageFile];
        copy.valid = false;
        copy.text = QString();
    });
}

std::optional<PageWritten> DraftKeeper::writePage(const QString& pageFile, const QString& path)
{
    // Shared with the worker, which may still be leaving set_value() when this thread has its answer.
    auto promise = std::make_shared<std::promise<std::optional<PageWritten>>>();
    std::future<std::optional<PageWritten>> written = promise->get_future();
    m_pool.start([this, pageFile, path, promise] {
        const Copy& copy = m_copies[pageFile];
        if (!copy.valid) {
            promise->set_value(std::nullopt);
            return;
        }
        PageWritten page { {}, pageBytesFromRawText(copy.text) };
        page.result = writePageFile(path, page.bytes);
        promise->set_value(std::move(page));
    });
    return written.get();
}

bool DraftKeeper::follows(const QString& pageFile)
{
    flush();
    return m_copies.value(pageFile).valid;
}

void DraftKeeper::flush()
{
    m_pool.waitForDone();
}

} // namespace tabwise
