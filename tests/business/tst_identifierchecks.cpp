#include "business/identifierchecks.h"

#include <QProcess>
#include <QtTest>

class TestIdentifierChecks : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ico_data() {
        QTest::addColumn<QString>("ico");
        QTest::addColumn<bool>("allowEmpty");
        QTest::addColumn<bool>("valid");
        QTest::newRow("worked example") << "12345679" << false << true;
        QTest::newRow("wrong check digit") << "12345678" << false << false;
        QTest::newRow("remainder 0 gives 1") << "10000071" << false << true;
        QTest::newRow("remainder 0 with 0") << "10000070" << false << false;
        QTest::newRow("remainder 1 gives 0") << "10000020" << false << true;
        QTest::newRow("remainder 1 with 1") << "10000021" << false << false;
        QTest::newRow("remainder 10 gives 1") << "45678901" << false << true;
        QTest::newRow("another") << "25596641" << false << true;
        QTest::newRow("trailing blank") << "12345679 " << false << false;
        QTest::newRow("leading blank") << " 12345679" << false << false;
        QTest::newRow("seven digits") << "1234567" << false << false;
        QTest::newRow("nine digits") << "123456790" << false << false;
        QTest::newRow("letter") << "1234567a" << false << false;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("empty allowed") << "" << true << true;
        QTest::newRow("blank is not empty") << " " << true << false;
    }
    void ico() {
        QFETCH(QString, ico);
        QFETCH(bool, allowEmpty);
        QFETCH(bool, valid);
        QCOMPARE(IsValidIco(ico, allowEmpty), valid);
    }

    void birthNumber_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("valid");
        QTest::newRow("man 1971") << "7103192745" << true;
        QTest::newRow("with slash") << "710319/2745" << true;
        QTest::newRow("with blanks around") << "  710319/2745 " << true;
        QTest::newRow("other separator") << "710319-2745" << true;
        QTest::newRow("wrong check digit") << "7103192746" << false;
        QTest::newRow("woman +50") << "7153192740" << true;
        QTest::newRow("man +20") << "7123192747" << true;
        QTest::newRow("woman +70") << "7173192741" << true;
        QTest::newRow("remainder 10 is 0") << "7103191030" << true;
        QTest::newRow("born 2005") << "0501011236" << true;
        QTest::newRow("born 2005 woman") << "0551011230" << true;
        QTest::newRow("born 2005 wrong check") << "0501011237" << false;
        QTest::newRow("born 1954") << "5401011231" << true;
        QTest::newRow("nine digits 1953") << "530101123" << true;
        QTest::newRow("nine digits 1954") << "540101123" << false;
        QTest::newRow("month 13") << "711319274" << false;
        QTest::newRow("month 0") << "710019274" << false;
        QTest::newRow("month 63") << "716319274" << false;
        QTest::newRow("month 33") << "713319274" << false;
        QTest::newRow("month 83") << "718319274" << false;
        QTest::newRow("day 0") << "710300274" << false;
        QTest::newRow("day 32") << "710332274" << false;
        QTest::newRow("day 31") << "8531120015" << true;
        QTest::newRow("eight digits") << "71031927" << false;
        QTest::newRow("eleven digits") << "71031927450" << false;
        QTest::newRow("letter") << "71031927a5" << false;
        QTest::newRow("slash elsewhere") << "71031/92745" << false;
        QTest::newRow("empty") << "" << false;
    }
    void birthNumber() {
        QFETCH(QString, number);
        QFETCH(bool, valid);
        QCOMPARE(IsValidBirthNumber(number), valid);
    }

    void dic_data() {
        QTest::addColumn<QString>("dic");
        QTest::addColumn<QString>("ico");
        QTest::addColumn<bool>("valid");
        QTest::newRow("firm, IČO given") << "CZ12345679" << "12345679" << true;
        QTest::newRow("firm, no IČO") << "CZ12345679" << "" << true;
        QTest::newRow("firm, bad IČO digits") << "CZ12345678" << "12345678" << false;
        QTest::newRow("firm digits differ from IČO") << "CZ12345679" << "25596641" << false;
        QTest::newRow("person, other IČO") << "CZ7103192745" << "12345679" << true;
        QTest::newRow("person, no IČO") << "CZ7103192745" << "" << true;
        QTest::newRow("person born 2005") << "CZ0501011236" << "" << true;
        QTest::newRow("year below 54, wrong check digit") << "CZ0501011237" << "" << false;
        QTest::newRow("blanks trimmed") << " CZ12345679 " << " 12345679 " << true;
        QTest::newRow("Slovak prefix") << "SK12345679" << "" << true;
        QTest::newRow("accented prefix") << "ČŽ12345679" << "" << true;
        QTest::newRow("lower case prefix") << "cz12345679" << "" << true;
        QTest::newRow("digit in prefix") << "C112345679" << "" << false;
        QTest::newRow("no prefix") << "12345679" << "" << false;
        QTest::newRow("blank inside") << "CZ1234 5679" << "" << false;
        QTest::newRow("too short") << "CZ12" << "" << false;
        QTest::newRow("prefix only") << "CZ" << "" << false;
        QTest::newRow("empty") << "" << "" << false;
    }
    void dic() {
        QFETCH(QString, dic);
        QFETCH(QString, ico);
        QFETCH(bool, valid);
        QCOMPARE(IsValidDic(dic, ico), valid);
    }

    void account_data() {
        QTest::addColumn<QString>("account");
        QTest::addColumn<bool>("valid");
        QTest::newRow("prefix and number") << "19-123" << true;
        QTest::newRow("number alone") << "123" << true;
        QTest::newRow("sixteen digits") << "0000190000000123" << true;
        QTest::newRow("sixteen digits bad prefix") << "0000180000000123" << false;
        QTest::newRow("sixteen with dash") << "000019-000000123" << true;
        QTest::newRow("zero prefix") << "000000-123" << true;
        QTest::newRow("empty prefix") << "-123" << true;
        QTest::newRow("ten digits") << "2700000000" << true;
        QTest::newRow("ten digits wrong") << "2700000001" << false;
        QTest::newRow("bad number") << "19-124" << false;
        QTest::newRow("bad prefix") << "18-123" << false;
        QTest::newRow("empty number") << "19-" << false;
        QTest::newRow("prefix seven digits") << "0000019-123" << false;
        QTest::newRow("number eleven digits") << "12345678901" << false;
        QTest::newRow("letter") << "19-12a" << false;
        QTest::newRow("two dashes") << "19-12-3" << false;
        QTest::newRow("blank") << "19-123 " << false;
        QTest::newRow("empty") << "" << false;
    }
    void account() {
        QFETCH(QString, account);
        QFETCH(bool, valid);
        QCOMPARE(IsValidBankAccount(account), valid);
    }

    // The command line prints exactly one line per answer.
    void cli_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("ico") << QStringList{"check", "ico", "12345679"} << "1\n" << 0;
        QTest::newRow("ico bad") << QStringList{"check", "ico", "12345678"} << "0\n" << 0;
        QTest::newRow("dic") << QStringList{"check", "dic", "CZ12345679"} << "1\n" << 0;
        QTest::newRow("dic with ico") << QStringList{"check", "dic", "CZ7103192745", "--ico", "12345679"} << "1\n" << 0;
        QTest::newRow("rc") << QStringList{"check", "rc", "710319/2745"} << "1\n" << 0;
        QTest::newRow("account") << QStringList{"check", "account", "19-123"} << "1\n" << 0;
        QTest::newRow("account bad") << QStringList{"check", "account", ""} << "0\n" << 0;
        QTest::newRow("unknown kind") << QStringList{"check", "iban", "x"} << "" << 2;
        QTest::newRow("calc") << QStringList{"calc", "M005=2*3", "M005+1", "2*-3", "1/3", "IF{M005<5}1"}
                              << "6\n7\nerror 2\n0.3333333333333\n0\n" << 0;
        QTest::newRow("calc no files") << QStringList{"calc", "!FILE_EXIST(\"/\")"} << "error 10\n" << 0;
        QTest::newRow("calc needs a line") << QStringList{"calc"} << "" << 2;
    }
    void cli() {
        QFETCH(QStringList, args);
        QFETCH(QString, output);
        QFETCH(int, exitCode);
        QProcess p;
        p.start(QStringLiteral(ZORVA_CLI_PATH), args);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), exitCode);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), output);
    }
};

QTEST_GUILESS_MAIN(TestIdentifierChecks)
#include "tst_identifierchecks.moc"
