#include "business/expression.h"
#include "business/expressionfunctions.h"

#include "tests/support/fakeprompt.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
// Friday 11 December 2026, 10:20:30.
const QDateTime kNow(QDate(2026, 12, 11), QTime(10, 20, 30));

QString run(ExpressionEngine &e, const QString &line, ExpressionCaller caller = ExpressionCaller::Formula) {
    e.evaluate(line, caller);
    return e.errorCode() ? QStringLiteral("error %1").arg(e.errorCode()) : e.resultText();
}
}  // namespace

class TestExpression : public QObject {
    Q_OBJECT
private:
    ExpressionEngine engine() {
        ExpressionEngine e;
        e.setClock([] { return kNow; });
        return e;
    }

    // line -> number text or "error N", each row on fresh registers
    void table(const QList<std::pair<const char *, const char *>> &rows) {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        for (const auto &[line, expected] : rows)
            QTest::newRow(line) << QString::fromUtf8(line) << QString::fromUtf8(expected);
    }
    void check() {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        FakePrompt prompt;
        ExpressionEngine e = engine();
        QCOMPARE(run(e, line), expected);
        // The value agrees with the text, and a failed line is worth 0.
        const double v = e.evaluate(line);
        if (expected.startsWith(QLatin1String("error")))
            QCOMPARE(v, 0.0);
        else
            QCOMPARE(v, expected.toDouble());
    }

private Q_SLOTS:
    void operators_data() {
        table({
            {"2+3*4", "14"}, {"(2+3)*4", "20"}, {"2^3*2", "16"}, {"7-2-1", "4"}, {"8/2/2", "2"},
            {"2*3+4*5", "26"}, {"2+3*4-6/2", "11"}, {"10-2*3", "4"}, {"2*3^2", "18"}, {"3*2^(1+1)", "12"},
            {"2^3^2", "64"}, {"(2+3)^2", "25"}, {"((2))", "2"}, {"SIN(30)*2+1", "2"}, {"10/4", "2.5"},
            {"2 + 3 * 4", "14"}, {"2+3;", "5"}, {"2+2=4", "4"}, {"2+3=9", "5"},
            // signs
            {"-5+2", "-3"}, {"(-5)*2", "-10"}, {"-2^2", "4"}, {"2*(-3)", "-6"}, {"2-(-3)", "5"},
            {"2*-3", "error 2"}, {"5+-3", "error 2"}, {"-(2+3)", "error 1"}, {"(-3+1)", "error 3"},
            // percentages
            {"1000+21%", "1210"}, {"1000-10%", "900"}, {"200+10%", "220"}, {"80-25%", "60"},
            {"100+50+10%", "155"}, {"50%", "0.5"}, {"2*10%", "0.2"}, {"1000+PI%", "1031.4159265358"},
            // number text: fixed point, cut (not rounded) to 15 characters
            {"1/3", "0.3333333333333"}, {"1/3*3", "0.9999999999999"}, {"100/3", "33.333333333333"},
            {"2/3", "0.6666666666666"}, {"-1/3", "-0.333333333333"}, {"2.5", "2.5"}, {"2.50", "2.50"},
            {"2.50+0", "2.5"}, {"1E5+1", "100001"}, {"0.1+0.2", "0.3"}, {"1.15*100", "115"},
            {"1234567890.123456+0", "1234567890.1234"}, {"0.12345678901234567", "0.1234567890123"},
            {"1999999999+1", "2000000000"},
            // power
            {"2^10", "1024"}, {"0^0", "1"}, {"0^5", "0"}, {"5^0", "1"}, {"(-2)^3", "-8"}, {"(-2)^2", "4"},
            {"4^0.5", "2"}, {"2^(-2)", "0.25"}, {"2^-1", "0.5"}, {"10^-10", "error 54"}, {"10^10", "error 54"},
            {"2^0.5", "1.414213562373"},
            // literals
            {"H1F", "31"}, {"hff", "255"}, {"B101", "5"}, {"b0", "0"}, {"1:30", "1.5"}, {"0:45", "0.75"},
            {"1:30.36", "1.6"}, {"10:00+0:30", "10.5"}, {"1:60", "error 4"}, {"1:5", "error 4"},
            {"123456:00", "error 4"}, {"H", "error 4"}, {"B", "error 4"}, {"B102", "error 4"}, {"HG", "error 4"},
            {"HFFFFFFFF", "error 51"}, {"HFFFFFFFF+1", "error 51"}, {"H77359400", "2000000000"},
            {"D24.12.2026", "13"}, {"d01.12.2026", "-10"}, {"D11.12.2026", "0"}, {"D01.01.2027-D01.01.2026", "365"},
            {"D31.02.2026", "error 4"}, {"D1.1.2026", "error 4"},
            // constants
            {"SYST_DATUM", "0"}, {"SYST_DEN", "11"}, {"syst_mesic", "12"}, {"SYST_ROK", "2026"},
            {"SYST_CAS", "10.333333333333"}, {"SYST_HODINY", "10"}, {"SYST_MINUTY", "20"}, {"SYST_SEKUNDY", "30"},
            {"SYST_DENVT", "5"}, {"VER", "2.02"}, {"DPS_VER", "0"}, {"MAJITEL", "2"}, {"MAX_MEM", "999"},
            {"MAX_SOUB", "1"}, {"PI", "3.1415926535897"}, {"pi", "3.1415926535897"}, {"E", "2.71828182845"},
            {"M123", "0"},
            // syntax and range errors
            {"(2+3", "error 1"}, {"2+3)", "error 1"}, {"2++3", "error 2"}, {"2*/3", "error 2"}, {"2+", "error 3"},
            {"2+()", "error 4"}, {"(*2)", "error 3"}, {"abc", "error 4"}, {"2,5", "error 4"}, {"1.5.2", "error 4"},
            {"2(3)", "error 4"}, {"SIN", "error 4"}, {"SIN30", "error 4"}, {"", "error 4"}, {"=5", "error 4"},
            {"!", "error 4"}, {"inf", "error 4"}, {"nan+1", "error 4"}, {"*2", "error 5"}, {"+2", "error 5"},
            {"/2", "error 5"}, {"^2", "error 5"}, {")2(", "error 5"}, {"3000000000+1", "error 51"},
            {"2000000001*1", "error 51"}, {"3000000000", "error 51"}, {"1234567890123456789", "error 51"},
            {"2000000000+1", "error 52"}, {"100000*100000", "error 52"}, {"-2000000000-1", "error 52"},
            {"5/0", "error 53"}, {"5/(2-2)", "error 53"}, {"5/0+LN(0)", "error 53"}, {"LN(0)+5/0", "error 61"},
        });
    }
    void operators() { check(); }

    void tooManyTokens() {
        ExpressionEngine e = engine();
        // 49 ones: 97 tokens and the two of the enclosing parentheses
        QCOMPARE(run(e, QStringList(49, QStringLiteral("1")).join(QLatin1Char('+'))), QStringLiteral("49"));
        QCOMPARE(run(e, QStringList(50, QStringLiteral("1")).join(QLatin1Char('+'))), QStringLiteral("error 6"));
    }

    void functions_data() {
        table({
            {"SIN(0)", "0"}, {"SIN(90)", "1"}, {"sin(30)", "0.5"}, {"SIN(-1)", "error 64"}, {"SIN(91)", "error 64"},
            {"COS(0)", "1"}, {"COS(60)", "0.5"}, {"COS(90.5)", "error 65"}, {"TG(45)", "1"}, {"TG(-45)", "-1"},
            {"TG(90)", "error 66"}, {"COTG(45)", "1"}, {"COTG(90)", "0"}, {"COTG(0.001)", "error 67"},
            {"COTG(91)", "error 67"}, {"ARCSIN(0.5)", "30"}, {"ARCSIN(1)", "90"}, {"ARCSIN(0.9995)", "90"},
            {"ARCSIN(1.1)", "error 68"}, {"ARCSIN(-0.5)", "error 68"}, {"ARCCOS(0.5)", "60"}, {"ARCCOS(1)", "0"},
            {"ARCCOS(0.0005)", "90"}, {"ARCCOS(-0.1)", "error 69"}, {"ARCTG(1)", "45"}, {"ARCTG(0)", "0"},
            {"ARCTG(-1)", "error 70"}, {"ARCCOTG(1)", "45"}, {"ARCCOTG(0)", "90"}, {"ARCCOTG(-1)", "error 71"},
            {"ABS(-5)", "5"}, {"ABS(-2.3)", "2.3"}, {"ABS(3000000000)", "error 54"},
            {"LN(1)", "0"}, {"LN(E)", "0.9999999999966"}, {"LN(-1)", "error 61"}, {"LN(0)", "error 61"},
            {"LOG(100)", "1.9999793600727"}, {"LOG(0)", "error 62"}, {"EXP(0)", "1"}, {"EXP(1)", "2.718281828459"},
            {"EXP(21.4)", "1967441884.3399"}, {"EXP(22)", "error 63"}, {"ARCLOG(2)", "100"}, {"ARCLOG(-1)", "0.1"},
            {"ARCLOG(10)", "error 54"}, {"ST_RAD(PI)", "179.99999999999"}, {"RAD_ST(180)", "3.1415926535897"},
            {"NOT(0)", "1"}, {"NOT(5)", "0"}, {"TEST01(5)", "1"}, {"TEST01(0)", "0"},
            {"DEN(21)", "1"}, {"MESIC(21)", "1"}, {"ROK(21)", "2027"}, {"DEN(-11)", "30"}, {"DEN(0.9)", "11"},
            {"DEN(40000)", "11"}, {"DELKAMES(2)", "28"}, {"DELKAMES(12)", "31"}, {"DELKAMES(0)", "0"},
            {"DELKAMES(13)", "0"}, {"MEM_FORMAT_CELE(90)", "5"}, {"MEM_FORMAT_DES(90)", "10"},
            {"MEM_FORMAT_CELE(1000)", "0"}, {"MEM_FORMAT_DES(-1)", "0"}, {"SOUB_DELKA(7)", "7"},
            {"INDEX_DELKA(7)", "7"}, {"ZAZNAM(7)", "7"}, {"UKAZOVATKO(7)", "7"}, {"ABS(SIN(30)-1)*4", "2"},
            {"-SIN(30)", "error 4"}, {"SIN(-30)", "error 64"},
        });
    }
    void functions() { check(); }

    void rounding_data() {
        table({
            {"INT(2.75)", "2"}, {"INT(-2.75)", "-2"}, {"FRAC(2.75)", "0.75"}, {"FRAC(-2.75)", "-0.75"},
            {"ROUND(2.5)", "2"}, {"ROUND(2.51)", "3"}, {"ROUND(2.75)", "3"}, {"ROUND(-2.75)", "-2"},
            {"ROUND5(2.5)", "2"}, {"ROUND5(3.5)", "4"}, {"ROUND5(2.75)", "3"}, {"ROUND5(-2.5)", "-2"},
            {"ROUND5(0.5)", "0"}, {"ROUND5(1.5)", "2"},
            {"ROUNDN0(2.25)", "3"}, {"ROUNDN0(2)", "2"}, {"ROUNDN0(-2.25)", "-2.25"}, {"ROUNDN0(2.000000001)", "2.000000001"},
            {"ROUNDN0(2.1)", "3"},
            {"ROUNDN1(2.25)", "2.3"}, {"ROUNDN1(2.5)", "2.5"}, {"ROUNDN1(-2.25)", "-2.25"}, {"ROUNDN1(2.3)", "2.3"},
            {"ROUNDN1(2.7)", "2.7"}, {"ROUNDN1(2.31)", "2.4"},
            {"ROUND01(2.25)", "2.2"}, {"ROUND01(2.75)", "2.8"}, {"ROUND01(0.35)", "0.3"}, {"ROUND01(0.25)", "0.2"},
            {"ROUND01(0.45)", "0.5"}, {"ROUND01(2.26)", "2.3"},
            {"ROUNDD1(2.25)", "2.3"}, {"ROUNDD1(2.0625)", "2.1"}, {"ROUNDD1(2.00390625)", "2.00390625"},
            {"ROUNDD1(2.01)", "2.01"}, {"ROUNDD1(2.02)", "2.1"},
            {"ROUNDN5(2.25)", "2.5"}, {"ROUNDN5(2.5)", "2.5"}, {"ROUNDN5(2.75)", "3"}, {"ROUNDN5(2)", "2"},
            {"ROUNDN5(2.0000000001)", "2.0000000001"}, {"ROUNDN5(-2.25)", "-2.25"},
            // an invoice line: 3 pieces at 123.45 with 21 % VAT, rounded up to tenths
            {"ROUNDN1(3*123.45+21%)", "448.2"}, {"ROUND01(3*123.45+21%)", "448.1"},
        });
    }
    void rounding() { check(); }

    void units_data() {
        QTest::addColumn<QString>("forward");
        QTest::addColumn<QString>("reverse");
        QTest::addColumn<QString>("factor");
        const QList<std::tuple<const char *, const char *, const char *>> units{
            {"INCH_CM", "CM_INCH", "2.54"},         {"FOOT_CM", "CM_FOOT", "30.48"},
            {"YARD_CM", "CM_YARD", "91.444"},       {"UKMILE_KM", "KM_UKMILE", "1.609344"},
            {"SEAMILE_KM", "KM_SEAMILE", "1.852"},  {"UKPINT_L", "L_UKPINT", "0.568261"},
            {"UKGALLON_L", "L_UKGALLON", "4.54609"}, {"OILBARREL_L", "L_OILBARREL", "159.106"},
            {"BEERBARREL_L", "L_BEERBARREL", "163.656"}, {"USPINT_L", "L_USPINT", "0.473179"},
            {"USGALLON_L", "L_USGALLON", "3.78543"}, {"OUNCE_G", "G_OUNCE", "28.3495"},
            {"POUND_G", "G_POUND", "453.59"},       {"UKTON_KG", "KG_UKTON", "1016"},
            {"USTON_KG", "KG_USTON", "907.185"},    {"HP_KW", "KW_HP", "0.7046"},
            {"ATM_BAR", "BAR_ATM", "0.980665"},     {"MPA_BAR", "BAR_MPA", "10"},
            {"ATM_KPA", "KPA_ATM", "98.0665"},
        };
        for (const auto &[f, r, k] : units)
            QTest::newRow(f) << f << r << k;
    }
    void units() {
        QFETCH(QString, forward);
        QFETCH(QString, reverse);
        QFETCH(QString, factor);
        ExpressionEngine e = engine();
        QCOMPARE(run(e, forward + QStringLiteral("(1)")), factor);
        QCOMPARE(run(e, forward + QStringLiteral("(10)")), run(e, factor + QStringLiteral("*10")));
        QCOMPARE(run(e, reverse + QLatin1Char('(') + factor + QLatin1Char(')')), QStringLiteral("1"));
        QCOMPARE(run(e, forward.toLower() + QStringLiteral("(2)")), run(e, factor + QStringLiteral("*2")));
    }

    void temperatures_data() {
        table({{"C_F(100)", "212"}, {"C_F(0)", "32"}, {"C_F(-40)", "-40"}, {"F_C(212)", "100"}, {"F_C(32)", "0"},
               {"F_C(0)", "-17.77777777777"}});
    }
    void temperatures() { check(); }

    void conditions_data() {
        table({
            {"IF{1<2}5", "5"}, {"IF{2<1}5", "0"}, {"IFN{2<1}5", "5"}, {"IFN{1<2}5", "0"}, {"if{1=1}7", "7"},
            {"IF{1<>1}7", "0"}, {"IF{1><2}7", "7"}, {"IF{2>=2}1", "1"}, {"IF{2=>2}1", "1"}, {"IF{1=<2}1", "1"},
            {"IF{3<=2}1", "0"}, {"IF{3>2}2*3", "6"}, {"IF{2+2=4}1", "1"}, {"IF{1/3*3=1}1", "0"},
            {"IF{\"abc\"=\"ab\"}1", "1"}, {"IF{\"abc\"=\"abd\"}1", "0"}, {"IF{\"abc\"<\"abd\"}1", "1"},
            {"IF{\"b\">\"a\"}1", "1"}, {"IF{\"B\">\"a\"}1", "0"}, {"IF{abc=abc}3", "3"}, {"IF{abc=abd}3", "0"},
            {"IF{10=\"1\"}4", "4"},  // a number against a text: "10" and "1" cut to "1"
            {"IF{1=}4", "4"}, {"IF{1<2}!MOD(7,3)", "1"}, {"IF{!MOD(7,3)=1}9", "9"},
            {"IF{1<2}2*-3", "error 2"}, {"IF{1<2", "error 4"},
        });
    }
    void conditions() { check(); }

    void registers_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char *name, QStringList lines, QStringList expected) {
            QTest::newRow(name) << lines << expected;
        };
        row("store and reuse", {"M005=2*3", "M005+1", "M000"}, {"6", "7", "7"});
        row("lower case", {"m005=2", "m005*3"}, {"2", "6"});
        row("blanks and semicolon", {"M005 = 2*3;", "M005"}, {"6", "6"});
        row("result after =", {"M005=2+3=9", "M005"}, {"5", "5"});
        row("width and decimals part", {"M005,2,3=4", "M005"}, {"4", "4"});
        row("wildcards", {"M1??=5", "M100+M150+M199", "M200"}, {"5", "15", "0"});
        row("all registers", {"M???=1", "M999+M000", "M500"}, {"1", "2", "1"});
        row("error stores 0", {"M005=5", "M005=1/0", "M005", "M000"}, {"5", "error 53", "0", "0"});
        row("negative register", {"M010=-3", "5-M010", "-M010", "M010*M010"}, {"-3", "8", "3", "9"});
        row("register with decimals", {"M001=1/3", "M001*3"}, {"0.3333333333333", "0.9999999999"});  // registers are read with 10 decimals
        row("percentage of a register", {"M001=10", "200+M001%"}, {"10", "220"});
        row("not a target before the fifth character", {"M20=5"}, {"error 4"});
        row("true condition stores", {"M005=6", "IF{M005>5}M006=1", "M006", "M000"}, {"6", "1", "1", "1"});
        row("false condition stores nothing", {"M005=4", "IF{M005>5}M006=1", "M006", "M005"}, {"4", "0", "0", "4"});
        row("condition keeps M000", {"M007=9", "IF{M007+1<1}5", "M000"}, {"9", "0", "9"});
    }
    void registers() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        ExpressionEngine e = engine();
        QStringList got;
        for (const QString &l : lines)
            got << run(e, l);
        QCOMPARE(got, expected);
    }

    void memoryStartsAtZeroAndClears() {
        ExpressionEngine e = engine();
        QCOMPARE(e.memory(999), 0.0);
        e.evaluate(QStringLiteral("M999=4"));
        QCOMPARE(e.memory(999), 4.0);
        e.clearMemory();
        QCOMPARE(e.memory(999), 0.0);
    }

    void commands_data() {
        table({
            {"!ORD(\"A\")", "65"}, {"!ORD(\"\")", "0"}, {"!ORD(\"č\")", "232"}, {"!ord(AB)", "65"},
            {"!MOD(7,3)", "1"}, {"!MOD(-7,3)", "-1"}, {"!MOD(7,0)", "0"}, {"!MOD(7.9,3)", "1"},
            {"!DIV(7,2)", "3"}, {"!DIV(-7,2)", "-3"}, {"!DIV(7,0)", "0"}, {"!DIV(M000+9,2)", "4"},
            {"!TEST(1,\"12345679\",0,\"\")", "1"}, {"!TEST(1,\"12345678\",0,\"\")", "0"},
            {"!TEST(1,\"\",1,\"\")", "1"}, {"!TEST(1,\"\",0,\"\")", "0"}, {"!TEST(2,\"710319/2745\",0,\"\")", "1"},
            {"!TEST(2,\"12345679\",0,\"\")", "0"}, {"!TEST(3,\"12345679\",0,\"\")", "1"},
            {"!TEST(3,\"7103192745\",0,\"\")", "1"}, {"!TEST(4,\"CZ12345679\",0,\"12345679\")", "1"},
            {"!TEST(4,\"CZ12345678\",0,\"12345678\")", "0"}, {"!TEST(4,\"neplátce\",0,\"\")", "0"},
            {"!TEST(5,\"Neplátce\",0,\"\")", "1"}, {"!TEST(5,\"neplátce DPH\",0,\"\")", "1"},
            {"!TEST(5,\"CZ12345679\",0,\"\")", "1"}, {"!TEST(5,\"\",1,\"\")", "1"}, {"!TEST(6,\"x\",1,\"\")", "0"},
            {"!EXEC", "-999"}, {"!CLS", "0"}, {"!WRITELN(\"x\")", "0"}, {"!SET", "1"}, {"!ret_mat", "1"},
            {"!PREVOD(401)", "1"}, {"!PREVOD(410)", "1"}, {"!PREVOD(5)", "error 1"}, {"!TCLOSE(1)", "error 1"},
            {"!TREADLN(1)", "error 1"}, {"!DIALOG(7)", "error 1"}, {"!NIC", "error 4"},
            {"!MAT_SPEC(1,3,4,9,2)", "9"}, {"!MAT_SPEC(2,3,4,9,2)", "2"}, {"!MAT_SPEC(1,1,4,9,2)", "4"},
            {"!MAT_SPEC(3,5,5,1,3,4,6)", "1"}, {"!MAT_SPEC(3,5,7,1,3,4,6)", "0"}, {"!MAT_SPEC(4,5,5,1,3,4,6)", "0"},
            {"!MAT_SPEC(4,5,5,1,6,4,6)", "1"}, {"!MAT_SPEC(4,1,5)", "1"}, {"!MAT_SPEC(5,3,7,1,7)", "1"},
            {"!MAT_SPEC(5,2,7,1,7)", "0"}, {"!MAT_SPEC(0,3,1,2,3)", "0"}, {"!MAT_SPEC(6,3,1,2,3)", "0"},
            {"!MAT_SPEC(1,10,1,2,3,4,5,6,7,8,9)", "9"}, {"!MAT_SPEC(2,10,1,2,3,4,5,6,7,8,9)", "0"},
            {"!MAT_SPEC(1,11,1)", "error 1"},
            {"!SOUB_DO_WINCLIP(\"/nonexistent\")", "error 10"}, {"!FILE_EXIST(\"/etc/hostname\")", "error 10"},
        });
    }
    void commands() {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        FakePrompt prompt;
        ExpressionEngine e = engine();
        QCOMPARE(run(e, line), expected);
    }

    void commandMessages() {
        FakePrompt prompt;
        ExpressionEngine e = engine();
        e.evaluate(QStringLiteral("!NIC(1)"));
        e.evaluate(QStringLiteral("!PREVOD(5)"));
        QCOMPARE(prompt.messages,
                 QStringList() << QStringLiteral("Neznámý příkaz\n!NIC(1)") << QStringLiteral("CHYBA PŘI VÝPOČTU :1\n!PREVOD(5)"));
    }

    void dialogs() {
        FakePrompt prompt;
        ExpressionEngine e = engine();
        QCOMPARE(run(e, QStringLiteral("!DIALOG(3,x,y,\"Řádek 1\",\"Řádek, 2\",3)")), QStringLiteral("1"));
        QCOMPARE(prompt.messages.last(), QStringLiteral("Řádek 1\nŘádek, 2\n3"));
        prompt.answers << true << false;
        QCOMPARE(run(e, QStringLiteral("!DIALOG(5,x,\"Opravdu?\",\"a\",\"b\")")), QStringLiteral("1"));
        QCOMPARE(prompt.questions.last(), QStringLiteral("Opravdu?\na\nb"));
        QCOMPARE(run(e, QStringLiteral("!DIALOG(5,x,\"Opravdu?\",\"a\",\"b\")")), QStringLiteral("0"));
    }

    // A formula comes from the shared database and runs on every station: it may not touch files.
    void fileCommandsOnlyFromTheCalculator_data() {
        QTest::addColumn<QString>("command");
        for (const char *c : {"FILE_EXIST(%1)", "FILE_JMENO_POCET(%2,0)", "FILE_HLEDEJ_OBSAH(%1,\"b\",1)",
                              "FILE_NAHRAD(%1,\"b\",\"x\",9)", "FILE_DELETE(%1)", "GET_FILE_SIZE(%1)",
                              "GET_FILE_ATTRIBUT(%1)", "VYTVOR_PROTOKOL(%1,\"t\")", "SOUB_DO_WINCLIP(%1)",
                              "WINCLIP_DO_SOUB(%1)", "WINCLIP_DELETE(%1)"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void fileCommandsOnlyFromTheCalculator() {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("abc\r\nbbb\r\n");
        f.close();
        FakePrompt prompt;
        ExpressionEngine e = engine();
        const QString line = QLatin1Char('!') + command.arg(path, dir.filePath(QStringLiteral("*.txt")));
        QCOMPARE(run(e, line), QStringLiteral("error 10"));
        QCOMPARE(prompt.messages, QStringList{QStringLiteral("CHYBA PŘI VÝPOČTU :10\n") + line});
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("abc\r\nbbb\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
        // also behind a condition
        QCOMPARE(run(e, QStringLiteral("IF{1=1}") + line), QStringLiteral("error 10"));
    }

    void fileCommandsFromTheCalculator() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("abc\r\nbbb b\r\n\xe8\r\n");  // č in the system's code page
        f.close();
        FakePrompt prompt;
        ExpressionEngine e = engine();
        auto calc = [&](const QString &line) { return run(e, line.arg(path), ExpressionCaller::Calculator); };
        QCOMPARE(calc(QStringLiteral("!FILE_EXIST(\"%1\")")), QStringLiteral("1"));
        QCOMPARE(calc(QStringLiteral("!FILE_EXIST(\"%1.no\")")), QStringLiteral("0"));
        QCOMPARE(calc(QStringLiteral("!GET_FILE_SIZE(\"%1\")")), QStringLiteral("15"));
        QCOMPARE(calc(QStringLiteral("!GET_FILE_SIZE(\"%1.no\")")), QStringLiteral("0"));
        QCOMPARE(calc(QStringLiteral("!GET_FILE_ATTRIBUT(\"%1\")")), QStringLiteral("32"));
        QCOMPARE(calc(QStringLiteral("!FILE_HLEDEJ_OBSAH(\"%1\",\"b\",1)")), QStringLiteral("5"));
        QCOMPARE(calc(QStringLiteral("!FILE_HLEDEJ_OBSAH(\"%1\",\"b\",0)")), QStringLiteral("1"));
        QCOMPARE(calc(QStringLiteral("!FILE_HLEDEJ_OBSAH(\"%1\",\"č\",0)")), QStringLiteral("1"));
        QCOMPARE(calc(QStringLiteral("!FILE_HLEDEJ_OBSAH(\"%1\",\"z\",0)")), QStringLiteral("0"));
        QCOMPARE(calc(QStringLiteral("!FILE_NAHRAD(\"%1\",\"bb\",\"xy\",1)")), QStringLiteral("1"));
        QCOMPARE(calc(QStringLiteral("!FILE_NAHRAD(\"%1\",\"b\",\"xy\",9)")), QStringLiteral("0"));
        QCOMPARE(calc(QStringLiteral("!FILE_NAHRAD(\"%1\",\"b\",\"B\",9)")), QStringLiteral("3"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("aBc\r\nxyB B\r\n\xe8\r\n"));
        f.close();
        QCOMPARE(run(e, QStringLiteral("!FILE_JMENO_POCET(\"%1\",0)").arg(dir.filePath(QStringLiteral("*.txt"))),
                     ExpressionCaller::Calculator),
                 QStringLiteral("1"));
        const QString log = dir.filePath(QStringLiteral("protokol.log"));
        QCOMPARE(run(e, QStringLiteral("!VYTVOR_PROTOKOL(\"%1\",\"Faktura č. 5\")").arg(log), ExpressionCaller::Calculator),
                 QStringLiteral("0"));
        QFile l(log);
        QVERIFY(l.open(QIODevice::ReadOnly));
        QVERIFY(l.readAll().endsWith(" Faktura \xe8. 5\r\n"));
        QCOMPARE(run(e, QStringLiteral("!VYTVOR_PROTOKOL(\"%1/no/dir/x\",\"t\")").arg(dir.path()), ExpressionCaller::Calculator),
                 QStringLiteral("1"));
        QCOMPARE(calc(QStringLiteral("!SOUB_DO_WINCLIP(\"%1\")")), QStringLiteral("error 9"));
        QCOMPARE(calc(QStringLiteral("!SOUB_DO_WINCLIP(\"%1.no\")")), QStringLiteral("error 2"));
        QCOMPARE(calc(QStringLiteral("!FILE_DELETE(\"%1\")")), QStringLiteral("1"));
        QVERIFY(!QFile::exists(path));
        // the calculator's permission ends with its line
        QCOMPARE(run(e, QStringLiteral("!FILE_EXIST(\"%1\")").arg(log)), QStringLiteral("error 10"));
    }

    void numberText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("third") << 1.0 / 3 << "0.3333333333333";
        QTest::newRow("hundred thirds") << 100.0 / 3 << "33.333333333333";
        QTest::newRow("half") << 2.5 << "2.5";
        QTest::newRow("whole") << 1210.0 << "1210";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("tiny") << 1e-25 << "0";
        QTest::newRow("small") << 0.00012 << "0.00012";
        QTest::newRow("negative cut") << -2.0 / 3 << "-0.666666666666";
        QTest::newRow("large") << 1999999999.987654 << "1999999999.9876";
        QTest::newRow("cut leaves zeros") << 1e-14 << "0";
    }
    void numberText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(ExpressionNumberText(value), text);
    }

    void sharedEngine() {
        EvaluateExpression(QStringLiteral("M042=6*7"));
        QCOMPARE(ExpressionErrorCode(), 0);
        QCOMPARE(EvaluateExpression(QStringLiteral("M042+1")), 43.0);
        QCOMPARE(EvaluateExpression(QStringLiteral("5/0")), 0.0);
        QCOMPARE(ExpressionErrorCode(), 53);
        QCOMPARE(expressionEngine().memory(0), 0.0);
        EvaluateExpression(QStringLiteral("1"));
        QCOMPARE(ExpressionErrorCode(), 0);  // each line clears the code
    }

    void randomIsInUnitInterval() {
        ExpressionEngine e = engine();
        for (int i = 0; i < 50; ++i) {
            const double v = e.evaluate(QStringLiteral("RND"));
            QVERIFY(v >= 0.0 && v < 1.0);
        }
    }
};

QTEST_GUILESS_MAIN(TestExpression)
#include "tst_expression.moc"
