#include "inifile.h"

#include "exchange/codepage/win1250.h"

#include <QFile>
#include <QSaveFile>

IniFile::IniFile(const QString &path) : m_path(path) { reload(); }

void IniFile::reload() {
    m_sections.clear();
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QString text = Win1250::decode(f.readAll());
    Section *current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
            m_sections.push_back(Section{t.mid(1, t.size() - 2).trimmed(), {}});
            current = &m_sections.back();
            continue;
        }
        if (!current)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (key.isEmpty())
            continue;
        bool replaced = false;
        for (Entry &e : current->entries)
            if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
                replaced = true; // the first occurrence wins, as Windows reads it
                break;
            }
        if (!replaced)
            current->entries.push_back(Entry{key, line.mid(eq + 1).trimmed()});
    }
}

const IniFile::Section *IniFile::findSection(const QString &name) const {
    for (const Section &s : m_sections)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

IniFile::Section *IniFile::findSection(const QString &name) {
    return const_cast<Section *>(static_cast<const IniFile *>(this)->findSection(name));
}

bool IniFile::valueExists(const QString &section, const QString &key) const {
    const Section *s = findSection(section);
    if (!s)
        return false;
    for (const Entry &e : s->entries)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool IniFile::sectionExists(const QString &section) const { return findSection(section) != nullptr; }

QStringList IniFile::sections() const {
    QStringList out;
    for (const Section &s : m_sections)
        out << s.name;
    return out;
}

QStringList IniFile::keys(const QString &section) const {
    QStringList out;
    if (const Section *s = findSection(section))
        for (const Entry &e : s->entries)
            out << e.key;
    return out;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const {
    const Section *s = findSection(section);
    if (!s)
        return def;
    for (const Entry &e : s->entries)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0)
            return e.value;
    return def;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const {
    const QString v = readString(section, key, QString());
    bool ok = false;
    const int n = v.trimmed().toInt(&ok);
    return ok ? n : def;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value) {
    Section *s = findSection(section);
    if (!s) {
        m_sections.push_back(Section{section, {}});
        s = &m_sections.back();
    }
    bool found = false;
    for (Entry &e : s->entries)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
            e.value = value;
            found = true;
            break;
        }
    if (!found)
        s->entries.push_back(Entry{key, value});
    return save();
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value) {
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value) {
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::deleteKey(const QString &section, const QString &key) {
    Section *s = findSection(section);
    if (!s)
        return true;
    std::erase_if(s->entries, [&](const Entry &e) { return e.key.compare(key, Qt::CaseInsensitive) == 0; });
    return save();
}

bool IniFile::save() const {
    QString text;
    for (const Section &s : m_sections) {
        text += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
        for (const Entry &e : s.entries)
            text += e.key + QLatin1Char('=') + e.value + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(Win1250::encode(text));
    return f.commit();
}
