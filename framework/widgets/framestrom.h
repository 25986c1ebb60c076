#pragma once
#include <QDialog>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

// A two-level tree of pairs: every row of the parent table is a top node with all rows of the
// child table under it. The selection travels as parent id "," child id ";" pairs.
class TFrameStrom : public QWidget {
    Q_OBJECT
public:
    explicit TFrameStrom(QWidget *parent = nullptr);

    QString ParentTable, ChildTable;
    QString ParentIdColumn, ChildIdColumn;
    QString ParentTextColumn, ChildTextColumn;
    QString ParentCondition, ChildCondition;
    // The stored selection; its pairs are checked after loading.
    QString Selection;

    bool Load();
    // For every checked child node: its parent's id, ",", its own id, ";".
    QString CheckedPairs() const;
    // For every checked child node: the parent's text, a blank, the child's text, ",".
    QString CheckedTexts() const;

    QTreeWidget *tree() const { return m_tree; }
    // The node's own id and its parent's id (0 for a parent node).
    static QString NodeId(const QTreeWidgetItem *item);
    static QString NodeParentId(const QTreeWidgetItem *item);

    static QString ParentSQL(const TFrameStrom &f);
    static QString ChildSQL(const TFrameStrom &f);

private:
    void applySelection();
    QTreeWidget *m_tree = nullptr;
};

// The tree in a dialog with "OK" and "Cancel".
class TFormStrom : public QDialog {
    Q_OBJECT
public:
    explicit TFormStrom(QWidget *parent = nullptr);
    TFrameStrom *frame() const { return m_frame; }

private:
    TFrameStrom *m_frame;
};
