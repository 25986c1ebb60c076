#pragma once
#include <QList>

// Process-wide session state: who is logged in on this station. 0 means nobody.
namespace Session {
int currentUserId();
void setCurrentUserId(int id);
// Id of the user group whose rights new records receive (0 = none).
int defaultGroupId();
void setDefaultGroupId(int id);
// Groups the current user belongs to.
const QList<int> &groups();
void setGroups(const QList<int> &groups);
}
