#include "inputrules.h"

#include "data/sqltext.h"

QString MkEditMask(int typ) {
    switch (typ) {
    case 1: return QStringLiteral("DD.MM.RRRR hh:mm:ss");
    case 2: return QStringLiteral("DD.MM.RRRR hh:mm");
    case 3: return QStringLiteral("DD.MM.RRRR");
    case 4: return QStringLiteral("hh:mm:ss");
    case 5: return QStringLiteral("hh:mm");
    default: return {};
    }
}

int MkEditMaxLength(int typ) { return MkEditMask(typ).size(); }

QString MkEditInputMask(int typ) {
    QString m = MkEditMask(typ);
    if (m.isEmpty())
        return {};
    // "0": a digit that may be left out, so that 5.3.2004 can be typed without leading zeros.
    for (QChar &c : m)
        if (c.isLetter())
            c = QLatin1Char('0');
    return m + QStringLiteral(";_");
}

bool MkEditHasButton(int typ) { return typ >= 1 && typ <= 5; }

namespace {
// What is left of a part once the separators and the mask's blanks are gone; empty means no value.
bool isEmptyPart(const QString &part) {
    for (const QChar c : part)
        if (c != QLatin1Char('.') && c != QLatin1Char(':') && c != QLatin1Char(' ') && c != QLatin1Char('_'))
            return false;
    return true;
}

QString cleanPart(const QString &part) {
    QString s = part;
    s.remove(QLatin1Char('_'));
    return s.trimmed();
}
}

MkEditParts MkEditSplit(const QString &text, int typ) {
    MkEditParts parts;
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const QString first = blank < 0 ? text : text.left(blank);
    const QString rest = blank < 0 ? QString() : text.mid(blank);
    switch (typ) {
    case 1:
    case 2:
        parts.date = first;
        parts.time = rest;
        break;
    case 3: parts.date = first; break;
    case 4:
    case 5: parts.time = first; break;
    default: break;
    }
    if (isEmptyPart(parts.date))
        parts.date.clear();
    if (isEmptyPart(parts.time))
        parts.time.clear();
    parts.date = cleanPart(parts.date);
    parts.time = cleanPart(parts.time);
    return parts;
}

bool MkEditValid(const QString &text, int typ) {
    const MkEditParts p = MkEditSplit(text, typ);
    if (!p.date.isEmpty() && !ParseDateText(p.date).isValid())
        return false;
    if (!p.time.isEmpty() && !ParseTimeText(p.time).isValid())
        return false;
    return true;
}

bool MkEditEmpty(const QString &text, int typ) {
    const MkEditParts p = MkEditSplit(text, typ);
    return p.date.isEmpty() && p.time.isEmpty();
}

QString MkEditWiden(const QString &text, int typ) {
    if (typ < 1 || typ > 5 || !MkEditValid(text, typ) || MkEditEmpty(text, typ))
        return text;
    const MkEditParts p = MkEditSplit(text, typ);
    const bool dated = typ <= 3;
    if (dated && p.date.isEmpty())
        return text;
    const QString timeForm = (typ == 1 || typ == 4) ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm");
    QString r = dated ? ParseDateText(p.date).toString(QStringLiteral("dd.MM.yyyy")) : QString();
    if (!p.time.isEmpty()) {
        if (dated)
            r += QLatin1Char(' ');
        r += ParseTimeText(p.time).toString(timeForm);
    }
    return r;
}

double DateTimeToSerial(const QDate &date, const QTime &time) {
    double v = date.isValid() ? double(QDate(1899, 12, 30).daysTo(date)) : 0.0;
    if (time.isValid())
        v += time.msecsSinceStartOfDay() / 86400000.0;
    return v;
}

double MkEditValue(const QString &text, int typ) {
    const MkEditParts p = MkEditSplit(text, typ);
    const QDate d = p.date.isEmpty() ? QDate() : ParseDateText(p.date);
    const QTime t = p.time.isEmpty() ? QTime() : ParseTimeText(p.time);
    return DateTimeToSerial(d, t);
}

QString WidenTwoDigits(const QString &text) {
    QString t = text.trimmed();
    while (t.size() < 2)
        t.prepend(QLatin1Char('0'));
    return t;
}

MkEditDatModel::MkEditDatModel(int typ) : m_typ(typ), m_mask(MkEditMask(typ)) {}

void MkEditDatModel::Open(const QString &text, const QDate &today) {
    const MkEditParts p = MkEditSplit(text, m_typ);
    QString start;
    if (showsDate()) {
        // The input may hold only a time; the calendar then starts on today like an empty input.
        const QDate d = p.date.isEmpty() ? QDate() : ParseDateText(p.date);
        m_startDate = d.isValid() ? d : today;
        start = p.date.isEmpty() ? today.toString(QStringLiteral("d.M.yyyy")) : p.date;
        if (!p.time.isEmpty() && (m_typ == 1 || m_typ == 2))
            start += QLatin1Char(' ') + p.time;
    } else {
        m_startDate = today;
        start = p.time;
    }
    NASTAV_VNITRKY(start);
}

void MkEditDatModel::NASTAV_VNITRKY(const QString &value) {
    QString v = value;
    if (v.isEmpty()) {
        v = m_mask;
        for (QChar &c : v)
            if (QStringLiteral("RDMhms").contains(c))
                c = QLatin1Char('0');
    }
    m_value = v;
    struct Field {
        const char *name;
        QChar separator;
    };
    static const Field widened[] = {{"DD", QLatin1Char('.')}, {"MM", QLatin1Char('.')},
                                    {"hh", QLatin1Char(':')}, {"mm", QLatin1Char(':')}};
    for (const Field &f : widened) {
        const qsizetype pos = m_mask.indexOf(QLatin1String(f.name));
        if (pos >= 0 && pos + 1 < v.size() && v.at(pos + 1) == f.separator)
            v.insert(pos, QLatin1Char('0'));
    }
    auto cut = [&](const char *field, int length) {
        const qsizetype pos = m_mask.indexOf(QLatin1String(field));
        return pos < 0 ? QString() : v.mid(pos, length).trimmed();
    };
    den = cut("DD", 2);
    mesic = cut("MM", 2);
    rok = cut("RRRR", 4);
    hodiny = cut("hh", 2);
    minuty = cut("mm", 2);
    sekundy = cut("ss", 2);
    if (sekundy.isEmpty())
        sekundy = QStringLiteral("00");
}

QString MkEditDatModel::VRAT_VYSLEDEK() const {
    QString r = m_mask;
    r.replace(QLatin1String("DD"), WidenTwoDigits(den));
    r.replace(QLatin1String("MM"), WidenTwoDigits(mesic));
    r.replace(QLatin1String("RRRR"), rok);
    r.replace(QLatin1String("hh"), WidenTwoDigits(hodiny));
    r.replace(QLatin1String("mm"), WidenTwoDigits(minuty));
    r.replace(QLatin1String("ss"), WidenTwoDigits(sekundy));
    return r;
}

void MkEditDatModel::TakeCalendarDate(const QDate &date) {
    NASTAV_VNITRKY(date.toString(QStringLiteral("d.M.yyyy")) + QLatin1Char(' ') + WidenTwoDigits(hodiny) + QLatin1Char(':')
                   + WidenTwoDigits(minuty) + QLatin1Char(':') + WidenTwoDigits(sekundy));
}

void MkEditDatModel::TakeCurrentTime(const QTime &time) {
    const QString timeText = time.toString(QStringLiteral("H:mm:ss"));
    if (!showsDate()) {
        NASTAV_VNITRKY(timeText);
        return;
    }
    NASTAV_VNITRKY(den + QLatin1Char('.') + mesic + QLatin1Char('.') + rok + QLatin1Char(' ') + timeText);
}
