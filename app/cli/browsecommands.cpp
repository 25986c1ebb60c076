// Sub-command that opens a browse definition the way the main window's grid does, for one user.
#include "clicommand.h"

#include "data/mkdataset.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "data/usersettings.h"
#include "framework/browsedefinitions.h"
#include "framework/stringgridcore.h"
#include "security/login.h"

namespace {

QDate dateOption(CliContext &ctx, const QString &name) {
    bool present = false;
    const QString text = ctx.takeOption(name, {}, &present);
    if (!present)
        return {};
    const QDate d = ParseDateText(text);
    if (!d.isValid())
        throw CliUsageError{name + QStringLiteral(" takes a date D.M.YYYY")};
    return d;
}

const CliRegistrar browseCommand(
    {QStringLiteral("browse"),
     QStringLiteral("browse NAME --user ID [--where \"CONDITION\"] [--sql] [--car ID --from D.M.YYYY --to D.M.YYYY]\n"
                    "                             the rows the list NAME shows that user; --sql only its statement"),
     [](CliContext &ctx) {
         bool present = false;
         bool ok = false;
         const int user = ctx.takeOption(QStringLiteral("--user"), {}, &present).toInt(&ok);
         if (!present || !ok)
             throw CliUsageError{QStringLiteral("--user ID is required")};
         const QString where = ctx.takeOption(QStringLiteral("--where"));
         const bool sqlOnly = ctx.takeFlag(QStringLiteral("--sql"));
         bool carGiven = false;
         const int car = ctx.takeOption(QStringLiteral("--car"), {}, &carGiven).toInt();
         const QDate from = dateOption(ctx, QStringLiteral("--from"));
         const QDate to = dateOption(ctx, QStringLiteral("--to"));
         ctx.noUnknownOptions();
         if (ctx.args.size() != 1)
             throw CliUsageError{QStringLiteral("browse takes one list NAME")};
         const QString name = ctx.args.first();
         if (!FindBrowseDefinition(name)) {
             ctx.err << "unknown list " << name << "; known lists:\n" << BrowseDefinitionNames().join(QLatin1Char('\n')) << "\n";
             return 1;
         }
         TSQLDATA *db = ctx.database();
         if (!db)
             return 1;
         SQLDATA = db;
         if (db->SelectInt(QStringLiteral("Select count(*) from uzivatel where uzivatel_id=%1").arg(user)) != 1) {
             ctx.err << "no user " << user << "\n";
             return 1;
         }
         LoginService(*db).AfterLogin(user, {});
         LoadUserSettings(*db, user, CurrentUserSettings());
         BrowseContext context = BrowseContextForUser(*db, user);
         context.chooseCar = [&](int *carId, QDate *f, QDate *t) {
             *carId = car;
             *f = from;
             *t = to;
             return carGiven;
         };
         StringGridCore grid;
         if (sqlOnly) {
             int sort = 1;
             bool oddEven = true;
             if (!ApplyBrowseDefinition(grid, name, where, context, &sort, &oddEven)) {
                 ctx.err << "the list needs a car: --car ID\n";
                 return 1;
             }
             ctx.out << grid.PrepareSelect(sort) << "\n";
             return 0;
         }
         if (!OpenBrowseDefinition(grid, name, where, context)) {
             ctx.err << "the list needs a car: --car ID\n";
             return 1;
         }
         if (!grid.LastError().isEmpty())
             return 1;
         for (int r = 0; r <= grid.RowCount(); ++r) {
             QStringList cells;
             for (int c = 0; c < grid.ColumnCount(); ++c)
                 cells << grid.Cell(r, c);
             ctx.out << EncodeCommaLine(cells) << "\n";
         }
         return 0;
     }});

} // namespace
