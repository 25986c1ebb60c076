#include "tests/support/schemadatabase.h"

#include <QProcess>
#include <QtTest>

// The user sub-commands of zorva-cli, as scripts call them.
class TestSecurityCli : public QObject {
    Q_OBJECT
    TempDatabase tdb;

    int run(const QStringList &args, QString *out = nullptr) {
        QProcess p;
        p.start(ZORVA_CLI_PATH, QStringList{"--db", tdb.connectionString(), "--db-user", tdb.user(), "--db-password", tdb.password()} + args);
        p.waitForFinished(60000);
        if (out)
            *out = QString::fromUtf8(p.readAllStandardOutput());
        return p.exitCode();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(CreateSchemaDatabase(tdb).isEmpty(), "schema"); }

    void usersGroupsAndLogin() {
        QString out;
        QCOMPARE(run({"group", "add", "Účtárna"}, &out), 0);
        const QString group = out.trimmed();
        QCOMPARE(run({"group", "add", "Účtárna"}), 1);
        QCOMPARE(run({"user", "add", "Šárka", "--password", "Řízek", "--group", "Účtárna", "--group", "Uživatelé"}, &out), 0);
        const QString user = out.trimmed();
        QCOMPARE(run({"user", "add", "Šárka"}), 1);
        QCOMPARE(run({"user", "add", "x", "--group", "Nikdo"}), 1);
        QCOMPARE(run({"user", "add", "boss", "--admin"}), 0);
        QCOMPARE(run({"user", "list"}, &out), 0);
        QCOMPARE(out, QStringLiteral("1\tadmin\t1\tUživatelé\n%1\tŠárka\t0\tUživatelé,Účtárna\n%2\tboss\t1\t\n").arg(user).arg(user.toInt() + 1));
        QCOMPARE(run({"login", "šÁRKA", "--password", "řÍZEK"}, &out), 0);
        QCOMPARE(run({"login", "Šárka", "--password", "Rizek"}, &out), 1);
        QVERIFY(out.contains("wrong name or password"));
        QCOMPARE(run({"login", "admin", "--password", ""}), 0);
        QCOMPARE(run({"readfilter", "--user", user, "KU"}, &out), 0);
        QCOMPARE(out, QStringLiteral(" where ((KU.f_cist is null) or (KU.f_cist=0) or (KU.f_cist in (1,%1)))\n").arg(group));
        QCOMPARE(run({"readfilter", "KU"}), 2);
        QCOMPARE(run({"login", "admin"}), 2);
    }
};

QTEST_GUILESS_MAIN(TestSecurityCli)
#include "tst_securitycli.moc"
