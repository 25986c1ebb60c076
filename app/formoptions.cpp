#include "formoptions.h"

#include "app/core/windowrules.h"
#include "data/configuration.h"
#include "data/inifile.h"
#include "data/prompt.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "data/usersettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QWidget *withBrowse(QLineEdit *edit, bool folder, QWidget *parent) {
    auto *w = new QWidget(parent);
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(edit, 1);
    auto *b = new QToolButton(w);
    b->setText(QStringLiteral("…"));
    QObject::connect(b, &QToolButton::clicked, w, [edit, folder, w] {
        const QString chosen = folder ? QFileDialog::getExistingDirectory(w, QString(), edit->text())
                                      : QFileDialog::getSaveFileName(w, QString(), edit->text(), QString(), nullptr, QFileDialog::DontConfirmOverwrite);
        if (!chosen.isEmpty())
            edit->setText(chosen);
    });
    l->addWidget(b);
    return w;
}

QRadioButton *radio(const QString &text, QVBoxLayout *layout, QButtonGroup *group, QWidget *parent) {
    auto *r = new QRadioButton(text, parent);
    layout->addWidget(r);
    group->addButton(r);
    return r;
}
}

TFormOptions::TFormOptions(IniFile *ini, Configuration *config, QWidget *parent)
    : TFormLokalizace<QDialog>(parent), m_ini(ini), m_config(config) {
    setObjectName(QStringLiteral("FormOptions"));
    setWindowTitle(QStringLiteral("Nastavení"));
    auto *outer = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    outer->addWidget(PageControl1);

    // --- INI Soubor
    auto *ini1 = new QWidget;
    auto *l1 = new QVBoxLayout(ini1);
    l1->addWidget(new QLabel(QStringLiteral("Zde se mění základní nastavení programu - soubor zorva.ini."), ini1));
    l1->addWidget(new QLabel(QStringLiteral("Změny se projeví až po dalším spuštění programu. "), ini1));
    auto *link = new QLabel(QStringLiteral("<a href=\"%1/zorva/zorva_ini.php\">Popis souboru zorva.ini na internetu</a>").arg(QLatin1String(kProductWebHost)), ini1);
    link->setOpenExternalLinks(true);
    l1->addWidget(link);
    auto *gLogin = new QGroupBox(QStringLiteral("Přihlášení"), ini1);
    auto *lLogin = new QVBoxLayout(gLogin);
    auto *loginGroup = new QButtonGroup(this);
    RB_Login0 = radio(QStringLiteral("pokud není nastaveno heslo, tak se přihlásí první jméno v seznamu uživatelů bez vyvolání dialogu"), lLogin, loginGroup, gLogin);
    RB_Login1 = radio(QStringLiteral("pokud jméno odpovída přihlašovacímu do windows a zaroveň není nastaveno heslo, tak se přihlásí bez vyvolání dialogu"), lLogin, loginGroup, gLogin);
    RB_Login2 = radio(QStringLiteral("při spuštění programu vyžaduje jméno a heslo"), lLogin, loginGroup, gLogin);
    l1->addWidget(gLogin);
    auto *form = new QFormLayout;
    ChB_TimeAuto = new QCheckBox(QStringLiteral("Nastavit čas při spuštění programu"), ini1);
    form->addRow(ChB_TimeAuto);
    Edit_SntpServer = new QLineEdit(ini1);
    form->addRow(QStringLiteral("IP adresa serveru z kterého se nastavuje čas"), Edit_SntpServer);
    Edit_Clipboard = new QLineEdit(ini1);
    form->addRow(QStringLiteral("Soubor síťové schránky"), withBrowse(Edit_Clipboard, false, ini1));
    ChB_Removable = new QCheckBox(QStringLiteral("program je nainstalován na výměném disku"), ini1);
    form->addRow(ChB_Removable);
    CB_DefaultGroup = new QComboBox(ini1);
    form->addRow(QStringLiteral("Standardní skupina práv"), CB_DefaultGroup);
    ChB_DisplayTitleCategory = new QCheckBox(QStringLiteral("Zobrazovat názvy kategorií v horní řadě"), ini1);
    form->addRow(ChB_DisplayTitleCategory);
    Edit_BitmapPath = new QLineEdit(ini1);
    form->addRow(QStringLiteral("Cesta k ikonkám, které mohou být zobrazeny u událostí v kalendáři"), withBrowse(Edit_BitmapPath, true, ini1));
    l1->addLayout(form);
    auto *gNet = new QGroupBox(QStringLiteral("Blokování záznamů "), ini1);
    auto *lNet = new QVBoxLayout(gNet);
    auto *netGroup = new QButtonGroup(this);
    RB_NetMode0 = radio(QStringLiteral("nehlídá konflikty záznamů - vhodné pro nesíťovou verzi "), lNet, netGroup, gNet);
    RB_NetMode1 = radio(QStringLiteral("režim kdy všechny záznamy jsou pouze pro čtení a je nutné je odemykat pro editaci"), lNet, netGroup, gNet);
    RB_NetMode2 = radio(QStringLiteral("režim kdy všechny záznamy jsou otevřeny pro editaci, ale nejdou otevřít další stanicí"), lNet, netGroup, gNet);
    l1->addWidget(gNet);
    BT_SaveIni = new QPushButton(QStringLiteral("Uložit"), ini1);
    BT_SaveIni->setObjectName(QStringLiteral("BT_SaveIni"));
    connect(BT_SaveIni, &QPushButton::clicked, this, [this] { SaveIniTab(); });
    l1->addWidget(BT_SaveIni, 0, Qt::AlignRight);
    l1->addStretch();
    PageControl1->addTab(ini1, QStringLiteral("INI Soubor"));

    // --- Modul Revize
    auto *rev = new QWidget;
    auto *l2 = new QVBoxLayout(rev);
    auto *gPeriod = new QGroupBox(QStringLiteral("Lhůta"), rev);
    auto *lPeriod = new QVBoxLayout(gPeriod);
    auto *periodGroup = new QButtonGroup(this);
    RB_Months = radio(QStringLiteral("V měsících"), lPeriod, periodGroup, gPeriod);
    RB_Years = radio(QStringLiteral("V rocích"), lPeriod, periodGroup, gPeriod);
    l2->addWidget(gPeriod);
    ChB_NextPeriodEdit = new QCheckBox(QStringLiteral("Povolena přímá editace datumu příští revize "), rev);
    l2->addWidget(ChB_NextPeriodEdit);
    auto *f2 = new QFormLayout;
    Edit_RevizePathPrint = new QLineEdit(rev);
    f2->addRow(QStringLiteral("Soubory pro tisk nabízí ve složce"), withBrowse(Edit_RevizePathPrint, true, rev));
    l2->addLayout(f2);
    ChB_RevizeVisible = new QCheckBox(QStringLiteral("Zobrazovat modul v menu  -  (je nutno restartovat program, aby se volba projevila)"), rev);
    l2->addWidget(ChB_RevizeVisible);
    auto *bRev = new QPushButton(QStringLiteral("Uložit"), rev);
    bRev->setObjectName(QStringLiteral("BT_SaveRevize"));
    connect(bRev, &QPushButton::clicked, this, [this] { SaveRevizeTab(); });
    l2->addWidget(bRev, 0, Qt::AlignRight);
    l2->addStretch();
    PageControl1->addTab(rev, QStringLiteral("Modul Revize"));

    // --- Zobrazovaní v menu
    auto *menu = new QWidget;
    auto *l3 = new QVBoxLayout(menu);
    l3->addWidget(new QLabel(QStringLiteral("Zde se mění zobrazování položek menu - nastavení je společné pro všechny uživatele."), menu));
    l3->addWidget(new QLabel(QStringLiteral(" Změny se projeví až při dalším spuštění programu."), menu));
    auto *grid = new QGridLayout;
    for (int i = 0; i < kMenuVisibilityCount; ++i) {
        auto *c = new QCheckBox(MenuVisibilityCaption(i), menu);
        c->setObjectName(QStringLiteral("ChB_Menu_%1").arg(QLatin1String(MenuVisibilitySection(i))));
        ChB_Menu << c;
        grid->addWidget(c, i % 7, i / 7);
    }
    l3->addLayout(grid);
    auto *bMenu = new QPushButton(QStringLiteral("Uložit"), menu);
    bMenu->setObjectName(QStringLiteral("BT_SaveMenu"));
    connect(bMenu, &QPushButton::clicked, this, [this] { SaveMenuTab(); });
    l3->addWidget(bMenu, 0, Qt::AlignRight);
    l3->addStretch();
    PageControl1->addTab(menu, QStringLiteral("Zobrazovaní v menu"));

    // --- Poloha
    auto *pos = new QWidget;
    auto *f4 = new QFormLayout(pos);
    auto spin = [pos](int max) {
        auto *s = new QSpinBox(pos);
        s->setRange(0, max);
        return s;
    };
    SE_LatDeg = spin(90), SE_LatMin = spin(59), SE_LatSec = spin(59);
    SE_LonDeg = spin(180), SE_LonMin = spin(59), SE_LonSec = spin(59);
    auto row = [pos](QSpinBox *a, QSpinBox *b, QSpinBox *c) {
        auto *w = new QWidget(pos);
        auto *l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(a);
        l->addWidget(new QLabel(QStringLiteral("°"), w));
        l->addWidget(b);
        l->addWidget(new QLabel(QStringLiteral("′"), w));
        l->addWidget(c);
        l->addWidget(new QLabel(QStringLiteral("″"), w));
        l->addStretch();
        return w;
    };
    f4->addRow(QStringLiteral("Zeměpisná šířka"), row(SE_LatDeg, SE_LatMin, SE_LatSec));
    f4->addRow(QStringLiteral("Zeměpisná délka"), row(SE_LonDeg, SE_LonMin, SE_LonSec));
    PageControl1->addTab(pos, QStringLiteral("Poloha"));

    // --- Různé
    auto *misc = new QWidget;
    auto *f5 = new QFormLayout(misc);
    CB_OverviewAtStart = new QComboBox(misc);
    CB_OverviewAtStart->addItems({QStringLiteral("nikdy"), QStringLiteral("jen do 10 minut po spuštění počítače"), QStringLiteral("vždy")});
    f5->addRow(QStringLiteral("Přehled událostí při spuštění"), CB_OverviewAtStart);
    SE_OverviewDays = new QSpinBox(misc);
    SE_OverviewDays->setRange(1, 366);
    f5->addRow(QStringLiteral("Počet dnů přehledu"), SE_OverviewDays);
    ChB_NotesExpanded = new QCheckBox(QStringLiteral("Poznámky zobrazovat rozbalené"), misc);
    f5->addRow(ChB_NotesExpanded);
    PageControl1->addTab(misc, QStringLiteral("Různé"));

    // --- Periody
    auto *periods = new QWidget;
    auto *l6 = new QVBoxLayout(periods);
    l6->addWidget(new QLabel(QStringLiteral("Periody dnů kalendáře: tato část programu zatím není k dispozici."), periods));
    l6->addStretch();
    PageControl1->addTab(periods, QStringLiteral("Periody"));

    // --- Emailové upozorňování
    auto *mail = new QWidget;
    auto *f7 = new QFormLayout(mail);
    Edit_ReminderAddress = new QLineEdit(mail);
    Edit_ReminderPassword = new QLineEdit(mail);
    Edit_ReminderPassword->setEchoMode(QLineEdit::Password);
    f7->addRow(QStringLiteral("Adresa"), Edit_ReminderAddress);
    f7->addRow(QStringLiteral("Heslo"), Edit_ReminderPassword);
    PageControl1->addTab(mail, QStringLiteral("Emailové upozorňování"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        ApplyUserSettings();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
}

void TFormOptions::ShowStoredValues() {
    if (m_ini)
        m_ini->reload();
    const IniOptions o = m_ini ? IniOptions::load(*m_ini, m_config ? m_config->netMode : 0) : IniOptions();
    (o.login == 2 ? RB_Login2 : o.login == 1 ? RB_Login1 : RB_Login0)->setChecked(true);
    ChB_TimeAuto->setChecked(o.timeAuto);
    Edit_SntpServer->setText(o.sntpServer);
    Edit_Clipboard->setText(o.clipboardPath);
    ChB_Removable->setChecked(o.removableDisk);
    CB_DefaultGroup->clear();
    CB_DefaultGroup->addItem(QString());
    if (SQLDATA && SQLDATA->Connected()) {
        QStringList groups;
        SQLDATA->SelectList(QStringLiteral("Select popis from uzivskupina order by popis;"), false, groups, QStringLiteral("|"));
        CB_DefaultGroup->addItems(groups);
    }
    int at = CB_DefaultGroup->findText(o.defaultGroup);
    if (at < 0) {
        CB_DefaultGroup->addItem(o.defaultGroup);
        at = CB_DefaultGroup->count() - 1;
    }
    CB_DefaultGroup->setCurrentIndex(at);
    ChB_DisplayTitleCategory->setChecked(o.displayTitleCategory);
    Edit_BitmapPath->setText(o.categoryBitmapPath);
    (o.netMode == 2 ? RB_NetMode2 : o.netMode == 1 ? RB_NetMode1 : RB_NetMode0)->setChecked(true);
    // Only an administrator changes the machine's configuration.
    const bool admin = Session::isAdministrator();
    for (QWidget *w : PageControl1->widget(0)->findChildren<QWidget *>())
        if (!qobject_cast<QLabel *>(w))
            w->setEnabled(admin);

    (o.periodInYears ? RB_Years : RB_Months)->setChecked(true);
    ChB_NextPeriodEdit->setChecked(o.nextPeriodEdit);
    Edit_RevizePathPrint->setText(o.revizePathPrint);
    ChB_RevizeVisible->setChecked(o.revizeVisible);
    for (int i = 0; i < kMenuVisibilityCount; ++i)
        ChB_Menu[i]->setChecked(o.menuVisible[i]);

    const UserSettings &s = CurrentUserSettings();
    SE_LatDeg->setValue(s.latitudeDegrees);
    SE_LatMin->setValue(s.latitudeMinutes);
    SE_LatSec->setValue(s.latitudeSeconds);
    SE_LonDeg->setValue(s.longitudeDegrees);
    SE_LonMin->setValue(s.longitudeMinutes);
    SE_LonSec->setValue(s.longitudeSeconds);
    CB_OverviewAtStart->setCurrentIndex(qBound(0, s.overviewAtStart, 2));
    SE_OverviewDays->setValue(s.overviewDays);
    ChB_NotesExpanded->setChecked(s.notesExpanded);
    Edit_ReminderAddress->setText(s.reminderAddress);
    Edit_ReminderPassword->setText(s.reminderPassword);
}

IniOptions TFormOptions::ValuesShown() const {
    IniOptions o;
    o.login = RB_Login2->isChecked() ? 2 : RB_Login1->isChecked() ? 1 : 0;
    o.timeAuto = ChB_TimeAuto->isChecked();
    o.sntpServer = Edit_SntpServer->text();
    o.clipboardPath = Edit_Clipboard->text();
    o.removableDisk = ChB_Removable->isChecked();
    o.defaultGroup = CB_DefaultGroup->currentText();
    o.displayTitleCategory = ChB_DisplayTitleCategory->isChecked();
    o.categoryBitmapPath = Edit_BitmapPath->text();
    o.netMode = RB_NetMode2->isChecked() ? 2 : RB_NetMode1->isChecked() ? 1 : 0;
    o.periodInYears = RB_Years->isChecked();
    o.nextPeriodEdit = ChB_NextPeriodEdit->isChecked();
    o.revizePathPrint = Edit_RevizePathPrint->text();
    o.revizeVisible = ChB_RevizeVisible->isChecked();
    for (int i = 0; i < kMenuVisibilityCount; ++i)
        o.menuVisible[i] = ChB_Menu[i]->isChecked();
    return o;
}

bool TFormOptions::confirmSave() { return prompt().ask(LangText(1106), Prompt::Kind::Confirmation); }

bool TFormOptions::SaveIniTab() {
    if (!m_ini || !Session::isAdministrator() || !confirmSave())
        return false;
    return ValuesShown().saveIniTab(*m_ini);
}

bool TFormOptions::SaveRevizeTab() {
    if (!m_ini || !confirmSave())
        return false;
    const IniOptions o = ValuesShown();
    if (!o.saveRevizeTab(*m_ini))
        return false;
    if (m_config) {
        m_config->revizePeriodType = o.periodInYears ? QStringLiteral("R") : QStringLiteral("M");
        m_config->revizeNextPeriodEdit = o.nextPeriodEdit ? 1 : 0;
        m_config->revizePathPrint = o.revizePathPrint;
    }
    return true;
}

bool TFormOptions::SaveMenuTab() {
    if (!m_ini || !confirmSave())
        return false;
    return ValuesShown().saveMenuTab(*m_ini);
}

void TFormOptions::ApplyUserSettings() {
    UserSettings &s = CurrentUserSettings();
    s.latitudeDegrees = SE_LatDeg->value();
    s.latitudeMinutes = SE_LatMin->value();
    s.latitudeSeconds = SE_LatSec->value();
    s.longitudeDegrees = SE_LonDeg->value();
    s.longitudeMinutes = SE_LonMin->value();
    s.longitudeSeconds = SE_LonSec->value();
    s.overviewAtStart = CB_OverviewAtStart->currentIndex();
    s.overviewDays = SE_OverviewDays->value();
    s.notesExpanded = ChB_NotesExpanded->isChecked();
    s.reminderAddress = Edit_ReminderAddress->text();
    s.reminderPassword = Edit_ReminderPassword->text();
}
