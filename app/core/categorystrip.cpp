#include "categorystrip.h"

#include <QStringList>

void CategoryStripState::applySelection(const QString &text) {
    if (text.startsWith(QLatin1String("T,")))
        box0 = true;
    else if (text.startsWith(QLatin1String("F,")))
        box0 = false;
    const QStringList items = text.split(QLatin1Char(','));
    for (CategoryBox &box : boxes)
        box.checked = !items.contains(QString::number(box.id));
}

QString CategoryStripState::selectionText() const {
    QString text = box0 ? QStringLiteral("T,") : QStringLiteral("F,");
    for (const CategoryBox &box : boxes)
        if (!box.checked)
            text += QString::number(box.id) + QLatin1Char(',');
    return text;
}

QString CategoryStripState::filter() const {
    QStringList ids;
    for (const CategoryBox &box : boxes)
        if (box.checked)
            ids << QString::number(box.id);
    return ids.isEmpty() ? QStringLiteral("0") : ids.join(QLatin1Char(','));
}

void CategoryStripState::applyBulk(Bulk change) {
    for (CategoryBox &box : boxes)
        box.checked = change == Bulk::CheckAll ? true : change == Bulk::UncheckAll ? false : !box.checked;
}

QString CategoryQuery(CategoryStripState::Kind kind) {
    switch (kind) {
    case CategoryStripState::Kind::Calendar: return QStringLiteral("Select * from ku_c_kat;");
    case CategoryStripState::Kind::Address: return QStringLiteral("Select * from adresar_c_kat;");
    default: return {};
    }
}
