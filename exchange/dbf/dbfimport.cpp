#include "dbfimport.h"

#include "typ_mkdbf.h"

#include "data/prompt.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "localisation/langtext.h"

#include <QHash>

namespace {
QString lineError(int n, const QString &error) { return LangText(1070) + QString::number(n) + QLatin1Char('\r') + error; }

bool openForImport(TYP_MKDBF &dbf, const QString &path, ImportResult &result) {
    if (!dbf.Open(path) || dbf.Status() != TYP_MKDBF::Ok) {
        result.error = QStringLiteral("Soubor %1 nelze importovat: %2").arg(path, TYP_MKDBF::StatusText(dbf.Status()));
        return false;
    }
    return true;
}

bool tick(const ImportProgress &progress, int n, int total, ImportResult &result) {
    if (progress && (n % 256 == 1 || n == total) && !progress(n, total)) {
        result.cancelled = true;
        return false;
    }
    return true;
}
}

bool IsImportTable(const QString &table) {
    return table == QLatin1String("ADRESAR_ZAKL") || table == QLatin1String("KU") || table == QLatin1String("UKOLY");
}

QStringList DbfRecordValues(TYP_MKDBF &dbf) {
    QStringList values;
    for (int i = 1; i <= dbf.FieldCount(); ++i) {
        QString v = dbf.FieldText(i).trimmed();
        const char type = dbf.FieldType(i);
        // An empty date, time or number cannot be stored as text; it is no value at all.
        if (v.isEmpty() && (type == 'D' || type == 'T' || type == 'N')) {
            values << QStringLiteral("NULL");
            continue;
        }
        v.replace(QLatin1Char(','), QLatin1Char(';'));
        v.replace(QLatin1Char('"'), QLatin1Char('\''));
        values << QuoteStr(v);
    }
    return values;
}

QString DbfInsertStatement(const QString &table, const QString &columns, const QStringList &values, int id, int userId,
                           int groupId) {
    if (table == QLatin1String("ADRESAR_ZAKL"))
        return QStringLiteral("insert into ") + table + QLatin1Char('(') + table + QStringLiteral("_ID,") + columns
               + AuditColumns(false) + QStringLiteral(") values(") + QString::number(id) + QLatin1Char(',')
               + values.join(QLatin1Char(',')) + AuditValues(false, userId, groupId) + QStringLiteral(");");
    return QStringLiteral("insert into ") + table + QLatin1Char('(') + columns + AuditColumns(true)
           + QStringLiteral(") values(") + values.join(QLatin1Char(',')) + AuditValues(true, userId, groupId)
           + QStringLiteral(");");
}

ImportResult ImportDbfTable(TSQLDATA &db, const QString &path, const QString &table, const QString &code,
                            const ImportProgress &progress) {
    ImportResult result;
    if (!IsImportTable(table)) {
        result.error = QStringLiteral("Do tabulky %1 nelze importovat.").arg(table);
        return result;
    }
    TYP_MKDBF dbf;
    dbf.SetDefaultCodePage(code);
    if (!openForImport(dbf, path, result))
        return result;
    QStringList names;
    for (int i = 1; i <= dbf.FieldCount(); ++i) {
        const QString name = dbf.FieldName(i).trimmed();
        if (!IsColumnName(name)) {
            result.error = QStringLiteral("Pole \"%1\" nemůže být názvem sloupce.").arg(name);
            return result;
        }
        names << name;
    }
    if (names.isEmpty()) {
        result.error = QStringLiteral("Soubor %1 nemá žádná pole.").arg(path);
        return result;
    }
    const QString columns = names.join(QLatin1Char(','));
    const bool address = table == QLatin1String("ADRESAR_ZAKL");
    const int user = Session::currentUserId();
    const int group = Session::defaultGroupId();
    const int total = dbf.RecordCount();
    QStringList statements;
    statements.reserve(total);
    // Address keys come from the generator as one block; keys of a refused import stay unused.
    const int firstId = address && total > 0 ? ReserveKeys(db, QStringLiteral("ADRESAR_ZAKL_ID"), total) : 0;
    for (int n = 1; n <= total; ++n) {
        if (!tick(progress, n, total, result))
            return result;
        if (!dbf.GoTo(n)) {
            result.line = n;
            result.error = lineError(n, TYP_MKDBF::StatusText(dbf.Status()));
            return result;
        }
        statements << DbfInsertStatement(table, columns, DbfRecordValues(dbf), address ? firstId + n - 1 : 0, user, group);
    }
    dbf.Close();
    if (statements.isEmpty()) {
        result.ok = true;
        return result;
    }
    int failed = -1;
    const QString error = db.ExecSQLList(statements, &failed);
    if (!error.isEmpty()) {
        result.line = failed + 1;
        result.error = lineError(result.line, error);
        return result;
    }
    result.ok = true;
    result.rows = total;
    return result;
}

QString ViranWarningText() {
    const QString t = LangText(1049);
    if (t != QLatin1String("1049"))
        return t;
    return QStringLiteral(
        "Při importu jsou nahrazeny hodnoty všech záznamů, které mají stejný zkrácený název jako importované záznamy.\r\n"
        "Pokud jsou v adresáři záznamy s duplicitním zkráceným názvem může být nahrazeno značné množství záznamů!\r\n"
        "DOPORUČUJEME PŘED SPUŠTĚNÍM TÉTO FUNKCE ZAZÁLOHOVAT DATA !");
}

ImportResult ImportViranAddresses(TSQLDATA &db, const QString &path, const ImportProgress &progress, bool ask) {
    ImportResult result;
    if (ask && !prompt().ask(ViranWarningText(), Prompt::Kind::Warning)) {
        result.cancelled = true;
        return result;
    }
    TYP_MKDBF dbf;
    if (!openForImport(dbf, path, result))
        return result;

    static const char *categoryNames[] = {"Firmy", "Priváty", "Subdodavatel", "Zaměstnanci", "Osobní", "Projektanti",
                                          "Propuštění zaměstnanci", "Dodavatelé", "Odběratelé"};
    QHash<QString, int> category;
    for (const char *name : categoryNames) {
        const QString n = QString::fromUtf8(name);
        category.insert(n, db.SelectInt(QStringLiteral("select ADRESAR_C_KAT_ID from ADRESAR_C_KAT where ADRESAR_C_KAT_NAZEV=%1;")
                                            .arg(QuoteStr(n))));
    }
    static const QHash<QString, QString> byCn = {
        {QStringLiteral("1"), QStringLiteral("Firmy")},         {QStringLiteral("225"), QStringLiteral("Priváty")},
        {QStringLiteral("226"), QStringLiteral("Subdodavatel")}, {QStringLiteral("228"), QStringLiteral("Zaměstnanci")},
        {QStringLiteral("229"), QStringLiteral("Osobní")},       {QStringLiteral("230"), QStringLiteral("Projektanti")},
        {QStringLiteral("231"), QStringLiteral("Propuštění zaměstnanci")}};

    const int user = Session::currentUserId();
    const int group = Session::defaultGroupId();
    const int total = dbf.RecordCount();
    QStringList statements;
    QList<int> recordOf;  // record number of each statement
    // Short names inserted earlier in this file count as existing for the records after them.
    QHash<QString, int> insertedHere;
    auto field = [&](const char *name) {
        const int i = dbf.FieldIndex(QString::fromLatin1(name));
        return i > 0 ? dbf.FieldText(i).trimmed() : QString();
    };
    for (int n = 1; n <= total; ++n) {
        if (!tick(progress, n, total, result))
            return result;
        if (!dbf.GoTo(n)) {
            result.line = n;
            result.error = lineError(n, TYP_MKDBF::StatusText(dbf.Status()));
            return result;
        }
        const QString zkratka = field("ZKRATKA");
        const QString nazev = QuoteStr(field("NAZEV")), osoba = QuoteStr(field("OSOBA")), ulice = QuoteStr(field("ULICE")),
                      mesto = QuoteStr(field("MESTO")), psc = QuoteStr(field("PSC")), ico = QuoteStr(field("ICO")),
                      dic = QuoteStr(field("DIC")), tel = QuoteStr(field("TEL").left(20)),
                      fax = QuoteStr(field("FAX").left(20)), email = QuoteStr(field("EMAIL"));
        int id = insertedHere.value(zkratka, 0);
        if (id == 0)
            id = db.SelectInt(QStringLiteral("select ADRESAR_ZAKL_ID from ADRESAR_ZAKL where NAZEV_ZKRACENY=%1;").arg(QuoteStr(zkratka)));
        if (id != 0) {
            statements << QStringLiteral("update adresar_zakl set ")
                              + QStringLiteral(" NAZEV=%1,PRIJMENI=%2,ULICE=%3,MESTO=%4,PSC=%5,ICO=%6,DIC=%7,TELEFON1=%8,FAX1=%9,EMAIL1=")
                                    .arg(nazev, osoba, ulice, mesto, psc, ico, dic, tel, fax)
                              + email + QStringLiteral(" where ADRESAR_ZAKL_ID=%1;").arg(id);
            recordOf << n;
            continue;
        }
        id = db.GenId(QStringLiteral("ADRESAR_ZAKL_ID"));
        insertedHere.insert(zkratka, id);
        statements << QStringLiteral("insert into ADRESAR_ZAKL(ADRESAR_ZAKL_ID,")
                          + QStringLiteral("NAZEV,NAZEV_ZKRACENY,PRIJMENI,ULICE,MESTO,PSC,ICO,DIC,TELEFON1,FAX1,EMAIL1")
                          + AuditColumns(false) + QStringLiteral(") values(") + QString::number(id) + QLatin1Char(',')
                          + QStringList{nazev, QuoteStr(zkratka), osoba, ulice, mesto, psc, ico, dic, tel, fax, email}.join(QLatin1Char(','))
                          + AuditValues(false, user, group) + QStringLiteral(");");
        recordOf << n;
        auto link = [&](const QString &name) {
            const int k = category.value(name);
            if (k == 0)
                return;
            statements << QStringLiteral("insert into ADRESAR_ZAKL_KAT(ADRESAR_ZAKL_ID,ADRESAR_C_KAT_ID) values(%1,%2);").arg(id).arg(k);
            recordOf << n;
        };
        if (field("DODAVATEL") == QLatin1String("Ano"))
            link(QStringLiteral("Dodavatelé"));
        if (field("ODBERATEL") == QLatin1String("Ano"))
            link(QStringLiteral("Odběratelé"));
        const QString main = byCn.value(field("CN"));
        if (!main.isEmpty() && category.value(main) != 0) {
            statements << QStringLiteral("insert into ADRESAR_ZAKL_KAT(ADRESAR_ZAKL_ID,ADRESAR_C_KAT_ID,HLAVNI) values(%1,%2,%3);")
                              .arg(id)
                              .arg(category.value(main))
                              .arg(1);
            recordOf << n;
        }
    }
    dbf.Close();
    if (statements.isEmpty()) {
        result.ok = true;
        return result;
    }
    int failed = -1;
    const QString error = db.ExecSQLList(statements, &failed);
    if (!error.isEmpty()) {
        result.line = recordOf.value(failed);
        result.error = lineError(result.line, error);
        return result;
    }
    result.ok = true;
    result.rows = total;
    return result;
}
