#pragma once
#include <QFrame>

class IniFile;
class QCheckBox;
class QLabel;
class TMKComboBox;

// The rights frame of every record editor: which user group may read, edit, delete, administer
// and receive the alarm of the record.
class TFrame_Prava : public QFrame {
    Q_OBJECT
public:
    explicit TFrame_Prava(QWidget *parent = nullptr);

    // Fills the five boxes with every group and selects the given ids (an id not found leaves
    // its box empty). withAlarm = false hides the alarm box for tables without alarms.
    void ShowRights(int read, int edit, int alarm, int admin, int del, bool withAlarm = true);
    int ReadGroup() const;
    int EditGroup() const;
    int AlarmGroup() const;
    int AdminGroup() const;
    int DeleteGroup() const;
    bool Modified() const { return m_modified; }
    void SetModified(bool m) { m_modified = m; }

    // Section "RIGHT" of an item file: group names under read, edit, delete, admin, alarm.
    void WriteRights(IniFile &file) const;
    void ReadRights(const IniFile &file);

    TMKComboBox *CB_CIST, *CB_EDITOVAT, *CB_ALARM, *CB_ADMINISTROVAT, *CB_SMAZAT;
    QCheckBox *ChB_VSE_STEJNE;
    QLabel *Label_CIST, *Label_EDITOVAT, *Label_ALARM, *Label_ADMINISTROVAT, *Label_SMAZAT;

Q_SIGNALS:
    void changed();

private:
    void applySameRights();
    void copyRead();
    bool m_withAlarm = true;
    bool m_modified = false;
    bool m_loading = false;
};
