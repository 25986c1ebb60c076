#include "identifierchecks.h"

namespace {

bool allDigits(const QString &s) {
    for (const QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

int digit(const QString &s, int i) { return s.at(i).unicode() - '0'; }

bool isPrefixLetter(QChar c) {
    if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')))
        return true;
    static const QString czech = QStringLiteral("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    return czech.contains(c);
}

// Weighted digit sum divisible by 11, the text left-padded with zeros to the weights' length.
bool weightedMod11(const QString &digits, const int *weights, int count) {
    const QString padded = digits.rightJustified(count, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += digit(padded, i) * weights[i];
    return sum % 11 == 0;
}

bool accountPrefixValid(const QString &prefix) {
    if (prefix.isEmpty())
        return true;
    if (prefix.size() > 6 || !allDigits(prefix))
        return false;
    static const int weights[6] = {10, 5, 8, 4, 2, 1};
    return weightedMod11(prefix, weights, 6);  // all zeros sums to 0 and passes too
}

bool accountNumberValid(const QString &number) {
    if (number.isEmpty() || number.size() > 10 || !allDigits(number))
        return false;
    static const int weights[10] = {6, 3, 7, 9, 10, 5, 8, 4, 2, 1};
    return weightedMod11(number, weights, 10);
}

}  // namespace

bool IsValidIco(const QString &ico, bool allowEmpty) {
    if (ico.isEmpty())
        return allowEmpty;
    if (ico.size() != 8 || !allDigits(ico))
        return false;
    int s = 0;
    for (int i = 0; i < 7; ++i)
        s += (8 - i) * digit(ico, i);
    return digit(ico, 7) == (11 - s % 11) % 10;
}

bool IsValidBirthNumber(const QString &birthNumber) {
    QString s = birthNumber.trimmed();
    if (s.size() >= 7 && !s.at(6).isDigit())
        s.remove(6, 1);
    if ((s.size() != 9 && s.size() != 10) || !allDigits(s))
        return false;
    int month = s.mid(2, 2).toInt();
    // Women have 50 added to the month; since 2004 a number may also carry 20 (men) or 70
    // (women) when the day's ordinary numbers ran out.
    if (month > 70)
        month -= 70;
    else if (month > 50)
        month -= 50;
    else if (month > 20)
        month -= 20;
    if (month < 1 || month > 12)
        return false;
    const int day = s.mid(4, 2).toInt();
    if (day < 1 || day > 31)
        return false;
    const int year = s.mid(0, 2).toInt();
    if (s.size() == 9)
        return year < 54;  // nine digits were issued only to people born before 1954
    // Ten digits: from 1954 on, and the two-digit years below 54 are then 2000 to 2053.
    int r = static_cast<int>(s.left(9).toLongLong() % 11);
    if (r == 10)
        r = 0;
    return r == digit(s, 9);
}

bool IsValidDic(const QString &dic, const QString &ico) {
    const QString d = dic.trimmed();
    const QString i = ico.trimmed();
    if (d.size() < 5 || !isPrefixLetter(d.at(0)) || !isPrefixLetter(d.at(1)))
        return false;
    const QString digits = d.mid(2);
    if (!allDigits(digits))
        return false;
    if (!i.isEmpty())
        return digits == i ? IsValidIco(digits) : IsValidBirthNumber(digits);
    return IsValidBirthNumber(digits) || IsValidIco(digits);
}

bool IsValidBankAccount(const QString &account) {
    QString a = account;
    if (a.size() == 16 && !a.contains(QLatin1Char('-')))
        a.insert(6, QLatin1Char('-'));
    const int dash = a.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return accountNumberValid(a);
    return accountPrefixValid(a.left(dash)) && accountNumberValid(a.mid(dash + 1));
}
