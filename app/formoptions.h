#pragma once
#include "app/core/inioptions.h"
#include "localisation/widgets/formlokalizace.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class IniFile;
struct Configuration;

// The options dialog. Three tabs edit the configuration file, each saved by its own "Uložit"
// after a confirmation; the others edit the user's settings and apply on OK.
class TFormOptions : public TFormLokalizace<QDialog> {
    Q_OBJECT
public:
    // ini and config belong to the main window; config receives the values that take effect at
    // once.
    TFormOptions(IniFile *ini, Configuration *config, QWidget *parent = nullptr);

    // Every control shows the stored value; done each time the dialog is shown.
    void ShowStoredValues();
    // The "Uložit" buttons: false when the user declined (text 1106) or the file could not be
    // written.
    bool SaveIniTab();
    bool SaveRevizeTab();
    bool SaveMenuTab();
    // The values of the user-settings tabs into the settings.
    void ApplyUserSettings();

    IniOptions ValuesShown() const;

    QTabWidget *PageControl1;
    // "INI Soubor"
    QRadioButton *RB_Login0, *RB_Login1, *RB_Login2;
    QCheckBox *ChB_TimeAuto;
    QLineEdit *Edit_SntpServer, *Edit_Clipboard, *Edit_BitmapPath;
    QCheckBox *ChB_Removable, *ChB_DisplayTitleCategory;
    QComboBox *CB_DefaultGroup;
    QRadioButton *RB_NetMode0, *RB_NetMode1, *RB_NetMode2;
    QPushButton *BT_SaveIni;
    // "Modul Revize"
    QRadioButton *RB_Months, *RB_Years;
    QCheckBox *ChB_NextPeriodEdit, *ChB_RevizeVisible;
    QLineEdit *Edit_RevizePathPrint;
    // "Zobrazovaní v menu"
    QList<QCheckBox *> ChB_Menu;
    // user settings
    QSpinBox *SE_LatDeg, *SE_LatMin, *SE_LatSec, *SE_LonDeg, *SE_LonMin, *SE_LonSec;
    QSpinBox *SE_OverviewDays;
    QComboBox *CB_OverviewAtStart;
    QCheckBox *ChB_NotesExpanded;
    QLineEdit *Edit_ReminderAddress, *Edit_ReminderPassword;

private:
    bool confirmSave();
    IniFile *m_ini;
    Configuration *m_config;
};
