#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>

// Helpers that turn values into SQL literal text of dialect 1. Every literal that reaches a
// statement passes through one of these; user and file text never goes in bare.

// Doubles every double quote and encloses the text in double quotes. With 0 < maxLength the
// doubled text is cut to maxLength characters, and a cut that would split a doubled quote drops
// its first half too, so the literal can never be left open.
QString QuoteStr(const QString &text, int maxLength = 0);
// "DD.MM.YYYY" in double quotes.
QString DateToSQL(const QDate &date);
QString DateToSQL(const QDateTime &dateTime);
// The text of a date (D.M.YYYY, optionally with a time H:MM[:SS]) in double quotes; NULL for
// the empty forms ("", "00.00.0000", "0.0.0000", "0.0.0", the empty mask " .  .    ") and for
// any text that is not a valid date.
QString DateTextToSQL(const QString &dateText);
// Date and time text joined in double quotes; NULL when both are empty or either is invalid.
QString DateTimeToSQL(const QString &dateText, const QString &timeText);
QString BoolToSQL(bool flag);
QString FloatToSQL(double value, int width = 12, int decimals = 2);
// Trimmed text as a whole number; 0 for an empty or non-numeric text.
int TextToInt(const QString &text);
QString DatePart(const QString &dateTimeText);
QString TimePart(const QString &dateTimeText);
// D.M.YYYY with an optional blank and H:MM:SS[.hh]; an invalid QDateTime when unreadable.
QDateTime TextToDate(const QString &text);
// Time of the time part of "date time"; 0:00:00 for an empty time part; invalid when unreadable.
QTime TextToTime(const QString &text);
// Validates a date text in D.M.YYYY (one or two digit day and month); invalid QDate otherwise.
QDate ParseDateText(const QString &text);
QTime ParseTimeText(const QString &text);

QString AuditColumns(bool withAlarm);
// Values for AuditColumns: current user, CURRENT_TIMESTAMP, current user, CURRENT_TIMESTAMP and
// the default group in every rights column.
QString AuditValues(bool withAlarm);
QString AuditValues(bool withAlarm, int userId, int groupId);

// For the few statements whose text uses single-quoted literals (record locks, log-ins): the
// text with every single quote doubled, enclosed in single quotes.
QString QuoteSingle(const QString &text);
