#include "csvexchange.h"

#include "data/session.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "exchange/codepage/convertcodepage.h"
#include "exchange/codepage/win1250.h"
#include "localisation/langtext.h"

#include <QFile>
#include <QSaveFile>

namespace {
const QString kSeparator = QStringLiteral(",");

QString lineError(int n, const QString &error) { return LangText(1070) + QString::number(n) + QLatin1Char('\r') + error; }

bool isImportTable(const QString &table) {
    return table == QLatin1String("ADRESAR_ZAKL") || table == QLatin1String("KU") || table == QLatin1String("UKOLY");
}

bool isNumericType(const QString &typeName) {
    return typeName == QLatin1String("SHORT") || typeName == QLatin1String("INT64") || typeName == QLatin1String("DOUBLE")
           || typeName == QLatin1String("FLOAT") || typeName == QLatin1String("D_FLOAT");
}
}

QString CsvExportQuery(const QString &table) {
    if (table == QLatin1String("ADRESAR_ZAKL"))
        return QStringLiteral(
            "Select NAZEV_ZKRACENY,NAZEV,NAZEV2,TITUL,JMENO,PRIJMENI,ZA_PRIJMENIM,ULICE,MESTO,PSC,STAT,EMAIL1,EMAIL2,"
            "TELEFON1,TELEFON2,MOBIL1,MOBIL2,FAX1,WWW1,WWW2,ICO,DIC,BU_UCET,BU_BANKA from ADRESAR_ZAKL;");
    if (table == QLatin1String("KU"))
        return QStringLiteral("Select DATUM,CAS_OD,CAS_DO,CELY_DEN,NAZEV,ALARM,ALARM_DATUM,ALARM_CAS,ALARM_TYP_AKCE,ALARM_AKCE from KU;");
    if (table == QLatin1String("UKOLY"))
        return QStringLiteral("Select AKTIVNI,NAZEV,DATUM,CAS_DO,STAV,ALARM,ALARM_DATUM,ALARM_CAS,ALARM_TYP_AKCE,ALARM_AKCE from UKOLY;");
    return {};
}

QString CsvExportValue(const QString &value, bool isNull, const QString &typeName) {
    if (typeName == QLatin1String("TIMESTAMP")) {
        QString v = DateTextToSQL(isNull ? QString() : value);
        v.remove(QLatin1Char('"'));
        return v;
    }
    if (value.isEmpty() && typeName == QLatin1String("LONG"))
        return QStringLiteral("0");
    // Any other empty number would come back as an empty text the column cannot take.
    if ((isNull || value.isEmpty()) && isNumericType(typeName))
        return QStringLiteral("NULL");
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    v.replace(kSeparator, QStringLiteral(" "));
    v.replace(QLatin1Char('"'), QLatin1Char('\''));
    return v;
}

QByteArray CsvExportBytes(TSQLDATA &db, const QString &table, const QString &code, QString *error) {
    const QString sql = CsvExportQuery(table);
    if (sql.isEmpty()) {
        if (error)
            *error = QStringLiteral("Tabulku %1 nelze exportovat.").arg(table);
        return {};
    }
    const QString conversion = QStringLiteral("W") + code;
    QByteArray out;
    QStringList types;
    auto emitLine = [&](const QString &line) {
        out += ConvertCodePage(Win1250::encode(line), conversion);
        out += "\r\n";
    };
    try {
        db.Query(sql,
                 [&](const QStringList &names) {
                     QStringList header;
                     for (const QString &n : names) {
                         types << db.FieldTypeName(table, n);
                         header << QString(n).replace(kSeparator, QStringLiteral(" "));
                     }
                     emitLine(header.join(kSeparator));
                 },
                 [&](const QList<FieldText> &row) {
                     QStringList values;
                     for (int i = 0; i < row.size(); ++i)
                         values << CsvExportValue(row.at(i).text, row.at(i).isNull, types.value(i));
                     emitLine(values.join(kSeparator));
                 });
    } catch (const SqlReadError &e) {
        if (error)
            *error = e.message();
        return {};
    }
    if (error)
        error->clear();
    return out;
}

bool ExportCsv(TSQLDATA &db, const QString &table, const QString &path, const QString &code, QString *error) {
    QString err;
    const QByteArray bytes = CsvExportBytes(db, table, code, &err);
    if (!err.isEmpty()) {
        if (error)
            *error = err;
        return false;
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        if (error)
            *error = QStringLiteral("Soubor %1 nelze zapsat: %2").arg(path, f.errorString());
        return false;
    }
    return true;
}

QString CsvValueToSQL(const QString &value) {
    if (value == QLatin1String("NULL"))
        return value;
    QString v = value;
    v.replace(QLatin1Char('"'), QLatin1Char('\''));
    return QuoteStr(v);
}

QString CsvInsertStatement(const QString &table, const QString &columns, const QStringList &values, int id, int userId,
                           int groupId) {
    QStringList literals;
    literals.reserve(values.size());
    for (const QString &v : values)
        literals << CsvValueToSQL(v);
    if (table == QLatin1String("ADRESAR_ZAKL"))
        return QStringLiteral("insert into ADRESAR_ZAKL(ADRESAR_ZAKL_ID,") + columns + AuditColumns(false)
               + QStringLiteral(") values(") + QString::number(id) + QLatin1Char(',') + literals.join(kSeparator)
               + AuditValues(false, userId, groupId) + QStringLiteral(");");
    return QStringLiteral("insert into ") + table + QLatin1Char('(') + columns + AuditColumns(true)
           + QStringLiteral(") values(") + literals.join(kSeparator) + AuditValues(true, userId, groupId)
           + QStringLiteral(");");
}

ImportResult ImportCsv(TSQLDATA &db, const QString &table, const QString &path, const QString &code,
                       const ImportProgress &progress) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ImportResult result;
        result.error = QStringLiteral("Soubor %1 nelze otevřít: %2").arg(path, f.errorString());
        return result;
    }
    return ImportCsvBytes(db, table, f.readAll(), code, progress);
}

ImportResult ImportCsvBytes(TSQLDATA &db, const QString &table, const QByteArray &bytes, const QString &code,
                            const ImportProgress &progress) {
    ImportResult result;
    if (!isImportTable(table)) {
        result.error = QStringLiteral("Do tabulky %1 nelze importovat.").arg(table);
        return result;
    }
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray &l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    if (lines.isEmpty() || lines.first().trimmed().isEmpty()) {
        result.ok = true;  // an empty file: nothing to insert
        return result;
    }
    // The column list is taken as it stands (names are plain ASCII), after the same replacements
    // the export makes; each name must be a bare column name since it goes into the statement.
    QString header = Win1250::decode(lines.first());
    header.replace(QLatin1Char('"'), QLatin1Char('\''));
    header.replace(QLatin1Char(';'), QLatin1Char(','));
    QStringList names = header.split(kSeparator);
    for (QString &n : names) {
        n = n.trimmed();
        if (!IsColumnName(n)) {
            result.line = 1;
            result.error = lineError(1, QStringLiteral("\"%1\" není název sloupce.").arg(n));
            return result;
        }
    }
    const QString columns = names.join(kSeparator);
    const QString conversion = code + QStringLiteral("W");
    const bool address = table == QLatin1String("ADRESAR_ZAKL");
    const int user = Session::currentUserId();
    const int group = Session::defaultGroupId();
    const int total = int(lines.size());
    QList<QStringList> rows;
    QList<int> lineOf;
    for (int k = 1; k < total; ++k) {
        const int lineNo = k + 1;
        if (progress && (k % 256 == 1 || k == total - 1) && !progress(k, total - 1)) {
            result.cancelled = true;
            return result;
        }
        const QString line = Win1250::decode(ConvertCodePage(lines.at(k), conversion));
        if (line.trimmed().isEmpty())
            continue;
        const QStringList values = line.split(kSeparator);
        if (values.size() != names.size()) {
            result.line = lineNo;
            result.error = lineError(lineNo, QStringLiteral("Řádek má %1 hodnot, záhlaví %2 sloupců.")
                                                 .arg(values.size())
                                                 .arg(names.size()));
            return result;
        }
        rows << values;
        lineOf << lineNo;
    }
    if (rows.isEmpty()) {
        result.ok = true;
        return result;
    }
    // Address keys come from the generator, drawn as one block for the whole file.
    const int firstId = address ? ReserveKeys(db, QStringLiteral("ADRESAR_ZAKL_ID"), int(rows.size())) : 0;
    QStringList statements;
    statements.reserve(rows.size());
    for (int r = 0; r < rows.size(); ++r)
        statements << CsvInsertStatement(table, columns, rows.at(r), address ? firstId + r : 0, user, group);
    int failed = -1;
    const QString error = db.ExecSQLList(statements, &failed);
    if (!error.isEmpty()) {
        result.line = lineOf.value(failed);
        result.error = lineError(result.line, error);
        return result;
    }
    result.ok = true;
    result.rows = int(statements.size());
    return result;
}
