#pragma once
#include <QString>

// Column of the language tables: 0 (treated as 1) and 1 = Czech, 2 = English, 3 = Slovak.
int LanguageIndex();
// "C", "A" or "S"; any other letter leaves the index as it was.
void SetLanguageLetter(const QString &letter);
void SetLanguageIndex(int index);

// Text of a message number ("1014") or a Czech word in the current language; Czech when the
// record has no text in that language; the key itself when there is no record.
QString LangText(const QString &key);
QString LangText(int number);

// The text table as one constant: records separated by "~", each field followed by "|".
const QString &TextTable();
