#include "exchange/codepage/convertcodepage.h"
#include "exchange/codepage/czechcase.h"
#include "exchange/codepage/win1250.h"

#include <QTest>

namespace {
// The 47 letters in Kamenický order with their bytes in Windows-1250, Latin 2 (852) and
// Kamenický, as the published code pages give them.
struct Letter {
    const char16_t *ch;
    unsigned char w, l, k;
};
const Letter kLetters[] = {
    {u"Č", 0xC8, 0xAC, 0x80}, {u"ü", 0xFC, 0x81, 0x81}, {u"é", 0xE9, 0x82, 0x82}, {u"ď", 0xEF, 0xD4, 0x83},
    {u"ä", 0xE4, 0x84, 0x84}, {u"Ď", 0xCF, 0xD2, 0x85}, {u"Ť", 0x8D, 0x9B, 0x86}, {u"č", 0xE8, 0x9F, 0x87},
    {u"ě", 0xEC, 0xD8, 0x88}, {u"Ě", 0xCC, 0xB7, 0x89}, {u"Ĺ", 0xC5, 0x91, 0x8A}, {u"Í", 0xCD, 0xD6, 0x8B},
    {u"ľ", 0xBE, 0x96, 0x8C}, {u"ĺ", 0xE5, 0x92, 0x8D}, {u"Ä", 0xC4, 0x8E, 0x8E}, {u"Á", 0xC1, 0xB5, 0x8F},
    {u"É", 0xC9, 0x90, 0x90}, {u"ž", 0x9E, 0xA7, 0x91}, {u"Ž", 0x8E, 0xA6, 0x92}, {u"ô", 0xF4, 0x93, 0x93},
    {u"ö", 0xF6, 0x94, 0x94}, {u"Ó", 0xD3, 0xE0, 0x95}, {u"ů", 0xF9, 0x85, 0x96}, {u"Ú", 0xDA, 0xE9, 0x97},
    {u"ý", 0xFD, 0xEC, 0x98}, {u"Ö", 0xD6, 0x99, 0x99}, {u"Ü", 0xDC, 0x9A, 0x9A}, {u"Š", 0x8A, 0xE6, 0x9B},
    {u"Ľ", 0xBC, 0x95, 0x9C}, {u"Ý", 0xDD, 0xED, 0x9D}, {u"Ř", 0xD8, 0xFC, 0x9E}, {u"ť", 0x9D, 0x9C, 0x9F},
    {u"á", 0xE1, 0xA0, 0xA0}, {u"í", 0xED, 0xA1, 0xA1}, {u"ó", 0xF3, 0xA2, 0xA2}, {u"ú", 0xFA, 0xA3, 0xA3},
    {u"ň", 0xF2, 0xE5, 0xA4}, {u"Ň", 0xD2, 0xD5, 0xA5}, {u"Ů", 0xD9, 0xDE, 0xA6}, {u"Ô", 0xD4, 0xE2, 0xA7},
    {u"š", 0x9A, 0xE7, 0xA8}, {u"ř", 0xF8, 0xFD, 0xA9}, {u"ŕ", 0xE0, 0xEA, 0xAA}, {u"Ŕ", 0xC0, 0xE8, 0xAB},
    {u"§", 0xA7, 0xF5, 0xAD}, {u"«", 0xAB, 0xAE, 0xAE}, {u"»", 0xBB, 0xAF, 0xAF},
};

QByteArray bytes(std::initializer_list<unsigned char> list) {
    QByteArray b;
    for (unsigned char c : list)
        b.append(static_cast<char>(c));
    return b;
}
QByteArray w(const QString &text) { return Win1250::encode(text); }

const QString kPangram = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy. PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY. "
                                        "Ľúbostný ťah, Ĺ ĺ Ŕ ŕ ľ ô Ô ä Ä § «ü» ö Ö é É Ü 0123 ~!@#");
}

class TestCodePage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachLetterBetweenThePages_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("from"); // 0 = W, 1 = L, 2 = K
        QTest::addColumn<int>("to");
        QTest::newRow("LK") << "LK" << 1 << 2;
        QTest::newRow("KL") << "KL" << 2 << 1;
        QTest::newRow("WK") << "WK" << 0 << 2;
        QTest::newRow("KW") << "KW" << 2 << 0;
        QTest::newRow("LW") << "LW" << 1 << 0;
        QTest::newRow("WL") << "WL" << 0 << 1;
    }
    void eachLetterBetweenThePages() {
        QFETCH(QString, code);
        QFETCH(int, from);
        QFETCH(int, to);
        QCOMPARE(int(std::size(kLetters)), 47);
        auto byteOf = [](const Letter &l, int page) { return page == 0 ? l.w : page == 1 ? l.l : l.k; };
        QByteArray source, expected;
        for (const Letter &l : kLetters) {
            QCOMPARE(Win1250::toUnicode(l.w), *l.ch); // the table itself agrees with the codec
            source.append(char(byteOf(l, from)));
            expected.append(char(byteOf(l, to)));
            QCOMPARE(ConvertCodePage(QByteArray(1, char(byteOf(l, from))), code),
                     QByteArray(1, char(byteOf(l, to))));
        }
        QCOMPARE(ConvertCodePage(source, code), expected);
        // ASCII passes every conversion untouched.
        QByteArray ascii;
        for (int c = 0; c < 128; ++c)
            ascii.append(char(c));
        QCOMPARE(ConvertCodePage(ascii, code), ascii);
    }

    // Bytes that are not one of the 47 letters in the source page stay as they are, even where
    // they happen to be the code of a letter in the target page.
    void otherBytesPassUnchanged_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("W ś to K") << "WK" << w(QStringLiteral("ś"));
        QTest::newRow("W € is K Č") << "WK" << bytes({0x80});
        QTest::newRow("W ł ź Ł") << "WK" << w(QStringLiteral("łźŁ"));
        QTest::newRow("L Ç is K Č") << "LW" << bytes({0x80});
        QTest::newRow("L Ç via LK") << "LK" << bytes({0x80});
        QTest::newRow("K box drawing") << "KW" << bytes({0xB0, 0xC4, 0xDB, 0xFF});
        QTest::newRow("K ¼") << "KL" << bytes({0xAC});
    }
    void otherBytesPassUnchanged() {
        QFETCH(QString, code);
        QFETCH(QByteArray, input);
        QCOMPARE(ConvertCodePage(input, code), input);
    }

    // A chain of single-letter replacements converts some letters twice: Ô is W 0xD4 → K 0xA7,
    // and 0xA7 is the W code of §, which goes to K 0xAD.
    void noCascade() {
        QCOMPARE(ConvertCodePage(w(QStringLiteral("Ô§")), QStringLiteral("WK")), bytes({0xA7, 0xAD}));
        QCOMPARE(ConvertCodePage(bytes({0xA7, 0xAD}), QStringLiteral("KW")), w(QStringLiteral("Ô§")));
        // ž is W 0x9E → L 0xA7; Ž is W 0x8E → L 0xA6
        QCOMPARE(ConvertCodePage(w(QStringLiteral("žŽ§")), QStringLiteral("WL")), bytes({0xA7, 0xA6, 0xF5}));
    }

    void roundTrips_data() {
        QTest::addColumn<QString>("start"); // turns the Windows-1250 pangram into the source page
        QTest::addColumn<QString>("there");
        QTest::addColumn<QString>("back");
        QTest::newRow("W-L-W") << "WW" << "WL" << "LW";
        QTest::newRow("W-K-W") << "WW" << "WK" << "KW";
        QTest::newRow("L-K-L") << "WL" << "LK" << "KL";
        QTest::newRow("K-W-K") << "WK" << "KW" << "WK";
    }
    void roundTrips() {
        QFETCH(QString, start);
        QFETCH(QString, there);
        QFETCH(QString, back);
        const QByteArray original = ConvertCodePage(w(kPangram), start);
        const QByteArray converted = ConvertCodePage(original, there);
        QVERIFY(converted != original);
        QCOMPARE(ConvertCodePage(converted, back), original);
    }

    void plainForms_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("expected");
        const QByteArray zlutoucky = w(QStringLiteral("Žluťoučký kůň"));
        QTest::newRow("WB") << "WB" << zlutoucky << "Zlutoucky kun";
        QTest::newRow("WI same") << "WI" << zlutoucky << "Zlutoucky kun";
        QTest::newRow("WI keeps áéíó") << "WI" << w(QStringLiteral("áéíóúý ÁÉÍÓ")) << "áéíóuy AEIO";
        QTest::newRow("WB all lower") << "WB" << w(QStringLiteral("áäčďěéëíĺľňóöřŕšťúůýžźôśżâăîńőű"))
                                      << "aacdeeeillnoorrstuuyzzoszaainou";
        QTest::newRow("WB all upper") << "WB" << w(QStringLiteral("ÁÄČĎĚÉËÍĹĽŇÓÖŘŔŠŤÚŮÝŽŹÔŚŻÂĂÎŃŐŰ"))
                                      << "AACDEEEILLNOORRSTUUYZZOSZAAINOU";
        QTest::newRow("WI all lower") << "WI" << w(QStringLiteral("áäčďěéëíĺľňóöřŕšťúůýžźôśżâăîńőű"))
                                      << "áacdeéeíllnóorrstuuyzzoszaainou";
        QTest::newRow("WB leaves others") << "WB" << w(QStringLiteral("łŁ§ü«")) << "łŁ§ü«";
        QTest::newRow("LB") << "LB" << bytes({0xA6, 0x6C, 0x75, 0x9C, 0xA2, 0x85}) << "Zlutou";
        QTest::newRow("KB") << "KB" << bytes({0x92, 0x6C, 0x75, 0x9F, 0xA2, 0x96}) << "Zlutou";
        QTest::newRow("LI") << "LI" << bytes({0xA0, 0x82, 0xA1, 0xA2, 0xEC}) << "áéíóy";
        QTest::newRow("KI") << "KI" << bytes({0xA0, 0x82, 0xA1, 0xA2, 0x98, 0x8F}) << "áéíóyA";
    }
    void plainForms() {
        QFETCH(QString, code);
        QFETCH(QByteArray, input);
        QFETCH(QString, expected);
        QCOMPARE(Win1250::decode(ConvertCodePage(input, code)), expected);
    }

    void kamenickyToIso() {
        // Č, Ť, Š, ž, ť, ľ, «, »
        QCOMPARE(ConvertCodePage(bytes({0x80, 0x86, 0x9B, 0x91, 0x9F, 0x8C, 0xAE, 0xAF, 0x41}), QStringLiteral("K3")),
                 bytes({0xC8, 0xAB, 0xA9, 0xBE, 0xBB, 0xB5, 0xAB, 0xBB, 0x41}));
    }

    void otherCodesChangeNothing_data() {
        QTest::addColumn<QString>("code");
        for (const char *c : {"WW", "wb", "Wb", "", "W", "WBX", "3K", "IW"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void otherCodesChangeNothing() {
        QFETCH(QString, code);
        const QByteArray input = w(kPangram);
        QCOMPARE(ConvertCodePage(input, code), input);
        QCOMPARE(ConvertCodePage(kPangram, code), kPangram);
        QVERIFY(!IsCodePageConversion(code));
    }

    void textOverload() {
        QCOMPARE(ConvertCodePage(QStringLiteral("Žluťoučký kůň ✓"), QStringLiteral("WB")), QStringLiteral("Zlutoucky kun ✓"));
        QCOMPARE(ConvertCodePage(QStringLiteral("Čá"), QStringLiteral("WK")), Win1250::decode(bytes({0x80, 0xA0})));
    }

    void caseMapping() {
        const QString lower = QStringLiteral("áäčďěéëíĺľňóöřŕšťúůýžźôśżâăîńőű");
        const QString upper = QStringLiteral("ÁÄČĎĚÉËÍĹĽŇÓÖŘŔŠŤÚŮÝŽŹÔŚŻÂĂÎŃŐŰ");
        for (qsizetype i = 0; i < lower.size(); ++i) {
            QCOMPARE(CzechUpperCase(lower.mid(i, 1)), upper.mid(i, 1));
            QCOMPARE(CzechLowerCase(upper.mid(i, 1)), lower.mid(i, 1));
            QCOMPARE(CzechUpperCase(upper.mid(i, 1)), upper.mid(i, 1));
            QCOMPARE(CzechLowerCase(lower.mid(i, 1)), lower.mid(i, 1));
        }
        QCOMPARE(CzechUpperCase(QStringLiteral("Příliš žluťoučký kůň 12 ab")), QStringLiteral("PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ 12 AB"));
        QCOMPARE(CzechLowerCase(QStringLiteral("PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ 12 AB")), QStringLiteral("příliš žluťoučký kůň 12 ab"));
        // Letters outside the table keep their case, whatever the locale would do.
        QCOMPARE(CzechUpperCase(QStringLiteral("łüßçæ")), QStringLiteral("łüßçæ"));
        QCOMPARE(CzechLowerCase(QStringLiteral("ŁÜÇ")), QStringLiteral("ŁÜÇ"));
    }
};

QTEST_APPLESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
