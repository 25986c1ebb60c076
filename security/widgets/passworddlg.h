#pragma once
#include "localisation/widgets/formlokalizace.h"

#include <QDialog>

class QLineEdit;

// The log-in dialog: a name and a masked password. What the OK button means (checking one
// account, loading the session) is LoginService's; the dialog only collects the two texts.
class TPasswordDlg : public TFormLokalizace<QDialog> {
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget *parent = nullptr);
    void setName(const QString &name);
    QString name() const;
    QString password() const;

    QLineEdit *Edit_JMENO = nullptr;
    QLineEdit *EDIT_Password = nullptr;
};
