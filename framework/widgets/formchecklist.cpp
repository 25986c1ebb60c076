#include "formchecklist.h"

#include "data/prompt.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "framework/idlists.h"
#include "framework/sqlrows.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFormCheckList::TFormCheckList(QWidget *parent) : QDialog(parent) {
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(QStringLiteral("jména oddělená čárkou"));
    m_search->installEventFilter(this);
    auto *searchButton = new QPushButton(QStringLiteral("&Hledej"), this);
    searchButton->setAutoDefault(false);
    m_list = new QListWidget(this);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto *all = new QPushButton(QStringLiteral("Označ vše"), this);
    auto *none = new QPushButton(QStringLiteral("Odoznač vše"), this);
    ok->setDefault(true);
    for (QPushButton *b : {cancel, all, none})
        b->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addWidget(m_search, 1);
    top->addWidget(searchButton);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(all);
    bottom->addWidget(none);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);
    resize(360, 420);

    connect(searchButton, &QPushButton::clicked, this, &TFormCheckList::Hledej);
    connect(ok, &QPushButton::clicked, this, &TFormCheckList::BT_OKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(all, &QPushButton::clicked, this, &TFormCheckList::OznacVse);
    connect(none, &QPushButton::clicked, this, &TFormCheckList::OdoznacVse);
}

bool TFormCheckList::Load(bool inverted, const QString &caption) {
    m_inverted = inverted;
    setWindowTitle(caption);
    m_search->clear();
    m_addingAllowed = !InsertSQL.isEmpty();
    return loadRows(SelectedIds, inverted);
}

bool TFormCheckList::loadRows(const QString &selection, bool invert) {
    m_list->clear();
    m_ids.clear();
    TMKDATASET ds;
    const bool ok = ReadRows(SQL, ds);
    const int cId = ds.FieldIndex(QStringLiteral("ID"));
    const int cText = ds.FieldIndex(QStringLiteral("TEXT"));
    for (int r = 1; r <= ds.RecordCount(); ++r) {
        const QString id = ds.Value(r, cId).trimmed();
        auto *item = new QListWidgetItem(ds.Value(r, cText), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const bool checked = CheckListContains(selection, id) != invert;
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        m_ids << id;
    }
    return ok;
}

bool TFormCheckList::Open(bool inverted, const QString &caption) {
    Load(inverted, caption);
    return exec() == QDialog::Accepted;
}

int TFormCheckList::count() const { return m_list->count(); }
QString TFormCheckList::text(int row) const { return row >= 0 && row < count() ? m_list->item(row)->text() : QString(); }
QString TFormCheckList::id(int row) const { return m_ids.value(row); }
bool TFormCheckList::isChecked(int row) const {
    return row >= 0 && row < count() && m_list->item(row)->checkState() == Qt::Checked;
}
void TFormCheckList::setChecked(int row, bool checked) {
    if (row >= 0 && row < count())
        m_list->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QString TFormCheckList::CheckedIds() const {
    QStringList ids;
    for (int i = 0; i < count(); ++i)
        if (isChecked(i))
            ids << id(i);
    return CheckListIdsText(ids);
}

QString TFormCheckList::CheckedTexts() const {
    QStringList texts;
    for (int i = 0; i < count(); ++i)
        if (isChecked(i))
            texts << text(i);
    return CheckListTextsText(texts);
}

void TFormCheckList::OznacVse() {
    for (int i = 0; i < count(); ++i)
        setChecked(i, true);
}

void TFormCheckList::OdoznacVse() {
    for (int i = 0; i < count(); ++i)
        setChecked(i, false);
}

void TFormCheckList::Hledej() {
    for (const QString &name : CheckListSearchNames(m_search->text()))
        searchName(name);
}

void TFormCheckList::searchName(const QString &name) {
    QStringList lines;
    for (int i = 0; i < count(); ++i)
        lines << text(i);
    const QList<int> found = MatchCheckListLines(lines, name);
    if (found.size() == 1) {
        setChecked(found.first(), true);
        m_list->scrollToItem(m_list->item(found.first()));
        return;
    }
    if (found.size() > 1) {
        prompt().message(name + QStringLiteral(" Odpovídá více položkám nelze označit !"), Prompt::Kind::Error);
        return;
    }
    if (!m_addingAllowed) {
        prompt().message(name + QLatin1Char('\n') + QStringLiteral("Tato položka není v seznamu !!"), Prompt::Kind::Error);
        return;
    }
    if (!prompt().ask(name + QLatin1Char('\n') + QStringLiteral("Tato položka není v seznamu,") + QLatin1Char('\n')
                      + QStringLiteral(" chcete ji přidat ?")))
        return;
    QString sql = InsertSQL;
    const qsizetype at = sql.indexOf(QLatin1String("%s"));
    if (at >= 0)
        sql.replace(at, 2, QuoteStr(name));
    const QString error = SQLDATA ? SQLDATA->ExecSQL(sql) : QStringLiteral("Není připojena databáze.");
    if (!error.isEmpty()) {
        prompt().message(sql + QLatin1Char('\n') + error, Prompt::Kind::Error);
        return;
    }
    // The checks on the screen are kept as they are; in inverted mode they are already inverted
    // and must not be turned over a second time by the reload.
    const QString kept = CheckedIds();
    loadRows(kept, false);
    for (int i = 0; i < count(); ++i)
        if (text(i) == name) {
            setChecked(i, true);
            m_list->scrollToItem(m_list->item(i));
            break;
        }
}

void TFormCheckList::BT_OKClick() {
    SelectedIds = CheckedIds();
    accept();
}

bool TFormCheckList::eventFilter(QObject *watched, QEvent *event) {
    // Enter in the search edit searches instead of closing the dialog.
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Hledej();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
