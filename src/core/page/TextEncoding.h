#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a page file and the text they stand for. Pages are written as UTF-8 without a
// byte-order mark; one at the very front of a file is read past. What is not valid UTF-8 (a page
// written on Windows, or a few such bytes pasted into a UTF-8 page) is read byte by byte as
// Windows-1252, and only those bytes: every byte turns into a character, none is lost, and valid
// UTF-8 around them is never read as Windows-1252 (which would turn "é" into "Ã©" on the next save).
namespace tabwise {

QString decodePageBytes(const QByteArray& bytes);
QByteArray encodePageText(const QString& text);
QString decodeWindows1252(QByteArrayView bytes);

// The length of the longest prefix of the bytes that is complete, valid UTF-8 (no overlong forms,
// no surrogates, nothing above U+10FFFF; a sequence cut off at the end is not valid).
qsizetype validUtf8Prefix(QByteArrayView bytes);

} // namespace tabwise
