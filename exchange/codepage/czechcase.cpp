#include "czechcase.h"

#include "lettertables.h"

namespace {
QString mapCase(const QString &text, const QString &from, const QString &to, bool upper) {
    QString out = text;
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (upper && u >= 'a' && u <= 'z')
            c = QChar(u - 32);
        else if (!upper && u >= 'A' && u <= 'Z')
            c = QChar(u + 32);
        else if (u >= 0x80) {
            const qsizetype i = from.indexOf(c);
            if (i >= 0)
                c = to.at(i);
        }
    }
    return out;
}
}

QString CzechUpperCase(const QString &text) {
    return mapCase(text, CodePageLetters::accentedLower(), CodePageLetters::accentedUpper(), true);
}
QString CzechLowerCase(const QString &text) {
    return mapCase(text, CodePageLetters::accentedUpper(), CodePageLetters::accentedLower(), false);
}
