// Sub-commands on the database itself: statements, script files, change notices, record locks.
#include "clicommand.h"

#include "data/session.h"
#include "data/sqldata.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

bool isSelect(const QString &sql) {
    const QString t = sql.trimmed();
    return t.startsWith(QLatin1String("select"), Qt::CaseInsensitive) || t.startsWith(QLatin1String("with"), Qt::CaseInsensitive);
}

int userOption(CliContext &ctx) {
    bool present = false;
    const QString v = ctx.takeOption(QStringLiteral("--user"), {}, &present);
    bool ok = false;
    const int id = v.toInt(&ok);
    if (!present || !ok)
        throw CliUsageError{QStringLiteral("--user ID is required")};
    return id;
}

const CliRegistrar sqlCommand({QStringLiteral("sql"), QStringLiteral("sql \"STATEMENT\"            run a statement; a Select prints its rows"),
                               [](CliContext &ctx) {
                                   ctx.noUnknownOptions();
                                   if (ctx.args.size() != 1)
                                       throw CliUsageError{QStringLiteral("sql takes one statement")};
                                   TSQLDATA *db = ctx.database();
                                   if (!db)
                                       return 1;
                                   const QString sql = ctx.args.first();
                                   if (isSelect(sql)) {
                                       TMKDATASET ds;
                                       db->FillDataset(sql, ds);
                                       for (const QString &line : ds.lines())
                                           ctx.out << line << "\n";
                                       return 0;
                                   }
                                   const QString error = db->ExecSQL(sql);
                                   if (!error.isEmpty()) {
                                       ctx.err << error << "\n";
                                       return 1;
                                   }
                                   return 0;
                               }});

const CliRegistrar scriptCommand({QStringLiteral("script"),
                                  QStringLiteral("script FILE [--header TEXT] [--key KEY] [--crc]  run a file of statements, one per line"),
                                  [](CliContext &ctx) {
                                      const QString header = ctx.takeOption(QStringLiteral("--header"));
                                      const QString key = ctx.takeOption(QStringLiteral("--key"));
                                      const bool crc = ctx.takeFlag(QStringLiteral("--crc"));
                                      ctx.noUnknownOptions();
                                      if (ctx.args.size() != 1)
                                          throw CliUsageError{QStringLiteral("script takes one file")};
                                      TSQLDATA *db = ctx.database();
                                      if (!db)
                                          return 1;
                                      const QString result = db->ExecScriptFile(ctx.args.first(), header, crc, key);
                                      if (!result.isEmpty()) {
                                          ctx.err << result << "\n";
                                          return 1;
                                      }
                                      return 0;
                                  }});

const CliRegistrar notifyCommand({QStringLiteral("notify"), QStringLiteral("notify                     tell every station that data changed"),
                                  [](CliContext &ctx) {
                                      ctx.noUnknownOptions();
                                      TSQLDATA *db = ctx.database();
                                      if (!db)
                                          return 1;
                                      return db->NotifyChange() ? 0 : 1;
                                  }});

const CliRegistrar listenCommand({QStringLiteral("listen"),
                                  QStringLiteral("listen --timeout SECONDS   print UDELEJTE REFRESH for each change notice"),
                                  [](CliContext &ctx) {
                                      bool present = false;
                                      const QString t = ctx.takeOption(QStringLiteral("--timeout"), {}, &present);
                                      bool ok = false;
                                      const double seconds = t.toDouble(&ok);
                                      if (!present || !ok || seconds < 0)
                                          throw CliUsageError{QStringLiteral("listen needs --timeout SECONDS")};
                                      ctx.noUnknownOptions();
                                      TSQLDATA *db = ctx.database();
                                      if (!db)
                                          return 1;
                                      db->StartEventListener();
                                      QEventLoop loop;
                                      QObject::connect(db, &TDataModuleIb::databaseChanged, [&]() {
                                          ctx.out << "UDELEJTE REFRESH\n";
                                          ctx.out.flush();
                                      });
                                      QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
                                      loop.exec();
                                      return 0;
                                  }});

const CliRegistrar lockCommand({QStringLiteral("lock"),
                                QStringLiteral("lock --user ID TABLE RECORD MODE   take a record lock (exit 1 when refused)"),
                                [](CliContext &ctx) {
                                    const int user = userOption(ctx);
                                    ctx.noUnknownOptions();
                                    bool okRecord = false, okMode = false;
                                    if (ctx.args.size() != 3)
                                        throw CliUsageError{QStringLiteral("lock takes TABLE RECORD MODE")};
                                    const int record = ctx.args.at(1).toInt(&okRecord);
                                    const int mode = ctx.args.at(2).toInt(&okMode);
                                    if (!okRecord || !okMode || mode < 0 || mode > 2)
                                        throw CliUsageError{QStringLiteral("RECORD is a number and MODE 0, 1 or 2")};
                                    TSQLDATA *db = ctx.database();
                                    if (!db)
                                        return 1;
                                    Session::setCurrentUserId(user);
                                    return db->LockRecord(ctx.args.at(0), record, mode) ? 0 : 1;
                                }});

const CliRegistrar unlockAllCommand({QStringLiteral("unlock-all"),
                                     QStringLiteral("unlock-all --user ID       release every record lock of the user"),
                                     [](CliContext &ctx) {
                                         const int user = userOption(ctx);
                                         ctx.noUnknownOptions();
                                         if (!ctx.args.isEmpty())
                                             throw CliUsageError{QStringLiteral("unlock-all takes no arguments")};
                                         TSQLDATA *db = ctx.database();
                                         if (!db)
                                             return 1;
                                         Session::setCurrentUserId(user);
                                         const QString error = db->UnlockAll();
                                         if (!error.isEmpty()) {
                                             ctx.err << error << "\n";
                                             return 1;
                                         }
                                         return 0;
                                     }});
}
