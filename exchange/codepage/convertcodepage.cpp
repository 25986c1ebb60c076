#include "convertcodepage.h"

#include "lettertables.h"
#include "win1250.h"

#include <array>
#include <QHash>

namespace {

using ByteTable = std::array<unsigned char, 256>;

// Codes of CodePageLetters::exchanged(), position by position, in each DOS code page and in
// ISO 8859-2. The Windows-1250 codes come from the codec.
constexpr unsigned char kLatin2[47] = {
    0xAC, 0xD4, 0xD2, 0x9B, 0x9F, 0xD8, 0xB7, 0x91, 0xD6, 0x96, 0xB5, 0xA7, 0xA6, 0xE0, 0x85, 0xE9,
    0xEC, 0xE6, 0x95, 0xED, 0xFC, 0x9C, 0xE5, 0xD5, 0xDE, 0xE2, 0xE7, 0xFD, 0xEA, 0xE8, 0xF5, 0x92,
    0x81, 0x82, 0x84, 0x8E, 0x90, 0x93, 0x94, 0x99, 0x9A, 0xA0, 0xA1, 0xA2, 0xA3, 0xAE, 0xAF};
constexpr unsigned char kKamenicky[47] = {
    0x80, 0x83, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8F, 0x91, 0x92, 0x95, 0x96, 0x97,
    0x98, 0x9B, 0x9C, 0x9D, 0x9E, 0x9F, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xAB, 0xAD, 0x8D,
    0x81, 0x82, 0x84, 0x8E, 0x90, 0x93, 0x94, 0x99, 0x9A, 0xA0, 0xA1, 0xA2, 0xA3, 0xAE, 0xAF};
constexpr unsigned char kIso88592[47] = {
    0xC8, 0xEF, 0xCF, 0xAB, 0xE8, 0xEC, 0xCC, 0xC5, 0xCD, 0xB5, 0xC1, 0xBE, 0xAE, 0xD3, 0xF9, 0xDA,
    0xFD, 0xA9, 0xA5, 0xDD, 0xD8, 0xBB, 0xF2, 0xD2, 0xD9, 0xD4, 0xB9, 0xF8, 0xE0, 0xC0, 0xA7, 0xE5,
    0xFC, 0xE9, 0xE4, 0xC4, 0xC9, 0xF4, 0xF6, 0xD6, 0xDC, 0xE1, 0xED, 0xF3, 0xFA, 0xAB, 0xBB};

std::array<unsigned char, 47> windowsCodes() {
    std::array<unsigned char, 47> codes{};
    const QString &letters = CodePageLetters::exchanged();
    for (int i = 0; i < 47; ++i)
        codes[i] = Win1250::fromUnicode(letters.at(i).unicode());
    return codes;
}

ByteTable identity() {
    ByteTable t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<unsigned char>(i);
    return t;
}

// One table per conversion, not a chain of single-letter replacements: the code of one letter
// in the source page is the code of another letter in the target page (Ô is 0xD4 in
// Windows-1250 and 0xA7 in Kamenický, where 0xA7 is § in Windows-1250), so replacing letter by
// letter would convert some letters twice.
ByteTable letters(const unsigned char *from, const unsigned char *to) {
    ByteTable t = identity();
    for (int i = 0; i < 47; ++i)
        t[from[i]] = to[i];
    return t;
}

ByteTable accents(const QString &lowerTarget) {
    ByteTable t = identity();
    const QString &lower = CodePageLetters::accentedLower();
    const QString &upper = CodePageLetters::accentedUpper();
    const QString &plain = CodePageLetters::plainLower();
    for (qsizetype i = 0; i < lower.size(); ++i) {
        t[Win1250::fromUnicode(lower.at(i).unicode())] = Win1250::fromUnicode(lowerTarget.at(i).unicode());
        t[Win1250::fromUnicode(upper.at(i).unicode())] = static_cast<unsigned char>(plain.at(i).toUpper().unicode());
    }
    return t;
}

ByteTable then(const ByteTable &first, const ByteTable &second) {
    ByteTable t{};
    for (int i = 0; i < 256; ++i)
        t[i] = second[first[i]];
    return t;
}

QHash<QString, ByteTable> buildTables() {
    const auto w = windowsCodes();
    const ByteTable wb = accents(CodePageLetters::plainLower());
    const ByteTable wi = accents(CodePageLetters::keptLower());
    // Latin 2 and Windows-1250 are mapped directly rather than through Kamenický: for the 47
    // letters it is the same, and a Latin 2 byte that is no letter (0x80 is Ç) must not turn
    // into the letter Kamenický keeps at that code (Č).
    const ByteTable lw = letters(kLatin2, w.data());
    const ByteTable kw = letters(kKamenicky, w.data());
    QHash<QString, ByteTable> tables;
    tables.insert(QStringLiteral("LK"), letters(kLatin2, kKamenicky));
    tables.insert(QStringLiteral("KL"), letters(kKamenicky, kLatin2));
    tables.insert(QStringLiteral("WK"), letters(w.data(), kKamenicky));
    tables.insert(QStringLiteral("KW"), kw);
    tables.insert(QStringLiteral("LW"), lw);
    tables.insert(QStringLiteral("WL"), letters(w.data(), kLatin2));
    tables.insert(QStringLiteral("WB"), wb);
    tables.insert(QStringLiteral("LB"), then(lw, wb));
    tables.insert(QStringLiteral("KB"), then(kw, wb));
    tables.insert(QStringLiteral("WI"), wi);
    tables.insert(QStringLiteral("LI"), then(lw, wi));
    tables.insert(QStringLiteral("KI"), then(kw, wi));
    tables.insert(QStringLiteral("K3"), letters(kKamenicky, kIso88592));
    return tables;
}

const ByteTable *tableFor(const QString &code) {
    static const QHash<QString, ByteTable> tables = buildTables();
    const auto it = tables.constFind(code);
    return it == tables.constEnd() ? nullptr : &it.value();
}

}

bool IsCodePageConversion(const QString &code) { return tableFor(code) != nullptr; }

QByteArray ConvertCodePage(const QByteArray &bytes, const QString &code) {
    const ByteTable *table = tableFor(code);
    if (!table)
        return bytes;
    QByteArray out(bytes.size(), Qt::Uninitialized);
    const auto *src = reinterpret_cast<const unsigned char *>(bytes.constData());
    char *dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = static_cast<char>((*table)[src[i]]);
    return out;
}

QString ConvertCodePage(const QString &text, const QString &code) {
    const ByteTable *table = tableFor(code);
    if (!table)
        return text;
    QString out = text;
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        const unsigned char b = Win1250::fromUnicode(u);
        if (b == 0 && u != 0)
            continue;
        c = QChar(Win1250::toUnicode((*table)[b]));
    }
    return out;
}
