#include "calculator.h"

#include "data/prompt.h"

#include <QRegularExpression>

#include <cmath>

Calculator::Calculator(ExpressionEngine &engine) : decimalSeparator(QLatin1Char('.')), m_engine(engine) {
    m_engine.clearMemory();
}

QString Calculator::withoutResult(const QString &text) {
    int from = 0;
    static const QRegularExpression prefix(QStringLiteral("^\\s*(IFN?\\{[^}]*\\})?\\s*([Mm][0-9?]{3}(,[^=]*)?\\s*=)?"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = prefix.match(text);
    if (m.hasMatch())
        from = int(m.capturedEnd(0));
    const int eq = text.indexOf(QLatin1Char('='), from);
    return eq < 0 ? text : text.left(eq);
}

QString Calculator::formatResult(double value) const {
    const int digits = qBound(1, width, 18);
    const double magnitude = value == 0.0 ? 0.0 : std::floor(std::log10(std::fabs(value))) + 1;
    QString s;
    if (magnitude > digits) {
        s = QString::number(value, 'E', digits - 1);
    } else {
        const double rounded = QString::number(value, 'g', digits).toDouble();
        s = QString::number(rounded, 'f', qBound(0, decimals, 20));
    }
    s = s.trimmed();
    if (decimalSeparator != QLatin1Char('.'))
        s.replace(QLatin1Char('.'), decimalSeparator);
    return s;
}

Calculator::Outcome Calculator::calculate(Clipboard clipboard) {
    Outcome out;
    if (line.isEmpty())
        return out;
    line = withoutResult(line);
    caret = qMin(caret, int(line.size()));
    QString expression = line;
    if (decimalSeparator != QLatin1Char('.')) {
        // A decimal comma would break the argument list of a command: commands read "." only.
        const int command = int(expression.indexOf(QLatin1Char('!')));
        const int end = command < 0 ? int(expression.size()) : command;
        for (int i = 0; i < end; ++i)
            if (expression.at(i) == decimalSeparator)
                expression[i] = QLatin1Char('.');
    }
    const double value = m_engine.evaluate(expression, ExpressionCaller::Calculator);
    if (m_engine.errorCode()) {
        out.error = m_engine.errorCode();
        prompt().message(errorText(out.error), Prompt::Kind::Error);
        m_keystrokes = qMax(m_keystrokes, 1);  // the faulty line stays for correcting
        return out;
    }
    result = formatResult(value);
    const QString historyLine = line + QLatin1Char('=') + result;
    history << historyLine;
    line = result;
    caret = int(line.size());
    out.calculated = true;
    if (clipboard == Clipboard::Result)
        out.clipboard = result;
    else if (clipboard == Clipboard::HistoryLine)
        out.clipboard = historyLine;
    m_keystrokes = 0;
    return out;
}

bool Calculator::keyTyped(QChar key) {
    static const QString operators = QStringLiteral("*+-/^");
    const bool restart = m_keystrokes == 0 && !line.isEmpty() && !operators.contains(key);
    ++m_keystrokes;
    if (restart) {
        line.clear();
        caret = 0;
    }
    return restart;
}

void Calculator::insertAtCaret(const QString &text) {
    caret = qBound(0, caret, int(line.size()));
    line = line.left(caret) + text + line.mid(caret);
    caret += int(text.size());
    ++m_keystrokes;  // what follows the factor continues the line
}
