#pragma once
#include <QString>

// Checks of the Czech business and personal identifiers, shared by the expression language's
// TEST command and the address book. They look at the text only; none touches the database.

// Registration number (IČO): exactly eight digits, the last one a mod-11 check digit.
// Blanks are not trimmed: "12345679 " is not a valid IČO.
bool IsValidIco(const QString &ico, bool allowEmpty = false);

// Birth number (rodné číslo), with or without the slash: nine digits for people born before
// 1954, ten digits (mod-11 check digit) from 1954 on, including the years 2000 to 2053.
bool IsValidBirthNumber(const QString &birthNumber);

// VAT number (DIČ): a two-letter prefix and digits. With an IČO given, the digits that equal it
// are checked as an IČO and any other digits as a birth number; without one either passes.
bool IsValidDic(const QString &dic, const QString &ico = {});

// Bank account without the bank code: [prefix-]number, or 16 digits that are prefix and number.
bool IsValidBankAccount(const QString &account);
