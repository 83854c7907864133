// What a double-click on a list entry may open: web pages over http(s) and one mail address; any
// other scheme, any local path, empty and all-digit entries are refused with a reason.
#include "core/entries/EntryAddress.h"

#include <QTest>

using namespace tabwise;

class tst_Entries : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entryAddress_data()
    {
        QTest::addColumn<bool>("mail");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("opened"); // the address, or the start of the refusal
        const auto web
            = [](const char* entry, const char* opened) { QTest::newRow(entry) << false << entry << opened; };
        const auto mail
            = [](const char* entry, const char* opened) { QTest::newRow(entry) << true << entry << opened; };
        const char* notWeb = "is not opened: only web addresses";
        const char* notMail = "is not opened: only one e-mail address";
        web("www.example.org", "http://www.example.org");
        web(" https://example.org/a?b=1 ", "https://example.org/a?b=1");
        web("localhost:8080/a", "http://localhost:8080/a");
        web("file:///etc/passwd", notWeb);
        web("javascript:alert(1)", notWeb);
        web("data:text/html,<b>x</b>", notWeb);
        web("mailto:12345", notWeb);
        web("C:\\Windows\\evil.exe", notWeb);
        web("/usr/share/applications/evil.desktop", notWeb);
        web("../evil.sh", notWeb);
        web("\\\\server\\share", notWeb);
        web("http://", "is not a web address");
        web("12345", "is not opened: it is a number");
        web("  ", "An empty entry");
        mail("ann@example.org", "mailto:ann@example.org");
        mail("Ann Smith <ann@example.org>", "mailto:ann@example.org");
        mail("josé@exämple.org", "mailto:josé@exämple.org");
        mail("ann@example.org?attach=/etc/passwd", notMail);
        mail("ann@example.org,bob@example.org", notMail);
        mail("ann example@org", notMail);
        mail("ann", notMail);
        mail("12345", "is not opened: it is a number");
        mail("", "An empty entry");
    }
    void entryAddress()
    {
        QFETCH(bool, mail);
        QFETCH(QString, entry);
        QFETCH(QString, opened);
        const EntryAddress address = tabwise::entryAddress(mail ? EntryTarget::Mail : EntryTarget::Web, entry);
        if (address.url.isValid()) {
            QVERIFY(address.refusal.isEmpty());
            QCOMPARE(address.url.toString(), opened);
        } else {
            QVERIFY2(address.refusal.contains(opened), qPrintable(address.refusal));
            QVERIFY(entry.trimmed().isEmpty() || address.refusal.startsWith('"' + entry.trimmed() + '"'));
        }
    }
};

QTEST_MAIN(tst_Entries)
#include "tst_entries.moc"
