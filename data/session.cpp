#include "session.h"

namespace {
int g_user = 0;
int g_defaultGroup = 0;
QList<int> g_groups;
}

namespace Session {
int currentUserId() { return g_user; }
void setCurrentUserId(int id) { g_user = id; }
int defaultGroupId() { return g_defaultGroup; }
void setDefaultGroupId(int id) { g_defaultGroup = id; }
const QList<int> &groups() { return g_groups; }
void setGroups(const QList<int> &groups) { g_groups = groups; }
}
