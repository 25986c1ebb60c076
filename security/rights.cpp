#include "rights.h"

#include "data/session.h"

bool IsMember(int groupId) { return groupId == 0 || Session::groups().contains(groupId); }

QString ReadFilterFor(const QString &alias, bool asFirstCondition, const QString &groupList) {
    const QString open = QStringLiteral("(") + alias + QStringLiteral(".f_cist is null) or (") + alias + QStringLiteral(".f_cist=0)");
    QString condition = groupList.trimmed().isEmpty()
                            ? QStringLiteral("(") + open + QStringLiteral(")")
                            : QStringLiteral("(") + open + QStringLiteral(" or (") + alias + QStringLiteral(".f_cist in (") + groupList
                                  + QStringLiteral(")))");
    return QStringLiteral(" ") + (asFirstCondition ? QStringLiteral("where") : QStringLiteral("and")) + QStringLiteral(" ") + condition;
}

QString ReadFilter(const QString &alias, bool asFirstCondition) {
    return ReadFilterFor(alias, asFirstCondition, Session::groupListText());
}

EditorRights RightsForRecord(int editGroup, int deleteGroup, int adminGroup) {
    EditorRights r;
    r.readOnly = !IsMember(editGroup);
    r.canDelete = IsMember(deleteGroup);
    r.rightsFrameEnabled = !r.readOnly && IsMember(adminGroup);
    return r;
}
