#include "gpcimport.h"

#include "data/prompt.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "localisation/langtext.h"

#include <QFileInfo>

namespace {
QString lineError(int line, const QString &error) {
    return LangText(1070) + QString::number(line) + QStringLiteral("\r\n") + error;
}
}

QString GpcInvalidFileMessage(const QString &path) {
    return QStringLiteral("Soubor není ve správném formátu ! ") + QStringLiteral("\n\r") + path;
}

QString GpcInsertStatement(const TBU_GPC &gpc, int i, int buId, int paymentKindId, int userId, QString *error) {
    const QString dueText = gpc.Veta_DatumSplatnostiText(i);
    QString due = QStringLiteral("NULL");
    if (!dueText.trimmed().isEmpty()) {
        const QDate d = TBU_GPC::DateFromDDMMYY(dueText);
        if (!d.isValid()) {
            if (error)
                *error = QStringLiteral("Neplatné datum splatnosti: ") + dueText;
            return {};
        }
        due = DateTextToSQL(d.toString(QStringLiteral("d.M.yyyy")));
    }
    const QString user = QString::number(userId);
    QString s = QStringLiteral(
        "insert into BU_VYPIS(BU_ID,DATUM,UCET,BANKA,DOPLNUJICI_UDAJ,VARIABILNI,SPECIFICKY,KONSTANTNI,CASTKA,CASTKA_DEBET,"
        "CASTKA_KREDIT,CASTKA_ZUSTATEK,PORADOVE_CISLO,PORADOVE_CISLO_V_DAVCE,POZNAMKA,KOD_UCTOVANI,BU_DRUH_PLATBY_ID,"
        "vytvoril_kdo,vytvoril_kdy,editoval_kdo,editoval_kdy) ");
    s += QStringLiteral(" values(") + QString::number(buId) + QLatin1Char(',') + due + QLatin1Char(',')
         + QuoteStr(gpc.Veta_CisloProtiuctu(i)) + QLatin1Char(',') + QuoteStr(gpc.Veta_KodBanky(i)) + QLatin1Char(',')
         + QuoteStr(gpc.Veta_DoplnujiciUdaj(i)) + QLatin1Char(',') + QuoteStr(gpc.Veta_VariabilniSymbol(i)) + QLatin1Char(',')
         + QuoteStr(gpc.Veta_Specificky(i)) + QLatin1Char(',') + QuoteStr(gpc.Veta_KonstantniSymbol(i)) + QLatin1Char(',')
         + FloatToSQL(gpc.Veta_CastkaSeZnamenkem(i), 12, 2) + QLatin1Char(',') + FloatToSQL(gpc.Veta_CastkaDebet(i), 12, 2)
         + QLatin1Char(',') + FloatToSQL(gpc.Veta_CastkaKredit(i), 12, 2) + QLatin1Char(',') + QuoteStr(QStringLiteral("0"))
         + QLatin1Char(',') + QString::number(gpc.Souhrn_PoradoveCVypisu()) + QLatin1Char(',') + QString::number(i)
         + QLatin1Char(',') + QuoteStr(QString()) + QLatin1Char(',') + QString::number(gpc.Veta_KodUctovani(i))
         + QLatin1Char(',') + (paymentKindId > 0 ? QString::number(paymentKindId) : QStringLiteral("NULL"))
         + QLatin1Char(',') + user + QStringLiteral(",CURRENT_TIMESTAMP,") + user + QStringLiteral(",CURRENT_TIMESTAMP);");
    return s;
}

QStringList GpcInsertStatements(const TBU_GPC &gpc, int buId, int paymentKindId, int userId, GpcImportResult &result,
                                const GpcProgress &progress) {
    QStringList statements;
    if (!gpc.SpravnaData()) {
        result.error = QStringLiteral("Soubor není ve správném formátu ! ");
        return {};
    }
    const int n = gpc.PocetVet();
    statements.reserve(n);
    for (int i = 1; i <= n; ++i) {
        if (progress && (i % 256 == 1 || i == n) && !progress(i, n)) {
            result.cancelled = true;
            return {};
        }
        QString error;
        const QString s = GpcInsertStatement(gpc, i, buId, paymentKindId, userId, &error);
        if (s.isEmpty()) {
            // For bank 0100 the due date comes from the header, so the header line is at fault.
            result.line = gpc.VratKodBanky() == QLatin1String("0100") ? gpc.LineNumbers.value(0) : gpc.LineNumbers.value(i);
            result.error = lineError(result.line, error);
            return {};
        }
        statements << s;
    }
    return statements;
}

GpcImportResult ImportGpcIntoAccount(TSQLDATA &db, const TBU_GPC &gpc, int buId, const GpcProgress &progress) {
    GpcImportResult result;
    if (db.SelectInt(QStringLiteral("Select count(*) from BU where (BU_ID=%1);").arg(buId)) != 1) {
        result.error = QStringLiteral("Bankovní účet %1 neexistuje !").arg(buId);
        return result;
    }
    const int paymentKind = db.SelectInt(QStringLiteral("Select BU_DRUH_PLATBY_ID from BU where (BU_ID=%1);").arg(buId));
    const QStringList statements = GpcInsertStatements(gpc, buId, paymentKind, Session::currentUserId(), result, progress);
    if (statements.isEmpty())
        return result;
    int failed = -1;
    const QString error = db.ExecSQLList(statements, &failed);
    if (!error.isEmpty()) {
        result.line = gpc.LineNumbers.value(failed + 1);
        result.error = lineError(result.line, statements.value(failed) + QStringLiteral("\r\n") + error);
        return result;
    }
    result.ok = true;
    result.rows = int(statements.size());
    return result;
}

GpcImportResult ImportGpcByStatementAccount(TSQLDATA &db, const TBU_GPC &gpc, const GpcProgress &progress,
                                            bool *accountProblem) {
    if (accountProblem)
        *accountProblem = false;
    const QString account = QuoteStr(gpc.Souhrn_CisloUctu());
    const int count = db.SelectInt(QStringLiteral("Select count(*) from BU where (BU_UCET=%1);").arg(account));
    if (count != 1) {
        GpcImportResult result;
        if (accountProblem)
            *accountProblem = true;
        result.error = QStringLiteral(
                           "Soubor obsahuje výpis pro následující účet:\r\n%1\r\n%2\r\nTento účet je v bankovních účtech "
                           "zadán %3x, musí být zadán 1x !")
                           .arg(gpc.Souhrn_CisloUctu(), gpc.Souhrn_NazevUctu())
                           .arg(count);
        return result;
    }
    const int buId = db.SelectInt(QStringLiteral("Select BU_ID from BU where (BU_UCET=%1);").arg(account));
    return ImportGpcIntoAccount(db, gpc, buId, progress);
}

int ImportGpcFiles(TSQLDATA &db, const QStringList &paths, const GpcProgress &progress, bool *anyImported) {
    int rows = 0;
    if (anyImported)
        *anyImported = false;
    for (const QString &path : paths) {
        TBU_GPC gpc;
        if (!gpc.Load(path) || !gpc.SpravnaData()) {
            prompt().message(GpcInvalidFileMessage(path), Prompt::Kind::Error);
            continue;
        }
        bool accountProblem = false;
        const GpcImportResult r = ImportGpcByStatementAccount(db, gpc, progress, &accountProblem);
        if (r.cancelled)
            break;
        if (!r.ok) {
            prompt().message(r.error, Prompt::Kind::Error);
            if (accountProblem)
                break;
            continue;
        }
        rows += r.rows;
        if (anyImported)
            *anyImported = true;
    }
    return rows;
}

QString GpcFilesPreviewHtml(const QStringList &paths) {
    QString html;
    bool first = true;
    for (const QString &path : paths) {
        TBU_GPC gpc;
        if (!gpc.Load(path) || !gpc.SpravnaData()) {
            prompt().message(GpcInvalidFileMessage(path), Prompt::Kind::Error);
            continue;
        }
        if (!first)
            html += QStringLiteral("<hr>");
        first = false;
        html += QStringLiteral("<b>") + QFileInfo(path).fileName().toHtmlEscaped() + QStringLiteral("</b><br>\r\n");
        html += gpc.PrehledDoHTML();
    }
    return html;
}
