#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QMap>
#include <QStringList>
#include <functional>

class TSQLDATA;

// A user as the user editor shows and saves it. `password` is what the password box holds: a
// stored form when unchanged, or a newly typed password (newPassword = true), which is hashed.
struct UserRecord {
    int id = 0; // 0 for a new user
    QString login;
    QString description;
    QString password;
    bool newPassword = false;
    bool administrator = false;
    bool loginRight = true;
    QList<int> groups;
};

struct GroupRecord {
    int id = 0;
    QString description;
    QList<int> users;
};

// Statements of one save, in the order of one transaction. New records take their id with
// GenId first (done by the caller: record.id must be set), `isNew` selects insert or update.
QStringList UserSaveStatements(const UserRecord &user, bool isNew);
QStringList GroupSaveStatements(const GroupRecord &group, bool isNew);
QStringList UserDeleteStatements(int userId);

// Loads and saves through the data-access object; errors are shown as statement + error text.
UserRecord LoadUser(TSQLDATA &db, int id);
GroupRecord LoadGroup(TSQLDATA &db, int id);
// Returns the saved id, 0 on failure.
int SaveUser(TSQLDATA &db, UserRecord user);
int SaveGroup(TSQLDATA &db, GroupRecord group);

// Every table with rights columns and its rights columns, in the order the replacement runs:
// first the tables of the user records (ukoly, poznamky, ku, kj_auto, adresar_zakl), then every
// other table that carries F_ columns (inspections, payments, invoices, ...), found in the
// database itself so that no record is left pointing at a group that no longer exists.
QList<QPair<QString, QStringList>> RightsColumns(TSQLDATA &db);
QStringList GroupReplacementStatements(const QList<QPair<QString, QStringList>> &columns, int deletedId, int replacementId);

// Deleting a group: asks text 1026, refuses the last group (1033), asks for the replacement
// through chooseReplacement (0 = none chosen) and refuses a missing or identical one (1122);
// then replaces and deletes in one batch and notifies. True when the group is gone.
bool DeleteGroup(TSQLDATA &db, int groupId, const std::function<int()> &chooseReplacement);
