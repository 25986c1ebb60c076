#include "passwords.h"

#include "data/sqldata.h"
#include "exchange/codepage/czechcase.h"
#include "exchange/codepage/win1250.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

namespace {
const QString kPrefix = QStringLiteral("$pbkdf2-sha256$");
constexpr int kIterations = 40000;
constexpr int kSaltBytes = 12;
constexpr int kHashBytes = 24;

QByteArray pbkdf2(const QByteArray &password, const QByteArray &salt, int iterations, int length) {
    QByteArray out;
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    for (quint32 block = 1; out.size() < length; ++block) {
        QByteArray counter(4, 0);
        counter[0] = char(block >> 24);
        counter[1] = char(block >> 16);
        counter[2] = char(block >> 8);
        counter[3] = char(block);
        mac.reset();
        mac.addData(salt);
        mac.addData(counter);
        QByteArray u = mac.result();
        QByteArray t = u;
        for (int i = 1; i < iterations; ++i) {
            mac.reset();
            mac.addData(u);
            u = mac.result();
            for (int k = 0; k < t.size(); ++k)
                t[k] = char(t[k] ^ u[k]);
        }
        out += t;
    }
    return out.left(length);
}

QByteArray key(const QString &typed) { return Win1250::encode(CzechUpperCase(typed)); }

constexpr auto kB64 = QByteArray::Base64Encoding | QByteArray::OmitTrailingEquals;
}

QString HashPassword(const QString &typed) {
    if (typed.isEmpty())
        return {};
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    const QByteArray hash = pbkdf2(key(typed), salt, kIterations, kHashBytes);
    return kPrefix + QString::number(kIterations) + QLatin1Char('$') + QString::fromLatin1(salt.toBase64(kB64)) + QLatin1Char('$')
           + QString::fromLatin1(hash.toBase64(kB64));
}

int PasswordHashLength() { return int(kPrefix.size()) + 6 + 1 + (kSaltBytes * 4 + 2) / 3 + 1 + (kHashBytes * 4 + 2) / 3; }

bool IsPasswordHash(const QString &stored) { return stored.startsWith(kPrefix); }

bool VerifyPassword(const QString &stored, const QString &typed) {
    if (!IsPasswordHash(stored))
        return CzechUpperCase(stored) == CzechUpperCase(typed);
    const QStringList parts = stored.mid(kPrefix.size()).split(QLatin1Char('$'));
    if (parts.size() != 3)
        return false;
    bool ok = false;
    const int iterations = parts.at(0).toInt(&ok);
    if (!ok || iterations < 1 || iterations > 10000000)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts.at(1).toLatin1(), kB64);
    const QByteArray expected = QByteArray::fromBase64(parts.at(2).toLatin1(), kB64);
    if (expected.isEmpty())
        return false;
    const QByteArray got = pbkdf2(key(typed), salt, iterations, int(expected.size()));
    // Compare without an early exit.
    int diff = 0;
    for (qsizetype i = 0; i < got.size(); ++i)
        diff |= got[i] ^ expected[i];
    return diff == 0;
}

bool PasswordNeedsRehash(const QString &stored) { return !stored.isEmpty() && !IsPasswordHash(stored); }

QString EnsurePasswordColumnWidth(TSQLDATA &db) {
    const int width = db.SelectInt(QStringLiteral(
        "select f.RDB$CHARACTER_LENGTH from RDB$RELATION_FIELDS r join RDB$FIELDS f on f.RDB$FIELD_NAME = r.RDB$FIELD_SOURCE "
        "where r.RDB$RELATION_NAME = 'UZIVATEL' and r.RDB$FIELD_NAME = 'HESLO'"));
    if (width == 0 || width >= PasswordHashLength())
        return {};
    return db.ExecSQL(QStringLiteral("ALTER TABLE UZIVATEL ALTER COLUMN HESLO TYPE VARCHAR(100)"));
}

QByteArray Md5Bytes(const QString &text) { return QCryptographicHash::hash(Win1250::encode(text), QCryptographicHash::Md5); }

QString Md5Hex(const QString &text) { return QString::fromLatin1(Md5Bytes(text).toHex()); }

GeneratedPassword GeneratePassword(const QString &address, const QString &master, int from, int length) {
    GeneratedPassword g;
    g.full = Md5Hex(address.trimmed() + master.trimmed());
    g.shortened = g.full.mid(qMax(1, from) - 1, qMax(0, length));
    return g;
}

QString AddressHost(const QString &address) {
    QString s = address.trimmed();
    const qsizetype scheme = s.indexOf(QLatin1String("://"));
    if (scheme >= 0)
        s = s.mid(scheme + 3);
    const qsizetype cut = s.indexOf(QRegularExpression(QStringLiteral("[/?#]")));
    if (cut >= 0)
        s = s.left(cut);
    const qsizetype at = s.lastIndexOf(QLatin1Char('@'));
    if (at >= 0)
        s = s.mid(at + 1);
    if (!s.startsWith(QLatin1Char('['))) {
        const qsizetype colon = s.indexOf(QLatin1Char(':'));
        if (colon >= 0)
            s = s.left(colon);
    }
    return s;
}
