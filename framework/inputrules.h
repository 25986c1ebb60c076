#pragma once
#include <QDate>
#include <QString>
#include <QTime>

// Rules of the date and time input (TMKEDITDC) and of its picker (TFORMMKEDITDAT), free of any
// widget so that editors and tests share them.
//
// Typ 0 is a plain edit; 1 date and time with seconds, 2 date and time, 3 date, 4 time with
// seconds, 5 time.

// The picker's mask of a type ("DD.MM.RRRR hh:mm:ss" …); empty for type 0 and unknown types.
QString MkEditMask(int typ);
// Maximum length of the text; 0 when the type leaves the length as it was (type 0).
int MkEditMaxLength(int typ);
// The input mask of the line edit: digits where the mask has letters, "_" shown for an empty place.
QString MkEditInputMask(int typ);
bool MkEditHasButton(int typ);

// The edit's text split at its first blank: for types 1 and 2 the date and the time, for type 3
// the date, for types 4 and 5 the time. A part holding nothing but separators and blanks (what an
// empty masked edit returns) is empty.
struct MkEditParts {
    QString date;
    QString time;
};
MkEditParts MkEditSplit(const QString &text, int typ);
// True when every part is empty or readable (date D.M.YYYY, time H:MM or H:MM:SS).
bool MkEditValid(const QString &text, int typ);
// True when every part is empty: the input holds no value.
bool MkEditEmpty(const QString &text, int typ);
// Date part plus time part as a day count since 30 December 1899; an unreadable or empty part
// counts as 0.
double MkEditValue(const QString &text, int typ);

// A valid text with its short forms widened for display ("5.3.2004 8:7" -> "05.03.2004 08:07");
// an empty time stays empty. Invalid or empty texts, and a time without its date, come back as
// they are.
QString MkEditWiden(const QString &text, int typ);

double DateTimeToSerial(const QDate &date, const QTime &time = QTime(0, 0));

// Working state of the picker: the mask of the calling input and the texts of its edits.
class MkEditDatModel {
public:
    explicit MkEditDatModel(int typ = 3);

    int typ() const { return m_typ; }
    const QString &mask() const { return m_mask; }
    bool showsDate() const { return m_mask.contains(QLatin1String("DD.MM.RRRR")); }
    bool showsHours() const { return m_mask.contains(QLatin1String("hh")); }
    bool showsMinutes() const { return m_mask.contains(QLatin1String("mm")); }
    bool showsSeconds() const { return m_mask.contains(QLatin1String("ss")); }

    // The text the picker starts from: the input's text, or today's date for a date type whose
    // input is empty. The date the calendar shows is startDate().
    void Open(const QString &text, const QDate &today);
    QDate startDate() const { return m_startDate; }

    // Takes a value text into the edits, widening one-digit day, month, hour and minute.
    void NASTAV_VNITRKY(const QString &value);
    // The working value: the input's text, or what a double-click in the calendar or on the
    // current time replaced it with.
    const QString &value() const { return m_value; }
    // The mask filled with the edits, each widened to two digits (the year as typed).
    QString VRAT_VYSLEDEK() const;

    // Double-click in the calendar: that date with the time of the edits.
    void TakeCalendarDate(const QDate &date);
    // Double-click on the current time: the date of the edits with that time.
    void TakeCurrentTime(const QTime &time);

    QString den, mesic, rok, hodiny, minuty, sekundy;

private:
    int m_typ;
    QString m_mask;
    QString m_value;
    QDate m_startDate;
};

// A one- or two-digit text with a leading "0" where it has one digit ("" becomes "00").
QString WidenTwoDigits(const QString &text);
