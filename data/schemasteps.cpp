// The statements of the upgrade steps 2..12. Every name here (tables, generators, triggers,
// indexes, constraints, procedures) is what stored databases and the rest of the program rely on.
#include "namedays.h"
#include "schema.h"
#include "sqltext.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString grant(const QString &table) { return QStringLiteral("GRANT ALL on ") + table + QStringLiteral(" to ZORVA;"); }

QString versionRow(int version) {
    return QStringLiteral("insert into verze(verze_id,verze_cislo,datum) values (%1,%1,%2);").arg(version).arg(QStringLiteral("CURRENT_TIMESTAMP"));
}

QString generator(const QString &name) { return QStringLiteral("CREATE GENERATOR ") + name + QLatin1Char(';'); }

// The older steps' trigger: always takes the key from the generator.
QString setTrigger(const QString &table, const QString &gen) {
    return QStringLiteral("CREATE TRIGGER SET_%1 for %1 ACTIVE BEFORE INSERT POSITION 0 as begin NEW.%1_ID = GEN_ID(%2, 1);end;").arg(table, gen);
}

// The newer steps' trigger: fills the key only when the insert left it empty.
QString conditionalTrigger(const QString &name, const QString &table) {
    return QStringLiteral("CREATE TRIGGER %1 FOR %2 ACTIVE BEFORE INSERT POSITION 0 AS BEGIN IF (NEW.%2_ID IS NULL) THEN NEW.%2_ID = GEN_ID(GEN_%2_ID,1);END;")
        .arg(name, table);
}

QString index(const QString &name, const QString &table, const QString &columns) {
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3);").arg(name, table, columns);
}

QString foreignKey(const QString &table, const QString &name, const QString &column, const QString &target) {
    return QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT %2 FOREIGN KEY (%3) REFERENCES %4 (%3);").arg(table, name, column, target);
}

QString emptyBlobProcedure(const QString &table) {
    return QStringLiteral("CREATE procedure UPDATE_%1_POZNAMKA( %1_ID INTEGER, VPOZNAMKA BLOB ) as begin EXIT; end;").arg(table);
}

QString blobProcedure(const QString &verb, const QString &table) {
    return QStringLiteral("%1 procedure UPDATE_%2_POZNAMKA(%2_ID INTEGER, VPOZNAMKA BLOB) as begin Update %2 set POZNAMKA = : vPOZNAMKA Where %2_ID = : %2_ID; end")
        .arg(verb, table);
}

QString insertPopis(const QString &table, const QString &text) {
    return QStringLiteral("insert into %1(POPIS) values(%2);").arg(table, QuoteStr(text));
}

const QString kStandard = QStringLiteral("VYTVORIL_KDO INTEGER, VYTVORIL_KDY DATE, EDITOVAL_KDO INTEGER, EDITOVAL_KDY DATE");
const QString kStandardTimestamp = QStringLiteral("VYTVORIL_KDO INTEGER, VYTVORIL_KDY TIMESTAMP, EDITOVAL_KDO INTEGER, EDITOVAL_KDY TIMESTAMP");
const QString kRights = QStringLiteral("F_CIST INTEGER, F_EDITOVAT INTEGER, F_SMAZAT INTEGER, F_ALARM INTEGER, F_ADMINISTROVAT INTEGER");

// The unconditional triggers of steps 4..8 with the generators they draw from. SET_JF is
// replaced by step 10 itself.
struct OldTrigger {
    const char *table;
    const char *generator;
};
const OldTrigger kOldTriggers[] = {
    {"SPOJ_ADRESAR_ZAKL_KU", "SPOJ_ADRESAR_ZAKL_KU_ID"},
    {"SPOJ_ADRESAR_ZAKL_UKOLY", "SPOJ_ADRESAR_ZAKL_UKOLY_ID"},
    {"SPOJ_ADRESAR_ZAKL_POZNAMKY", "SPOJ_ADRESAR_ZAKL_POZNAMKY_ID"},
    {"MISTA", "MISTA_ID"},
    {"NASTAVENI", "NASTAVENI_ID"},
    {"JU", "JU_ID"},
    {"JU_ZADANI", "JU_ZADANI_ID"},
    {"EVIDENCE_REVIZI", "EVIDENCE_REVIZI_ID"},
    {"KATEGORIE_ZARIZENI", "KATEGORIE_ZARIZENI_ID"},
    {"PRAV_PL_R", "PRAV_PL_R_ID"},
    {"C_MENA", "C_MENA_ID"},
    {"C_ZPUSOB_PLATBY", "C_ZPUSOB_PLATBY_ID"},
    {"C_DRUH_PLATBY", "C_DRUH_PLATBY_ID"},
    {"JF_FADO", "GEN_JF_FADO_ID"},
    {"C_FORMA_UHRADY", "GEN_C_FORMA_UHRADY_ID"},
    {"JF_CONF", "GEN_JF_CONF_ID"},
    {"C_TYP_FADO", "GEN_C_TYP_FADO_ID"},
};

QString oldTrigger(const char *table) {
    for (const OldTrigger &t : kOldTriggers)
        if (qstrcmp(t.table, table) == 0)
            return setTrigger(QLatin1String(t.table), QLatin1String(t.generator));
    Q_ASSERT(false);
    return {};
}

// The program takes keys with GenId before many inserts (invoices, notes, links); the older
// triggers threw that key away and stored another. The last step turns them into the
// conditional form, so a key the program wrote stays and an insert without a key still gets one.
QStringList keepWrittenKeys() {
    QStringList s;
    for (const OldTrigger &t : kOldTriggers)
        s << QStringLiteral("ALTER TRIGGER SET_%1 ACTIVE BEFORE INSERT POSITION 0 AS BEGIN IF (NEW.%1_ID IS NULL) THEN NEW.%1_ID = GEN_ID(%2,1);END;")
                 .arg(QLatin1String(t.table), QLatin1String(t.generator));
    return s;
}

void step2(UpgradeStep &s) {
    s.firstBatch << QStringLiteral("alter table uzivatel add nastaveni varchar(5000);") << QStringLiteral("alter table verze add datum date;");
}

void step3(UpgradeStep &s) {
    s.firstBatch << QStringLiteral(
        "CREATE TABLE POZNAMKY (POZNAMKY_ID INTEGER NOT NULL, NAZEV VARCHAR(255), NADRIZ_ID INTEGER, POZNAMKA BLOB SUB_TYPE TEXT SEGMENT SIZE 80, "
        "VYTVORIL_KDO INTEGER, VYTVORIL_KDY TIMESTAMP, EDITOVAL_KDO INTEGER, EDITOVAL_KDY TIMESTAMP, F_CIST INTEGER, F_EDITOVAT INTEGER, "
        "F_SMAZAT INTEGER, F_ADMINISTROVAT INTEGER, BARVA INTEGER, IKONKA INTEGER, CONSTRAINT PK_POZNAMKY PRIMARY KEY (POZNAMKY_ID));")
                 << generator(QStringLiteral("POZNAMKY_ID"));
    s.singles << emptyBlobProcedure(QStringLiteral("POZNAMKY")) << blobProcedure(QStringLiteral("ALTER"), QStringLiteral("POZNAMKY"));
    s.finalBatch << NameDayStatements(BuiltInNameDays().entries) << grant(QStringLiteral("POZNAMKY"));
}

void step4(UpgradeStep &s) {
    s.firstBatch << QStringLiteral("ALTER TABLE KU ADD AKTIVNI INTEGER DEFAULT 1;") << QStringLiteral("ALTER TABLE ADRESAR_ZAKL ALTER PSC TYPE VARCHAR(10);");
    const struct {
        const char *other, *indexStem;
    } links[] = {{"KU", "KU"}, {"UKOLY", "UKOLY"}, {"POZNAMKY", "POZ"}};
    for (const auto &l : links) {
        const QString other = QLatin1String(l.other);
        const QString table = QStringLiteral("SPOJ_ADRESAR_ZAKL_") + other;
        const QString stem = QStringLiteral("IDX_SPOJ_ADRESAR_ZAKL_") + QLatin1String(l.indexStem);
        s.firstBatch << QStringLiteral("CREATE TABLE %1 (%1_ID INTEGER, ADRESAR_ZAKL_ID INTEGER, %2_ID INTEGER);").arg(table, other)
                     << generator(table + QStringLiteral("_ID")) << index(stem + QStringLiteral("_11"), table, QStringLiteral("ADRESAR_ZAKL_ID"))
                     << index(stem + QStringLiteral("_12"), table, other + QStringLiteral("_ID"));
        s.singles << oldTrigger(qPrintable(table));
    }
    s.finalBatch << QStringLiteral("update KU set AKTIVNI=1;");
    for (const auto &l : links)
        s.finalBatch << grant(QStringLiteral("SPOJ_ADRESAR_ZAKL_") + QLatin1String(l.other));
}

void step5(UpgradeStep &s) {
    s.firstBatch << QStringLiteral("ALTER TABLE UZIVATEL ADD JMENO_PC varchar(50), ADD JMENO_UZIV_Z_WINDOWS varchar(50), ADD IP_ADRESA VARCHAR(30), "
                                   "ADD ODHLASEN_KDY DATE, ADD REZIM Integer;")
                 << QStringLiteral("CREATE TABLE MISTA (MISTA_ID INTEGER, UZIVATEL_ID INTEGER, MISTO varchar(50), ZAZNAM integer, REZIM integer, CAS date);")
                 << index(QStringLiteral("IDX_MISTA_1"), QStringLiteral("MISTA"), QStringLiteral("MISTO"))
                 << QStringLiteral("CREATE TABLE NASTAVENI (NASTAVENI_ID INTEGER, HODNOTY varchar(5000));")
                 << QStringLiteral("CREATE TABLE JU (JU_ID INTEGER, datum date, cas date, nazev varchar(255), uzivatel_id integer, VYTVORIL_KDO INTEGER, "
                                   "VYTVORIL_KDY date, EDITOVAL_KDO INTEGER, EDITOVAL_KDY date, typ_zaznamu INTEGER, typ_akce INTEGER, pracovni INTEGER, "
                                   "odkud INTEGER, odkud_id INTEGER, priorita INTEGER, vyreseno INTEGER);")
                 << index(QStringLiteral("JU_1"), QStringLiteral("JU"), QStringLiteral("datum, cas, priorita"))
                 << index(QStringLiteral("JU_2"), QStringLiteral("JU"), QStringLiteral("uzivatel_id"))
                 << QStringLiteral("CREATE TABLE JU_ZADANI (JU_ZADANI_ID INTEGER, platnost_od date, platnost_do date, cas date, nazev varchar(255), "
                                   "uzivatel_id INTEGER, VYTVORIL_KDO INTEGER, VYTVORIL_KDY date, EDITOVAL_KDO INTEGER, EDITOVAL_KDY date, "
                                   "typ_zaznamu INTEGER, every INTEGER, den INTEGER, mesic INTEGER, typ_akce INTEGER);")
                 << index(QStringLiteral("JU_ZADANI_1"), QStringLiteral("JU_ZADANI"), QStringLiteral("uzivatel_id"));
    const char *tables[] = {"MISTA", "NASTAVENI", "JU", "JU_ZADANI"};
    for (const char *t : tables)
        s.firstBatch << generator(QLatin1String(t) + QStringLiteral("_ID"));
    for (const char *t : tables)
        s.singles << oldTrigger(t);
    for (const char *t : tables)
        s.finalBatch << grant(QLatin1String(t));
}

void step6(UpgradeStep &s) {
    s.firstBatch
        << QStringLiteral(
               "CREATE TABLE EVIDENCE_REVIZI (EVIDENCE_REVIZI_ID INTEGER, CISLO varchar(20), DATUM_REVIZE DATE, DATUM_DALSI_REVIZE DATE, "
               "REVIDOVANE_ZARIZENI varchar(50), KATEGORIE_ZARIZENI_ID Integer, CENA DECIMAL(12,2), POZNAMKA_KRATKA varchar(255), "
               "POZNAMKA BLOB SUB_TYPE 1 SEGMENT SIZE 80, OBJEDNAL_OBJEDNAVKA varchar(30), OBJEDNAL_FIRMA_ID Integer default 0, "
               "OBJEDNAL_OSOBA_ID Integer default 0, OBJEDNAL varchar(30), OBJEDNAL_KONTAKT varchar(30), ZHOTOVITEL_ID Integer default 0, "
               "REVIZNI_TECHNIK_ID Integer default 0, REVIZNI_TECHNIK_KONTAKT varchar(30), REVIZNI_TECHNIK varchar(30), ZHOTOVITEL_ZAKAZKA varchar(30), "
               "UMISTENI_ZARIZENI_ID Integer default 0, UMISTENI_ZARIZENI varchar(100), VYTVORIL_KDO INTEGER, VYTVORIL_KDY DATE, EDITOVAL_KDO INTEGER, "
               "EDITOVAL_KDY DATE, F_CIST INTEGER, F_EDITOVAT INTEGER, F_SMAZAT INTEGER, F_ALARM INTEGER, F_ADMINISTROVAT INTEGER, AKTIVNI INTEGER DEFAULT 1);")
        << QStringLiteral("CREATE TABLE KATEGORIE_ZARIZENI (KATEGORIE_ZARIZENI_ID INTEGER, NAZEV varchar(50));")
        << generator(QStringLiteral("EVIDENCE_REVIZI_ID")) << generator(QStringLiteral("KATEGORIE_ZARIZENI_ID"));
    s.singles << emptyBlobProcedure(QStringLiteral("EVIDENCE_REVIZI")) << blobProcedure(QStringLiteral("ALTER"), QStringLiteral("EVIDENCE_REVIZI"))
              << oldTrigger("EVIDENCE_REVIZI") << oldTrigger("KATEGORIE_ZARIZENI");
    s.finalBatch << grant(QStringLiteral("EVIDENCE_REVIZI")) << grant(QStringLiteral("KATEGORIE_ZARIZENI"));
}

void step7(UpgradeStep &s) {
    s.firstBatch
        << QStringLiteral("CREATE TABLE C_MENA (C_MENA_ID INTEGER NOT NULL, MENA varchar(3), CONSTRAINT PK_C_MENA PRIMARY KEY (C_MENA_ID));")
        << generator(QStringLiteral("C_MENA_ID"))
        << QStringLiteral("CREATE TABLE C_ZPUSOB_PLATBY (C_ZPUSOB_PLATBY_ID INTEGER NOT NULL, POPIS varchar(50), "
                          "CONSTRAINT PK_C_ZPUSOB_PLATBY PRIMARY KEY (C_ZPUSOB_PLATBY_ID));")
        << generator(QStringLiteral("C_ZPUSOB_PLATBY_ID"))
        << QStringLiteral("CREATE TABLE C_DRUH_PLATBY (C_DRUH_PLATBY_ID INTEGER NOT NULL, POPIS varchar(50), VRATNA_ZALOHA integer, PENALE integer, "
                          "POKUTA integer, CONSTRAINT PK_C_DRUH_PLATBY PRIMARY KEY (C_DRUH_PLATBY_ID));")
        << generator(QStringLiteral("C_DRUH_PLATBY_ID"))
        << QStringLiteral(
               "CREATE TABLE PRAV_PL_H (PRAV_PL_H_ID INTEGER NOT NULL, DODAVATEL_ID INTEGER, ODBERATEL_ID INTEGER, DATUM_VZNIKU DATE, DATUM_UKONCENI DATE, "
               "AKTIVNI INTEGER DEFAULT 1, TEXT varchar(255), VAR_SYM varchar(10), SPEC_SYM varchar(10), KONST_SYM varchar(10), C_ZPUSOB_PLATBY_ID INTEGER, "
               "BU_DODAVATELE varchar(25), DPH_AN INTEGER, C_MENA_ID INTEGER, VYTVORIL_KDO INTEGER, VYTVORIL_KDY DATE, EDITOVAL_KDO INTEGER, "
               "EDITOVAL_KDY DATE, F_CIST INTEGER, F_EDITOVAT INTEGER, F_SMAZAT INTEGER, F_ALARM INTEGER, F_ADMINISTROVAT INTEGER, "
               "POZNAMKA BLOB SUB_TYPE 1 SEGMENT SIZE 80, CONSTRAINT PK_PRAV_PL_H00 PRIMARY KEY (PRAV_PL_H_ID), "
               "CONSTRAINT FK_PRAV_PL_H01 FOREIGN KEY (C_MENA_ID) REFERENCES C_MENA (C_MENA_ID), "
               "CONSTRAINT FK_PRAV_PL_H03 FOREIGN KEY (C_ZPUSOB_PLATBY_ID) REFERENCES C_ZPUSOB_PLATBY (C_ZPUSOB_PLATBY_ID));")
        << generator(QStringLiteral("GEN_PRAV_PL_H_ID"))
        << QStringLiteral(
               "CREATE TABLE PRAV_PL_R (PRAV_PL_R_ID INTEGER NOT NULL, PRAV_PL_H_ID INTEGER NOT NULL, DOKLAD_DODAVATELE varchar(10), "
               "DOKLAD_ODBERATELE varchar(10), DODAVATEL_ID INTEGER, ODBERATEL_ID INTEGER, DATUM_PREDPISU DATE, DATUM_SPLATNOSTI DATE, "
               "DATUM_ZAPLACENI DATE, PREDPIS DECIMAL(12,2), PLATBA DECIMAL(12,2), TEXT varchar(255), VAR_SYM varchar(10), SPEC_SYM varchar(10), "
               "KONST_SYM varchar(10), C_DRUH_PLATBY_ID INTEGER, C_ZPUSOB_PLATBY_ID INTEGER, BU_DODAVATELE varchar(25), DPH_PROC INTEGER, "
               "POZNAMKA_KRATKA varchar(255), C_MENA_ID INTEGER, VYTVORIL_KDO INTEGER, VYTVORIL_KDY DATE, EDITOVAL_KDO INTEGER, EDITOVAL_KDY DATE, "
               "CONSTRAINT PK_PRAV_PL_R00 PRIMARY KEY (PRAV_PL_R_ID), "
               "CONSTRAINT FK_PRAV_PL_R01 FOREIGN KEY (PRAV_PL_H_ID) REFERENCES PRAV_PL_H (PRAV_PL_H_ID), "
               "CONSTRAINT FK_PRAV_PL_R02 FOREIGN KEY (C_MENA_ID) REFERENCES C_MENA (C_MENA_ID), "
               "CONSTRAINT FK_PRAV_PL_R03 FOREIGN KEY (C_DRUH_PLATBY_ID) REFERENCES C_DRUH_PLATBY (C_DRUH_PLATBY_ID), "
               "CONSTRAINT FK_PRAV_PL_R04 FOREIGN KEY (C_ZPUSOB_PLATBY_ID) REFERENCES C_ZPUSOB_PLATBY (C_ZPUSOB_PLATBY_ID));")
        << generator(QStringLiteral("PRAV_PL_R_ID")) << index(QStringLiteral("IDX_PRAV_PL_R_11"), QStringLiteral("PRAV_PL_R"), QStringLiteral("PRAV_PL_H_ID"));
    s.singles << blobProcedure(QStringLiteral("CREATE"), QStringLiteral("PRAV_PL_H")) << oldTrigger("PRAV_PL_R") << oldTrigger("C_MENA")
              << oldTrigger("C_ZPUSOB_PLATBY") << oldTrigger("C_DRUH_PLATBY");
    for (const char *t : {"C_MENA", "C_ZPUSOB_PLATBY", "C_DRUH_PLATBY", "PRAV_PL_H", "PRAV_PL_R"})
        s.finalBatch << grant(QLatin1String(t));
    s.finalBatch << versionRow(7);
    s.finalBatch << QStringLiteral("insert into C_MENA(MENA) values(%1);").arg(QuoteStr(QStringLiteral("CZK")))
                 << insertPopis(QStringLiteral("C_ZPUSOB_PLATBY"), QStringLiteral("Hotově"))
                 << insertPopis(QStringLiteral("C_ZPUSOB_PLATBY"), QStringLiteral("Převodem"));
    const struct {
        const char16_t *popis;
        int vratna, penale, pokuta;
    } kinds[] = {{u"Platba", 0, 0, 0}, {u"Pravidelná platba", 0, 0, 0}, {u"Vratná záloha", 1, 0, 0}, {u"Penále", 0, 1, 0}, {u"Pokuta", 0, 0, 1}};
    for (const auto &k : kinds)
        s.finalBatch << QStringLiteral("insert into C_DRUH_PLATBY(POPIS,VRATNA_ZALOHA,PENALE,POKUTA) values(%1,%2,%3,%4);")
                            .arg(QuoteStr(QString::fromUtf16(k.popis)))
                            .arg(k.vratna)
                            .arg(k.penale)
                            .arg(k.pokuta);
}

void step8(UpgradeStep &s, const QString &printFolder) {
    QString jfConf = QStringLiteral(
        "CREATE TABLE JF_CONF (JF_CONF_ID INTEGER NOT NULL, C_MENA_ID INTEGER, NABIZET_CISLO INTEGER DEFAULT 1, NABIZET_CISLO_FADO INTEGER DEFAULT 1, "
        "NABIZET_CISLO_TYP INTEGER DEFAULT 0, PRAVO_EDITOVAT_VZDY INTEGER DEFAULT 1, PRAVO_MENIT_PROC_DPH INTEGER DEFAULT 0, PROCENTO_1 DECIMAL(2), "
        "PROCENTO_2 DECIMAL(2), DPH_AN Integer, DPH_TYP INTEGER DEFAULT 0, SLOZKA_PRO_TISK Varchar(255), PRIPONA_PRO_TISK Integer, "
        "C_FORMA_UHRADY_ID INTEGER, C_ZPUSOB_PLATBY_ID INTEGER, DODAVATEL_ID INTEGER, ZOBRAZOVAT INTEGER DEFAULT 1, ZOBRAZOVAT_PF INTEGER DEFAULT 1, "
        "ZOBRAZOVAT_FADO INTEGER DEFAULT 1, POCET_DNI_SPLATNOSTI INTEGER, ZPUSOB_ZAOKROUHL_SPL INTEGER, NASTAVENI varchar(1024), VYPOCET varchar(10240), "
        "VYPOCET_FADO varchar(10240), VYPOCET_FADO_AUTO integer default 1, NABIZET_TEXTY INTEGER");
    for (int i = 1; i <= 10; ++i)
        jfConf += QStringLiteral(", NAZEV_FAKTURY_%1 VARCHAR(20)").arg(i, 2, 10, QLatin1Char('0'));
    for (int i = 1; i <= 10; ++i)
        jfConf += QStringLiteral(", TEXT_FAKTURY_%1 VARCHAR(2048)").arg(i, 2, 10, QLatin1Char('0'));
    jfConf += QStringLiteral(");");
    s.firstBatch
        << QStringLiteral("CREATE TABLE C_FORMA_UHRADY (C_FORMA_UHRADY_ID INTEGER NOT NULL, POPIS varchar(50), "
                          "CONSTRAINT PK_C_FORMA_UHRADY PRIMARY KEY (C_FORMA_UHRADY_ID));")
        << generator(QStringLiteral("GEN_C_FORMA_UHRADY_ID"))
        << QStringLiteral("CREATE TABLE C_TYP_FADO (C_TYP_FADO_ID INTEGER NOT NULL, POPIS varchar(50), CONSTRAINT PK_C_TYP_FADO PRIMARY KEY (C_TYP_FADO_ID));")
        << generator(QStringLiteral("GEN_C_TYP_FADO_ID")) << jfConf << generator(QStringLiteral("GEN_JF_CONF_ID"))
        << QStringLiteral(
               "CREATE TABLE JF (JF_ID INTEGER NOT NULL, TYP_DOKLADU INTEGER DEFAULT 0, CISLO Varchar(10), ZAKAZKA Varchar(20), ODBERATEL_ID INTEGER, "
               "ODBERATEL_KORESP_ID INTEGER, ODBERATEL_STREDISKO_ID INTEGER, DODAVATEL_ID INTEGER, DATUM_VYSTAVENI DATE, DATUM_ZDANITELNEHO_PLNENI DATE, "
               "DATUM_SPLATNOSTI DATE, TYP_VYPOCTU INTEGER DEFAULT 0, C_MENA_ID INTEGER, ZAKLAD_0 DECIMAL(12,2), ZAKLAD_1 DECIMAL(12,2), "
               "ZAKLAD_2 DECIMAL(12,2), PROCENTO_1 DECIMAL(2), PROCENTO_2 DECIMAL(2), DPH_1 DECIMAL(12,2), DPH_2 DECIMAL(12,2), "
               "ZAKLAD_CELKEM DECIMAL(12,2), DPH_CELKEM DECIMAL(12,2), S_DPH_CELKEM DECIMAL(12,2), C_FORMA_UHRADY_ID INTEGER, "
               "POZNAMKA_OBECNA VARCHAR(255), DATUM_ZAPLACENI DATE, C_ZPUSOB_PLATBY_ID INTEGER, POZNAMKA_ZAPLACENI VARCHAR(255), "
               "TEXT_FAKTURY VARCHAR(2048), NAKLADY DECIMAL(12,2), POZNAMKA_NAKLADY VARCHAR(255), ZISK_CASTKA DECIMAL(12,2), ZISK_PROC DECIMAL(12,2), "
               "PROVIZE_CASTKA DECIMAL(12,2), POZNAMKA_PROVIZE VARCHAR(255), PROVIZE_ADRESA_ID INTEGER, VYTVORIL_KDO INTEGER, VYTVORIL_KDY DATE, "
               "EDITOVAL_KDO INTEGER, EDITOVAL_KDY DATE, F_CIST INTEGER, F_EDITOVAT INTEGER, F_SMAZAT INTEGER, F_ALARM INTEGER, F_ADMINISTROVAT INTEGER, "
               "CONSTRAINT JF_H00 PRIMARY KEY (JF_ID), CONSTRAINT JF_H01 FOREIGN KEY (C_MENA_ID) REFERENCES C_MENA (C_MENA_ID), "
               "CONSTRAINT JF_H03 FOREIGN KEY (C_ZPUSOB_PLATBY_ID) REFERENCES C_ZPUSOB_PLATBY (C_ZPUSOB_PLATBY_ID), "
               "CONSTRAINT JF_H04 FOREIGN KEY (C_FORMA_UHRADY_ID) REFERENCES C_FORMA_UHRADY (C_FORMA_UHRADY_ID));")
        << generator(QStringLiteral("GEN_JF_ID"))
        << QStringLiteral(
               "CREATE TABLE JF_FADO (JF_FADO_ID INTEGER NOT NULL, CISLO Varchar(10), ZAKAZKA Varchar(20), CISLO_DODAVATELE Varchar(20), "
               "DODAVATEL_ID INTEGER, ODBERATEL_ID INTEGER, DODAVATEL_STREDISKO_ID INTEGER, DATUM_VYSTAVENI DATE, DATUM_ZDANITELNEHO_PLNENI DATE, "
               "DATUM_SPLATNOSTI DATE, TYP_VYPOCTU INTEGER DEFAULT 0, C_MENA_ID INTEGER, ZAKLAD_0 DECIMAL(12,2), ZAKLAD_1 DECIMAL(12,2), "
               "ZAKLAD_2 DECIMAL(12,2), PROCENTO_1 DECIMAL(2), PROCENTO_2 DECIMAL(2), DPH_1 DECIMAL(12,2), DPH_2 DECIMAL(12,2), "
               "ZAKLAD_CELKEM DECIMAL(12,2), DPH_CELKEM DECIMAL(12,2), S_DPH_CELKEM DECIMAL(12,2), C_FORMA_UHRADY_ID INTEGER, "
               "POZNAMKA_OBECNA VARCHAR(255), DATUM_ZAPLACENI DATE, C_ZPUSOB_PLATBY_ID INTEGER, POZNAMKA_ZAPLACENI VARCHAR(255), "
               "TEXT_FAKTURY VARCHAR(2048), C_TYP_FADO_ID integer, VYTVORIL_KDO INTEGER, VYTVORIL_KDY DATE, EDITOVAL_KDO INTEGER, EDITOVAL_KDY DATE, "
               "F_CIST INTEGER, F_EDITOVAT INTEGER, F_SMAZAT INTEGER, F_ALARM INTEGER, F_ADMINISTROVAT INTEGER, "
               "CONSTRAINT JF_FADO_H00 PRIMARY KEY (JF_FADO_ID), CONSTRAINT JF_FADO_H01 FOREIGN KEY (C_MENA_ID) REFERENCES C_MENA (C_MENA_ID), "
               "CONSTRAINT JF_FADO_H03 FOREIGN KEY (C_ZPUSOB_PLATBY_ID) REFERENCES C_ZPUSOB_PLATBY (C_ZPUSOB_PLATBY_ID), "
               "CONSTRAINT JF_FADO_H04 FOREIGN KEY (C_TYP_FADO_ID) REFERENCES C_TYP_FADO (C_TYP_FADO_ID), "
               "CONSTRAINT JF_FADO_H05 FOREIGN KEY (C_FORMA_UHRADY_ID) REFERENCES C_FORMA_UHRADY (C_FORMA_UHRADY_ID));")
        << generator(QStringLiteral("GEN_JF_FADO_ID"));
    s.singles << setTrigger(QStringLiteral("JF"), QStringLiteral("GEN_JF_ID")) << oldTrigger("JF_FADO") << oldTrigger("C_FORMA_UHRADY")
              << oldTrigger("JF_CONF") << oldTrigger("C_TYP_FADO");
    for (const char *t : {"C_FORMA_UHRADY", "C_TYP_FADO", "JF_CONF", "JF", "JF_FADO"})
        s.finalBatch << grant(QLatin1String(t));
    s.finalBatch << versionRow(8) << insertPopis(QStringLiteral("C_FORMA_UHRADY"), QStringLiteral("Hotově"))
                 << insertPopis(QStringLiteral("C_FORMA_UHRADY"), QStringLiteral("Převodem"))
                 << insertPopis(QStringLiteral("C_TYP_FADO"), QStringLiteral("Služby")) << insertPopis(QStringLiteral("C_TYP_FADO"), QStringLiteral("Zboží"))
                 << QStringLiteral("insert into JF_CONF(PROCENTO_1,PROCENTO_2,DPH_AN,ZOBRAZOVAT,POCET_DNI_SPLATNOSTI,ZPUSOB_ZAOKROUHL_SPL,SLOZKA_PRO_TISK) "
                                   "values(19,5,1,1,14,0,%1);")
                        .arg(QuoteStr(printFolder));
}

const char *const kGoodsCodeTables[] = {"ZB_BARVA", "ZB_KATEGORIE", "ZB_MJ", "ZB_SKLAD", "ZB_STAV", "ZB_VELIKOST", "ZB_URCENI", "ZB_MATERIAL", "ZB_DRUH"};

void step9(UpgradeStep &s) {
    for (const char *t : kGoodsCodeTables) {
        const QString table = QLatin1String(t);
        QString columns;
        if (table == QLatin1String("ZB_DRUH"))
            columns = QStringLiteral(", NAZEV VARCHAR(50), POPIS_ZBOZI VARCHAR(255), ZB_MJ_ID INTEGER, N_DPH_PROC INTEGER, N_AUTORSKY DECIMAL(15,2), "
                                     "N_RECYKLACNI DECIMAL(15,2), VYROBCE_ID INTEGER, N_ZARUKA INTEGER, POZNAMKA VARCHAR(50)");
        else if (table == QLatin1String("ZB_SKLAD") || table == QLatin1String("ZB_URCENI"))
            columns = QStringLiteral(", POZNAMKA VARCHAR(50)");
        s.firstBatch << QStringLiteral("CREATE TABLE %1 (%1_ID INTEGER NOT NULL, POPIS VARCHAR(50), PRIORITA INTEGER DEFAULT 1%2, "
                                       "CONSTRAINT PK_%1 PRIMARY KEY (%1_ID));")
                            .arg(table, columns)
                     << generator(QStringLiteral("GEN_") + table + QStringLiteral("_ID"));
    }
    s.firstBatch << QStringLiteral(
                        "CREATE TABLE ZB_ZBOZI (ZB_ZBOZI_ID INTEGER NOT NULL, STAV INTEGER, CISLO VARCHAR(15), EAN VARCHAR(13), NAZEV VARCHAR(50), "
                        "POCET INTEGER, ZB_MJ_ID INTEGER, N_CENA DECIMAL(15,2), N_DPH_PROC INTEGER, N_AUTORSKY DECIMAL(15,2), N_RECYKLACNI DECIMAL(15,2), "
                        "VYR_CISLO VARCHAR(50), N_DATUM DATE, JF_FADO_ID INTEGER, DODAVATEL_ID INTEGER, ODBERATEL_ID INTEGER, VYROBCE_ID INTEGER, "
                        "ZB_URCENI_ID INTEGER, ZB_MATERIAL_ID INTEGER, N_ZARUKA INTEGER, ZB_BARVA_ID INTEGER, POPIS_ZBOZI VARCHAR(255), "
                        "POZNAMKA VARCHAR(255), ZB_KATEGORIE_ID INTEGER, ZB_DRUH_ID INTEGER, ZB_VELIKOST_ID INTEGER, HMOTNOST DECIMAL(15,3), "
                        "ZB_STAV_ID INTEGER, P_DATUM DATE, P_ZARUKA INTEGER, P_CENA DECIMAL(15,2), P_DPH_PROC INTEGER, ZISK_PROC DECIMAL(15,2), "
                        "ZISK DECIMAL(15,2), ZB_SKLAD_ID INTEGER, VYTVORIL_KDO INTEGER, VYTVORIL_KDY TIMESTAMP, EDITOVAL_KDO INTEGER, "
                        "EDITOVAL_KDY TIMESTAMP, CONSTRAINT PK_ZB_ZBOZI PRIMARY KEY (ZB_ZBOZI_ID));")
                 << generator(QStringLiteral("GEN_ZB_ZBOZI_ID"));
    for (const char *t : kGoodsCodeTables)
        s.singles << index(QStringLiteral("IDX_%1_1").arg(QLatin1String(t)), QLatin1String(t), QStringLiteral("PRIORITA, POPIS"));
    for (const char *t : {"ZB_BARVA", "ZB_DRUH", "ZB_KATEGORIE", "ZB_MJ", "ZB_SKLAD", "ZB_STAV", "ZB_VELIKOST", "ZB_URCENI", "ZB_MATERIAL"})
        s.singles << foreignKey(QStringLiteral("ZB_ZBOZI"), QStringLiteral("FK_ZB_ZBOZI__%1_ID").arg(QLatin1String(t)), QLatin1String(t) + QStringLiteral("_ID"),
                                QLatin1String(t));
    for (const char *t : kGoodsCodeTables)
        s.singles << conditionalTrigger(QLatin1String(t) + QStringLiteral("_BI"), QLatin1String(t));
    s.singles << conditionalTrigger(QStringLiteral("ZB_ZBOZI_BI"), QStringLiteral("ZB_ZBOZI"));
    for (const char *t : kGoodsCodeTables)
        s.finalBatch << grant(QLatin1String(t));
    s.finalBatch << grant(QStringLiteral("ZB_ZBOZI"));
    s.finalBatch << insertPopis(QStringLiteral("ZB_SKLAD"), QStringLiteral("Sklad 1")) << insertPopis(QStringLiteral("ZB_MJ"), QStringLiteral("ks"));
    for (const char *t : {"ZB_STAV", "ZB_VELIKOST", "ZB_KATEGORIE", "ZB_BARVA", "ZB_DRUH", "ZB_URCENI", "ZB_MATERIAL"})
        s.finalBatch << insertPopis(QLatin1String(t), QStringLiteral("Neurčeno"));
}

void step10(UpgradeStep &s) {
    s.firstBatch
        << QStringLiteral("CREATE TABLE BU (BU_ID INTEGER NOT NULL, BU_UCET VARCHAR(16), BU_BANKA VARCHAR(4), BANKA_ID INTEGER, VLASTNIK_ID INTEGER, "
                          "POPIS VARCHAR(50), ZALOZENI_DATUM DATE, ZRUSENI_DATUM DATE, POZNAMKA VARCHAR(255), POCATECNY_STAV DECIMAL(15,2) DEFAULT 0, "
                          "AKTUALNI_STAV DECIMAL(15,2) DEFAULT 0, CELKEM_DEBET DECIMAL(15,2) DEFAULT 0, CELKEM_KREDIT DECIMAL(15,2) DEFAULT 0, "
                          "C_ZPUSOB_PLATBY_ID integer DEFAULT 0, %1, CONSTRAINT PK_BU PRIMARY KEY (BU_ID));")
               .arg(kStandardTimestamp)
        << QStringLiteral("CREATE TABLE BU_VYPIS (BU_VYPIS_ID INTEGER NOT NULL, BU_ID INTEGER, DATUM DATE, UCET VARCHAR(16), BANKA VARCHAR(4), "
                          "DOPLNUJICI_UDAJ VARCHAR(20), VARIABILNI VARCHAR(10), SPECIFICKY VARCHAR(10), KONSTANTNI VARCHAR(10), "
                          "CASTKA DECIMAL(15,2) DEFAULT 0, CASTKA_DEBET DECIMAL(15,2) DEFAULT 0, CASTKA_KREDIT DECIMAL(15,2) DEFAULT 0, "
                          "CASTKA_ZUSTATEK DECIMAL(15,2) DEFAULT 0, PORADOVE_CISLO INTEGER DEFAULT 0, PORADOVE_CISLO_V_DAVCE INTEGER DEFAULT 0, "
                          "POZNAMKA VARCHAR(255), KOD_UCTOVANI INTEGER, %1, CONSTRAINT PK_BU_VYPIS PRIMARY KEY (BU_VYPIS_ID));")
               .arg(kStandardTimestamp)
        << QStringLiteral("CREATE TABLE BU_CISELNIK_BANK (BU_CISELNIK_BANK_ID INTEGER NOT NULL, KOD VARCHAR(4), NAZEV VARCHAR(50), "
                          "CONSTRAINT PK_BU_CISELNIK_BANK PRIMARY KEY (BU_CISELNIK_BANK_ID));")
        << QStringLiteral("ALTER TABLE ADRESAR_ZAKL ALTER BU_UCET TYPE VARCHAR(16);")
        << QStringLiteral("ALTER TABLE ZB_ZBOZI ADD ZAKAZKA varchar(20), ADD JF_ID INTEGER, ADD JF_PF_ID INTEGER, ADD SLUZBY integer default 0;")
        << QStringLiteral("ALTER TABLE JF ADD BU_VYPIS_ID integer default 0, ADD Z_PROFORMY_ID integer default 0;")
        << QStringLiteral("ALTER TABLE JF_FADO ADD BU_VYPIS_ID integer default 0;") << generator(QStringLiteral("GEN_BU_ID"))
        << generator(QStringLiteral("GEN_BU_VYPIS_ID")) << generator(QStringLiteral("GEN_BU_CISELNIK_BANK_ID"));
    s.singles << index(QStringLiteral("IDX_BU_VYPIS_1"), QStringLiteral("BU_VYPIS"), QStringLiteral("BU_ID"))
              << index(QStringLiteral("IDX_BU_VYPIS_2"), QStringLiteral("BU_VYPIS"), QStringLiteral("DATUM"))
              << index(QStringLiteral("IDX_BU_VYPIS_3"), QStringLiteral("BU_VYPIS"), QStringLiteral("PORADOVE_CISLO, PORADOVE_CISLO_V_DAVCE"))
              << index(QStringLiteral("IDX_BU_CISELNIK_BANK_1"), QStringLiteral("BU_CISELNIK_BANK"), QStringLiteral("KOD"))
              << index(QStringLiteral("IDX_ZB_ZBOZI_1"), QStringLiteral("ZB_ZBOZI"), QStringLiteral("JF_ID"))
              << index(QStringLiteral("IDX_ZB_ZBOZI_2"), QStringLiteral("ZB_ZBOZI"), QStringLiteral("JF_PF_ID"))
              << index(QStringLiteral("IDX_ZB_ZBOZI_3"), QStringLiteral("ZB_ZBOZI"), QStringLiteral("CISLO"))
              << foreignKey(QStringLiteral("BU_VYPIS"), QStringLiteral("FK_BU_ID__BU_VYPIS_ID"), QStringLiteral("BU_ID"), QStringLiteral("BU"))
              << conditionalTrigger(QStringLiteral("BU_BI"), QStringLiteral("BU"))
              << conditionalTrigger(QStringLiteral("BU_VYPIS_BI"), QStringLiteral("BU_VYPIS"))
              << conditionalTrigger(QStringLiteral("BU_CISELNIK_BANK_BI"), QStringLiteral("BU_CISELNIK_BANK")) << QStringLiteral("DROP TRIGGER SET_JF;")
              << conditionalTrigger(QStringLiteral("SET_JF"), QStringLiteral("JF"));
    s.finalBatch << grant(QStringLiteral("BU")) << grant(QStringLiteral("BU_VYPIS")) << grant(QStringLiteral("BU_CISELNIK_BANK"));
}

void step11(UpgradeStep &s) {
    s.firstBatch << QStringLiteral("CREATE TABLE BU_DRUH_PLATBY (BU_DRUH_PLATBY_ID INTEGER NOT NULL, POPIS VARCHAR(50), DRUH INTEGER DEFAULT 0, "
                                   "CONSTRAINT PK_BU_DRUH_PLATBY PRIMARY KEY (BU_DRUH_PLATBY_ID));")
                 << generator(QStringLiteral("GEN_BU_DRUH_PLATBY_ID")) << QStringLiteral("ALTER TABLE BU DROP POCATECNY_STAV;")
                 << QStringLiteral("ALTER TABLE BU ADD POCATECNI_STAV DECIMAL(15,2) DEFAULT 0, ADD PAROVAT integer DEFAULT 0, ADD BU_DRUH_PLATBY_ID INTEGER;")
                 << QStringLiteral("ALTER TABLE BU_VYPIS ADD BU_DRUH_PLATBY_ID INTEGER, ADD ADRESAR_ZAKL_ID INTEGER;");
    s.singles << index(QStringLiteral("IDX_BU_VYPIS_4"), QStringLiteral("BU_VYPIS"), QStringLiteral("BU_DRUH_PLATBY_ID"))
              << index(QStringLiteral("IDX_BU_VYPIS_5"), QStringLiteral("BU_VYPIS"), QStringLiteral("ADRESAR_ZAKL_ID"))
              << index(QStringLiteral("IDX_ADRESAR_ZAKL_11"), QStringLiteral("ADRESAR_ZAKL"), QStringLiteral("BU_UCET"))
              << index(QStringLiteral("IDX_ADRESAR_ZAKL_12"), QStringLiteral("ADRESAR_ZAKL"), QStringLiteral("BU_BANKA"))
              << QStringLiteral("ALTER TABLE BU_VYPIS DROP CONSTRAINT FK_BU_ID__BU_VYPIS_ID;")
              << foreignKey(QStringLiteral("BU_VYPIS"), QStringLiteral("FK_BU_VYPIS__BU_ID"), QStringLiteral("BU_ID"), QStringLiteral("BU"))
              << foreignKey(QStringLiteral("BU_VYPIS"), QStringLiteral("FK_BU_VYPIS__BU_DRUH_PLATBY_ID"), QStringLiteral("BU_DRUH_PLATBY_ID"),
                            QStringLiteral("BU_DRUH_PLATBY"))
              << foreignKey(QStringLiteral("BU"), QStringLiteral("FK_BU__BU_DRUH_PLATBY_ID"), QStringLiteral("BU_DRUH_PLATBY_ID"), QStringLiteral("BU_DRUH_PLATBY"))
              << conditionalTrigger(QStringLiteral("BU_DRUH_PLATBY"), QStringLiteral("BU_DRUH_PLATBY"));
    s.finalBatch << grant(QStringLiteral("BU_DRUH_PLATBY"));
    const struct {
        const char16_t *popis;
        int druh;
    } kinds[] = {{u"Neurčeno", 0}, {u"Faktura vydaná", 2}, {u"Faktura vydaná zálohová", 3}, {u"Faktura přijatá", 4}, {u"Bankovní poplatky", 1}};
    for (const auto &k : kinds)
        s.finalBatch << QStringLiteral("Insert into BU_DRUH_PLATBY(POPIS,DRUH) values(%1,%2);").arg(QuoteStr(QString::fromUtf16(k.popis))).arg(k.druh);
}

void step12(UpgradeStep &s) {
    s.firstBatch
        << QStringLiteral("CREATE TABLE KU_BARVA (KU_BARVA_ID INTEGER NOT NULL, DATUM DATE, ADRESAR_ZAKL_ID INTEGER DEFAULT 0, BARVA INTEGER DEFAULT 0, "
                          "CONSTRAINT PK_KU_BARVA PRIMARY KEY (KU_BARVA_ID));")
        << generator(QStringLiteral("GEN_KU_BARVA_ID"))
        << QStringLiteral("CREATE TABLE ZAKAZKY (ZAKAZKY_ID INTEGER NOT NULL, ZAKAZKA VARCHAR(20) DEFAULT \"\", ZAKAZKY_ROZLISENI_ID INTEGER DEFAULT 0, "
                          "ZAKAZKY_STAV_ID INTEGER DEFAULT 0, ZAKAZKY_STAV_FAKTURACE_ID INTEGER DEFAULT 0, ODBERATEL INTEGER DEFAULT 0, DATUM DATE, "
                          "PRACOVNIK INTEGER DEFAULT 0, AKTIVNI INTEGER DEFAULT 1, ARCHIVOVANO INTEGER DEFAULT 0, POPIS VARCHAR(50), DIRECTORY VARCHAR(255), "
                          "CASTKA_NABIDKA DECIMAL(15,2) DEFAULT 0, CASTKA_FAKTURACE DECIMAL(15,2) DEFAULT 0, CASTKA_MATERIAL DECIMAL(15,2) DEFAULT 0, "
                          "HODINY INTEGER DEFAULT 0, DOPRAVA DECIMAL(15,2) DEFAULT 0, CASTKA_ZISK DECIMAL(15,2) DEFAULT 0, "
                          "POZNAMKA BLOB SUB_TYPE TEXT SEGMENT SIZE 80, %1, CONSTRAINT PK_ZAKAZKY PRIMARY KEY (ZAKAZKY_ID));")
               .arg(kStandard)
        << generator(QStringLiteral("GEN_ZAKAZKY_ID"));
    for (const char *t : {"ZAKAZKY_ROZLISENI", "ZAKAZKY_STAV", "ZAKAZKY_STAV_FAKTURACE"})
        s.firstBatch << QStringLiteral("CREATE TABLE %1 (%1_ID INTEGER NOT NULL, POPIS VARCHAR(50), CONSTRAINT PK_%1 PRIMARY KEY (%1_ID));").arg(QLatin1String(t))
                     << generator(QStringLiteral("GEN_%1_ID").arg(QLatin1String(t)));
    s.firstBatch << QStringLiteral("CREATE TABLE SPOJ_ADRESAR_Z_ZAKAZKY (SPOJ_ADRESAR_Z_ZAKAZKY_ID INTEGER NOT NULL, ADRESAR_ZAKL_ID INTEGER, "
                                   "ZAKAZKY_ID INTEGER, CONSTRAINT PK_SPOJ_ADRESAR_Z_ZAKAZKY PRIMARY KEY (SPOJ_ADRESAR_Z_ZAKAZKY_ID));")
                 << generator(QStringLiteral("GEN_SPOJ_ADRESAR_Z_ZAKAZKY_ID"));
    for (const char *t : {"KU", "KJ", "UKOLY", "POZNAMKY"})
        s.firstBatch << QStringLiteral("ALTER TABLE %1 ADD ZAKAZKA varchar(20) CHARACTER SET WIN1250 DEFAULT \"\";").arg(QLatin1String(t));
    s.firstBatch << QStringLiteral("ALTER TABLE ADRESAR_ZAKL ADD FUNKCE varchar(50) CHARACTER SET WIN1250 DEFAULT \"\";");

    s.singles << index(QStringLiteral("IDX_KU_BARVA_DATUM"), QStringLiteral("KU_BARVA"), QStringLiteral("DATUM"))
              << index(QStringLiteral("IDX_KU_BARVA_ADRESAR"), QStringLiteral("KU_BARVA"), QStringLiteral("ADRESAR_ZAKL_ID"));
    for (const char *t : {"ZAKAZKY", "KU", "KJ", "UKOLY", "POZNAMKY", "JF", "JF_FADO", "ZB_ZBOZI"})
        s.singles << index(QStringLiteral("IDX_%1_ZAKAZKA").arg(QLatin1String(t)), QLatin1String(t), QStringLiteral("ZAKAZKA"));
    s.singles << blobProcedure(QStringLiteral("CREATE"), QStringLiteral("ZAKAZKY"));
    for (const char *t : {"KU_BARVA", "ZAKAZKY_STAV", "ZAKAZKY_STAV_FAKTURACE", "ZAKAZKY_ROZLISENI", "SPOJ_ADRESAR_Z_ZAKAZKY"})
        s.singles << QStringLiteral("CREATE TRIGGER %1 FOR %1 ACTIVE BEFORE INSERT POSITION 0 AS BEGIN IF (NEW.%1_ID IS NULL) THEN NEW.%1_ID = "
                                    "GEN_ID(GEN_%1_ID,1);END;")
                         .arg(QLatin1String(t));
    s.singles << keepWrittenKeys();

    for (const char *t : {"KU_BARVA", "ZAKAZKY_STAV", "ZAKAZKY_STAV_FAKTURACE", "ZAKAZKY", "ZAKAZKY_ROZLISENI", "SPOJ_ADRESAR_Z_ZAKAZKY"})
        s.finalBatch << grant(QLatin1String(t));
    s.finalBatch << QStringLiteral("update ZB_ZBOZI set ZAKAZKA=\"\" where ZAKAZKA is null;");
}

}

QString DefaultInvoicePrintFolder() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QStringLiteral("/JF/"));
}

UpgradeStep UpgradeStatements(int version, const QString &printFolder) {
    UpgradeStep s;
    s.version = version;
    switch (version) {
    case 2: step2(s); break;
    case 3: step3(s); break;
    case 4: step4(s); break;
    case 5: step5(s); break;
    case 6: step6(s); break;
    case 7: step7(s); break;
    case 8: step8(s, printFolder); break;
    case 9: step9(s); break;
    case 10: step10(s); break;
    case 11: step11(s); break;
    case 12: step12(s); break;
    default: return s;
    }
    // Steps 7 and 8 place the verze row between their grants and their seed rows.
    if (version != 7 && version != 8)
        s.finalBatch << versionRow(version);
    return s;
}
