#include "fileassociation.h"
#include "autostart.h"
#include "privatefolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

XdgFileAssociation::XdgFileAssociation(const QString &dataHome, const QString &configHome)
    : m_data(dataHome.isEmpty() ? XdgDataHome() : dataHome), m_config(configHome.isEmpty() ? XdgConfigHome() : configHome) {}

QString XdgFileAssociation::mimePackagePath() const { return m_data + QStringLiteral("/mime/packages/zorva.xml"); }
QString XdgFileAssociation::desktopEntryPath() const { return m_data + QStringLiteral("/applications/zorva.desktop"); }
QString XdgFileAssociation::mimeAppsPath() const { return m_config + QStringLiteral("/mimeapps.list"); }

namespace {
// Sets key=value in section of a desktop-style file, keeping every other line.
bool setDesktopFileValue(const QString &path, const QString &section, const QString &key, const QString &value) {
    QStringList lines;
    QFile in(path);
    if (in.open(QIODevice::ReadOnly))
        lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    in.close();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QString header = QLatin1Char('[') + section + QLatin1Char(']');
    int start = lines.indexOf(header);
    if (start < 0) {
        lines << header << key + QLatin1Char('=') + value;
    } else {
        int end = start + 1;  // after the last entry of the section
        bool done = false;
        for (int i = start + 1; i < lines.size() && !lines[i].startsWith(QLatin1Char('[')); ++i) {
            if (lines[i].section(QLatin1Char('='), 0, 0).trimmed() == key) {
                lines[i] = key + QLatin1Char('=') + value;
                done = true;
            }
            if (!lines[i].trimmed().isEmpty())
                end = i + 1;
        }
        if (!done)
            lines.insert(end, key + QLatin1Char('=') + value);
    }
    QDir().mkpath(QFileInfo(path).path());
    return WriteFileAtomically(path, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

void runIfPresent(const QString &tool, const QStringList &args) {
    const QString exe = QStandardPaths::findExecutable(tool);
    if (!exe.isEmpty())
        QProcess::execute(exe, args);
}
}

bool XdgFileAssociation::associate(const QString &programPath) {
    const QString type = QLatin1String(kZorvaMimeType);
    const QString xml = QStringLiteral(
                            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                            "  <mime-type type=\"%1\">\n"
                            "    <comment>ZORVA item</comment>\n"
                            "    <glob pattern=\"*.zorva\"/>\n"
                            "    <glob pattern=\"*.zrv\"/>\n"
                            "  </mime-type>\n"
                            "</mime-info>\n")
                            .arg(type);
    if (!QDir().mkpath(QFileInfo(mimePackagePath()).path()) || !WriteFileAtomically(mimePackagePath(), xml.toUtf8()))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=ZORVA\nExec=%1 %f\nMimeType=%2;\nTerminal=false\n")
                              .arg(DesktopExecArgument(programPath), type);
    if (!QDir().mkpath(QFileInfo(desktopEntryPath()).path()) || !WriteFileAtomically(desktopEntryPath(), entry.toUtf8()))
        return false;
    const bool defaultSet = setDesktopFileValue(mimeAppsPath(), QStringLiteral("Default Applications"), type, QStringLiteral("zorva.desktop"));
    // The desktop reads its caches; without the tools the files still take effect at its next scan.
    runIfPresent(QStringLiteral("update-mime-database"), {m_data + QStringLiteral("/mime")});
    runIfPresent(QStringLiteral("update-desktop-database"), {m_data + QStringLiteral("/applications")});
    return defaultSet;
}
