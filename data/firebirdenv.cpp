#include "firebirdenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace FirebirdEnvironment {

QString systemFolder() {
    const QString env = qEnvironmentVariable("ZORVA_FIREBIRD_SYSTEM_DIR");
    QStringList candidates;
    if (!env.isEmpty())
        candidates << env;
    candidates << QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0") << QStringLiteral("/usr/lib/aarch64-linux-gnu/firebird/3.0")
               << QStringLiteral("/usr/lib/firebird/3.0") << QStringLiteral("/opt/firebird");
    for (const QString &c : candidates)
        if (QFileInfo::exists(c + QStringLiteral("/plugins/libEngine12.so")))
            return c;
    return {};
}

static bool ensureLink(const QString &target, const QString &link) {
    const QFileInfo li(link);
    if (li.isSymLink()) {
        if (li.symLinkTarget() == QFileInfo(target).absoluteFilePath())
            return true;
        QFile::remove(link);
    } else if (li.exists()) {
        return true; // somebody placed a real file or folder there; respect it
    }
    return QFile::link(target, link);
}

QString prepare(const QString &preferredRoot, QString *error) {
    const QString current = qEnvironmentVariable("FIREBIRD");
    if (!current.isEmpty())
        return current;
    if (!preferredRoot.isEmpty() && QFileInfo::exists(preferredRoot + QStringLiteral("/firebird.conf"))) {
        qputenv("FIREBIRD", QFile::encodeName(preferredRoot));
        return preferredRoot;
    }
    const QString system = systemFolder();
    if (system.isEmpty()) {
        if (error)
            *error = QStringLiteral("Firebird 3.0 engine not found (plugins/libEngine12.so); install firebird3.0-server-core.");
        return {};
    }
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    const QString root = base + QStringLiteral("/zorva/firebird");
    if (!QDir().mkpath(root)) {
        if (error)
            *error = QStringLiteral("Cannot create the folder %1").arg(root);
        return {};
    }
    const QByteArray conf = "# Written by ZORVA: several processes may open one database file.\n"
                            "ServerMode = SuperClassic\n"
                            "Providers = Remote, Engine12, Loopback\n";
    QFile f(root + QStringLiteral("/firebird.conf"));
    bool same = false;
    if (f.open(QIODevice::ReadOnly)) {
        same = f.readAll() == conf;
        f.close();
    }
    if (!same) {
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            if (error)
                *error = QStringLiteral("Cannot write %1").arg(f.fileName());
            return {};
        }
        f.write(conf);
        f.close();
    }
    // The character sets must be real files inside the root: the engine refuses to load its intl
    // module through a link that leads out of it.
    const QString intl = root + QStringLiteral("/intl");
    if (QFileInfo(intl).isSymLink())
        QFile::remove(intl);
    QDir().mkpath(intl);
    for (const QFileInfo &fi : QDir(system + QStringLiteral("/intl")).entryInfoList(QDir::Files)) {
        const QString target = intl + QLatin1Char('/') + fi.fileName();
        const QFileInfo existing(target);
        if (existing.exists() && !existing.isSymLink() && existing.size() == fi.size())
            continue;
        QFile::remove(target);
        if (!QFile::copy(fi.absoluteFilePath(), target)) {
            if (error)
                *error = QStringLiteral("Cannot copy %1 to %2").arg(fi.absoluteFilePath(), target);
            return {};
        }
    }
    for (const char *name : {"plugins", "firebird.msg", "plugins.conf"})
        if (QFileInfo::exists(system + QLatin1Char('/') + QLatin1String(name)))
            ensureLink(system + QLatin1Char('/') + QLatin1String(name), root + QLatin1Char('/') + QLatin1String(name));
    qputenv("FIREBIRD", QFile::encodeName(root));
    return root;
}

}
