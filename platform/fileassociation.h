#pragma once
#include <QString>

// Opening ".zorva" item files with the program from the desktop.
class FileAssociation {
public:
    virtual ~FileAssociation() = default;
    // True when the program is registered as the opener of the file type.
    virtual bool associate(const QString &programPath) = 0;
};

// A MIME type "application/x-zorva" for "*.zorva" and "*.zrv" in the user's MIME database, a
// desktop entry "zorva.desktop" that opens it, and that entry made the default for the type.
class XdgFileAssociation : public FileAssociation {
public:
    // dataHome and configHome override $XDG_DATA_HOME and $XDG_CONFIG_HOME (tests).
    explicit XdgFileAssociation(const QString &dataHome = {}, const QString &configHome = {});
    bool associate(const QString &programPath) override;

    QString mimePackagePath() const;
    QString desktopEntryPath() const;
    QString mimeAppsPath() const;

private:
    QString m_data, m_config;
};

constexpr const char *kZorvaMimeType = "application/x-zorva";
