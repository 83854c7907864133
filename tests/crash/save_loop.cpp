// Test helper, not shipped: keeps replacing a page through the program's own writer, or keeps copying
// two page folders by turns as a backup does, so that kill_during_save.sh can kill it at any moment.
//   save_loop write PAGE SEED | sources DIR SEED | backup DIR TO | check PAGE
#include "core/backup/CopyPages.h"
#include "core/page/PageFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

namespace {

// A complete content: its version and size, that many bytes, then its version and size again.
QByteArray content(quint32 version, int size)
{
    const QByteArray head = QByteArray::number(version) + ' ' + QByteArray::number(size) + "\r\n";
    return head + QByteArray(size, char('a' + version % 26)) + "\r\n" + head;
}

bool complete(const QByteArray& bytes)
{
    const QList<QByteArray> head = bytes.left(bytes.indexOf("\r\n")).split(' ');
    return head.size() == 2 && bytes == content(head[0].toUInt(), head[1].toInt());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1), path = args.value(2);
    QRandomGenerator random(args.value(3).toUInt());
    const auto size = [&random] { return int(random.bounded(1 << 20, 20 << 20)); };
    if (mode == "check") {
        QFile page(path);
        return page.open(QIODevice::ReadOnly) && complete(page.readAll()) ? 0 : 1;
    }
    for (quint32 version = 1; mode == "write"; ++version) {
        if (!tabwise::writePageFile(path, content(version, size())).ok)
            return 3;
    }
    for (const char* folder : { "/a", "/b" }) {
        if (mode == "sources"
            && !(QDir().mkpath(path + folder)
                && tabwise::writePageFile(path + folder + "/notes.ntr", content(random.generate(), size())).ok))
            return 3;
    }
    for (int turn = 0; mode == "backup"; ++turn) {
        if (!tabwise::copyPageFiles(path + (turn % 2 ? "/b" : "/a"), args.value(3)).complete())
            return 3;
    }
    return mode == "sources" ? 0 : 64;
}
