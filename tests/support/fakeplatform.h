#pragma once
#include "platform/shell.h"
#include "platform/singleinstance.h"
#include "platform/systeminfo.h"

#include <QStringList>

// Fakes of the platform layer: each records what it was asked and answers from its fields.

class FakeSingleInstance : public SingleInstance {
public:
    bool running = false;
    bool answers = true;
    bool fileWritable = true;
    QString file;
    QStringList calls;
    bool otherCopyRunning() override { calls << QStringLiteral("running?"); return running; }
    bool activateRunning() override { calls << QStringLiteral("activate"); return answers; }
    bool handOver(const QString &parameter) override {
        calls << QStringLiteral("handOver ") + parameter;
        return writeHandOverFile(parameter) && answers;
    }
    bool listen() override { calls << QStringLiteral("listen"); return true; }
    bool writeHandOverFile(const QString &parameter) override {
        if (!fileWritable)
            return false;
        file = parameter;
        return true;
    }
    QString readHandOverFile(bool *ok) override {
        *ok = fileWritable;
        return file;
    }
};

class FakeDesktopShell : public DesktopShell {
public:
    FakeDesktopShell() { setDesktopShell(this); }
    ~FakeDesktopShell() override { setDesktopShell(nullptr); }
    QStringList opened;
    bool open(const QString &target) override { opened << target; return true; }
    bool startProgram(const QString &program, const QStringList &arguments) override {
        opened << program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
        return true;
    }
};

class FakeSystemInfo : public SystemInfo {
public:
    FakeSystemInfo() { setSystemInfo(this); }
    ~FakeSystemInfo() override { setSystemInfo(nullptr); }
    qint64 uptime = 3600000;
    QString user = QStringLiteral("tester");
    QString computer = QStringLiteral("stanice1");
    qint64 uptimeMs() override { return uptime; }
    QString userName() override { return user; }
    QString computerName() override { return computer; }
};
