#pragma once
#include <QDate>
#include <QString>

// The functions of the calculation language, by upper-case name.
bool IsExpressionFunction(const QString &upperName);

// Applies a function to its argument. Angles are in degrees; *error receives the function's
// range error (61-71) or 54 for a result outside the value range, and the result is then 0.
long double ApplyExpressionFunction(const QString &upperName, long double x, const QDate &today, int *error);

// The rounding rules. They judge the binary (double) value of the argument, so 0.35, which lies
// just below 0.35, rounds to 0.3 by ROUND01; an argument that is left as it was comes back as
// given, and new values are computed in the wide format.
namespace ExpressionRounding {
long double round(long double x);    // ROUND: up only when the fraction is above one half
long double round5(long double x);   // ROUND5: to nearest, halves to even
long double roundN0(long double x);  // up to a whole number
long double roundN1(long double x);  // up to tenths
long double round01(long double x);  // to nearest tenth, halves to even
long double roundD1(long double x);  // up to tenths; fractions of a tenth up to 0.1 left alone
long double roundN5(long double x);  // up to halves
}  // namespace ExpressionRounding
