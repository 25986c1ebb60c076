#pragma once
#include <QComboBox>
#include <QStringList>

// A drop-down list with an integer id behind every text; item i has the id at index i.
class TMKComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TMKComboBox(QWidget *parent = nullptr);

    void MKCLEAR();
    // Appends the text and its id, then shows and selects the first item.
    void Pridej(int id, const QString &text);
    // −1 for an index outside the list.
    int VratID(int index) const;
    // −1 when nothing is selected.
    int VratZvoleneID() const;
    QString VratZvolenyItems() const;
    // Selects the first item whose id text equals the text exactly; otherwise nothing changes.
    void ZvolID(const QString &idText);
    void ZvolIDInteger(int id);
    // An index beyond the last item clears the selection.
    void ZvolItem(int index);
    // Selects the first item with exactly this text (case-sensitive); otherwise nothing changes.
    void ZvolItemDleTextu(const QString &text);
    // Fills the list from a statement whose first column is the id and second the text.
    bool NaplnSQL(const QString &sql);

    const QStringList &ids() const { return m_ids; }

private:
    QStringList m_ids;
};
