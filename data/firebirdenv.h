#pragma once
#include <QString>

// The embedded engine reads its configuration from the folder named by the FIREBIRD environment
// variable, and it must be set before the client library starts. Our folder holds a
// firebird.conf with ServerMode = SuperClassic, so that several processes (stations on one
// machine, the desktop program beside the command line) open one database file at once, and
// links to the system's plugins, intl and firebird.msg.
namespace FirebirdEnvironment {
// Sets FIREBIRD unless it is set already. preferredRoot, when it names an existing folder with a
// firebird.conf (the folder of the "setup_local_FB" command), is used as it is. Otherwise the
// root is made (or refreshed) under the user's data folder. Returns the root in force, or an
// empty text with the reason in *error when the system engine cannot be found.
QString prepare(const QString &preferredRoot = {}, QString *error = nullptr);
// Folder of the installed Firebird 3 engine (plugins, intl, firebird.msg); empty when missing.
QString systemFolder();
}
