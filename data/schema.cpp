#include "schema.h"

#include "localisation/langtext.h"
#include "prompt.h"
#include "sqldata.h"

#include <QFile>
#include <QFileInfo>

QList<QStringList> SplitSqlScript(const QString &text) {
    QList<QStringList> transactions{QStringList{}};
    QString statement;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1String("--")))
            continue;
        statement += statement.isEmpty() ? t : QStringLiteral("\n") + t;
        if (!t.endsWith(QLatin1Char(';')))
            continue;
        if (statement.compare(QLatin1String("COMMIT;"), Qt::CaseInsensitive) == 0) {
            if (!transactions.last().isEmpty())
                transactions << QStringList{};
        } else {
            transactions.last() << statement;
        }
        statement.clear();
    }
    if (!statement.isEmpty())
        transactions.last() << statement;
    if (transactions.last().isEmpty() && transactions.size() > 1)
        transactions.removeLast();
    return transactions;
}

QList<QStringList> PreparedDatabaseScript() {
    QFile f(QStringLiteral(":/zorva/schema_v1.sql"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return SplitSqlScript(QString::fromUtf8(f.readAll()));
}

UpgradeOutcome RunUpgradeStep(TSQLDATA &db, int version) {
    UpgradeOutcome out;
    const UpgradeStep step = UpgradeStatements(version, DefaultInvoicePrintFolder());
    if (step.finalBatch.isEmpty()) {
        out.firstBatchError = QStringLiteral("There is no upgrade step to version %1.").arg(version);
        return out;
    }
    if (!step.firstBatch.isEmpty()) {
        out.firstBatchError = db.ExecSQLList(step.firstBatch);
        if (!out.firstBatchError.isEmpty())
            return out;
    }
    for (const QString &sql : step.singles) {
        const QString error = db.ExecSQL(sql);
        if (!error.isEmpty())
            out.singleErrors << sql + QStringLiteral("\r\n") + error;
    }
    out.finalBatchError = db.ExecSQLList(step.finalBatch);
    out.completed = out.finalBatchError.isEmpty();
    return out;
}

bool UpgradeTo(int version) {
    if (!SQLDATA)
        return false;
    const UpgradeOutcome out = RunUpgradeStep(*SQLDATA, version);
    // Versions 5 and up mark an error of their first batch with "*".
    if (!out.firstBatchError.isEmpty())
        prompt().message((version >= 5 ? QStringLiteral("*") : QString()) + out.firstBatchError, Prompt::Kind::Plain);
    if (!out.finalBatchError.isEmpty())
        prompt().message(out.finalBatchError, Prompt::Kind::Plain);
    return out.completed;
}

SchemaGate RunSchemaGate() {
    if (!SQLDATA)
        return SchemaGate::Failed;
    const int R = kRequiredSchemaVersion;
    const int C = SQLDATA->SchemaVersion();
    const QString lineBreak = QStringLiteral("\r\n");
    QString text = LangText(1063);
    text.replace(text.indexOf(QLatin1String("%d")), 2, QString::number(R));
    text.replace(text.indexOf(QLatin1String("%d")), 2, QString::number(C));
    text += lineBreak;
    if (C > R) {
        text += LangText(1064);
        prompt().message(text, Prompt::Kind::Error);
        return SchemaGate::TooNew;
    }
    if (C == R)
        return SchemaGate::Current;
    text += LangText(1065) + lineBreak + LangText(1066) + lineBreak;
    if (C + 1 < R)
        text += LangText(1067) + lineBreak;
    text += LangText(1068) + lineBreak + LangText(1069) + lineBreak;
    if (!prompt().ask(text, Prompt::Kind::Warning))
        return SchemaGate::Declined;
    if (!UpgradeTo(C + 1))
        return SchemaGate::Failed;
    prompt().message(LangText(1058), Prompt::Kind::Information);
    return SchemaGate::Upgraded;
}

bool CheckSchema() { return RunSchemaGate() == SchemaGate::Current; }

QString BuildSchema(TSQLDATA &db, int toVersion) {
    if (toVersion < 1 || toVersion > kRequiredSchemaVersion)
        return QStringLiteral("There is no schema version %1.").arg(toVersion);
    const QList<QStringList> script = PreparedDatabaseScript();
    if (script.isEmpty())
        return QStringLiteral("The creation script is missing from the program.");
    for (const QStringList &transaction : script) {
        const QString error = db.ExecSQLList(transaction);
        if (!error.isEmpty())
            return error;
    }
    for (int v = 2; v <= toVersion; ++v) {
        const UpgradeOutcome out = RunUpgradeStep(db, v);
        // A new database has nothing that could make a statement fail, so any error is a fault
        // of the program and the database is not handed out half made.
        QString error = out.firstBatchError;
        if (error.isEmpty() && !out.singleErrors.isEmpty())
            error = out.singleErrors.first();
        if (error.isEmpty())
            error = out.finalBatchError;
        if (!error.isEmpty())
            return QStringLiteral("Step to version %1: %2").arg(v).arg(error);
    }
    return {};
}

namespace {
// "host:path" or "host/port:path"; a drive letter ("C:\\...") is one character before the colon.
bool isRemote(const QString &connection) { return connection.indexOf(QLatin1Char(':')) > 1; }
}

QString CreateDatabaseOnFirstStart(const QString &connection, const QString &user, const QString &password) {
    if (connection.isEmpty() || isRemote(connection) || QFileInfo::exists(connection))
        return {};
    return CreateSchemaDatabase(connection, user, password);
}

QString CreateSchemaDatabase(const QString &connection, const QString &user, const QString &password, int toVersion) {
    // A local path that exists is never overwritten; through a server the server refuses it.
    if (!isRemote(connection) && QFileInfo::exists(connection))
        return QStringLiteral("%1 already exists.").arg(connection);
    QString error = TDataModuleIb::CreateDatabase(connection, user, password);
    if (!error.isEmpty())
        return error;
    TDataModuleIb::SetForcedWrites(connection, user, password, false);
    {
        TSQLDATA db;
        if (!db.ConnectQuiet(connection, user, password))
            error = db.LastConnectError();
        else
            error = BuildSchema(db, toVersion);
    }
    if (!error.isEmpty()) {
        TDataModuleIb::DropDatabase(connection, user, password);
        return error;
    }
    // Written data is only safe against a power cut with synchronous writes.
    return TDataModuleIb::SetForcedWrites(connection, user, password, true);
}
