#include "panels.h"

#include <QHash>

PanelSpec DescribePanel(const QString &name) {
    struct Entry {
        const char *name;
        PanelSpec panel;
    };
    static const Entry fixed[] = {
        {"MonthPanel", {ViewKind::Month, StripMode::Calendar}},
        {"YearPanel", {ViewKind::Year, StripMode::Calendar}},
        {"MemoPanel", {ViewKind::Memo, StripMode::Hidden}},
        {"BrowsePanel", {ViewKind::BrowsePanel, StripMode::Unchanged}},
        {"ZadavaniJizd", {ViewKind::TripEntry, StripMode::Address}},
        {"ZB_Naskladneni", {ViewKind::GoodsReceipt, StripMode::Unchanged}},
        {"ZB_VystaveniFaktury", {ViewKind::InvoiceIssue, StripMode::Unchanged}},
        {"Poznamky", {ViewKind::Notes, StripMode::Hidden}},
        {"BrowseAdresarZakladni", {ViewKind::List, StripMode::Address}},
        {"BrowseUkoly", {ViewKind::List, StripMode::Calendar}},
        {"KJPrehledJizdKonkretni", {ViewKind::List, StripMode::Hidden, false, true}},
        {"BrowseElektroRevize", {ViewKind::List, StripMode::Hidden, true}},
    };
    for (const Entry &e : fixed)
        if (name == QLatin1String(e.name))
            return e.panel;
    PanelSpec list;
    list.passCondition = name.startsWith(QLatin1String("Browse_JF"));
    return list;
}

namespace {
const char *const kPages[][2] = {
    {"LOP_KALENDAR", "LOP_Calendar"}, {"LOP_ALARMY", "LOP_Alarm"},     {"LOP_KNIHA_JIZD", "LOP_BookDrive"},
    {"LOP_ADRESAR", "LOP_Address"},   {"LOP_CISELNIKY", "LOP_Setting"}, {"LOP_UKOLY", "LOP_Schedule"},
    {"LOP_POZNAMKY", "LOP_Notes"},    {"LOP_JU", "LOP_JU"},             {"LOP_REVIZE", "LOP_Revize"},
    {"LOP_JF", "LOP_JF"},             {"LOP_PRAV_PL", "LOP_PRAV_PL"},   {"LOP_ZBOZI", "LOP_ZBOZI"},
    {"LOP_OBCHOD", "LOP_OBCHOD"},     {"LOP_BANKA", "LOP_BANKA"},       {"LOP_ZAKAZKY", "LOP_ZAKAZKY"},
};
}

QString PageForKey(const QString &key) {
    for (const auto &p : kPages)
        if (key == QLatin1String(p[0]))
            return QLatin1String(p[1]);
    return {};
}

QString KeyForPage(const QString &pageName) {
    for (const auto &p : kPages)
        if (pageName == QLatin1String(p[1]))
            return QLatin1String(p[0]);
    return {};
}
