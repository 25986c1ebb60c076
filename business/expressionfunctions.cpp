#include "expressionfunctions.h"

#include <QHash>

#include <cmath>
#include <functional>

namespace {

using LD = long double;
constexpr LD kPi = 3.141592653589793238462643383279502884L;
constexpr LD kLimit = 2e9L;

// The argument is a double; the products and quotients inside a rule are taken wider, as the
// arithmetic unit does, so 10 * 0.35 stays just below 3.5 and ROUND01(0.35) is 0.3.
LD Int(LD x) { return std::trunc(x); }
LD Frac(LD x) { return x - std::trunc(x); }

LD deg(LD x) { return x * kPi / 180.0L; }
LD toDeg(LD r) { return r * 180.0L / kPi; }

struct Function {
    int rangeError = 0;                     // error for an argument outside the allowed range
    std::function<bool(LD)> allowed;        // empty: any argument
    std::function<LD(LD, const QDate &)> f;
};

QHash<QString, Function> buildTable() {
    QHash<QString, Function> t;
    auto plain = [&t](const char *name, std::function<LD(LD)> f) {
        t.insert(QLatin1String(name), Function{0, {}, [f](LD x, const QDate &) { return f(x); }});
    };
    auto ranged = [&t](const char *name, int error, std::function<bool(LD)> ok, std::function<LD(LD)> f) {
        t.insert(QLatin1String(name), Function{error, ok, [f](LD x, const QDate &) { return f(x); }});
    };
    auto dated = [&t](const char *name, std::function<LD(LD, const QDate &)> f) {
        t.insert(QLatin1String(name), Function{0, {}, f});
    };

    ranged("SIN", 64, [](LD x) { return x >= 0 && x <= 90; }, [](LD x) { return std::sin(deg(x)); });
    ranged("COS", 65, [](LD x) { return x >= 0 && x <= 90; }, [](LD x) { return std::cos(deg(x)); });
    ranged("TG", 66, [](LD x) { return x < 90; }, [](LD x) { return std::tan(deg(x)); });
    ranged("COTG", 67, [](LD x) { return x > 0.001L && x <= 90; }, [](LD x) { return 1.0L / std::tan(deg(x)); });
    ranged("ARCSIN", 68, [](LD x) { return x >= 0 && x <= 1; },
           [](LD x) { return x > 0.999L ? 90.0L : toDeg(std::asin(x)); });
    ranged("ARCCOS", 69, [](LD x) { return x >= 0 && x <= 1; },
           [](LD x) { return x < 0.001L ? 90.0L : toDeg(std::acos(x)); });
    ranged("ARCTG", 70, [](LD x) { return x >= 0; }, [](LD x) { return toDeg(std::atan(x)); });
    ranged("ARCCOTG", 71, [](LD x) { return x >= 0; },
           [](LD x) { return x == 0 ? 90.0L : toDeg(std::atan(1.0L / x)); });
    plain("ABS", [](LD x) { return std::fabs(x); });
    plain("ROUND", [](LD x) { return ExpressionRounding::round(x); });
    plain("INT", [](LD x) { return Int(x); });
    plain("FRAC", [](LD x) { return Frac(x); });
    plain("ROUND5", [](LD x) { return ExpressionRounding::round5(x); });
    plain("ROUNDN0", [](LD x) { return ExpressionRounding::roundN0(x); });
    plain("ROUNDN1", [](LD x) { return ExpressionRounding::roundN1(x); });
    plain("ROUND01", [](LD x) { return ExpressionRounding::round01(x); });
    plain("ROUNDD1", [](LD x) { return ExpressionRounding::roundD1(x); });
    plain("ROUNDN5", [](LD x) { return ExpressionRounding::roundN5(x); });
    ranged("LN", 61, [](LD x) { return x > 0; }, [](LD x) { return std::log(x); });
    // The decimal logarithm has always been the natural one times 0.43429; stored formulas
    // were written against these values.
    ranged("LOG", 62, [](LD x) { return x > 0; }, [](LD x) { return std::log(x) * 0.43429L; });
    ranged("EXP", 63, [](LD x) { return x <= std::log(LD(kLimit)); }, [](LD x) { return std::exp(x); });
    plain("ARCLOG", [](LD x) { return std::pow(10.0L, x); });
    plain("ST_RAD", [](LD x) { return x * 180.0L / kPi; });
    plain("RAD_ST", [](LD x) { return x * kPi / 180.0L; });
    plain("NOT", [](LD x) { return x == 0 ? 1.0L : 0.0L; });
    plain("TEST01", [](LD x) { return x != 0 ? 1.0L : 0.0L; });
    auto dayAfter = [](LD x, const QDate &today) {
        const LD days = Int(x);
        return std::fabs(days) > 32000 ? today : today.addDays(qint64(days));
    };
    dated("DEN", [dayAfter](LD x, const QDate &today) { return LD(dayAfter(x, today).day()); });
    dated("MESIC", [dayAfter](LD x, const QDate &today) { return LD(dayAfter(x, today).month()); });
    dated("ROK", [dayAfter](LD x, const QDate &today) { return LD(dayAfter(x, today).year()); });
    dated("DELKAMES", [](LD x, const QDate &today) {
        const LD m = Int(x);
        return m >= 1 && m <= 12 ? LD(QDate(today.year(), int(m), 1).daysInMonth()) : 0.0L;
    });
    plain("MEM_FORMAT_CELE", [](LD x) {
        const LD n = Int(x);
        return n >= 0 && n <= 999 ? LD((qint64(n) >> 4) & 15) : 0.0L;
    });
    plain("MEM_FORMAT_DES", [](LD x) {
        const LD n = Int(x);
        return n >= 0 && n <= 999 ? LD(qint64(n) & 15) : 0.0L;
    });
    for (const char *same : {"SOUB_DELKA", "INDEX_DELKA", "ZAZNAM", "UKAZOVATKO"})
        plain(same, [](LD x) { return x; });

    struct Unit {
        const char *forward;
        const char *reverse;
        LD factor;
    };
    static const Unit units[] = {
        {"INCH_CM", "CM_INCH", 2.54L},           {"FOOT_CM", "CM_FOOT", 30.48L},
        {"YARD_CM", "CM_YARD", 91.444L},         {"UKMILE_KM", "KM_UKMILE", 1.609344L},
        {"SEAMILE_KM", "KM_SEAMILE", 1.852L},    {"UKPINT_L", "L_UKPINT", 0.568261L},
        {"UKGALLON_L", "L_UKGALLON", 4.54609L},  {"OILBARREL_L", "L_OILBARREL", 159.106L},
        {"BEERBARREL_L", "L_BEERBARREL", 163.656L}, {"USPINT_L", "L_USPINT", 0.473179L},
        {"USGALLON_L", "L_USGALLON", 3.78543L},  {"OUNCE_G", "G_OUNCE", 28.3495L},
        {"POUND_G", "G_POUND", 453.59L},         {"UKTON_KG", "KG_UKTON", 1016.0L},
        {"USTON_KG", "KG_USTON", 907.185L},      {"HP_KW", "KW_HP", 0.7046L},
        {"ATM_BAR", "BAR_ATM", 0.980665L},       {"MPA_BAR", "BAR_MPA", 10.0L},
        {"ATM_KPA", "KPA_ATM", 98.0665L},
    };
    for (const Unit &u : units) {
        const LD k = u.factor;
        plain(u.forward, [k](LD x) { return x * k; });
        plain(u.reverse, [k](LD x) { return x / k; });
    }
    plain("C_F", [](LD x) { return x * 1.8L + 32.0L; });
    plain("F_C", [](LD x) { return (x - 32.0L) * 5.0L / 9.0L; });
    return t;
}

const QHash<QString, Function> &table() {
    static const QHash<QString, Function> t = buildTable();
    return t;
}

}  // namespace

namespace ExpressionRounding {
// b: the argument as the binary double it is stored in.
LD round(LD x) {
    const LD b = double(x);
    return Frac(b) > 0.5L ? Int(b) + 1 : Int(b);
}
LD round5(LD x) { return std::nearbyint(LD(double(x))); }
LD roundN0(LD x) {
    const LD b = double(x);
    return Frac(b) <= 1e-8L ? x : Int(b) + 1;
}
LD roundN1(LD x) {
    const LD y = 10.0L * LD(double(x));
    return Frac(y) <= 1e-8L ? x : (Int(y) + 1) / 10.0L;
}
LD round01(LD x) { return std::nearbyint(10.0L * LD(double(x))) / 10.0L; }
LD roundD1(LD x) {
    const LD y = 10.0L * LD(double(x));
    return Frac(y) <= 0.1L ? x : (Int(y) + 1) / 10.0L;
}
LD roundN5(LD x) {
    const LD b = double(x);
    const LD f = Frac(b);
    if (f < 1e-8L)
        return x;
    return f > 0.5L ? Int(b) + 1 : Int(b) + 0.5L;
}
}  // namespace ExpressionRounding

bool IsExpressionFunction(const QString &upperName) { return table().contains(upperName); }

LD ApplyExpressionFunction(const QString &upperName, LD x, const QDate &today, int *error) {
    *error = 0;
    const auto it = table().constFind(upperName);
    if (it == table().constEnd()) {
        *error = 4;
        return 0.0;
    }
    if (it->allowed && !it->allowed(x)) {
        *error = it->rangeError;
        return 0.0;
    }
    const LD r = it->f(x, today);
    if (std::isnan(r) || std::fabs(r) > kLimit) {
        *error = 54;
        return 0.0;
    }
    return r;
}
