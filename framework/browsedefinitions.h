#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

class StringGridCore;
class TSQLDATA;

// What a definition reads at the moment it is opened besides the session (user, groups).
struct BrowseContext {
    bool networkMode = false;
    // The main window's check box that widens the category filter to all categories of a record.
    bool allCategories = false;
    // Comma lists of the categories chosen in the main window; empty when none is chosen.
    QString addressCategories;
    QString calendarCategories;
    // The user's last handled alarm moment (D.M.YYYY and H:MM:SS).
    QString lastAlarmDate;
    QString lastAlarmTime;
    // Inspection period unit of the configuration ("M" months, "R" years).
    QString periodType = QStringLiteral("M");
    // Preparation dialog of the trips of one car: false when cancelled. Dates may stay invalid.
    std::function<bool(int *carId, QDate *from, QDate *to)> chooseCar;
};

enum class BrowseEditorKind { EditDefinition, Dedicated, None };

struct BrowseDefinitionInfo {
    QString name;
    QString table;
    BrowseEditorKind kind = BrowseEditorKind::None;
    int number = 0; // edit definition N or message M
};

// Every named definition, in the order of the catalogue.
const QList<BrowseDefinitionInfo> &BrowseDefinitions();
QStringList BrowseDefinitionNames();
const BrowseDefinitionInfo *FindBrowseDefinition(const QString &name);

// Applies the named definition to the grid without loading it; false for an unknown name or a
// cancelled preparation. *sortArgument and *oddEven tell how to load it.
bool ApplyBrowseDefinition(StringGridCore &grid, const QString &name, const QString &extraCondition, const BrowseContext &context,
                           int *sortArgument, bool *oddEven);
// Applies, loads, colours and puts the grid into all-columns search mode. False only when the
// preparation of the trips of one car is cancelled or no car is chosen (the grid stays hidden).
bool OpenBrowseDefinition(StringGridCore &grid, const QString &name, const QString &extraCondition, const BrowseContext &context);

// The extra condition of the lists for a period: empty dates stand for the widest period.
QString PeriodCondition(const QString &column, const QDate &from, const QDate &to, bool activeOnly = false);

// The context for the logged-in user: chosen categories from the user settings (every category
// but the unchecked ones), the last alarm moment from the user's row.
BrowseContext BrowseContextForUser(TSQLDATA &db, int userId);
