#include "langtext.h"

#include <QStringList>

namespace {
int g_languageIndex = 0;

// A key matches only where a record starts: at the very beginning or right after "~".
// Searching for "key|" anywhere would let a key that merely ends a field of an earlier record
// ("...|Name|" for the word "Name") answer with the wrong record.
QStringList findRecord(const QString &table, const QString &key) {
    const QString needle = key + QLatin1Char('|');
    qsizetype pos = 0;
    while (pos <= table.size()) {
        if (QStringView(table).mid(pos).startsWith(needle)) {
            const qsizetype end = table.indexOf(QLatin1Char('~'), pos);
            const QString record = table.mid(pos, end < 0 ? -1 : end - pos);
            return record.split(QLatin1Char('|'));
        }
        const qsizetype next = table.indexOf(QLatin1Char('~'), pos);
        if (next < 0)
            break;
        pos = next + 1;
    }
    return {};
}
}

int LanguageIndex() { return g_languageIndex; }

void SetLanguageIndex(int index) { g_languageIndex = index; }

void SetLanguageLetter(const QString &letter) {
    if (letter == QLatin1String("C"))
        g_languageIndex = 0;
    else if (letter == QLatin1String("A"))
        g_languageIndex = 2;
    else if (letter == QLatin1String("S"))
        g_languageIndex = 3;
}

QString LangText(const QString &key) {
    const QStringList fields = findRecord(TextTable(), key);
    if (fields.isEmpty())
        return key;
    const int column = g_languageIndex <= 0 ? 1 : g_languageIndex;
    if (column < fields.size() && !fields.at(column).isEmpty())
        return fields.at(column);
    return fields.size() > 1 ? fields.at(1) : key;
}

QString LangText(int number) { return LangText(QString::number(number)); }
