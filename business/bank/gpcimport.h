#pragma once
#include "bu_gpc.h"

#include <QStringList>
#include <functional>

class TSQLDATA;

// Called while an import prepares its rows; returning false cancels before anything is written.
using GpcProgress = std::function<bool(int done, int total)>;

struct GpcImportResult {
    bool ok = false;
    bool cancelled = false;
    int rows = 0;     // lines written
    int line = 0;     // file line of the error, 0 when the error is not tied to one
    QString error;    // the message for the user, empty on success
};

// The insert of transaction record i; empty when its due date is filled but not a date
// (*error then says so). A blank due date is stored as NULL. paymentKindId 0 writes NULL.
QString GpcInsertStatement(const TBU_GPC &gpc, int i, int buId, int paymentKindId, int userId, QString *error = nullptr);

// Builds the inserts of every record of a valid file, or stops at the first record that cannot
// be stored (result.line names it) and returns an empty list.
QStringList GpcInsertStatements(const TBU_GPC &gpc, int buId, int paymentKindId, int userId,
                                GpcImportResult &result, const GpcProgress &progress = {});

// Imports every record of the file under the account BU_ID in one transaction: all of them or
// none. The account must exist.
GpcImportResult ImportGpcIntoAccount(TSQLDATA &db, const TBU_GPC &gpc, int buId, const GpcProgress &progress = {});

// Finds the account of the statement's header (it must be defined exactly once) and imports
// into it. result.error holds the message when the account is missing or ambiguous.
GpcImportResult ImportGpcByStatementAccount(TSQLDATA &db, const TBU_GPC &gpc, const GpcProgress &progress = {},
                                            bool *accountProblem = nullptr);

// The import of several files as the menu runs it: a file that is not a statement is reported
// and skipped; an account that is missing or ambiguous is reported and ends the run. Messages go
// through prompt(). Returns the number of lines written; *anyImported tells whether to refresh.
int ImportGpcFiles(TSQLDATA &db, const QStringList &paths, const GpcProgress &progress = {}, bool *anyImported = nullptr);

// The HTML overview of several files: each valid file's name and overview, "<hr>" between
// them; invalid files are reported through prompt() and left out.
QString GpcFilesPreviewHtml(const QStringList &paths);

QString GpcInvalidFileMessage(const QString &path);
