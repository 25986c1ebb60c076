#pragma once
#include "localisation/widgets/formlokalizace.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The change-password dialog of password fields: the new password typed twice. The field then
// receives the stored form of the password (the salted hash), or nothing for an empty one.
class TFormZmenaHesla : public TFormLokalizace<QDialog> {
    Q_OBJECT
public:
    explicit TFormZmenaHesla(QWidget *parent = nullptr, bool showOldPassword = false);
    // OK: false (with the message) when the two texts differ; the result is then unchanged.
    bool Confirm();
    QString Result() const { return m_result; }

    QLineEdit *Edit_StareHeslo, *Edit_NoveHeslo, *Edit_Potvrzeni;

private:
    QLabel *m_oldLabel;
    QString m_result;
};

// The password generator: MD5 of an address and a master password, and a shortened part of it.
class TForm_PasswordMD5 : public TFormLokalizace<QDialog> {
    Q_OBJECT
public:
    explicit TForm_PasswordMD5(QWidget *parent = nullptr);
    void Vygenerovat();
    void VygenerovatDoSchranky();
    void UpravitAdresu();
    void VlozitAdresu();

    QLineEdit *Edit_Adresa, *Edit_HlavniHeslo, *Edit_Vysledek, *Edit_Zkracene;
    QCheckBox *ChB_Skryte;
    QSpinBox *SE_Od, *SE_Delka;
};
