// Sub-commands on exchanged files: GPC bank statements, dBASE tables, CSV of addresses, events
// and tasks.
#include "clicommand.h"

#include "business/bank/bu_gpc.h"
#include "business/bank/gpcimport.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "exchange/csv/csvexchange.h"
#include "exchange/dbf/dbfimport.h"
#include "exchange/dbf/typ_mkdbf.h"

namespace {

QString dateText(const QDate &d) { return d.isValid() ? d.toString(QStringLiteral("d.M.yyyy")) : QString(); }

// RFC 4180: only a value holding a comma, a double quote or a line break is quoted.
QString csvField(const QString &value) {
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\n'))
        && !value.contains(QLatin1Char('\r')))
        return value;
    QString v = value;
    v.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + v + QLatin1Char('"');
}

QString codePageOption(CliContext &ctx, bool required) {
    bool present = false;
    const QString code = ctx.takeOption(QStringLiteral("--codepage"), QStringLiteral("W"), &present).toUpper();
    if (required && !present)
        throw CliUsageError{QStringLiteral("--codepage W|L|K is required")};
    if (code != QLatin1String("W") && code != QLatin1String("L") && code != QLatin1String("K"))
        throw CliUsageError{QStringLiteral("--codepage takes W, L or K")};
    return code;
}

QString tableArgument(const QString &table) {
    const QString t = table.toUpper();
    if (!IsImportTable(t))
        throw CliUsageError{QStringLiteral("TABLE is ADRESAR_ZAKL, KU or UKOLY")};
    return t;
}

// Records who imports; without --user the rows carry user 0.
void userOption(CliContext &ctx) {
    bool present = false;
    const QString v = ctx.takeOption(QStringLiteral("--user"), {}, &present);
    if (!present)
        return;
    bool ok = false;
    const int id = v.toInt(&ok);
    if (!ok)
        throw CliUsageError{QStringLiteral("--user takes a number")};
    Session::setCurrentUserId(id);
}

int reportImport(CliContext &ctx, const ImportResult &r) {
    if (!r.ok) {
        ctx.err << (r.cancelled ? QStringLiteral("cancelled") : r.error) << "\n";
        return 1;
    }
    ctx.out << r.rows << " rows imported\n";
    return 0;
}

const CliRegistrar gpcCommand(
    {QStringLiteral("gpc"), QStringLiteral("gpc FILE                   print the header and the lines of a GPC bank statement"),
     [](CliContext &ctx) {
         ctx.noUnknownOptions();
         if (ctx.args.size() != 1)
             throw CliUsageError{QStringLiteral("gpc takes one file")};
         TBU_GPC gpc;
         if (!gpc.Load(ctx.args.first())) {
             ctx.err << "cannot read " << ctx.args.first() << "\n";
             return 1;
         }
         if (!gpc.SpravnaData()) {
             ctx.err << GpcInvalidFileMessage(ctx.args.first()).replace(QLatin1String("\n\r"), QLatin1String("\n")) << "\n";
             return 1;
         }
         ctx.out << "account=" << gpc.Souhrn_CisloUctu() << "\n"
                 << "name=" << gpc.Souhrn_NazevUctu() << "\n"
                 << "old_balance_date=" << dateText(gpc.Souhrn_DatumStarehoZustatku()) << "\n"
                 << "old_balance=" << TBU_GPC::FormatHundredths(gpc.Souhrn_Hundredths(46)) << "\n"
                 << "new_balance=" << TBU_GPC::FormatHundredths(gpc.Souhrn_Hundredths(61)) << "\n"
                 << "debit_turnover=" << TBU_GPC::FormatHundredths(gpc.Souhrn_Hundredths(76)) << "\n"
                 << "credit_turnover=" << TBU_GPC::FormatHundredths(gpc.Souhrn_Hundredths(91)) << "\n"
                 << "statement=" << gpc.Souhrn_PoradoveCVypisu() << "\n"
                 << "accounting_date=" << dateText(gpc.Souhrn_DatumZuctovani()) << "\n";
         for (int i = 1; i <= gpc.PocetVet(); ++i) {
             const QStringList fields = {gpc.Veta_CisloUctuKlienta(i),
                                         gpc.Veta_CisloProtiuctu(i),
                                         gpc.Veta_KodBanky(i),
                                         TBU_GPC::FormatHundredths(gpc.Veta_CastkaSeZnamenkemHundredths(i)),
                                         QString::number(gpc.Veta_KodUctovani(i)),
                                         QString::number(gpc.Veta_VariabilniSymbolAsInteger(i)),
                                         gpc.Veta_KonstantniSymbol(i),
                                         gpc.Veta_Specificky(i),
                                         dateText(gpc.Veta_DatumSplatnosti(i)),
                                         gpc.Veta_DoplnujiciUdaj(i).trimmed()};
             ctx.out << fields.join(QLatin1Char(';')) << "\n";
         }
         return 0;
     }});

const CliRegistrar importGpcCommand(
    {QStringLiteral("import-gpc"),
     QStringLiteral("import-gpc FILE --account BU_ID [--user ID]  import the lines of a GPC statement into an account"),
     [](CliContext &ctx) {
         bool present = false;
         const QString account = ctx.takeOption(QStringLiteral("--account"), {}, &present);
         bool ok = false;
         const int buId = account.toInt(&ok);
         if (!present || !ok)
             throw CliUsageError{QStringLiteral("--account BU_ID is required")};
         userOption(ctx);
         ctx.noUnknownOptions();
         if (ctx.args.size() != 1)
             throw CliUsageError{QStringLiteral("import-gpc takes one file")};
         TBU_GPC gpc;
         if (!gpc.Load(ctx.args.first()) || !gpc.SpravnaData()) {
             ctx.err << GpcInvalidFileMessage(ctx.args.first()).replace(QLatin1String("\n\r"), QLatin1String("\n")) << "\n";
             return 1;
         }
         TSQLDATA *db = ctx.database();
         if (!db)
             return 1;
         const QString bankAccount =
             db->SelectStr(QStringLiteral("Select BU_UCET from BU where (BU_ID=%1);").arg(buId));
         if (!bankAccount.isEmpty() && bankAccount != gpc.Souhrn_CisloUctu())
             ctx.err << "warning: the statement is for account " << gpc.Souhrn_CisloUctu() << ", account " << buId
                     << " is " << bankAccount << "\n";
         const GpcImportResult r = ImportGpcIntoAccount(*db, gpc, buId);
         if (!r.ok) {
             ctx.err << r.error << "\n";
             return 1;
         }
         db->NotifyChange();
         ctx.out << r.rows << " lines imported\n";
         return 0;
     }});

const CliRegistrar dbfCommand(
    {QStringLiteral("dbf"), QStringLiteral("dbf FILE [--codepage W|L|K]  print the fields and records of a dBASE table"),
     [](CliContext &ctx) {
         const QString code = codePageOption(ctx, false);
         ctx.noUnknownOptions();
         if (ctx.args.size() != 1)
             throw CliUsageError{QStringLiteral("dbf takes one file")};
         TYP_MKDBF dbf;
         dbf.SetDefaultCodePage(code);
         if (!dbf.Open(ctx.args.first())) {
             ctx.err << ctx.args.first() << ": " << TYP_MKDBF::StatusText(dbf.Status()) << " (" << dbf.Status() << ")\n";
             return 1;
         }
         if (dbf.Status() != TYP_MKDBF::Ok)
             ctx.err << "warning: " << TYP_MKDBF::StatusText(dbf.Status()) << " (" << dbf.Status() << ")\n";
         for (int i = 1; i <= dbf.FieldCount(); ++i)
             ctx.out << dbf.FieldName(i).trimmed() << ',' << QString(QLatin1Char(dbf.FieldType(i))) << ','
                     << dbf.FieldLength(i) << ',' << dbf.FieldDecimals(i) << "\n";
         ctx.out << "\n";
         for (int n = 1; n <= dbf.RecordCount(); ++n) {
             if (!dbf.GoTo(n)) {
                 ctx.err << "record " << n << ": " << TYP_MKDBF::StatusText(dbf.Status()) << "\n";
                 return 1;
             }
             QStringList values;
             for (int i = 1; i <= dbf.FieldCount(); ++i)
                 values << csvField(dbf.FieldText(i));
             ctx.out << values.join(QLatin1Char(',')) << "\n";
         }
         return 0;
     }});

const CliRegistrar importDbfCommand(
    {QStringLiteral("import-dbf"),
     QStringLiteral("import-dbf FILE --table ADRESAR_ZAKL|KU|UKOLY [--codepage W|L|K] [--user ID]  import a dBASE table"),
     [](CliContext &ctx) {
         bool present = false;
         const QString table = ctx.takeOption(QStringLiteral("--table"), {}, &present);
         if (!present)
             throw CliUsageError{QStringLiteral("--table is required")};
         const QString t = tableArgument(table);
         const QString code = codePageOption(ctx, false);
         userOption(ctx);
         ctx.noUnknownOptions();
         if (ctx.args.size() != 1)
             throw CliUsageError{QStringLiteral("import-dbf takes one file")};
         TSQLDATA *db = ctx.database();
         if (!db)
             return 1;
         const int rc = reportImport(ctx, ImportDbfTable(*db, ctx.args.first(), t, code));
         if (rc == 0)
             db->NotifyChange();
         return rc;
     }});

const CliRegistrar importViranCommand(
    {QStringLiteral("import-viran"),
     QStringLiteral("import-viran FILE --yes [--user ID]  import the address table of the other program (replaces same short names)"),
     [](CliContext &ctx) {
         const bool yes = ctx.takeFlag(QStringLiteral("--yes"));
         userOption(ctx);
         ctx.noUnknownOptions();
         if (ctx.args.size() != 1)
             throw CliUsageError{QStringLiteral("import-viran takes one file")};
         if (!yes) {
             ctx.err << ViranWarningText() << "\n(--yes confirms)\n";
             return 1;
         }
         TSQLDATA *db = ctx.database();
         if (!db)
             return 1;
         const int rc = reportImport(ctx, ImportViranAddresses(*db, ctx.args.first(), {}, false));
         if (rc == 0)
             db->NotifyChange();
         return rc;
     }});

const CliRegistrar exportCsvCommand(
    {QStringLiteral("export-csv"),
     QStringLiteral("export-csv TABLE FILE --codepage W|L|K  write addresses, events or tasks as CSV"),
     [](CliContext &ctx) {
         const QString code = codePageOption(ctx, true);
         ctx.noUnknownOptions();
         if (ctx.args.size() != 2)
             throw CliUsageError{QStringLiteral("export-csv takes a table and a file")};
         const QString t = tableArgument(ctx.args.at(0));
         TSQLDATA *db = ctx.database();
         if (!db)
             return 1;
         QString error;
         if (!ExportCsv(*db, t, ctx.args.at(1), code, &error)) {
             ctx.err << error << "\n";
             return 1;
         }
         return 0;
     }});

const CliRegistrar importCsvCommand(
    {QStringLiteral("import-csv"),
     QStringLiteral("import-csv TABLE FILE --codepage W|L|K [--user ID]  insert the lines of a CSV file"),
     [](CliContext &ctx) {
         const QString code = codePageOption(ctx, true);
         userOption(ctx);
         ctx.noUnknownOptions();
         if (ctx.args.size() != 2)
             throw CliUsageError{QStringLiteral("import-csv takes a table and a file")};
         const QString t = tableArgument(ctx.args.at(0));
         TSQLDATA *db = ctx.database();
         if (!db)
             return 1;
         const int rc = reportImport(ctx, ImportCsv(*db, t, ctx.args.at(1), code));
         if (rc == 0)
             db->NotifyChange();
         return rc;
     }});

}  // namespace
