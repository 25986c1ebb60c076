#pragma once
#include <QString>

// Upper and lower case by the program's own Central European table: ASCII letters as usual and
// the 31 accented letters "áäčďěéëíĺľňóöřŕšťúůýžźôśżâăîńőű" position by position with their
// capitals. Log-in names, placeholders and filters compare through it, so it must not follow
// the locale.
QString CzechUpperCase(const QString &text);
QString CzechLowerCase(const QString &text);
