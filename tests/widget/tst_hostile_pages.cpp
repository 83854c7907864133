// Hostile page files: empty, missing, a folder, NUL bytes, bytes that are not UTF-8, byte-order
// marks, lone CRs and LFs, one huge line, millions of lines, a file of 200 MB. The program starts
// and shows the page or says why it cannot, and saving a page nobody touched keeps its bytes, only
// adding a final CR LF where the file has no final line end.
#include "FormFixture.h"
#include "ui/CommandLabel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTest>
#include <QThread>

using namespace tabwise;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif

QByteArray repeated(const QByteArray& piece, qsizetype times)
{
    QByteArray bytes;
    bytes.reserve(piece.size() * times);
    for (qsizetype i = 0; i < times; ++i)
        bytes += piece;
    return bytes;
}

QByteArray generate(const QString& kind)
{
    // A wrapped line takes time that grows with the square of its length; a page with a line this
    // long is shown unwrapped, which takes time in proportion to it.
    if (kind == QLatin1String("5 MB line"))
        return repeated("abcdefghij", 512 * 1024);
    if (kind == QLatin1String("2 million lines"))
        return repeated("line 1234\r\n", 2'000'000);
    if (kind == QLatin1String("200 MB"))
        return repeated(repeated("Tabwise keeps every word; ", 3) + "\r\n", 200 * 1024 * 1024 / 80);
    return {};
}

bool endsWithLineEnd(const QByteArray& bytes)
{
    return bytes.endsWith('\n') || bytes.endsWith('\r');
}

} // namespace

class tst_HostilePages : public QObject {
    Q_OBJECT
private slots:
    void untouchedPageKeepsBytes_data();
    void untouchedPageKeepsBytes();
    void folderInsteadOfPage();
};

void tst_HostilePages::untouchedPageKeepsBytes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("generated"); // a big file made in the test
    QTest::addColumn<int>("lines"); // the lines the box shows, 0 for any

    QTest::newRow("0 bytes") << QByteArray() << QString() << 1;
    QTest::newRow("missing") << QByteArray("<missing>") << QString() << 1;
    QTest::newRow("NUL bytes") << QByteArray("a\0b\0\0c\r\n", 9) << QString() << 0;
    QTest::newRow("NUL bytes, no final line end") << QByteArray("\0\0\0", 3) << QString() << 0;
    QTest::newRow("invalid UTF-8") << QByteArray("caf\xe9 \xff\xfe\x80\r\n") << QString() << 2;
    QTest::newRow("cut-off UTF-8 at the end") << QByteArray("ab\xe2\x82") << QString() << 1;
    QTest::newRow("UTF-8 BOM") << QByteArray("\xef\xbb\xbfhello\r\n") << QString() << 2;
    QTest::newRow("UTF-16 BOM") << QByteArray("\xff\xfeh\0i\0\r\0\n\0", 10) << QString() << 0;
    QTest::newRow("UTF-16 BE BOM") << QByteArray("\xfe\xff\0h\0i", 6) << QString() << 0;
    QTest::newRow("lone CR") << QByteArray("a\rb\rc\r") << QString() << 4;
    QTest::newRow("lone LF") << QByteArray("a\nb\nc\n") << QString() << 4;
    QTest::newRow("lone LF, no final line end") << QByteArray("a\nb") << QString() << 2;
    QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\rd\n\re") << QString() << 0;
    QTest::newRow("U+2028 and U+2029 in the file") << QByteArray("a\xe2\x80\xa8"
                                                                 "b\xe2\x80\xa9"
                                                                 "c\r\n")
                                                   << QString() << 0;
    QTest::newRow("control characters") << QByteArray("\x01\x02\x1b[31m\x7f\t\f\v\r\n") << QString() << 0;
    QTest::newRow("5 MB line") << QByteArray() << "5 MB line" << 1;
    QTest::newRow("2 million lines") << QByteArray() << "2 million lines" << 2'000'001;
    QTest::newRow("200 MB") << QByteArray() << "200 MB" << 0;
}

void tst_HostilePages::untouchedPageKeepsBytes()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, generated);
    QFETCH(int, lines);
    if (!generated.isEmpty() && sanitized)
        QSKIP("Big files are tried by the optimised build; under AddressSanitizer they take minutes.");
    if (!generated.isEmpty())
        file = generate(generated);

    FormFixture f;
    f.seedDesignSettings();
    const bool missing = file == "<missing>";
    if (!missing)
        f.writePage("notes.ntr", file);
    // Let the file's change time fall behind the file system's clock tick, as it has for any file
    // that was not written a moment ago.
    QThread::msleep(150);

    QElapsedTimer timer;
    timer.start();
    Form1& w = f.load();
    const qint64 loadMs = timer.elapsed();
    QCOMPARE(f.platform.messagesShown.size(), 0);
    if (lines > 0)
        QCOMPARE(w.txtNotes->blockCount(), lines);
    if (!file.isEmpty() && !missing)
        QVERIFY(!w.txtNotes->document()->isEmpty());

    timer.restart();
    w.lbleditnotes->click();
    w.lblsavenotes->click();
    const qint64 saveMs = timer.elapsed();
    QCOMPARE(f.platform.messagesShown.size(), 0);
    const QByteArray expected = missing ? QByteArray("\r\n") : endsWithLineEnd(file) ? file : file + "\r\n";
    const QByteArray saved = f.pageBytes("notes.ntr");
    QCOMPARE(saved.size(), expected.size());
    QVERIFY(saved == expected);
    if (file.size() > 64 * 1024)
        qInfo("%lld bytes: shown in %lld ms, saved in %lld ms", qint64(file.size()), loadMs, saveMs);

    // Typing still works on such a page and is saved.
    w.lbleditnotes->click();
    w.txtNotes->moveCursor(QTextCursor::End);
    QTest::keyClicks(w.txtNotes, "z");
    w.lblsavenotes->click();
    QCOMPARE(f.platform.messagesShown.size(), 0);
    QVERIFY(f.pageBytes("notes.ntr").endsWith("z\r\n"));
}

void tst_HostilePages::folderInsteadOfPage()
{
    FormFixture f;
    f.seedDesignSettings();
    QVERIFY(QDir(f.appFolder()).mkdir(QStringLiteral("notes.ntr")));
    QVERIFY(QDir(f.appFolder()).mkdir(QStringLiteral("notes.ntr/inside")));
    Form1& w = f.load();
    QCOMPARE(f.platform.messagesShown.size(), 1);
    QVERIFY(f.platform.messagesShown[0].prompt.contains(QLatin1String("notes.ntr")));
    QVERIFY(f.platform.messagesShown[0].prompt.contains(QLatin1String("folder")));
    QVERIFY(w.txtNotes->document()->isEmpty());

    // Typed text cannot go where the folder is: it stays on screen, the folder stays whole.
    w.lbleditnotes->click();
    QTest::keyClicks(w.txtNotes, "keep me");
    w.lblsavenotes->click();
    QCOMPARE(f.platform.messagesShown.size(), 2);
    QVERIFY(f.platform.messagesShown[1].prompt.contains(QLatin1String("notes.ntr")));
    QCOMPARE(w.txtNotes->toPlainText(), QStringLiteral("keep me"));
    QVERIFY(w.hasUnsavedText(0));
    QVERIFY(QFileInfo(f.appFolder() + QStringLiteral("/notes.ntr/inside")).isDir());
}

QTEST_MAIN(tst_HostilePages)
#include "tst_hostile_pages.moc"
