#pragma once
#include <QByteArray>
#include <QString>

// The program's own reversible scrambling of the database password in the configuration file
// and of SQL script files. It hides text from a casual reader; it is not encryption.
int ScrambleShift(const QString &key);
// Shifts every Windows-1250 byte of the text by the key's shift (decode = shift back).
QByteArray ShiftBytes(const QByteArray &bytes, const QString &key, bool decode);
// Stored form: each shifted byte as two upper-case hexadecimal digits.
QString ScrambleText(const QString &text, const QString &key);
// Reverse of ScrambleText; pairs that are not hexadecimal digits are skipped.
QString UnscrambleText(const QString &hex, const QString &key);
