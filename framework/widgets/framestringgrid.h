#pragma once
#include "framework/stringgridcore.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QTableView;
class QToolButton;

// The rows of a grid as a table model: cells are decoded from the result lines only when the
// view asks for them.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StringGridModel(StringGridCore &core, QObject *parent = nullptr) : QAbstractTableModel(parent), m_core(core) {}
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void reload();
    void cellChanged(int row, int column);

private:
    StringGridCore &m_core;
};

// Windows colour (red in the low byte) as a QColor.
QColor WindowsColour(int colour);

// The one list view: a grid filled by one query, with sorting, filters, searching, sums,
// layouts, exports, mail, printing. It never edits rows itself: opening a row and asking for a
// new record go to the owner through notifyHandler.
class TFrameStringGrid : public QWidget {
    Q_OBJECT
public:
    explicit TFrameStringGrid(QWidget *parent = nullptr);

    StringGridCore &core() { return m_core; }
    QTableView *view() const { return m_view; }
    StringGridModel *model() const { return m_model; }

    // Settings pass straight to the core; these act on the screen as well.
    void ResetDefinition();
    bool LoadData(int sort);
    // Applies a browse definition by name and shows it; false when its preparation was cancelled
    // (the owner hides the grid then).
    bool OpenDefinition(const QString &name, const QString &extraCondition, const struct BrowseContext &context);
    bool Refresh();
    void NastaveniHledani(int mode, bool focus, bool clearHit);
    void SetVisible() { show(); }

    // (message, first parameter, second parameter) of an opened row or a new-record request;
    // returns false when no editor can take it, and the grid says so.
    std::function<bool(int, int, int)> notifyHandler;

    // Commands of the buttons and the popup menu, for the column under the mouse.
    void SortByColumn(int displayColumn);
    void OpenRow(int row);
    void NewRecord();
    void SearchFromStart();
    void SearchNext();
    void ShowColumnSum(int displayColumn);
    void CopyColumn(int displayColumn);
    void MailColumn(int displayColumn, const QString &subject, const QString &body, bool numbered, int startNumber);
    void ExportCsv(const QString &path);
    void ExportHtml(const QString &path);
    void Print();
    void ClearFilters();
    void EditFilter(int displayColumn);
    // What the filter dialog's OK does: a refused value is shown and nothing changes.
    bool SetColumnFilter(int displayColumn, int op, const QString &value1, const QString &value2, bool caseSensitive);
    void EditColumns();
    void SaveWidths();

    QString CountText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyWidths();
    void showLoaded();
    void showPopup(const QPoint &pos);
    void onSearchTextChanged(const QString &text);
    void afterHit(int row);
    void editSearchOptions();
    void mailDialog(int displayColumn);

    StringGridCore m_core;
    StringGridModel *m_model;
    QTableView *m_view;
    QLabel *m_count;
    QComboBox *m_search;
    QToolButton *m_new;
    QToolButton *m_print;
    QToolButton *m_searchButton;
    QToolButton *m_searchNext;
    QToolButton *m_searchOptions;
    bool m_settingUpSearch = false;
};
