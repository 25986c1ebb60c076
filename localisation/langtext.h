#pragma once
#include <QString>

// Column of the language tables: 0 (treated as 1) and 1 = Czech, 2 = English, 3 = Slovak.
// One process-wide value, 0 at start.
int LanguageIndex();
void SetLanguageIndex(int index);
// "C" (0), "A" (2) or "S" (3) sets the index and returns true; any other letter leaves the
// index as it was and returns false.
bool SetLanguageLetter(const QString &letter);

// Text of a message number ("1014") or a Czech word in the current language; Czech when the
// record has no text in that language (Slovak never falls back to English); the key itself when
// there is no record.
QString LangText(const QString &key);
QString LangText(int number);

// Caption and hint of one component from the window table in the language of the given index.
// Each is replaced only by a non-empty field of the table; there is no fallback to Czech, so a
// missing translation leaves what the caller passed in.
void LangCaption(int index, const QString &owner, const QString &classKey, const QString &componentName,
                 QString &caption, QString &hint);

// The tables as constant texts: records separated by "~", each field followed by "|".
// Text table records: key|Czech|English|Slovak|
const QString &TextTable();
// Window table records: owner.classkey.component|Czech caption|Czech hint|English caption|
// English hint|Slovak caption|Slovak hint|
const QString &WindowTable();
