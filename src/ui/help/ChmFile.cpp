#include "ui/help/ChmFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <chm_lib.h>

#include <algorithm>
#include <system_error>

namespace tabwise {

namespace {
// A help page or picture larger than this is taken for damage, not read into memory.
constexpr quint64 largestObject = 64u * 1024u * 1024u;
// Entries of the file's "/#SYSTEM" header: code, length, data.
constexpr int systemDefaultTopic = 2;
constexpr int systemTitle = 3;

QString absolute(const QString& path)
{
    return path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path;
}

bool isPage(const QString& path)
{
    return path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)
        || path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
}
} // namespace

ChmFile::ChmFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        m_error = QCoreApplication::translate("Help", "The help file %1 does not exist.").arg(path);
        return;
    }
    if (!info.isFile() || !info.isReadable()) {
        QFile file(path);
        const QString reason = info.isDir()
            ? QString::fromLocal8Bit(std::make_error_code(std::errc::is_a_directory).message())
            : (file.open(QIODevice::ReadOnly) ? QString() : file.errorString());
        m_error = QCoreApplication::translate("Help", "The help file %1 cannot be read.").arg(path)
            + (reason.isEmpty() ? QString() : QStringLiteral("\n\n") + reason);
        return;
    }
    m_file = chm_open(QFile::encodeName(path).constData());
    if (!m_file) {
        m_error = QCoreApplication::translate("Help", "The file %1 is not a compiled help file, or it is damaged.")
                      .arg(path);
        return;
    }
    readHeader();
    if (m_defaultTopic.isEmpty() || !object(m_defaultTopic))
        m_defaultTopic = firstPage();
    if (m_defaultTopic.isEmpty()) {
        chm_close(m_file);
        m_file = nullptr;
        m_error = QCoreApplication::translate("Help", "The help file %1 holds no pages.").arg(path);
    }
}

ChmFile::~ChmFile()
{
    if (m_file)
        chm_close(m_file);
}

std::optional<QByteArray> ChmFile::object(const QString& path) const
{
    if (!m_file)
        return std::nullopt;
    chmUnitInfo unit {};
    const QByteArray name = absolute(path).toUtf8();
    if (chm_resolve_object(m_file, name.constData(), &unit) != CHM_RESOLVE_SUCCESS || unit.length > largestObject)
        return std::nullopt;
    QByteArray bytes(qsizetype(unit.length), Qt::Uninitialized);
    const LONGINT64 read
        = chm_retrieve_object(m_file, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, LONGINT64(unit.length));
    if (read != LONGINT64(unit.length))
        return std::nullopt;
    return bytes;
}

void ChmFile::readHeader()
{
    const QByteArray system = object(QStringLiteral("/#SYSTEM")).value_or(QByteArray());
    // A 4-byte version, then entries of a 16-bit code, a 16-bit length and that many bytes.
    qsizetype at = 4;
    const auto word = [&system](qsizetype i) { return int(quint8(system[i])) | (int(quint8(system[i + 1])) << 8); };
    while (at + 4 <= system.size()) {
        const int code = word(at);
        const int length = word(at + 2);
        at += 4;
        if (at + length > system.size())
            break;
        // Texts end at their NUL.
        const QString text = QString::fromLatin1(system.mid(at, length).split('\0').constFirst());
        if (code == systemDefaultTopic && !text.isEmpty())
            m_defaultTopic = absolute(text);
        else if (code == systemTitle)
            m_title = text;
        at += length;
    }
}

QString ChmFile::firstPage() const
{
    QStringList pages;
    chm_enumerate(
        m_file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
        [](chmFile*, chmUnitInfo* unit, void* context) {
            const QString path = QString::fromUtf8(unit->path);
            if (isPage(path))
                static_cast<QStringList*>(context)->append(path);
            return CHM_ENUMERATOR_CONTINUE;
        },
        &pages);
    std::sort(pages.begin(), pages.end());
    return pages.isEmpty() ? QString() : pages.constFirst();
}

} // namespace tabwise
