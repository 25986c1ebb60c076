#include "singleinstance.h"
#include "privatefolder.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {
QString userTag() {
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = QString::number(getuid());
    return name;
}
}

LocalSingleInstance::LocalSingleInstance(const QString &folder, int timeoutMs, QObject *parent)
    : SingleInstance(parent), m_timeoutMs(timeoutMs) {
    QDir dir(folder);
    m_socketPath = dir.filePath(QStringLiteral("zorva-%1.socket").arg(userTag()));
    m_handOverPath = dir.filePath(QLatin1String(kHandOverFileName));
}

LocalSingleInstance::~LocalSingleInstance() = default;

bool LocalSingleInstance::otherCopyRunning() {
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    const bool up = socket.waitForConnected(1000);
    socket.abort();
    return up;
}

bool LocalSingleInstance::send(const QByteArray &command) {
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(m_timeoutMs))
        return false;
    socket.write(command + '\n');
    if (!socket.waitForBytesWritten(m_timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(m_timeoutMs))
            return false;
    }
    return socket.readLine().trimmed() == "OK";
}

bool LocalSingleInstance::activateRunning() { return send("ACTIVATE"); }

bool LocalSingleInstance::handOver(const QString &parameter) {
    if (!writeHandOverFile(parameter))
        return false;
    return send("PARAM");
}

bool LocalSingleInstance::writeHandOverFile(const QString &parameter) {
    if (m_handOverPath.isEmpty() || !QFileInfo(m_handOverPath).dir().exists())
        return false;
    return WriteFileAtomically(m_handOverPath, parameter.toUtf8() + '\n');
}

QString LocalSingleInstance::readHandOverFile(bool *ok) {
    QFile file(m_handOverPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *ok = false;
        return {};
    }
    *ok = true;
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

bool LocalSingleInstance::listen() {
    if (m_server)
        return true;
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_socketPath)) {
        // A socket file left by a copy that died answers nobody and may be replaced.
        if (server->serverError() != QAbstractSocket::AddressInUseError || otherCopyRunning()
            || !QLocalServer::removeServer(m_socketPath) || !server->listen(m_socketPath)) {
            delete server;
            return false;
        }
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &LocalSingleInstance::serve);
    return true;
}

void LocalSingleInstance::serve() {
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray command = socket->readLine().trimmed();
            if (command == "ACTIVATE") {
                socket->write("OK\n");
                socket->flush();
                QMetaObject::invokeMethod(this, [this] { Q_EMIT activationRequested(); }, Qt::QueuedConnection);
            } else if (command == "PARAM") {
                // Read before answering: the second copy ends as soon as it has the answer, and
                // the file may be overwritten by the next one.
                bool ok = false;
                const QString text = readHandOverFile(&ok);
                socket->write("OK\n");
                socket->flush();
                QMetaObject::invokeMethod(this, [this, text, ok] { Q_EMIT handedOver(text, ok); }, Qt::QueuedConnection);
            } else {
                socket->write("?\n");
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}
