#include "exchange/codepage/win1250.h"

#include <QProcess>
#include <QTest>

class TestTextCommands : public QObject {
    Q_OBJECT
    static QByteArray run(const QStringList &args, const QByteArray &input, int *exitCode) {
        QProcess p;
        p.start(QStringLiteral(ZORVA_CLI_PATH), args);
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(30000);
        *exitCode = p.exitCode();
        return p.readAllStandardOutput();
    }

private Q_SLOTS:
    void convert() {
        int rc = -1;
        const QByteArray w = Win1250::encode(QStringLiteral("Čeština\r\nŽluťoučký kůň\x01"));
        QByteArray k = run({QStringLiteral("convert"), QStringLiteral("WK")}, w, &rc);
        QCOMPARE(rc, 0);
        QCOMPARE(k.left(2), QByteArray("\x80" "e"));
        QCOMPARE(k.size(), w.size()); // line ends and control bytes pass as they are
        QCOMPARE(run({QStringLiteral("convert"), QStringLiteral("KW")}, k, &rc), w);
        QCOMPARE(run({QStringLiteral("convert"), QStringLiteral("WB")}, w, &rc), QByteArray("Cestina\r\nZlutoucky kun\x01"));
        QCOMPARE(run({QStringLiteral("convert"), QStringLiteral("XX")}, w, &rc), w);
        run({QStringLiteral("convert")}, w, &rc);
        QCOMPARE(rc, 2);
    }

    void langtext() {
        int rc = -1;
        QCOMPARE(QString::fromUtf8(run({QStringLiteral("langtext"), QStringLiteral("S"), QStringLiteral("Název")}, {}, &rc)),
                 QStringLiteral("Názov\n"));
        QCOMPARE(rc, 0);
        QCOMPARE(QString::fromUtf8(run({QStringLiteral("langtext"), QStringLiteral("A"), QStringLiteral("1001")}, {}, &rc)),
                 QStringLiteral("Toto pole nelze sečíst EN!\n"));
        QCOMPARE(run({QStringLiteral("langtext"), QStringLiteral("A"), QStringLiteral("1999")}, {}, &rc), QByteArray("1999\n"));
        run({QStringLiteral("langtext"), QStringLiteral("E"), QStringLiteral("1001")}, {}, &rc);
        QCOMPARE(rc, 2);
    }
};

QTEST_APPLESS_MAIN(TestTextCommands)
#include "tst_textcommands.moc"
