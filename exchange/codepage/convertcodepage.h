#pragma once
#include <QByteArray>
#include <QString>

// Converts text between the code pages of exchanged files, chosen by a two-letter code: the
// source letter, then the target letter ("W" Windows-1250, "L" Latin 2, "K" Kamenický, "B"
// Windows-1250 without diacritics, "I" Windows-1250 keeping only á é í ó (and their capitals
// lose theirs), "3" ISO 8859-2).
//   LK KL WK KW LW WL   the 47 Czech and Slovak letters of the three code pages
//   WB LB KB WI LI KI   to Windows-1250 first, then the accents dropped
//   K3                  Kamenický to ISO 8859-2 (« and » become 0xAB and 0xBB)
// Any other code, lower-case ones included, returns the bytes unchanged. Every byte that is
// not one of the converted letters passes unchanged.
QByteArray ConvertCodePage(const QByteArray &bytes, const QString &code);

// The same on text held by the program: the text is taken as Windows-1250, converted, and read
// back as Windows-1250. Meant for the conversions that end in Windows-1250 ("WB", "WI", "KW",
// "LW", ...); for the others the result holds the target's bytes as Windows-1250 characters,
// ready to be written out byte for byte. Characters Windows-1250 cannot hold stay as they are.
QString ConvertCodePage(const QString &text, const QString &code);

// True for the codes that convert; false for those that return their input.
bool IsCodePageConversion(const QString &code);
