#pragma once
#include <QString>
#include <QStringList>

// Opening a document, a folder or an address (web or "mailto:") with the program the desktop
// chose for it, and starting an outside program with its arguments.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // False when the desktop's opener could not be started.
    virtual bool open(const QString &target) = 0;
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
};

// The desktop's opener (xdg-open); a local path is passed as it is, everything else as an URL.
class XdgDesktopShell : public DesktopShell {
public:
    bool open(const QString &target) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
};

// The process-wide shell; never null. Tests install a fake; null restores the desktop's.
DesktopShell &desktopShell();
void setDesktopShell(DesktopShell *shell);
