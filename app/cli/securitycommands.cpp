// Sub-commands for users, groups and log-in.
#include "clicommand.h"

#include "data/session.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "security/login.h"
#include "security/rights.h"
#include "security/usergroups.h"

namespace {

int groupIdByName(TSQLDATA &db, const QString &name) {
    return db.SelectInt(QStringLiteral("Select uzivskupina_id from uzivskupina where popis=%1").arg(QuoteStr(name)));
}

const CliRegistrar userAdd(
    {QStringLiteral("user add"),
     QStringLiteral("user add LOGIN [--password TEXT] [--admin] [--group NAME]...   create a user (groups must exist)"),
     [](CliContext &ctx) {
         UserRecord u;
         u.password = ctx.takeOption(QStringLiteral("--password"));
         u.newPassword = true;
         u.administrator = ctx.takeFlag(QStringLiteral("--admin"));
         QStringList groupNames;
         for (bool present = true; present;) {
             const QString g = ctx.takeOption(QStringLiteral("--group"), {}, &present);
             if (present)
                 groupNames << g;
         }
         ctx.noUnknownOptions();
         if (ctx.args.size() != 1 || ctx.args.first().trimmed().isEmpty())
             throw CliUsageError{QStringLiteral("user add takes one LOGIN")};
         TSQLDATA *db = ctx.database();
         if (!db)
             return 1;
         u.login = ctx.args.first();
         u.description = u.login;
         if (db->SelectInt(QStringLiteral("select count(*) from uzivatel where login=%1").arg(QuoteStr(u.login))) > 0) {
             ctx.err << "user " << u.login << " exists already\n";
             return 1;
         }
         for (const QString &name : groupNames) {
             const int id = groupIdByName(*db, name);
             if (id == 0) {
                 ctx.err << "no group named " << name << "\n";
                 return 1;
             }
             u.groups << id;
         }
         const int id = SaveUser(*db, u);
         if (id == 0)
             return 1;
         ctx.out << id << "\n";
         return 0;
     }});

const CliRegistrar userList({QStringLiteral("user list"),
                             QStringLiteral("user list                  one line per user: id, login, administrator (1/0), groups (tab-separated)"),
                             [](CliContext &ctx) {
                                 ctx.noUnknownOptions();
                                 TSQLDATA *db = ctx.database();
                                 if (!db)
                                     return 1;
                                 TMKDATASET users;
                                 db->FillDataset(QStringLiteral("select uzivatel_id, login, administrator from uzivatel order by uzivatel_id"), users);
                                 for (int r = 1; r <= users.RecordCount(); ++r) {
                                     const QString groups = db->SelectColumn(
                                         QStringLiteral("select g.popis from spoj_uzivatel_uzivskupina s join uzivskupina g on "
                                                        "g.uzivskupina_id = s.uzivskupina_id where s.uzivatel_id=%1 order by g.popis")
                                             .arg(users.Value(r, 1)),
                                         QStringLiteral(","));
                                     ctx.out << users.Value(r, 1) << '\t' << users.Value(r, 2) << '\t'
                                             << (users.Value(r, 3).trimmed() == QLatin1String("1") ? "1" : "0") << '\t' << groups << "\n";
                                 }
                                 return 0;
                             }});

const CliRegistrar groupAdd({QStringLiteral("group add"), QStringLiteral("group add NAME             create a user group, print its id"),
                             [](CliContext &ctx) {
                                 ctx.noUnknownOptions();
                                 if (ctx.args.size() != 1 || ctx.args.first().trimmed().isEmpty())
                                     throw CliUsageError{QStringLiteral("group add takes one NAME")};
                                 TSQLDATA *db = ctx.database();
                                 if (!db)
                                     return 1;
                                 if (groupIdByName(*db, ctx.args.first())) {
                                     ctx.err << "group " << ctx.args.first() << " exists already\n";
                                     return 1;
                                 }
                                 GroupRecord g;
                                 g.description = ctx.args.first();
                                 const int id = SaveGroup(*db, g);
                                 if (id == 0)
                                     return 1;
                                 ctx.out << id << "\n";
                                 return 0;
                             }});

const CliRegistrar loginCommand({QStringLiteral("login"),
                                 QStringLiteral("login LOGIN --password TEXT   exit 0 when the credentials would log in, 1 otherwise"),
                                 [](CliContext &ctx) {
                                     bool present = false;
                                     const QString password = ctx.takeOption(QStringLiteral("--password"), {}, &present);
                                     if (!present)
                                         throw CliUsageError{QStringLiteral("login needs --password TEXT")};
                                     ctx.noUnknownOptions();
                                     if (ctx.args.size() != 1)
                                         throw CliUsageError{QStringLiteral("login takes one LOGIN")};
                                     TSQLDATA *db = ctx.database();
                                     if (!db)
                                         return 1;
                                     LoginService login(*db);
                                     int id = 0;
                                     switch (login.CheckCredentials(ctx.args.first(), password, &id)) {
                                     case LoginService::CheckResult::Ok:
                                         ctx.out << "ok: user " << id << "\n";
                                         return 0;
                                     case LoginService::CheckResult::NoLoginRight:
                                         ctx.out << "refused: the user has no right to log in\n";
                                         return 1;
                                     default:
                                         ctx.out << "refused: wrong name or password\n";
                                         return 1;
                                     }
                                 }});

const CliRegistrar readFilterCommand({QStringLiteral("readfilter"),
                                      QStringLiteral("readfilter --user ID TABLE   the read condition list queries append for that user"),
                                      [](CliContext &ctx) {
                                          bool present = false;
                                          bool ok = false;
                                          const int user = ctx.takeOption(QStringLiteral("--user"), {}, &present).toInt(&ok);
                                          if (!present || !ok)
                                              throw CliUsageError{QStringLiteral("--user ID is required")};
                                          ctx.noUnknownOptions();
                                          if (ctx.args.size() != 1)
                                              throw CliUsageError{QStringLiteral("readfilter takes one TABLE")};
                                          TSQLDATA *db = ctx.database();
                                          if (!db)
                                              return 1;
                                          const QString groups = db->SelectColumn(
                                              QStringLiteral("Select uzivskupina_id from spoj_uzivatel_uzivskupina where uzivatel_id=%1 order by uzivskupina_id").arg(user),
                                              QStringLiteral(","));
                                          ctx.out << ReadFilterFor(ctx.args.first(), true, groups) << "\n";
                                          return 0;
                                      }});
}
