#include "passworddlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPasswordDlg::TPasswordDlg(QWidget *parent) : TFormLokalizace<QDialog>(parent) {
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(QStringLiteral("Zorva - Přihlášení"));
    Edit_JMENO = new QLineEdit(this);
    Edit_JMENO->setObjectName(QStringLiteral("Edit_JMENO"));
    EDIT_Password = new QLineEdit(this);
    EDIT_Password->setObjectName(QStringLiteral("EDIT_Password"));
    EDIT_Password->setEchoMode(QLineEdit::Password);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Login"), Edit_JMENO);
    form->addRow(QStringLiteral("Heslo"), EDIT_Password);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

void TPasswordDlg::setName(const QString &name) {
    Edit_JMENO->setText(name);
    // With a name given, the password is what is left to type.
    (name.isEmpty() ? Edit_JMENO : EDIT_Password)->setFocus();
}

QString TPasswordDlg::name() const { return Edit_JMENO->text(); }
QString TPasswordDlg::password() const { return EDIT_Password->text(); }
