#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// Who runs a line. Formulas are stored in the shared database and run on every station that
// opens a record, so only a line typed by a person may touch files or the clipboard.
enum class ExpressionCaller { Formula, Calculator };

// Error codes beyond the arithmetic ones (1-5, 51-54, 61-71).
namespace ExpressionError {
constexpr int None = 0;
constexpr int Parentheses = 1;
constexpr int TwoOperators = 2;
constexpr int OperatorAtParenthesis = 3;
constexpr int BadToken = 4;          // also an empty line, an unknown command, a bad literal
constexpr int LeadingOperator = 5;
constexpr int TooManyTokens = 6;     // more than 100 tokens
constexpr int NotFromFormula = 10;   // a file or clipboard command from a stored formula
constexpr int OperandRange = 51;
constexpr int ResultRange = 52;
constexpr int DivisionByZero = 53;
constexpr int PowerRange = 54;
}  // namespace ExpressionError

// The calculation language: registers M000-M999, the error code of the last line, and the clock
// that the date and time constants read (replaceable for tests).
class ExpressionEngine {
public:
    ExpressionEngine();

    // Evaluates one line; the value is 0 when errorCode() is not 0 or a condition was false.
    double evaluate(const QString &line, ExpressionCaller caller = ExpressionCaller::Formula);
    int errorCode() const { return m_error; }
    // The result of the last line as number text ("0" after an error or a false condition).
    QString resultText() const { return m_text; }

    double memory(int index) const { return m_registers.at(index); }
    void setMemory(int index, double value) { m_registers.at(index) = value; }
    void clearMemory() { m_registers.fill(0.0); }

    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    QDateTime now() const { return m_now(); }

    // Arithmetic part only (no target, no condition): used by conditions and command arguments.
    double evaluateStatement(const QString &statement, int *error);
    // An expression alone: nothing is stored (command arguments).
    double evaluateStatementPure(const QString &expression, int *error);

private:
    double evaluateLine(const QString &line);
    int evaluateCondition(const QString &condition, bool *truth);
    double runCommand(const QString &line);
    double runArithmetic(QString text, int *error);

    std::array<double, 1000> m_registers{};
    int m_error = 0;
    QString m_text = QStringLiteral("0");
    ExpressionCaller m_caller = ExpressionCaller::Formula;
    std::function<QDateTime()> m_now;
    friend class ExpressionCommands;
};

// The process-wide engine shared by the record editor and the calculator.
ExpressionEngine &expressionEngine();

double EvaluateExpression(const QString &line, ExpressionCaller caller = ExpressionCaller::Formula);
int ExpressionErrorCode();

// Number text: fixed point, at most 20 decimals, trailing zeros and point removed, cut (not
// rounded) to 15 characters. Every intermediate result of a line passes through it.
QString ExpressionNumberText(long double value);
