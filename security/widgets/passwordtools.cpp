#include "passwordtools.h"

#include "data/prompt.h"
#include "security/passwords.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TFormZmenaHesla::TFormZmenaHesla(QWidget *parent, bool showOldPassword) : TFormLokalizace<QDialog>(parent) {
    setObjectName(QStringLiteral("FormZmenaHesla"));
    setWindowTitle(QStringLiteral("Změna hesla"));
    auto edit = [this](const char *name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setEchoMode(QLineEdit::Password);
        return e;
    };
    Edit_StareHeslo = edit("Edit_StareHeslo");
    Edit_NoveHeslo = edit("Edit_NoveHeslo");
    Edit_Potvrzeni = edit("Edit_Potvrzeni");
    auto *form = new QFormLayout;
    m_oldLabel = new QLabel(QStringLiteral("Původní heslo:"), this);
    form->addRow(m_oldLabel, Edit_StareHeslo);
    form->addRow(QStringLiteral("Nové heslo:"), Edit_NoveHeslo);
    form->addRow(QStringLiteral("Potvrzení hesla:"), Edit_Potvrzeni);
    m_oldLabel->setVisible(showOldPassword);
    Edit_StareHeslo->setVisible(showOldPassword);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this]() {
        if (Confirm())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    (showOldPassword ? Edit_StareHeslo : Edit_NoveHeslo)->setFocus();
}

bool TFormZmenaHesla::Confirm() {
    if (Edit_NoveHeslo->text() != Edit_Potvrzeni->text()) {
        prompt().message(QStringLiteral("Heslo a potvrzení hesla si neodpovídají.\r\nHeslo nebylo změněno !"), Prompt::Kind::Error);
        return false;
    }
    m_result = HashPassword(Edit_NoveHeslo->text());
    return true;
}

TForm_PasswordMD5::TForm_PasswordMD5(QWidget *parent) : TFormLokalizace<QDialog>(parent) {
    setObjectName(QStringLiteral("Form_PasswordMD5"));
    setWindowTitle(QStringLiteral("Zorva - generátor hesel"));
    Edit_Adresa = new QLineEdit(this);
    Edit_HlavniHeslo = new QLineEdit(this);
    Edit_HlavniHeslo->setEchoMode(QLineEdit::Password);
    Edit_Vysledek = new QLineEdit(this);
    Edit_Vysledek->setReadOnly(true);
    Edit_Zkracene = new QLineEdit(this);
    Edit_Zkracene->setReadOnly(true);
    ChB_Skryte = new QCheckBox(QStringLiteral("Skryté heslo"), this);
    ChB_Skryte->setChecked(true);
    SE_Od = new QSpinBox(this);
    SE_Od->setRange(1, 32);
    SE_Od->setValue(1);
    SE_Delka = new QSpinBox(this);
    SE_Delka->setRange(1, 32);
    SE_Delka->setValue(10);
    auto *host = new QPushButton(QStringLiteral("Upravit"), this);
    host->setToolTip(QStringLiteral("Odstraní z adresy parametry a ostatní pro vygenerování hesla nepotřebné informace"));
    auto *paste = new QPushButton(QStringLiteral("Vložit"), this);
    auto *gen = new QPushButton(QStringLiteral("Vygenerovat"), this);
    auto *genClip = new QPushButton(QStringLiteral("Vygenerovat do schránky"), this);

    auto *addressRow = new QHBoxLayout;
    addressRow->addWidget(Edit_Adresa);
    addressRow->addWidget(host);
    addressRow->addWidget(paste);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Adresa"), addressRow);
    form->addRow(QStringLiteral("Hlavní heslo"), Edit_HlavniHeslo);
    form->addRow(QString(), ChB_Skryte);
    form->addRow(QStringLiteral("Výsledné heslo"), Edit_Vysledek);
    form->addRow(QStringLiteral("Od"), SE_Od);
    form->addRow(QStringLiteral("Délka"), SE_Delka);
    form->addRow(QStringLiteral("Zkrácené heslo"), Edit_Zkracene);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(gen);
    buttons->addWidget(genClip);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(ChB_Skryte, &QCheckBox::toggled, this, [this](bool hidden) {
        Edit_HlavniHeslo->setEchoMode(hidden ? QLineEdit::Password : QLineEdit::Normal);
        if (!hidden)
            Edit_HlavniHeslo->clear();
    });
    connect(gen, &QPushButton::clicked, this, &TForm_PasswordMD5::Vygenerovat);
    connect(genClip, &QPushButton::clicked, this, &TForm_PasswordMD5::VygenerovatDoSchranky);
    connect(host, &QPushButton::clicked, this, &TForm_PasswordMD5::UpravitAdresu);
    connect(paste, &QPushButton::clicked, this, &TForm_PasswordMD5::VlozitAdresu);
    resize(520, 300);
}

void TForm_PasswordMD5::Vygenerovat() {
    const GeneratedPassword g = GeneratePassword(Edit_Adresa->text(), Edit_HlavniHeslo->text(), SE_Od->value(), SE_Delka->value());
    Edit_Vysledek->setText(g.full);
    Edit_Zkracene->setText(g.shortened);
}

void TForm_PasswordMD5::VygenerovatDoSchranky() {
    Vygenerovat();
    QGuiApplication::clipboard()->setText(Edit_Zkracene->text());
}

void TForm_PasswordMD5::UpravitAdresu() { Edit_Adresa->setText(AddressHost(Edit_Adresa->text())); }

void TForm_PasswordMD5::VlozitAdresu() { Edit_Adresa->setText(QGuiApplication::clipboard()->text()); }
