#pragma once
#include <QString>
#include <QStringList>

class IniFile;
class SingleInstance;

// The one command-line parameter the program takes.
struct StartupCommand {
    enum class Kind { None, SetupLocal, SetupNet, ItemFile };
    Kind kind = Kind::None;
    QString parameter;  // the first argument as given
};
// arguments without the program's own name; only the first counts. The set-up words are
// compared case-sensitively.
StartupCommand ParseCommandLine(const QStringList &arguments);

// What the program entry decided about this copy.
enum class EntryDecision {
    Run,             // no other copy counts: start normally
    Activated,       // the running copy was brought to the front; end
    HandedOver,      // the parameter was handed to the running copy; end
    HandOverFailed,  // text 1013 was shown; end
};
// A running copy counts unless MAIN/only_1_copy is 0. Without a parameter it is brought to the
// front; with one, the parameter goes through the hand-over file. The database is not touched.
EntryDecision DecideProgramEntry(SingleInstance &instance, const IniFile &ini, const QString &parameter);

// The folder of the embedded engine that "setup_local_FB" and a removable disk point at.
QString LocalFirebirdRoot(const QString &programFolder);
// Writes "firebird.conf" in the program's folder with the single line "RootDirectory  = " and
// that folder.
bool WriteLocalFirebirdConf(const QString &programFolder);
// "setup_net_FB": the database through the server of this computer, log-in mode 1.
bool SetupNetFirebird(IniFile &ini, const QString &computerName, const QString &programPath);
