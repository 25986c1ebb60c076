#pragma once
#include <QList>
#include <QString>

// Process-wide session state: who is logged in on this station. 0 means nobody.
namespace Session {
int currentUserId();
void setCurrentUserId(int id);
bool isAdministrator();
void setAdministrator(bool admin);
// Id of the user group whose rights new records receive (0 = none).
int defaultGroupId();
void setDefaultGroupId(int id);
// Groups the current user belongs to (at most 1000 are kept).
const QList<int> &groups();
void setGroups(const QList<int> &groups);
// The same as a comma-separated text, as list queries use it.
QString groupListText();
// Forgets everything (log-out, failed claim).
void clear();
}
