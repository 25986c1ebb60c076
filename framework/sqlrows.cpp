#include "sqlrows.h"

#include "data/prompt.h"
#include "data/sqldata.h"

bool ReadRows(const QString &sql, TMKDATASET &dataset) {
    dataset.clear();
    if (!SQLDATA) {
        prompt().message(sql + QLatin1Char('\n') + QStringLiteral("Není připojena databáze."), Prompt::Kind::Error);
        return false;
    }
    try {
        SQLDATA->FillDataset(sql, dataset);
    } catch (const SqlReadError &e) {
        dataset.clear();
        prompt().message(sql + QLatin1Char('\n') + e.message(), Prompt::Kind::Error);
        return false;
    }
    return true;
}
