#pragma once
#include "business/expression.h"

#include <QString>
#include <QStringList>

// The desk calculator's rules, apart from its window: the calculation line, the history of
// lines and results, the continuation after a result, the VAT factors and the result format.
class Calculator {
public:
    enum class Clipboard { None, Result, HistoryLine };

    // Clears the 1000 registers of the engine, as opening the calculator always has.
    explicit Calculator(ExpressionEngine &engine = expressionEngine());

    QString line;              // the calculation line
    int caret = 0;             // caret position in the line
    int width = 20;            // "Počet míst": significant digits of a result
    int decimals = 2;          // "Počet desetiných míst"
    QChar decimalSeparator;    // the system's; "." unless set
    QStringList history;       // "line=result" per calculation
    QString result;            // the last result as shown

    struct Outcome {
        bool calculated = false;  // false: empty line or an error
        int error = 0;
        QString clipboard;        // text for the clipboard, empty when none
    };
    // Evaluates the line; an error is shown ("CHYBA V ZADÁNÍ ČÍSLO: " code) and changes nothing.
    Outcome calculate(Clipboard clipboard = Clipboard::None);

    // Call before a typed character is taken: true when the line is to be emptied first (the first
    // key after a result that is not an operator starts a new calculation).
    bool keyTyped(QChar key);
    // A key that edits without typing (Backspace, arrows) keeps the result for editing.
    void keyEdited() { ++m_keystrokes; }

    // Inserts text (a VAT factor such as "*1.19") at the caret; the caret follows it.
    void insertAtCaret(const QString &text);

    // The calculation part of a line: up to the "=" of its result. A register target (M005=)
    // and a condition (IF{a=b}) keep their own "=".
    static QString withoutResult(const QString &line);

    QString formatResult(double value) const;

    static const QString &vat5() { static const QString s = QStringLiteral("*1.05"); return s; }
    static const QString &vat19() { static const QString s = QStringLiteral("*1.19"); return s; }
    static QString errorText(int code) { return QStringLiteral("CHYBA V ZADÁNÍ ČÍSLO: ") + QString::number(code); }

private:
    ExpressionEngine &m_engine;
    int m_keystrokes = 0;
};
