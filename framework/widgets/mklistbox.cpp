#include "mklistbox.h"

#include "framework/idlists.h"
#include "framework/sqlrows.h"

TMKListBox::TMKListBox(QWidget *parent) : QListWidget(parent) {}

void TMKListBox::MKCLEAR() {
    clear();
    m_ids.clear();
}

void TMKListBox::Pridej(int id, const QString &text) {
    m_ids << QString::number(id);
    addItem(text);
}

int TMKListBox::VratID(int index) const {
    if (index < 0 || index >= m_ids.size())
        return -1;
    return m_ids.at(index).toInt();
}

int TMKListBox::selectedRow() const {
    // With multiple selection the focused line counts when it is selected, else the first selected.
    if (currentItem() && currentItem()->isSelected())
        return currentRow();
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            return i;
    return -1;
}

int TMKListBox::VratZvoleneID() const {
    if (m_ids.isEmpty())
        return -1;
    const int row = selectedRow();
    return VratID(row < 0 ? 0 : row);
}

QString TMKListBox::VratZvolenyItems() const {
    const int row = selectedRow();
    return row < 0 ? QString() : item(row)->text();
}

QString TMKListBox::VratOznaceneID() const {
    QStringList ids;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            ids << m_ids.value(i);
    return JoinIds(ids);
}

bool TMKListBox::NaplnSQL(const QString &sql) {
    MKCLEAR();
    TMKDATASET ds;
    if (!ReadRows(sql, ds))
        return false;
    for (int r = 1; r <= ds.RecordCount(); ++r)
        Pridej(ds.Value(r, 1).toInt(), ds.Value(r, 2));
    return true;
}
