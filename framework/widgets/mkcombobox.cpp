#include "mkcombobox.h"

#include "framework/sqlrows.h"

TMKComboBox::TMKComboBox(QWidget *parent) : QComboBox(parent) {}

void TMKComboBox::MKCLEAR() {
    clear();
    m_ids.clear();
}

void TMKComboBox::Pridej(int id, const QString &text) {
    m_ids << QString::number(id);
    addItem(text);
    setCurrentIndex(0);
}

int TMKComboBox::VratID(int index) const {
    if (index < 0 || index >= m_ids.size())
        return -1;
    return m_ids.at(index).toInt();
}

int TMKComboBox::VratZvoleneID() const { return currentIndex() < 0 ? -1 : VratID(currentIndex()); }

QString TMKComboBox::VratZvolenyItems() const { return currentIndex() < 0 ? QString() : itemText(currentIndex()); }

void TMKComboBox::ZvolID(const QString &idText) {
    const qsizetype i = m_ids.indexOf(idText);
    if (i >= 0)
        setCurrentIndex(int(i));
}

void TMKComboBox::ZvolIDInteger(int id) { ZvolID(QString::number(id)); }

void TMKComboBox::ZvolItem(int index) { setCurrentIndex(index >= 0 && index < count() ? index : -1); }

void TMKComboBox::ZvolItemDleTextu(const QString &text) {
    const int i = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0)
        setCurrentIndex(i);
}

bool TMKComboBox::NaplnSQL(const QString &sql) {
    MKCLEAR();
    TMKDATASET ds;
    if (!ReadRows(sql, ds))
        return false;
    for (int r = 1; r <= ds.RecordCount(); ++r)
        Pridej(ds.Value(r, 1).toInt(), ds.Value(r, 2));
    return true;
}
