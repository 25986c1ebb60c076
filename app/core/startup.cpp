#include "startup.h"

#include "data/configuration.h"
#include "data/prompt.h"
#include "data/schema.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "data/usersettings.h"
#include "localisation/langtext.h"

#include <QDir>
#include <QFileInfo>

bool IsLocalDatabasePath(const QString &connection) {
    const qsizetype colon = connection.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return true;
    // "C:\..." is a drive, not a host.
    if (colon == 1)
        return true;
    const qsizetype slash = connection.indexOf(QLatin1Char('/'));
    const qsizetype backslash = connection.indexOf(QLatin1Char('\\'));
    qsizetype firstSeparator = slash < 0 ? backslash : (backslash < 0 ? slash : qMin(slash, backslash));
    return firstSeparator >= 0 && firstSeparator < colon;
}

QString CreateDatabaseOnFirstRun(const QString &connection, const QString &user, const QString &password, bool *created) {
    if (created)
        *created = false;
    if (connection.isEmpty() || !IsLocalDatabasePath(connection))
        return {};
    const QFileInfo file(connection);
    if (file.exists() || !file.dir().exists())
        return {};
    const QString error = CreateDatabaseOnFirstStart(connection, user, password);
    if (!error.isEmpty()) {
        prompt().message(QStringLiteral("Databázi %1 se nepodařilo vytvořit.\r\n%2").arg(connection, error), Prompt::Kind::Error);
        return error;
    }
    if (created)
        *created = true;
    return {};
}

DatabaseStartupServices::DatabaseStartupServices(TSQLDATA &db) : m_db(db), m_login(db) {}

bool DatabaseStartupServices::connect(const Configuration &config) {
    CreateDatabaseOnFirstRun(config.dbPathname, config.dbUsername, config.dbPassword);
    m_db.SetNetMode(config.netMode);
    return m_db.Connect(config.dbPathname, config.dbUsername, config.dbPassword);
}

bool DatabaseStartupServices::checkSchema() { return CheckSchema(); }

LoginService::ChooseResult DatabaseStartupServices::chooseUser(int mode, const QString &systemUserName, const QString &defaultGroup) {
    return m_login.ChooseUser(mode, systemUserName, defaultGroup);
}

bool DatabaseStartupServices::loginWithDialog(const QString &name, const QString &password, const QString &defaultGroup) {
    return m_login.LoginWithDialog(name, password, defaultGroup);
}

bool DatabaseStartupServices::claimLogin(int netWaitMinutes) { return m_login.ClaimLogin(netWaitMinutes); }

void DatabaseStartupServices::loadUserSettings() { LoadUserSettings(m_db, Session::currentUserId(), CurrentUserSettings()); }

void DatabaseStartupServices::saveUserSettings() { SaveUserSettings(m_db, Session::currentUserId(), CurrentUserSettings()); }

void DatabaseStartupServices::releaseRecordLocks() { m_db.UnlockAll(); }

void DatabaseStartupServices::logout() { m_login.Logout(); }

void DatabaseStartupServices::disconnect() { m_db.Disconnect(); }

StartupController::Result StartupController::start(const Configuration &config, const QString &systemUserName) {
    Session::clear();
    if (!m_services.connect(config)) {
        prompt().message(LangText(1005), Prompt::Kind::Plain);
        return Result::NotConnected;
    }
    m_connected = true;
    Session::setCurrentUserId(0);
    if (!m_services.checkSchema())
        return Result::SchemaStop;

    const LoginService::ChooseResult choice = m_services.chooseUser(config.login, systemUserName, config.defaultGroup);
    if (choice.choice == LoginService::Choice::End)
        return Result::NoUser;
    if (choice.choice == LoginService::Choice::ShowDialog) {
        QString name, password;
        if (!m_ui.askCredentials(choice.prefillName, &name, &password))
            return Result::NoUser;
        if (!m_services.loginWithDialog(name, password, config.defaultGroup))
            return Result::NoUser;
    }
    if (Session::currentUserId() == 0)
        return Result::NoUser;

    if (!m_services.claimLogin(config.netWaitTime)) {
        Session::clear();
        prompt().message(LangText(1014).replace(QStringLiteral("%s"), QStringLiteral("\r\n")), Prompt::Kind::Error);
        return Result::ClaimFailed;
    }
    m_loggedIn = true;
    m_services.loadUserSettings();
    return Result::Working;
}

void StartupController::shutdown() {
    if (m_loggedIn) {
        m_services.saveUserSettings();
        m_services.releaseRecordLocks();
        m_services.logout();
        m_loggedIn = false;
        Session::clear();
    }
    if (m_connected) {
        m_services.disconnect();
        m_connected = false;
    }
}
