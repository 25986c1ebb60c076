#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// A new message in the user's mail program, ready for the user to send.
class MailClient {
public:
    virtual ~MailClient() = default;
    // Returns an error text, empty when the mail program accepted the message.
    virtual QString newMail(const QStringList &recipients, const QString &subject, const QStringList &attachments,
                            const QString &body = {}) = 0;
};

// The desktop's mail program through xdg-email.
class XdgMailClient : public MailClient {
public:
    QString newMail(const QStringList &recipients, const QString &subject, const QStringList &attachments,
                    const QString &body = {}) override;
};

// Records every message instead of sending it.
class FakeMailClient : public MailClient {
public:
    struct Mail {
        QStringList recipients;
        QString subject;
        QStringList attachments;
        QString body;
    };
    QString newMail(const QStringList &recipients, const QString &subject, const QStringList &attachments,
                    const QString &body = {}) override {
        mails.append({recipients, subject, attachments, body});
        return error;
    }
    QList<Mail> mails;
    QString error; // returned by every call
};

// The process-wide mail client (xdg-email unless replaced); the caller keeps ownership of a
// replacement, null restores the default.
MailClient &mailClient();
void setMailClient(MailClient *client);
