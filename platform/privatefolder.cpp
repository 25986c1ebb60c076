#include "privatefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

QString PrivateFolder(const QString &base) {
    QString parent = base;
    if (parent.isEmpty())
        parent = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString name = QStringLiteral("zorva");
    if (parent.isEmpty()) {
        parent = QDir::tempPath();
        name = QStringLiteral("zorva-%1").arg(getuid());
    }
    const QString folder = QDir(parent).filePath(name);
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid())
        return {};
    if ((st.st_mode & 0777) != 0700 && ::chmod(native.constData(), 0700) != 0)
        return {};
    return folder;
}

bool WriteFileAtomically(const QString &path, const QByteArray &content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(content) != content.size())
        return false;
    return file.commit();
}
