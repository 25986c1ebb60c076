#pragma once
#include <QString>

// True when the group id is 0 (everybody) or one of the current user's groups.
bool IsMember(int groupId);

// Condition that list queries append so that the current user sees only records whose read
// group is empty, 0, or one of the user's groups: " where (...)" as the first condition,
// " and (...)" after others. A user in no group sees only the records open to everybody.
QString ReadFilter(const QString &alias, bool asFirstCondition);
// The same for a given group list (comma-separated ids), for tools that act for another user.
QString ReadFilterFor(const QString &alias, bool asFirstCondition, const QString &groupList);

// What an editor lets the current user do with a loaded record.
struct EditorRights {
    bool readOnly = false;
    bool canDelete = false;
    bool rightsFrameEnabled = false;
};
EditorRights RightsForRecord(int editGroup, int deleteGroup, int adminGroup);
