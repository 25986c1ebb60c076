#include "sqldata.h"

#include "crc32.h"
#include "exchange/codepage/win1250.h"
#include "localisation/langtext.h"
#include "prompt.h"
#include "scramble.h"
#include "session.h"
#include "sqltext.h"

#include <QFile>

TSQLDATA *SQLDATA = nullptr;

TSQLDATA::TSQLDATA(QObject *parent) : TDataModuleIb(parent) {}

TSQLDATA::~TSQLDATA() {
    if (SQLDATA == this)
        SQLDATA = nullptr;
}

int TSQLDATA::SelectInt(const QString &sql) {
    QString v = SelectStr(sql).trimmed();
    if (v.isEmpty())
        return 0;
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : int(v.toDouble());
}

double TSQLDATA::SelectFloat(const QString &sql) {
    const QString v = SelectStr(sql).trimmed();
    return v.isEmpty() ? 0.0 : v.toDouble();
}

QString TSQLDATA::SelectStr(const QString &sql) {
    QString result;
    bool first = true;
    Query(sql, nullptr, [&](const QList<FieldText> &r) {
        if (first && !r.isEmpty())
            result = r.first().text;
        first = false;
    });
    return result;
}

QString TSQLDATA::SelectColumn(const QString &sql, const QString &separator) {
    QStringList values;
    Query(sql, nullptr, [&](const QList<FieldText> &r) { values << r.value(0).text; });
    return values.join(separator);
}

QString TSQLDATA::SelectRow(const QString &sql, const QString &separator) {
    QString result;
    bool first = true;
    Query(sql, nullptr, [&](const QList<FieldText> &r) {
        if (!first)
            return;
        first = false;
        QStringList parts;
        for (const FieldText &f : r)
            parts << f.text;
        result = parts.join(separator);
    });
    return result;
}

void TSQLDATA::SelectList(const QString &sql, bool withHeader, QStringList &target, const QString &separator) {
    target.clear();
    auto joinLine = [&](const QStringList &items) {
        if (separator.isEmpty())
            return EncodeCommaLine(items);
        QStringList cleaned;
        for (QString v : items)
            cleaned << v.replace(separator, QStringLiteral(" "));
        return cleaned.join(separator);
    };
    if (separator.isEmpty()) {
        QueryLines(
            sql,
            [&](const QStringList &names) {
                if (withHeader)
                    target << joinLine(names);
            },
            [&](QString &&line) { target.append(std::move(line)); });
        return;
    }
    Query(sql,
          [&](const QStringList &names) {
              if (withHeader)
                  target << joinLine(names);
          },
          [&](const QList<FieldText> &r) {
              QStringList items;
              for (const FieldText &f : r)
                  items << f.text;
              target << joinLine(items);
          });
}

void TSQLDATA::FillDataset(const QString &sql, TMKDATASET &dataset) {
    SelectList(sql, true, dataset.lines());
    dataset.SQL = sql;
}

void TSQLDATA::AppendDataset(const QString &sql, TMKDATASET &dataset) {
    QStringList rows;
    SelectList(sql, false, rows);
    dataset.lines() << rows;
    dataset.SQL = sql;
}

void TSQLDATA::ListMetadata(int kind, const QString &table, const QString &field, QStringList &target) {
    target.clear();
    switch (kind) {
    case 0: {
        QString sql = QStringLiteral(
            "select RDB$RELATION_NAME as TABLE_NAME,RDB$RELATION_FIELDS.RDB$FIELD_NAME as FIELD_NAME,RDB$TYPE_NAME as FIELD_TYPE,"
            "RDB$FIELDS.RDB$FIELD_LENGTH as FIELD_LENGTH,RDB$FIELDS.RDB$FIELD_SCALE as FIELD_SCALE from RDB$RELATION_FIELDS,RDB$FIELDS,"
            "RDB$TYPES where (RDB$RELATION_FIELDS.RDB$FIELD_SOURCE=RDB$FIELDS.RDB$FIELD_NAME) and "
            "(RDB$TYPES.RDB$TYPE=RDB$FIELDS.RDB$FIELD_TYPE) and (RDB$TYPES.RDB$FIELD_NAME=\"RDB$FIELD_TYPE\")");
        if (!table.isEmpty())
            sql += QStringLiteral(" and (RDB$RELATION_NAME=") + QuoteStr(table) + QLatin1Char(')');
        if (!field.isEmpty())
            sql += QStringLiteral(" and (RDB$RELATION_FIELDS.RDB$FIELD_NAME=") + QuoteStr(field) + QLatin1Char(')');
        if (table.isEmpty())
            sql += QStringLiteral(" order by RDB$RELATION_NAME");
        sql += QLatin1Char(';');
        SelectList(sql, true, target);
        break;
    }
    case 1:
        SelectList(QStringLiteral("select RDB$RELATION_NAME from RDB$RELATIONS where (RDB$SYSTEM_FLAG=0 or RDB$SYSTEM_FLAG is null) "
                                  "and RDB$VIEW_BLR is null order by RDB$RELATION_NAME;"),
                   false, target, QStringLiteral(","));
        for (QString &t : target)
            t = t.trimmed();
        break;
    case 11:
        target << DatabaseName();
        break;
    case 12:
        SelectList(QStringLiteral("select RDB$FIELD_NAME from RDB$RELATION_FIELDS where RDB$RELATION_NAME=") + QuoteStr(table.toUpper())
                       + QStringLiteral(" order by RDB$FIELD_POSITION;"),
                   false, target, QStringLiteral(","));
        for (QString &t : target)
            t = t.trimmed();
        break;
    case 13: {
        QStringList rows;
        ListMetadata(0, table, field, rows);
        if (rows.size() > 1) {
            QStringList items = DecodeCommaLine(rows.at(1));
            for (QString &i : items)
                i = i.trimmed();
            target << items.join(QLatin1Char('-'));
        }
        break;
    }
    default:
        target << QStringLiteral("Není implentováno");
    }
}

QString TSQLDATA::FieldTypeName(const QString &table, const QString &field) {
    const QString sql = QStringLiteral(
        "SELECT FLT.RDB$TYPE_NAME FROM RDB$RELATIONS REL, RDB$RELATION_FIELDS RFR, RDB$FIELDS FLD, RDB$TYPES FLT WHERE "
        "(RFR.RDB$FIELD_SOURCE = FLD.RDB$FIELD_NAME) AND(RFR.RDB$RELATION_NAME = REL.RDB$RELATION_NAME) AND(FLT.RDB$TYPE = "
        "FLD.RDB$FIELD_TYPE) AND(FLT.RDB$FIELD_NAME = 'RDB$FIELD_TYPE') AND(REL.RDB$RELATION_NAME = %1) AND(RFR.RDB$FIELD_NAME = "
        "%2)ORDER BY RFR.RDB$FIELD_POSITION, RFR.RDB$FIELD_NAME;")
                            .arg(QuoteSingle(table), QuoteSingle(field));
    return SelectColumn(sql, QStringLiteral(",")).trimmed();
}

int TSQLDATA::SchemaVersion() { return SelectInt(QStringLiteral("Select max(verze_cislo) from verze")); }

bool TSQLDATA::LockRecord(const QString &table, int id, int mode) {
    const QString T = QuoteSingle(table);
    const QString R = QuoteSingle(QString::number(id));
    const QString U = QuoteSingle(QString::number(Session::currentUserId()));
    if (mode == 0)
        return ExecSQL(QStringLiteral("DELETE FROM MISTA where MISTO=") + T + QStringLiteral(" and UZIVATEL_ID=") + U).isEmpty();
    bool taken = false;
    bool refused = false;
    // The table is reserved for the whole check-and-insert, so of two stations racing for one
    // record exactly one finds it free. A station that could not get the reservation in time
    // (a busy server) tries again rather than reporting the record as locked.
    for (int attempt = 0; attempt < 5 && !taken && !refused; ++attempt) {
        const QString error = RunReserved(QStringLiteral("MISTA"), [&](Transaction &tx) {
            QString err;
            const QString count = QStringLiteral("Select count(*) from MISTA where");
            if (tx.selectInt(count + QStringLiteral(" MISTO=") + T + QStringLiteral(" and ZAZNAM=") + R + QStringLiteral(" and UZIVATEL_ID=") + U, &err) > 0) {
                refused = true;
                return false;
            }
            if (!err.isEmpty())
                return false;
            const QString others = QStringLiteral(" MISTO=") + T + QStringLiteral(" and (ZAZNAM=") + R + QStringLiteral(" or ZAZNAM='0')");
            if (tx.selectInt(count + others, &err) > 0) {
                if (mode == 2 || tx.selectInt(count + others + QStringLiteral(" and REZIM='2'"), &err) > 0) {
                    refused = err.isEmpty();
                    return false;
                }
            }
            if (!err.isEmpty())
                return false;
            const QString insert = QStringLiteral("INSERT INTO MISTA(MISTO,REZIM,ZAZNAM,UZIVATEL_ID,CAS) values(") + T + QLatin1Char(',')
                                   + QuoteSingle(QString::number(mode)) + QLatin1Char(',') + R + QLatin1Char(',') + U
                                   + QStringLiteral(",CURRENT_TIMESTAMP)");
            err = tx.exec(insert);
            if (!err.isEmpty()) {
                prompt().message(insert + QStringLiteral("\r\n") + err, Prompt::Kind::Error);
                refused = true;
                return false;
            }
            taken = true;
            return true;
        });
        if (!error.isEmpty() && taken)
            taken = false; // the commit failed: nothing was taken
    }
    return taken;
}

bool TSQLDATA::LockRecordAsk(const QString &table, int id, int mode) {
    if (id == 0)
        return true;
    for (;;) {
        if (LockRecord(table, id, mode))
            return true;
        if (!prompt().ask(LangText(1118) + QStringLiteral("\r\n") + LangText(1119), Prompt::Kind::Error))
            return false;
    }
}

void TSQLDATA::UnlockTable(const QString &table) {
    ExecSQL(QStringLiteral("DELETE FROM MISTA where MISTO=") + QuoteSingle(table) + QStringLiteral(" and UZIVATEL_ID=")
            + QuoteSingle(QString::number(Session::currentUserId())));
}

bool TSQLDATA::ChangeLockMode(const QString &table, int id, int mode) {
    if (mode == 0) {
        UnlockTable(table);
        return true;
    }
    const QString T = QuoteSingle(table);
    const QString U = QuoteSingle(QString::number(Session::currentUserId()));
    bool changed = false;
    const QString error = RunReserved(QStringLiteral("MISTA"), [&](Transaction &tx) {
        QString err;
        if (mode == 2
            && tx.selectInt(QStringLiteral("Select count(*) from MISTA where MISTO=") + T + QStringLiteral(" and (ZAZNAM=")
                                + QuoteSingle(QString::number(id)) + QStringLiteral(" or ZAZNAM='0') and UZIVATEL_ID<>") + U,
                            &err)
                   > 0)
            return false;
        if (!err.isEmpty())
            return false;
        err = tx.exec(QStringLiteral("UPDATE MISTA set REZIM=") + QuoteSingle(QString::number(mode)) + QStringLiteral(" where MISTO=") + T
                      + QStringLiteral(" and UZIVATEL_ID=") + U);
        changed = err.isEmpty();
        return changed;
    });
    return changed && error.isEmpty();
}

QString TSQLDATA::UnlockAll() {
    return ExecSQL(QStringLiteral("DELETE FROM MISTA where UZIVATEL_ID=") + QuoteSingle(QString::number(Session::currentUserId())));
}

QString TSQLDATA::ExecScriptFile(const QString &path, const QString &header, bool checkCrc, const QString &key) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("File \"%1\" not found !").arg(path);
    QList<QByteArray> lines = f.readAll().split('\n');
    for (QByteArray &l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    // A final line break does not start one more line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QString expected;
    if (checkCrc) {
        if (lines.isEmpty())
            return QStringLiteral("Error in CRC");
        expected = QString::fromLatin1(lines.takeLast()).trimmed();
    }
    if (!key.isEmpty())
        for (QByteArray &l : lines)
            l = ShiftBytes(l, key, true);
    if (checkCrc) {
        uint32_t crc = 0;
        for (const QByteArray &l : lines)
            crc = Crc32(l + "\r\n", crc);
        if (expected != QString::number(crc))
            return QStringLiteral("Error in CRC") + expected + QLatin1Char('|') + QString::number(crc);
    }
    QStringList statements;
    for (const QByteArray &l : lines)
        statements << Win1250::decode(l);
    if (!header.isEmpty()) {
        if (statements.isEmpty() || statements.first() != header)
            return QStringLiteral("Error in Header");
        statements.removeFirst();
    }
    return ExecSQLList(statements);
}
