#include "framecheckbox.h"

#include "framework/idlists.h"
#include "framework/sqlrows.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

TFrameCheckBox::TFrameCheckBox(QWidget *parent) : QWidget(parent) {
    m_list = new QListWidget(this);
    auto makeButton = [this](const QString &caption, const QString &hint) {
        auto *b = new QToolButton(this);
        b->setText(caption);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        return b;
    };
    m_all = makeButton(QStringLiteral("☑"), QStringLiteral("Označ vše"));
    m_none = makeButton(QStringLiteral("☐"), QStringLiteral("Odoznač vše"));
    m_invert = makeButton(QStringLiteral("⇄"), QStringLiteral("Obrať označení"));
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(m_all);
    buttons->addWidget(m_none);
    buttons->addWidget(m_invert);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(buttons);
    layout->addWidget(m_list);

    connect(m_all, &QToolButton::clicked, this, &TFrameCheckBox::OznacVse);
    connect(m_none, &QToolButton::clicked, this, &TFrameCheckBox::OdoznacVse);
    connect(m_invert, &QToolButton::clicked, this, &TFrameCheckBox::ObratOznaceni);
    connect(m_list, &QListWidget::itemChanged, this, [this] {
        if (!m_loading)
            m_changed = true;
    });
    connect(m_list, &QListWidget::itemClicked, this, [this] { m_changed = true; });
}

bool TFrameCheckBox::Load(const QString &sql) {
    m_loading = true;
    m_list->clear();
    m_ids.clear();
    m_changed = false;
    TMKDATASET ds;
    const bool ok = ReadRows(sql, ds);
    const int cId = ds.FieldIndex(QStringLiteral("ID"));
    const int cPopis = ds.FieldIndex(QStringLiteral("POPIS"));
    const int cHodnota = ds.FieldIndex(QStringLiteral("HODNOTA"));
    for (int r = 1; r <= ds.RecordCount(); ++r) {
        auto *item = new QListWidgetItem(ds.Value(r, cPopis), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(CheckBoxValueChecked(ds.Value(r, cHodnota)) ? Qt::Checked : Qt::Unchecked);
        m_ids << ds.Value(r, cId);
    }
    m_loading = false;
    return ok;
}

int TFrameCheckBox::count() const { return m_list->count(); }
int TFrameCheckBox::id(int row) const { return m_ids.value(row, QStringLiteral("-1")).toInt(); }
QString TFrameCheckBox::text(int row) const { return row >= 0 && row < count() ? m_list->item(row)->text() : QString(); }
bool TFrameCheckBox::isChecked(int row) const {
    return row >= 0 && row < count() && m_list->item(row)->checkState() == Qt::Checked;
}
void TFrameCheckBox::setChecked(int row, bool checked) {
    if (row >= 0 && row < count())
        m_list->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QList<int> TFrameCheckBox::CheckedIds() const {
    QList<int> ids;
    for (int i = 0; i < count(); ++i)
        if (isChecked(i))
            ids << id(i);
    return ids;
}

void TFrameCheckBox::setAll(int mode) {
    for (int i = 0; i < count(); ++i)
        setChecked(i, mode == 2 ? !isChecked(i) : mode == 1);
    m_changed = true;
}

void TFrameCheckBox::OznacVse() { setAll(1); }
void TFrameCheckBox::OdoznacVse() { setAll(0); }
void TFrameCheckBox::ObratOznaceni() { setAll(2); }
