#include "data/session.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "security/login.h"
#include "security/passwords.h"
#include "security/rights.h"
#include "security/usergroups.h"
#include "tests/support/fakeprompt.h"
#include "tests/support/schemadatabase.h"

#include <QtTest>

// Log-in, users and groups on a real version-12 database.
class TestLogin : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;

    void exec(const QString &sql) {
        const QString e = db.ExecSQL(sql);
        QVERIFY2(e.isEmpty(), qPrintable(sql + "\n" + e));
    }
    int addUser(const QString &login, const QString &password, bool right = true, QList<int> groups = {}) {
        UserRecord u;
        u.login = login;
        u.description = login;
        u.password = password;
        u.newPassword = true;
        u.loginRight = right;
        u.groups = groups;
        return SaveUser(db, u);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(CreateSchemaDatabase(tdb).isEmpty(), "schema");
        QVERIFY(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()));
        SQLDATA = &db;
    }
    void init() { Session::clear(); }

    void mode0SingleUserWithoutPassword() {
        FakePrompt p;
        LoginService login(db);
        const auto r = login.ChooseUser(0, "pepa", {});
        QCOMPARE(r.choice, LoginService::Choice::Done);
        QCOMPARE(r.userId, 1);
        QCOMPARE(Session::currentUserId(), 1);
        QVERIFY(Session::isAdministrator());
        QCOMPARE(Session::groups(), QList<int>{1});
        QCOMPARE(Session::defaultGroupId(), 1);
        QVERIFY(p.messages.isEmpty());
    }

    void mode0WithPasswordOrSeveralUsers() {
        FakePrompt p;
        LoginService login(db);
        exec("update uzivatel set heslo=" + QuoteStr(HashPassword("x")) + " where uzivatel_id=1");
        QCOMPARE(login.ChooseUser(0, "pepa", {}).choice, LoginService::Choice::ShowDialog);
        QVERIFY(p.messages.isEmpty());
        exec("update uzivatel set heslo=\"\" where uzivatel_id=1");
        const int second = addUser("Šárka", "");
        QCOMPARE(login.ChooseUser(0, "pepa", {}).choice, LoginService::Choice::ShowDialog);
        QCOMPARE(p.messages, QStringList{"Chyba v konfiguraci ! \r\nNení možné použít login=1"});
        exec(QStringLiteral("delete from uzivatel where uzivatel_id=%1").arg(second));
    }

    void mode1MatchesSystemNameInAnyCase() {
        FakePrompt p;
        LoginService login(db);
        const int id = addUser("Jiří", "");
        auto r = login.ChooseUser(1, "JIŘÍ", {});
        // The server's upper() of WIN1250 text may leave accented letters alone; then the dialog
        // is the safe answer. An ASCII name must match in any case.
        QVERIFY(r.choice == LoginService::Choice::Done || r.choice == LoginService::Choice::ShowDialog);
        const int ascii = addUser("novak", "");
        r = login.ChooseUser(1, "NOVAK", {});
        QCOMPARE(r.choice, LoginService::Choice::Done);
        QCOMPARE(r.userId, ascii);
        QCOMPARE(r.prefillName, QStringLiteral("NOVAK"));
        QCOMPARE(login.ChooseUser(1, "nikdo", {}).choice, LoginService::Choice::ShowDialog);
        const int withPassword = addUser("heslar", "tajne");
        QCOMPARE(login.ChooseUser(1, "HESLAR", {}).choice, LoginService::Choice::ShowDialog);
        exec(QStringLiteral("delete from uzivatel where uzivatel_id=%1").arg(withPassword));
        QCOMPARE(login.ChooseUser(2, "novak", {}).choice, LoginService::Choice::ShowDialog);
        QCOMPARE(login.ChooseUser(7, "novak", {}).choice, LoginService::Choice::End);
        exec(QStringLiteral("delete from uzivatel where uzivatel_id in (%1,%2)").arg(id).arg(ascii));
    }

    void dialogChecksOneAccount_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("result");
        QTest::newRow("exact") << "Šimon" << "Žluťoučký" << int(LoginService::CheckResult::Ok);
        QTest::newRow("any case, czech letters") << "šIMON" << "žLUŤOUČKÝ" << int(LoginService::CheckResult::Ok);
        QTest::newRow("wrong password") << "Šimon" << "Zlutoucky" << int(LoginService::CheckResult::WrongNameOrPassword);
        QTest::newRow("unknown name") << "Simon" << "Žluťoučký" << int(LoginService::CheckResult::WrongNameOrPassword);
        QTest::newRow("no log-in right") << "Bez práva" << "heslo" << int(LoginService::CheckResult::NoLoginRight);
    }
    void dialogChecksOneAccount() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(int, result);
        if (db.SelectInt("select count(*) from uzivatel where login='Bez práva'") == 0) {
            addUser("Šimon", "Žluťoučký");
            addUser("Bez práva", "heslo", false);
        }
        LoginService login(db);
        int id = 0;
        QCOMPARE(int(login.CheckCredentials(name, password, &id)), result);
        QCOMPARE(id != 0, result == int(LoginService::CheckResult::Ok));
    }

    void dialogShowsText1036() {
        FakePrompt p;
        LoginService login(db);
        QVERIFY(!login.LoginWithDialog("Bez práva", "heslo", {}));
        QCOMPARE(p.messages, QStringList{"Špatné jméno nebo heslo !"});
        QCOMPARE(Session::currentUserId(), 0);
    }

    void typedPasswordIsHashedAtNextLogin() {
        exec("insert into uzivatel(uzivatel_id,login,popis,heslo,administrator,pravo_prihlaseni,prihlasen) "
             "values(50,\"stary\",\"Starý\",\"Řepa\",\"0\",\"1\",0)");
        LoginService login(db);
        int id = 0;
        QCOMPARE(login.CheckCredentials("STARÝ", "řEPA", &id), LoginService::CheckResult::WrongNameOrPassword);
        QCOMPARE(login.CheckCredentials("stary", "řEPA", &id), LoginService::CheckResult::Ok);
        QCOMPARE(id, 50);
        const QString stored = db.SelectStr("select heslo from uzivatel where uzivatel_id=50");
        QVERIFY(IsPasswordHash(stored));
        QCOMPARE(login.CheckCredentials("stary", "Řepa", &id), LoginService::CheckResult::Ok);
        QCOMPARE(login.CheckCredentials("stary", "Repa", &id), LoginService::CheckResult::WrongNameOrPassword);
    }

    void defaultGroupOrder() {
        FakePrompt p;
        GroupRecord g;
        g.description = "Účtárna";
        const int accounts = SaveGroup(db, g);
        g = {};
        g.description = "Karel";
        const int named = SaveGroup(db, g);
        const int karel = addUser("karel", "", true, {accounts, 1});
        exec(QStringLiteral("update uzivatel set popis=\"Karel\" where uzivatel_id=%1").arg(karel));
        LoginService login(db);
        login.AfterLogin(karel, "Účtárna");
        QCOMPARE(Session::defaultGroupId(), accounts);
        login.AfterLogin(karel, "");
        QCOMPARE(Session::defaultGroupId(), named); // the group named like the user
        exec(QStringLiteral("update uzivatel set popis=\"Jiný\" where uzivatel_id=%1").arg(karel));
        login.AfterLogin(karel, "neexistuje");
        QCOMPARE(Session::defaultGroupId(), Session::groups().first());
        QCOMPARE(Session::groups().size(), 2);
    }

    void claimIsExclusiveAndHeartbeatReleasesSilentStations() {
        FakePrompt p;
        const int user = addUser("stanice", "");
        exec("delete from MISTA");
        TSQLDATA other;
        QVERIFY(other.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()));
        LoginService a(db), b(other);
        Session::setCurrentUserId(user);
        QVERIFY(a.ClaimLogin(3));
        QCOMPARE(db.SelectInt(QStringLiteral("select prihlasen from uzivatel where uzivatel_id=%1").arg(user)), 1);
        QVERIFY(!b.ClaimLogin(3)); // the second station is refused while the first is alive

        // The first station dies: its last heartbeat is older than net_wait_time.
        exec(QStringLiteral("insert into MISTA(MISTO,REZIM,ZAZNAM,UZIVATEL_ID,CAS) values('KU',1,5,%1,CURRENT_TIMESTAMP)").arg(user));
        exec(QStringLiteral("update uzivatel set zivot_timestamp=%1 where uzivatel_id=%2")
                 .arg(QuoteStr(db.ServerTime(-2.0 / 1440).toString("dd.MM.yyyy HH:mm:ss")))
                 .arg(user));
        b.Heartbeat(false, 3);
        QCOMPARE(db.SelectInt(QStringLiteral("select prihlasen from uzivatel where uzivatel_id=%1").arg(user)), 1);
        exec(QStringLiteral("update uzivatel set zivot_timestamp=%1 where uzivatel_id=%2")
                 .arg(QuoteStr(db.ServerTime(-4.0 / 1440).toString("dd.MM.yyyy HH:mm:ss")))
                 .arg(user));
        b.Heartbeat(false, 3);
        QCOMPARE(db.SelectInt(QStringLiteral("select prihlasen from uzivatel where uzivatel_id=%1").arg(user)), 0);
        QCOMPARE(db.SelectInt(QStringLiteral("select count(*) from MISTA where UZIVATEL_ID=%1").arg(user)), 0);
        QVERIFY(b.ClaimLogin(3));
        b.Logout();
        QCOMPARE(db.SelectInt(QStringLiteral("select prihlasen from uzivatel where uzivatel_id=%1").arg(user)), 0);
        QVERIFY(p.messages.isEmpty());
    }

    void readFilterOnRealRows() {
        exec("delete from KU");
        exec("insert into KU (KU_ID, NAZEV, F_CIST) values (1, \"všem null\", NULL)");
        exec("insert into KU (KU_ID, NAZEV, F_CIST) values (2, \"všem 0\", 0)");
        exec("insert into KU (KU_ID, NAZEV, F_CIST) values (3, \"skupině 1\", 1)");
        exec("insert into KU (KU_ID, NAZEV, F_CIST) values (4, \"skupině 99\", 99)");
        auto visible = [&](const QList<int> &groups) {
            Session::setGroups(groups);
            return db.SelectColumn("select KU.NAZEV from KU" + ReadFilter("KU", true) + " order by KU.NAZEV", "|");
        };
        QCOMPARE(visible({}), QStringLiteral("všem 0|všem null"));
        QCOMPARE(visible({1}), QStringLiteral("skupině 1|všem 0|všem null"));
        QCOMPARE(visible({1, 99}), QStringLiteral("skupině 1|skupině 99|všem 0|všem null"));
    }

    void usersAndGroupsRoundTrip() {
        FakePrompt p;
        GroupRecord g;
        g.description = "Sklad";
        const int group = SaveGroup(db, g);
        QVERIFY(group > 0);
        const int user = addUser("Zdeněk", "Heslo \"1\"", true, {group});
        const UserRecord u = LoadUser(db, user);
        QCOMPARE(u.login, QStringLiteral("Zdeněk"));
        QVERIFY(IsPasswordHash(u.password));
        QVERIFY(VerifyPassword(u.password, "heslo \"1\""));
        QCOMPARE(u.groups, QList<int>{group});
        QVERIFY(u.loginRight);
        QVERIFY(!u.administrator);
        QCOMPARE(LoadGroup(db, group).users, QList<int>{user});
        // Saving unchanged keeps the stored hash as it is.
        QCOMPARE(SaveUser(db, u), user);
        QCOMPARE(LoadUser(db, user).password, u.password);
    }

    void groupDeletionMovesEveryRight() {
        FakePrompt p;
        GroupRecord g;
        g.description = "Zrušená";
        const int doomed = SaveGroup(db, g);
        const auto columns = RightsColumns(db);
        QStringList tables;
        for (const auto &t : columns)
            tables << t.first;
        QCOMPARE(tables.mid(0, 5), (QStringList{"ukoly", "poznamky", "ku", "kj_auto", "adresar_zakl"}));
        for (const char *t : {"evidence_revizi", "prav_pl_h", "jf", "jf_fado"})
            QVERIFY2(tables.contains(t), t);
        // One row in every table with rights, every right pointing at the doomed group.
        for (const auto &t : columns) {
            QString cols, vals;
            const QString key = t.first.toUpper() + "_ID";
            exec(QStringLiteral("insert into %1 (%2) values (%3)").arg(t.first, key).arg(9000 + doomed));
            for (const QString &c : t.second)
                exec(QStringLiteral("update %1 set %2=%3").arg(t.first, c).arg(doomed));
        }
        p.answers = {true};
        QVERIFY(DeleteGroup(db, doomed, [] { return 1; }));
        for (const auto &t : columns)
            for (const QString &c : t.second)
                QCOMPARE(db.SelectInt(QStringLiteral("select count(*) from %1 where %2=%3").arg(t.first, c).arg(doomed)), 0);
        QCOMPARE(db.SelectInt(QStringLiteral("select count(*) from uzivskupina where uzivskupina_id=%1").arg(doomed)), 0);
        QCOMPARE(db.SelectInt(QStringLiteral("select count(*) from spoj_uzivatel_uzivskupina where uzivskupina_id=%1").arg(doomed)), 0);
        QVERIFY(db.SelectInt("select count(*) from ku where f_cist=1") >= 1);
    }

    void groupDeletionRefusals() {
        FakePrompt p;
        GroupRecord g;
        g.description = "Dočasná";
        const int temp = SaveGroup(db, g);
        p.answers = {true};
        QVERIFY(!DeleteGroup(db, temp, [&] { return temp; }));
        QCOMPARE(p.messages.last(), QStringLiteral("Touto skupinou není možné skupinu nahradit."));
        p.answers = {false};
        QVERIFY(!DeleteGroup(db, temp, [] { return 1; }));
        QCOMPARE(p.questions.last(), QStringLiteral("Opravdu chcete smazat zobrazený záznam ?"));
        exec(QStringLiteral("delete from uzivskupina where uzivskupina_id<>%1").arg(temp));
        p.answers = {true};
        QVERIFY(!DeleteGroup(db, temp, [] { return 1; }));
        QCOMPARE(p.messages.last(), QStringLiteral("Záznam je již použit v systému a není možné ho smazat !"));
    }

    void cleanupTestCase() {
        db.Disconnect();
        SQLDATA = nullptr;
    }
};

QTEST_GUILESS_MAIN(TestLogin)
#include "tst_login.moc"
