#include "framework/idlists.h"
#include "framework/inputrules.h"

#include <QtTest>

// QFETCH as an expression, for comparing a fetched value in place.
#define FETCH(Type, name) (*static_cast<Type *>(QTest::qData(#name, ::qMetaTypeId<Type>())))

class TestInputRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void masksByTyp_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("inputMask");
        QTest::addColumn<bool>("button");
        QTest::newRow("0 plain") << 0 << "" << 0 << "" << false;
        QTest::newRow("1") << 1 << "DD.MM.RRRR hh:mm:ss" << 19 << "00.00.0000 00:00:00;_" << true;
        QTest::newRow("2") << 2 << "DD.MM.RRRR hh:mm" << 16 << "00.00.0000 00:00;_" << true;
        QTest::newRow("3") << 3 << "DD.MM.RRRR" << 10 << "00.00.0000;_" << true;
        QTest::newRow("4") << 4 << "hh:mm:ss" << 8 << "00:00:00;_" << true;
        QTest::newRow("5") << 5 << "hh:mm" << 5 << "00:00;_" << true;
        QTest::newRow("unknown") << 9 << "" << 0 << "" << false;
    }
    void masksByTyp() {
        QFETCH(int, typ);
        QCOMPARE(MkEditMask(typ), FETCH(QString, mask));
        QCOMPARE(MkEditMaxLength(typ), FETCH(int, maxLength));
        QCOMPARE(MkEditInputMask(typ), FETCH(QString, inputMask));
        QCOMPARE(MkEditHasButton(typ), FETCH(bool, button));
    }

    // Texts as a masked edit hands them over: separators stay, empty places are gone.
    void validityAndValue_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<double>("value");
        const double d2004 = QDate(1899, 12, 30).daysTo(QDate(2004, 3, 5));
        const double h8m7 = (8 * 60 + 7) / 1440.0;
        QTest::newRow("2 date and time") << 2 << "05.03.2004 8:07" << true << false << d2004 + h8m7;
        QTest::newRow("2 short date, time") << 2 << "5.3.2004 08:07" << true << false << d2004 + h8m7;
        QTest::newRow("2 empty time") << 2 << "05.03.2004 :" << true << false << d2004;
        QTest::newRow("2 empty mask") << 2 << ".. :" << true << true << 0.0;
        QTest::newRow("2 bad month") << 2 << "05.13.2004 8:07" << false << false << h8m7;
        QTest::newRow("2 bad minute") << 2 << "05.03.2004 8:75" << false << false << d2004;
        QTest::newRow("1 seconds") << 1 << "05.03.2004 08:07:09" << true << false << d2004 + (8 * 3600 + 7 * 60 + 9) / 86400.0;
        QTest::newRow("1 empty mask") << 1 << ".. ::" << true << true << 0.0;
        QTest::newRow("3 date") << 3 << "5.3.2004" << true << false << d2004;
        QTest::newRow("3 display form") << 3 << "05.03.2004" << true << false << d2004;
        QTest::newRow("3 empty mask") << 3 << ".." << true << true << 0.0;
        QTest::newRow("3 blank display") << 3 << "__.__.____" << true << true << 0.0;
        QTest::newRow("3 fully empty") << 3 << "" << true << true << 0.0;
        QTest::newRow("3 half typed") << 3 << "5.3." << false << false << 0.0;
        QTest::newRow("3 31 February") << 3 << "31.02.2004" << false << false << 0.0;
        QTest::newRow("3 29 February leap") << 3 << "29.2.2004" << true << false << d2004 - 5;
        QTest::newRow("4 time") << 4 << "8:07:09" << true << false << (8 * 3600 + 7 * 60 + 9) / 86400.0;
        QTest::newRow("4 empty mask") << 4 << "::" << true << true << 0.0;
        QTest::newRow("5 time") << 5 << "23:59" << true << false << (23 * 60 + 59) / 1440.0;
        QTest::newRow("5 hour 24") << 5 << "24:00" << false << false << 0.0;
        QTest::newRow("5 empty mask") << 5 << ":" << true << true << 0.0;
        QTest::newRow("5 minutes only") << 5 << ":30" << false << false << 0.0;
    }
    void validityAndValue() {
        QFETCH(int, typ);
        QFETCH(QString, text);
        QCOMPARE(MkEditValid(text, typ), FETCH(bool, valid));
        QCOMPARE(MkEditEmpty(text, typ), FETCH(bool, empty));
        QVERIFY(qAbs(MkEditValue(text, typ) - FETCH(double, value)) < 1e-9);
    }

    void widen_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("widened");
        QTest::newRow("1") << 1 << "5.3.2004 8:7:9" << "05.03.2004 08:07:09";
        QTest::newRow("1 no seconds typed") << 1 << "5.3.2004 8:07" << "05.03.2004 08:07:00";
        QTest::newRow("2") << 2 << "5.3.2004 8:07" << "05.03.2004 08:07";
        QTest::newRow("2 empty time stays empty") << 2 << "5.3.2004 :" << "05.03.2004";
        QTest::newRow("2 time without date kept") << 2 << ".. 8:07" << ".. 8:07";
        QTest::newRow("2 empty") << 2 << ".. :" << ".. :";
        QTest::newRow("3") << 3 << "5.3.2004" << "05.03.2004";
        QTest::newRow("3 invalid kept") << 3 << "31.2.2004" << "31.2.2004";
        QTest::newRow("4") << 4 << "8:7:9" << "08:07:09";
        QTest::newRow("5") << 5 << "8:7" << "08:07";
        QTest::newRow("0 untouched") << 0 << "5.3.2004" << "5.3.2004";
    }
    void widen() {
        QFETCH(int, typ);
        QFETCH(QString, text);
        QCOMPARE(MkEditWiden(text, typ), FETCH(QString, widened));
    }

    void splitKeepsBlankOfRest() {
        const MkEditParts p = MkEditSplit(QStringLiteral("5.3.2004 8:07"), 2);
        QCOMPARE(p.date, QStringLiteral("5.3.2004"));
        QCOMPARE(p.time, QStringLiteral("8:07"));
        QCOMPARE(MkEditSplit(QStringLiteral("8:07 x"), 5).time, QStringLiteral("8:07"));
    }

    // The picker opened on a text and confirmed at once.
    void pickerRoundTrip_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("den");
        QTest::addColumn<QString>("mesic");
        QTest::addColumn<QString>("rok");
        QTest::addColumn<QString>("result");
        QTest::newRow("3 short date widened") << 3 << "5.3.2004" << "05" << "03" << "2004" << "05.03.2004";
        QTest::newRow("3 two-digit stays") << 3 << "15.12.2004" << "15" << "12" << "2004" << "15.12.2004";
        QTest::newRow("2 short date and hour") << 2 << "5.3.2004 8:07" << "05" << "03" << "2004" << "05.03.2004 08:07";
        QTest::newRow("2 one-digit minute") << 2 << "5.3.2004 8:7" << "05" << "03" << "2004" << "05.03.2004 08:07";
        QTest::newRow("2 no time") << 2 << "5.3.2004 :" << "05" << "03" << "2004" << "05.03.2004 00:00";
        QTest::newRow("1 seconds") << 1 << "5.3.2004 8:07:09" << "05" << "03" << "2004" << "05.03.2004 08:07:09";
        QTest::newRow("1 no seconds") << 1 << "5.3.2004 8:07" << "05" << "03" << "2004" << "05.03.2004 08:07:00";
        QTest::newRow("5 empty time") << 5 << "" << "" << "" << "" << "00:00";
        QTest::newRow("5 empty mask") << 5 << ":" << "" << "" << "" << "00:00";
        QTest::newRow("4 empty time") << 4 << "::" << "" << "" << "" << "00:00:00";
        QTest::newRow("5 one-digit hour") << 5 << "8:05" << "" << "" << "" << "08:05";
        QTest::newRow("4 seconds") << 4 << "8:05:03" << "" << "" << "" << "08:05:03";
    }
    void pickerRoundTrip() {
        QFETCH(int, typ);
        QFETCH(QString, text);
        MkEditDatModel m(typ);
        m.Open(text, QDate(2026, 12, 11));
        if (m.showsDate()) {
            QCOMPARE(m.den, FETCH(QString, den));
            QCOMPARE(m.mesic, FETCH(QString, mesic));
            QCOMPARE(m.rok, FETCH(QString, rok));
            QCOMPARE(m.startDate(), QDate(m.rok.toInt(), m.mesic.toInt(), m.den.toInt()));
        }
        QCOMPARE(m.VRAT_VYSLEDEK(), FETCH(QString, result));
    }

    void pickerEmptyDateStartsToday() {
        for (int typ : {1, 2, 3}) {
            MkEditDatModel m(typ);
            m.Open(QString(), QDate(2026, 1, 7));
            QCOMPARE(m.startDate(), QDate(2026, 1, 7));
            QVERIFY(m.VRAT_VYSLEDEK().startsWith(QLatin1String("07.01.2026")));
        }
        // Only a time typed into a date-and-time input: today with that time.
        MkEditDatModel m(2);
        m.Open(QStringLiteral(".. 9:30"), QDate(2026, 1, 7));
        QCOMPARE(m.VRAT_VYSLEDEK(), QStringLiteral("07.01.2026 09:30"));
    }

    void pickerGroupsFollowMask() {
        const MkEditDatModel t5(5), t3(3), t1(1);
        QVERIFY(!t5.showsDate() && t5.showsHours() && t5.showsMinutes() && !t5.showsSeconds());
        QVERIFY(t3.showsDate() && !t3.showsHours() && !t3.showsMinutes() && !t3.showsSeconds());
        QVERIFY(t1.showsDate() && t1.showsHours() && t1.showsMinutes() && t1.showsSeconds());
    }

    void pickerDoubleClicks() {
        MkEditDatModel m(2);
        m.Open(QStringLiteral("5.3.2004 8:07"), QDate(2026, 1, 1));
        m.TakeCalendarDate(QDate(2004, 3, 9));
        QCOMPARE(m.value(), QStringLiteral("9.3.2004 08:07:00"));
        QCOMPARE(m.VRAT_VYSLEDEK(), QStringLiteral("09.03.2004 08:07"));
        m.TakeCurrentTime(QTime(7, 5, 1));
        QCOMPARE(m.VRAT_VYSLEDEK(), QStringLiteral("09.03.2004 07:05"));
        MkEditDatModel t(5);
        t.Open(QString(), QDate(2026, 1, 1));
        t.TakeCurrentTime(QTime(7, 5, 1));
        QCOMPARE(t.VRAT_VYSLEDEK(), QStringLiteral("07:05"));
    }

    void checkListIds_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("contained");
        QTest::newRow("first") << ";4;7;" << "4" << true;
        QTest::newRow("last") << ";4;7;" << "7" << true;
        QTest::newRow("missing") << ";4;7;" << "5" << false;
        QTest::newRow("stored without leading ;") << "4;7;" << "4" << true;
        QTest::newRow("no partial id") << "14;7;" << "4" << false;
        QTest::newRow("no partial id 2") << "4;7;" << "47" << false;
        QTest::newRow("empty") << "" << "4" << false;
    }
    void checkListIds() {
        QCOMPARE(CheckListContains(FETCH(QString, selected), FETCH(QString, id)), FETCH(bool, contained));
    }

    void checkListTexts() {
        QCOMPARE(CheckListIdsText({"4", "7"}), QStringLiteral("4;7;"));
        QCOMPARE(CheckListIdsText({}), QString());
        QCOMPARE(CheckListTextsText({"Jan Novák", "Eva"}), QStringLiteral("Jan Novák,Eva,"));
        QCOMPARE(JoinIds({"3", "9"}), QStringLiteral("3,9"));
        QVERIFY(CheckBoxValueChecked("1") && CheckBoxValueChecked("x") && !CheckBoxValueChecked("0") && !CheckBoxValueChecked(""));
    }

    void searchNames_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("firstNameMatches");
        const QStringList lines{"Jan Novák", "Jan", "Eva Malá", "Jan", "Novák Jan"};
        QTest::newRow("swapped") << "Novák Jan" << lines << QList<int>{0, 4};
        QTest::newRow("exact and trimmed") << "  Eva Malá , x" << lines << QList<int>{2};
        QTest::newRow("two lines read Jan") << "Jan" << lines << QList<int>{1, 3};
        QTest::newRow("case-sensitive") << "jan" << lines << QList<int>{};
        QTest::newRow("three words not swapped") << "Jan Novák st" << QStringList{"st Jan Novák", "Novák st Jan"} << QList<int>{};
    }
    void searchNames() {
        QFETCH(QString, search);
        const QStringList names = CheckListSearchNames(search);
        QVERIFY(!names.isEmpty());
        QCOMPARE(MatchCheckListLines(FETCH(QStringList, lines), names.first()), FETCH(QList<int>, firstNameMatches));
    }

    void searchNamesSkipEmpty() {
        QCOMPARE(CheckListSearchNames(" Jan , ,Eva,"), (QStringList{"Jan", "Eva"}));
        QCOMPARE(SwappedName("Jan Novák"), QStringLiteral("Novák Jan"));
        QCOMPARE(SwappedName("Jan"), QString());
    }

    void treePairs_data() {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("child");
        QTest::addColumn<bool>("contained");
        QTest::newRow("first pair") << "3,12;5,7;" << "3" << "12" << true;
        QTest::newRow("second pair") << "3,12;5,7;" << "5" << "7" << true;
        QTest::newRow("other parent") << "3,12;5,7;" << "5" << "12" << false;
        QTest::newRow("not inside a longer parent id") << "13,12;" << "3" << "12" << false;
        QTest::newRow("not inside a longer child id") << "3,120;" << "3" << "12" << false;
        QTest::newRow("empty") << "" << "3" << "12" << false;
    }
    void treePairs() {
        QCOMPARE(TreeSelectionContains(FETCH(QString, selection), FETCH(QString, parent), FETCH(QString, child)),
                 FETCH(bool, contained));
        QCOMPARE(TreePair("3", "12"), QStringLiteral("3,12;"));
    }
};

QTEST_GUILESS_MAIN(TestInputRules)
#include "tst_inputrules.moc"
