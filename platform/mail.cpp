#include "mail.h"

#include <QProcess>

QString XdgMailClient::newMail(const QStringList &recipients, const QString &subject, const QStringList &attachments,
                               const QString &body) {
    QStringList args;
    if (!subject.isEmpty())
        args << QStringLiteral("--subject") << subject;
    if (!body.isEmpty())
        args << QStringLiteral("--body") << body;
    for (const QString &a : attachments)
        args << QStringLiteral("--attach") << a;
    args << recipients;
    QProcess p;
    p.start(QStringLiteral("xdg-email"), args);
    if (!p.waitForStarted(5000))
        return QStringLiteral("Poštovního klienta nelze spustit (xdg-email): ") + p.errorString();
    p.waitForFinished(30000);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("Poštovní klient zprávu nepřevzal (xdg-email, kód %1): ").arg(p.exitCode())
               + QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
    return {};
}

namespace {
MailClient *g_client = nullptr;
}

MailClient &mailClient() {
    static XdgMailClient xdg;
    return g_client ? *g_client : xdg;
}

void setMailClient(MailClient *client) { g_client = client; }
