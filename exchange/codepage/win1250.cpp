#include "win1250.h"

#include <array>


namespace {

// Reverse table for the Latin and General Punctuation blocks the code page draws on.
struct Reverse {
    std::array<unsigned char, 0x2200> table{};
    constexpr Reverse() {
        for (int i = 0; i < 128; ++i)
            table[i] = static_cast<unsigned char>(i);
        for (int i = 0; i < 128; ++i)
            table[Win1250::kHighHalf[i]] = static_cast<unsigned char>(0x80 + i);
    }
};
constexpr Reverse kReverse;
}

namespace Win1250 {

unsigned char fromUnicode(char16_t ch) {
    return ch < kReverse.table.size() ? kReverse.table[ch] : 0;
}

QString decode(const char *data, qsizetype size) {
    QString out(size, Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < size; ++i)
        dst[i] = QChar(toUnicode(static_cast<unsigned char>(data[i])));
    return out;
}

QString decode(const QByteArray &bytes) { return decode(bytes.constData(), bytes.size()); }

QByteArray encode(const QString &text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char *dst = out.data();
    const QChar *src = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = src[i].unicode();
        const unsigned char b = fromUnicode(ch);
        dst[i] = (b == 0 && ch != 0) ? '?' : static_cast<char>(b);
    }
    return out;
}

}
