#include "rawfetch.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <ibase.h>

#include <cstdlib>
#include <vector>

double RawFetchMs(const QString &database, const QString &user, const QString &password, const QString &sql, int *rows) {
    ISC_STATUS_ARRAY st;
    isc_db_handle db = 0;
    QByteArray dpb;
    dpb.append(char(isc_dpb_version1));
    auto add = [&](char tag, const QByteArray &v) {
        dpb.append(tag);
        dpb.append(char(v.size()));
        dpb.append(v);
    };
    add(isc_dpb_user_name, user.toLatin1());
    add(isc_dpb_password, password.toLatin1());
    add(isc_dpb_lc_ctype, "WIN1250");
    const QByteArray name = database.toLocal8Bit();
    if (isc_attach_database(st, 0, name.constData(), &db, short(dpb.size()), dpb.constData())) {
        isc_print_status(st);
        std::exit(1);
    }
    QByteArray text = sql.toLocal8Bit();
    if (text.endsWith(';'))
        text.chop(1);
    QElapsedTimer t;
    t.start();
    isc_tr_handle tr = 0;
    const char tpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version};
    isc_start_transaction(st, &tr, 1, &db, sizeof tpb, tpb);
    isc_stmt_handle stmt = 0;
    isc_dsql_allocate_statement(st, &db, &stmt);
    XSQLDA *da = static_cast<XSQLDA *>(calloc(1, XSQLDA_LENGTH(64)));
    da->version = SQLDA_VERSION1;
    da->sqln = 64;
    if (isc_dsql_prepare(st, &tr, &stmt, 0, text.constData(), 1, da)) {
        isc_print_status(st);
        std::exit(1);
    }
    std::vector<std::vector<char>> buf(da->sqld);
    std::vector<short> ind(da->sqld);
    for (int i = 0; i < da->sqld; ++i) {
        buf[i].resize(da->sqlvar[i].sqllen + 8);
        da->sqlvar[i].sqldata = buf[i].data();
        da->sqlvar[i].sqlind = &ind[i];
    }
    isc_dsql_execute(st, &tr, &stmt, 1, nullptr);
    int n = 0;
    while (isc_dsql_fetch(st, &stmt, 1, da) == 0)
        ++n;
    isc_dsql_free_statement(st, &stmt, DSQL_drop);
    isc_commit_transaction(st, &tr);
    const double ms = t.nsecsElapsed() / 1e6;
    free(da);
    isc_detach_database(st, &db);
    *rows = n;
    return ms;
}

