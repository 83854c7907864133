#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tabwise;

class SingleInstanceTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString name(const char* base) const { return m_dir.path() + QLatin1Char('/') + QLatin1String(base); }

    // A socket file such as a copy that crashed leaves behind: bound once, nobody listening.
    static void leaveStaleSocket(const QString& path)
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray bytes = QFile::encodeName(path);
        std::copy(bytes.begin(), bytes.end(), address.sun_path);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
        QVERIFY(QFile::exists(path));
    }

private Q_SLOTS:
    // Names computed from folders point into a private runtime folder, never the user's own.
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path())); }

    void sameFolderGivesSameName_data()
    {
        QTest::addColumn<QString>("spelling");
        QTest::newRow("as made") << QStringLiteral("app");
        QTest::newRow("final slash") << QStringLiteral("app/");
        QTest::newRow("dot dot") << QStringLiteral("other/../app");
        QTest::newRow("through a link") << QStringLiteral("link");
    }
    void sameFolderGivesSameName()
    {
        QFETCH(QString, spelling);
        QDir root(m_dir.path());
        root.mkpath(QStringLiteral("app"));
        root.mkpath(QStringLiteral("other"));
        QFile::link(root.filePath(QStringLiteral("app")), root.filePath(QStringLiteral("link")));
        const QString reference = SingleInstance::nameFor(root.filePath(QStringLiteral("app")));
        QCOMPARE(SingleInstance::nameFor(root.filePath(spelling)), reference);
        QVERIFY(SingleInstance::nameFor(root.filePath(QStringLiteral("other"))) != reference);
        QVERIFY(reference.startsWith(m_dir.path() + QStringLiteral("/tabwise-")));
        // A socket path must fit the 108 bytes of a Unix socket address.
        QVERIFY(QFile::encodeName(reference).size() < 100);
    }

    void secondStartHandsOverToTheFirst()
    {
        SingleInstance first(name("one"));
        QSignalSpy shown(&first, &SingleInstance::showRequested);
        QVERIFY(first.claim());

        SingleInstance second(name("one"));
        QVERIFY(!second.claim());
        QVERIFY(shown.wait(5000));
        QCOMPARE(shown.count(), 1);
    }

    void otherFolderRunsBesideTheFirst()
    {
        SingleInstance first(name("two"));
        QVERIFY(first.claim());
        SingleInstance other(name("three"));
        QSignalSpy shown(&other, &SingleInstance::showRequested);
        QVERIFY(other.claim());

        // Each answers only for its own folder.
        SingleInstance later(name("three"));
        QVERIFY(!later.claim());
        QVERIFY(shown.wait(5000));
    }

    void folderIsFreeAgainWhenTheCopyEnds()
    {
        auto first = std::make_unique<SingleInstance>(name("four"));
        QVERIFY(first->claim());
        first.reset();
        SingleInstance next(name("four"));
        QVERIFY(next.claim());
    }

    void socketLeftByACrashIsReplaced()
    {
        leaveStaleSocket(name("five"));
        SingleInstance first(name("five"));
        QSignalSpy shown(&first, &SingleInstance::showRequested);
        QVERIFY(first.claim());
        // The new copy really listens: a later start reaches it.
        SingleInstance second(name("five"));
        QVERIFY(!second.claim());
        QVERIFY(shown.wait(5000));
    }

    void unusableRuntimeFolderStillRuns()
    {
        // Without a place for the lock the guard cannot work; the program must start all the same.
        SingleInstance guard(name("missing/folder/six"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot take the lock")));
        QVERIFY(guard.claim());
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
