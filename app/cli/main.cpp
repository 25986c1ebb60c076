#include "clicommand.h"

#include "data/configuration.h"
#include "data/firebirdenv.h"
#include "data/memorytuning.h"
#include "data/inifile.h"
#include "data/sqldata.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {
void printUsage(QTextStream &s) {
    s << "Usage: zorva-cli [--db PATH] [--db-user NAME] [--db-password TEXT] COMMAND [ARGS...]\n\nCommands:\n";
    for (const CliCommand &c : CliRegistry::instance().commands())
        s << "  " << c.synopsis << "\n";
    s << "  --help\n";
    s.flush();
}
}

int main(int argc, char **argv) {
    KeepMemoryForResultTables();
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        printUsage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }

    // The configuration beside the program gives the database user and password unless the
    // options override them.
    const Configuration config = Configuration::load(IniFile(Configuration::iniPathFor(app.applicationFilePath())),
                                                     app.applicationFilePath());
    CliContext ctx{{}, {}, config.dbUsername, config.dbPassword, out, err, {}};
    try {
        while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
            const QString opt = args.takeFirst();
            if (opt == QLatin1String("--help")) {
                printUsage(out);
                return 0;
            }
            if (args.isEmpty())
                throw CliUsageError{opt + QStringLiteral(" needs a value")};
            if (opt == QLatin1String("--db"))
                ctx.db = args.takeFirst();
            else if (opt == QLatin1String("--db-user"))
                ctx.dbUser = args.takeFirst();
            else if (opt == QLatin1String("--db-password"))
                ctx.dbPassword = args.takeFirst();
            else
                throw CliUsageError{QStringLiteral("unknown option ") + opt};
        }
        // The longest registered name that the arguments start with ("db create" before "db").
        const CliCommand *best = nullptr;
        int bestWords = 0;
        for (const CliCommand &c : CliRegistry::instance().commands()) {
            const QStringList words = c.name.split(QLatin1Char(' '));
            if (words.size() <= args.size() && args.mid(0, words.size()) == words && words.size() > bestWords) {
                best = &c;
                bestWords = int(words.size());
            }
        }
        if (!best)
            throw CliUsageError{QStringLiteral("unknown command ") + args.value(0)};
        ctx.args = args.mid(bestWords);
        QString fbError;
        if (FirebirdEnvironment::prepare({}, &fbError).isEmpty()) {
            err << fbError << "\n";
            return 1;
        }
        const int rc = best->run(ctx);
        out.flush();
        err.flush();
        return rc;
    } catch (const CliUsageError &e) {
        err << "zorva-cli: " << e.message << "\n";
        printUsage(err);
        return 2;
    } catch (const SqlReadError &e) {
        out.flush();
        err << e.message() << "\n";
        err.flush();
        return 1;
    }
}
