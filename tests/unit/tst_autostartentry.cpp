// The log-on autostart entry: its Exec value must bring back exactly the executable's path when a
// desktop reads it, whatever characters the path holds.
#include "core/AutostartEntry.h"

#include <QMap>
#include <QTest>

using namespace tabwise;

namespace {

// Reads an Exec value back the way a desktop does: string escapes first, then the %% code, then
// the one double-quoted argument. Returns a null string when the value is not one quoted argument.
QString commandFromExec(const QString& value)
{
    QString unescaped;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            unescaped += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == u's')
            unescaped += u' ';
        else if (next == u'n')
            unescaped += u'\n';
        else if (next == u't')
            unescaped += u'\t';
        else if (next == u'r')
            unescaped += u'\r';
        else if (next == u'\\')
            unescaped += u'\\';
        else
            return {}; // no such string escape
    }
    QString expanded;
    for (qsizetype i = 0; i < unescaped.size(); ++i) {
        if (unescaped[i] == u'%') {
            if (i + 1 == unescaped.size() || unescaped[i + 1] != u'%')
                return {}; // a field code where none may be
            ++i;
        }
        expanded += unescaped[i];
    }
    if (expanded.size() < 2 || !expanded.startsWith(u'"') || !expanded.endsWith(u'"'))
        return {};
    QString argument;
    for (qsizetype i = 1; i + 1 < expanded.size(); ++i) {
        QChar c = expanded[i];
        if (c == u'\\') {
            c = expanded[++i];
            if (i + 1 == expanded.size() || !QStringLiteral("\"`$\\").contains(c))
                return {};
        } else if (c == u'"' || c == u'`' || c == u'$') {
            return {}; // must have been escaped
        }
        argument += c;
    }
    return argument;
}

} // namespace

class TestAutostartEntry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void execValue_data();
    void execValue();
    void entryText();
};

void TestAutostartEntry::execValue_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/usr/bin/tabwise"
                           << R"("/usr/bin/tabwise")";
    QTest::newRow("spaces") << "/home/ann/My Notes/tabwise"
                            << R"("/home/ann/My Notes/tabwise")";
    QTest::newRow("leading space") << " /opt/tabwise"
                                   << R"(" /opt/tabwise")";
    QTest::newRow("double quote") << R"(/opt/a"b/tabwise)"
                                  << R"("/opt/a\\"b/tabwise")";
    QTest::newRow("single quote") << "/opt/ann's/tabwise"
                                  << R"("/opt/ann's/tabwise")";
    QTest::newRow("dollar") << "/opt/$HOME/tabwise"
                            << R"("/opt/\\$HOME/tabwise")";
    QTest::newRow("backtick") << "/opt/`id`/tabwise"
                              << R"("/opt/\\`id\\`/tabwise")";
    QTest::newRow("backslash") << R"(/opt/a\b/tabwise)"
                               << R"("/opt/a\\\\b/tabwise")";
    QTest::newRow("percent") << "/opt/100%/%f/tabwise"
                             << R"("/opt/100%%/%%f/tabwise")";
    QTest::newRow("newline and tab") << "/opt/a\nb\tc/tabwise"
                                     << R"("/opt/a\nb\tc/tabwise")";
    QTest::newRow("shell and list characters") << "/opt/a;b|c&d=e#f/tabwise"
                                               << R"("/opt/a;b|c&d=e#f/tabwise")";
    QTest::newRow("non-ASCII") << QStringLiteral("/home/jürgen/Notizen ✓/tabwise")
                               << QStringLiteral("\"/home/jürgen/Notizen ✓/tabwise\"");
    QTest::newRow("all at once") << R"(/t m/"q"/$v/`c`/\b/%u/tabwise)"
                                 << R"("/t m/\\"q\\"/\\$v/\\`c\\`/\\\\b/%%u/tabwise")";
}

void TestAutostartEntry::execValue()
{
    QFETCH(QString, path);
    QFETCH(QString, exec);
    const QString value = desktopExecValue(path);
    QCOMPARE(value, exec);
    QCOMPARE(commandFromExec(value), path);
    QVERIFY(!value.contains(u'\n'));
}

void TestAutostartEntry::entryText()
{
    const QString path = QStringLiteral("/home/ann/My Notes/tab$wise");
    const QStringList lines = autostartEntryText(path).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
    QMap<QString, QString> keys;
    for (const QString& line : lines.mid(1)) {
        const qsizetype equals = line.indexOf(u'=');
        QVERIFY2(equals > 0, qPrintable(line));
        QVERIFY2(!keys.contains(line.left(equals)), qPrintable(line));
        keys.insert(line.left(equals), line.mid(equals + 1));
    }
    QCOMPARE(keys.value(QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(keys.value(QStringLiteral("Name")), QStringLiteral("Tabwise"));
    QCOMPARE(commandFromExec(keys.value(QStringLiteral("Exec"))), path);
    // Desktops that keep their own switch per entry must see it switched on.
    QCOMPARE(keys.value(QStringLiteral("X-GNOME-Autostart-enabled")), QStringLiteral("true"));
    QVERIFY(!keys.contains(QStringLiteral("Hidden")));
}

QTEST_GUILESS_MAIN(TestAutostartEntry)
#include "tst_autostartentry.moc"
