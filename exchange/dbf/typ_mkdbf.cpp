#include "typ_mkdbf.h"

#include "data/prompt.h"
#include "exchange/codepage/convertcodepage.h"
#include "exchange/codepage/win1250.h"

#include <QFileInfo>
#include <QtEndian>

namespace {
int effectiveLength(char type, int stored) {
    switch (type) {
    case 'D': return 8;
    case 'L': return 1;
    case 'M': return 10;
    case 'T': return 4;
    default: return stored;
    }
}

bool blankOrZero(const QByteArray &bytes) {
    for (char c : bytes)
        if (c != ' ' && c != '0' && c != '\0')
            return false;
    return true;
}
}

bool TYP_MKDBF::IsAcceptedType(char type) {
    switch (type) {
    case 'C': case 'D': case 'E': case 'L': case 'M': case 'N': case 'S': case 'T': case 'X': case 'Y':
        return true;
    default:
        return false;
    }
}

QString TYP_MKDBF::StatusText(int status) {
    switch (status) {
    case Ok: return QStringLiteral("v pořádku");
    case CannotOpen: return QStringLiteral("soubor nelze otevřít nebo přečíst jeho hlavičku");
    case HeaderShort: return QStringLiteral("soubor je kratší než jeho hlavička");
    case HeaderTooSmall: return QStringLiteral("délka hlavičky je menší než 33 bajtů");
    case RecordLengthZero: return QStringLiteral("délka záznamu je 0");
    case FieldsPastRecord: return QStringLiteral("pole přesahují délku záznamu");
    case CountMismatch: return QStringLiteral("počet záznamů v hlavičce nesouhlasí s velikostí souboru");
    case TooManyFields: return QStringLiteral("soubor má více než 255 polí");
    case TypeNotAccepted: return QStringLiteral("soubor obsahuje pole nepodporovaného typu");
    case FieldTypeNotAccepted: return QStringLiteral("pole nepodporovaného typu");
    case NotOpen: return QStringLiteral("soubor není otevřen");
    case BeyondRecords: return QStringLiteral("číslo záznamu je za koncem souboru");
    default: return QString::number(status);
    }
}

bool TYP_MKDBF::Open(const QString &path) {
    Close();
    m_status = Ok;
    QString p = path;
    if (QFileInfo(p).suffix().isEmpty())
        p += QStringLiteral(".DBF");
    p = QFileInfo(p).absoluteFilePath();
    m_path = p;
    const QFileInfo info(p);
    if (info.suffix().compare(QLatin1String("DBF"), Qt::CaseInsensitive) == 0
        && QFileInfo::exists(info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".KOD")))
        prompt().message(QStringLiteral("Nutno zjistit heslo !!! - vnitřní chyba programu"), Prompt::Kind::Error);

    m_file.setFileName(p);
    // Read-only: the reader never writes, so a read-only file is as good as any other.
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_status = CannotOpen;
        return false;
    }
    const QByteArray head = m_file.read(32);
    if (head.size() < 32) {
        Close();
        m_status = CannotOpen;
        return false;
    }
    const auto *u = reinterpret_cast<const uchar *>(head.constData());
    m_version = u[0];
    m_headerRecordCount = int(qMin<quint32>(qFromLittleEndian<quint32>(u + 4), quint32(INT_MAX)));
    m_headerLength = qFromLittleEndian<quint16>(u + 8);
    m_recordLength = qFromLittleEndian<quint16>(u + 10);
    switch (u[29]) {
    case 3: m_markedCode = QStringLiteral("W"); break;
    case 100: m_markedCode = QStringLiteral("L"); break;
    case 104: m_markedCode = QStringLiteral("K"); break;
    default: m_markedCode.clear(); break;
    }
    auto fail = [&](int status) {
        Close();
        m_status = status;
        return false;
    };
    if (m_headerLength < 33)
        return fail(HeaderTooSmall);
    if (m_recordLength == 0)
        return fail(RecordLengthZero);
    m_file.seek(0);
    const QByteArray header = m_file.read(m_headerLength);
    if (header.size() < m_headerLength)
        return fail(HeaderShort);

    const int declared = qRound((m_headerLength - 33) / 32.0);
    int position = 1;
    bool faulty = false;
    for (int i = 0; i < declared; ++i) {
        const int at = 32 + 32 * i;
        // Some writers put more than the terminator after the descriptors; it ends them.
        if (at + 32 > header.size() || header.at(at) == '\r')
            break;
        if (i == 255)
            return fail(TooManyFields);
        const QByteArray d = header.mid(at, 32);
        Field f;
        QByteArray name = d.left(11);
        const qsizetype zero = name.indexOf('\0');
        if (zero >= 0)
            name.truncate(zero);
        name.truncate(10);
        f.name = toText(name).leftJustified(10, QLatin1Char(' '));
        f.type = d.at(11);
        f.length = uchar(d.at(16));
        f.decimals = uchar(d.at(17));
        f.effectiveLength = effectiveLength(f.type, f.length);
        f.position = position;
        position += f.length;
        if (!IsAcceptedType(f.type))
            faulty = true;
        m_fields << f;
    }
    if (position > m_recordLength)
        return fail(FieldsPastRecord);

    m_recordCount = m_headerRecordCount;
    const qint64 size = m_file.size();
    if (size != 0) {
        const qint64 bySize = size > m_headerLength ? (size - m_headerLength) / m_recordLength : 0;
        m_recordCount = int(qMin<qint64>(bySize, INT_MAX));
        if (m_recordCount != m_headerRecordCount)
            m_status = CountMismatch;
    }
    if (faulty)
        m_status = TypeNotAccepted;
    if (m_recordCount > 0) {
        const int keep = m_status;
        GoTo(1);
        m_status = keep;
    }
    return true;
}

void TYP_MKDBF::Close() {
    if (m_file.isOpen())
        m_file.close();
    m_fields.clear();
    m_record.clear();
    m_recNo = 0;
    m_recordCount = 0;
    m_status = NotOpen;
}

QString TYP_MKDBF::toText(const QByteArray &bytes) const {
    const QString code = CodePage();
    if (code == QLatin1String("L") || code == QLatin1String("K"))
        return Win1250::decode(ConvertCodePage(bytes, code + QLatin1Char('W')));
    return Win1250::decode(bytes);
}

QString TYP_MKDBF::FieldName(int i) const { return i >= 1 && i <= FieldCount() ? m_fields.at(i - 1).name : QString(); }
char TYP_MKDBF::FieldType(int i) const { return i >= 1 && i <= FieldCount() ? m_fields.at(i - 1).type : 0; }
int TYP_MKDBF::FieldLength(int i) const { return i >= 1 && i <= FieldCount() ? m_fields.at(i - 1).length : 0; }
int TYP_MKDBF::FieldDecimals(int i) const { return i >= 1 && i <= FieldCount() ? m_fields.at(i - 1).decimals : 0; }

int TYP_MKDBF::FieldIndex(const QString &name) const {
    const QString padded = name.leftJustified(10, QLatin1Char(' '));
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).name == padded)
            return i + 1;
    return 0;
}

bool TYP_MKDBF::GoTo(int n) {
    if (!IsOpen()) {
        m_status = NotOpen;
        return false;
    }
    if (n < 1 || n > m_recordCount) {
        m_status = BeyondRecords;
        return false;
    }
    m_file.seek(qint64(m_headerLength) + qint64(n - 1) * m_recordLength);
    m_record = m_file.read(m_recordLength);
    if (m_record.size() < m_recordLength) {
        m_record.clear();
        m_recNo = 0;
        m_status = BeyondRecords;
        return false;
    }
    m_recNo = n;
    m_status = Ok;
    return true;
}

QString TYP_MKDBF::FieldText(int i) {
    if (!IsOpen()) {
        m_status = NotOpen;
        return {};
    }
    if (m_record.isEmpty())
        return {};
    if (i == 0)
        return QString(QLatin1Char(m_record.at(0)));
    if (i < 0 || i > FieldCount())
        return {};
    const Field &f = m_fields.at(i - 1);
    // The open checked that every field lies inside the record.
    const QByteArray raw = m_record.mid(f.position, qMin(f.effectiveLength, f.length));
    m_status = Ok;
    switch (f.type) {
    case 'C': case 'E': case 'N': case 'S': case 'X': case 'Y': {
        QByteArray b = raw;
        while (b.endsWith('\0'))
            b.chop(1);
        return toText(b);
    }
    case 'D':
        if (blankOrZero(raw))
            return {};
        return QString::fromLatin1(raw.mid(6, 2) + '.' + raw.mid(4, 2) + '.' + raw.left(4));
    case 'L':
        return raw == "Y" ? QStringLiteral("A") : toText(raw);
    case 'M':
        return toText(raw);
    case 'T':
        if (blankOrZero(raw) && !raw.contains('0'))
            return {};
        return QString::fromLatin1(raw.left(2) + ':' + raw.mid(2, 2));
    default:
        m_status = FieldTypeNotAccepted;
        return {};
    }
}
