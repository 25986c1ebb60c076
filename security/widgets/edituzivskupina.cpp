#include "edituzivskupina.h"
#include "memberlist.h"

#include "data/prompt.h"
#include "data/sqldata.h"
#include "framework/widgets/mkcombobox.h"
#include "framework/widgets/onefielddialogs.h"
#include "localisation/langtext.h"
#include "security/usergroups.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Tedit_UZIVSKUPINA::Tedit_UZIVSKUPINA(TSQLDATA &db, QWidget *parent) : TFormLokalizace<QDialog>(parent), m_db(db) {
    setObjectName(QStringLiteral("edit_UZIVSKUPINA"));
    setWindowTitle(QStringLiteral("Skupina uživatelů"));
    Edit_POPIS = new QLineEdit(this);
    Edit_POPIS->setObjectName(QStringLiteral("Edit_POPIS"));
    CL_UZIVATELE = new QListWidget(this);
    CL_UZIVATELE->setObjectName(QStringLiteral("CL_UZIVATELE"));
    BT_ULOZIT = new QPushButton(QStringLiteral("Uložit"), this);
    BT_SMAZAT = new QPushButton(QStringLiteral("Smazat"), this);
    BT_ZAVRIT = new QPushButton(QStringLiteral("Zavřít"), this);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Popis"), Edit_POPIS);
    form->addRow(QStringLiteral("Uživatelé"), CL_UZIVATELE);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BT_SMAZAT);
    buttons->addWidget(BT_ULOZIT);
    buttons->addWidget(BT_ZAVRIT);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(Edit_POPIS, &QLineEdit::textEdited, this, [this]() { m_modified = true; });
    connect(CL_UZIVATELE, &QListWidget::itemChanged, this, [this]() {
        if (!m_loading)
            m_modified = true;
    });
    connect(BT_ULOZIT, &QPushButton::clicked, this, [this]() {
        if (Save())
            accept();
    });
    connect(BT_SMAZAT, &QPushButton::clicked, this, [this]() {
        if (Delete())
            accept();
    });
    connect(BT_ZAVRIT, &QPushButton::clicked, this, &QWidget::close);
    resize(420, 420);
}

void Tedit_UZIVSKUPINA::Load(int groupId) {
    m_loading = true;
    const GroupRecord g = LoadGroup(m_db, groupId);
    m_id = groupId;
    Edit_POPIS->setText(g.description);
    BT_SMAZAT->setVisible(groupId != 0);
    FillMemberList(CL_UZIVATELE, m_db, QStringLiteral("Select uzivatel_id, popis from uzivatel order by popis"), g.users);
    m_loading = false;
    m_modified = false;
}

int Tedit_UZIVSKUPINA::Save() {
    GroupRecord g;
    g.id = m_id;
    g.description = Edit_POPIS->text();
    g.users = CheckedMembers(CL_UZIVATELE);
    const int id = SaveGroup(m_db, g);
    if (id) {
        m_id = id;
        m_modified = false;
    }
    return id;
}

bool Tedit_UZIVSKUPINA::Delete() {
    return DeleteGroup(m_db, m_id, [this]() {
        TFormComboBox2 dialog(this);
        dialog.setWindowTitle(LangText(1121));
        dialog.Fill(QStringLiteral("Select uzivskupina.uzivskupina_id as ID,popis as text from uzivskupina order by popis;"));
        return dialog.exec() == QDialog::Accepted ? dialog.ChosenId() : 0;
    });
}

void Tedit_UZIVSKUPINA::closeEvent(QCloseEvent *event) {
    CloseChangedEditor(event, m_modified, [this] { return Save(); });
}
