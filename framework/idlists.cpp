#include "idlists.h"

bool CheckListContains(const QString &selectedIds, const QString &id) {
    return (QLatin1Char(';') + selectedIds).contains(QLatin1Char(';') + id + QLatin1Char(';'));
}

QString CheckListIdsText(const QStringList &checkedIds) {
    QString s;
    for (const QString &id : checkedIds)
        s += id + QLatin1Char(';');
    return s;
}

QString CheckListTextsText(const QStringList &checkedTexts) {
    QString s;
    for (const QString &t : checkedTexts)
        s += t + QLatin1Char(',');
    return s;
}

bool CheckBoxValueChecked(const QString &value) { return !value.isEmpty() && value != QLatin1String("0"); }

QStringList CheckListSearchNames(const QString &text) {
    QStringList names;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QString name = part.trimmed();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

QString SwappedName(const QString &name) {
    if (name.count(QLatin1Char(' ')) != 1)
        return {};
    const qsizetype blank = name.indexOf(QLatin1Char(' '));
    return name.mid(blank + 1) + QLatin1Char(' ') + name.left(blank);
}

QList<int> MatchCheckListLines(const QStringList &lines, const QString &name) {
    const QString swapped = SwappedName(name);
    QList<int> found;
    for (int i = 0; i < lines.size(); ++i)
        if (lines.at(i) == name || (!swapped.isEmpty() && lines.at(i) == swapped))
            found << i;
    return found;
}

QString TreePair(const QString &parentId, const QString &childId) {
    return parentId + QLatin1Char(',') + childId + QLatin1Char(';');
}

bool TreeSelectionContains(const QString &selection, const QString &parentId, const QString &childId) {
    // Anchored at a pair boundary so that "3,12;" is not found inside "13,12;".
    return (QLatin1Char(';') + selection).contains(QLatin1Char(';') + TreePair(parentId, childId));
}

QString JoinIds(const QStringList &ids) { return ids.join(QLatin1Char(',')); }
