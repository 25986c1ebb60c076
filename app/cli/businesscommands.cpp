// Sub-commands of the business area: the calculation language and the identifier checks.
#include "clicommand.h"

#include "business/expression.h"
#include "business/identifierchecks.h"

namespace {

const CliRegistrar calcCommand(
    {QStringLiteral("calc"), QStringLiteral("calc LINE...                evaluate formula lines in turn (registers shared)"),
     [](CliContext &ctx) {
         ctx.noUnknownOptions();
         if (ctx.args.isEmpty())
             throw CliUsageError{QStringLiteral("calc takes at least one line")};
         ExpressionEngine &engine = expressionEngine();
         for (const QString &line : std::as_const(ctx.args)) {
             engine.evaluate(line);
             if (engine.errorCode())
                 ctx.out << "error " << engine.errorCode() << "\n";
             else
                 ctx.out << engine.resultText() << "\n";
         }
         return 0;
     }});

const CliRegistrar checkCommand(
    {QStringLiteral("check"),
     QStringLiteral("check ico|dic|rc|account VALUE [--ico ICO]  print 1 for a valid identifier, 0 otherwise"),
     [](CliContext &ctx) {
         const QString ico = ctx.takeOption(QStringLiteral("--ico"));
         ctx.noUnknownOptions();
         if (ctx.args.size() != 2)
             throw CliUsageError{QStringLiteral("check takes a kind and a value")};
         const QString kind = ctx.args.at(0).toLower();
         const QString value = ctx.args.at(1);
         bool valid = false;
         if (kind == QLatin1String("ico"))
             valid = IsValidIco(value);
         else if (kind == QLatin1String("dic"))
             valid = IsValidDic(value, ico);
         else if (kind == QLatin1String("rc"))
             valid = IsValidBirthNumber(value);
         else if (kind == QLatin1String("account"))
             valid = IsValidBankAccount(value);
         else
             throw CliUsageError{QStringLiteral("unknown kind ") + kind + QStringLiteral(" (ico, dic, rc, account)")};
         ctx.out << (valid ? "1" : "0") << "\n";
         return 0;
     }});

}  // namespace
