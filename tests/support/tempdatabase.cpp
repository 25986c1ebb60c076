#include "tempdatabase.h"

#include "data/datamoduleib.h"
#include "data/firebirdenv.h"

#include <QDir>
#include <QFile>

void PrepareTestFirebird() {
    static bool done = false;
    if (done)
        return;
    done = true;
    QString error;
    if (FirebirdEnvironment::prepare({}, &error).isEmpty())
        qFatal("%s", qPrintable(error));
}

QString TempDatabase::serverFromEnvironment() { return qEnvironmentVariable("ZORVA_TEST_FB_SERVER"); }

TempDatabase::TempDatabase(const QString &server) : m_server(server) {
    PrepareTestFirebird();
    m_dirPath = m_dir.path();
    m_file = m_dirPath + QStringLiteral("/test.fdb");
    if (m_server.isEmpty()) {
        m_connection = m_file;
        m_user = QStringLiteral("SYSDBA");
        m_password = QStringLiteral("masterkey");
    } else {
        // The server runs as its own user and must be able to write into the folder.
        QFile::setPermissions(m_dirPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                             | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                             | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
        m_connection = m_server + QLatin1Char(':') + m_file;
        m_user = qEnvironmentVariable("ZORVA_TEST_FB_USER", QStringLiteral("SYSDBA"));
        m_password = qEnvironmentVariable("ZORVA_TEST_FB_PASSWORD");
        if (m_password.isEmpty()) {
            // Debian keeps the server's SYSDBA password in this file.
            QFile f(QStringLiteral("/etc/firebird/3.0/SYSDBA.password"));
            if (f.open(QIODevice::ReadOnly))
                for (const QByteArray &line : f.readAll().split('\n'))
                    if (line.startsWith("ISC_PASSWORD="))
                        m_password = QString::fromLatin1(line.mid(13)).remove(QLatin1Char('"')).trimmed();
        }
    }
}

TempDatabase::~TempDatabase() {
    if (m_created)
        TDataModuleIb::DropDatabase(m_connection, m_user, m_password);
}

bool TempDatabase::create() {
    m_error = TDataModuleIb::CreateDatabase(m_connection, m_user, m_password);
    m_created = m_error.isEmpty();
    return m_created;
}
