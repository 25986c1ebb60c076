#pragma once
#include "localisation/widgets/formlokalizace.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class TSQLDATA;

// The user editor: log-in name, display name, password, administrator flag, log-in right and
// the groups the user belongs to. A password typed here is stored hashed; leaving the box
// untouched keeps what is stored.
class Tedit_UZIVATEL : public TFormLokalizace<QDialog> {
    Q_OBJECT
public:
    explicit Tedit_UZIVATEL(TSQLDATA &db, QWidget *parent = nullptr);
    void Load(int userId);
    // Returns the saved id, 0 when the save failed (the window stays open).
    int Save();
    int UserId() const { return m_id; }
    bool Modified() const { return m_modified; }

    QLineEdit *Edit_LOGIN, *Edit_HESLO, *Edit_POPIS;
    QCheckBox *ChB_ADMINISTRATOR, *ChB_PRAVO_PRIHLASENI;
    QListWidget *CL_SKUPINY;
    QPushButton *BT_ULOZIT, *BT_SMAZAT, *BT_ZAVRIT;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TSQLDATA &m_db;
    int m_id = 0;
    QString m_storedPassword;
    bool m_passwordTyped = false;
    bool m_modified = false;
    bool m_loading = false;
};
