#pragma once
#include <QObject>
#include <QString>

class QLocalServer;

// The rule of one running copy per user. A second copy finds the first, asks it to come to the
// front or hands it its command-line parameter through the hand-over file, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // True when a copy of this user is running and answering.
    virtual bool otherCopyRunning() = 0;
    // Asks the running copy to come to the front; false when it did not answer.
    virtual bool activateRunning() = 0;
    // Writes parameter into the hand-over file, tells the running copy and waits until it has
    // read the file. False when the file cannot be written or the copy did not answer.
    virtual bool handOver(const QString &parameter) = 0;
    // Makes this copy the one that others find. False when that is not possible (the program
    // then runs without being found).
    virtual bool listen() = 0;

    // The hand-over file: one line, overwritten at each hand-over and kept.
    virtual bool writeHandOverFile(const QString &parameter) = 0;
    // Its first line; *ok is false when it cannot be read.
    virtual QString readHandOverFile(bool *ok) = 0;

Q_SIGNALS:
    // A second copy started without a parameter.
    void activationRequested();
    // A second copy handed over a parameter; the file was read before the second copy was told,
    // so text is what it wrote (ok false when the file could not be read).
    void handedOver(const QString &text, bool ok);
};

// Through a local socket in the user's private folder, named for the product and the user.
class LocalSingleInstance : public SingleInstance {
    Q_OBJECT
public:
    // folder: the private folder (PrivateFolder()); timeoutMs: how long a second copy waits.
    explicit LocalSingleInstance(const QString &folder, int timeoutMs = 10000, QObject *parent = nullptr);
    ~LocalSingleInstance() override;

    bool otherCopyRunning() override;
    bool activateRunning() override;
    bool handOver(const QString &parameter) override;
    bool listen() override;
    bool writeHandOverFile(const QString &parameter) override;
    QString readHandOverFile(bool *ok) override;

    QString socketPath() const { return m_socketPath; }
    QString handOverPath() const { return m_handOverPath; }

private:
    bool send(const QByteArray &command);
    void serve();

    QString m_socketPath;
    QString m_handOverPath;
    int m_timeoutMs;
    QLocalServer *m_server = nullptr;
};

// File name of the hand-over file inside the private folder.
constexpr const char *kHandOverFileName = "mirtek-soft_zorva_param.$$$";
