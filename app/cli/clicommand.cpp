#include "clicommand.h"

#include "data/sqldata.h"

CliRegistry &CliRegistry::instance() {
    static CliRegistry registry;
    return registry;
}

TSQLDATA *CliContext::database() {
    if (connection)
        return connection.get();
    if (db.isEmpty()) {
        err << "zorva-cli: --db PATH is required for this command\n";
        err.flush();
        throw CliUsageError{QStringLiteral("--db PATH is required")};
    }
    auto c = std::make_unique<TSQLDATA>();
    // Only "listen" waits for change notices; the others finish before any could arrive.
    c->SetListenOnConnect(false);
    if (!c->ConnectQuiet(db, dbUser, dbPassword)) {
        err << c->LastConnectError() << "\n";
        err.flush();
        return nullptr;
    }
    connection = std::move(c);
    SQLDATA = connection.get();
    return connection.get();
}

QString CliContext::takeOption(const QString &name, const QString &def, bool *present) {
    const qsizetype i = args.indexOf(name);
    if (present)
        *present = i >= 0;
    if (i < 0)
        return def;
    if (i + 1 >= args.size())
        throw CliUsageError{name + QStringLiteral(" needs a value")};
    const QString v = args.at(i + 1);
    args.remove(i, 2);
    return v;
}

bool CliContext::takeFlag(const QString &name) {
    const qsizetype i = args.indexOf(name);
    if (i < 0)
        return false;
    args.remove(i);
    return true;
}

bool CliContext::noUnknownOptions() {
    for (const QString &a : args)
        if (a.startsWith(QLatin1String("--")))
            throw CliUsageError{QStringLiteral("unknown option ") + a};
    return true;
}
