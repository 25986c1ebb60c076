#include "frameprava.h"

#include "data/inifile.h"
#include "data/session.h"
#include "exchange/codepage/czechcase.h"
#include "framework/widgets/mkcombobox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace {
int selectedId(const TMKComboBox *box) {
    const int id = box->VratZvoleneID();
    return id < 0 ? 0 : id;
}

// Exact name first, then by the Central European upper-casing; -1 when absent.
int findName(const TMKComboBox *box, const QString &name) {
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i) == name)
            return i;
    const QString upper = CzechUpperCase(name);
    for (int i = 0; i < box->count(); ++i)
        if (CzechUpperCase(box->itemText(i)) == upper)
            return i;
    return -1;
}
}

TFrame_Prava::TFrame_Prava(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame_Prava1"));
    auto make = [this](const char *name) {
        auto *b = new TMKComboBox(this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QComboBox::currentIndexChanged, this, [this, b]() {
            if (m_loading)
                return;
            m_modified = true;
            if (b == CB_CIST && ChB_VSE_STEJNE->isChecked())
                copyRead();
            Q_EMIT changed();
        });
        return b;
    };
    auto label = [this](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    CB_CIST = make("CB_CIST");
    CB_EDITOVAT = make("CB_EDITOVAT");
    CB_SMAZAT = make("CB_SMAZAT");
    CB_ADMINISTROVAT = make("CB_ADMINISTROVAT");
    CB_ALARM = make("CB_ALARM");
    Label_CIST = label("Label_CIST", QStringLiteral("Číst"));
    Label_EDITOVAT = label("Label_EDITOVAT", QStringLiteral("Měnit"));
    Label_SMAZAT = label("Label_SMAZAT", QStringLiteral("Smazat"));
    Label_ADMINISTROVAT = label("Label_ADMINISTROVAT", QStringLiteral("Admin"));
    Label_ALARM = label("Label_ALARM", QStringLiteral("Alarm"));
    ChB_VSE_STEJNE = new QCheckBox(QStringLiteral("Všechna práva stejná"), this);
    ChB_VSE_STEJNE->setObjectName(QStringLiteral("ChB_VSE_STEJNE"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(ChB_VSE_STEJNE, 0, 0, 1, 2);
    const QList<QPair<QLabel *, TMKComboBox *>> rows{{Label_CIST, CB_CIST}, {Label_EDITOVAT, CB_EDITOVAT}, {Label_SMAZAT, CB_SMAZAT},
                                                     {Label_ADMINISTROVAT, CB_ADMINISTROVAT}, {Label_ALARM, CB_ALARM}};
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(rows[i].first, i + 1, 0);
        grid->addWidget(rows[i].second, i + 1, 1);
    }
    connect(ChB_VSE_STEJNE, &QCheckBox::toggled, this, [this]() {
        applySameRights();
        if (!m_loading) {
            m_modified = true;
            Q_EMIT changed();
        }
    });
    applySameRights();
}

void TFrame_Prava::applySameRights() {
    const bool all = ChB_VSE_STEJNE->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(Label_EDITOVAT), static_cast<QWidget *>(CB_EDITOVAT), static_cast<QWidget *>(Label_SMAZAT),
                       static_cast<QWidget *>(CB_SMAZAT), static_cast<QWidget *>(Label_ADMINISTROVAT), static_cast<QWidget *>(CB_ADMINISTROVAT)})
        w->setVisible(!all);
    Label_ALARM->setVisible(!all && m_withAlarm);
    CB_ALARM->setVisible(!all && m_withAlarm);
    if (all)
        copyRead();
}

void TFrame_Prava::copyRead() {
    for (TMKComboBox *b : {CB_EDITOVAT, CB_SMAZAT, CB_ADMINISTROVAT, CB_ALARM})
        b->setCurrentIndex(CB_CIST->currentIndex());
}

void TFrame_Prava::ShowRights(int read, int edit, int alarm, int admin, int del, bool withAlarm) {
    m_loading = true;
    m_withAlarm = withAlarm;
    for (TMKComboBox *b : {CB_CIST, CB_EDITOVAT, CB_ALARM, CB_ADMINISTROVAT, CB_SMAZAT}) {
        b->MKCLEAR();
        b->NaplnSQL(QStringLiteral("Select uzivskupina_id,popis from uzivskupina order by popis"));
        b->setCurrentIndex(-1);
    }
    CB_CIST->ZvolIDInteger(read);
    CB_EDITOVAT->ZvolIDInteger(edit);
    CB_ALARM->ZvolIDInteger(alarm);
    CB_ADMINISTROVAT->ZvolIDInteger(admin);
    CB_SMAZAT->ZvolIDInteger(del);
    applySameRights();
    m_loading = false;
    m_modified = false;
}

int TFrame_Prava::ReadGroup() const { return selectedId(CB_CIST); }
int TFrame_Prava::EditGroup() const { return selectedId(CB_EDITOVAT); }
int TFrame_Prava::AlarmGroup() const { return selectedId(CB_ALARM); }
int TFrame_Prava::AdminGroup() const { return selectedId(CB_ADMINISTROVAT); }
int TFrame_Prava::DeleteGroup() const { return selectedId(CB_SMAZAT); }

void TFrame_Prava::WriteRights(IniFile &file) const {
    const QString S = QStringLiteral("RIGHT");
    file.writeString(S, QStringLiteral("read"), CB_CIST->currentText());
    // While "all rights alike" can be used, the edit group follows the read group.
    file.writeString(S, QStringLiteral("edit"), ChB_VSE_STEJNE->isEnabled() ? CB_CIST->currentText() : CB_EDITOVAT->currentText());
    file.writeString(S, QStringLiteral("delete"), CB_SMAZAT->currentText());
    file.writeString(S, QStringLiteral("admin"), CB_ADMINISTROVAT->currentText());
    if (m_withAlarm)
        file.writeString(S, QStringLiteral("alarm"), CB_ALARM->currentText());
}

void TFrame_Prava::ReadRights(const IniFile &file) {
    m_loading = true;
    ChB_VSE_STEJNE->setChecked(false);
    ChB_VSE_STEJNE->setEnabled(false);
    applySameRights();
    const QList<QPair<const char *, TMKComboBox *>> keys{
        {"read", CB_CIST}, {"edit", CB_EDITOVAT}, {"delete", CB_SMAZAT}, {"admin", CB_ADMINISTROVAT}, {"alarm", CB_ALARM}};
    for (const auto &k : keys) {
        int index = findName(k.second, file.readString(QStringLiteral("RIGHT"), QLatin1String(k.first)));
        if (index < 0) {
            const int def = k.second->ids().indexOf(QString::number(Session::defaultGroupId()));
            index = def;
        }
        k.second->setCurrentIndex(index);
    }
    m_loading = false;
    m_modified = true;
}
