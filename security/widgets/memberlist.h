#pragma once
#include <QList>
#include <QString>
#include <functional>

class QCloseEvent;
class QListWidget;
class TSQLDATA;

// The check lists of the user and group editors: one checkable item per row of an "id, text"
// query, checked when its id is among the members.
void FillMemberList(QListWidget *list, TSQLDATA &db, const QString &sql, const QList<int> &members);
QList<int> CheckedMembers(const QListWidget *list);

// Closing a changed editor asks text 1045; a save that fails (returns 0) shows 1024 and keeps the
// editor open.
void CloseChangedEditor(QCloseEvent *event, bool modified, const std::function<int()> &save);
