#include "framestringgrid.h"

#include "gridprint.h"

#include "framework/browsedefinitions.h"

#include "data/prompt.h"
#include "data/usersettings.h"
#include "localisation/langtext.h"
#include "platform/mail.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString formatText(QString text, const QString &value) {
    const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("%[sd]")));
    if (at >= 0)
        text.replace(at, 2, value);
    return text;
}

const QString kNoEditor = QStringLiteral("Editor tohoto záznamu zatím není k dispozici.");

} // namespace

QColor WindowsColour(int colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

int StringGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_core.RowCount(); }
int StringGridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_core.ColumnCount(); }

QVariant StringGridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    const bool hit = m_core.HitRow() == row && m_core.HitColumn() == index.column();
    switch (role) {
    case Qt::DisplayRole:
        return m_core.Cell(row, index.column());
    case Qt::TextAlignmentRole:
        return int((m_core.RightAligned(index.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return hit ? QColor(Qt::white) : WindowsColour(m_core.TextColour(row));
    case Qt::BackgroundRole:
        return hit ? WindowsColour(0x800000) : WindowsColour(m_core.BackColour(row));
    case Qt::FontRole:
        if (m_core.StruckOut(row)) {
            QFont f;
            f.setStrikeOut(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole: {
        QString text = m_core.Caption(section);
        if (std::abs(m_core.SortColumn()) == section + 1 && m_core.SortColumn() != 0)
            text = (m_core.SortColumn() > 0 ? QStringLiteral("▲ ") : QStringLiteral("▼ ")) + text;
        if (m_core.ColumnFiltered(section))
            text = QStringLiteral("⧩ ") + text;
        return text;
    }
    case Qt::ForegroundRole:
        return m_core.SearchMode() == section ? WindowsColour(0xFF0000) : QColor(Qt::black);
    case Qt::FontRole: {
        QFont f;
        f.setBold(true);
        return f;
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

void StringGridModel::reload() {
    beginResetModel();
    endResetModel();
}

void StringGridModel::cellChanged(int row, int column) {
    if (row >= 1 && column >= 0) {
        const QModelIndex i = index(row - 1, column);
        Q_EMIT dataChanged(i, i);
    }
}

TFrameStringGrid::TFrameStringGrid(QWidget *parent) : QWidget(parent), m_model(new StringGridModel(m_core, this)) {
    setObjectName(QStringLiteral("TFrameStringGrid"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto *bar = new QHBoxLayout;
    auto button = [&](const QString &name, const QString &text, const QString &tip, auto slot) {
        auto *b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(text);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, slot);
        bar->addWidget(b);
        return b;
    };
    button(QStringLiteral("SBRefresh"), QStringLiteral("Refresh"), QStringLiteral("Refresh"), [this] {
        m_core.ZrusOznaceniVyhledani();
        Refresh();
    });
    m_new = button(QStringLiteral("SBNewRecord"), QStringLiteral("Nový záznam"), QStringLiteral("Nový záznam"), [this] { NewRecord(); });
    button(QStringLiteral("SB_EXPORT_CSV"), QStringLiteral("CSV"), QStringLiteral("Export do CSV"), [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Zorva"), {}, QStringLiteral("*.csv"));
        if (!path.isEmpty())
            ExportCsv(path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".csv"));
    });
    button(QStringLiteral("SB_EXPORT_HTML"), QStringLiteral("HTML"), QStringLiteral("Export do HTML"), [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Zorva"), {}, QStringLiteral("*.html"));
        if (!path.isEmpty())
            ExportHtml(path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".html"));
    });
    m_print = button(QStringLiteral("SB_TISK"), QStringLiteral("Tisk"), QStringLiteral("Vytiskne položky"), [this] { Print(); });
    button(QStringLiteral("SB_TiskStitku"), QStringLiteral("Štítky"), QStringLiteral("Tisk štítků"), [] {
        prompt().message(QStringLiteral("Tisk štítků zatím není k dispozici."), Prompt::Kind::Information);
    });
    button(QStringLiteral("SB_FilterOFF"), QStringLiteral("Bez filtru"), QStringLiteral("Zruší všechny filtry"), [this] { ClearFilters(); });
    m_search = new QComboBox(this);
    m_search->setObjectName(QStringLiteral("JvComboBox_Search"));
    m_search->setEditable(true);
    m_search->setInsertPolicy(QComboBox::NoInsert);
    m_search->setMinimumWidth(180);
    m_search->installEventFilter(this);
    connect(m_search, &QComboBox::editTextChanged, this, &TFrameStringGrid::onSearchTextChanged);
    bar->addWidget(m_search);
    m_searchButton = button(QStringLiteral("SB_Search"), QStringLiteral("Najít"), QStringLiteral("Najít od začátku  (Ctrl+F)"),
                            [this] { SearchFromStart(); });
    m_searchNext = button(QStringLiteral("SB_SearchNext"), QStringLiteral("Další"), QStringLiteral("Najít další  (Ctrl+L)"),
                          [this] { SearchNext(); });
    m_searchOptions = button(QStringLiteral("SB_SearchOptions"), QStringLiteral("…"), QStringLiteral("Nastaví podmínky vyhledávání"),
                             [this] { editSearchOptions(); });
    bar->addStretch();
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("Label_POCET_ZAZNAMU"));
    bar->addWidget(m_count);
    layout->addLayout(bar);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("StringGrid"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->horizontalHeader()->setSectionsMovable(false);
    m_view->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: #808080; padding-left: 2px; "
                                                             "border: 0px; border-right: 1px solid #606060; }"));
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->installEventFilter(this);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, &TFrameStringGrid::SortByColumn);
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex &i) { OpenRow(i.row() + 1); });
    connect(m_view, &QWidget::customContextMenuRequested, this, &TFrameStringGrid::showPopup);
    layout->addWidget(m_view);
    NastaveniHledani(-1, false, true);
    m_count->setText(CountText());
}

QString TFrameStringGrid::CountText() const { return m_core.RowCountText(); }

void TFrameStringGrid::ResetDefinition() {
    m_core.ResetDefinition();
    NastaveniHledani(-1, false, true);
    m_model->reload();
}

bool TFrameStringGrid::LoadData(int sort) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = m_core.LoadData(sort);
    showLoaded();
    QApplication::restoreOverrideCursor();
    return ok;
}

void TFrameStringGrid::showLoaded() {
    m_model->reload();
    m_view->verticalHeader()->setDefaultSectionSize(std::max(12, m_core.Settings().listRowHeight));
    applyWidths();
    m_count->setText(CountText());
    m_new->setEnabled(m_core.NewAllowed);
    m_print->setEnabled(m_core.PrintAllowed);
}

bool TFrameStringGrid::OpenDefinition(const QString &name, const QString &extraCondition, const BrowseContext &context) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool shown = OpenBrowseDefinition(m_core, name, extraCondition, context);
    showLoaded();
    NastaveniHledani(m_core.SearchMode(), false, false);
    QApplication::restoreOverrideCursor();
    return shown;
}

void TFrameStringGrid::applyWidths() {
    // A width stated in characters is honoured (so long names and amounts are readable at once);
    // the user's saved widths win over it. Without either, the column is as wide as its caption
    // (at least 60 pixels), so that no caption is cut on a first look.
    const QList<int> widths = m_core.SavedWidths();
    const int digit = m_view->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    QFont headerFont = m_view->horizontalHeader()->font();
    headerFont.setBold(true);
    const QFontMetrics headerMetrics(headerFont);
    for (int c = 0; c < m_core.ColumnCount(); ++c) {
        const int stated = m_core.Columns()[m_core.ZSL(c)].width;
        const QString caption = m_model ? m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() : QString();
        const int captionWidth = headerMetrics.horizontalAdvance(caption) + 24;
        // Stated widths are generous (50 characters for a number); a first look should show
        // several columns, so they are kept within 250 pixels, never narrower than the caption.
        int w = stated > 0 ? std::max(std::clamp(stated * digit + 8, 24, 250), std::min(captionWidth, 300))
                           : std::clamp(captionWidth, 60, 300);
        if (c < widths.size() && widths[c] > 0)
            w = widths[c];
        m_view->setColumnWidth(c, w);
    }
}

bool TFrameStringGrid::Refresh() {
    const bool ok = m_core.Refresh();
    m_model->reload();
    applyWidths();
    m_count->setText(CountText());
    if (m_search->isVisible() || m_core.SearchMode() != -1)
        NastaveniHledani(m_core.SearchMode(), false, false);
    return ok;
}

void TFrameStringGrid::NastaveniHledani(int mode, bool focus, bool clearHit) {
    if (clearHit)
        m_core.ZrusOznaceniVyhledani();
    m_core.SetSearchMode(mode);
    m_settingUpSearch = true;
    const bool visible = mode != -1;
    m_search->setVisible(visible);
    const bool allColumns = mode == -2;
    m_searchButton->setVisible(allColumns);
    m_searchNext->setVisible(allColumns);
    m_searchOptions->setVisible(allColumns);
    if (mode >= 0) {
        const QString text = m_search->currentText();
        m_search->clear();
        m_search->addItems(m_core.ColumnValues(mode));
        m_search->setEditText(text);
    } else if (allColumns && m_search->count() > 0) {
        const QString text = m_search->currentText();
        m_search->clear();
        m_search->setEditText(text);
    }
    m_settingUpSearch = false;
    m_model->headerDataChanged(Qt::Horizontal, 0, std::max(0, m_core.ColumnCount() - 1));
    if (focus && visible)
        m_search->setFocus();
}

void TFrameStringGrid::onSearchTextChanged(const QString &text) {
    if (m_settingUpSearch || m_core.SearchMode() < 0)
        return;
    const int row = m_core.SearchColumn(m_core.SearchMode(), text);
    if (row > 0)
        afterHit(row);
}

void TFrameStringGrid::afterHit(int row) {
    m_model->reload();
    const QModelIndex i = m_model->index(row - 1, std::max(0, m_core.HitColumn()));
    m_view->setCurrentIndex(i);
    m_view->scrollTo(i);
}

namespace {
GridSearchOptions currentSearchOptions(const UserSettings &s) {
    return {s.searchCaseSensitive, s.searchDiacriticSensitive, s.searchWholeValue, s.searchRegularExpression};
}
} // namespace

void TFrameStringGrid::SearchFromStart() {
    QString error;
    const int row = m_core.SearchAll(m_search->currentText(), 1, currentSearchOptions(m_core.Settings()), &error);
    if (!error.isEmpty()) {
        prompt().message(error, Prompt::Kind::Error);
        return;
    }
    if (row < 0) {
        prompt().message(LangText(1131), Prompt::Kind::Information);
        return;
    }
    afterHit(row);
    m_view->setFocus();
}

void TFrameStringGrid::SearchNext() {
    const int current = m_view->currentIndex().isValid() ? m_view->currentIndex().row() + 1 : 0;
    QString error;
    const int row = m_core.SearchAll(m_search->currentText(), current + 1, currentSearchOptions(m_core.Settings()), &error);
    if (!error.isEmpty()) {
        prompt().message(error, Prompt::Kind::Error);
        return;
    }
    if (row < 0) {
        prompt().message(LangText(1131), Prompt::Kind::Information);
        return;
    }
    afterHit(row);
}

void TFrameStringGrid::SortByColumn(int displayColumn) {
    if (!m_core.FixedOrder.isEmpty() || displayColumn < 0)
        return;
    LoadData(displayColumn + 1);
}

void TFrameStringGrid::OpenRow(int row) {
    m_core.ZrusOznaceniVyhledani();
    if (row < 1 || row > m_core.RowCount() || m_core.NotifyMessage == 0)
        return;
    const int key = m_core.RowKey(row).trimmed().toInt();
    if (!notifyHandler || !notifyHandler(m_core.NotifyMessage, key, m_core.NotifyParam))
        prompt().message(kNoEditor, Prompt::Kind::Information);
}

void TFrameStringGrid::NewRecord() {
    m_core.ZrusOznaceniVyhledani();
    if (m_core.NotifyMessage == 0)
        return;
    if (!notifyHandler || !notifyHandler(m_core.NotifyMessage, m_core.ParentId, m_core.NotifyParam))
        prompt().message(kNoEditor, Prompt::Kind::Information);
}

void TFrameStringGrid::ShowColumnSum(int displayColumn) {
    const bool ok = m_core.ColumnSummable(displayColumn);
    prompt().message(m_core.SumaSloupce(displayColumn), ok ? Prompt::Kind::Information : Prompt::Kind::Error);
}

void TFrameStringGrid::CopyColumn(int displayColumn) {
    QApplication::clipboard()->setText(m_core.ColumnClipboardText(displayColumn));
    prompt().message(LangText(1012), Prompt::Kind::Information);
}

void TFrameStringGrid::MailColumn(int displayColumn, const QString &subject, const QString &body, bool numbered, int startNumber) {
    if (!prompt().ask(formatText(LangText(1098), QString::number(m_core.RowCount()))))
        return;
    for (const auto &[row, address] : m_core.MailAddresses(displayColumn)) {
        QString text = body;
        if (numbered)
            text += QStringLiteral("(%1)").arg(startNumber + row - 1);
        const QString error = mailClient().newMail({address}, subject, {}, text);
        if (!error.isEmpty()) {
            prompt().message(error, Prompt::Kind::Error);
            return;
        }
    }
    prompt().message(LangText(1099), Prompt::Kind::Information);
}

void TFrameStringGrid::ExportCsv(const QString &path) {
    const QString error = m_core.ExportCSV(path);
    if (!error.isEmpty())
        prompt().message(path + QStringLiteral("\r\n") + error, Prompt::Kind::Error);
}

void TFrameStringGrid::ExportHtml(const QString &path) {
    const QString error = m_core.ExportHTML(path);
    if (!error.isEmpty())
        prompt().message(path + QStringLiteral("\r\n") + error, Prompt::Kind::Error);
}

void TFrameStringGrid::Print() {
    QList<int> widths;
    for (int c = 0; c < m_core.ColumnCount(); ++c)
        widths << m_view->columnWidth(c);
    PrintHtmlPage(m_core.PrintHtml(widths), m_core.LayoutName.isEmpty() ? QStringLiteral("zorva") : m_core.LayoutName, this);
}

void TFrameStringGrid::ClearFilters() {
    m_core.ClearFilters();
    Refresh();
}

bool TFrameStringGrid::SetColumnFilter(int displayColumn, int op, const QString &value1, const QString &value2, bool caseSensitive) {
    const QString error = m_core.SetFilter(m_core.ZSL(displayColumn), op, value1, value2, caseSensitive);
    if (!error.isEmpty()) {
        prompt().message(error, Prompt::Kind::Error);
        return false;
    }
    Refresh();
    return true;
}

void TFrameStringGrid::EditFilter(int displayColumn) {
    const int field = m_core.ZSL(displayColumn);
    if (field < 0)
        return;
    m_core.ZrusOznaceniVyhledani();
    const GridColumn column = m_core.Columns()[field];
    const bool boolean = column.kind() == GridValueKind::Boolean;
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("TFormStringGridFilter"));
    dialog.setWindowTitle(LangText(1076) + column.caption);
    auto *grid = new QGridLayout(&dialog);
    const QStringList labels = {QStringLiteral("Vše - žádný filtr"), QStringLiteral("=  (přesná shoda)"), QStringLiteral("<> (nerovná se)"),
                                QStringLiteral(">="), QStringLiteral(">"), QStringLiteral("<"), QStringLiteral("<="), QStringLiteral("Obsahuje"),
                                QStringLiteral("Je v rozsahu"), QStringLiteral("Začíná na")};
    auto *group = new QButtonGroup(&dialog);
    for (int i = 0; i < labels.size(); ++i) {
        auto *rb = new QRadioButton(labels[i], &dialog);
        rb->setObjectName(QStringLiteral("RB%1").arg(i));
        group->addButton(rb, i);
        grid->addWidget(rb, i, 0);
    }
    auto shown = [&](const QString &v) {
        if (!boolean)
            return v;
        return v == QLatin1String("1") ? QStringLiteral("Ano") : v == QLatin1String("0") ? QStringLiteral("Ne") : v;
    };
    auto *cb1 = new QComboBox(&dialog);
    cb1->setObjectName(QStringLiteral("CB_1"));
    cb1->setEditable(true);
    cb1->addItems(m_core.ColumnValues(displayColumn));
    cb1->setEditText(shown(column.filter1));
    auto *cb2 = new QComboBox(&dialog);
    cb2->setObjectName(QStringLiteral("CB_2"));
    cb2->setEditable(true);
    cb2->addItems(m_core.ColumnValues(displayColumn));
    cb2->setEditText(shown(column.filter2));
    auto *cs = new QCheckBox(QStringLiteral("Rozlišovat velikost písmen"), &dialog);
    cs->setObjectName(QStringLiteral("CB_RozlisovatVelikostPismen"));
    cs->setChecked(column.filterCaseSensitive);
    grid->addWidget(cb1, 1, 1);
    grid->addWidget(cb2, 8, 1);
    grid->addWidget(cs, 10, 0, 1, 2);
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    grid->addWidget(box, 11, 0, 1, 2);
    connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto enable = [=](int op) {
        cb1->setEnabled(op != 0);
        cb2->setEnabled(op == 8);
    };
    connect(group, &QButtonGroup::idClicked, &dialog, enable);
    group->button(column.filterOp)->setChecked(true);
    enable(column.filterOp);
    if (dialog.exec() == QDialog::Accepted)
        SetColumnFilter(displayColumn, group->checkedId(), cb1->currentText(), cb2->currentText(), cs->isChecked());
    else
        Refresh();
}

void TFrameStringGrid::EditColumns() {
    if (m_core.LayoutName.isEmpty()) {
        prompt().message(LangText(1062), Prompt::Kind::Error);
        return;
    }
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Zorva"));
    auto *layout = new QGridLayout(&dialog);
    auto *shownList = new QListWidget(&dialog);
    auto *hiddenList = new QListWidget(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("&Zobrazované"), &dialog), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("&Nezobrazované"), &dialog), 0, 2);
    layout->addWidget(shownList, 1, 0);
    layout->addWidget(hiddenList, 1, 2);
    for (int c = 0; c < m_core.ColumnCount(); ++c)
        shownList->addItem(m_core.Caption(c));
    for (int f = 0; f < m_core.Columns().size(); ++f) {
        if (m_core.PSL(f) < 0)
            hiddenList->addItem(m_core.Columns()[f].caption);
    }
    auto *moves = new QVBoxLayout;
    auto move = [](QListWidget *from, QListWidget *to) {
        if (QListWidgetItem *i = from->takeItem(from->currentRow()))
            to->addItem(i);
    };
    auto *left = new QPushButton(QStringLiteral("<"), &dialog);
    auto *right = new QPushButton(QStringLiteral(">"), &dialog);
    auto *up = new QPushButton(QStringLiteral("↑"), &dialog);
    auto *down = new QPushButton(QStringLiteral("↓"), &dialog);
    connect(left, &QPushButton::clicked, &dialog, [=] { move(hiddenList, shownList); });
    connect(right, &QPushButton::clicked, &dialog, [=] { move(shownList, hiddenList); });
    auto shift = [=](int by) {
        const int r = shownList->currentRow();
        if (r < 0 || r + by < 0 || r + by >= shownList->count())
            return;
        QListWidgetItem *i = shownList->takeItem(r);
        shownList->insertItem(r + by, i);
        shownList->setCurrentRow(r + by);
    };
    connect(up, &QPushButton::clicked, &dialog, [=] { shift(-1); });
    connect(down, &QPushButton::clicked, &dialog, [=] { shift(1); });
    for (QPushButton *b : {left, right, up, down})
        moves->addWidget(b);
    layout->addLayout(moves, 1, 1);
    auto *save = new QPushButton(QStringLiteral("Uložit"), &dialog);
    connect(save, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(save, 2, 2);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QStringList captions;
    for (int i = 0; i < shownList->count(); ++i)
        captions << shownList->item(i)->text();
    const QString error = m_core.SaveColumnOrder(captions);
    if (!error.isEmpty()) {
        prompt().message(error, Prompt::Kind::Error);
        return;
    }
    NastaveniHledani(-1, false, true);
    Refresh();
}

void TFrameStringGrid::SaveWidths() {
    QList<int> widths;
    for (int c = 0; c < m_core.ColumnCount(); ++c)
        widths << m_view->columnWidth(c);
    const QString error = m_core.SaveColumnWidths(widths);
    if (!error.isEmpty())
        prompt().message(error, Prompt::Kind::Error);
}

void TFrameStringGrid::editSearchOptions() {
    UserSettings &s = m_core.Settings();
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("TFormNastavParametryVyhl"));
    dialog.setWindowTitle(QStringLiteral("Zorva"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *cs = new QCheckBox(QStringLiteral("Rozlišovat malá a velká písmena "), &dialog);
    auto *dia = new QCheckBox(QStringLiteral("Rozlišovat písmena s diakritikou a bez"), &dialog);
    auto *anywhere = new QCheckBox(QStringLiteral("Může se vyskytovat kdekoli ve slově"), &dialog);
    auto *re = new QCheckBox(QStringLiteral("Regulární výraz"), &dialog);
    cs->setChecked(s.searchCaseSensitive);
    dia->setChecked(s.searchDiacriticSensitive);
    anywhere->setChecked(!s.searchWholeValue);
    re->setChecked(s.searchRegularExpression);
    for (QWidget *w : {static_cast<QWidget *>(cs), static_cast<QWidget *>(dia), static_cast<QWidget *>(anywhere), static_cast<QWidget *>(re)})
        layout->addWidget(w);
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return;
    s.searchCaseSensitive = cs->isChecked();
    s.searchDiacriticSensitive = dia->isChecked();
    s.searchWholeValue = !anywhere->isChecked();
    s.searchRegularExpression = re->isChecked();
}

void TFrameStringGrid::mailDialog(int displayColumn) {
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Zorva"));
    auto *layout = new QGridLayout(&dialog);
    auto *subject = new QLineEdit(&dialog);
    subject->setObjectName(QStringLiteral("EditSubject"));
    auto *memo = new QPlainTextEdit(&dialog);
    memo->setObjectName(QStringLiteral("Memo1"));
    auto *numbered = new QCheckBox(QStringLiteral("Přidat číslo do mailu"), &dialog);
    auto *start = new QSpinBox(&dialog);
    start->setRange(-1000000, 1000000);
    start->setValue(1);
    layout->addWidget(new QLabel(QStringLiteral("Předmět"), &dialog), 0, 0);
    layout->addWidget(subject, 0, 1);
    layout->addWidget(memo, 1, 0, 1, 2);
    layout->addWidget(numbered, 2, 0);
    layout->addWidget(new QLabel(QStringLiteral("Od čísla"), &dialog), 3, 0);
    layout->addWidget(start, 3, 1);
    auto *send = new QPushButton(QStringLiteral("Odeslat"), &dialog);
    connect(send, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(send, 4, 1);
    if (dialog.exec() == QDialog::Accepted)
        MailColumn(displayColumn, subject->text(), memo->toPlainText(), numbered->isChecked(), start->value());
}

void TFrameStringGrid::showPopup(const QPoint &pos) {
    const QModelIndex index = m_view->indexAt(pos);
    const int column = index.isValid() ? index.column() : m_view->columnAt(pos.x());
    const int row = index.isValid() ? index.row() + 1 : 0;
    QMenu menu(this);
    QAction *del = menu.addAction(QStringLiteral("&Vymazání řádku"), this, [=, this] {
        if (m_core.DeleteRow(row, column)) {
            m_model->reload();
            m_count->setText(CountText());
        }
    });
    del->setEnabled(m_core.DeleteAllowed && row > 0);
    menu.addSeparator();
    menu.addAction(QStringLiteral("&Nastavení filtru pro tento sloupec"), this, [=, this] { EditFilter(column); });
    menu.addAction(QStringLiteral("&Hledání ve sloupci"), this, [=, this] { NastaveniHledani(column, true, true); });
    menu.addAction(QStringLiteral("H&ledání ve všech sloupcích"), this, [this] {
        NastaveniHledani(-2, true, true);
        if (m_core.RowCount() > 0)
            m_view->setCurrentIndex(m_model->index(0, 0));
    });
    menu.addAction(QStringLiteral("&Součet hodnot ve sloupci"), this, [=, this] { ShowColumnSum(column); });
    menu.addSeparator();
    menu.addAction(QStringLiteral("N&astavení zobrazování sloupců"), this, [this] { EditColumns(); });
    menu.addAction(QStringLiteral("&Uložení rozložení a zobrazování sloupců"), this, [this] { SaveWidths(); });
    menu.addSeparator();
    menu.addAction(QStringLiteral("E&xport sloupce do schránky"), this, [=, this] { CopyColumn(column); });
    menu.addAction(QStringLiteral("&Odeslání mailu na všechny adresy ve sloupci"), this, [=, this] { mailDialog(column); });
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}

bool TFrameStringGrid::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & Qt::ControlModifier) {
            if (key->key() == Qt::Key_F && watched == m_view && m_search->isVisible()) {
                m_search->setFocus();
                return true;
            }
            if (key->key() == Qt::Key_L && m_core.SearchMode() == -2) {
                SearchNext();
                return true;
            }
        }
        if (watched == m_search && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_core.SearchMode() == -2) {
            SearchFromStart();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
