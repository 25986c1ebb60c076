#include "datamoduleib.h"

#include "exchange/codepage/win1250.h"
#include "localisation/langtext.h"
#include "mkdataset.h"
#include "prompt.h"

#include <QMetaObject>
#include <QMutex>
#include <QSemaphore>
#include <QThread>

#include <ibase.h>

#include <atomic>
#include <charconv>
#include <string>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr unsigned short kDialect = 1;
constexpr int kLockTimeoutSeconds = 10;
const char kEventName[] = "UDELEJTE REFRESH";

QString statusText(const ISC_STATUS *status) {
    QByteArray all;
    char buf[1024];
    const ISC_STATUS *p = status;
    bool first = true;
    while (fb_interpret(buf, sizeof buf, &p)) {
        if (!first)
            all += '\n';
        all += buf;
        first = false;
    }
    // Server texts come in the connection character set.
    return Win1250::decode(all);
}

QByteArray dpb(const QString &user, const QString &password) {
    QByteArray b;
    b.append(char(isc_dpb_version1));
    auto add = [&](char tag, const QByteArray &v) {
        b.append(tag);
        b.append(char(v.size()));
        b.append(v);
    };
    add(isc_dpb_user_name, Win1250::encode(user));
    add(isc_dpb_password, Win1250::encode(password));
    add(isc_dpb_lc_ctype, QByteArrayLiteral("WIN1250"));
    b.append(char(isc_dpb_sql_dialect));
    b.append(char(4));
    const int dialect = kDialect;
    b.append(reinterpret_cast<const char *>(&dialect), 4);
    return b;
}

// Statement descriptor with its own buffers.
struct Sqlda {
    XSQLDA *da = nullptr;
    std::vector<std::vector<char>> buffers;
    std::vector<short> nulls;

    explicit Sqlda(int n = 20) { alloc(n); }
    ~Sqlda() { std::free(da); }
    Sqlda(const Sqlda &) = delete;
    Sqlda &operator=(const Sqlda &) = delete;

    void alloc(int n) {
        std::free(da);
        da = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(n)));
        da->version = SQLDA_VERSION1;
        da->sqln = short(n);
    }
    void bind() {
        buffers.assign(da->sqld, {});
        nulls.assign(da->sqld, 0);
        for (int i = 0; i < da->sqld; ++i) {
            XSQLVAR &v = da->sqlvar[i];
            int len = v.sqllen;
            if ((v.sqltype & ~1) == SQL_VARYING)
                len += 2;
            buffers[i].assign(std::max(len, 8) + 8, 0);
            v.sqldata = buffers[i].data();
            v.sqlind = &nulls[i];
            v.sqltype |= 1; // always ask for the NULL indicator
        }
    }
};

QString trimZeros(QString s) {
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

QString scaledText(qint64 value, int scale) {
    if (scale >= 0) {
        qint64 v = value;
        for (int i = 0; i < scale; ++i)
            v *= 10;
        return QString::number(v);
    }
    const bool neg = value < 0;
    QString digits = QString::number(neg ? -static_cast<quint64>(value) : static_cast<quint64>(value));
    const int places = -scale;
    while (digits.size() <= places)
        digits.prepend(QLatin1Char('0'));
    QString s = digits.left(digits.size() - places) + QLatin1Char('.') + digits.right(places);
    s = trimZeros(s);
    return neg && s != QLatin1String("0") ? QLatin1Char('-') + s : s;
}

QString doubleText(double d) { return QString::number(d, 'g', 15); }

QString timestampText(const ISC_TIMESTAMP &ts) {
    struct tm t {};
    isc_decode_timestamp(const_cast<ISC_TIMESTAMP *>(&ts), &t);
    QString s = QString::number(t.tm_mday) + QLatin1Char('.') + QString::number(t.tm_mon + 1) + QLatin1Char('.')
                + QString::number(t.tm_year + 1900);
    if (t.tm_hour || t.tm_min || t.tm_sec)
        s += QStringLiteral(" %1:%2:%3").arg(t.tm_hour).arg(t.tm_min, 2, 10, QLatin1Char('0')).arg(t.tm_sec, 2, 10, QLatin1Char('0'));
    return s;
}

} // namespace

struct TDataModuleIb::Impl {
    isc_db_handle db = 0;
    isc_tr_handle readTr = 0;

    // Event listener
    QThread *listener = nullptr;
    std::atomic<bool> stopListening{false};
    QSemaphore delivered;
    QMutex bufferMutex;
    ISC_UCHAR *eventBuffer = nullptr;
    ISC_UCHAR *resultBuffer = nullptr;
    ISC_LONG eventBufferLength = 0;
    ISC_LONG eventId = 0;

    bool startTransaction(isc_tr_handle *tr, bool write, const char *reserveTable, QString *error) {
        ISC_STATUS_ARRAY status;
        QByteArray tpb;
        tpb.append(char(isc_tpb_version3));
        tpb.append(char(write ? isc_tpb_write : isc_tpb_read));
        tpb.append(char(isc_tpb_read_committed));
        tpb.append(char(isc_tpb_rec_version));
        if (write) {
            tpb.append(char(isc_tpb_wait));
            tpb.append(char(isc_tpb_lock_timeout));
            tpb.append(char(4));
            const int t = kLockTimeoutSeconds;
            tpb.append(reinterpret_cast<const char *>(&t), 4);
        } else {
            tpb.append(char(isc_tpb_nowait));
        }
        if (reserveTable) {
            tpb.append(char(isc_tpb_lock_write));
            tpb.append(char(std::strlen(reserveTable)));
            tpb.append(reserveTable);
            tpb.append(char(isc_tpb_protected));
        }
        *tr = 0;
        if (isc_start_transaction(status, tr, 1, &db, static_cast<unsigned short>(tpb.size()), tpb.constData())) {
            if (error)
                *error = statusText(status);
            return false;
        }
        return true;
    }

    void endRead() {
        if (readTr) {
            ISC_STATUS_ARRAY status;
            if (isc_commit_transaction(status, &readTr))
                isc_rollback_transaction(status, &readTr);
            readTr = 0;
        }
    }

    // Executes one statement inside tr; returns the error text.
    QString execIn(isc_tr_handle *tr, const QString &sql, int *rows) {
        ISC_STATUS_ARRAY status;
        isc_stmt_handle stmt = 0;
        if (isc_dsql_allocate_statement(status, &db, &stmt))
            return statusText(status);
        const QByteArray text = Win1250::encode(sql);
        Sqlda out(1);
        QString error;
        if (isc_dsql_prepare(status, tr, &stmt, 0, text.constData(), kDialect, out.da)) {
            error = statusText(status);
        } else {
            if (out.da->sqld > out.da->sqln) {
                out.alloc(out.da->sqld);
                isc_dsql_describe(status, &stmt, kDialect, out.da);
            }
            out.bind();
            const int type = statementType(&stmt);
            ISC_STATUS rc;
            if (type == isc_info_sql_stmt_exec_procedure && out.da->sqld > 0)
                rc = isc_dsql_execute2(status, tr, &stmt, kDialect, nullptr, out.da);
            else
                rc = isc_dsql_execute(status, tr, &stmt, kDialect, nullptr);
            if (rc)
                error = statusText(status);
            else if (rows)
                *rows = affectedRows(&stmt);
            if (type == isc_info_sql_stmt_select)
                isc_dsql_free_statement(status, &stmt, DSQL_close);
        }
        isc_dsql_free_statement(status, &stmt, DSQL_drop);
        return error;
    }

    int statementType(isc_stmt_handle *stmt) {
        ISC_STATUS_ARRAY status;
        const char items[] = {isc_info_sql_stmt_type};
        char buf[16];
        if (isc_dsql_sql_info(status, stmt, sizeof items, items, sizeof buf, buf) || buf[0] != isc_info_sql_stmt_type)
            return 0;
        const short len = short(isc_vax_integer(buf + 1, 2));
        return int(isc_vax_integer(buf + 3, len));
    }

    int affectedRows(isc_stmt_handle *stmt) {
        ISC_STATUS_ARRAY status;
        const char items[] = {isc_info_sql_records};
        char buf[64];
        if (isc_dsql_sql_info(status, stmt, sizeof items, items, sizeof buf, buf) || buf[0] != isc_info_sql_records)
            return 0;
        int total = 0;
        const char *p = buf + 3;
        while (*p != isc_info_end) {
            const char item = *p++;
            const short len = short(isc_vax_integer(p, 2));
            p += 2;
            const int count = int(isc_vax_integer(p, len));
            p += len;
            if (item == isc_info_req_update_count || item == isc_info_req_delete_count || item == isc_info_req_insert_count)
                total += count;
        }
        return total;
    }

    QByteArray readBlob(isc_tr_handle *tr, ISC_QUAD *id) {
        ISC_STATUS_ARRAY status;
        isc_blob_handle blob = 0;
        QByteArray out;
        if (isc_open_blob2(status, &db, tr, &blob, id, 0, nullptr))
            return out;
        char seg[8192];
        unsigned short got = 0;
        for (;;) {
            const ISC_STATUS rc = isc_get_segment(status, &blob, &got, sizeof seg, seg);
            if (rc != 0 && status[1] != isc_segment)
                break;
            out.append(seg, got);
        }
        isc_close_blob(status, &blob);
        return out;
    }

    FieldText fieldText(isc_tr_handle *tr, const XSQLVAR &v) {
        FieldText f;
        if (v.sqlind && *v.sqlind < 0) {
            f.isNull = true;
            return f;
        }
        const char *data = v.sqldata;
        switch (v.sqltype & ~1) {
        case SQL_TEXT: {
            int len = v.sqllen;
            while (len > 0 && data[len - 1] == ' ')
                --len;
            f.text = Win1250::decode(data, len);
            break;
        }
        case SQL_VARYING: {
            short len;
            std::memcpy(&len, data, 2);
            f.text = Win1250::decode(data + 2, len);
            break;
        }
        case SQL_SHORT: {
            short n;
            std::memcpy(&n, data, 2);
            f.text = scaledText(n, v.sqlscale);
            break;
        }
        case SQL_LONG: {
            ISC_LONG n;
            std::memcpy(&n, data, 4);
            f.text = scaledText(n, v.sqlscale);
            break;
        }
        case SQL_INT64: {
            ISC_INT64 n;
            std::memcpy(&n, data, 8);
            f.text = scaledText(n, v.sqlscale);
            break;
        }
        case SQL_FLOAT: {
            float n;
            std::memcpy(&n, data, 4);
            f.text = doubleText(n);
            break;
        }
        case SQL_DOUBLE:
        case SQL_D_FLOAT: {
            double n;
            std::memcpy(&n, data, 8);
            f.text = doubleText(n);
            break;
        }
        case SQL_TIMESTAMP: {
            ISC_TIMESTAMP ts;
            std::memcpy(&ts, data, sizeof ts);
            f.text = timestampText(ts);
            break;
        }
        case SQL_TYPE_DATE: {
            ISC_DATE dt;
            std::memcpy(&dt, data, sizeof dt);
            struct tm t {};
            isc_decode_sql_date(&dt, &t);
            f.text = QStringLiteral("%1.%2.%3").arg(t.tm_mday).arg(t.tm_mon + 1).arg(t.tm_year + 1900);
            break;
        }
        case SQL_TYPE_TIME: {
            ISC_TIME tm;
            std::memcpy(&tm, data, sizeof tm);
            struct tm t {};
            isc_decode_sql_time(&tm, &t);
            f.text = QStringLiteral("%1:%2:%3").arg(t.tm_hour).arg(t.tm_min, 2, 10, QLatin1Char('0')).arg(t.tm_sec, 2, 10, QLatin1Char('0'));
            break;
        }
        case SQL_BLOB: {
            ISC_QUAD id;
            std::memcpy(&id, data, sizeof id);
            f.text = Win1250::decode(readBlob(tr, &id));
            break;
        }
        case SQL_BOOLEAN:
            f.text = data[0] ? QStringLiteral("1") : QStringLiteral("0");
            break;
        default:
            break;
        }
        return f;
    }


    // Opens the query in a fresh read transaction and hands every fetched row (the descriptor with
    // its buffers filled) to perRow. Raises SqlReadError when the server refuses.
    void run(const QString &sql, const std::function<void(const QStringList &)> &header,
             const std::function<void(XSQLDA *)> &perRow) {
        if (!db)
            throw SqlReadError(QStringLiteral("Database is not connected"), sql);
        endRead();
        QString error;
        if (!startTransaction(&readTr, false, nullptr, &error))
            throw SqlReadError(error, sql);
        ISC_STATUS_ARRAY status;
        isc_stmt_handle stmt = 0;
        if (isc_dsql_allocate_statement(status, &db, &stmt))
            throw SqlReadError(statusText(status), sql);
        Sqlda out(20);
        const QByteArray text = Win1250::encode(sql);
        auto fail = [&]() {
            const QString msg = statusText(status);
            ISC_STATUS_ARRAY s2;
            isc_dsql_free_statement(s2, &stmt, DSQL_drop);
            throw SqlReadError(msg, sql);
        };
        if (isc_dsql_prepare(status, &readTr, &stmt, 0, text.constData(), kDialect, out.da))
            fail();
        if (out.da->sqld > out.da->sqln) {
            out.alloc(out.da->sqld);
            if (isc_dsql_describe(status, &stmt, kDialect, out.da))
                fail();
        }
        out.bind();
        const int n = out.da->sqld;
        if (header) {
            QStringList names;
            for (int i = 0; i < n; ++i) {
                const XSQLVAR &v = out.da->sqlvar[i];
                names << QString::fromLatin1(v.aliasname, v.aliasname_length);
            }
            header(names);
        }
        if (statementType(&stmt) == isc_info_sql_stmt_exec_procedure) {
            if (isc_dsql_execute2(status, &readTr, &stmt, kDialect, nullptr, out.da))
                fail();
            if (n > 0)
                perRow(out.da);
        } else {
            if (isc_dsql_execute(status, &readTr, &stmt, kDialect, nullptr))
                fail();
            if (n > 0) {
                ISC_STATUS rc;
                while ((rc = isc_dsql_fetch(status, &stmt, kDialect, out.da)) == 0)
                    perRow(out.da);
                if (rc != 100)
                    fail();
            }
        }
        isc_dsql_free_statement(status, &stmt, DSQL_drop);
    }

    // Appends one field to a line in the comma encoding without building a string for it first:
    // reading a large result is mostly this.
    void appendEncoded(std::u16string &line, isc_tr_handle *tr, const XSQLVAR &v, bool first) {
        if (!first)
            line += u',';
        if (v.sqlind && *v.sqlind < 0)
            return;
        const char *data = v.sqldata;
        const int type = v.sqltype & ~1;
        if (type == SQL_TEXT || type == SQL_VARYING) {
            int len;
            if (type == SQL_TEXT) {
                len = v.sqllen;
                while (len > 0 && data[len - 1] == ' ')
                    --len;
            } else {
                short l;
                std::memcpy(&l, data, 2);
                len = l;
                data += 2;
            }
            bool quote = false;
            for (int i = 0; i < len && !quote; ++i) {
                const unsigned char b = static_cast<unsigned char>(data[i]);
                quote = (b >= 1 && b <= 32) || b == '"' || b == ',';
            }
            const size_t at = line.size();
            line.resize(at + (quote ? 2 * size_t(len) + 2 : size_t(len)));
            char16_t *dst = line.data() + at;
            if (quote)
                *dst++ = u'"';
            for (int i = 0; i < len; ++i) {
                const char16_t c = Win1250::toUnicode(static_cast<unsigned char>(data[i]));
                if (c == u'"')
                    *dst++ = c;
                *dst++ = c;
            }
            if (quote)
                *dst++ = u'"';
            line.resize(size_t(dst - line.data()));
            return;
        }
        char buf[48];
        char *p = buf;
        char *const end = buf + sizeof buf;
        if (type == SQL_TIMESTAMP) {
            ISC_TIMESTAMP ts;
            std::memcpy(&ts, data, sizeof ts);
            struct tm t {};
            isc_decode_timestamp(&ts, &t);
            const bool withTime = t.tm_hour || t.tm_min || t.tm_sec;
            if (withTime)
                *p++ = '"';
            p = std::to_chars(p, end, t.tm_mday).ptr;
            *p++ = '.';
            p = std::to_chars(p, end, t.tm_mon + 1).ptr;
            *p++ = '.';
            p = std::to_chars(p, end, t.tm_year + 1900).ptr;
            if (withTime) {
                *p++ = ' ';
                p = std::to_chars(p, end, t.tm_hour).ptr;
                for (const int part : {t.tm_min, t.tm_sec}) {
                    *p++ = ':';
                    *p++ = char('0' + part / 10);
                    *p++ = char('0' + part % 10);
                }
                *p++ = '"';
            }
        } else if ((type == SQL_LONG || type == SQL_SHORT) && v.sqlscale == 0) {
            ISC_LONG x = 0;
            if (type == SQL_LONG) {
                std::memcpy(&x, data, 4);
            } else {
                short sx;
                std::memcpy(&sx, data, 2);
                x = sx;
            }
            p = std::to_chars(p, end, x).ptr;
        } else if (type == SQL_DOUBLE || type == SQL_D_FLOAT) {
            double x;
            std::memcpy(&x, data, 8);
            p = std::to_chars(p, end, x, std::chars_format::general, 15).ptr;
        } else {
            QString item;
            AppendCommaItem(item, fieldText(tr, v).text, true);
            line.append(reinterpret_cast<const char16_t *>(item.constData()), item.size());
            return;
        }
        const size_t at = line.size();
        line.resize(at + size_t(p - buf));
        char16_t *dst = line.data() + at;
        for (const char *q = buf; q < p; ++q)
            *dst++ = char16_t(static_cast<unsigned char>(*q));
    }

    static void eventCallback(void *arg, ISC_USHORT length, const ISC_UCHAR *updated) {
        auto *self = static_cast<Impl *>(arg);
        {
            QMutexLocker lock(&self->bufferMutex);
            if (updated && length && self->resultBuffer)
                std::memcpy(self->resultBuffer, updated, std::min<ISC_LONG>(length, self->eventBufferLength));
        }
        self->delivered.release();
    }
};

TDataModuleIb::TDataModuleIb(QObject *parent) : QObject(parent), d(std::make_unique<Impl>()) {}

TDataModuleIb::~TDataModuleIb() { Disconnect(); }

bool TDataModuleIb::Connected() const { return d->db != 0; }

bool TDataModuleIb::ConnectQuiet(const QString &database, const QString &user, const QString &password) {
    Disconnect();
    m_database = database;
    m_connectError.clear();
    ISC_STATUS_ARRAY status;
    const QByteArray name = database.toLocal8Bit();
    const QByteArray params = dpb(user, password);
    if (isc_attach_database(status, 0, name.constData(), &d->db, static_cast<short>(params.size()), params.constData())) {
        m_connectError = statusText(status);
        d->db = 0;
        return false;
    }
    if (m_listenOnConnect)
        StartEventListener();
    return true;
}

bool TDataModuleIb::Connect(const QString &database, const QString &user, const QString &password) {
    if (ConnectQuiet(database, user, password))
        return true;
    prompt().message(LangText(1002) + database, Prompt::Kind::Plain);
    return false;
}

void TDataModuleIb::Disconnect() {
    if (!d->db)
        return;
    StopEventListener();
    d->endRead();
    ISC_STATUS_ARRAY status;
    isc_detach_database(status, &d->db);
    d->db = 0;
}

void TDataModuleIb::RestartTransaction() { d->endRead(); }

void TDataModuleIb::Query(const QString &sql, const std::function<void(const QStringList &)> &header,
                          const std::function<void(const QList<FieldText> &)> &row) {
    QList<FieldText> values;
    d->run(sql, header, [&](XSQLDA *da) {
        values.resize(da->sqld);
        for (int i = 0; i < da->sqld; ++i)
            values[i] = d->fieldText(&d->readTr, da->sqlvar[i]);
        if (row)
            row(values);
    });
}

void TDataModuleIb::QueryLines(const QString &sql, const std::function<void(const QStringList &)> &header,
                               const std::function<void(QString &&)> &line) {
    std::u16string buffer;
    d->run(sql, header, [&](XSQLDA *da) {
        buffer.clear();
        for (int i = 0; i < da->sqld; ++i)
            d->appendEncoded(buffer, &d->readTr, da->sqlvar[i], i == 0);
        line(QString(reinterpret_cast<const QChar *>(buffer.data()), qsizetype(buffer.size())));
    });
}

QString TDataModuleIb::ExecSQLCount(const QString &sql, int *rows) {
    if (!d->db)
        return QStringLiteral("Database is not connected");
    d->endRead();
    isc_tr_handle tr = 0;
    QString error;
    if (!d->startTransaction(&tr, true, nullptr, &error))
        return error;
    error = d->execIn(&tr, sql, rows);
    ISC_STATUS_ARRAY status;
    if (error.isEmpty()) {
        if (isc_commit_transaction(status, &tr)) {
            error = statusText(status);
            isc_rollback_transaction(status, &tr);
        }
    } else {
        isc_rollback_transaction(status, &tr);
    }
    return error;
}

QString TDataModuleIb::ExecSQL(const QString &sql) { return ExecSQLCount(sql, nullptr); }

QString TDataModuleIb::ExecSQLList(const QStringList &statements) { return ExecSQLList(statements, nullptr); }

QString TDataModuleIb::ExecSQLList(const QStringList &statements, int *failedIndex) {
    if (failedIndex)
        *failedIndex = -1;
    if (!d->db)
        return QStringLiteral("Database is not connected");
    d->endRead();
    isc_tr_handle tr = 0;
    QString error;
    if (!d->startTransaction(&tr, true, nullptr, &error))
        return error;
    for (qsizetype i = 0; i < statements.size(); ++i) {
        const QString &s = statements.at(i);
        if (s.trimmed().isEmpty())
            continue;
        error = d->execIn(&tr, s, nullptr);
        if (!error.isEmpty()) {
            if (failedIndex)
                *failedIndex = int(i);
            break;
        }
    }
    ISC_STATUS_ARRAY status;
    if (error.isEmpty()) {
        if (isc_commit_transaction(status, &tr)) {
            error = statusText(status);
            isc_rollback_transaction(status, &tr);
        }
    } else {
        isc_rollback_transaction(status, &tr);
    }
    return error;
}

QString TDataModuleIb::RunReserved(const QString &table, const std::function<bool(Transaction &)> &fn) {
    if (!d->db)
        return QStringLiteral("Database is not connected");
    d->endRead();
    isc_tr_handle tr = 0;
    QString error;
    const QByteArray reserve = table.toUpper().toLatin1();
    if (!d->startTransaction(&tr, true, reserve.constData(), &error))
        return error;
    struct Tx : Transaction {
        Impl *impl;
        isc_tr_handle *tr;
        int selectInt(const QString &sql, QString *err) override {
            ISC_STATUS_ARRAY status;
            isc_stmt_handle stmt = 0;
            int result = 0;
            Sqlda out(1);
            const QByteArray text = Win1250::encode(sql);
            if (isc_dsql_allocate_statement(status, &impl->db, &stmt)
                || isc_dsql_prepare(status, tr, &stmt, 0, text.constData(), kDialect, out.da)) {
                if (err)
                    *err = statusText(status);
                isc_dsql_free_statement(status, &stmt, DSQL_drop);
                return 0;
            }
            if (out.da->sqld > out.da->sqln) {
                out.alloc(out.da->sqld);
                isc_dsql_describe(status, &stmt, kDialect, out.da);
            }
            out.bind();
            if (isc_dsql_execute(status, tr, &stmt, kDialect, nullptr)) {
                if (err)
                    *err = statusText(status);
            } else if (out.da->sqld > 0 && isc_dsql_fetch(status, &stmt, kDialect, out.da) == 0) {
                result = impl->fieldText(tr, out.da->sqlvar[0]).text.trimmed().toDouble();
            }
            isc_dsql_free_statement(status, &stmt, DSQL_drop);
            return result;
        }
        QString exec(const QString &sql, int *rows) override { return impl->execIn(tr, sql, rows); }
    } tx;
    tx.impl = d.get();
    tx.tr = &tr;
    const bool ok = fn(tx);
    ISC_STATUS_ARRAY status;
    if (ok) {
        if (isc_commit_transaction(status, &tr)) {
            error = statusText(status);
            isc_rollback_transaction(status, &tr);
        }
    } else {
        isc_rollback_transaction(status, &tr);
        error = QStringLiteral("rolled back");
    }
    return error;
}

bool TDataModuleIb::NotifyChange() { return ExecSQL(QStringLiteral("EXECUTE PROCEDURE PROC_UDELEJTE_REFRESH")).isEmpty(); }

int TDataModuleIb::GenId(const QString &generator) {
    int value = 0;
    Query(QStringLiteral("select GEN_ID(") + generator + QStringLiteral(",1) from rdb$database;"), nullptr,
          [&](const QList<FieldText> &r) { value = int(r.value(0).text.toDouble()); });
    return value;
}

QString TDataModuleIb::SaveBlob(const QString &procedure, int id, const QByteArray &content) {
    if (!d->db)
        return QStringLiteral("Database is not connected");
    d->endRead();
    isc_tr_handle tr = 0;
    QString error;
    if (!d->startTransaction(&tr, true, nullptr, &error))
        return error;
    ISC_STATUS_ARRAY status;
    isc_blob_handle blob = 0;
    ISC_QUAD blobId{};
    auto rollback = [&]() {
        error = statusText(status);
        ISC_STATUS_ARRAY s2;
        isc_rollback_transaction(s2, &tr);
        return error;
    };
    if (isc_create_blob2(status, &d->db, &tr, &blob, &blobId, 0, nullptr))
        return rollback();
    for (qsizetype off = 0; off < content.size(); off += 32000) {
        const auto len = static_cast<unsigned short>(std::min<qsizetype>(32000, content.size() - off));
        if (isc_put_segment(status, &blob, len, content.constData() + off))
            return rollback();
    }
    if (isc_close_blob(status, &blob))
        return rollback();
    isc_stmt_handle stmt = 0;
    const QByteArray sql = "EXECUTE PROCEDURE " + Win1250::encode(procedure) + "(?, ?)";
    if (isc_dsql_allocate_statement(status, &d->db, &stmt) || isc_dsql_prepare(status, &tr, &stmt, 0, sql.constData(), kDialect, nullptr))
        return rollback();
    XSQLDA *in = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(2)));
    in->version = SQLDA_VERSION1;
    in->sqln = 2;
    ISC_LONG idValue = id;
    short noNull = 0;
    if (isc_dsql_describe_bind(status, &stmt, kDialect, in) || in->sqld != 2) {
        std::free(in);
        isc_dsql_free_statement(status, &stmt, DSQL_drop);
        return rollback();
    }
    in->sqlvar[0].sqltype = SQL_LONG + 1;
    in->sqlvar[0].sqlscale = 0;
    in->sqlvar[0].sqllen = 4;
    in->sqlvar[0].sqldata = reinterpret_cast<char *>(&idValue);
    in->sqlvar[0].sqlind = &noNull;
    in->sqlvar[1].sqltype = SQL_BLOB + 1;
    in->sqlvar[1].sqllen = sizeof(ISC_QUAD);
    in->sqlvar[1].sqldata = reinterpret_cast<char *>(&blobId);
    in->sqlvar[1].sqlind = &noNull;
    const ISC_STATUS rc = isc_dsql_execute(status, &tr, &stmt, kDialect, in);
    std::free(in);
    if (rc) {
        ISC_STATUS_ARRAY s2;
        isc_dsql_free_statement(s2, &stmt, DSQL_drop);
        return rollback();
    }
    isc_dsql_free_statement(status, &stmt, DSQL_drop);
    if (isc_commit_transaction(status, &tr))
        return rollback();
    return {};
}

QByteArray TDataModuleIb::LoadBlob(const QString &sql, const QString &field) {
    QByteArray result;
    int column = -1;
    bool first = true;
    Query(sql,
          [&](const QStringList &names) {
              for (int i = 0; i < names.size(); ++i)
                  if (names.at(i).compare(field, Qt::CaseInsensitive) == 0)
                      column = i;
          },
          [&](const QList<FieldText> &r) {
              if (first && column >= 0)
                  result = Win1250::encode(r.value(column).text);
              first = false;
          });
    return result;
}

QDateTime TDataModuleIb::ServerTime(double offsetDays) {
    QString text;
    Query(QStringLiteral("EXECUTE PROCEDURE VRAT_CAS_SERVERU"), nullptr,
          [&](const QList<FieldText> &r) { text = r.value(0).text; });
    QDateTime dt = QDateTime::fromString(text, QStringLiteral("d.M.yyyy H:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime(QDate::fromString(text, QStringLiteral("d.M.yyyy")), QTime(0, 0));
    return dt.addMSecs(qint64(offsetDays * 86400000.0));
}

QString TDataModuleIb::ServerTimeText(double offsetDays) {
    return ServerTime(offsetDays).toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

void TDataModuleIb::StartEventListener() {
    if (d->listener || !d->db)
        return;
    d->stopListening = false;
    d->eventBufferLength = isc_event_block(&d->eventBuffer, &d->resultBuffer, 1, kEventName);
    d->listener = QThread::create([this]() {
        Impl *impl = d.get();
        bool priming = true;
        while (!impl->stopListening) {
            ISC_STATUS_ARRAY status;
            if (isc_que_events(status, &impl->db, &impl->eventId, static_cast<short>(impl->eventBufferLength),
                               impl->eventBuffer, &Impl::eventCallback, impl))
                break;
            impl->delivered.acquire();
            if (impl->stopListening) {
                // Queueing and cancelling stay on this one thread: the client library is not safe
                // with one thread re-queueing while another cancels the same request.
                ISC_STATUS_ARRAY cancelStatus;
                isc_cancel_events(cancelStatus, &impl->db, &impl->eventId);
                break;
            }
            ISC_ULONG counts[20] = {0};
            {
                QMutexLocker lock(&impl->bufferMutex);
                isc_event_counts(counts, static_cast<short>(impl->eventBufferLength), impl->eventBuffer, impl->resultBuffer);
            }
            if (!priming && counts[0] > 0)
                QMetaObject::invokeMethod(this, &TDataModuleIb::databaseChanged, Qt::QueuedConnection);
            priming = false;
        }
    });
    d->listener->start();
}

void TDataModuleIb::StopEventListener() {
    if (!d->listener)
        return;
    d->stopListening = true;
    d->delivered.release();
    d->listener->wait();
    delete d->listener;
    d->listener = nullptr;
    d->eventId = 0;
    while (d->delivered.tryAcquire()) {
    }
    // A late delivery of the cancelled request checks the result buffer under the lock.
    QMutexLocker lock(&d->bufferMutex);
    isc_free(reinterpret_cast<ISC_SCHAR *>(d->eventBuffer));
    isc_free(reinterpret_cast<ISC_SCHAR *>(d->resultBuffer));
    d->eventBuffer = d->resultBuffer = nullptr;
}

QString TDataModuleIb::CreateDatabase(const QString &database, const QString &user, const QString &password) {
    ISC_STATUS_ARRAY status;
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    QString path = database;
    path.replace(QLatin1Char('\''), QLatin1String("''"));
    QString u = user, p = password;
    u.replace(QLatin1Char('\''), QLatin1String("''"));
    p.replace(QLatin1Char('\''), QLatin1String("''"));
    const QByteArray sql = (QStringLiteral("CREATE DATABASE '") + path + QStringLiteral("' USER '") + u + QStringLiteral("' PASSWORD '") + p
                            + QStringLiteral("' PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1250"))
                               .toLocal8Bit();
    if (isc_dsql_execute_immediate(status, &db, &tr, 0, sql.constData(), kDialect, nullptr))
        return statusText(status);
    isc_detach_database(status, &db);
    return {};
}

QString TDataModuleIb::SetForcedWrites(const QString &database, const QString &user, const QString &password, bool on) {
    ISC_STATUS_ARRAY status;
    isc_db_handle db = 0;
    const QByteArray name = database.toLocal8Bit();
    QByteArray params = dpb(user, password);
    params.append(char(isc_dpb_force_write));
    params.append(char(1));
    params.append(char(on ? 1 : 0));
    if (isc_attach_database(status, 0, name.constData(), &db, static_cast<short>(params.size()), params.constData()))
        return statusText(status);
    isc_detach_database(status, &db);
    return {};
}

QString TDataModuleIb::DropDatabase(const QString &database, const QString &user, const QString &password) {
    ISC_STATUS_ARRAY status;
    isc_db_handle db = 0;
    const QByteArray name = database.toLocal8Bit();
    const QByteArray params = dpb(user, password);
    if (isc_attach_database(status, 0, name.constData(), &db, static_cast<short>(params.size()), params.constData()))
        return statusText(status);
    if (isc_drop_database(status, &db))
        return statusText(status);
    return {};
}
