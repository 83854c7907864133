#include "ui/help/HelpBrowser.h"

#include "ui/help/ChmFile.h"

namespace tabwise {

HelpBrowser::HelpBrowser(QWidget* parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("helpBrowser"));
    setOpenExternalLinks(true);
}

HelpBrowser::~HelpBrowser() = default;

void HelpBrowser::openFile(const QString& path)
{
    m_file = std::make_unique<ChmFile>(path);
    if (m_file->isOpen()) {
        // Addresses without a scheme: links inside the file resolve against the page shown.
        setSource(QUrl(m_file->defaultTopic()), QTextDocument::HtmlResource);
    } else {
        const QString reason = m_file->errorText();
        m_file.reset();
        setPlainText(reason);
    }
    // Back and Forward stay within this file.
    clearHistory();
}

QString HelpBrowser::fileTitle() const
{
    return m_file ? m_file->title() : QString();
}

QVariant HelpBrowser::loadResource(int, const QUrl& name)
{
    if (!m_file || !name.scheme().isEmpty())
        return {};
    const std::optional<QByteArray> bytes = m_file->object(name.path(QUrl::FullyDecoded));
    return bytes ? QVariant(*bytes) : QVariant();
}

} // namespace tabwise
