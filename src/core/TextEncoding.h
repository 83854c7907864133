#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a page file and the text they stand for. Pages are written as UTF-8 without a
// byte-order mark; a file that is not valid UTF-8 (a page written on Windows) is read as
// Windows-1252, so every byte turns into a character and none is lost.
namespace tabwise {

QString decodePageBytes(const QByteArray& bytes);
QByteArray encodePageText(const QString& text);
QString decodeWindows1252(const QByteArray& bytes);

} // namespace tabwise
