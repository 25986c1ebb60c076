#pragma once
#include "localisation/widgets/formlokalizace.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class TSQLDATA;

// The user group editor: the group's name and its members; deleting moves every right that
// pointed to the group to a replacement chosen by the user.
class Tedit_UZIVSKUPINA : public TFormLokalizace<QDialog> {
    Q_OBJECT
public:
    explicit Tedit_UZIVSKUPINA(TSQLDATA &db, QWidget *parent = nullptr);
    void Load(int groupId);
    int Save();
    bool Delete();
    int GroupId() const { return m_id; }
    bool Modified() const { return m_modified; }

    QLineEdit *Edit_POPIS;
    QListWidget *CL_UZIVATELE;
    QPushButton *BT_ULOZIT, *BT_SMAZAT, *BT_ZAVRIT;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TSQLDATA &m_db;
    int m_id = 0;
    bool m_modified = false;
    bool m_loading = false;
};
