#include "programentry.h"

#include "data/inifile.h"
#include "data/prompt.h"
#include "localisation/langtext.h"
#include "platform/privatefolder.h"
#include "platform/singleinstance.h"

#include <QDir>
#include <QFileInfo>

StartupCommand ParseCommandLine(const QStringList &arguments) {
    StartupCommand command;
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return command;
    command.parameter = arguments.first();
    if (command.parameter == QLatin1String("setup_local_FB"))
        command.kind = StartupCommand::Kind::SetupLocal;
    else if (command.parameter == QLatin1String("setup_net_FB"))
        command.kind = StartupCommand::Kind::SetupNet;
    else
        command.kind = StartupCommand::Kind::ItemFile;
    return command;
}

EntryDecision DecideProgramEntry(SingleInstance &instance, const IniFile &ini, const QString &parameter) {
    if (!instance.otherCopyRunning() || ini.readInteger(QStringLiteral("MAIN"), QStringLiteral("only_1_copy"), 1) == 0)
        return EntryDecision::Run;
    if (parameter.isEmpty()) {
        instance.activateRunning();
        return EntryDecision::Activated;
    }
    if (instance.handOver(parameter))
        return EntryDecision::HandedOver;
    prompt().message(LangText(1013), Prompt::Kind::Error);
    return EntryDecision::HandOverFailed;
}

QString LocalFirebirdRoot(const QString &programFolder) { return QDir(programFolder).filePath(QStringLiteral("fb")); }

bool WriteLocalFirebirdConf(const QString &programFolder) {
    const QString line = QStringLiteral("RootDirectory  = ") + LocalFirebirdRoot(programFolder) + QStringLiteral("\r\n");
    return WriteFileAtomically(QDir(programFolder).filePath(QStringLiteral("firebird.conf")), line.toLocal8Bit());
}

bool SetupNetFirebird(IniFile &ini, const QString &computerName, const QString &programPath) {
    const QFileInfo program(programPath);
    const QString database = computerName + QLatin1Char(':') + program.path() + QLatin1Char('/') + program.completeBaseName() + QStringLiteral(".gdb");
    return ini.writeString(QStringLiteral("DB-IB"), QStringLiteral("pathname"), database)
        && ini.writeInteger(QStringLiteral("MAIN"), QStringLiteral("login"), 1);
}
