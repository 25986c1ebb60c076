#pragma once
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>

class TSQLDATA;

// What a sub-command gets: its own arguments and the global options.
struct CliContext {
    QStringList args;        // the arguments after the sub-command's name
    QString db;              // --db
    QString dbUser;          // --db-user (default from the configuration)
    QString dbPassword;      // --db-password
    QTextStream &out;
    QTextStream &err;
    // Connects on first use; prints the server's text and returns null when it cannot.
    TSQLDATA *database();
    std::unique_ptr<TSQLDATA> connection;

    // Takes "--name VALUE" out of args; returns def when absent. *present tells whether it was.
    QString takeOption(const QString &name, const QString &def = {}, bool *present = nullptr);
    bool takeFlag(const QString &name);
    // Fails (usage, exit 2) when an argument that starts with "--" is left over.
    bool noUnknownOptions();
};

// Exit codes: 0 success, 1 failure, 2 usage.
struct CliCommand {
    QString name;      // "sql", "db create", ...
    QString synopsis;  // one line for --help
    std::function<int(CliContext &)> run;
};

class CliRegistry {
public:
    static CliRegistry &instance();
    void add(CliCommand command) { m_commands.push_back(std::move(command)); }
    const std::vector<CliCommand> &commands() const { return m_commands; }

private:
    std::vector<CliCommand> m_commands;
};

struct CliRegistrar {
    explicit CliRegistrar(CliCommand command) { CliRegistry::instance().add(std::move(command)); }
};

// Thrown by a command for wrong arguments: the dispatcher prints the usage and exits with 2.
struct CliUsageError {
    QString message;
};
