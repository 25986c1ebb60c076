#pragma once
#include <QByteArray>
#include <QString>

// Log-in passwords are compared after the Czech upper-casing, so log-in stays case-insensitive.
// They are stored as a salted, slow hash of that upper-cased text:
//   "$pbkdf2-sha256$<iterations>$<salt>$<hash>" (salt and hash in unpadded base64).
// An empty password stays empty: it means "no password" to the automatic log-in modes.
QString HashPassword(const QString &typed);
bool IsPasswordHash(const QString &stored);
// Accepts the hash form and, for databases of earlier versions, the password as typed.
bool VerifyPassword(const QString &stored, const QString &typed);
// True when a successful log-in should replace the stored form by the hash.
bool PasswordNeedsRehash(const QString &stored);
// Longest text HashPassword produces, for the width of the password column.
int PasswordHashLength();

class TSQLDATA;
// Databases of earlier versions keep passwords in a narrower column than the hash needs; widen
// it (a wider text column loses nothing). Returns the server's error, empty when wide enough.
QString EnsurePasswordColumnWidth(TSQLDATA &db);

// MD5 (RFC 1321) of the Windows-1250 bytes of the text.
QByteArray Md5Bytes(const QString &text);
QString Md5Hex(const QString &text);

// The password generator: MD5 of trimmed address followed by trimmed master password as 32
// lower-case hexadecimal digits, and the part of it from position `from` (1-based) of `length`.
struct GeneratedPassword {
    QString full;
    QString shortened;
};
GeneratedPassword GeneratePassword(const QString &address, const QString &master, int from, int length);
// The host part of an address: protocol, user, password, port, path and parameters removed.
QString AddressHost(const QString &address);
