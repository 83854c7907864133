// Test helper, not shipped: saves page files over and over through the program's own writer, so
// that a test can kill it at random moments and then check what is left on disk.
//
//   save_loop write PATH SEED   keeps replacing PATH with complete, self-describing contents
//   save_loop sources DIR SEED  puts two page folders DIR/a and DIR/b, each with one such page
//   save_loop backup DIR TO     keeps copying the page folders DIR/a and DIR/b by turns into TO
//                               through the program's backup copy
//   save_loop check PATH        exit 0 when PATH holds one complete content, 1 when it is torn
#include "core/CopyPages.h"
#include "core/PageFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>

namespace {

QByteArray body(quint32 version, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < size; ++i)
        out[i] = char((version * 31u + quint32(i) * 7u) % 251u);
    return bytes;
}

QByteArray content(quint32 version, qsizetype size)
{
    return "tabwise-crash " + QByteArray::number(version) + ' ' + QByteArray::number(size) + "\r\n"
        + body(version, size) + "\r\nend " + QByteArray::number(version) + "\r\n";
}

bool complete(const QByteArray& bytes)
{
    const qsizetype headerEnd = bytes.indexOf("\r\n");
    if (!bytes.startsWith("tabwise-crash ") || headerEnd < 0)
        return false;
    const QList<QByteArray> fields = bytes.left(headerEnd).split(' ');
    if (fields.size() != 3)
        return false;
    bool okVersion = false;
    bool okSize = false;
    const quint32 version = fields[1].toUInt(&okVersion);
    const qsizetype size = fields[2].toLongLong(&okSize);
    return okVersion && okSize && bytes == content(version, size);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("check")) {
        QFile file(args[2]);
        if (!file.open(QIODevice::ReadOnly))
            return 2;
        return complete(file.readAll()) ? 0 : 1;
    }
    if (args.size() >= 4 && args[1] == QLatin1String("write")) {
        QRandomGenerator random(args[3].toUInt());
        for (quint32 version = 1;; ++version) {
            const qsizetype size = random.bounded(1 << 20, 20 << 20);
            const tabwise::FileWrite written = tabwise::writePageFile(args[2], content(version, size));
            if (!written.ok) {
                std::fprintf(stderr, "%s\n", qPrintable(written.error));
                return 3;
            }
        }
    }
    if (args.size() >= 4 && args[1] == QLatin1String("sources")) {
        QRandomGenerator random(args[3].toUInt());
        for (const char* name : { "a", "b" }) {
            const QString folder = args[2] + QLatin1Char('/') + QLatin1String(name);
            const quint32 version = random.generate() % 1'000'000u + 1u;
            if (!QDir().mkpath(folder)
                || !tabwise::writePageFile(
                    folder + QStringLiteral("/notes.ntr"), content(version, random.bounded(1 << 20, 20 << 20)))
                        .ok)
                return 3;
        }
        return 0;
    }
    if (args.size() >= 4 && args[1] == QLatin1String("backup")) {
        for (int turn = 0;; ++turn) {
            const QString from = args[2] + (turn % 2 ? QStringLiteral("/b") : QStringLiteral("/a"));
            const tabwise::CopyOutcome outcome = tabwise::copyPageFiles(from, args[3]);
            if (!outcome.complete()) {
                std::fprintf(stderr, "the copy from %s failed\n", qPrintable(from));
                return 3;
            }
        }
    }
    if (args.size() >= 3 && args[1] == QLatin1String("init")) {
        return tabwise::writePageFile(args[2], content(0, 1000)).ok ? 0 : 3;
    }
    std::fprintf(stderr, "usage: save_loop init|write|check PATH [SEED] | sources DIR SEED | backup DIR TO\n");
    return 64;
}
