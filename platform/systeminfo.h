#pragma once
#include <QString>

// What the program asks the system about itself and the machine.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // Time since the machine started, in milliseconds; -1 when unknown.
    virtual qint64 uptimeMs() = 0;
    // The name of the logged-in account; empty when it cannot be read.
    virtual QString userName() = 0;
    virtual QString computerName() = 0;
};

class LinuxSystemInfo : public SystemInfo {
public:
    qint64 uptimeMs() override;
    QString userName() override;
    QString computerName() override;
};

// The process-wide one; never null. Tests install a fake; null restores the system's.
SystemInfo &systemInfo();
void setSystemInfo(SystemInfo *info);
