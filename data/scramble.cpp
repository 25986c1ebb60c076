#include "scramble.h"

#include "exchange/codepage/win1250.h"

int ScrambleShift(const QString &key) {
    const QByteArray k = Win1250::encode(key);
    int s = 0;
    for (qsizetype i = 0; i < k.size(); ++i) {
        const int c = static_cast<unsigned char>(k[i]);
        s += (i % 2 == 0) ? c : -c;
    }
    return s;
}

QByteArray ShiftBytes(const QByteArray &bytes, const QString &key, bool decode) {
    const int s = decode ? -ScrambleShift(key) : ScrambleShift(key);
    QByteArray out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        int c = static_cast<unsigned char>(bytes[i]) + s;
        // The wrap is by 255, not 256, as the files written by earlier versions expect.
        while (c < 0)
            c += 255;
        while (c > 255)
            c -= 255;
        out[i] = static_cast<char>(c);
    }
    return out;
}

QString ScrambleText(const QString &text, const QString &key) {
    return QString::fromLatin1(ShiftBytes(Win1250::encode(text), key, false).toHex().toUpper());
}

QString UnscrambleText(const QString &hex, const QString &key) {
    QByteArray raw;
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        bool ok = false;
        const int v = hex.mid(i, 2).toInt(&ok, 16);
        if (ok)
            raw.append(static_cast<char>(v));
    }
    return Win1250::decode(ShiftBytes(raw, key, true));
}
