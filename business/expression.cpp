#include "expression.h"
#include "expressioncommands.h"
#include "expressionfunctions.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

using LD = long double;
constexpr LD kLimit = 2e9;
constexpr int kMaxTokens = 100;
constexpr int kMaxTokenLength = 15;

bool isOperatorChar(QChar c) {
    return c == QLatin1Char('*') || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('/') ||
           c == QLatin1Char('^');
}
bool isSplitChar(QChar c) { return isOperatorChar(c) || c == QLatin1Char('(') || c == QLatin1Char(')'); }

enum class Kind { Number, Percentage, Function, Operator, Open, Close, Bad };

struct Token {
    Kind kind = Kind::Bad;
    QString text;
    LD value = 0.0;  // numbers: the value; percentages: the number before "%"
};

LD readNumber(const QString &text) { return std::strtold(text.toLatin1().constData(), nullptr); }

QString registerText(double v) {
    QString s = QString::asprintf("%.10f", v);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

bool parseDecimal(const QString &t, LD *value) {
    static const QRegularExpression re(QStringLiteral("^-?(\\d+\\.?\\d*|\\.\\d+)([eE]\\d+)?$"));
    if (!re.match(t).hasMatch())
        return false;
    *value = readNumber(t);
    return true;
}

// Literals other than plain decimals; returns false when the text is none of them.
bool parseLiteral(const QString &t, const QDate &today, LD *value, bool *bad) {
    static const QRegularExpression time(QStringLiteral("^(\\d{1,5}):([0-5]\\d)(?:\\.(\\d+))?$"));
    static const QRegularExpression date(QStringLiteral("^[Dd](\\d{2})\\.(\\d{2})\\.(\\d{4})$"));
    static const QRegularExpression hex(QStringLiteral("^[Hh]([0-9A-Fa-f]*)$"));
    static const QRegularExpression bin(QStringLiteral("^[Bb]([01]*)$"));
    QRegularExpressionMatch m = time.match(t);
    if (m.hasMatch()) {
        *value = LD(m.captured(1).toLongLong()) + LD(m.captured(2).toInt()) / 60.0L;
        if (m.capturedLength(3) > 0)
            *value += readNumber(m.captured(3)) / 360.0L;
        return true;
    }
    m = date.match(t);
    if (m.hasMatch()) {
        const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
        if (!d.isValid())
            *bad = true;
        else
            *value = LD(today.daysTo(d));
        return true;
    }
    for (const auto &[re, base] : {std::pair{&hex, 16}, std::pair{&bin, 2}}) {
        m = re->match(t);
        if (!m.hasMatch())
            continue;
        const QString digits = m.captured(1);
        if (digits.isEmpty()) {
            *bad = true;
            return true;
        }
        // Anything above the value range stays visible as an out-of-range operand.
        bool ok = false;
        const qulonglong v = digits.size() > 15 ? 0 : digits.toULongLong(&ok, base);
        *value = ok ? LD(v) : 1e15L;
        return true;
    }
    return false;
}

class Tokeniser {
public:
    explicit Tokeniser(ExpressionEngine &engine) : m_engine(engine) {}

    static QStringList split(const QString &expression) {
        QStringList out;
        QString run;
        auto flush = [&] {
            if (!run.isEmpty())
                out << run.left(kMaxTokenLength);
            run.clear();
        };
        for (const QChar c : expression) {
            if (isSplitChar(c)) {
                flush();
                out << QString(c);
            } else {
                run += c;
            }
        }
        flush();
        return out;
    }

    // Constants, registers and literals become values; names of functions are recognised.
    Token classify(const QString &text) const {
        Token tok;
        tok.text = text;
        if (text.size() == 1 && isOperatorChar(text.at(0))) {
            tok.kind = Kind::Operator;
            return tok;
        }
        if (text == QLatin1String("(")) {
            tok.kind = Kind::Open;
            return tok;
        }
        if (text == QLatin1String(")")) {
            tok.kind = Kind::Close;
            return tok;
        }
        if (text.endsWith(QLatin1Char('%'))) {
            Token base = value(text.chopped(1));
            if (base.kind == Kind::Number) {
                base.kind = Kind::Percentage;
                base.text += QLatin1Char('%');
            } else {
                base.kind = Kind::Bad;
                base.text = text;
            }
            return base;
        }
        const QString upper = text.toUpper();
        if (IsExpressionFunction(upper)) {
            tok.kind = Kind::Function;
            tok.text = upper;
            return tok;
        }
        return value(text);
    }

private:
    Token value(const QString &text) const {
        Token tok;
        tok.text = text;
        const QString upper = text.toUpper();
        const QDateTime now = m_engine.now();
        const QDate today = now.date();
        LD v = 0.0;
        bool known = true;
        if (upper == QLatin1String("SYST_DATUM"))
            v = 0.0;  // today as a date literal
        else if (upper == QLatin1String("SYST_DEN"))
            v = today.day();
        else if (upper == QLatin1String("SYST_MESIC"))
            v = today.month();
        else if (upper == QLatin1String("SYST_ROK"))
            v = today.year();
        else if (upper == QLatin1String("SYST_CAS"))
            v = now.time().hour() + now.time().minute() / 60.0L;
        else if (upper == QLatin1String("SYST_HODINY"))
            v = now.time().hour();
        else if (upper == QLatin1String("SYST_MINUTY"))
            v = now.time().minute();
        else if (upper == QLatin1String("SYST_SEKUNDY"))
            v = now.time().second();
        else if (upper == QLatin1String("SYST_DENVT"))
            v = today.dayOfWeek();  // 1 = Monday ... 7 = Sunday, as everywhere in the system
        else if (upper == QLatin1String("VER"))
            v = 2.02L;
        else if (upper == QLatin1String("DPS_VER"))
            v = 0.0;
        else if (upper == QLatin1String("MAJITEL"))
            v = 2.0;
        else if (upper == QLatin1String("MAX_MEM"))
            v = 999.0;
        else if (upper == QLatin1String("MAX_SOUB"))
            v = 1.0;
        else if (upper == QLatin1String("PI"))
            v = 3.141592653589793238462643383279502884L;
        else if (upper == QLatin1String("E"))
            v = 2.71828182845L;
        else if (upper == QLatin1String("RND"))
            v = QRandomGenerator::global()->generateDouble();
        else
            known = false;
        if (known) {
            tok.kind = Kind::Number;
            tok.text = ExpressionNumberText(v);
            tok.value = readNumber(tok.text);
            return tok;
        }
        static const QRegularExpression reg(QStringLiteral("^[Mm](\\d{3})$"));
        const QRegularExpressionMatch m = reg.match(text);
        if (m.hasMatch()) {
            tok.kind = Kind::Number;
            tok.text = registerText(m_engine.memory(m.captured(1).toInt()));
            tok.value = readNumber(tok.text);
            return tok;
        }
        if (parseDecimal(text, &v)) {
            tok.kind = Kind::Number;
            tok.value = v;
            return tok;
        }
        bool bad = false;
        if (parseLiteral(text, today, &v, &bad) && !bad) {
            tok.kind = Kind::Number;
            tok.text = std::fabs(v) > kLimit ? QString::number(double(v), 'f', 0) : ExpressionNumberText(v);
            tok.value = std::fabs(v) > kLimit ? v : readNumber(tok.text);
            return tok;
        }
        tok.kind = Kind::Bad;
        return tok;
    }

    ExpressionEngine &m_engine;
};

// A "-" that signs a value: the value is negated; anything else becomes an unusable token.
Token joinMinus(const Token &t) {
    Token out = t;
    if (t.kind == Kind::Number || t.kind == Kind::Percentage) {
        out.value = -t.value;
        out.text = t.text.startsWith(QLatin1Char('-')) ? t.text.mid(1) : QLatin1Char('-') + t.text;
        return out;
    }
    out.kind = Kind::Bad;
    out.text = QLatin1Char('-') + t.text;
    return out;
}

bool isOp(const Token &t, char c = 0) {
    return t.kind == Kind::Operator && (c == 0 || t.text.at(0) == QLatin1Char(c));
}
bool isValue(const Token &t) { return t.kind == Kind::Number || t.kind == Kind::Percentage; }

class Evaluator {
public:
    Evaluator(const QList<Token> &tokens, ExpressionEngine &engine) : m_t(tokens), m_engine(engine) {}

    LD run(int *error, QString *text) {
        LD v = expression();
        if (!m_error && m_pos != m_t.size())
            m_error = ExpressionError::BadToken;
        *error = m_error;
        *text = m_error ? QStringLiteral("0") : m_text;
        return m_error ? 0.0 : v;
    }

private:
    bool at(Kind k) const { return m_pos < m_t.size() && m_t.at(m_pos).kind == k; }
    bool atOp(char c) const { return m_pos < m_t.size() && isOp(m_t.at(m_pos), c); }

    LD binary(LD a, QChar op, LD b) {
        if (std::fabs(a) > kLimit || std::fabs(b) > kLimit) {
            m_error = ExpressionError::OperandRange;
            return 0.0;
        }
        LD r = 0.0;
        switch (op.toLatin1()) {
        case '+': r = a + b; break;
        case '-': r = a - b; break;
        case '*': r = a * b; break;
        case '/':
            if (b == 0.0) {
                m_error = ExpressionError::DivisionByZero;
                return 0.0;
            }
            r = a / b;
            break;
        case '^': {
            if (a == 0.0) {
                r = b == 0.0 ? 1.0 : 0.0;
                break;
            }
            if (b == 0.0) {
                r = 1.0;
                break;
            }
            const LD t = std::fabs(b) * std::log(std::fabs(a));
            if (t > std::log(kLimit)) {
                m_error = ExpressionError::PowerRange;
                return 0.0;
            }
            LD p = std::exp(t);
            if (a < 0 && std::fmod(std::fabs(std::nearbyint(b)), 2.0L) == 1.0L)
                p = -p;
            if (b < 0)
                p = 1.0L / p;
            r = p;
            break;
        }
        default: break;
        }
        if (std::fabs(r) > kLimit) {
            m_error = ExpressionError::ResultRange;
            return 0.0;
        }
        return written(r);
    }

    LD written(LD r) {
        m_text = ExpressionNumberText(r);
        return readNumber(m_text);
    }

    LD expression() {
        LD v = term();
        while (!m_error && (atOp('+') || atOp('-'))) {
            const QChar op = m_t.at(m_pos++).text.at(0);
            const LD rhs = term();
            if (m_error)
                return 0.0;
            v = binary(v, op, rhs);
        }
        return v;
    }

    LD term() {
        LD v = factor();
        while (!m_error && (atOp('*') || atOp('/'))) {
            const QChar op = m_t.at(m_pos++).text.at(0);
            const LD rhs = factor();
            if (m_error)
                return 0.0;
            v = binary(v, op, rhs);
        }
        return v;
    }

    LD factor() {
        LD v = primary();
        while (!m_error && atOp('^')) {
            ++m_pos;
            const LD rhs = primary();
            if (m_error)
                return 0.0;
            v = binary(v, QLatin1Char('^'), rhs);
        }
        return v;
    }

    LD primary() {
        if (m_pos >= m_t.size()) {
            m_error = ExpressionError::BadToken;
            return 0.0;
        }
        const Token &t = m_t.at(m_pos);
        switch (t.kind) {
        case Kind::Number:
            ++m_pos;
            m_text = t.text;
            return t.value;
        case Kind::Percentage:
            ++m_pos;
            return written(t.value / 100.0L);  // a percentage that adds to nothing is its fraction
        case Kind::Function: {
            ++m_pos;
            if (!at(Kind::Open)) {
                m_error = ExpressionError::BadToken;
                return 0.0;
            }
            const LD arg = group();
            if (m_error)
                return 0.0;
            int error = 0;
            const LD r = ApplyExpressionFunction(t.text, arg, m_engine.now().date(), &error);
            if (error) {
                m_error = error;
                return 0.0;
            }
            return written(r);
        }
        case Kind::Open:
            return group();
        default:
            m_error = ExpressionError::BadToken;
            return 0.0;
        }
    }

    LD group() {
        ++m_pos;  // "("
        const LD v = expression();
        if (m_error)
            return 0.0;
        if (!at(Kind::Close)) {
            m_error = ExpressionError::BadToken;
            return 0.0;
        }
        ++m_pos;
        return v;
    }

    const QList<Token> &m_t;
    ExpressionEngine &m_engine;
    qsizetype m_pos = 0;
    int m_error = 0;
    QString m_text;  // number text of the last value
};

}  // namespace

QString ExpressionNumberText(long double value) {
    if (value == 0.0L || std::isnan(value))
        return QStringLiteral("0");
    // 18 significant digits, as the wide format of the arithmetic writes them.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", std::fabs(value));
    const QString s = QString::fromLatin1(buf);
    const int ePos = s.indexOf(QLatin1Char('e'));
    QString digits = s.left(ePos);
    digits.remove(QLatin1Char('.'));
    const int exponent = s.mid(ePos + 1).toInt();
    const int intDigits = exponent + 1;
    QString intPart, fracPart;
    if (intDigits <= 0) {
        intPart = QStringLiteral("0");
        fracPart = QString(-intDigits, QLatin1Char('0')) + digits;
    } else if (intDigits >= digits.size()) {
        intPart = digits + QString(intDigits - digits.size(), QLatin1Char('0'));
    } else {
        intPart = digits.left(intDigits);
        fracPart = digits.mid(intDigits);
    }
    fracPart.truncate(20);
    while (fracPart.endsWith(QLatin1Char('0')))
        fracPart.chop(1);
    QString out = value < 0 ? QStringLiteral("-") : QString();
    out += intPart;
    if (!fracPart.isEmpty())
        out += QLatin1Char('.') + fracPart;
    out.truncate(15);
    // The cut may leave zeros behind the point (2.70000000000000018); they carry no value.
    if (out.contains(QLatin1Char('.'))) {
        while (out.endsWith(QLatin1Char('0')))
            out.chop(1);
        if (out.endsWith(QLatin1Char('.')))
            out.chop(1);
    }
    if (out == QLatin1String("-0"))
        out = QStringLiteral("0");
    return out;
}

ExpressionEngine::ExpressionEngine() : m_now([] { return QDateTime::currentDateTime(); }) {}

double ExpressionEngine::runArithmetic(QString expression, int *error) {
    m_text = QStringLiteral("0");
    *error = 0;
    if (expression.isEmpty()) {
        *error = ExpressionError::BadToken;
        return 0.0;
    }
    const QStringList texts = Tokeniser::split(expression);
    const Tokeniser tokeniser(*this);
    QList<Token> t;
    t.reserve(texts.size() + 2);
    int inserted = 2;
    Token open;
    open.kind = Kind::Open;
    open.text = QStringLiteral("(");
    t << open;
    for (const QString &s : texts) {
        t << tokeniser.classify(s);
        if (isOp(t.last(), '*') || isOp(t.last(), '/') || isOp(t.last(), '^'))
            inserted += 2;
    }
    Token close;
    close.kind = Kind::Close;
    close.text = QStringLiteral(")");
    t << close;

    if (QStringLiteral(")*+/^").contains(expression.at(0))) {
        *error = ExpressionError::LeadingOperator;
        return 0.0;
    }
    if (qsizetype(texts.size()) + inserted > kMaxTokens) {
        *error = ExpressionError::TooManyTokens;
        return 0.0;
    }

    // Signs: a "-" right after the opening of the whole line, a "-" alone in parentheses with
    // one token, and the sign of an exponent (10^-10) belong to the value that follows.
    if (t.size() > 2 && isOp(t.at(1), '-')) {
        t[1] = joinMinus(t.at(2));
        t.removeAt(2);
    }
    for (qsizetype i = 0; i + 3 < t.size(); ++i) {
        if (t.at(i).kind == Kind::Open && isOp(t.at(i + 1), '-') && t.at(i + 3).kind == Kind::Close &&
            t.at(i + 2).kind != Kind::Operator && t.at(i + 2).kind != Kind::Open && t.at(i + 2).kind != Kind::Close) {
            t[i + 1] = joinMinus(t.at(i + 2));
            t.removeAt(i + 2);
        }
    }
    for (qsizetype i = 0; i + 2 < t.size(); ++i) {
        if (isOp(t.at(i), '^') && isOp(t.at(i + 1), '-') && isValue(t.at(i + 2))) {
            t[i + 1] = joinMinus(t.at(i + 2));
            t.removeAt(i + 2);
        }
    }
    // Percentages after "+" and "-" scale what stands before them: 1000+21% is 1000*1.21.
    for (qsizetype i = 0; i + 1 < t.size(); ++i) {
        if ((isOp(t.at(i), '+') || isOp(t.at(i), '-')) && t.at(i + 1).kind == Kind::Percentage &&
            !(i + 2 < t.size() && isOp(t.at(i + 2), '^'))) {
            const LD p = t.at(i + 1).value;
            const LD factor = isOp(t.at(i), '+') ? 1.0L + p / 100.0L : 1.0L - p / 100.0L;
            Token f;
            f.kind = Kind::Number;
            f.text = ExpressionNumberText(factor);
            f.value = readNumber(f.text);
            t[i].text = QStringLiteral("*");
            t[i + 1] = f;
        }
    }

    // Syntax: parentheses first, then the first fault from the left.
    int opens = 0, closes = 0;
    for (const Token &k : t) {
        opens += k.kind == Kind::Open;
        closes += k.kind == Kind::Close;
    }
    if (opens != closes) {
        *error = ExpressionError::Parentheses;
        return 0.0;
    }
    for (qsizetype i = 0; i < t.size(); ++i) {
        const Token &k = t.at(i);
        if (k.kind == Kind::Bad) {
            *error = ExpressionError::BadToken;
            return 0.0;
        }
        if (i + 1 >= t.size())
            break;
        const Token &n = t.at(i + 1);
        if (k.kind == Kind::Operator && n.kind == Kind::Operator) {
            *error = ExpressionError::TwoOperators;
            return 0.0;
        }
        if ((k.kind == Kind::Operator && n.kind == Kind::Close) || (k.kind == Kind::Open && n.kind == Kind::Operator)) {
            *error = ExpressionError::OperatorAtParenthesis;
            return 0.0;
        }
    }

    QString text;
    const LD v = Evaluator(t, *this).run(error, &text);
    if (!*error && std::fabs(v) > kLimit)
        *error = ExpressionError::OperandRange;
    if (*error)
        return 0.0;
    m_text = text;
    return double(v);
}

double ExpressionEngine::evaluateStatement(const QString &statement, int *error) {
    QString s = statement;
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    if (s.endsWith(QLatin1Char(';')))
        s.chop(1);

    // Register targets: M005=..., M1??=... (every register the wildcards name), M005,i,d=...
    QList<int> targets;
    const int eq = s.indexOf(QLatin1Char('='));
    static const QRegularExpression target(QStringLiteral("^[Mm]([0-9?]{3})(,[^=]*)?="));
    const QRegularExpressionMatch m = target.match(s);
    if (eq >= 4 && m.hasMatch()) {
        QList<int> names{0};
        for (const QChar c : m.captured(1)) {
            QList<int> next;
            for (int n : names) {
                if (c == QLatin1Char('?'))
                    for (int d = 0; d < 10; ++d)
                        next << n * 10 + d;
                else
                    next << n * 10 + (c.unicode() - '0');
            }
            names = next;
        }
        targets = names;
        s = s.mid(eq + 1);
    }
    const int end = s.indexOf(QLatin1Char('='));
    const QString expression = end < 0 ? s : s.left(end);
    double v = runArithmetic(expression, error);
    if (*error)
        v = 0.0;
    for (int r : std::as_const(targets))
        m_registers[r] = v;
    m_registers[0] = v;
    return v;
}

double ExpressionEngine::evaluateStatementPure(const QString &expression, int *error) {
    QString s = expression;
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return runArithmetic(s, error);
}

double ExpressionEngine::evaluate(const QString &line, ExpressionCaller caller) {
    m_caller = caller;
    m_error = 0;
    m_text = QStringLiteral("0");
    const double v = evaluateLine(line);
    m_caller = ExpressionCaller::Formula;
    if (m_error)
        m_text = QStringLiteral("0");
    return m_error ? 0.0 : v;
}

double ExpressionEngine::evaluateLine(const QString &raw) {
    const QString line = raw.trimmed();
    if (line.size() >= 2 && line.startsWith(QLatin1Char('!')))
        return runCommand(line);

    QString rest = line;
    const bool ifn = line.startsWith(QLatin1String("IFN{"), Qt::CaseInsensitive);
    const bool iff = line.startsWith(QLatin1String("IF{"), Qt::CaseInsensitive);
    const int closing = line.indexOf(QLatin1Char('}'));
    if (line.size() > 6 && (ifn || iff) && closing > 0) {
        const int open = line.indexOf(QLatin1Char('{'));
        const QString condition = line.mid(open + 1, closing - open - 1);
        const double saved = m_registers[0];
        bool truth = false;
        const int error = evaluateCondition(condition, &truth);
        m_registers[0] = saved;
        if (error) {
            m_error = error;
            m_registers[0] = 0.0;
            return 0.0;
        }
        if (truth == ifn) {
            m_text = QStringLiteral("0");
            return 0.0;
        }
        rest = line.mid(closing + 1).trimmed();
        if (rest.startsWith(QLatin1Char('!')))
            return runCommand(rest);
    }
    int error = 0;
    const double v = evaluateStatement(rest, &error);
    m_error = error;
    return v;
}

// Returns an error code (0 when the condition could be judged); *truth is the outcome.
int ExpressionEngine::evaluateCondition(const QString &condition, bool *truth) {
    *truth = true;
    static const QString opChars = QStringLiteral("<=>");
    int pos = -1;
    for (int i = 0; i < condition.size(); ++i)
        if (opChars.contains(condition.at(i))) {
            pos = i;
            break;
        }
    if (pos < 0)
        return 0;
    QString op = condition.mid(pos, 1);
    if (pos + 1 < condition.size() && opChars.contains(condition.at(pos + 1)))
        op = condition.mid(pos, 2);
    if (op == QLatin1String("=<"))
        op = QStringLiteral("<=");
    else if (op == QLatin1String("=>"))
        op = QStringLiteral(">=");
    else if (op == QLatin1String("><"))
        op = QStringLiteral("<>");
    else if (op == QLatin1String("=="))
        op = QStringLiteral("=");
    const QString left = condition.left(pos).trimmed();
    const QString right = condition.mid(pos + op.size()).trimmed();
    if (left.isEmpty() || right.isEmpty())
        return 0;

    struct Operand {
        QString text;
        bool isNumber = false;
        double value = 0.0;
    };
    auto operand = [this](const QString &s) {
        Operand o;
        if (s.startsWith(QLatin1Char('"'))) {
            o.text = s.mid(1);
            if (o.text.endsWith(QLatin1Char('"')))
                o.text.chop(1);
            return o;
        }
        o.text = s;
        const int savedError = m_error;
        int error = 0;
        if (s.startsWith(QLatin1Char('!'))) {
            m_error = 0;
            o.value = runCommand(s);
            error = m_error;
        } else {
            o.value = evaluateStatement(s, &error);
        }
        m_error = savedError;
        // Text that is no calculation (a field's text put into a formula) compares as text.
        o.isNumber = error == 0;
        return o;
    };
    const Operand a = operand(left);
    const Operand b = operand(right);
    int cmp = 0;
    if (a.isNumber && b.isNumber) {
        cmp = a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
    } else {
        const qsizetype n = qMin(a.text.size(), b.text.size());
        cmp = QStringView(a.text).left(n).compare(QStringView(b.text).left(n), Qt::CaseSensitive);
        cmp = cmp < 0 ? -1 : (cmp > 0 ? 1 : 0);
    }
    if (op == QLatin1String("="))
        *truth = cmp == 0;
    else if (op == QLatin1String("<>"))
        *truth = cmp != 0;
    else if (op == QLatin1String("<"))
        *truth = cmp < 0;
    else if (op == QLatin1String(">"))
        *truth = cmp > 0;
    else if (op == QLatin1String("<="))
        *truth = cmp <= 0;
    else if (op == QLatin1String(">="))
        *truth = cmp >= 0;
    else
        *truth = false;  // "<<", ">>" and the like compare nothing
    return 0;
}

double ExpressionEngine::runCommand(const QString &line) {
    const double v = ExpressionCommands::run(*this, line, m_caller, &m_error);
    m_text = ExpressionNumberText(v);
    return v;
}

ExpressionEngine &expressionEngine() {
    static ExpressionEngine engine;
    return engine;
}

double EvaluateExpression(const QString &line, ExpressionCaller caller) {
    return expressionEngine().evaluate(line, caller);
}

int ExpressionErrorCode() { return expressionEngine().errorCode(); }
