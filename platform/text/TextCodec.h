#pragma once

#include <QByteArray>
#include <QString>

// Text files of the programs are GBK (the Chinese Windows code page) or
// UTF-8, with or without a byte-order mark. Reading decides by the bytes:
// a UTF-8 mark or valid UTF-8 is read as UTF-8, anything else as GBK.
QString decodeGbkOrUtf8(const QByteArray& bytes);
QByteArray encodeGbk(const QString& text);
QString decodeGbk(const QByteArray& bytes);

// Reads a whole text file. Returns false and sets *error to a message that
// names the file when it cannot be read.
bool readTextFile(const QString& path, QString* text, QString* error);
