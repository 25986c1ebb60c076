#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

// Comma encoding of one line of a result table: items separated by ","; an item holding a
// character 1..32, a double quote or a comma is enclosed in double quotes (inner quotes doubled).
QString EncodeCommaLine(const QStringList &items);
void AppendCommaItem(QString &line, const QString &item, bool first);
// Decoding skips blanks and control characters between items; a bare item ends at a blank, a
// control character or a comma; a comma at the very end yields one more empty item. An empty
// line is one empty item (a one-column row whose value is empty).
QStringList DecodeCommaLine(const QString &line);

// In-memory result table: line 0 the field names, lines 1..n the rows, each in the comma encoding.
class TMKDATASET {
public:
    TMKDATASET() = default;

    QStringList &lines() { return m_lines; }
    const QStringList &lines() const { return m_lines; }
    void clear();

    QString SQL;

    int RecordCount() const { return m_lines.isEmpty() ? 0 : int(m_lines.size()) - 1; }
    int FieldCount() const;
    QString FieldName(int col) const;
    // 1-based; 0 when not found. Upper-cased comparison over at most 255 columns.
    int FieldIndex(const QString &name) const;
    // The row's items, always as many as the header has fields.
    QStringList Row(int row) const;

    QString Value(int row, int col) const;
    QString ValueByName(int row, const QString &name) const;
    int AsInteger(int row, const QString &name) const;
    double AsFloat(int row, const QString &name) const;
    QString AsFloatText(int row, const QString &name, int width = 12, int decimals = 2) const;
    QDateTime AsDate(int row, const QString &name) const;
    bool AsBool(int row, const QString &name) const;

    void SetValue(int row, int col, const QString &text);
    void SetValueByName(int row, const QString &name, const QString &text);
    void SetInteger(int row, const QString &name, int n);
    void QuoteValue(int row, int col);
    void QuoteValueByName(int row, const QString &name);

    int SumInt(int col) const;
    int SumInt(const QString &name) const { return SumInt(fieldIndexOrWarn(name)); }
    double SumFloat(int col) const;
    double SumFloat(const QString &name) const { return SumFloat(fieldIndexOrWarn(name)); }
    double SumFloatRange(int col, int from, int to) const;
    int SumIntWhere(const QString &name, const QString &conditionName, const QString &text) const;
    int FindRow(int col, const QString &text) const;
    bool IsGroupEnd(int row, int col) const;
    int GroupStart(int row, int col) const;

    void SetColumnType(int col, QChar letter, bool summed);
    void SetColumnType(const QString &name, QChar letter, bool summed);
    QChar ColumnType(int col) const;
    bool ColumnSummed(int col) const;
    bool AnySummed() const;
    void SetGroupColumn(const QString &name);
    void SetGroupColumnAt(int index) { m_groupColumn = index; }
    int GroupColumn() const { return m_groupColumn; }

    // Modes: 0 whole statement ending in ";", 1 head and first row ending in ",",
    // 2 the parenthesised values followed by ",", 3 the same followed by ";".
    QString InsertStatement(const QString &table, int row, bool quoted, int mode = 0) const;
    QString FillPlaceholders(int row, const QString &text) const;
    QString ToHTMLTable() const;

private:
    int fieldIndexOrWarn(const QString &name) const;
    bool checkRow(int row, bool write) const;

    QStringList m_lines;
    QString m_types;
    QString m_sums;
    int m_groupColumn = 0;
};
