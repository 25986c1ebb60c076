// Sub-commands on text: code-page conversion and the interface language table.
#include "clicommand.h"

#include "exchange/codepage/convertcodepage.h"
#include "localisation/langtext.h"

#include <QFile>

#include <cstdio>

namespace {

const CliRegistrar convertCommand(
    {QStringLiteral("convert"),
     QStringLiteral("convert CODE               stdin to stdout through a code-page conversion (WK, KW, WL, LW, LK, KL, WB, LB, KB, WI, LI, KI, K3)"),
     [](CliContext &ctx) {
         ctx.noUnknownOptions();
         if (ctx.args.size() != 1)
             throw CliUsageError{QStringLiteral("convert takes one code")};
         const QString code = ctx.args.first();
         QFile in;
         if (!in.open(stdin, QIODevice::ReadOnly)) {
             ctx.err << "cannot read standard input\n";
             return 1;
         }
         const QByteArray converted = ConvertCodePage(in.readAll(), code);
         ctx.out.flush();
         QFile out;
         if (!out.open(stdout, QIODevice::WriteOnly) || out.write(converted) != converted.size() || !out.flush()) {
             ctx.err << "cannot write standard output\n";
             return 1;
         }
         return 0;
     }});

const CliRegistrar langTextCommand(
    {QStringLiteral("langtext"),
     QStringLiteral("langtext LANG KEY          text of a message number or word in language C, A or S"),
     [](CliContext &ctx) {
         ctx.noUnknownOptions();
         if (ctx.args.size() != 2)
             throw CliUsageError{QStringLiteral("langtext takes a language letter and a key")};
         const QString letter = ctx.args.at(0);
         if (letter != QLatin1String("C") && letter != QLatin1String("A") && letter != QLatin1String("S"))
             throw CliUsageError{QStringLiteral("the language is C (Czech), A (English) or S (Slovak)")};
         SetLanguageLetter(letter);
         ctx.out << LangText(ctx.args.at(1)) << "\n";
         return 0;
     }});

}
