#include "framestrom.h"

#include "framework/idlists.h"
#include "framework/sqlrows.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int IdRole = Qt::UserRole;
constexpr int ParentIdRole = Qt::UserRole + 1;
}

TFrameStrom::TFrameStrom(QWidget *parent) : QWidget(parent) {
    m_tree = new QTreeWidget(this);
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
}

QString TFrameStrom::ParentSQL(const TFrameStrom &f) {
    return QStringLiteral("Select %1,%2 from %3 %4;").arg(f.ParentIdColumn, f.ParentTextColumn, f.ParentTable, f.ParentCondition);
}

QString TFrameStrom::ChildSQL(const TFrameStrom &f) {
    return QStringLiteral("Select %1,%2 from %3 %4;").arg(f.ChildIdColumn, f.ChildTextColumn, f.ChildTable, f.ChildCondition);
}

bool TFrameStrom::Load() {
    m_tree->clear();
    TMKDATASET parents, children;
    if (!ReadRows(ParentSQL(*this), parents) || !ReadRows(ChildSQL(*this), children))
        return false;
    for (int p = 1; p <= parents.RecordCount(); ++p) {
        auto *top = new QTreeWidgetItem(m_tree, QStringList{parents.Value(p, 2)});
        const QString parentId = parents.Value(p, 1).trimmed();
        top->setData(0, IdRole, parentId);
        top->setData(0, ParentIdRole, QStringLiteral("0"));
        top->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        top->setCheckState(0, Qt::Unchecked);
        for (int c = 1; c <= children.RecordCount(); ++c) {
            auto *child = new QTreeWidgetItem(top, QStringList{children.Value(c, 2)});
            child->setData(0, IdRole, children.Value(c, 1).trimmed());
            child->setData(0, ParentIdRole, parentId);
            child->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            child->setCheckState(0, Qt::Unchecked);
        }
    }
    applySelection();
    return true;
}

void TFrameStrom::applySelection() {
    for (int p = 0; p < m_tree->topLevelItemCount(); ++p) {
        QTreeWidgetItem *top = m_tree->topLevelItem(p);
        for (int c = 0; c < top->childCount(); ++c) {
            QTreeWidgetItem *child = top->child(c);
            if (TreeSelectionContains(Selection, NodeParentId(child), NodeId(child))) {
                child->setCheckState(0, Qt::Checked);
                top->setExpanded(true);
            }
        }
    }
}

QString TFrameStrom::NodeId(const QTreeWidgetItem *item) { return item->data(0, IdRole).toString(); }
QString TFrameStrom::NodeParentId(const QTreeWidgetItem *item) { return item->data(0, ParentIdRole).toString(); }

QString TFrameStrom::CheckedPairs() const {
    QString s;
    for (int p = 0; p < m_tree->topLevelItemCount(); ++p) {
        const QTreeWidgetItem *top = m_tree->topLevelItem(p);
        for (int c = 0; c < top->childCount(); ++c)
            if (top->child(c)->checkState(0) == Qt::Checked)
                s += TreePair(NodeParentId(top->child(c)), NodeId(top->child(c)));
    }
    return s;
}

QString TFrameStrom::CheckedTexts() const {
    QString s;
    for (int p = 0; p < m_tree->topLevelItemCount(); ++p) {
        const QTreeWidgetItem *top = m_tree->topLevelItem(p);
        for (int c = 0; c < top->childCount(); ++c)
            if (top->child(c)->checkState(0) == Qt::Checked)
                s += top->text(0) + QLatin1Char(' ') + top->child(c)->text(0) + QLatin1Char(',');
    }
    return s;
}

TFormStrom::TFormStrom(QWidget *parent) : QDialog(parent) {
    m_frame = new TFrameStrom(this);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    cancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_frame, 1);
    layout->addLayout(buttons);
    resize(360, 420);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}
