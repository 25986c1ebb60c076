#include "autostart.h"
#include "privatefolder.h"

#include <QDir>
#include <QFile>

QString XdgConfigHome() {
    const QString env = qEnvironmentVariable("XDG_CONFIG_HOME");
    return env.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : env;
}

QString XdgDataHome() {
    const QString env = qEnvironmentVariable("XDG_DATA_HOME");
    return env.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : env;
}

QString DesktopExecArgument(const QString &argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = argument.isEmpty();
    for (QChar c : argument)
        if (reserved.contains(c))
            quote = true;
    if (!quote)
        return argument;
    QString out = QStringLiteral("\"");
    for (QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out + QLatin1Char('"');
}

XdgAutostart::XdgAutostart(const QString &configHome) {
    m_entry = QDir(configHome.isEmpty() ? XdgConfigHome() : configHome).filePath(QStringLiteral("autostart/zorva.desktop"));
}

bool XdgAutostart::enable(const QString &programPath) {
    if (!QDir().mkpath(QFileInfo(m_entry).path()))
        return false;
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=ZORVA\nExec=%1\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(DesktopExecArgument(programPath));
    return WriteFileAtomically(m_entry, text.toUtf8());
}

bool XdgAutostart::disable() { return !QFile::exists(m_entry) || QFile::remove(m_entry); }

bool XdgAutostart::isEnabled() const { return QFile::exists(m_entry); }
