#include "edituzivatel.h"
#include "memberlist.h"

#include "data/prompt.h"
#include "data/sqldata.h"
#include "localisation/langtext.h"
#include "security/usergroups.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Tedit_UZIVATEL::Tedit_UZIVATEL(TSQLDATA &db, QWidget *parent) : TFormLokalizace<QDialog>(parent), m_db(db) {
    setObjectName(QStringLiteral("edit_UZIVATEL"));
    setWindowTitle(QStringLiteral("Uživatel"));
    Edit_LOGIN = new QLineEdit(this);
    Edit_LOGIN->setObjectName(QStringLiteral("Edit_LOGIN"));
    Edit_POPIS = new QLineEdit(this);
    Edit_POPIS->setObjectName(QStringLiteral("Edit_POPIS"));
    Edit_HESLO = new QLineEdit(this);
    Edit_HESLO->setObjectName(QStringLiteral("Edit_HESLO"));
    Edit_HESLO->setEchoMode(QLineEdit::Password);
    ChB_ADMINISTRATOR = new QCheckBox(QStringLiteral("Administrátor"), this);
    ChB_ADMINISTRATOR->setObjectName(QStringLiteral("ChB_ADMINISTRATOR"));
    ChB_PRAVO_PRIHLASENI = new QCheckBox(QStringLiteral("Právo přihlášení"), this);
    ChB_PRAVO_PRIHLASENI->setObjectName(QStringLiteral("ChB_PRAVO_PRIHLASENI"));
    CL_SKUPINY = new QListWidget(this);
    CL_SKUPINY->setObjectName(QStringLiteral("CL_SKUPINY"));
    BT_ULOZIT = new QPushButton(QStringLiteral("Uložit"), this);
    BT_SMAZAT = new QPushButton(QStringLiteral("Smazat"), this);
    BT_ZAVRIT = new QPushButton(QStringLiteral("Zavřít"), this);
    BT_SMAZAT->hide();

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Login"), Edit_LOGIN);
    form->addRow(QStringLiteral("Popis"), Edit_POPIS);
    form->addRow(QStringLiteral("Heslo"), Edit_HESLO);
    form->addRow(QString(), ChB_ADMINISTRATOR);
    form->addRow(QString(), ChB_PRAVO_PRIHLASENI);
    form->addRow(QStringLiteral("Skupiny"), CL_SKUPINY);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BT_SMAZAT);
    buttons->addWidget(BT_ULOZIT);
    buttons->addWidget(BT_ZAVRIT);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    auto touched = [this]() {
        if (!m_loading)
            m_modified = true;
    };
    for (QLineEdit *e : {Edit_LOGIN, Edit_POPIS})
        connect(e, &QLineEdit::textEdited, this, touched);
    connect(Edit_HESLO, &QLineEdit::textEdited, this, [this, touched]() {
        m_passwordTyped = true;
        touched();
    });
    connect(ChB_ADMINISTRATOR, &QCheckBox::toggled, this, touched);
    connect(ChB_PRAVO_PRIHLASENI, &QCheckBox::toggled, this, touched);
    connect(CL_SKUPINY, &QListWidget::itemChanged, this, touched);
    connect(BT_ULOZIT, &QPushButton::clicked, this, [this]() {
        if (Save())
            accept();
    });
    connect(BT_ZAVRIT, &QPushButton::clicked, this, &QWidget::close);
    resize(420, 460);
}

void Tedit_UZIVATEL::Load(int userId) {
    m_loading = true;
    const UserRecord u = LoadUser(m_db, userId);
    m_id = userId;
    Edit_LOGIN->setText(u.login);
    Edit_POPIS->setText(u.description);
    m_storedPassword = u.password;
    m_passwordTyped = false;
    // The stored form is never shown; an empty box means "unchanged" unless the user types.
    Edit_HESLO->clear();
    Edit_HESLO->setPlaceholderText(u.password.isEmpty() ? QString() : QStringLiteral("••••••"));
    ChB_ADMINISTRATOR->setChecked(userId ? u.administrator : false);
    ChB_PRAVO_PRIHLASENI->setChecked(userId ? u.loginRight : true);
    FillMemberList(CL_SKUPINY, m_db, QStringLiteral("Select uzivskupina_id, popis from uzivskupina order by popis"), u.groups);
    m_loading = false;
    m_modified = false;
}

int Tedit_UZIVATEL::Save() {
    UserRecord u;
    u.id = m_id;
    u.login = Edit_LOGIN->text();
    u.description = Edit_POPIS->text();
    u.newPassword = m_passwordTyped;
    u.password = m_passwordTyped ? Edit_HESLO->text() : m_storedPassword;
    u.administrator = ChB_ADMINISTRATOR->isChecked();
    u.loginRight = ChB_PRAVO_PRIHLASENI->isChecked();
    u.groups = CheckedMembers(CL_SKUPINY);
    const int id = SaveUser(m_db, u);
    if (id) {
        m_id = id;
        m_modified = false;
    }
    return id;
}

void Tedit_UZIVATEL::closeEvent(QCloseEvent *event) {
    CloseChangedEditor(event, m_modified, [this] { return Save(); });
}
