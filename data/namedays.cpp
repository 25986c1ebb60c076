#include "namedays.h"

#include "exchange/codepage/win1250.h"
#include "sqltext.h"

#include <QFile>

namespace {

bool readNumber(const QString &field, int min, int max, int *value) {
    bool ok = false;
    const int n = field.trimmed().toInt(&ok);
    if (!ok || n < min || n > max)
        return false;
    *value = n;
    return true;
}

}

NameDayList ParseNameDays(const QString &text) {
    NameDayList result;
    int month = 0, kind = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const int lineNo = int(i + 1);
        auto fail = [&](const QString &why) {
            result.entries.clear();
            result.error = why;
            result.errorLine = lineNo;
            return result;
        };
        const QStringList fields = line.split(QLatin1Char(';'));
        NameDayEntry e;
        e.name = fields.at(0);
        if (e.name.trimmed().isEmpty())
            return fail(QStringLiteral("no name"));
        if (fields.size() < 2 || !readNumber(fields.at(1), 1, 31, &e.day))
            return fail(QStringLiteral("the day is not a number from 1 to 31"));
        if (fields.size() >= 3 && !fields.at(2).trimmed().isEmpty()) {
            if (!readNumber(fields.at(2), 1, 12, &month))
                return fail(QStringLiteral("the month is not a number from 1 to 12"));
            // The kind is only read together with a month.
            if (fields.size() >= 4 && !fields.at(3).trimmed().isEmpty() && !readNumber(fields.at(3), 1, 9999, &kind))
                return fail(QStringLiteral("the list kind is not a number"));
        }
        if (month == 0 || kind == 0)
            return fail(QStringLiteral("month or list kind missing before this line"));
        e.month = month;
        e.kind = kind;
        result.entries << e;
    }
    return result;
}

QByteArray NameDayResource() {
    QFile f(QStringLiteral(":/zorva/dataupgr_3.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

NameDayList BuiltInNameDays() { return ParseNameDays(Win1250::decode(NameDayResource())); }

QStringList NameDayStatements(const QList<NameDayEntry> &entries) {
    QStringList s;
    s << QStringLiteral("delete from svatky_typ;");
    s << QStringLiteral("insert into svatky_typ(typ,popis) values(1,\"CZ\");");
    s << QStringLiteral("insert into svatky_typ(typ,popis) values(2,\"SK\");");
    s << QStringLiteral("insert into svatky_typ(typ,popis) values(19,\"CZ-psi\");");
    s << QStringLiteral("insert into svatky_typ(typ,popis) values(20,\"SK-psi\");");
    s << QStringLiteral("delete from svatky_jmena;");
    for (const NameDayEntry &e : entries)
        s << QStringLiteral("insert into svatky_jmena(typ,mesic,den,jmeno) values (%1,%2,%3,%4);")
                 .arg(e.kind)
                 .arg(e.month)
                 .arg(e.day)
                 .arg(QuoteStr(e.name));
    return s;
}
