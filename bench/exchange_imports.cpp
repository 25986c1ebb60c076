// Imports of 50,000 GPC statement lines and of a 50,000-row CSV of addresses into an embedded
// database, each beside the engine inserting the same rows in one transaction: once as the same
// statement texts run by the bare client library, once as one prepared insert with parameters.
#include "business/bank/bu_gpc.h"
#include "business/bank/gpcimport.h"
#include "data/schema.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "exchange/codepage/win1250.h"
#include "exchange/csv/csvexchange.h"
#include "tests/support/tempdatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <ibase.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {
constexpr int kRows = 50000;

struct Raw {
    ISC_STATUS_ARRAY st{};
    isc_db_handle db = 0;
    void check(bool failed, const char *what) {
        if (failed) {
            std::fprintf(stderr, "%s: ", what);
            isc_print_status(st);
            std::exit(1);
        }
    }
    Raw(const QString &database, const QString &user, const QString &password) {
        QByteArray dpb;
        dpb.append(char(isc_dpb_version1));
        auto add = [&](char tag, const QByteArray &v) { dpb.append(tag); dpb.append(char(v.size())); dpb.append(v); };
        add(isc_dpb_user_name, user.toLatin1());
        add(isc_dpb_password, password.toLatin1());
        add(isc_dpb_lc_ctype, "WIN1250");
        const QByteArray name = database.toLocal8Bit();
        check(isc_attach_database(st, 0, name.constData(), &db, short(dpb.size()), dpb.constData()), "attach");
    }
    ~Raw() { isc_detach_database(st, &db); }

    // The same statement texts, one after the other, in one transaction.
    qint64 script(const QStringList &statements) {
        QElapsedTimer t;
        t.start();
        isc_tr_handle tr = 0;
        check(isc_start_transaction(st, &tr, 1, &db, 0, nullptr), "start");
        for (const QString &s : statements) {
            const QByteArray text = Win1250::encode(s);
            check(isc_dsql_execute_immediate(st, &db, &tr, 0, text.constData(), 1, nullptr), "insert");
        }
        check(isc_commit_transaction(st, &tr), "commit");
        return t.nsecsElapsed() / 1000;
    }

    // One insert with parameters, prepared once, run for every row; values are texts the engine
    // converts (nullopt = NULL).
    qint64 prepared(const QByteArray &sql, const std::vector<std::vector<std::optional<QByteArray>>> &rows) {
        QElapsedTimer t;
        t.start();
        isc_tr_handle tr = 0;
        check(isc_start_transaction(st, &tr, 1, &db, 0, nullptr), "start");
        isc_stmt_handle stmt = 0;
        check(isc_dsql_allocate_statement(st, &db, &stmt), "allocate");
        check(isc_dsql_prepare(st, &tr, &stmt, 0, sql.constData(), 1, nullptr), "prepare");
        const int n = int(rows.front().size());
        XSQLDA *in = static_cast<XSQLDA *>(calloc(1, XSQLDA_LENGTH(n)));
        in->version = SQLDA_VERSION1;
        in->sqln = short(n);
        in->sqld = short(n);
        std::vector<short> ind(n);
        for (const auto &row : rows) {
            for (int i = 0; i < n; ++i) {
                XSQLVAR &v = in->sqlvar[i];
                v.sqltype = SQL_TEXT + 1;
                v.sqlscale = 0;
                v.sqlsubtype = 0;
                ind[i] = row[i] ? 0 : -1;
                v.sqlind = &ind[i];
                v.sqllen = row[i] ? short(row[i]->size()) : 0;
                v.sqldata = row[i] ? const_cast<char *>(row[i]->constData()) : nullptr;
            }
            check(isc_dsql_execute(st, &tr, &stmt, 1, in), "execute");
        }
        free(in);
        isc_dsql_free_statement(st, &stmt, DSQL_drop);
        check(isc_commit_transaction(st, &tr), "commit");
        return t.nsecsElapsed() / 1000;
    }
};

QByteArray gpcFile(QRandomGenerator &rng) {
    auto digits = [&](int width, quint64 max) { return QByteArray::number(rng.bounded(quint64(0), max)).rightJustified(width, '0'); };
    QByteArray out = "074" "0000001234567890" "Bench s.r.o.        " "010526" "000000012345670" "000000010000000"
                     "000000002500500" "000000000155330" "007" "310526" "CZ650000" "01" "\r\n";
    for (int i = 0; i < kRows; ++i) {
        QByteArray line = "075" "0000001234567890" + digits(16, 9999999999ULL) + digits(13, 999999) + digits(10, 100000)
                          + digits(2, 100) + QByteArray::number(1 + rng.bounded(5)) + digits(10, 9999999999ULL)
                          + digits(10, 9999) + digits(10, 99999) + "000000"
                          + QByteArray("Platba c. " + QByteArray::number(i)).leftJustified(20, ' ') + "01100"
                          + QByteArray::number(10 + rng.bounded(18)) + "0526";
        out += Win1250::encode(QString::fromUtf8(line)) + "\r\n";
    }
    return out;
}

QByteArray csvFile(QRandomGenerator &rng) {
    QByteArray out = "NAZEV_ZKRACENY,NAZEV,JMENO,PRIJMENI,ULICE,MESTO,PSC,EMAIL1,TELEFON1,ICO\r\n";
    static const char *towns[] = {"Praha", "Brno", "Ostrava", "Plzeň", "České Budějovice", "Kůň u Prahy"};
    for (int i = 0; i < kRows; ++i) {
        const QString line = QStringLiteral("F%1,Firma %1 s.r.o.,Jiří,Dvořák%2,Hlavní %3,%4,%5,info%1@firma.cz,+420 %6,%7\r\n")
                                 .arg(i)
                                 .arg(rng.bounded(100))
                                 .arg(rng.bounded(1, 300))
                                 .arg(QString::fromUtf8(towns[rng.bounded(6)]))
                                 .arg(10000 + rng.bounded(89999))
                                 .arg(100000000 + rng.bounded(899999999))
                                 .arg(10000000 + rng.bounded(89999999));
        out += Win1250::encode(line);
    }
    return out;
}

double ms(qint64 us) { return us / 1000.0; }
}

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    TempDatabase tdb(QString{});
    if (!tdb.create()) {
        std::fprintf(stderr, "%s\n", qPrintable(tdb.error()));
        return 1;
    }
    TSQLDATA db;
    if (!db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password())) {
        std::fprintf(stderr, "%s\n", qPrintable(db.LastConnectError()));
        return 1;
    }
    SQLDATA = &db;
    const QString err = BuildSchema(db);
    if (!err.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(err));
        return 1;
    }
    Session::setCurrentUserId(1);
    db.ExecSQL("insert into BU(BU_ID,BU_UCET,BU_BANKA,POPIS) values(1,\"0000001234567890\",\"0300\",\"Bench\")");
    QRandomGenerator rng(20260511);
    QTemporaryDir dir;

    // --- GPC ---
    const QString gpcPath = dir.filePath("bench.gpc");
    {
        QFile f(gpcPath);
        f.open(QIODevice::WriteOnly);
        f.write(gpcFile(rng));
    }
    QElapsedTimer t;
    t.start();
    TBU_GPC gpc;
    gpc.Load(gpcPath);
    GpcImportResult built;
    const QStringList gpcStatements = GpcInsertStatements(gpc, 1, 0, 1, built);
    const qint64 gpcParse = t.nsecsElapsed() / 1000;
    if (gpcStatements.size() != kRows) {
        std::fprintf(stderr, "GPC: %s\n", qPrintable(built.error));
        return 1;
    }
    t.restart();
    TBU_GPC gpc2;
    gpc2.Load(gpcPath);
    const GpcImportResult gr = ImportGpcIntoAccount(db, gpc2, 1);
    const qint64 gpcImport = t.nsecsElapsed() / 1000;
    if (!gr.ok) {
        std::fprintf(stderr, "GPC import: %s\n", qPrintable(gr.error));
        return 1;
    }
    db.ExecSQL("delete from BU_VYPIS");

    std::vector<std::vector<std::optional<QByteArray>>> gpcRows;
    gpcRows.reserve(kRows);
    for (int i = 1; i <= gpc.PocetVet(); ++i) {
        auto e = [](const QString &s) { return std::optional<QByteArray>(Win1250::encode(s)); };
        gpcRows.push_back({e("1"), e(gpc.Veta_DatumSplatnosti(i).toString("dd.MM.yyyy")), e(gpc.Veta_CisloProtiuctu(i)),
                           e(gpc.Veta_KodBanky(i)), e(gpc.Veta_DoplnujiciUdaj(i)), e(gpc.Veta_VariabilniSymbol(i)),
                           e(gpc.Veta_Specificky(i)), e(gpc.Veta_KonstantniSymbol(i)),
                           e(QString::number(gpc.Veta_CastkaSeZnamenkem(i), 'f', 2)), e(QString::number(gpc.Veta_CastkaDebet(i), 'f', 2)),
                           e(QString::number(gpc.Veta_CastkaKredit(i), 'f', 2)), e("0"), e("7"), e(QString::number(i)), e(""),
                           e(QString::number(gpc.Veta_KodUctovani(i))), std::nullopt, e("1"), e("1")});
    }
    db.Disconnect();
    qint64 gpcScript, gpcPrepared, csvScript, csvPrepared;
    {
        Raw raw(tdb.connectionString(), tdb.user(), tdb.password());
        gpcScript = raw.script(gpcStatements);
        raw.script({QStringLiteral("delete from BU_VYPIS")});
        gpcPrepared = raw.prepared(
            "insert into BU_VYPIS(BU_ID,DATUM,UCET,BANKA,DOPLNUJICI_UDAJ,VARIABILNI,SPECIFICKY,KONSTANTNI,CASTKA,CASTKA_DEBET,"
            "CASTKA_KREDIT,CASTKA_ZUSTATEK,PORADOVE_CISLO,PORADOVE_CISLO_V_DAVCE,POZNAMKA,KOD_UCTOVANI,BU_DRUH_PLATBY_ID,"
            "vytvoril_kdo,editoval_kdo,vytvoril_kdy,editoval_kdy) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,CURRENT_TIMESTAMP,CURRENT_TIMESTAMP)",
            gpcRows);
    }

    // --- CSV of addresses ---
    db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password());
    const QString csvPath = dir.filePath("adresy.csv");
    const QByteArray csv = csvFile(rng);
    {
        QFile f(csvPath);
        f.open(QIODevice::WriteOnly);
        f.write(csv);
    }
    t.restart();
    const ImportResult cr = ImportCsv(db, "ADRESAR_ZAKL", csvPath, "W");
    const qint64 csvImport = t.nsecsElapsed() / 1000;
    if (!cr.ok || cr.rows != kRows) {
        std::fprintf(stderr, "CSV import: %s\n", qPrintable(cr.error));
        return 1;
    }
    // The same statements with the keys the import drew, for the engine's run.
    QStringList csvStatements;
    std::vector<std::vector<std::optional<QByteArray>>> csvRows;
    {
        const QList<QByteArray> lines = csv.split('\n');
        const QString columns = QString::fromLatin1(lines.first().trimmed());
        int id = 10000000;
        for (int k = 1; k < lines.size(); ++k) {
            const QByteArray l = lines.at(k).trimmed();
            if (l.isEmpty())
                continue;
            const QStringList values = Win1250::decode(l).split(',');
            csvStatements << CsvInsertStatement("ADRESAR_ZAKL", columns, values, ++id, 1, 0);
            std::vector<std::optional<QByteArray>> row{QByteArray::number(id + kRows)};
            for (const QString &v : values)
                row.push_back(Win1250::encode(v));
            row.push_back(QByteArray("1"));
            row.push_back(QByteArray("1"));
            for (int g = 0; g < 4; ++g)
                row.push_back(QByteArray("0"));
            csvRows.push_back(std::move(row));
        }
    }
    db.Disconnect();
    {
        Raw raw(tdb.connectionString(), tdb.user(), tdb.password());
        csvScript = raw.script(csvStatements);
        csvPrepared = raw.prepared(
            "insert into ADRESAR_ZAKL(ADRESAR_ZAKL_ID,NAZEV_ZKRACENY,NAZEV,JMENO,PRIJMENI,ULICE,MESTO,PSC,EMAIL1,TELEFON1,ICO,"
            "vytvoril_kdo,editoval_kdo,F_CIST,F_EDITOVAT,F_SMAZAT,F_ADMINISTROVAT,vytvoril_kdy,editoval_kdy) "
            "values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,CURRENT_TIMESTAMP,CURRENT_TIMESTAMP)",
            csvRows);
    }

    std::printf("rows per run: %d\n\n", kRows);
    std::printf("GPC parse (reading the file and composing the statements): %8.1f ms  (%.0f%% of the import)\n",
                ms(gpcParse), 100.0 * gpcParse / gpcImport);
    std::printf("GPC import (file to committed rows):                       %8.1f ms\n", ms(gpcImport));
    std::printf("engine, same statements in one transaction:                %8.1f ms  ratio %.2f\n", ms(gpcScript),
                double(gpcImport) / gpcScript);
    std::printf("engine, one prepared insert with parameters:               %8.1f ms  ratio %.2f (target at most 2.00)\n\n",
                ms(gpcPrepared), double(gpcImport) / gpcPrepared);
    std::printf("CSV import of addresses (file to committed rows):          %8.1f ms\n", ms(csvImport));
    std::printf("engine, same statements in one transaction:                %8.1f ms  ratio %.2f\n", ms(csvScript),
                double(csvImport) / csvScript);
    std::printf("engine, one prepared insert with parameters:               %8.1f ms  ratio %.2f (target at most 2.00)\n",
                ms(csvPrepared), double(csvImport) / csvPrepared);
    return 0;
}
