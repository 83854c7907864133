#pragma once

#include "core/keeping/DraftStore.h"
#include "core/keeping/TextEdit.h"

#include <QHash>
#include <QObject>
#include <QThreadPool>

#include <optional>

namespace tabwise {

// Where the copy of a page's text begins: the text itself, or the page file as the page read it
// (its path and the digest of the bytes read), decoded away from the window's thread.
struct TypingBase {
    std::optional<QString> text;
    QString filePath;
    QByteArray fileDigest;
};

// A page file written from the copy of its text: how it went, and the bytes it holds now.
struct PageWritten {
    FileWrite result;
    QByteArray bytes;
};

// Keeps a copy of the text of each page being typed on, and its draft, away from the window's
// thread, one request at a time and in the order asked: the window hands over only the changes
// as they are typed, so that neither keeping the draft nor saving a large page copies the whole
// text on the window's thread. A draft is written whole when the typing begins and when it rests,
// and otherwise grows by the changes.
class DraftKeeper : public QObject {
    Q_OBJECT
public:
    explicit DraftKeeper(const DraftStore& store, QObject* parent = nullptr);
    ~DraftKeeper() override;

    const DraftStore& store() const { return m_store; }

    // The copy of the page's text begins anew from BASE.
    void begin(const QString& pageFile, const TypingBase& base);
    // The changes typed since, after which the text box holds LENGTH characters. With KEEPDRAFT,
    // the draft keeps them too (BASE: the page file's digest the typing began from).
    void edit(const QString& pageFile, const QList<TextEdit>& edits, qsizetype length, bool keepDraft,
        const std::optional<QByteArray>& base);
    // Typing rests: the draft, when there is one, is written whole again, short to read.
    void rest(const QString& pageFile);
    // The page's draft goes; the copy of its text stays while the text box holds it.
    void forget(const QString& pageFile);
    // The copy goes too: the text box was filled anew.
    void drop(const QString& pageFile);
    // Writes the page file at PATH from the copy, once every change handed over is in it; waits
    // for it. Nothing when there is no copy that follows the text box.
    std::optional<PageWritten> writePage(const QString& pageFile, const QString& path);
    // Whether the copy of the page's text follows the text box, once everything asked for is done.
    bool follows(const QString& pageFile);
    // Waits until everything asked for is done.
    void flush();

Q_SIGNALS:
    // The typing of the page could not be kept; the error names the file and the reason.
    void keepFailed(const QString& pageFile, const QString& error);
    // The copy of the page's text no longer follows the text box (its base could not be read, a
    // change did not fit): the typing must begin again from the text box.
    void copyLost(const QString& pageFile);

private:
    // What the worker knows of one page; only ever touched on the worker's thread.
    struct Copy {
        QString text;
        bool valid = false;
        bool draftWritten = false;
        qsizetype editsSinceWhole = 0;
        std::optional<QByteArray> base; // the page file's digest the typing began from
    };
    void keepWhole(const QString& pageFile, Copy& copy);
    void failed(const QString& pageFile, const QString& error);

    DraftStore m_store;
    QHash<QString, Copy> m_copies;
    QThreadPool m_pool;
};

} // namespace tabwise
