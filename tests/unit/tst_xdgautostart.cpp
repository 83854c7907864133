// The real log-on entry, written into a temporary config folder (never the user's own).
#include "platform/linux/XdgAutostart.h"
#include "core/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tabwise;

class TestXdgAutostart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void addAndRemove();
    void addReplacesOldEntry();
    void nothingToWriteOrRemove();
    void unwritableFolder_data();
    void unwritableFolder();

private:
    QString entryPath() const { return m_config->path() + QStringLiteral("/autostart/Tabwise.desktop"); }
    static QByteArray fileBytes(const QString& path);

    std::unique_ptr<QTemporaryDir> m_config;
};

QByteArray TestXdgAutostart::fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestXdgAutostart::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
}

void TestXdgAutostart::addAndRemove()
{
    XdgAutostart autostart;
    const QString exe = QStringLiteral("/opt/my notes/tab$wise");
    QVERIFY(autostart.add(exe)); // creates the autostart folder
    QCOMPARE(fileBytes(entryPath()), autostartEntryText(exe).toUtf8());

    QFile other(m_config->path() + QStringLiteral("/autostart/other.desktop"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();
    QVERIFY(autostart.remove());
    QVERIFY(!QFile::exists(entryPath()));
    QVERIFY(other.exists());
}

void TestXdgAutostart::addReplacesOldEntry()
{
    // An entry left by an older install, or switched off by the desktop's own settings.
    QVERIFY(QDir(m_config->path()).mkpath(QStringLiteral("autostart")));
    QFile old(entryPath());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("[Desktop Entry]\nType=Application\nExec=/old/tabwise\nHidden=true\n");
    old.close();

    QVERIFY(XdgAutostart().add(QStringLiteral("/new/tabwise")));
    QCOMPARE(fileBytes(entryPath()), autostartEntryText(QStringLiteral("/new/tabwise")).toUtf8());
}

void TestXdgAutostart::nothingToWriteOrRemove()
{
    XdgAutostart autostart;
    QVERIFY(!autostart.remove());
    QVERIFY(!autostart.add(QString())); // no executable known: no entry that starts nothing
    QVERIFY(!QDir(m_config->path() + QStringLiteral("/autostart")).exists());
}

void TestXdgAutostart::unwritableFolder_data()
{
    // Plain files where folders must be: refused even for root.
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QString>("configHome");
    QTest::newRow("autostart is a file") << "autostart"
                                         << "";
    QTest::newRow("config folder under a file") << "blocked"
                                                << "blocked/config";
    QTest::newRow("entry is a folder") << "autostart/Tabwise.desktop/x"
                                       << "";
}

void TestXdgAutostart::unwritableFolder()
{
    QFETCH(QString, blocker);
    QFETCH(QString, configHome);
    const QString blockerPath = m_config->path() + QLatin1Char('/') + blocker;
    QVERIFY(QDir().mkpath(QFileInfo(blockerPath).path()));
    QFile file(blockerPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    if (!configHome.isEmpty())
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path() + QLatin1Char('/') + configHome));

    XdgAutostart autostart;
    QVERIFY(!autostart.add(QStringLiteral("/usr/bin/tabwise")));
    QCOMPARE(fileBytes(blockerPath), QByteArray());
}

QTEST_GUILESS_MAIN(TestXdgAutostart)
#include "tst_xdgautostart.moc"
