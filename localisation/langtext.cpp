#include "langtext.h"

namespace {
int g_languageIndex = 0;

// The record whose first field is the key, up to (not including) the next "~", or an empty
// view when there is none. A key matches only where a record starts: at the very beginning or
// right after "~". Searching for "key|" anywhere would let a key that merely ends a field of an
// earlier record ("...|Name|" for the word "Name") answer with the wrong record.
QStringView findRecord(const QString &table, const QString &key, bool *found) {
    const QStringView all(table);
    qsizetype pos = 0;
    *found = false;
    while (pos < all.size()) {
        const qsizetype next = all.indexOf(QLatin1Char('~'), pos);
        const QStringView record = all.mid(pos, next < 0 ? -1 : next - pos);
        if (record.size() > key.size() && record.startsWith(key) && record.at(key.size()) == QLatin1Char('|')) {
            *found = true;
            return record;
        }
        if (next < 0)
            break;
        pos = next + 1;
    }
    return {};
}

// The text up to the first "|" is the field and leaves the record with its separator; without
// a separator the whole rest is the field. An empty record gives empty fields.
QStringView takeField(QStringView &record) {
    const qsizetype bar = record.indexOf(QLatin1Char('|'));
    if (bar < 0) {
        const QStringView field = record;
        record = {};
        return field;
    }
    const QStringView field = record.left(bar);
    record = record.mid(bar + 1);
    return field;
}
}

int LanguageIndex() { return g_languageIndex; }

void SetLanguageIndex(int index) { g_languageIndex = index; }

bool SetLanguageLetter(const QString &letter) {
    if (letter == QLatin1String("C"))
        g_languageIndex = 0;
    else if (letter == QLatin1String("A"))
        g_languageIndex = 2;
    else if (letter == QLatin1String("S"))
        g_languageIndex = 3;
    else
        return false;
    return true;
}

QString LangText(const QString &key) {
    bool found = false;
    QStringView record = findRecord(TextTable(), key, &found);
    if (!found)
        return key;
    const int column = g_languageIndex <= 0 ? 1 : g_languageIndex;
    QString result = key;
    takeField(record);
    for (int i = 1; i < column; ++i) {
        const QStringView field = takeField(record);
        if (i == 1 && !field.isEmpty())
            result = field.toString();
    }
    const QStringView field = takeField(record);
    if (!field.isEmpty())
        result = field.toString();
    return result;
}

QString LangText(int number) { return LangText(QString::number(number)); }

void LangCaption(int index, const QString &owner, const QString &classKey, const QString &componentName,
                 QString &caption, QString &hint) {
    bool found = false;
    const QString key = owner + QLatin1Char('.') + classKey + QLatin1Char('.') + componentName;
    QStringView record = findRecord(WindowTable(), key, &found);
    if (!found)
        return;
    takeField(record);
    for (int pair = 1; pair < index; ++pair) {
        takeField(record);
        takeField(record);
    }
    const QStringView newCaption = takeField(record);
    const QStringView newHint = takeField(record);
    if (!newCaption.isEmpty())
        caption = newCaption.toString();
    if (!newHint.isEmpty())
        hint = newHint.toString();
}
