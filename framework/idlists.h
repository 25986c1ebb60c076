#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Text forms in which lists of ids travel between the controls and the records that store them.

// Check lists: every id followed by ";" ("4;7;"); a stored text may also begin with ";".
// True when ";" id ";" occurs in ";" followed by the selected-ids text.
bool CheckListContains(const QString &selectedIds, const QString &id);
QString CheckListIdsText(const QStringList &checkedIds);
// Every checked text followed by ",".
QString CheckListTextsText(const QStringList &checkedTexts);

// A value of the HODNOTA column that checks its line: not empty and not "0".
bool CheckBoxValueChecked(const QString &value);

// The names of a check-list search: the text split at ",", each name trimmed, empty names left out.
QStringList CheckListSearchNames(const QString &text);
// "Novák Jan" for "Jan Novák": a name with exactly one blank also matches its two words swapped;
// empty for any other name.
QString SwappedName(const QString &name);
// Indexes of the lines whose text equals the name or its swapped form.
QList<int> MatchCheckListLines(const QStringList &lines, const QString &name);

// Trees of pairs: parent id "," child id ";" for each checked child ("3,12;5,7;").
QString TreePair(const QString &parentId, const QString &childId);
bool TreeSelectionContains(const QString &selection, const QString &parentId, const QString &childId);

// Multiple selection of a list box: the ids joined with ",".
QString JoinIds(const QStringList &ids);
