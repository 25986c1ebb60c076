#include "mkdataset.h"

#include "exchange/codepage/czechcase.h"
#include "prompt.h"

namespace {
bool needsQuotes(const QString &item) {
    for (const QChar c : item) {
        const char16_t u = c.unicode();
        if ((u >= 1 && u <= 32) || u == '"' || u == ',')
            return true;
    }
    return false;
}
inline bool isGap(char16_t u) { return u >= 1 && u <= 32; }

QString formatFixed(double v, int width, int decimals) {
    return QString::number(v, 'f', decimals).rightJustified(width, QLatin1Char(' '));
}

QString htmlEscape(const QString &s) {
    QString out;
    out.reserve(s.size());
    for (const QChar c : s) {
        if (c == QLatin1Char('&'))
            out += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            out += QLatin1String("&lt;");
        else if (c == QLatin1Char('>'))
            out += QLatin1String("&gt;");
        else
            out += c;
    }
    return out;
}
}

void AppendCommaItem(QString &line, const QString &item, bool first) {
    if (!first)
        line += QLatin1Char(',');
    if (needsQuotes(item)) {
        line += QLatin1Char('"');
        for (const QChar c : item) {
            if (c == QLatin1Char('"'))
                line += QLatin1Char('"');
            line += c;
        }
        line += QLatin1Char('"');
    } else {
        line += item;
    }
}

QString EncodeCommaLine(const QStringList &items) {
    QString line;
    for (qsizetype i = 0; i < items.size(); ++i)
        AppendCommaItem(line, items.at(i), i == 0);
    return line;
}

QStringList DecodeCommaLine(const QString &line) {
    QStringList out;
    if (line.isEmpty()) {
        out << QString();
        return out;
    }
    const QChar *p = line.constData();
    const QChar *end = p + line.size();
    while (p < end && isGap(p->unicode()))
        ++p;
    while (p < end) {
        QString item;
        if (*p == QLatin1Char('"')) {
            ++p;
            while (p < end) {
                if (*p == QLatin1Char('"')) {
                    if (p + 1 < end && p[1] == QLatin1Char('"')) {
                        item += QLatin1Char('"');
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += *p++;
            }
        } else {
            const QChar *start = p;
            while (p < end && p->unicode() > 32 && *p != QLatin1Char(','))
                ++p;
            item = QString(start, p - start);
        }
        out << item;
        while (p < end && isGap(p->unicode()))
            ++p;
        if (p < end && *p == QLatin1Char(',')) {
            if (p + 1 == end)
                out << QString();
            do {
                ++p;
            } while (p < end && isGap(p->unicode()));
        }
    }
    if (out.isEmpty())
        out << QString();
    return out;
}

void TMKDATASET::clear() {
    m_lines.clear();
    SQL.clear();
    m_types.clear();
    m_sums.clear();
    m_groupColumn = 0;
}

int TMKDATASET::FieldCount() const {
    return m_lines.isEmpty() ? 0 : int(DecodeCommaLine(m_lines.first()).size());
}

QString TMKDATASET::FieldName(int col) const {
    if (m_lines.isEmpty())
        return {};
    const QStringList h = DecodeCommaLine(m_lines.first());
    return col >= 1 && col <= h.size() ? h.at(col - 1) : QString();
}

int TMKDATASET::FieldIndex(const QString &name) const {
    if (m_lines.isEmpty())
        return 0;
    const QStringList h = DecodeCommaLine(m_lines.first());
    const QString wanted = CzechUpperCase(name);
    const int n = int(qMin<qsizetype>(h.size(), 255));
    for (int i = 0; i < n; ++i)
        if (CzechUpperCase(h.at(i)) == wanted)
            return i + 1;
    return 0;
}

int TMKDATASET::fieldIndexOrWarn(const QString &name) const {
    const int i = FieldIndex(name);
    if (i == 0)
        prompt().message(QStringLiteral("POLE \"%1\" NEEXISTUJE !").arg(name), Prompt::Kind::Error);
    return i;
}

bool TMKDATASET::checkRow(int row, bool write) const {
    if (row >= 1 && row <= RecordCount())
        return true;
    prompt().message(QStringLiteral("Error 1121%1:Row=%2Count=%3|").arg(write ? QStringLiteral("a") : QStringLiteral("b")).arg(row).arg(RecordCount()),
                     Prompt::Kind::Error);
    return false;
}

QStringList TMKDATASET::Row(int row) const {
    if (row < 0 || row >= m_lines.size())
        return {};
    QStringList items = DecodeCommaLine(m_lines.at(row));
    const int width = FieldCount();
    while (items.size() < width)
        items << QString();
    return items;
}

QString TMKDATASET::Value(int row, int col) const {
    if (!checkRow(row, false))
        return {};
    if (col == 0) {
        prompt().message(QStringLiteral("POLE č. 0 NEEXISTUJE !"), Prompt::Kind::Error);
        return {};
    }
    const QStringList items = DecodeCommaLine(m_lines.at(row));
    if (col < 1 || col > items.size()) {
        if (col <= FieldCount())
            return {};
        prompt().message(QStringLiteral("Error 7897:Col=%1Count=%2|%3|").arg(col).arg(items.size()).arg(m_lines.at(row)),
                         Prompt::Kind::Error);
        return {};
    }
    return items.at(col - 1);
}

QString TMKDATASET::ValueByName(int row, const QString &name) const {
    const int col = fieldIndexOrWarn(name);
    return col ? Value(row, col) : QString();
}

int TMKDATASET::AsInteger(int row, const QString &name) const {
    const QString v = ValueByName(row, name).trimmed();
    return v.isEmpty() ? 0 : v.toInt();
}

double TMKDATASET::AsFloat(int row, const QString &name) const {
    QString v = ValueByName(row, name).trimmed();
    if (v.isEmpty())
        return 0;
    v.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : 0;
}

QString TMKDATASET::AsFloatText(int row, const QString &name, int width, int decimals) const {
    return formatFixed(AsFloat(row, name), width, decimals);
}

QDateTime TMKDATASET::AsDate(int row, const QString &name) const {
    const QString v = ValueByName(row, name).trimmed();
    QDateTime dt = QDateTime::fromString(v, QStringLiteral("d.M.yyyy H:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime(QDate::fromString(v, QStringLiteral("d.M.yyyy")), QTime(0, 0));
    return dt;
}

bool TMKDATASET::AsBool(int row, const QString &name) const { return ValueByName(row, name) == QLatin1String("1"); }

void TMKDATASET::SetValue(int row, int col, const QString &text) {
    if (!checkRow(row, true))
        return;
    QStringList items = Row(row);
    if (col < 1 || col > items.size()) {
        prompt().message(QStringLiteral("Error 7897:Sl=%1Count=%2|%3|").arg(col).arg(items.size()).arg(m_lines.at(row)),
                         Prompt::Kind::Error);
        return;
    }
    items[col - 1] = text;
    m_lines[row] = EncodeCommaLine(items);
}

void TMKDATASET::SetValueByName(int row, const QString &name, const QString &text) {
    const int col = fieldIndexOrWarn(name);
    if (col)
        SetValue(row, col, text);
}

void TMKDATASET::SetInteger(int row, const QString &name, int n) { SetValueByName(row, name, QString::number(n)); }

void TMKDATASET::QuoteValue(int row, int col) {
    if (!checkRow(row, true))
        return;
    QString v = Value(row, col);
    v.replace(QLatin1Char('"'), QLatin1String("\"\""));
    SetValue(row, col, QLatin1Char('"') + v + QLatin1Char('"'));
}

void TMKDATASET::QuoteValueByName(int row, const QString &name) {
    const int col = fieldIndexOrWarn(name);
    if (col)
        QuoteValue(row, col);
}

int TMKDATASET::SumInt(int col) const {
    int s = 0;
    for (int r = 1; r <= RecordCount(); ++r)
        s += Row(r).value(col - 1).trimmed().toInt();
    return s;
}

double TMKDATASET::SumFloat(int col) const { return SumFloatRange(col, 1, RecordCount()); }

double TMKDATASET::SumFloatRange(int col, int from, int to) const {
    double s = 0;
    if (col < 1)
        return 0;
    for (int r = qMax(1, from); r <= qMin(to, RecordCount()); ++r) {
        QString v = Row(r).value(col - 1).trimmed();
        v.replace(QLatin1Char(','), QLatin1Char('.'));
        s += v.toDouble();
    }
    return s;
}

int TMKDATASET::SumIntWhere(const QString &name, const QString &conditionName, const QString &text) const {
    const int col = fieldIndexOrWarn(name);
    const int cond = fieldIndexOrWarn(conditionName);
    if (!col || !cond)
        return 0;
    int s = 0;
    for (int r = 1; r <= RecordCount(); ++r) {
        const QStringList items = Row(r);
        if (text.isEmpty() || items.value(cond - 1) == text)
            s += items.value(col - 1).trimmed().toInt();
    }
    return s;
}

int TMKDATASET::FindRow(int col, const QString &text) const {
    const QString wanted = text.trimmed().toLower();
    for (int r = 1; r <= RecordCount(); ++r)
        if (Row(r).value(col - 1).trimmed().toLower() == wanted)
            return r;
    return 0;
}

bool TMKDATASET::IsGroupEnd(int row, int col) const {
    if (row >= RecordCount())
        return true;
    return Row(row).value(col - 1) != Row(row + 1).value(col - 1);
}

int TMKDATASET::GroupStart(int row, int col) const {
    const QString v = Row(row).value(col - 1);
    int r = row;
    while (r > 1 && Row(r - 1).value(col - 1) == v)
        --r;
    return r;
}

void TMKDATASET::SetColumnType(int col, QChar letter, bool summed) {
    if (col < 1)
        return;
    while (m_types.size() < col)
        m_types += QLatin1Char(' ');
    while (m_sums.size() < col)
        m_sums += QLatin1Char('0');
    m_types[col - 1] = letter;
    m_sums[col - 1] = summed ? QLatin1Char('1') : QLatin1Char('0');
}

void TMKDATASET::SetColumnType(const QString &name, QChar letter, bool summed) {
    SetColumnType(fieldIndexOrWarn(name), letter, summed);
}

QChar TMKDATASET::ColumnType(int col) const {
    return col >= 1 && col <= m_types.size() ? m_types.at(col - 1) : QLatin1Char(' ');
}

bool TMKDATASET::ColumnSummed(int col) const {
    return col >= 1 && col <= m_sums.size() && m_sums.at(col - 1) == QLatin1Char('1');
}

bool TMKDATASET::AnySummed() const { return m_sums.contains(QLatin1Char('1')); }

void TMKDATASET::SetGroupColumn(const QString &name) { m_groupColumn = FieldIndex(name); }

QString TMKDATASET::InsertStatement(const QString &table, int row, bool quoted, int mode) const {
    const QStringList header = Row(0);
    const QStringList items = Row(row);
    QStringList values;
    for (QString v : items) {
        if (quoted) {
            v.replace(QLatin1Char('"'), QLatin1String("\"\""));
            v = QLatin1Char('"') + v + QLatin1Char('"');
        }
        values << v;
    }
    const QString tuple = QLatin1Char('(') + values.join(QLatin1Char(',')) + QLatin1Char(')');
    const QString head = QStringLiteral("insert into ") + table + QLatin1Char('(') + header.join(QLatin1Char(','))
                         + QStringLiteral(") values");
    switch (mode) {
    case 1: return head + tuple + QLatin1Char(',');
    case 2: return tuple + QLatin1Char(',');
    case 3: return tuple + QLatin1Char(';');
    default: return head + tuple + QLatin1Char(';');
    }
}

QString TMKDATASET::FillPlaceholders(int row, const QString &text) const {
    const QStringList header = Row(0);
    const QStringList items = Row(row);
    QString out = text;
    for (int c = 0; c < header.size(); ++c) {
        const QString marker = QStringLiteral("#N-") + CzechUpperCase(header.at(c));
        QString upper = CzechUpperCase(out);
        qsizetype pos = 0;
        while ((pos = upper.indexOf(marker, pos)) >= 0) {
            const qsizetype start = pos;
            const qsizetype after = pos + marker.size();
            if (after >= out.size()) {
                pos = after;
                continue;
            }
            qsizetype endPos = -1;
            if (out.at(after) == QLatin1Char(';'))
                endPos = after + 1;
            else if (out.at(after) == QLatin1Char(',')) {
                const qsizetype semi = out.indexOf(QLatin1Char(';'), after);
                if (semi >= 0)
                    endPos = semi + 1;
            }
            if (endPos < 0) {
                pos = after;
                continue;
            }
            const QString value = items.value(c);
            out.replace(start, endPos - start, value);
            upper = CzechUpperCase(out);
            pos = start + value.size();
        }
    }
    return out;
}

QString TMKDATASET::ToHTMLTable() const {
    const QString br = QStringLiteral("\r\n");
    QString h = QStringLiteral("<TABLE border=1 width=200mm style=\"border-collapse: collapse;  font-style: normal; "
                               "font-size: 3mm; font-variant: normal; text-decoration: normal\">")
                + br;
    const QStringList header = Row(0);
    const int n = int(header.size());
    h += QStringLiteral("<TR>") + br;
    for (const QString &name : header)
        h += QStringLiteral("<TD><b>") + htmlEscape(name) + QStringLiteral("</b></TD>");
    h += QStringLiteral("</TR>") + br;
    auto cell = [&](int col, const QString &v) {
        const QChar t = ColumnType(col);
        if (t == QLatin1Char('C')) {
            QString num = v.trimmed();
            num.replace(QLatin1Char(','), QLatin1Char('.'));
            return QStringLiteral("<TD align=right>") + formatFixed(num.toDouble(), 12, 2) + QStringLiteral("</TD>");
        }
        if (t == QLatin1Char('I'))
            return QStringLiteral("<TD align=right>") + htmlEscape(v) + QStringLiteral("</TD>");
        return QStringLiteral("<TD>") + htmlEscape(v) + QStringLiteral("</TD>");
    };
    auto sumRow = [&](int from, int to, bool withGroup) {
        QString r = QStringLiteral("<TR>");
        const QStringList last = Row(to);
        for (int c = 1; c <= n; ++c) {
            if (withGroup && c == m_groupColumn)
                r += QStringLiteral("<TD><b>") + htmlEscape(last.value(c - 1)) + QStringLiteral("</b></TD>");
            else if (ColumnSummed(c))
                r += QStringLiteral("<TD align=right><b>") + formatFixed(SumFloatRange(c, from, to), 12, 2) + QStringLiteral("</b></TD>");
            else
                r += QStringLiteral("<TD>&nbsp;</TD>");
        }
        return r + QStringLiteral("</TR>") + br;
    };
    for (int r = 1; r <= RecordCount(); ++r) {
        const QStringList items = Row(r);
        h += QStringLiteral("<TR>");
        for (int c = 1; c <= n; ++c)
            h += cell(c, items.value(c - 1));
        h += QStringLiteral("</TR>") + br;
        if (m_groupColumn > 0 && IsGroupEnd(r, m_groupColumn))
            h += sumRow(GroupStart(r, m_groupColumn), r, true);
    }
    if (AnySummed())
        h += sumRow(1, RecordCount(), false);
    h += QStringLiteral("</TABLE>") + br;
    return h;
}
