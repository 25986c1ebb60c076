#include "sqltext.h"

#include "session.h"

#include <QRegularExpression>

QString QuoteStr(const QString &text, int maxLength) {
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    if (maxLength > 0 && maxLength < doubled.size()) {
        doubled.truncate(maxLength);
        // Doubled quotes come in runs of even length; an odd run at the end is a split pair.
        qsizetype run = 0;
        while (run < doubled.size() && doubled.at(doubled.size() - 1 - run) == QLatin1Char('"'))
            ++run;
        if (run % 2 == 1)
            doubled.chop(1);
    }
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString DateToSQL(const QDate &date) {
    return QLatin1Char('"') + date.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char('"');
}

QString DateToSQL(const QDateTime &dateTime) { return DateToSQL(dateTime.date()); }

QDate ParseDateText(const QString &text) {
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

QTime ParseTimeText(const QString &text) {
    static const QRegularExpression re(
        QStringLiteral("^\\s*(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2})(?:[.,](\\d{1,3}))?)?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return {};
    int ms = 0;
    if (m.capturedLength(4) > 0) {
        QString frac = m.captured(4);
        while (frac.size() < 3)
            frac += QLatin1Char('0');
        ms = frac.toInt();
    }
    return QTime(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), ms);
}

namespace {
bool isEmptyDateForm(const QString &text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String("00.00.0000") || t == QLatin1String("0.0.0000") || t == QLatin1String("0.0.0"))
        return true;
    QString noBlanks = t;
    noBlanks.remove(QLatin1Char(' '));
    return noBlanks == QLatin1String("..");
}
}

QString DateTextToSQL(const QString &dateText) {
    if (isEmptyDateForm(dateText))
        return QStringLiteral("NULL");
    const QString t = dateText.trimmed();
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    const QString datePart = blank < 0 ? t : t.left(blank);
    const QString timePart = blank < 0 ? QString() : t.mid(blank + 1).trimmed();
    if (!ParseDateText(datePart).isValid())
        return QStringLiteral("NULL");
    if (!timePart.isEmpty() && !ParseTimeText(timePart).isValid())
        return QStringLiteral("NULL");
    return QLatin1Char('"') + (timePart.isEmpty() ? datePart : datePart + QLatin1Char(' ') + timePart) + QLatin1Char('"');
}

QString DateTimeToSQL(const QString &dateText, const QString &timeText) {
    const QString d = dateText.trimmed();
    const QString t = timeText.trimmed();
    if (d.isEmpty() && t.isEmpty())
        return QStringLiteral("NULL");
    if (!ParseDateText(d).isValid())
        return QStringLiteral("NULL");
    if (t.isEmpty())
        return QLatin1Char('"') + d + QLatin1Char('"');
    if (!ParseTimeText(t).isValid())
        return QStringLiteral("NULL");
    return QLatin1Char('"') + d + QLatin1Char(' ') + t + QLatin1Char('"');
}

QString BoolToSQL(bool flag) { return flag ? QStringLiteral("\"1\"") : QStringLiteral("\"0\""); }

QString FloatToSQL(double value, int width, int decimals) {
    Q_UNUSED(width);
    return QString::number(value, 'f', decimals).trimmed();
}

int TextToInt(const QString &text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

QString DatePart(const QString &dateTimeText) {
    if (dateTimeText == QLatin1String("NULL"))
        return {};
    const qsizetype blank = dateTimeText.indexOf(QLatin1Char(' '));
    return blank < 0 ? dateTimeText : dateTimeText.left(blank);
}

QString TimePart(const QString &dateTimeText) {
    if (dateTimeText == QLatin1String("NULL"))
        return {};
    const qsizetype blank = dateTimeText.indexOf(QLatin1Char(' '));
    return blank < 0 ? QString() : dateTimeText.mid(blank + 1);
}

QDateTime TextToDate(const QString &text) {
    const QString t = text.trimmed();
    const QDate d = ParseDateText(DatePart(t));
    if (!d.isValid())
        return {};
    const QString tp = TimePart(t).trimmed();
    if (tp.isEmpty())
        return QDateTime(d, QTime(0, 0));
    const QTime time = ParseTimeText(tp);
    return time.isValid() ? QDateTime(d, time) : QDateTime();
}

QTime TextToTime(const QString &text) {
    const QString tp = TimePart(text.trimmed()).trimmed();
    if (tp.isEmpty())
        return QTime(0, 0);
    return ParseTimeText(tp);
}

QString AuditColumns(bool withAlarm) {
    QString s = QStringLiteral(",vytvoril_kdo,vytvoril_kdy,editoval_kdo,editoval_kdy,F_CIST,F_EDITOVAT,F_SMAZAT,F_ADMINISTROVAT");
    if (withAlarm)
        s += QStringLiteral(",F_ALARM");
    return s;
}

QString AuditValues(bool withAlarm, int userId, int groupId) {
    const QString u = QString::number(userId);
    const QString g = QString::number(groupId);
    QString s = QLatin1Char(',') + u + QStringLiteral(",CURRENT_TIMESTAMP,") + u + QStringLiteral(",CURRENT_TIMESTAMP,")
                + g + QLatin1Char(',') + g + QLatin1Char(',') + g + QLatin1Char(',') + g;
    if (withAlarm)
        s += QLatin1Char(',') + g;
    return s;
}

QString AuditValues(bool withAlarm) {
    return AuditValues(withAlarm, Session::currentUserId(), Session::defaultGroupId());
}

QString QuoteSingle(const QString &text) {
    QString s = text;
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}
