#pragma once
#include "security/login.h"

#include <QString>

struct Configuration;
class TSQLDATA;

// Asks the person at the screen for a log-in name and password (the log-in dialog).
class LoginUi {
public:
    virtual ~LoginUi() = default;
    // False when the person cancelled.
    virtual bool askCredentials(const QString &prefillName, QString *name, QString *password) = 0;
};

// The steps of start-up and shutdown that reach the database, one call each, so that the order
// and the reactions can be followed (and replaced in tests).
class StartupServices {
public:
    virtual ~StartupServices() = default;
    // Connects with the configured pathname, user and password; on failure text 1002 was shown.
    virtual bool connect(const Configuration &config) = 0;
    // The schema gate; false = stop.
    virtual bool checkSchema() = 0;
    virtual LoginService::ChooseResult chooseUser(int mode, const QString &systemUserName, const QString &defaultGroup) = 0;
    virtual bool loginWithDialog(const QString &name, const QString &password, const QString &defaultGroup) = 0;
    virtual bool claimLogin(int netWaitMinutes) = 0;
    virtual void loadUserSettings() = 0;
    virtual void saveUserSettings() = 0;
    virtual void releaseRecordLocks() = 0;
    virtual void logout() = 0;
    virtual void disconnect() = 0;
};

// The services on the real database. A configured database file that does not exist yet (a
// local path in an existing folder) is created with the whole schema and the administrator
// "admin" before the connection: the first start of a fresh installation needs nothing else.
class DatabaseStartupServices : public StartupServices {
public:
    explicit DatabaseStartupServices(TSQLDATA &db);
    bool connect(const Configuration &config) override;
    bool checkSchema() override;
    LoginService::ChooseResult chooseUser(int mode, const QString &systemUserName, const QString &defaultGroup) override;
    bool loginWithDialog(const QString &name, const QString &password, const QString &defaultGroup) override;
    bool claimLogin(int netWaitMinutes) override;
    void loadUserSettings() override;
    void saveUserSettings() override;
    void releaseRecordLocks() override;
    void logout() override;
    void disconnect() override;

    LoginService &login() { return m_login; }

private:
    TSQLDATA &m_db;
    LoginService m_login;
};

// True when a connection string names a file of this machine (no "host:" before the path).
bool IsLocalDatabasePath(const QString &connection);
// Creates the database at connection when it is a local path whose folder exists and the file
// does not. Empty when there was nothing to do or it worked; otherwise the error, which was
// also shown.
QString CreateDatabaseOnFirstRun(const QString &connection, const QString &user, const QString &password, bool *created = nullptr);

// From start to a logged-in user, and the orderly end.
class StartupController {
public:
    enum class Result {
        Working,       // a user is logged in and the log-in is claimed
        NotConnected,  // texts 1002 and 1005 were shown
        SchemaStop,    // the schema gate stopped the start
        NoUser,        // nobody logged in (cancelled, wrong password, unknown mode)
        ClaimFailed,   // the user works on another station: text 1014 was shown
    };

    StartupController(StartupServices &services, LoginUi &ui) : m_services(services), m_ui(ui) {}

    Result start(const Configuration &config, const QString &systemUserName);
    // Saves the settings, releases the record locks, logs out, disconnects (each only when it
    // applies); safe to call more than once.
    void shutdown();

    bool connected() const { return m_connected; }
    bool loggedIn() const { return m_loggedIn; }

private:
    StartupServices &m_services;
    LoginUi &m_ui;
    bool m_connected = false;
    bool m_loggedIn = false;
};
