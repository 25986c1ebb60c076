#include "systeminfo.h"

#include <QFile>
#include <QSysInfo>

#include <pwd.h>
#include <time.h>
#include <unistd.h>

qint64 LinuxSystemInfo::uptimeMs() {
    // CLOCK_BOOTTIME counts the time the machine was suspended too, as the up time does.
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) == 0)
        return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
    QFile f(QStringLiteral("/proc/uptime"));
    if (f.open(QIODevice::ReadOnly)) {
        bool ok = false;
        const double seconds = QString::fromLatin1(f.readLine()).section(QLatin1Char(' '), 0, 0).toDouble(&ok);
        if (ok)
            return qint64(seconds * 1000);
    }
    return -1;
}

QString LinuxSystemInfo::userName() {
    if (const passwd *pw = getpwuid(getuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

QString LinuxSystemInfo::computerName() { return QSysInfo::machineHostName(); }

namespace {
SystemInfo *g_info = nullptr;
}

SystemInfo &systemInfo() {
    static LinuxSystemInfo linuxInfo;
    return g_info ? *g_info : linuxInfo;
}

void setSystemInfo(SystemInfo *info) { g_info = info; }
