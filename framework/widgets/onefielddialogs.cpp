#include "onefielddialogs.h"

#include "mkcombobox.h"
#include "mklistbox.h"

#include <QLineEdit>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
void addButtons(QDialog *dialog, QVBoxLayout *layout) {
    auto *ok = new QPushButton(QStringLiteral("OK"), dialog);
    auto *cancel = new QPushButton(QStringLiteral("Storno"), dialog);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

bool isEnter(QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}

TFormComboBox1::TFormComboBox1(QWidget *parent) : QDialog(parent) {
    m_combo = new QComboBox(this);
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->installEventFilter(this);
    m_combo->lineEdit()->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_combo);
    addButtons(this, layout);
    resize(300, sizeHint().height());
}

QString TFormComboBox1::Text() const { return m_combo->currentText(); }

bool TFormComboBox1::eventFilter(QObject *watched, QEvent *event) {
    if ((watched == m_combo || watched == m_combo->lineEdit()) && isEnter(event)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

TFormComboBox2::TFormComboBox2(QWidget *parent) : QDialog(parent) {
    m_combo = new TMKComboBox(this);
    m_combo->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_combo);
    addButtons(this, layout);
    resize(300, sizeHint().height());
}

bool TFormComboBox2::Fill(const QString &sql) { return m_combo->NaplnSQL(sql); }
int TFormComboBox2::ChosenId() const { return m_combo->VratZvoleneID(); }
QString TFormComboBox2::ChosenText() const { return m_combo->VratZvolenyItems(); }

bool TFormComboBox2::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_combo && isEnter(event)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormComboBox2::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    m_combo->setFocus();
}

TFormMKListBox::TFormMKListBox(QWidget *parent) : QDialog(parent) {
    m_list = new TMKListBox(this);
    m_list->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    addButtons(this, layout);
    resize(300, 360);
}

bool TFormMKListBox::Fill(const QString &sql) { return m_list->NaplnSQL(sql); }
int TFormMKListBox::ChosenId() const { return m_list->VratZvoleneID(); }
QString TFormMKListBox::ChosenIds() const { return m_list->VratOznaceneID(); }
QString TFormMKListBox::ChosenText() const { return m_list->VratZvolenyItems(); }

bool TFormMKListBox::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_list && isEnter(event)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormMKListBox::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    m_list->setFocus();
}

TForm_ListBox::TForm_ListBox(QWidget *parent) : QDialog(parent) {
    m_list = new QListWidget(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    addButtons(this, layout);
    resize(300, 360);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        if (item && item->isSelected())
            accept();
    });
}

int TForm_ListBox::ChosenIndex() const {
    const QList<QListWidgetItem *> sel = m_list->selectedItems();
    return sel.isEmpty() ? -1 : m_list->row(sel.first());
}

QString TForm_ListBox::ChosenText() const {
    const int i = ChosenIndex();
    return i < 0 ? QString() : m_list->item(i)->text();
}
