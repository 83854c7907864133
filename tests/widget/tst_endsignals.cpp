// SIGTERM, SIGHUP and SIGINT end the program cleanly, the typing kept in its draft, in a child
// process that runs the window as the program does.
#include "WindowFixture.h"
#include "app/TerminationSignals.h"
#include "core/keeping/DraftStore.h"

#include <QProcess>

#include <csignal>
#include <cstdio>

using namespace tabwise;

namespace {

int runChild(const QString& appFolder)
{
    WindowFixture f(appFolder);
    MainWindow& w = f.load();
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &w, &MainWindow::endWithoutAsking);
    QObject::connect(&w, &MainWindow::unloaded, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    typeOn(w.page(0), QStringLiteral("typed just now"));
    std::printf("typed\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

} // namespace

class TestEndSignals : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void endsKeepingTheTyping_data();
    void endsKeepingTheTyping();
};

void TestEndSignals::endsKeepingTheTyping_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
}

void TestEndSignals::endsKeepingTheTyping()
{
    QFETCH(int, signalNumber);
    QTemporaryDir dir;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_STATE_HOME"), dir.path() + QStringLiteral("/state"));
    child.setProcessEnvironment(environment);
    child.start(
        QCoreApplication::applicationFilePath(), { QStringLiteral("--child"), dir.path() + QStringLiteral("/app") });
    QVERIFY(child.waitForReadyRead(20000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("typed"));
    QCOMPARE(::kill(pid_t(child.processId()), signalNumber), 0);
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const Draft draft = DraftStore(dir.path() + QStringLiteral("/app"), QString()).read(QStringLiteral("notes.ntr"));
    QCOMPARE(draft.text, QStringLiteral("typed just now"));
    QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/app/notes.ntr"))); // the page is not written
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return runChild(QString::fromLocal8Bit(argv[2]));
    TestEndSignals test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_endsignals.moc"
