#pragma once
#include "data/sqldata.h"

#include <QRegularExpression>
#include <QString>
#include <functional>

// Called while an import prepares its rows (done of total); returning false cancels before
// anything is written.
using ImportProgress = std::function<bool(int done, int total)>;

// Outcome of an import that writes all of its rows in one transaction or none of them.
struct ImportResult {
    bool ok = false;
    bool cancelled = false;
    int rows = 0;    // rows written (or updated)
    int line = 0;    // line or record number the error belongs to, 0 when none
    QString error;   // the message for the user, empty on success
};

// Draws count consecutive values of the generator in one step; returns the first of them.
inline int ReserveKeys(TSQLDATA &db, const QString &generator, int count) {
    const int last = db.SelectInt(QStringLiteral("select GEN_ID(%1,%2) from rdb$database;").arg(generator).arg(count));
    return last - count + 1;
}

// True for a bare SQL column name: a letter, then letters, digits, "_" or "$".
inline bool IsColumnName(const QString &name) {
    static const QRegularExpression re(QStringLiteral("^[A-Za-z][A-Za-z0-9_$]{0,30}$"));
    return re.match(name).hasMatch();
}
