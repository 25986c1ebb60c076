#pragma once
#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;

// Check list dialog for link fields: the choices come from a statement (columns ID and TEXT), the
// selection travels as ids each followed by ";" ("4;7;"). With an insert statement (one "%s") a
// name searched for but missing can be added to the choices.
class TFormCheckList : public QDialog {
    Q_OBJECT
public:
    explicit TFormCheckList(QWidget *parent = nullptr);

    QString SQL;
    QString SelectedIds;
    QString InsertSQL;

    // Clears the search, loads the choices and checks the selected ids (inverted in inverted mode).
    bool Load(bool inverted, const QString &caption);
    // Load and show; true after "OK", which stores the checked ids in SelectedIds.
    bool Open(bool inverted, const QString &caption);

    // Every checked line's id followed by ";".
    QString CheckedIds() const;
    // Every checked line's text followed by ",".
    QString CheckedTexts() const;

    // The search button: checks the lines named in the search edit (names separated by ",").
    void Hledej();
    void OznacVse();
    void OdoznacVse();

    bool AddingAllowed() const { return m_addingAllowed; }
    bool Inverted() const { return m_inverted; }
    int count() const;
    QString text(int row) const;
    QString id(int row) const;
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    QLineEdit *searchEdit() const { return m_search; }
    QListWidget *list() const { return m_list; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool loadRows(const QString &selection, bool invert);
    void searchName(const QString &name);
    void BT_OKClick();

    QLineEdit *m_search = nullptr;
    QListWidget *m_list = nullptr;
    QStringList m_ids;
    bool m_inverted = false;
    bool m_addingAllowed = false;
};
