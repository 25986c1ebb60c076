#pragma once
#include <QListWidget>
#include <QStringList>

// A list box with an integer id behind every line; may allow multiple selection.
class TMKListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TMKListBox(QWidget *parent = nullptr);

    void MKCLEAR();
    // Appends without changing the selection.
    void Pridej(int id, const QString &text);
    // −1 for an index outside the list.
    int VratID(int index) const;
    // The id of the selected line; the first line's id when none is selected; −1 on an empty list.
    int VratZvoleneID() const;
    // The text of the selected line; empty when none is selected.
    QString VratZvolenyItems() const;
    // The ids of all selected lines in list order, joined with ",".
    QString VratOznaceneID() const;
    // Fills the list from a statement whose first column is the id and second the text.
    bool NaplnSQL(const QString &sql);

    const QStringList &ids() const { return m_ids; }

private:
    int selectedRow() const;
    QStringList m_ids;
};
