#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

class QThread;

// A read that the server refused. Reads raise (the caller shows the error window); writes return
// the server's text instead.
class SqlReadError : public std::runtime_error {
public:
    SqlReadError(const QString &message, const QString &sql)
        : std::runtime_error(message.toStdString()), m_message(message), m_sql(sql) {}
    const QString &message() const { return m_message; }
    const QString &sql() const { return m_sql; }

private:
    QString m_message;
    QString m_sql;
};

// One field of a fetched row: its text form as the rest of the program reads it, and NULL.
struct FieldText {
    QString text;
    bool isNull = false;
};

// Owner of the connection to the Firebird database, on the client library directly: SQL dialect 1,
// connection character set WIN1250, one shared read transaction, every write in a transaction of
// its own. The event listener turns "UDELEJTE REFRESH" into the databaseChanged signal.
class TDataModuleIb : public QObject {
    Q_OBJECT
public:
    explicit TDataModuleIb(QObject *parent = nullptr);
    ~TDataModuleIb() override;

    // Shows text 1002 with the connection string through the prompt and returns false on failure.
    bool Connect(const QString &database, const QString &user, const QString &password);
    // The same without any message; the server's text is in LastConnectError().
    bool ConnectQuiet(const QString &database, const QString &user, const QString &password);
    void Disconnect();
    bool Connected() const;
    QString LastConnectError() const { return m_connectError; }
    QString DatabaseName() const { return m_database; }

    // Ends the shared read transaction; the next read starts a fresh one that sees what other
    // stations have committed.
    void RestartTransaction();

    // Runs a query and hands every row to the callback; the header callback gets the field names
    // first. Raises SqlReadError when the server refuses.
    void Query(const QString &sql, const std::function<void(const QStringList &)> &header,
               const std::function<void(const QList<FieldText> &)> &row);

    // The same, each row handed over as one line in the comma encoding of TMKDATASET.
    void QueryLines(const QString &sql, const std::function<void(const QStringList &)> &header,
                    const std::function<void(QString &&)> &line);

    QString ExecSQL(const QString &sql);
    QString ExecSQLList(const QStringList &statements);
    // The same; on failure *failedIndex is the index of the statement the server refused.
    QString ExecSQLList(const QStringList &statements, int *failedIndex);
    // ExecSQL that also tells how many rows the statement touched.
    QString ExecSQLCount(const QString &sql, int *rows);

    // Runs fn inside one write transaction that holds the named table reserved for protected
    // write, so that two stations doing the same check-then-insert on it are served one after
    // the other. fn reads and writes through the Transaction it is given; returning false rolls
    // back. The result is the server's error text, empty on success.
    class Transaction {
    public:
        virtual ~Transaction() = default;
        virtual int selectInt(const QString &sql, QString *error) = 0;
        virtual QString exec(const QString &sql, int *rows = nullptr) = 0;
    };
    QString RunReserved(const QString &table, const std::function<bool(Transaction &)> &fn);

    bool NotifyChange();
    int GenId(const QString &generator);
    QString SaveBlob(const QString &procedure, int id, const QByteArray &content);
    // The named BLOB field of the first row; empty when there is no row.
    QByteArray LoadBlob(const QString &sql, const QString &field);
    QDateTime ServerTime(double offsetDays = 0);
    QString ServerTimeText(double offsetDays = 0);

    // Whether Connect starts the listener (the desktop program does; one-shot commands need not).
    void SetListenOnConnect(bool listen) { m_listenOnConnect = listen; }
    // Listens for "UDELEJTE REFRESH" (started by Connect, stopped by Disconnect).
    void StartEventListener();
    void StopEventListener();

    // Makes a new database file (dialect 1, WIN1250) and leaves it closed.
    static QString CreateDatabase(const QString &database, const QString &user, const QString &password);
    static QString DropDatabase(const QString &database, const QString &user, const QString &password);
    // Switches the database's forced (synchronous) writes; off only while a new database is
    // being filled, where thousands of commits would each wait for the disk.
    static QString SetForcedWrites(const QString &database, const QString &user, const QString &password, bool on);

Q_SIGNALS:
    // Another station (or this one) called NotifyChange: message 1125 of the main window.
    void databaseChanged();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    QString m_database;
    QString m_connectError;
    bool m_listenOnConnect = true;
};
