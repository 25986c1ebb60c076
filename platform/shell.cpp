#include "shell.h"

#include <QProcess>
#include <QStandardPaths>

bool XdgDesktopShell::open(const QString &target) {
    if (target.trimmed().isEmpty())
        return false;
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return false;
    return QProcess::startDetached(opener, {target});
}

bool XdgDesktopShell::startProgram(const QString &program, const QStringList &arguments) {
    return QProcess::startDetached(program, arguments);
}

namespace {
DesktopShell *g_shell = nullptr;
}

DesktopShell &desktopShell() {
    static XdgDesktopShell desktop;
    return g_shell ? *g_shell : desktop;
}

void setDesktopShell(DesktopShell *shell) { g_shell = shell; }
