#include "memberlist.h"

#include "data/prompt.h"
#include "data/sqldata.h"
#include "localisation/langtext.h"

#include <QCloseEvent>
#include <QListWidget>

void FillMemberList(QListWidget *list, TSQLDATA &db, const QString &sql, const QList<int> &members) {
    list->clear();
    TMKDATASET rows;
    db.FillDataset(sql, rows);
    for (int r = 1; r <= rows.RecordCount(); ++r) {
        const int id = rows.Value(r, 1).toInt();
        auto *item = new QListWidgetItem(rows.Value(r, 2), list);
        item->setData(Qt::UserRole, id);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(members.contains(id) ? Qt::Checked : Qt::Unchecked);
    }
}

QList<int> CheckedMembers(const QListWidget *list) {
    QList<int> ids;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            ids << list->item(i)->data(Qt::UserRole).toInt();
    return ids;
}

void CloseChangedEditor(QCloseEvent *event, bool modified, const std::function<int()> &save) {
    if (modified && prompt().ask(LangText(1045)) && !save()) {
        prompt().message(LangText(1024), Prompt::Kind::Error);
        event->ignore();
        return;
    }
    event->accept();
}
