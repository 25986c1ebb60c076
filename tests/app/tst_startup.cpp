#include "app/core/programentry.h"
#include "app/core/startup.h"
#include "data/configuration.h"
#include "data/inifile.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "data/usersettings.h"
#include "localisation/langtext.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/fakeprompt.h"
#include "tests/support/schemadatabase.h"
#include "tests/support/tempdatabase.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Records every step in order; each answer comes from a field.
class FakeServices : public StartupServices {
public:
    QStringList log;
    bool connects = true;
    bool schemaGoesOn = true;
    LoginService::Choice choice = LoginService::Choice::Done;
    bool dialogAccepts = true;
    bool claims = true;
    bool connect(const Configuration &) override { log << "connect"; return connects; }
    bool checkSchema() override { log << "schema"; return schemaGoesOn; }
    LoginService::ChooseResult chooseUser(int mode, const QString &systemUser, const QString &) override {
        log << QStringLiteral("choose %1 %2").arg(mode).arg(systemUser);
        LoginService::ChooseResult r;
        r.choice = choice;
        r.prefillName = systemUser;
        if (choice == LoginService::Choice::Done) {
            r.userId = 7;
            Session::setCurrentUserId(7);
        }
        return r;
    }
    bool loginWithDialog(const QString &name, const QString &password, const QString &) override {
        log << QStringLiteral("dialog %1/%2").arg(name, password);
        if (dialogAccepts)
            Session::setCurrentUserId(8);
        return dialogAccepts;
    }
    bool claimLogin(int minutes) override { log << QStringLiteral("claim %1").arg(minutes); return claims; }
    void loadUserSettings() override { log << "load settings"; }
    void saveUserSettings() override { log << "save settings"; }
    void releaseRecordLocks() override { log << "unlock"; }
    void logout() override { log << "logout"; }
    void disconnect() override { log << "disconnect"; }
};

class FakeLoginUi : public LoginUi {
public:
    bool accept = true;
    QString asked;
    bool askCredentials(const QString &prefill, QString *name, QString *password) override {
        asked = prefill;
        *name = QStringLiteral("jana");
        *password = QStringLiteral("tajne");
        return accept;
    }
};
}

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Session::clear(); }

    void connectionFailureEndsBeforeLogIn() {
        FakePrompt prompt;
        FakeServices services;
        services.connects = false;
        FakeLoginUi ui;
        StartupController controller(services, ui);
        QCOMPARE(controller.start(Configuration(), QStringLiteral("jana")), StartupController::Result::NotConnected);
        QCOMPARE(services.log, QStringList{"connect"});
        QCOMPARE(prompt.messages, QStringList{LangText(1005)});
        controller.shutdown();
        QCOMPARE(services.log, QStringList{"connect"});
    }

    // Through the real data-access object: text 1002 with the connection string comes first.
    void realConnectionFailureShows1002Then1005() {
        PrepareTestFirebird();
        FakePrompt prompt;
        TSQLDATA db;
        DatabaseStartupServices services(db);
        FakeLoginUi ui;
        StartupController controller(services, ui);
        Configuration config;
        config.dbPathname = QStringLiteral("/nonexistent-folder/zorva.gdb");
        QCOMPARE(controller.start(config, QStringLiteral("jana")), StartupController::Result::NotConnected);
        QCOMPARE(prompt.messages.size(), 2);
        QVERIFY(prompt.messages[0].startsWith(LangText(1002)));
        QVERIFY(prompt.messages[0].contains(config.dbPathname));
        QCOMPARE(prompt.messages[1], LangText(1005));
        QVERIFY(ui.asked.isNull());
    }

    void schemaStopSkipsLogIn() {
        FakePrompt prompt;
        FakeServices services;
        services.schemaGoesOn = false;
        FakeLoginUi ui;
        StartupController controller(services, ui);
        QCOMPARE(controller.start(Configuration(), QStringLiteral("jana")), StartupController::Result::SchemaStop);
        QCOMPARE(services.log, (QStringList{"connect", "schema"}));
        controller.shutdown();
        QCOMPARE(services.log.last(), QStringLiteral("disconnect"));
        QVERIFY(!services.log.contains("logout"));
    }

    void failedClaimShows1014AndForgetsTheUser() {
        FakePrompt prompt;
        FakeServices services;
        services.claims = false;
        FakeLoginUi ui;
        StartupController controller(services, ui);
        Configuration config;
        config.netWaitTime = 5;
        QCOMPARE(controller.start(config, QStringLiteral("jana")), StartupController::Result::ClaimFailed);
        QCOMPARE(services.log, (QStringList{"connect", "schema", "choose 0 jana", "claim 5"}));
        QCOMPARE(Session::currentUserId(), 0);
        QCOMPARE(prompt.messages, QStringList{QStringLiteral("Tento uživatel je již přihlášen ! \r\n Zkuste program spustit za 3 minuty.")});
        controller.shutdown();
        QVERIFY(!services.log.contains("logout"));
        QVERIFY(!services.log.contains("save settings"));
    }

    void logInThroughTheDialog_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("rightPassword");
        QTest::addColumn<int>("result");
        QTest::newRow("ok") << true << true << int(StartupController::Result::Working);
        QTest::newRow("cancel") << false << true << int(StartupController::Result::NoUser);
        QTest::newRow("wrong password") << true << false << int(StartupController::Result::NoUser);
    }
    void logInThroughTheDialog() {
        QFETCH(bool, accept);
        QFETCH(bool, rightPassword);
        QFETCH(int, result);
        FakePrompt prompt;
        FakeServices services;
        services.choice = LoginService::Choice::ShowDialog;
        services.dialogAccepts = rightPassword;
        FakeLoginUi ui;
        ui.accept = accept;
        StartupController controller(services, ui);
        Configuration config;
        config.login = 2;
        QCOMPARE(int(controller.start(config, QStringLiteral("jana"))), result);
        QCOMPARE(ui.asked, QStringLiteral("jana"));
        QCOMPARE(services.log.contains("dialog jana/tajne"), accept);
        QCOMPARE(services.log.contains("claim 3"), accept && rightPassword);
    }

    void shutdownOrder() {
        FakePrompt prompt;
        FakeServices services;
        FakeLoginUi ui;
        StartupController controller(services, ui);
        QCOMPARE(controller.start(Configuration(), QStringLiteral("jana")), StartupController::Result::Working);
        services.log.clear();
        controller.shutdown();
        QCOMPARE(services.log, (QStringList{"save settings", "unlock", "logout", "disconnect"}));
        controller.shutdown();
        QCOMPARE(services.log.size(), 4);
        QCOMPARE(Session::currentUserId(), 0);
    }

    // A fresh installation: the configured database does not exist; the first start creates it,
    // logs the administrator in without a dialog (mode 0) and the end logs out.
    void firstStartCreatesTheDatabase() {
        PrepareTestFirebird();
        if (!TempDatabase::serverFromEnvironment().isEmpty())
            QSKIP("the first start creates an embedded database file");
        FakePrompt prompt;
        QTemporaryDir dir;
        Configuration config;
        config.dbPathname = dir.filePath(QStringLiteral("zorva.gdb"));
        TSQLDATA db;
        SQLDATA = &db;
        DatabaseStartupServices services(db);
        FakeLoginUi ui;
        StartupController controller(services, ui);
        QCOMPARE(controller.start(config, QStringLiteral("nikdo")), StartupController::Result::Working);
        QVERIFY2(prompt.messages.isEmpty(), qPrintable(prompt.messages.join('\n')));
        QVERIFY(ui.asked.isNull());
        QCOMPARE(Session::currentUserId(), 1);
        QVERIFY(Session::isAdministrator());
        QCOMPARE(db.SelectInt("select prihlasen from uzivatel where uzivatel_id=1"), 1);
        CurrentUserSettings().lastView = QStringLiteral("BrowseUkoly");
        controller.shutdown();
        QVERIFY(!db.Connected());
        TSQLDATA check;
        QVERIFY(check.ConnectQuiet(config.dbPathname, config.dbUsername, config.dbPassword));
        QCOMPARE(check.SelectInt("select prihlasen from uzivatel where uzivatel_id=1"), 0);
        QVERIFY(check.SelectStr("select nastaveni from uzivatel where uzivatel_id=1").contains(QStringLiteral(";BrowseUkoly;")));
        check.Disconnect();
        SQLDATA = nullptr;
    }

    void onlyALocalMissingFileIsCreated_data() {
        QTest::addColumn<QString>("connection");
        QTest::addColumn<bool>("local");
        QTest::newRow("path") << "/data/zorva.gdb" << true;
        QTest::newRow("bare name") << "zorva.gdb" << true;
        QTest::newRow("server and path") << "server:/data/zorva.gdb" << false;
        QTest::newRow("server and windows path") << "server:c:\\data\\zorva.gdb" << false;
        QTest::newRow("drive") << "c:\\data\\zorva.gdb" << true;
        QTest::newRow("colon inside the path") << "/data/a:b.gdb" << true;
    }
    void onlyALocalMissingFileIsCreated() {
        QFETCH(QString, connection);
        QFETCH(bool, local);
        QCOMPARE(IsLocalDatabasePath(connection), local);
        bool created = true;
        QVERIFY(CreateDatabaseOnFirstRun(QStringLiteral("/nonexistent-folder/x.gdb"), "u", "p", &created).isEmpty());
        QVERIFY(!created);
    }

    // The program entry: who runs and who hands over.
    void programEntry_data() {
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("only1Copy");
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<int>("decision");
        QTest::addColumn<QString>("calls");
        QTest::newRow("first copy") << false << "" << "" << true << int(EntryDecision::Run) << "running?";
        QTest::newRow("second brings the first forward") << true << "" << "" << true << int(EntryDecision::Activated) << "running?,activate";
        QTest::newRow("second hands the file over") << true << "1" << "/tmp/a.zorva" << true << int(EntryDecision::HandedOver)
                                                    << "running?,handOver /tmp/a.zorva";
        QTest::newRow("hand-over fails") << true << "" << "/tmp/a.zorva" << false << int(EntryDecision::HandOverFailed)
                                         << "running?,handOver /tmp/a.zorva";
        QTest::newRow("two copies allowed") << true << "0" << "/tmp/a.zorva" << true << int(EntryDecision::Run) << "running?";
    }
    void programEntry() {
        QFETCH(bool, running);
        QFETCH(QString, only1Copy);
        QFETCH(QString, parameter);
        QFETCH(bool, writable);
        QFETCH(int, decision);
        QFETCH(QString, calls);
        FakePrompt prompt;
        QTemporaryDir dir;
        IniFile ini(dir.filePath("zorva.ini"));
        if (!only1Copy.isEmpty())
            ini.writeString("MAIN", "only_1_copy", only1Copy);
        FakeSingleInstance instance;
        instance.running = running;
        instance.fileWritable = writable;
        QCOMPARE(int(DecideProgramEntry(instance, ini, parameter)), decision);
        QCOMPARE(instance.calls.join(','), calls);
        QCOMPARE(prompt.messages, decision == int(EntryDecision::HandOverFailed) ? QStringList{LangText(1013)} : QStringList{});
        if (decision == int(EntryDecision::HandedOver))
            QCOMPARE(instance.file, parameter);
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("kind");
        QTest::newRow("none") << QStringList{} << int(StartupCommand::Kind::None);
        QTest::newRow("local") << QStringList{"setup_local_FB"} << int(StartupCommand::Kind::SetupLocal);
        QTest::newRow("net") << QStringList{"setup_net_FB", "x"} << int(StartupCommand::Kind::SetupNet);
        QTest::newRow("case matters") << QStringList{"SETUP_LOCAL_FB"} << int(StartupCommand::Kind::ItemFile);
        QTest::newRow("item file") << QStringList{"/tmp/a.zorva"} << int(StartupCommand::Kind::ItemFile);
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, kind);
        QCOMPARE(int(ParseCommandLine(arguments).kind), kind);
    }

    void setupCommands() {
        QTemporaryDir dir;
        QVERIFY(WriteLocalFirebirdConf(dir.path()));
        QFile conf(dir.filePath("firebird.conf"));
        QVERIFY(conf.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLocal8Bit(conf.readAll()), QStringLiteral("RootDirectory  = %1/fb\r\n").arg(dir.path()));
        IniFile ini(dir.filePath("zorva.ini"));
        QVERIFY(SetupNetFirebird(ini, "stanice1", dir.filePath("zorva")));
        QCOMPARE(ini.readString("DB-IB", "pathname"), QStringLiteral("stanice1:%1/zorva.gdb").arg(dir.path()));
        QCOMPARE(ini.readInteger("MAIN", "login"), 1);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
