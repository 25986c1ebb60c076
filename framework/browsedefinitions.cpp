#include "browsedefinitions.h"

#include "stringgridcore.h"

#include "data/session.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "data/usersettings.h"
#include "localisation/langtext.h"
#include "security/rights.h"

#include <QHash>
#include <QSet>

namespace {

using K = BrowseEditorKind;

const QList<BrowseDefinitionInfo> kDefinitions = {
    {QStringLiteral("Browse_BU"), QStringLiteral("BU"), K::EditDefinition, 61},
    {QStringLiteral("Browse_BU_CISELNIK_BANK"), QStringLiteral("BU_CISELNIK_BANK"), K::EditDefinition, 64},
    {QStringLiteral("Browse_BU_DRUH_PLATBY"), QStringLiteral("BU_DRUH_PLATBY"), K::EditDefinition, 62},
    {QStringLiteral("Browse_BU_VYPIS"), QStringLiteral("BU_VYPIS"), K::EditDefinition, 63},
    {QStringLiteral("CiselnikKalendarKategorie"), QStringLiteral("KU_C_KAT"), K::Dedicated, 1255},
    {QStringLiteral("CiselnikAdresarKategorie"), QStringLiteral("ADRESAR_C_KAT"), K::Dedicated, 1234},
    {QStringLiteral("BrowseAdresarZakladni"), QStringLiteral("ADRESAR_ZAKL"), K::Dedicated, 1235},
    {QStringLiteral("BrowseUkoly"), QStringLiteral("UKOLY"), K::Dedicated, 1236},
    {QStringLiteral("BrowseAdresarPanel"), QStringLiteral("ADRESAR_SPEC"), K::Dedicated, 1229},
    {QStringLiteral("BrowseAlarm"), QStringLiteral("KU"), K::Dedicated, 1228},
    {QStringLiteral("BrowseElektroRevize"), QStringLiteral("EVIDENCE_REVIZI"), K::EditDefinition, 11},
    {QStringLiteral("BrowseKategorieZarizeni"), QStringLiteral("KATEGORIE_ZARIZENI"), K::EditDefinition, 12},
    {QStringLiteral("Browse_ZB_BARVA"), QStringLiteral("ZB_BARVA"), K::EditDefinition, 41},
    {QStringLiteral("Browse_ZB_DRUH"), QStringLiteral("ZB_DRUH"), K::EditDefinition, 42},
    {QStringLiteral("Browse_ZB_KATEGORIE"), QStringLiteral("ZB_KATEGORIE"), K::EditDefinition, 43},
    {QStringLiteral("Browse_ZB_MJ"), QStringLiteral("ZB_MJ"), K::EditDefinition, 44},
    {QStringLiteral("Browse_ZB_SKLAD"), QStringLiteral("ZB_SKLAD"), K::EditDefinition, 45},
    {QStringLiteral("Browse_ZB_STAV"), QStringLiteral("ZB_STAV"), K::EditDefinition, 46},
    {QStringLiteral("Browse_ZB_VELIKOST"), QStringLiteral("ZB_VELIKOST"), K::EditDefinition, 47},
    {QStringLiteral("Browse_ZB_ZBOZI"), QStringLiteral("ZB_ZBOZI"), K::EditDefinition, 48},
    {QStringLiteral("Browse_ZB_URCENI"), QStringLiteral("ZB_URCENI"), K::EditDefinition, 49},
    {QStringLiteral("Browse_ZB_MATERIAL"), QStringLiteral("ZB_MATERIAL"), K::EditDefinition, 50},
    {QStringLiteral("Browse_C_MENA"), QStringLiteral("C_MENA"), K::EditDefinition, 21},
    {QStringLiteral("Browse_C_ZPUSOB_PLATBY"), QStringLiteral("C_ZPUSOB_PLATBY"), K::EditDefinition, 22},
    {QStringLiteral("Browse_C_DRUH_PLATBY"), QStringLiteral("C_DRUH_PLATBY"), K::EditDefinition, 23},
    {QStringLiteral("Browse_C_FORMA_UHRADY"), QStringLiteral("C_FORMA_UHRADY"), K::EditDefinition, 26},
    {QStringLiteral("Browse_C_TYP_FADO"), QStringLiteral("C_TYP_FADO"), K::EditDefinition, 31},
    {QStringLiteral("Browse_JF"), QStringLiteral("JF"), K::EditDefinition, 27},
    {QStringLiteral("Browse_JF_PF"), QStringLiteral("JF"), K::EditDefinition, 29},
    {QStringLiteral("Browse_JF_FADO"), QStringLiteral("JF_FADO"), K::EditDefinition, 30},
    {QStringLiteral("Browse_JF_ODBERATEL"), QStringLiteral("JF"), K::None, 0},
    {QStringLiteral("Browse_JF_DEN"), QStringLiteral("JF"), K::None, 0},
    {QStringLiteral("Browse_JF_MESIC"), QStringLiteral("JF"), K::None, 0},
    {QStringLiteral("Browse_JF_CTVRTLETI"), QStringLiteral("JF"), K::None, 0},
    {QStringLiteral("Browse_JF_ROK"), QStringLiteral("JF"), K::None, 0},
    {QStringLiteral("Browse_ZAKAZKY"), QStringLiteral("ZAKAZKY"), K::EditDefinition, 65},
    {QStringLiteral("Browse_ZAKAZKY_ROZLISENI"), QStringLiteral("ZAKAZKY_ROZLISENI"), K::EditDefinition, 66},
    {QStringLiteral("Browse_ZAKAZKY_STAV"), QStringLiteral("ZAKAZKY_STAV"), K::EditDefinition, 67},
    {QStringLiteral("Browse_ZAKAZKY_STAV_FAKTURACE"), QStringLiteral("ZAKAZKY_STAV_FAKTURACE"), K::EditDefinition, 68},
    {QStringLiteral("Browse_PRAV_PL_H"), QStringLiteral("PRAV_PL_H"), K::EditDefinition, 24},
    {QStringLiteral("BrowseJU"), QStringLiteral("JU"), K::EditDefinition, 1},
    {QStringLiteral("BrowseHromadneJU"), QStringLiteral("JU_ZADANI"), K::EditDefinition, 2},
    {QStringLiteral("BrowseUkolyAlarm"), QStringLiteral("UKOLY"), K::Dedicated, 1236},
    {QStringLiteral("Uzivatel"), QStringLiteral("UZIVATEL"), K::Dedicated, 1232},
    {QStringLiteral("UzivSkupina"), QStringLiteral("UZIVSKUPINA"), K::Dedicated, 1233},
    {QStringLiteral("KJPrehledAut"), QStringLiteral("KJ_AUTO"), K::Dedicated, 1230},
    {QStringLiteral("KJPrehledJizd"), QStringLiteral("KJ"), K::None, 0},
    {QStringLiteral("KJPrehledJizdKonkretni"), QStringLiteral("KJ"), K::None, 0},
};

// Columns are added through this small helper so the catalogue below reads like a table.
struct Cols {
    StringGridCore &g;
    // Caption looked up in the language table.
    void t(const QString &field, const QString &caption, const QString &type = {}, int width = 0, bool summable = false) {
        g.AddColumn(field, LangText(caption), summable, type, width);
    }
    // Caption as it stands.
    void p(const QString &field, const QString &caption, const QString &type = {}, int width = 0, bool summable = false) {
        g.AddColumn(field, caption, summable, type, width);
    }
    void end() { g.EndDefaultColumns(); }
};

QString S(const char *text) { return QString::fromUtf8(text); }

QString addressExpression(const QString &alias) {
    static const char *const columns[] = {"nazev_zkraceny", "nazev", "titul", "jmeno", "prijmeni", "za_prijmenim", "ulice",
                                          "psc", "mesto", "stat", "ico", "dic", "nazev2"};
    QStringList parts;
    for (const char *c : columns)
        parts << QStringLiteral("coalesce(") + alias + QLatin1Char('.') + QLatin1String(c) + QStringLiteral(",\"\")||\",\"");
    return parts.join(QStringLiteral("||"));
}

const QString kQuarter = QStringLiteral(
    "CASE EXTRACT(MONTH from DATUM_VYSTAVENI) when 1 then 1 when 2 then 1 when 3 then 1 when 4 then 2 when 5 then 2 when 6 "
    "then 2 when 7 then 3 when 8 then 3 when 9 then 3 when 10 then 4 when 11 then 4 when 12 then 4 end");

void summaryColumns(Cols &c) {
    c.p(QStringLiteral("count(*)"), S("Počet dokladů"), QStringLiteral("decimal"));
    c.p(QStringLiteral("sum(ZAKLAD_1)"), S("Zákl.1"), QStringLiteral("decimal"));
    c.p(QStringLiteral("sum(ZAKLAD_2)"), S("Zákl.2"), QStringLiteral("decimal"));
    c.p(QStringLiteral("sum(ZAKLAD_0)"), S("Zákl.0"), QStringLiteral("decimal"));
    c.p(QStringLiteral("sum(ZAKLAD_CELKEM)"), S("Zákl.celkem "), QStringLiteral("decimal"));
    c.p(QStringLiteral("sum(DPH_1)"), S("DPH 1"), QStringLiteral("decimal"));
    c.p(QStringLiteral("sum(DPH_2)"), S("DPH 2"), QStringLiteral("decimal"));
    c.p(QStringLiteral("sum(DPH_CELKEM)"), S("DPH Celkem"), QStringLiteral("decimal"));
    c.p(QStringLiteral("sum(S_DPH_CELKEM)"), S("S DPH celkem "), QStringLiteral("decimal"));
    c.p(QStringLiteral("sum(NAKLADY)"), S("Náklady"), QStringLiteral("decimal"));
    c.p(QStringLiteral("sum(ZISK_CASTKA)"), S("Zisk"), QStringLiteral("decimal"));
    c.p(QStringLiteral("sum(PROVIZE_CASTKA)"), S("Provize"), QStringLiteral("decimal"));
}

// Columns shared by issued/proforma and received invoices after their address columns.
void invoiceAmountColumns(Cols &c, bool received) {
    const QString d = QStringLiteral("decimal");
    c.p(QStringLiteral("DATUM_VYSTAVENI"), S("Vystavení"), QStringLiteral("date"));
    c.p(QStringLiteral("DATUM_ZDANITELNEHO_PLNENI"), S("Zdaň.pln."), QStringLiteral("date"));
    c.p(QStringLiteral("DATUM_SPLATNOSTI"), S("Splatnost"), QStringLiteral("date"));
    if (received)
        c.p(QStringLiteral("C_TYP_FADO.POPIS"), S("Typ faktury"));
    c.p(QStringLiteral("TEXT_FAKTURY"), S("Text"));
    c.p(QStringLiteral("PROCENTO_1"), S("%1"), d);
    c.p(QStringLiteral("PROCENTO_2"), S("%2"), d);
    c.p(QStringLiteral("ZAKLAD_1"), S("Zákl.1"), d);
    c.p(QStringLiteral("ZAKLAD_2"), S("Zákl.2"), d);
    c.p(QStringLiteral("ZAKLAD_0"), S("Zákl.0"), d);
    c.p(QStringLiteral("ZAKLAD_CELKEM"), S("Zákl.celkem "), d);
    c.p(QStringLiteral("DPH_1"), S("DPH_1"), d);
    c.p(QStringLiteral("DPH_2"), S("DPH_2"), d);
    c.p(QStringLiteral("DPH_CELKEM"), S("DPH Celkem"), d);
    c.p(QStringLiteral("S_DPH_CELKEM"), S("S DPH celkem "), d);
    c.p(QStringLiteral("C_FORMA_UHRADY.POPIS"), S("Forma úhrady"));
    c.p(QStringLiteral("POZNAMKA_OBECNA"), S("Poznámka obecná"));
    c.p(QStringLiteral("DATUM_ZAPLACENI"), S("Datum zaplacení"), QStringLiteral("date"));
    c.p(QStringLiteral("C_ZPUSOB_PLATBY.POPIS"), S("Způsob platby"));
    c.p(QStringLiteral("POZNAMKA_ZAPLACENI"), S("Poznámka zaplacení"));
}

QString andOrWhere(const QString &text) {
    return text.contains(QLatin1String("where"), Qt::CaseInsensitive) ? QStringLiteral(" and ") : QStringLiteral(" where ");
}

QString alarmRights(const QString &alias) {
    const QString groups = Session::groupListText();
    if (groups.trimmed().isEmpty())
        return {};
    return QStringLiteral(" and ((") + alias + QStringLiteral(".f_alarm is null) or (") + alias + QStringLiteral(".f_alarm=0) or (") + alias
           + QStringLiteral(".f_alarm in (") + groups + QStringLiteral(")))");
}

QString alarmCondition(const BrowseContext &ctx) {
    // A user who never handled an alarm sees every pending one.
    QString date = ctx.lastAlarmDate.trimmed();
    if (!ParseDateText(date).isValid())
        date = QStringLiteral("1.1.1900");
    QString time = ctx.lastAlarmTime.trimmed();
    if (!ParseTimeText(time).isValid())
        time = QStringLiteral("0:00:00");
    const QString D = DateTextToSQL(date);
    const QString DT = DateTimeToSQL(date, time);
    return QStringLiteral("((alarm_datum>") + D + QStringLiteral(") or ((alarm_datum=") + D + QStringLiteral(") and (alarm_cas>") + DT
           + QStringLiteral("))) ");
}

void popisList(StringGridCore &g, const QString &table, bool priorita) {
    Cols c{g};
    c.t(QStringLiteral("POPIS"), QStringLiteral("Popis"), {}, 50);
    if (priorita)
        c.t(QStringLiteral("PRIORITA"), QStringLiteral("Priorita"), QStringLiteral("integer"));
    g.TableName = table;
    g.KeyField = table + QStringLiteral("_ID");
    g.WhereText.clear();
}

} // namespace

const QList<BrowseDefinitionInfo> &BrowseDefinitions() { return kDefinitions; }

QStringList BrowseDefinitionNames() {
    QStringList names;
    for (const BrowseDefinitionInfo &d : kDefinitions)
        names << d.name;
    return names;
}

const BrowseDefinitionInfo *FindBrowseDefinition(const QString &name) {
    for (const BrowseDefinitionInfo &d : kDefinitions) {
        if (d.name == name)
            return &d;
    }
    return nullptr;
}

QString PeriodCondition(const QString &column, const QDate &from, const QDate &to, bool activeOnly) {
    const QString f = DateToSQL(from.isValid() ? from : QDate(1, 1, 1));
    const QString t = DateToSQL(to.isValid() ? to : QDate(2099, 1, 1));
    QString out = QStringLiteral(" where (") + column + QStringLiteral(">=") + f + QStringLiteral(") and (") + column + QStringLiteral("<=") + t
                  + QLatin1Char(')');
    if (activeOnly)
        out += QStringLiteral(" and (AKTIVNI=1)");
    return out;
}

bool ApplyBrowseDefinition(StringGridCore &g, const QString &name, const QString &extra, const BrowseContext &ctx, int *sortArgument,
                           bool *oddEven) {
    const BrowseDefinitionInfo *info = FindBrowseDefinition(name);
    if (!info)
        return false;
    *sortArgument = 1;
    *oddEven = true;
    g.ResetDefinition();
    switch (info->kind) {
    case K::EditDefinition:
        g.NotifyMessage = 1525;
        g.NotifyParam = info->number;
        g.DeleteAllowed = !ctx.networkMode;
        break;
    case K::Dedicated:
        g.NotifyMessage = info->number;
        g.DeleteAllowed = false;
        break;
    case K::None:
        g.NotifyMessage = 0;
        g.DeleteAllowed = false;
        break;
    }
    g.TableName = info->table;
    g.KeyField = info->table + QStringLiteral("_ID");
    Cols c{g};
    const QString D = QStringLiteral("decimal"), I = QStringLiteral("integer"), B = QStringLiteral("boolean");
    const QString DT = QStringLiteral("date"), TM = QStringLiteral("time"), MK = QStringLiteral("mkdate");

    if (name == QLatin1String("Browse_BU")) {
        c.p(QStringLiteral("BU.BU_UCET"), S("Účet"), {}, 15);
        c.p(QStringLiteral("BU.BU_BANKA"), S("Kód banky"), {}, 5);
        c.p(QStringLiteral("BU.POPIS"), S("Popis"));
        c.p(QStringLiteral("BU.ZALOZENI_DATUM"), S("Založeno"), DT);
        c.p(QStringLiteral("BU.ZRUSENI_DATUM"), S("Zrušeno"), DT);
        c.p(QStringLiteral("BU.POZNAMKA"), S("Poznámka"));
        c.p(QStringLiteral("BU.POCATECNI_STAV"), S("Poč.stav."), D);
        c.p(QStringLiteral("BU.AKTUALNI_STAV"), S("Akt.stav."), D);
        c.p(QStringLiteral("BU.CELKEM_DEBET"), S("Celkem debet"), D);
        c.p(QStringLiteral("BU.CELKEM_KREDIT"), S("Celkem kredit"), D);
        c.p(QStringLiteral("C_ZPUSOB_PLATBY.POPIS"), S("Způs.platby.FA"));
        c.p(QStringLiteral("BU.PAROVAT"), S("Párovat"), B);
        g.WhereText = QStringLiteral(" left join C_ZPUSOB_PLATBY on C_ZPUSOB_PLATBY.C_ZPUSOB_PLATBY_ID=BU.C_ZPUSOB_PLATBY_ID ");
    } else if (name == QLatin1String("Browse_BU_CISELNIK_BANK")) {
        c.p(QStringLiteral("NAZEV"), S("Název"), {}, 15);
        c.p(QStringLiteral("KOD"), S("Kód banky"), {}, 5);
    } else if (name == QLatin1String("Browse_BU_DRUH_PLATBY")) {
        c.p(QStringLiteral("POPIS"), S("Název"), {}, 15);
    } else if (name == QLatin1String("Browse_BU_VYPIS")) {
        c.p(QStringLiteral("BU.POPIS"), S("Účet"));
        c.p(QStringLiteral("DATUM"), S("Datum"), DT);
        c.p(QStringLiteral("UCET"), S("Účet"), {}, 15);
        c.p(QStringLiteral("BANKA"), S("Kód banky"), {}, 5);
        c.p(QStringLiteral("DOPLNUJICI_UDAJ"), S("Doplň.údaj"));
        c.p(QStringLiteral("VARIABILNI"), S("Variabilní"));
        c.p(QStringLiteral("SPECIFICKY"), S("Specifický"));
        c.p(QStringLiteral("KONSTANTNI"), S("Konstantní"));
        c.p(QStringLiteral("CASTKA"), S("Částka"), D);
        c.p(QStringLiteral("CASTKA_DEBET"), S("Debet"), D);
        c.p(QStringLiteral("CASTKA_KREDIT"), S("Kredit"), D);
        c.p(QStringLiteral("CASTKA_ZUSTATEK"), S("Zůstatek"), D);
        c.p(QStringLiteral("PORADOVE_CISLO"), S("Pořadové č."), I);
        c.p(QStringLiteral("PORADOVE_CISLO_V_DAVCE"), S("Č.v dávce"), I);
        c.p(QStringLiteral("BU_VYPIS.POZNAMKA"), S("Poznámka"));
        c.p(QStringLiteral("KOD_UCTOVANI"), S("Kód účtování"), I);
        c.p(QStringLiteral("BU_DRUH_PLATBY.POPIS"), S("DRUH"));
        c.p(QStringLiteral("ADRESAR_ZAKL_1.NAZEV_ZKRACENY"), S("Adresář"));
        c.p(QStringLiteral("ADRESAR_ZAKL_Z_UCTU.NAZEV_ZKRACENY"), S("Adresář dle ´čtu"));
        c.p(QStringLiteral("BU_CISELNIK_BANK.NAZEV"), S("Banka"));
        g.WhereText = QStringLiteral(
            " left join BU_DRUH_PLATBY on BU_DRUH_PLATBY.BU_DRUH_PLATBY_ID=BU_VYPIS.BU_DRUH_PLATBY_ID  left join BU on "
            "BU.BU_ID=BU_VYPIS.BU_ID left join adresar_zakl ADRESAR_ZAKL_Z_UCTU on (ADRESAR_ZAKL_Z_UCTU.BU_UCET=BU_VYPIS.UCET) and "
            "(ADRESAR_ZAKL_Z_UCTU.BU_BANKA=BU_VYPIS.BANKA)  left join adresar_zakl ADRESAR_ZAKL_1 on "
            "ADRESAR_ZAKL_1.ADRESAR_ZAKL_ID=BU_VYPIS.ADRESAR_ZAKL_ID  left join bu_ciselnik_bank on "
            "BU_VYPIS.BANKA=BU_CISELNIK_BANK.KOD ");
        *sortArgument = 2;
    } else if (name == QLatin1String("CiselnikKalendarKategorie")) {
        c.p(QStringLiteral("KU_C_KAT_NAZEV"), S("Název"), {}, 40);
        c.p(QStringLiteral("KU_C_KAT_PORADI"), S("Pořadí"), I);
        g.BackColourField = QStringLiteral("KU_C_KAT_BARVA");
        g.DefaultTextColour = 0xFFFFFF;
        *oddEven = false;
    } else if (name == QLatin1String("CiselnikAdresarKategorie")) {
        c.t(QStringLiteral("ADRESAR_C_KAT_NAZEV"), S("Název"), {}, 40);
        c.t(QStringLiteral("ADRESAR_C_KAT_PORADI"), S("Pořadí"), I);
        g.BackColourField = QStringLiteral("ADRESAR_C_KAT_BARVA");
        g.DefaultTextColour = 0xFFFFFF;
        *oddEven = false;
    } else if (name == QLatin1String("BrowseAdresarZakladni")) {
        const char *const firsts[][2] = {{"NAZEV_ZKRACENY", "Zkratka"}, {"NAZEV", "Název"},   {"TITUL", "Titul"}, {"JMENO", "Jméno"},
                                         {"PRIJMENI", "Příjmení"},     {"ZA_PRIJMENIM", "Titul za"}, {"EMAIL1", "Email 1"}};
        for (const auto &f : firsts)
            c.t(QLatin1String(f[0]), S(f[1]));
        c.end();
        const char *const rest[][2] = {{"ULICE", "Ulice"},       {"MESTO", "Město"},       {"PSC", "PSČ"},           {"STAT", "Stát"},
                                       {"EMAIL2", "Email 2"},    {"TELEFON1", "Telefon 1"}, {"TELEFON2", "Telefon 2"}, {"MOBIL1", "Mobil 1"},
                                       {"MOBIL2", "Mobil 2"},    {"FAX1", "Fax"},           {"WWW1", "WWW 1"},         {"WWW2", "WWW 2"},
                                       {"NAZEV2", "Název 2"},    {"ICO", "IČO"},            {"DIC", "DIČ"},            {"BU_UCET", "Účet"},
                                       {"BU_BANKA", "Banka"}};
        for (const auto &f : rest)
            c.t(QLatin1String(f[0]), S(f[1]));
        g.Distinct = ctx.allCategories;
        const QString rights = ReadFilter(QStringLiteral("adresar_zakl"), true).trimmed();
        QString where;
        if (!ctx.allCategories) {
            where = QStringLiteral("left join adresar_zakl_kat on (adresar_zakl.adresar_zakl_id=adresar_zakl_kat.adresar_zakl_id) "
                                   "and (adresar_zakl_kat.hlavni=1) "
                                   "left join adresar_c_kat on (adresar_zakl_kat.adresar_c_kat_id=adresar_c_kat.adresar_c_kat_id) ");
            const bool cat = !ctx.addressCategories.trimmed().isEmpty();
            if (cat)
                where += QStringLiteral(" where ((adresar_zakl_kat.adresar_c_kat_id is null) or (adresar_zakl_kat.adresar_c_kat_id in (")
                         + ctx.addressCategories + QStringLiteral(")))");
            where += ReadFilter(QStringLiteral("adresar_zakl"), !cat);
        } else {
            where = QStringLiteral(
                "left join adresar_zakl_kat adresar_zakl_kat1 on (adresar_zakl.adresar_zakl_id=adresar_zakl_kat1.adresar_zakl_id) "
                "left join adresar_zakl_kat adresar_zakl_kat2 on (adresar_zakl.adresar_zakl_id=adresar_zakl_kat2.adresar_zakl_id) and "
                "(adresar_zakl_kat2.hlavni=1) "
                "left join adresar_c_kat on (adresar_zakl_kat2.adresar_c_kat_id=adresar_c_kat.adresar_c_kat_id) ");
            QStringList parts;
            if (!ctx.addressCategories.trimmed().isEmpty())
                parts << QStringLiteral(" ((adresar_zakl_kat1.adresar_c_kat_id is null) or (adresar_zakl_kat1.adresar_c_kat_id in (")
                             + ctx.addressCategories + QStringLiteral(")))");
            // ReadFilter starts with " where "; keep only its condition.
            if (!rights.isEmpty())
                parts << QLatin1Char(' ') + rights.mid(rights.indexOf(QLatin1Char(' ')) + 1);
            if (!parts.isEmpty())
                where += QStringLiteral(" where ") + parts.join(QStringLiteral(" and "));
        }
        g.WhereText = where;
        g.TextColourField = QStringLiteral("ADRESAR_C_KAT_BARVA");
    } else if (name == QLatin1String("BrowseUkoly")) {
        c.t(QStringLiteral("AKTIVNI"), S("Aktivní"), B);
        c.t(QStringLiteral("NAZEV"), S("Název"), {}, 25);
        c.t(QStringLiteral("DATUM"), S("Datum"), DT);
        c.t(QStringLiteral("CAS_DO"), S("Čas"), TM);
        c.end();
        c.t(QStringLiteral("ALARM"), S("Alarm"), B);
        c.t(QStringLiteral("ALARM_DATUM"), S("Alarm datum"), DT);
        c.t(QStringLiteral("ALARM_CAS"), S("Alarm čas"), TM);
        c.t(QStringLiteral("ALARM_AKCE"), S("Alarm akce"));
        g.Distinct = ctx.allCategories;
        const QString cats = ctx.calendarCategories.trimmed().isEmpty() ? QStringLiteral("0") : ctx.calendarCategories;
        const QString alias = ctx.allCategories ? QStringLiteral("ukoly_kat1") : QStringLiteral("ku_c_kat");
        const QString C = QStringLiteral(" ((") + alias + QStringLiteral(".ku_c_kat_id is null) or (") + alias + QStringLiteral(".ku_c_kat_id in (")
                          + cats + QStringLiteral(")))");
        const QString R = ReadFilter(QStringLiteral("ukoly"), false);
        if (!ctx.allCategories)
            g.WhereText = QStringLiteral(" left join ukoly_kat on (ukoly.ukoly_id=ukoly_kat.ukoly_id) and (ukoly_kat.hlavni=1)"
                                         " left join ku_c_kat on (ukoly_kat.ku_c_kat_id=ku_c_kat.ku_c_kat_id) where ")
                          + C + QLatin1Char(' ') + R;
        else
            g.WhereText = QStringLiteral(" left join ukoly_kat ukoly_kat1 on (ukoly.ukoly_id=ukoly_kat1.ukoly_id) left join ukoly_kat "
                                         "ukoly_kat2 on (ukoly.ukoly_id=ukoly_kat2.ukoly_id) and (ukoly_kat2.hlavni=1)"
                                         " left join ku_c_kat on (ukoly_kat2.ku_c_kat_id=ku_c_kat.ku_c_kat_id) where ")
                          + C + QLatin1Char(' ') + R;
        g.TextColourField = QStringLiteral("KU_C_KAT_BARVA");
        g.SetStrikeOut(QStringLiteral("AKTIVNI"), QStringLiteral("Ne"));
        g.DeleteAllowed = !ctx.networkMode;
    } else if (name == QLatin1String("BrowseAdresarPanel")) {
        const char *const f[][2] = {{"NAZEV", "Název"}, {"JMENO", "Jméno"}, {"PRIJMENI", "Příjmení"}, {"TELEFON1", "Telefon1"},
                                    {"TELEFON2", "Telefon2"}, {"ULICE", "Ulice"}, {"MESTO", "Město"}, {"PSC", "PSČ"},
                                    {"STAT", "Stát"}, {"POZNAMKA", "Poznámka"}};
        for (const auto &x : f)
            c.t(QLatin1String(x[0]), S(x[1]));
        g.DeleteAllowed = true;
    } else if (name == QLatin1String("BrowseAlarm")) {
        c.t(QStringLiteral("ALARM_DATUM"), S("Datum"), DT);
        c.t(QStringLiteral("ALARM_CAS"), S("Čas"), TM);
        c.t(QStringLiteral("NAZEV"), S("Popis"), {}, 30);
        c.end();
        g.WhereText = QStringLiteral("where (alarm=1) and ") + alarmCondition(ctx) + alarmRights(QStringLiteral("ku"));
        g.NotifyParam = -11;
    } else if (name == QLatin1String("BrowseElektroRevize")) {
        c.t(QStringLiteral("CISLO"), S("Číslo"));
        c.t(QStringLiteral("DATUM_REVIZE"), S("Datum revize"), MK);
        c.t(QStringLiteral("ADRESAR_ZAKL.NAZEV"), S("Objednal"));
        c.t(QStringLiteral("ADRESAR_ZAKL.MESTO"), S("Město"));
        c.t(QStringLiteral("ADRESAR_ZAKL.ULICE"), S("Ulice"));
        c.t(QStringLiteral("REVIDOVANE_ZARIZENI"), S("Zařízení"));
        c.t(QStringLiteral("DATUM_DALSI_REVIZE"), S("Datum další revize"), MK);
        c.t(ctx.periodType.trimmed().toUpper() == QLatin1String("R")
                ? QStringLiteral("(CAST(((DATUM_DALSI_REVIZE-DATUM_REVIZE)/30.44/12) AS INTEGER))")
                : QStringLiteral("(CAST(((DATUM_DALSI_REVIZE-DATUM_REVIZE)/30.44) AS INTEGER))"),
            S("Lhůta"), D);
        c.t(QStringLiteral("CENA"), S("Cena"), D, 0, true);
        c.end();
        c.t(QStringLiteral("UMISTENI_ZARIZENI"), S("Umístění"));
        c.t(QStringLiteral("AKTIVNI"), S("Aktivní"), B);
        c.t(QStringLiteral("OBJEDNAL"), S("Objednal"));
        c.t(QStringLiteral("OBJEDNAL_KONTAKT"), S("Objednal kontakt"));
        c.t(QStringLiteral("OBJEDNAL_OBJEDNAVKA"), S("Objednávka"));
        c.t(QStringLiteral("REVIZNI_TECHNIK"), S("Rev.technik"));
        c.t(QStringLiteral("REVIZNI_TECHNIK_KONTAKT"), S("RT kontakt"));
        c.t(QStringLiteral("ZHOTOVITEL_ZAKAZKA"), S("Zakázka"));
        c.t(QStringLiteral("POZNAMKA_KRATKA"), S("Poznámka"));
        g.WhereText = QStringLiteral(" LEFT JOIN ADRESAR_ZAKL ON EVIDENCE_REVIZI.OBJEDNAL_FIRMA_ID=ADRESAR_ZAKL.ADRESAR_ZAKL_ID ") + extra;
        g.SetStrikeOut(QStringLiteral("AKTIVNI"), QStringLiteral("Ne"));
    } else if (name == QLatin1String("BrowseKategorieZarizeni")) {
        c.t(QStringLiteral("NAZEV"), S("Popis"), {}, 50);
    } else if (name == QLatin1String("Browse_ZB_BARVA") || name == QLatin1String("Browse_ZB_DRUH") || name == QLatin1String("Browse_ZB_KATEGORIE")
               || name == QLatin1String("Browse_ZB_MJ") || name == QLatin1String("Browse_ZB_SKLAD") || name == QLatin1String("Browse_ZB_STAV")
               || name == QLatin1String("Browse_ZB_VELIKOST") || name == QLatin1String("Browse_ZB_URCENI")
               || name == QLatin1String("Browse_ZB_MATERIAL")) {
        popisList(g, info->table, true);
    } else if (name == QLatin1String("Browse_C_ZPUSOB_PLATBY") || name == QLatin1String("Browse_C_FORMA_UHRADY")
               || name == QLatin1String("Browse_C_TYP_FADO") || name == QLatin1String("Browse_ZAKAZKY_ROZLISENI")
               || name == QLatin1String("Browse_ZAKAZKY_STAV") || name == QLatin1String("Browse_ZAKAZKY_STAV_FAKTURACE")) {
        popisList(g, info->table, false);
    } else if (name == QLatin1String("Browse_C_DRUH_PLATBY")) {
        popisList(g, info->table, false);
        c.t(QStringLiteral("VRATNA_ZALOHA"), S("Vratná záloha"), B);
        c.t(QStringLiteral("PENALE"), S("Penále"), B);
        c.t(QStringLiteral("POKUTA"), S("Pokuta"), B);
    } else if (name == QLatin1String("Browse_ZB_ZBOZI")) {
        c.t(QStringLiteral("ZB_ZBOZI.STAV"), S("Stav"), I);
        c.t(QStringLiteral("ZB_ZBOZI.CISLO"), S("Číslo"), {}, 20);
        c.t(QStringLiteral("ZB_ZBOZI.NAZEV"), S("Název"), {}, 50);
        c.p(QStringLiteral("ZB_ZBOZI.EAN"), S("EAN"));
        c.p(QStringLiteral("ZB_ZBOZI.POCET"), S("Počet"), I);
        c.p(QStringLiteral("ZB_MJ.POPIS"), S("Měrná j."), {}, 5);
        c.p(QStringLiteral("ZB_ZBOZI.N_CENA"), S("N.cena"), D);
        c.p(QStringLiteral("ZB_ZBOZI.N_DPH_PROC"), S("N DPH"), I);
        c.p(QStringLiteral("ZB_ZBOZI.N_AUTORSKY"), S("N Autorský popl."), D);
        c.p(QStringLiteral("ZB_ZBOZI.N_RECYKLACNI"), S("N Recykl. popl."), D);
        c.p(QStringLiteral("ZB_ZBOZI.VYR_CISLO"), S("Výr.č."), {}, 20);
        c.p(QStringLiteral("ZB_ZBOZI.N_DATUM"), S("Nák.Datum"), MK);
        c.p(QStringLiteral("JF_FADO.CISLO"), S("Fak.Dod."));
        c.p(QStringLiteral("A_DODAVATEL.NAZEV"), S("Dodavatel"), {}, 20);
        c.p(QStringLiteral("A_ODB.NAZEV"), S("Odběratel"), {}, 20);
        c.p(QStringLiteral("A_VYROBCE.NAZEV"), S("Výrobce"), {}, 20);
        c.p(QStringLiteral("ZB_URCENI.POPIS"), S("Určení"), {}, 20);
        c.p(QStringLiteral("ZB_MATERIAL.POPIS"), S("Materiál"));
        c.p(QStringLiteral("ZB_ZBOZI.N_ZARUKA"), S("N.Záruka"), I);
        c.p(QStringLiteral("ZB_BARVA.POPIS"), S("Barva"), {}, 30);
        c.p(QStringLiteral("ZB_ZBOZI.POPIS_ZBOZI"), S("Popis"), {}, 80);
        c.p(QStringLiteral("ZB_ZBOZI.POZNAMKA"), S("Poznamka"), {}, 80);
        c.p(QStringLiteral("ZB_KATEGORIE.POPIS"), S("Kategorie"));
        c.p(QStringLiteral("ZB_DRUH.POPIS"), S("Druh"));
        c.p(QStringLiteral("ZB_VELIKOST.POPIS"), S("Velikost"));
        c.p(QStringLiteral("ZB_ZBOZI.HMOTNOST"), S("Hmotnost"), D);
        c.p(QStringLiteral("ZB_STAV.POPIS"), S("Stav"), {}, 100);
        c.p(QStringLiteral("ZB_ZBOZI.P_DATUM"), S("Prod.Datum"), MK);
        c.p(QStringLiteral("ZB_ZBOZI.P_ZARUKA"), S("P.Záruka"), I);
        c.p(QStringLiteral("ZB_ZBOZI.P_CENA"), S("P.cena"), D);
        c.p(QStringLiteral("ZB_ZBOZI.P_DPH_PROC"), S("P DPH"), I);
        c.p(QStringLiteral("ZB_ZBOZI.ZISK_PROC"), S("Zisk.%"), D);
        c.p(QStringLiteral("ZB_ZBOZI.ZISK"), S("Zisk.Kč"), D);
        c.p(QStringLiteral("ZB_SKLAD.POPIS"), S("Sklad"), {}, 80);
        c.p(QStringLiteral("ZB_ZBOZI.ZAKAZKA"), S("Zakázka"), {}, 80);
        c.p(QStringLiteral("JF.CISLO"), S("Fak.Odb."));
        c.p(QStringLiteral("JF_PF.CISLO"), S("PF Odb."));
        c.p(QStringLiteral("ZB_ZBOZI.SLUZBY"), S("Služby"), QStringLiteral("checkbox"));
        g.WhereText = QStringLiteral(
            "left join adresar_zakl A_ODB on ZB_ZBOZI.odberatel_id=A_ODB.adresar_zakl_id left join adresar_zakl A_VYROBCE on "
            "ZB_ZBOZI.VYROBCE_ID=A_VYROBCE.adresar_zakl_id left join JF_FADO on ZB_ZBOZI.JF_FADO_ID=JF_FADO.JF_FADO_ID left join "
            "ZB_SKLAD on ZB_ZBOZI.ZB_SKLAD_ID=ZB_SKLAD.ZB_SKLAD_ID left join ZB_DRUH on ZB_ZBOZI.ZB_DRUH_ID=ZB_DRUH.ZB_DRUH_ID left "
            "join ZB_KATEGORIE on ZB_ZBOZI.ZB_KATEGORIE_ID=ZB_KATEGORIE.ZB_KATEGORIE_ID left join ZB_MATERIAL on "
            "ZB_ZBOZI.ZB_MATERIAL_ID=ZB_MATERIAL.ZB_MATERIAL_ID left join ZB_BARVA on ZB_ZBOZI.ZB_BARVA_ID=ZB_BARVA.ZB_BARVA_ID left "
            "join ZB_MJ on ZB_ZBOZI.ZB_MJ_ID=ZB_MJ.ZB_MJ_ID left join ZB_STAV on ZB_ZBOZI.ZB_STAV_ID=ZB_STAV.ZB_STAV_ID left join "
            "ZB_URCENI on ZB_ZBOZI.ZB_URCENI_ID=ZB_URCENI.ZB_URCENI_ID left join ZB_VELIKOST on "
            "ZB_ZBOZI.ZB_VELIKOST_ID=ZB_VELIKOST.ZB_VELIKOST_ID left join JF on ZB_ZBOZI.JF_ID=JF.JF_ID left join JF JF_PF on "
            "ZB_ZBOZI.JF_PF_ID=JF_PF.JF_ID left join adresar_zakl A_DODAVATEL on ZB_ZBOZI.DODAVATEL_ID=A_DODAVATEL.adresar_zakl_id ");
    } else if (name == QLatin1String("Browse_C_MENA")) {
        c.t(QStringLiteral("MENA"), S("Měna"), {}, 50);
    } else if (name == QLatin1String("Browse_JF") || name == QLatin1String("Browse_JF_PF")) {
        c.t(QStringLiteral("CISLO"), S("Číslo"), {}, 50);
        c.t(QStringLiteral("ZAKAZKA"), S("Zakázka"), {}, 50);
        c.p(addressExpression(QStringLiteral("A_ODB")), S("Odběratel"));
        c.p(addressExpression(QStringLiteral("A_ODB_K")), S("Odb.koresp."));
        c.p(addressExpression(QStringLiteral("A_ODB_S")), S("Odb.středisko"));
        c.p(addressExpression(QStringLiteral("A_DODAVATEL")), S("Dodavatel"));
        invoiceAmountColumns(c, false);
        c.p(QStringLiteral("NAKLADY"), S("Náklady"), D);
        c.p(QStringLiteral("ZISK_CASTKA"), S("Zisk"), D);
        c.p(QStringLiteral("ZISK_PROC"), S("Zisk %"), D);
        c.p(QStringLiteral("POZNAMKA_NAKLADY"), S("Poznámka náklady"));
        c.p(QStringLiteral("PROVIZE_CASTKA"), S("Provize"), D);
        c.p(QStringLiteral("POZNAMKA_PROVIZE"), S("Poznámka provize"));
        c.p(addressExpression(QStringLiteral("A_PROVIZE")), S("Provize kdo"));
        QString w = QStringLiteral(
                        "left join adresar_zakl A_ODB on jf.odberatel_id=A_ODB.adresar_zakl_id left join adresar_zakl A_ODB_K on "
                        "jf.ODBERATEL_KORESP_ID=A_ODB_K.adresar_zakl_id left join adresar_zakl A_ODB_S on "
                        "jf.ODBERATEL_STREDISKO_ID=A_ODB_S.adresar_zakl_id left join adresar_zakl A_DODAVATEL on "
                        "jf.DODAVATEL_ID=A_DODAVATEL.adresar_zakl_id left join adresar_zakl A_PROVIZE on "
                        "jf.PROVIZE_ADRESA_ID=A_PROVIZE.adresar_zakl_id left join C_FORMA_UHRADY on "
                        "jf.C_FORMA_UHRADY_ID=C_FORMA_UHRADY.C_FORMA_UHRADY_ID left join C_ZPUSOB_PLATBY on "
                        "jf.C_ZPUSOB_PLATBY_ID=C_ZPUSOB_PLATBY.C_ZPUSOB_PLATBY_ID ")
                    + extra;
        w += andOrWhere(w) + (name == QLatin1String("Browse_JF") ? QStringLiteral("(JF.TYP_DOKLADU=0)") : QStringLiteral("(JF.TYP_DOKLADU=1)"));
        g.WhereText = w;
    } else if (name == QLatin1String("Browse_JF_FADO")) {
        c.t(QStringLiteral("CISLO"), S("Číslo"), {}, 50);
        c.t(QStringLiteral("ZAKAZKA"), S("Zakázka"), {}, 50);
        c.t(QStringLiteral("CISLO_DODAVATELE"), S("Číslo dodavatele"), {}, 50);
        c.p(addressExpression(QStringLiteral("A_DODAVATEL")), S("Dodavatel"));
        c.p(addressExpression(QStringLiteral("A_DODAVATEL_S")), S("Dod.středisko"));
        c.p(addressExpression(QStringLiteral("A_ODB")), S("Odběratel"));
        invoiceAmountColumns(c, true);
        g.WhereText = QStringLiteral(
                          "left join adresar_zakl A_ODB on jf_fado.ODBERATEL_ID=A_ODB.adresar_zakl_id left join adresar_zakl "
                          "A_DODAVATEL_S on jf_fado.DODAVATEL_STREDISKO_ID=A_DODAVATEL_S.adresar_zakl_id left join adresar_zakl "
                          "A_DODAVATEL on jf_fado.DODAVATEL_ID=A_DODAVATEL.adresar_zakl_id left join C_FORMA_UHRADY on "
                          "jf_fado.C_FORMA_UHRADY_ID=C_FORMA_UHRADY.C_FORMA_UHRADY_ID left join C_TYP_FADO on "
                          "jf_fado.C_TYP_FADO_ID=C_TYP_FADO.C_TYP_FADO_ID left join C_ZPUSOB_PLATBY on "
                          "jf_fado.C_ZPUSOB_PLATBY_ID=C_ZPUSOB_PLATBY.C_ZPUSOB_PLATBY_ID ")
                      + extra;
    } else if (name.startsWith(QLatin1String("Browse_JF_"))) {
        // The invoice summaries: group columns, the twelve sums, grouped issued invoices.
        QString join, groupBy;
        if (name == QLatin1String("Browse_JF_ODBERATEL")) {
            c.p(QStringLiteral("A_ODB.nazev"), S("Název"));
            c.p(QStringLiteral("A_ODB.prijmeni"), S("Příjmení"));
            g.KeyField = QStringLiteral("ODBERATEL_ID");
            join = QStringLiteral("left join adresar_zakl A_ODB on jf.odberatel_id=A_ODB.adresar_zakl_id ");
            groupBy = QStringLiteral(" group by odberatel_id,A_ODB.nazev,A_ODB.prijmeni");
        } else if (name == QLatin1String("Browse_JF_DEN")) {
            c.p(QStringLiteral("JF.DATUM_VYSTAVENI"), S("Vystavení"), DT);
            g.KeyField = QStringLiteral("DATUM_VYSTAVENI");
            groupBy = QStringLiteral(" group by JF.DATUM_VYSTAVENI");
        } else if (name == QLatin1String("Browse_JF_MESIC")) {
            c.p(QStringLiteral("EXTRACT(YEAR from DATUM_VYSTAVENI)"), S("Rok"), I);
            c.p(QStringLiteral("EXTRACT(MONTH from DATUM_VYSTAVENI)"), S("Měsíc"), I);
            groupBy = QStringLiteral(" group by EXTRACT(YEAR from DATUM_VYSTAVENI),EXTRACT(MONTH from DATUM_VYSTAVENI)");
        } else if (name == QLatin1String("Browse_JF_CTVRTLETI")) {
            c.p(QStringLiteral("EXTRACT(YEAR from DATUM_VYSTAVENI)"), S("Rok"), I);
            c.p(kQuarter, S("Čtvrtletí"), I);
            groupBy = QStringLiteral(" group by EXTRACT(YEAR from DATUM_VYSTAVENI),") + kQuarter;
        } else {
            c.p(QStringLiteral("EXTRACT(YEAR from DATUM_VYSTAVENI)"), S("Vystavení"), I);
            groupBy = QStringLiteral(" group by EXTRACT(YEAR from DATUM_VYSTAVENI)");
        }
        if (name == QLatin1String("Browse_JF_MESIC") || name == QLatin1String("Browse_JF_CTVRTLETI") || name == QLatin1String("Browse_JF_ROK")) {
            g.KeyField = QStringLiteral("EXTRACT(YEAR from DATUM_VYSTAVENI)");
            g.KeyWithoutTable = true;
        }
        summaryColumns(c);
        g.TableName = QStringLiteral("JF");
        QString w = join + extra;
        w += andOrWhere(w) + QStringLiteral("(JF.TYP_DOKLADU=0)") + groupBy;
        g.WhereText = w;
    } else if (name == QLatin1String("Browse_ZAKAZKY")) {
        c.t(QStringLiteral("ZAKAZKA"), S("Zakázka"), {}, 50);
        c.t(QStringLiteral("ZAKAZKY_ROZLISENI.POPIS"), S("Rozlišení"), {}, 50);
        c.p(QStringLiteral("A_ODB.NAZEV"), S("Odběratel"), {}, 20);
        c.p(QStringLiteral("ZAKAZKY.POPIS"), S("Popis"), {}, 50);
        c.t(QStringLiteral("ZAKAZKY_STAV.POPIS"), S("Stav"), {}, 50);
        c.p(QStringLiteral("CASTKA_NABIDKA"), S("Nabídka"), D);
        c.p(QStringLiteral("CASTKA_FAKTURACE"), S("Fakturace"), D);
        c.p(QStringLiteral("CASTKA_MATERIAL"), S("Materiál"), D);
        c.p(QStringLiteral("HODINY"), S("Hodiny"), D);
        c.p(QStringLiteral("DOPRAVA"), S("Doprava"), I);
        c.p(QStringLiteral("CASTKA_ZISK"), S("Zisk"), D);
        c.t(QStringLiteral("ZAKAZKY_STAV_FAKTURACE.POPIS"), S("Stav fakturace"), {}, 50);
        g.WhereText = QStringLiteral(
            "left join adresar_zakl A_ODB on ZAKAZKY.ODBERATEL=A_ODB.adresar_zakl_id left join ZAKAZKY_STAV on "
            "ZAKAZKY.ZAKAZKY_STAV_ID=ZAKAZKY_STAV.ZAKAZKY_STAV_ID left join ZAKAZKY_STAV_FAKTURACE on "
            "ZAKAZKY.ZAKAZKY_STAV_FAKTURACE_ID=ZAKAZKY_STAV_FAKTURACE.ZAKAZKY_STAV_FAKTURACE_ID left join ZAKAZKY_ROZLISENI on "
            "ZAKAZKY.ZAKAZKY_ROZLISENI_ID=ZAKAZKY_ROZLISENI.ZAKAZKY_ROZLISENI_ID");
    } else if (name == QLatin1String("Browse_PRAV_PL_H")) {
        c.p(QStringLiteral("AKTIVNI"), S("Aktivní"), B);
        c.t(QStringLiteral("TEXT"), S("Popis"), {}, 50);
        c.p(QStringLiteral("DATUM_VZNIKU"), S("Datum vzniku"), DT);
        c.p(QStringLiteral("DATUM_UKONCENI"), S("Datum ukončení"), DT);
        c.end();
        c.p(QStringLiteral("VAR_SYM"), S("Variabilní s."));
        c.p(QStringLiteral("SPEC_SYM"), S("Specifický s."));
        c.p(QStringLiteral("KONST_SYM"), S("Konstantní s."));
        c.p(QStringLiteral("BU_DODAVATELE"), S("BÚ dodavatele"));
        c.p(QStringLiteral("DPH_AN"), S("DPH"), B);
        g.SetStrikeOut(QStringLiteral("AKTIVNI"), QStringLiteral("Ne"));
    } else if (name == QLatin1String("BrowseJU")) {
        c.t(QStringLiteral("DATUM"), S("Datum"), DT);
        c.t(QStringLiteral("CAS"), S("Čas"), TM);
        c.t(QStringLiteral("NAZEV"), S("Popis"), {}, 30);
        c.t(QStringLiteral("PRACOVNI"), S("Pracovní"), B);
        g.WhereText = QStringLiteral("where (uzivatel_id=%1) and (vyreseno=0)").arg(Session::currentUserId());
    } else if (name == QLatin1String("BrowseHromadneJU")) {
        c.t(QStringLiteral("PLATNOST_OD"), S("Od"), DT);
        c.t(QStringLiteral("PLATNOST_DO"), S("Do"), DT);
        c.t(QStringLiteral("CAS"), S("Čas"), TM);
        c.t(QStringLiteral("NAZEV"), S("Popis"), {}, 30);
        c.t(QStringLiteral("EVERY"), S("Každých"), I);
        c.t(QStringLiteral("DEN"), S("Den"), I);
        c.t(QStringLiteral("MESIC"), S("Měsíc"), I);
        g.WhereText = QStringLiteral("where (uzivatel_id=%1)").arg(Session::currentUserId());
    } else if (name == QLatin1String("BrowseUkolyAlarm")) {
        c.t(QStringLiteral("ALARM_DATUM"), S("Datum"), DT);
        c.t(QStringLiteral("ALARM_CAS"), S("Čas"), TM);
        c.t(QStringLiteral("NAZEV"), S("Popis"), {}, 30);
        g.WhereText = QStringLiteral("where (aktivni=1) and (alarm=1) and ") + alarmCondition(ctx) + alarmRights(QStringLiteral("ukoly"));
        g.NotifyParam = -11;
    } else if (name == QLatin1String("Uzivatel")) {
        c.t(QStringLiteral("LOGIN"), S("Login"));
        c.t(QStringLiteral("POPIS"), S("Popis"));
        c.t(QStringLiteral("ADMINISTRATOR"), S("Administrátor"), B);
        c.t(QStringLiteral("PRIHLASEN"), S("Přihlášen"), B);
        g.SetColourCondition(QStringLiteral("PRIHLASEN"), QStringLiteral("Ano"), 0x0000FF, 0xFFFFFF);
        g.DefaultTextColour = 0xFF0000;
    } else if (name == QLatin1String("UzivSkupina")) {
        c.t(QStringLiteral("POPIS"), S("Popis"));
    } else if (name == QLatin1String("KJPrehledAut")) {
        c.t(QStringLiteral("SPZ"), S("SPZ"));
        c.t(QStringLiteral("POPIS"), S("Popis"));
        g.WhereText = ReadFilter(QStringLiteral("KJ_AUTO"), true);
    } else if (name == QLatin1String("KJPrehledJizd") || name == QLatin1String("KJPrehledJizdKonkretni")) {
        const bool one = name == QLatin1String("KJPrehledJizdKonkretni");
        if (!one)
            c.t(QStringLiteral("KJ_AUTO.POPIS"), S("Auto"), {}, 12);
        c.t(QStringLiteral("DATUM"), S("Datum"), {}, 10);
        c.t(QStringLiteral("PORADI"), S("Pořadí"), I, one ? 10 : 2);
        c.t(QStringLiteral("OD_NAZEV"), S("Od Název"), {}, 20);
        c.t(QStringLiteral("OD_PRIJMENI"), S("Od Příjmení"), {}, 20);
        c.t(QStringLiteral("DO_NAZEV"), S("Do Název"), {}, 20);
        c.t(QStringLiteral("DO_PRIJMENI"), S("Do Příjmení"), {}, 20);
        c.t(QStringLiteral("VZDALENOST"), S("Vzdálenost"), I, 10, true);
        c.t(QStringLiteral("DUVOD"), S("Důvod"), {}, 20);
        g.DeleteAllowed = true;
        // The condition joins the car table, so both trip lists name it in the FROM list.
        g.ExtraTables = QStringLiteral("KJ_AUTO");
        g.WhereText = QStringLiteral("where (KJ.KJ_AUTO_ID=KJ_AUTO.KJ_AUTO_ID) ") + ReadFilter(QStringLiteral("KJ_AUTO"), false);
        if (one) {
            int car = 0;
            QDate from, to;
            if (!ctx.chooseCar || !ctx.chooseCar(&car, &from, &to) || car < 1)
                return false;
            g.WhereText += QStringLiteral(" and (KJ.KJ_AUTO_ID=%1)").arg(car);
            if (from.isValid())
                g.WhereText += QStringLiteral(" and (KJ.DATUM>=") + DateToSQL(from) + QLatin1Char(')');
            if (to.isValid())
                g.WhereText += QStringLiteral(" and (KJ.DATUM<=") + DateToSQL(to) + QLatin1Char(')');
            g.FixedOrder = QStringLiteral("DATUM, PORADI");
            *oddEven = false;
        }
    }
    g.LayoutName = name;
    return true;
}

bool OpenBrowseDefinition(StringGridCore &grid, const QString &name, const QString &extra, const BrowseContext &context) {
    int sort = 1;
    bool oddEven = true;
    if (!FindBrowseDefinition(name)) {
        grid.SetSearchMode(-2);
        return true;
    }
    if (!ApplyBrowseDefinition(grid, name, extra, context, &sort, &oddEven))
        return false;
    grid.LoadData(sort);
    if (name == QLatin1String("KJPrehledJizdKonkretni")) {
        grid.BandRows(0, 0xDBDBDB, 0xFFFFFF, false, true);
        grid.FillRowColours(true, false, 0);
        grid.MarkChain(2, 3, 4, 5, 0x0000FF, 0x008000, true, false);
    } else if (oddEven) {
        grid.ApplyOddEvenColours();
    }
    grid.SetSearchMode(-2);
    return true;
}

BrowseContext BrowseContextForUser(TSQLDATA &db, int userId) {
    BrowseContext ctx;
    ctx.networkMode = db.NetMode() != 0;
    UserSettings settings;
    LoadUserSettings(db, userId, settings);
    // "T," or "F," then the ids of the unchecked categories: the chosen ones are all the others.
    auto chosen = [&](const QString &stored, const QString &table) {
        QSet<QString> unchecked;
        const QStringList items = stored.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (int i = 1; i < items.size(); ++i)
            unchecked.insert(items[i].trimmed());
        QStringList ids;
        for (const QString &id : db.SelectColumn(QStringLiteral("Select %1_id from %1 order by %1_id").arg(table), QStringLiteral(","))
                                     .split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (!unchecked.contains(id.trimmed()))
                ids << id.trimmed();
        }
        return ids.join(QLatin1Char(','));
    };
    ctx.addressCategories = chosen(settings.addressCategories, QStringLiteral("adresar_c_kat"));
    ctx.calendarCategories = chosen(settings.calendarCategories, QStringLiteral("ku_c_kat"));
    const QString row = db.SelectRow(QStringLiteral("Select alarm_posl_datum,alarm_posl_cas from uzivatel where uzivatel_id=%1").arg(userId),
                                     QStringLiteral(";"));
    ctx.lastAlarmDate = DatePart(row.section(QLatin1Char(';'), 0, 0));
    ctx.lastAlarmTime = TimePart(row.section(QLatin1Char(';'), 1, 1));
    return ctx;
}
