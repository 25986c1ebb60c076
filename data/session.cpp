#include "session.h"

#include <QStringList>

namespace {
int g_user = 0;
bool g_admin = false;
int g_defaultGroup = 0;
QList<int> g_groups;
}

namespace Session {
int currentUserId() { return g_user; }
void setCurrentUserId(int id) { g_user = id; }
bool isAdministrator() { return g_admin; }
void setAdministrator(bool admin) { g_admin = admin; }
int defaultGroupId() { return g_defaultGroup; }
void setDefaultGroupId(int id) { g_defaultGroup = id; }
const QList<int> &groups() { return g_groups; }
void setGroups(const QList<int> &groups) { g_groups = groups.mid(0, 1000); }
QString groupListText() {
    QStringList parts;
    for (int g : g_groups)
        parts << QString::number(g);
    return parts.join(QLatin1Char(','));
}
void clear() {
    g_user = 0;
    g_admin = false;
    g_defaultGroup = 0;
    g_groups.clear();
}
}
