#include "core/entries/EntryAddress.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace tabwise {

namespace {

EntryAddress refused(const QString& text)
{
    return { QUrl(), text };
}

bool allDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// "host:port..." rather than "scheme:...": a host name with a dot (or localhost) and a port number.
bool isHostWithPort(const QString& entry)
{
    static const QRegularExpression hostPort(
        QStringLiteral("^(localhost|[^/:@]+\\.[^/:@]+):\\d+(/.*)?$"), QRegularExpression::CaseInsensitiveOption);
    return hostPort.match(entry).hasMatch();
}

QString schemeOf(const QString& entry)
{
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):"));
    const QRegularExpressionMatch match = scheme.match(entry);
    return match.hasMatch() && !isHostWithPort(entry) ? match.captured(1).toLower() : QString();
}

EntryAddress webAddress(const QString& entry)
{
    const QString notWeb = QCoreApplication::translate(
        "Entries", "\"%1\" is not opened: only web addresses (http:// or https://) are opened from this page.")
                               .arg(entry);
    // Local paths: absolute, home, relative, and Windows-style ones.
    if (entry.startsWith(u'/') || entry.startsWith(u'~') || entry.startsWith(u'.') || entry.startsWith(u'\\'))
        return refused(notWeb);
    const QString scheme = schemeOf(entry);
    if (!scheme.isEmpty() && scheme != u"http" && scheme != u"https")
        return refused(notWeb);
    const QUrl url(scheme.isEmpty() ? QStringLiteral("http://") + entry : entry, QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty() || allDigits(url.host()))
        return refused(QCoreApplication::translate("Entries", "\"%1\" is not a web address.").arg(entry));
    return { url, QString() };
}

EntryAddress mailAddress(const QString& entry)
{
    // One address: no spaces, no second address, nothing a mail program would read as a subject,
    // a body, a copy or an attachment.
    static const QRegularExpression address(
        QStringLiteral("^[^\\s@<>()\\[\\]\\\\,;:\"?&%/]+@[^\\s@<>()\\[\\]\\\\,;:\"?&%/]+$"));
    static const QRegularExpression named(QStringLiteral("^[^<>]*<([^<>]*)>$"));
    QString text = entry;
    if (const QRegularExpressionMatch match = named.match(text); match.hasMatch())
        text = match.captured(1).trimmed();
    if (text.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        text = text.mid(7);
    if (!address.match(text).hasMatch())
        return refused(QCoreApplication::translate(
            "Entries", "\"%1\" is not opened: only one e-mail address such as name@example.org starts a mail message.")
                           .arg(entry));
    return { QUrl(QStringLiteral("mailto:") + text), QString() };
}

} // namespace

QString notOpenedText(const QString& entry)
{
    return QCoreApplication::translate(
        "Entries", "\"%1\" could not be opened: the desktop has no program to open it with.")
        .arg(entry);
}

EntryAddress entryAddress(EntryTarget target, const QString& entry)
{
    const QString text = entry.trimmed();
    if (text.isEmpty())
        return refused(QCoreApplication::translate("Entries", "An empty entry cannot be opened."));
    if (allDigits(text))
        return refused(
            QCoreApplication::translate("Entries", "\"%1\" is not opened: it is a number, not an address.").arg(entry));
    switch (target) {
    case EntryTarget::Web: return webAddress(text);
    case EntryTarget::Mail: return mailAddress(text);
    case EntryTarget::None: break;
    }
    return refused(QCoreApplication::translate("Entries", "\"%1\" cannot be opened.").arg(entry));
}

} // namespace tabwise
