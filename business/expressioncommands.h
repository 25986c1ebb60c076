#pragma once
#include "expression.h"

#include <QStringList>

// The "!" commands of the calculation language.
class ExpressionCommands {
public:
    // Runs a command line ("!NAME(arg,...)"); sets *error to the command's error code (0 when it
    // succeeded) and returns its value. Failures are also shown to the user through prompt().
    static double run(ExpressionEngine &engine, const QString &line, ExpressionCaller caller, int *error);

    // Splits "NAME(a,"b,c",d)" into the upper-case name and the arguments (quotes removed).
    static bool parse(const QString &command, QString *name, QStringList *args, QList<bool> *quoted);

    // The texts that let a non-payer pass TEST kind 5, compared lower-cased and trimmed.
    static const QStringList &nonPayerTexts();
};
