#pragma once
#include <QString>
#include <QStringList>

class TSQLDATA;

// The schema version this program works with. A database is brought forward one version per
// start by the gate; a new database is made at this version in one go.
constexpr int kRequiredSchemaVersion = 12;

// The statements of one upgrade step in the order they run: the first batch in one
// transaction, then every single statement on its own (their errors do not stop the step), then
// the final batch with the grants, the seed rows and the verze row in one transaction.
struct UpgradeStep {
    int version = 0;
    QStringList firstBatch;
    QStringList singles;
    QStringList finalBatch;
};

// The statements of the step to version (2..12); an empty step for any other number. The
// step to 3 carries the built-in name-day lists; the step to 8 names printFolder (the folder
// for printed invoices, with its trailing separator) in the invoice settings row.
UpgradeStep UpgradeStatements(int version, const QString &printFolder);
// The invoice print folder a new settings row gets: the program's folder followed by "JF".
QString DefaultInvoicePrintFolder();

// What running one step did.
struct UpgradeOutcome {
    bool completed = false;     // the final batch ran, so the verze row is written
    QString firstBatchError;    // the step stopped here and changed nothing
    QString finalBatchError;
    QStringList singleErrors;   // "statement\r\nerror" for every single statement the server refused
};

// Runs the step to version on db without any message.
UpgradeOutcome RunUpgradeStep(TSQLDATA &db, int version);

// Runs the step to version n on SQLDATA and shows the errors of its batches through prompt().
// A failed first batch stops the step, so the version stays where it was and the step runs
// again at the next start. True when the verze row was written.
bool UpgradeTo(int version);

enum class SchemaGate {
    Current,    // the database is at the required version: go on
    Upgraded,   // one step ran and completed: the program ends, the next start continues
    Declined,   // the user did not confirm the conversion: the program ends
    Failed,     // the step did not complete: the program ends, the version is unchanged
    TooNew,     // the database is newer than the program: refused, the program ends
};

// The version gate at start, on SQLDATA, with its messages through prompt(): at most one step
// per call, and only after the user confirmed.
SchemaGate RunSchemaGate();
// True when the program may go on (the database is current).
bool CheckSchema();

// The statements of the prepared version-1 database, split into transactions: the tables,
// generators, triggers, procedures, role and grants, then the first rows.
QList<QStringList> PreparedDatabaseScript();
// Splits a script into statements: each ends on a line that ends with ";"; lines that begin
// with "--" and blank lines are left out; a line "COMMIT;" ends a transaction.
QList<QStringList> SplitSqlScript(const QString &text);

// Fills a connected, empty database with the prepared version-1 schema and then, up to
// toVersion, every upgrade step without dialogs (a new database has nothing to lose). Empty on
// success, otherwise what went wrong.
QString BuildSchema(TSQLDATA &db, int toVersion = kRequiredSchemaVersion);

// At the program's start: when the configured database is a local file that does not exist yet
// (the first run), makes it at the required version without asking. Does nothing for a database
// that exists or is reached through a server. Empty on success, otherwise the error.
QString CreateDatabaseOnFirstStart(const QString &connection, const QString &user, const QString &password);

// Makes a new database file at connection (a path or host:path) and builds the schema up to
// toVersion in it. Refuses a path that exists. Empty on success, otherwise the error.
QString CreateSchemaDatabase(const QString &connection, const QString &user, const QString &password,
                             int toVersion = kRequiredSchemaVersion);
