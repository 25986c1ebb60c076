#pragma once
#include <QByteArray>
#include <QString>

// The one Windows-1250 codec of the program: the database, the configuration file and most
// exchanged files hold this code page, and Qt 6 carries none of its own.
namespace Win1250 {
// Bytes 0x81, 0x83, 0x88, 0x90 and 0x98 have no letter; they decode to the C1 controls of the
// same number so that a round trip keeps them.
QString decode(const QByteArray &bytes);
QString decode(const char *data, qsizetype size);
// Characters the code page cannot hold become "?".
QByteArray encode(const QString &text);
char16_t toUnicode(unsigned char byte);
// 0 when the character has no Windows-1250 byte (and is not NUL itself).
unsigned char fromUnicode(char16_t ch);
}
