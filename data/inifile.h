#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// A Windows-style INI file: Windows-1250 text, CRLF line ends, section and key names compared
// without regard to case, values taken as they stand (no escaping; commas and "\" are kept;
// only the blanks around a value are dropped). Every write is saved at once, as the options
// dialog and the set-up commands expect the file to be current when they return.
class IniFile {
public:
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &def = {}) const;
    // A value that is not a whole number gives the default.
    int readInteger(const QString &section, const QString &key, int def = 0) const;
    // A number other than 0 is true, 0 is false; anything else gives the default.
    bool readBool(const QString &section, const QString &key, bool def = false) const;
    bool valueExists(const QString &section, const QString &key) const;
    bool sectionExists(const QString &section) const;
    QStringList sections() const;
    QStringList keys(const QString &section) const;

    // Return false when the file cannot be written.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);
    bool deleteKey(const QString &section, const QString &key);

    void reload();

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };
    const Section *findSection(const QString &name) const;
    Section *findSection(const QString &name);
    bool save() const;

    QString m_path;
    std::vector<Section> m_sections;
};
