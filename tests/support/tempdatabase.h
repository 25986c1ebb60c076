#pragma once
#include <QString>
#include <QTemporaryDir>

// A real, empty Firebird database (dialect 1, WIN1250) in a temporary folder, dropped at the end.
// Embedded by default; when ZORVA_TEST_FB_SERVER names a host, the same database is reached
// through that Firebird server as "host:path" (ZORVA_TEST_FB_USER / ZORVA_TEST_FB_PASSWORD give
// the server's credentials).
class TempDatabase {
public:
    // server: empty = embedded; otherwise "host" or "host/port". Defaults to the environment.
    explicit TempDatabase(const QString &server = serverFromEnvironment());
    ~TempDatabase();

    bool create();
    // The connection string the program uses: a path, or host:path.
    const QString &connectionString() const { return m_connection; }
    const QString &filePath() const { return m_file; }
    const QString &folder() const { return m_dirPath; }
    const QString &user() const { return m_user; }
    const QString &password() const { return m_password; }
    const QString &error() const { return m_error; }
    bool viaServer() const { return !m_server.isEmpty(); }

    static QString serverFromEnvironment();

private:
    QTemporaryDir m_dir;
    QString m_server, m_dirPath, m_file, m_connection, m_user, m_password, m_error;
    bool m_created = false;
};

// Sets up the embedded engine's configuration once per test process.
void PrepareTestFirebird();
