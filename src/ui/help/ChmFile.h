#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct chmFile;

namespace tabwise {

// A compiled HTML help file (.chm), read through chmlib: its pages and pictures by path, its
// default topic and its title.
class ChmFile {
public:
    explicit ChmFile(const QString& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // Whether the file could be opened; otherwise errorText() says why, naming the file.
    bool isOpen() const { return m_file != nullptr; }
    QString errorText() const { return m_error; }

    // The object at an absolute path inside the file ("/index.html"); nothing when it is absent.
    std::optional<QByteArray> object(const QString& path) const;
    // The page the file opens at ("/index.html"): the topic its header names or, failing that, its
    // first page. Empty when the file holds no page at all.
    QString defaultTopic() const { return m_defaultTopic; }
    QString title() const { return m_title; }

private:
    void readHeader();
    QString firstPage() const;

    chmFile* m_file = nullptr;
    QString m_error;
    QString m_defaultTopic;
    QString m_title;
};

} // namespace tabwise
