// Sub-commands on the schema: a new database, its version, one step of the upgrade gate.
#include "clicommand.h"

#include "data/prompt.h"
#include "data/schema.h"
#include "data/sqldata.h"

#include <QElapsedTimer>

namespace {

const CliRegistrar createCommand(
    {QStringLiteral("db create"), QStringLiteral("db create PATH [--version 1]   make a new database (at version 12, or the prepared version 1)"),
     [](CliContext &ctx) {
         bool present = false;
         const QString v = ctx.takeOption(QStringLiteral("--version"), {}, &present);
         ctx.noUnknownOptions();
         if (present && v != QLatin1String("1"))
             throw CliUsageError{QStringLiteral("--version only takes 1")};
         if (ctx.args.size() != 1)
             throw CliUsageError{QStringLiteral("db create takes one PATH")};
         const QString path = ctx.args.first();
         const QString error = CreateSchemaDatabase(path, ctx.dbUser, ctx.dbPassword, present ? 1 : kRequiredSchemaVersion);
         if (!error.isEmpty()) {
             ctx.err << "zorva-cli: " << error << "\n";
             return 1;
         }
         return 0;
     }});

const CliRegistrar versionCommand({QStringLiteral("db version"), QStringLiteral("db version                 print the schema version of the database"),
                                   [](CliContext &ctx) {
                                       ctx.noUnknownOptions();
                                       if (!ctx.args.isEmpty())
                                           throw CliUsageError{QStringLiteral("db version takes no arguments")};
                                       TSQLDATA *db = ctx.database();
                                       if (!db)
                                           return 1;
                                       ctx.out << db->SchemaVersion() << "\n";
                                       return 0;
                                   }});

const CliRegistrar upgradeCommand(
    {QStringLiteral("db upgrade"),
     QStringLiteral("db upgrade --yes           run the version gate once, answering Yes (exit 3 when the database is newer)"),
     [](CliContext &ctx) {
         const bool yes = ctx.takeFlag(QStringLiteral("--yes"));
         ctx.noUnknownOptions();
         if (!yes)
             throw CliUsageError{QStringLiteral("db upgrade needs --yes")};
         if (!ctx.args.isEmpty())
             throw CliUsageError{QStringLiteral("db upgrade takes no arguments")};
         TSQLDATA *db = ctx.database();
         if (!db)
             return 1;
         StderrPrompt answerYes(true);
         setPrompt(&answerYes);
         const SchemaGate result = RunSchemaGate();
         setPrompt(nullptr);
         switch (result) {
         case SchemaGate::Current:
         case SchemaGate::Upgraded:
             return 0;
         case SchemaGate::TooNew:
             return 3;
         case SchemaGate::Declined:
         case SchemaGate::Failed:
             break;
         }
         return 1;
     }});

}
