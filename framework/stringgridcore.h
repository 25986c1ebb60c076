#pragma once
#include "data/mkdataset.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

struct UserSettings;

// How a column's stored value is shown, from the value-type word of its definition.
enum class GridValueKind { Text, Boolean, Time, Date, Date2, Integer, Decimal, Numerick };
GridValueKind GridValueKindOf(const QString &typeWord);
bool IsRightAligned(GridValueKind kind);
// Columns whose values the engine compares as numbers or dates, not as text.
bool IsNumericKind(GridValueKind kind);
bool IsDateKind(GridValueKind kind);
// The cell text shown for a stored value ("date2": days from today to the date).
QString GridDisplayValue(const QString &stored, GridValueKind kind, const QDate &today);

// Reads a cell as a number the way sums do: "," is the decimal point, anything else counts 0.
double GridCellNumber(const QString &text);

// Filter operators of a column: 0 none, 1 "=", 2 "!=", 3 ">=", 4 ">", 5 "<", 6 "<=",
// 7 contains, 8 range, 9 starts with.
struct GridColumn {
    QString field;
    QString caption;
    QString type;
    bool summable = false;
    int width = 0;
    int filterOp = 0;
    QString filter1;
    QString filter2;
    bool filterCaseSensitive = true;
    GridValueKind kind() const { return GridValueKindOf(type); }
};

// " (F op V)" for one filtered column; table is the prefix of bare column names.
QString GridFilterCondition(const GridColumn &column, const QString &table);
// True for select items that aggregate (count(, sum(, ...), whose filters belong after GROUP BY.
bool IsAggregateField(const QString &field);

// The global search options of every grid (kept in the user settings).
struct GridSearchOptions {
    bool caseSensitive = false;
    bool diacriticSensitive = true;
    bool wholeValue = false;
    bool regularExpression = false;
};

// Saved layouts: records each ended by ";", each a comma list whose first item is its key.
// The record (without its ";") whose key equals key exactly; empty when there is none.
QString GridLayoutRecord(const QString &layouts, const QString &key);
// Replaces the record with the same key (or appends it). An empty record changes nothing.
QString GridStoreLayoutRecord(const QString &layouts, const QString &record);

// Everything of the browse grid that needs no widget: settings, the composed statement, the
// loaded rows (kept as the result table's lines and decoded when a row is looked at), display
// conversion, colours, sorting, filters, searching, sums, layouts and exports.
class StringGridCore {
public:
    StringGridCore();

    // Settings written by the owner.
    QString TableName;
    QString KeyField;
    bool KeyWithoutTable = false;
    QString ExtraTables;
    QString WhereText;
    int ParentId = 0;
    bool Distinct = false;
    QString FixedOrder;
    QString TextColourField;
    QString BackColourField;
    int DefaultBackColour = 0xFFFFFF;
    int DefaultTextColour = 0;
    QString ColourField;
    QString ColourText;
    int ColourTextColour = 0;
    int ColourBackColour = 0xFFFFFF;
    QString StrikeField;
    QString StrikeText;
    QString LayoutName;
    int NotifyMessage = 0;
    int NotifyParam = 0;
    bool DeleteAllowed = true;
    bool PrintAllowed = true;
    bool NewAllowed = true;

    void ResetDefinition();
    void AddColumn(const QString &field, const QString &caption, bool summable, const QString &type, int width);
    void AddColumn(const QString &field, const QString &caption) { AddColumn(field, caption, false, {}, 0); }
    void AddColumn(const QString &field, const QString &caption, const QString &type) { AddColumn(field, caption, false, type, 0); }
    void AddColumn(const QString &field, const QString &caption, int width) { AddColumn(field, caption, false, {}, width); }
    void AddColumn(const QString &field, const QString &caption, const QString &type, int width) { AddColumn(field, caption, false, type, width); }
    void EndDefaultColumns() { m_defaultVisibleFrozen = true; }
    int DefaultVisibleCount() const { return m_defaultVisibleCount; }
    void SetStrikeOut(const QString &field, const QString &text);
    void SetColourCondition(const QString &field, const QString &text, int textColour, int backColour);

    const QList<GridColumn> &Columns() const { return m_columns; }
    // Sets the filter of a column (field index). A value a numeric column cannot compare with
    // is refused: the error is returned and nothing changes.
    QString SetFilter(int fieldIndex, int op, const QString &value1, const QString &value2, bool caseSensitive);
    void ClearFilters();

    // The statement LoadData runs for the current visible columns, filters and sort.
    QString ComposeSelect() const;
    QString OrderByText() const;
    QString ConditionText() const;
    // Builds and runs the query. Argument 0 keeps the sort; n sets it, and the column already
    // sorted is reversed. A refused query is shown through prompt() and leaves no rows.
    bool LoadData(int sort);
    // LoadData's steps up to the statement, without running it: visible columns, sort, text.
    QString PrepareSelect(int sort);
    // Restarts the read transaction and loads again with the same sort.
    bool Refresh();
    // The visible order from the saved layout and the default visible count (LoadData's step).
    void ResolveVisibleColumns();
    QString LastError() const { return m_lastError; }

    // Loaded state.
    int RowCount() const { return m_data.RecordCount(); }
    int ColumnCount() const { return int(m_visible.size()); }
    int SortColumn() const { return m_sort; }
    // Field index shown in a display column (-1 outside), display column of a field (-1 hidden).
    int ZSL(int displayColumn) const;
    int PSL(int fieldIndex) const;
    const QList<int> &VisibleOrder() const { return m_visible; }
    void SetVisibleOrder(const QList<int> &order) { m_visible = order; }
    QString Caption(int displayColumn) const;
    // Display text of a data row (1-based) in a display column.
    QString Cell(int row, int displayColumn) const;
    QString RowKey(int row) const;
    bool RightAligned(int displayColumn) const;
    bool ColumnFiltered(int displayColumn) const;
    int TextColour(int row) const;
    int BackColour(int row) const;
    bool StruckOut(int row) const;
    QString RowCountText() const;
    const TMKDATASET &Dataset() const { return m_data; }

    // Row colouring into the override lists (index = grid row).
    void FillRowColours(bool textList, bool backList, int colour);
    void BandRows(int column, int colourA, int colourB, bool textList, bool backList);
    void MarkChain(int fromA, int fromB, int toA, int toB, int mismatchColour, int partialColour, bool textList, bool backList);
    // The user's odd/even row colours on the background list, when one is not white.
    void ApplyOddEvenColours();

    // Searching. Mode -1 none, -2 all columns, 0 or more that display column.
    int SearchMode() const { return m_searchMode; }
    void SetSearchMode(int mode) { m_searchMode = mode; }
    int HitColumn() const { return m_hitColumn; }
    int HitRow() const { return m_hitRow; }
    void ZrusOznaceniVyhledani() { m_hitColumn = m_hitRow = -1; }
    // All-columns search from startRow; the hit row or -1. An invalid pattern sets *error.
    int SearchAll(const QString &text, int startRow, const GridSearchOptions &options, QString *error = nullptr);
    // Column search: the first row whose trimmed cell equals the trimmed text ignoring case.
    int SearchColumn(int displayColumn, const QString &text);
    QStringList ColumnValues(int displayColumn) const;

    // Sums.
    bool ColumnSummable(int displayColumn) const;
    double ColumnTotal(int displayColumn) const;
    // The text of the column sum message, or text 1001 when the column cannot be summed.
    QString SumaSloupce(int displayColumn) const;

    // Layouts in the user settings (widths are the widget's business, stored here).
    QString SaveColumnOrder(const QStringList &visibleCaptions);
    QString SaveColumnWidths(const QList<int> &widths);
    QList<int> SavedWidths() const;
    void SetSettings(UserSettings *settings) { m_settings = settings; }
    UserSettings &Settings() const;

    // Exports and other commands.
    QStringList CsvLines() const;
    QStringList HtmlLines() const;
    QString ExportCSV(const QString &path) const;
    QString ExportHTML(const QString &path) const;
    QString ColumnClipboardText(int displayColumn) const;
    // (row, address) of every data row whose cell holds "@".
    QList<QPair<int, QString>> MailAddresses(int displayColumn) const;
    // The print page: title, header, rows and the totals of summable columns, as HTML.
    QString PrintHtml(const QList<int> &pixelWidths = {}) const;
    // Deletes a data row's record after the confirmation; true when it was deleted.
    bool DeleteRow(int row, int displayColumn);

private:
    const QStringList &decoded(int row) const;
    int itemOffset() const;
    void resolveStrikeAndColourColumns();

    QList<GridColumn> m_columns;
    int m_defaultVisibleCount = 0;
    bool m_defaultVisibleFrozen = false;
    QList<int> m_visible;
    int m_sort = 0;
    TMKDATASET m_data;
    QList<GridValueKind> m_kinds;       // per display column
    QList<int> m_overrideBack;
    QList<int> m_overrideText;
    int m_strikeColumn = -1;
    int m_colourColumn = -1;
    int m_searchMode = -1;
    int m_hitColumn = -1;
    int m_hitRow = -1;
    QDate m_today;
    QString m_lastError;
    UserSettings *m_settings = nullptr;

    struct CacheSlot {
        int row = -1;
        QStringList items;
    };
    mutable std::vector<CacheSlot> m_cache;
};
