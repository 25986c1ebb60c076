#include "stringgridcore.h"
#include "data/session.h"

#include "data/prompt.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "data/usersettings.h"
#include "exchange/codepage/convertcodepage.h"
#include "localisation/langtext.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCacheSlots = 512;

// "%s" and "%d" of a numbered text filled in order.
QString formatText(QString text, const QStringList &values) {
    for (const QString &v : values) {
        static const QRegularExpression placeholder(QStringLiteral("%[sd]"));
        const QRegularExpressionMatch m = placeholder.match(text);
        if (!m.hasMatch())
            break;
        text.replace(m.capturedStart(), 2, v);
    }
    return text;
}

bool isBareColumnName(const QString &field) {
    static const QRegularExpression bare(QStringLiteral("^\\s*[A-Za-z_][A-Za-z0-9_$]*\\s*$"));
    return bare.match(field).hasMatch();
}

// A filter value of a numeric column as a bare number literal; empty when it is no number.
QString numberLiteral(const QString &value) {
    QString t = value.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return {};
    return QString::number(d, 'g', 15);
}

QString normaliseForSearch(QString text, const GridSearchOptions &o) {
    text = text.trimmed();
    if (!o.caseSensitive)
        text = text.toUpper();
    if (!o.diacriticSensitive)
        text = ConvertCodePage(text, QStringLiteral("WB"));
    return text;
}

} // namespace

GridValueKind GridValueKindOf(const QString &typeWord) {
    const QString t = typeWord.trimmed().toLower();
    if (t == QLatin1String("boolean"))
        return GridValueKind::Boolean;
    if (t == QLatin1String("time"))
        return GridValueKind::Time;
    if (t == QLatin1String("date"))
        return GridValueKind::Date;
    if (t == QLatin1String("date2"))
        return GridValueKind::Date2;
    if (t == QLatin1String("integer"))
        return GridValueKind::Integer;
    if (t == QLatin1String("decimal"))
        return GridValueKind::Decimal;
    if (t == QLatin1String("numerick"))
        return GridValueKind::Numerick;
    return GridValueKind::Text;
}

bool IsRightAligned(GridValueKind kind) {
    return kind == GridValueKind::Date2 || kind == GridValueKind::Integer || kind == GridValueKind::Decimal
           || kind == GridValueKind::Numerick;
}

bool IsNumericKind(GridValueKind kind) {
    return kind == GridValueKind::Integer || kind == GridValueKind::Decimal || kind == GridValueKind::Numerick;
}

bool IsDateKind(GridValueKind kind) {
    return kind == GridValueKind::Date || kind == GridValueKind::Date2 || kind == GridValueKind::Time;
}

QString GridDisplayValue(const QString &stored, GridValueKind kind, const QDate &today) {
    switch (kind) {
    case GridValueKind::Boolean:
        return stored.trimmed() == QLatin1String("1") ? QStringLiteral("Ano") : QStringLiteral("Ne");
    case GridValueKind::Time: {
        const qsizetype blank = stored.indexOf(QLatin1Char(' '));
        return blank < 0 ? QString() : stored.mid(blank + 1);
    }
    case GridValueKind::Date: {
        if (stored == QLatin1String("NULL"))
            return {};
        const qsizetype blank = stored.indexOf(QLatin1Char(' '));
        return blank < 0 ? stored : stored.left(blank);
    }
    case GridValueKind::Date2: {
        const QDateTime dt = TextToDate(stored);
        if (!dt.isValid())
            return {};
        const double days = (dt.toMSecsSinceEpoch() - QDateTime(today, QTime(0, 0)).toMSecsSinceEpoch()) / 86400000.0;
        return QString::number(qRound64(days));
    }
    default:
        return stored;
    }
}

double GridCellNumber(const QString &text) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = t.toDouble(&ok);
    return ok && std::isfinite(d) ? d : 0.0;
}

bool IsAggregateField(const QString &field) {
    static const QRegularExpression aggregate(QStringLiteral("^\\s*(count|sum|min|max|avg|list)\\s*\\("),
                                              QRegularExpression::CaseInsensitiveOption);
    return aggregate.match(field).hasMatch();
}

QString GridFilterCondition(const GridColumn &c, const QString &table) {
    static const char *const ops[] = {"", "=", "!=", ">=", ">", "<", "<=", " like ", ">=", " like "};
    if (c.filterOp < 1 || c.filterOp > 9)
        return {};
    const GridValueKind kind = c.kind();
    // Only text is upper-cased: a number or date turned into text would compare letter by
    // letter ("2" after "10").
    const bool textColumn = !IsNumericKind(kind) && !IsDateKind(kind) && kind != GridValueKind::Boolean;
    const bool upper = !c.filterCaseSensitive && textColumn;
    QString f = c.field.trimmed();
    if (isBareColumnName(f) && !table.isEmpty())
        f = table + QLatin1Char('.') + f;
    if (upper)
        f = QStringLiteral("UPPER(") + f + QLatin1Char(')');
    const bool like = c.filterOp == 7 || c.filterOp == 9;
    auto value = [&](const QString &v) {
        if (IsNumericKind(kind) && !like) {
            const QString n = numberLiteral(v);
            if (!n.isEmpty())
                return n;
        }
        QString text = v;
        if (c.filterOp == 7)
            text = QLatin1Char('%') + text + QLatin1Char('%');
        else if (c.filterOp == 9)
            text += QLatin1Char('%');
        QString q = QuoteStr(text);
        if (upper)
            q = QStringLiteral("UPPER(") + q + QLatin1Char(')');
        return q;
    };
    QString out = QStringLiteral(" (") + f + QLatin1String(ops[c.filterOp]) + value(c.filter1) + QLatin1Char(')');
    if (c.filterOp == 8)
        out += QStringLiteral(" and (") + f + QStringLiteral("<=") + value(c.filter2) + QLatin1Char(')');
    return out;
}

QString GridLayoutRecord(const QString &layouts, const QString &key) {
    for (const QString &record : layouts.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (record.section(QLatin1Char(','), 0, 0) == key)
            return record;
    }
    return {};
}

QString GridStoreLayoutRecord(const QString &layouts, const QString &record) {
    if (record.isEmpty())
        return layouts;
    const QString key = record.section(QLatin1Char(','), 0, 0);
    QString out;
    for (const QString &r : layouts.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (r.section(QLatin1Char(','), 0, 0) != key)
            out += r + QLatin1Char(';');
    }
    return out + record + QLatin1Char(';');
}

StringGridCore::StringGridCore() : m_cache(kCacheSlots) { ResetDefinition(); }

UserSettings &StringGridCore::Settings() const { return m_settings ? *m_settings : CurrentUserSettings(); }

void StringGridCore::ResetDefinition() {
    TableName.clear();
    KeyField.clear();
    KeyWithoutTable = false;
    ExtraTables.clear();
    WhereText.clear();
    ParentId = 0;
    Distinct = false;
    FixedOrder.clear();
    TextColourField.clear();
    BackColourField.clear();
    DefaultBackColour = 0xFFFFFF;
    DefaultTextColour = 0;
    ColourField.clear();
    ColourText.clear();
    ColourTextColour = 0;
    ColourBackColour = 0xFFFFFF;
    StrikeField.clear();
    StrikeText.clear();
    LayoutName.clear();
    NotifyMessage = 0;
    NotifyParam = 0;
    DeleteAllowed = PrintAllowed = NewAllowed = true;
    m_columns.clear();
    m_defaultVisibleCount = 0;
    m_defaultVisibleFrozen = false;
    m_visible.clear();
    m_sort = 0;
    m_data.clear();
    m_kinds.clear();
    m_overrideBack.clear();
    m_overrideText.clear();
    m_searchMode = -1;
    m_hitColumn = m_hitRow = -1;
    for (CacheSlot &s : m_cache)
        s.row = -1;
}

void StringGridCore::AddColumn(const QString &field, const QString &caption, bool summable, const QString &type, int width) {
    if (m_columns.size() > 1000)
        return;
    GridColumn c;
    c.field = field;
    c.caption = caption.isEmpty() ? field : caption;
    c.type = type;
    const GridValueKind k = GridValueKindOf(type);
    c.summable = summable || k == GridValueKind::Integer || k == GridValueKind::Decimal;
    c.width = width;
    m_columns << c;
    if (!m_defaultVisibleFrozen)
        m_defaultVisibleCount = int(m_columns.size());
}

void StringGridCore::SetStrikeOut(const QString &field, const QString &text) {
    StrikeField = field;
    StrikeText = text;
}

void StringGridCore::SetColourCondition(const QString &field, const QString &text, int textColour, int backColour) {
    ColourField = field;
    ColourText = text;
    ColourTextColour = textColour;
    ColourBackColour = backColour;
}

QString StringGridCore::SetFilter(int fieldIndex, int op, const QString &value1, const QString &value2, bool caseSensitive) {
    if (fieldIndex < 0 || fieldIndex >= m_columns.size())
        return QStringLiteral("Sloupec neexistuje.");
    GridColumn &c = m_columns[fieldIndex];
    QString v1 = value1, v2 = value2;
    if (c.kind() == GridValueKind::Boolean) {
        auto flag = [](const QString &v) {
            if (v == QLatin1String("0") || v == QLatin1String("1"))
                return v;
            return v.compare(QLatin1String("Ne"), Qt::CaseInsensitive) == 0 ? QStringLiteral("0") : QStringLiteral("1");
        };
        v1 = flag(v1);
        if (!v2.isEmpty())
            v2 = flag(v2);
    }
    if (IsNumericKind(c.kind()) && op != 0 && op != 7 && op != 9) {
        if (numberLiteral(v1).isEmpty() || (op == 8 && numberLiteral(v2).isEmpty()))
            return QStringLiteral("Sloupec \"%1\" obsahuje čísla; zadaná hodnota není číslo.").arg(c.caption);
    }
    c.filterOp = op;
    c.filter1 = op == 0 ? QString() : v1;
    c.filter2 = op == 8 ? v2 : QString();
    c.filterCaseSensitive = op == 0 ? true : caseSensitive;
    return {};
}

void StringGridCore::ClearFilters() {
    for (GridColumn &c : m_columns) {
        c.filterOp = 0;
        c.filter1.clear();
        c.filter2.clear();
        c.filterCaseSensitive = true;
    }
}

void StringGridCore::ResolveVisibleColumns() {
    m_visible.clear();
    const int n = int(m_columns.size());
    const int count = m_defaultVisibleFrozen ? std::min(m_defaultVisibleCount, n) : n;
    for (int i = 0; i < count; ++i)
        m_visible << i;
    if (!LayoutName.isEmpty()) {
        const QString record = GridLayoutRecord(Settings().gridLayouts, QStringLiteral("ZSL_") + LayoutName);
        if (!record.isEmpty()) {
            QList<int> order;
            const QStringList items = record.split(QLatin1Char(','));
            for (int i = 1; i < items.size(); ++i) {
                bool ok = false;
                const int f = items[i].trimmed().toInt(&ok);
                if (ok && f >= 0 && f < n)
                    order << f;
            }
            m_visible = order.isEmpty() ? QList<int>{0} : order;
        }
    }
}

QString StringGridCore::OrderByText() const {
    if (!FixedOrder.isEmpty())
        return QStringLiteral(" order by ") + FixedOrder;
    if (m_sort == 0)
        return {};
    const int dc = std::abs(m_sort) - 1;
    QString field = dc < m_visible.size() ? m_columns[m_visible[dc]].field : KeyField;
    if (dc < m_visible.size()) {
        // A column named like another select item (the key itself, say) would be ambiguous to
        // the engine; its place in the select list is not.
        auto bare = [](const QString &item) { return item.section(QLatin1Char('.'), -1).trimmed().toUpper(); };
        QStringList items{KeyWithoutTable ? KeyField : TableName + QLatin1Char('.') + KeyField};
        if (!TextColourField.isEmpty())
            items << TextColourField;
        if (!BackColourField.isEmpty())
            items << BackColourField;
        for (int f : m_visible)
            items << m_columns[f].field;
        const QString mine = bare(field);
        int same = 0;
        for (const QString &item : items) {
            if (isBareColumnName(item.section(QLatin1Char('.'), -1)) && bare(item) == mine)
                ++same;
        }
        if (same > 1 && isBareColumnName(field.section(QLatin1Char('.'), -1)))
            field = QString::number(itemOffset() + dc + 1);
    }
    return QStringLiteral(" order by ") + field + (m_sort < 0 ? QStringLiteral(" desc") : QString());
}

QString StringGridCore::ConditionText() const {
    QString cond = WhereText;
    cond.replace(QStringLiteral("%d"), QString::number(std::abs(ParentId)));
    // Filters belong before a GROUP BY; filters on aggregates become its HAVING.
    static const QRegularExpression groupBy(QStringLiteral("\\bgroup\\s+by\\b"), QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch m;
    qsizetype at = -1;
    auto it = groupBy.globalMatch(cond);
    while (it.hasNext()) {
        m = it.next();
        at = m.capturedStart();
    }
    QString head = at >= 0 ? cond.left(at) : cond;
    QString tail = at >= 0 ? cond.mid(at) : QString();
    QString having;
    for (const GridColumn &c : m_columns) {
        if (c.filterOp == 0)
            continue;
        const QString piece = GridFilterCondition(c, TableName);
        if (at >= 0 && IsAggregateField(c.field)) {
            having += (having.isEmpty() ? QStringLiteral(" having") : QStringLiteral(" and")) + piece;
            continue;
        }
        if (head.trimmed().isEmpty())
            head = QStringLiteral(" where ");
        else if (head.trimmed().toUpper().contains(QLatin1String("WHERE")))
            head += QStringLiteral(" and ");
        else
            head += QStringLiteral(" where ");
        head += piece;
    }
    if (at >= 0)
        return head + QLatin1Char(' ') + tail + having;
    return head;
}

QString StringGridCore::ComposeSelect() const {
    QString list;
    if (!TextColourField.isEmpty())
        list += TextColourField + QLatin1Char(',');
    if (!BackColourField.isEmpty())
        list += BackColourField + QLatin1Char(',');
    QStringList fields;
    for (int f : m_visible)
        fields << m_columns[f].field;
    list += fields.join(QLatin1Char(','));
    QString key = KeyWithoutTable ? KeyField : TableName + QLatin1Char('.') + KeyField;
    return QStringLiteral("Select ") + (Distinct ? QStringLiteral("distinct ") : QString()) + key + QLatin1Char(',') + list
           + QStringLiteral(" from ") + TableName + ExtraTables + QLatin1Char(' ') + ConditionText() + QLatin1Char(' ')
           + OrderByText() + QLatin1Char(';');
}

int StringGridCore::itemOffset() const {
    return 1 + (TextColourField.isEmpty() ? 0 : 1) + (BackColourField.isEmpty() ? 0 : 1);
}

bool StringGridCore::LoadData(int sort) {
    m_data.clear();
    m_overrideBack.clear();
    m_overrideText.clear();
    m_lastError.clear();
    for (CacheSlot &s : m_cache)
        s.row = -1;
    m_today = QDate::currentDate();
    TSQLDATA *db = SQLDATA;
    if (!db) {
        m_lastError = QStringLiteral("Není připojena databáze.");
        return false;
    }
    if (m_columns.isEmpty()) {
        TMKDATASET probe;
        const QString extra = ExtraTables.isEmpty() || ExtraTables.trimmed().startsWith(QLatin1Char(',')) ? ExtraTables
                                                                                                          : QLatin1Char(',') + ExtraTables;
        const QString sql = QStringLiteral("Select FIRST 1 * from ") + TableName + extra + QLatin1Char(' ');
        try {
            db->FillDataset(sql, probe);
        } catch (const SqlReadError &e) {
            m_lastError = e.message();
            prompt().message(sql + QStringLiteral("\r\n") + e.message(), Prompt::Kind::Error);
            return false;
        }
        for (int i = 1; i <= probe.FieldCount(); ++i)
            AddColumn(probe.FieldName(i), probe.FieldName(i));
    }
    const QString sql = PrepareSelect(sort);
    try {
        db->FillDataset(sql, m_data);
    } catch (const SqlReadError &e) {
        m_data.clear();
        m_lastError = e.message();
        prompt().message(sql + QStringLiteral("\r\n") + e.message(), Prompt::Kind::Error);
        return false;
    }
    if (m_hitRow > RowCount())
        ZrusOznaceniVyhledani();
    return true;
}

QString StringGridCore::PrepareSelect(int sort) {
    if (!ExtraTables.isEmpty() && !ExtraTables.trimmed().startsWith(QLatin1Char(',')))
        ExtraTables = QLatin1Char(',') + ExtraTables;
    ResolveVisibleColumns();
    if (sort != 0) {
        if (std::abs(sort) == std::abs(m_sort))
            m_sort = m_sort > 0 ? -m_sort : std::abs(sort);
        else
            m_sort = sort;
    }
    m_kinds.clear();
    for (int f : m_visible)
        m_kinds << m_columns[f].kind();
    resolveStrikeAndColourColumns();
    return ComposeSelect();
}

bool StringGridCore::Refresh() {
    if (SQLDATA)
        SQLDATA->RestartTransaction();
    return LoadData(0);
}

void StringGridCore::resolveStrikeAndColourColumns() {
    m_strikeColumn = m_colourColumn = -1;
    for (int dc = 0; dc < m_visible.size(); ++dc) {
        const QString &field = m_columns[m_visible[dc]].field;
        if (m_strikeColumn < 0 && !StrikeField.isEmpty() && field.compare(StrikeField, Qt::CaseInsensitive) == 0)
            m_strikeColumn = dc;
        if (m_colourColumn < 0 && !ColourField.isEmpty() && field.compare(ColourField, Qt::CaseInsensitive) == 0)
            m_colourColumn = dc;
    }
}

int StringGridCore::ZSL(int displayColumn) const {
    return displayColumn >= 0 && displayColumn < m_visible.size() ? m_visible[displayColumn] : -1;
}

int StringGridCore::PSL(int fieldIndex) const { return int(m_visible.indexOf(fieldIndex)); }

QString StringGridCore::Caption(int displayColumn) const {
    const int f = ZSL(displayColumn);
    return f < 0 ? QString() : m_columns[f].caption;
}

const QStringList &StringGridCore::decoded(int row) const {
    CacheSlot &slot = m_cache[size_t(row) % m_cache.size()];
    if (slot.row != row) {
        slot.items = row >= 0 && row < m_data.lines().size() ? DecodeCommaLine(m_data.lines().at(row)) : QStringList();
        slot.row = row;
    }
    return slot.items;
}

QString StringGridCore::Cell(int row, int displayColumn) const {
    if (row == 0)
        return Caption(displayColumn);
    if (row < 1 || row > RowCount() || displayColumn < 0 || displayColumn >= m_visible.size())
        return {};
    const QStringList &items = decoded(row);
    const int i = itemOffset() + displayColumn;
    const QString stored = i < items.size() ? items.at(i) : QString();
    return GridDisplayValue(stored, m_kinds.value(displayColumn), m_today);
}

QString StringGridCore::RowKey(int row) const {
    if (row < 1 || row > RowCount())
        return {};
    return decoded(row).value(0);
}

bool StringGridCore::RightAligned(int displayColumn) const { return IsRightAligned(m_kinds.value(displayColumn)); }

bool StringGridCore::ColumnFiltered(int displayColumn) const {
    const int f = ZSL(displayColumn);
    return f >= 0 && m_columns[f].filterOp != 0;
}

int StringGridCore::TextColour(int row) const {
    int colour = DefaultTextColour;
    if (row >= 1 && row <= RowCount()) {
        if (!TextColourField.isEmpty()) {
            const int c = decoded(row).value(1).trimmed().toInt();
            if (c != 0)
                colour = c;
        }
        if (m_colourColumn >= 0 && ColourTextColour != 0 && Cell(row, m_colourColumn) == ColourText)
            colour = ColourTextColour;
    }
    if (row >= 0 && row < m_overrideText.size())
        colour = m_overrideText[row];
    return colour;
}

int StringGridCore::BackColour(int row) const {
    int colour = DefaultBackColour;
    if (row >= 1 && row <= RowCount()) {
        if (!BackColourField.isEmpty()) {
            const int c = decoded(row).value(TextColourField.isEmpty() ? 1 : 2).trimmed().toInt();
            if (c != 0)
                colour = c;
        }
        if (m_colourColumn >= 0 && ColourBackColour != 0 && Cell(row, m_colourColumn) == ColourText)
            colour = ColourBackColour;
    }
    if (row >= 0 && row < m_overrideBack.size())
        colour = m_overrideBack[row];
    return colour;
}

bool StringGridCore::StruckOut(int row) const {
    return m_strikeColumn >= 0 && Cell(row, m_strikeColumn).trimmed() == StrikeText.trimmed();
}

QString StringGridCore::RowCountText() const { return QString::number(RowCount()) + QStringLiteral(" záznamů"); }

void StringGridCore::FillRowColours(bool textList, bool backList, int colour) {
    const int n = RowCount() + 1;
    if (textList)
        m_overrideText = QList<int>(n, colour);
    if (backList)
        m_overrideBack = QList<int>(n, colour);
}

void StringGridCore::BandRows(int column, int colourA, int colourB, bool textList, bool backList) {
    const int n = RowCount() + 1;
    if (textList && m_overrideText.size() < n)
        m_overrideText = QList<int>(n, colourB);
    if (backList && m_overrideBack.size() < n)
        m_overrideBack = QList<int>(n, colourB);
    bool flag = false;
    for (int r = 1; r < n; ++r) {
        if (column == -1 || Cell(r, column) != Cell(r - 1, column))
            flag = !flag;
        const int colour = flag ? colourB : colourA;
        if (textList)
            m_overrideText[r] = colour;
        if (backList)
            m_overrideBack[r] = colour;
    }
}

void StringGridCore::MarkChain(int fromA, int fromB, int toA, int toB, int mismatchColour, int partialColour, bool textList,
                               bool backList) {
    const int n = RowCount() + 1;
    if (textList && m_overrideText.size() < n)
        m_overrideText = QList<int>(n, partialColour);
    if (backList && m_overrideBack.size() < n)
        m_overrideBack = QList<int>(n, partialColour);
    auto set = [&](int r, int colour) {
        if (textList)
            m_overrideText[r] = colour;
        if (backList)
            m_overrideBack[r] = colour;
    };
    for (int r = 1; r + 1 < n; ++r) {
        if (Cell(r + 1, fromA) + Cell(r + 1, fromB) != Cell(r, toA) + Cell(r, toB)) {
            set(r, mismatchColour);
            set(r + 1, mismatchColour);
            const QString toAText = Cell(r, toA), toBText = Cell(r, toB);
            if ((!toAText.isEmpty() && Cell(r + 1, fromA) == toAText) || (!toBText.isEmpty() && Cell(r + 1, fromB) == toBText)) {
                set(r, partialColour);
                set(r + 1, partialColour);
            }
        }
    }
}

void StringGridCore::ApplyOddEvenColours() {
    const UserSettings &s = Settings();
    if (s.oddRowColour != 0xFFFFFF || s.evenRowColour != 0xFFFFFF)
        BandRows(-1, s.evenRowColour, s.oddRowColour, false, true);
}

int StringGridCore::SearchAll(const QString &text, int startRow, const GridSearchOptions &options, QString *error) {
    const QString needle = normaliseForSearch(text, options);
    QRegularExpression re;
    if (options.regularExpression) {
        re.setPattern((options.wholeValue ? QStringLiteral("^") : QString()) + needle);
        if (!re.isValid()) {
            if (error)
                *error = QStringLiteral("Chybný regulární výraz !");
            return -1;
        }
    }
    for (int r = std::max(1, startRow); r <= RowCount(); ++r) {
        for (int c = 0; c < ColumnCount(); ++c) {
            const QString cell = normaliseForSearch(Cell(r, c), options);
            bool hit;
            if (options.regularExpression)
                hit = re.match(cell).hasMatch();
            else if (options.wholeValue)
                hit = cell == needle;
            else
                hit = cell.contains(needle);
            if (hit) {
                m_hitColumn = c;
                m_hitRow = r;
                return r;
            }
        }
    }
    return -1;
}

int StringGridCore::SearchColumn(int displayColumn, const QString &text) {
    const QString needle = text.trimmed();
    for (int r = 1; r <= RowCount(); ++r) {
        if (Cell(r, displayColumn).trimmed().compare(needle, Qt::CaseInsensitive) == 0) {
            m_hitColumn = displayColumn;
            m_hitRow = r;
            return r;
        }
    }
    return -1;
}

QStringList StringGridCore::ColumnValues(int displayColumn) const {
    QStringList values;
    values.reserve(RowCount());
    for (int r = 1; r <= RowCount(); ++r)
        values << Cell(r, displayColumn);
    values.sort();
    values.removeDuplicates();
    return values;
}

bool StringGridCore::ColumnSummable(int displayColumn) const {
    const int f = ZSL(displayColumn);
    return f >= 0 && m_columns[f].summable;
}

double StringGridCore::ColumnTotal(int displayColumn) const {
    double sum = 0;
    for (int r = 1; r <= RowCount(); ++r)
        sum += GridCellNumber(Cell(r, displayColumn));
    return sum;
}

QString StringGridCore::SumaSloupce(int displayColumn) const {
    if (!ColumnSummable(displayColumn))
        return LangText(1001);
    return formatText(LangText(1007), {QStringLiteral("%1").arg(ColumnTotal(displayColumn), 20, 'f', 10)});
}

QString StringGridCore::SaveColumnOrder(const QStringList &visibleCaptions) {
    if (LayoutName.isEmpty())
        return LangText(1062);
    QList<int> order;
    for (const QString &caption : visibleCaptions) {
        for (int f = 0; f < m_columns.size(); ++f) {
            if (m_columns[f].caption.compare(caption, Qt::CaseInsensitive) == 0) {
                order << f;
                break;
            }
        }
    }
    QString record = QStringLiteral("ZSL_") + LayoutName + QLatin1Char(',');
    for (int f : order)
        record += QString::number(f) + QLatin1Char(',');
    UserSettings &s = Settings();
    s.gridLayouts = GridStoreLayoutRecord(s.gridLayouts, record);
    m_visible = order;
    m_searchMode = -1;
    ZrusOznaceniVyhledani();
    m_sort = 0;
    return {};
}

QString StringGridCore::SaveColumnWidths(const QList<int> &widths) {
    if (LayoutName.isEmpty())
        return LangText(1062);
    QString record = LayoutName + QLatin1Char(',');
    for (int w : widths)
        record += QString::number(w) + QLatin1Char(',');
    UserSettings &s = Settings();
    s.gridLayouts = GridStoreLayoutRecord(s.gridLayouts, record);
    return {};
}

QList<int> StringGridCore::SavedWidths() const {
    QList<int> widths;
    if (LayoutName.isEmpty())
        return widths;
    const QString record = GridLayoutRecord(Settings().gridLayouts, LayoutName);
    QStringList items = record.split(QLatin1Char(','));
    if (!items.isEmpty() && items.last().isEmpty())
        items.removeLast(); // every number is followed by ","
    for (int i = 1; i < items.size(); ++i)
        widths << items[i].trimmed().toInt();
    return widths;
}

QStringList StringGridCore::CsvLines() const {
    QStringList lines;
    for (int r = 0; r <= RowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < ColumnCount(); ++c)
            cells << Cell(r, c).replace(QLatin1Char(';'), QLatin1Char(','));
        lines << cells.join(QLatin1Char(';'));
    }
    return lines;
}

QStringList StringGridCore::HtmlLines() const {
    QStringList lines{QStringLiteral("<TABLE border=1>")};
    for (int r = 0; r <= RowCount(); ++r) {
        lines << QStringLiteral("<TR>");
        for (int c = 0; c < ColumnCount(); ++c) {
            const QString cell = Cell(r, c);
            QString text = cell.trimmed().isEmpty() ? QStringLiteral("&nbsp;") : cell.toHtmlEscaped();
            if (r == 0)
                text = QStringLiteral("<b>") + text + QStringLiteral("</b>");
            lines << QStringLiteral("<TD>") + text + QStringLiteral("</TD>");
        }
        lines << QStringLiteral("</TR>");
    }
    lines << QStringLiteral("</TABLE>");
    return lines;
}

namespace {
QString writeLines(const QString &path, const QStringList &lines) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return f.errorString();
    // The system's text is Windows-1250 throughout.
    auto encode = QStringEncoder("windows-1250");
    QByteArray bytes;
    for (const QString &l : lines)
        bytes += encode(l + QStringLiteral("\r\n"));
    f.write(bytes);
    return f.commit() ? QString() : f.errorString();
}
} // namespace

QString StringGridCore::ExportCSV(const QString &path) const { return writeLines(path, CsvLines()); }
QString StringGridCore::ExportHTML(const QString &path) const { return writeLines(path, HtmlLines()); }

QString StringGridCore::ColumnClipboardText(int displayColumn) const {
    QString out;
    for (int r = 1; r <= RowCount(); ++r)
        out += Cell(r, displayColumn) + QLatin1Char(';');
    return out;
}

QList<QPair<int, QString>> StringGridCore::MailAddresses(int displayColumn) const {
    QList<QPair<int, QString>> out;
    for (int r = 1; r <= RowCount(); ++r) {
        const QString cell = Cell(r, displayColumn).trimmed();
        if (cell.contains(QLatin1Char('@')))
            out << qMakePair(r, cell);
    }
    return out;
}

QString StringGridCore::PrintHtml(const QList<int> &pixelWidths) const {
    QString html = QStringLiteral("<html><body style=\"font-family:'Times New Roman'; color:black\">"
                                  "<p style=\"font-size:36pt; font-weight:bold\">Zorva</p>"
                                  "<table cellspacing=0 cellpadding=2 style=\"font-size:20pt\"><thead><tr>");
    for (int c = 0; c < ColumnCount(); ++c) {
        const int w = c < pixelWidths.size() ? pixelWidths[c] : 60;
        html += QStringLiteral("<th align=left width=%1>").arg(w) + Caption(c).toHtmlEscaped() + QStringLiteral("</th>");
    }
    html += QStringLiteral("</tr></thead><tbody>");
    for (int r = 1; r <= RowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < ColumnCount(); ++c)
            html += QStringLiteral("<td%1>").arg(RightAligned(c) ? QStringLiteral(" align=right") : QString())
                    + Cell(r, c).toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("<tr style=\"font-weight:bold\">");
    for (int c = 0; c < ColumnCount(); ++c) {
        QString total;
        if (ColumnSummable(c)) {
            const double t = ColumnTotal(c);
            total = t == std::floor(t) && std::abs(t) < 1e15 ? QString::number(qint64(t)) : QString::number(t, 'f', 2);
        }
        html += QStringLiteral("<td align=right><b>") + total + QStringLiteral("</b></td>");
    }
    html += QStringLiteral("</tr></tbody></table></body></html>");
    return html;
}

bool StringGridCore::DeleteRow(int row, int displayColumn) {
    if (row < 1 || row > RowCount() || !SQLDATA)
        return false;
    const QString key = RowKey(row);
    bool ok = false;
    const int id = key.trimmed().toInt(&ok);
    if (!ok)
        return false;
    // Records with rights columns are deleted only by members of their delete group.
    if (!SQLDATA->FieldTypeName(TableName.toUpper(), QStringLiteral("F_SMAZAT")).isEmpty()) {
        const int group = SQLDATA->SelectInt(QStringLiteral("select F_SMAZAT from ") + TableName + QStringLiteral(" where ") + KeyField
                                             + QLatin1Char('=') + QString::number(id));
        if (group != 0 && !Session::groups().contains(group)) {
            prompt().message(LangText(1025), Prompt::Kind::Error);
            return false;
        }
    }
    if (!prompt().ask(formatText(LangText(1061), {QStringLiteral("\r\n"), QString::number(row), Cell(row, displayColumn)})))
        return false;
    const bool locking = SQLDATA->NetMode() != 0;
    if (locking && !SQLDATA->LockRecord(TableName, id, 2)) {
        prompt().message(LangText(1147), Prompt::Kind::Error);
        return false;
    }
    const QString sql = QStringLiteral("delete from ") + TableName + QStringLiteral(" where ") + TableName + QLatin1Char('.')
                        + KeyField + QLatin1Char('=') + QString::number(id) + QLatin1Char(';');
    const QString error = SQLDATA->ExecSQL(sql);
    if (locking)
        SQLDATA->UnlockTable(TableName);
    if (!error.isEmpty()) {
        prompt().message(sql + QStringLiteral("\r\n") + error, Prompt::Kind::Error);
        return false;
    }
    ZrusOznaceniVyhledani();
    Refresh();
    return true;
}
