#pragma once
#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QList>
#include <QString>

// Reader of dBASE III tables. It only reads: the file is opened read-only and memo files are not
// touched. Names and text values come out as program text, converted once from the code page the
// header marks (Latin 2 or Kamenický); a file without a mark is taken in the default code page.
class TYP_MKDBF {
public:
    // Status codes kept after each operation.
    enum Status {
        Ok = 0,
        CannotOpen = -1,          // cannot be opened, or the first 32 bytes cannot be read
        HeaderShort = -2,         // the file is shorter than the header length it states
        HeaderTooSmall = -3,      // the stated header length is below 33 bytes
        RecordLengthZero = -4,    // the stated record length is 0
        FieldsPastRecord = -5,    // the fields do not fit in the stated record length
        CountMismatch = -6,       // the header's record count disagrees with the file size
        TooManyFields = -7,       // more than 255 field descriptors
        TypeNotAccepted = 98,     // a field has a type the reader does not know (open still succeeds)
        FieldTypeNotAccepted = -19, // the field just read has such a type; it reads as empty
        NotOpen = -22,
        BeyondRecords = -23,
    };

    struct Field {
        QString name;      // converted, padded with blanks to 10 characters
        char type = 0;
        int length = 0;    // as stored
        int decimals = 0;
        int effectiveLength = 0;
        int position = 0;  // byte offset in the record; byte 0 is the deletion mark
    };

    TYP_MKDBF() = default;
    ~TYP_MKDBF() { Close(); }
    TYP_MKDBF(const TYP_MKDBF &) = delete;
    TYP_MKDBF &operator=(const TYP_MKDBF &) = delete;

    // Code page ("W", "L" or "K") for files whose header carries no mark; "W" by default.
    void SetDefaultCodePage(const QString &code) { m_defaultCode = code; }

    // True when the file could be read; Status() may still be TypeNotAccepted or CountMismatch.
    bool Open(const QString &path);
    void Close();
    bool IsOpen() const { return m_file.isOpen(); }
    int Status() const { return m_status; }
    static QString StatusText(int status);
    QString FilePath() const { return m_path; }

    int FieldCount() const { return int(m_fields.size()); }
    QString FieldName(int i) const;
    char FieldType(int i) const;
    int FieldLength(int i) const;
    int FieldDecimals(int i) const;
    int FieldIndex(const QString &name) const;
    const QList<Field> &Fields() const { return m_fields; }

    int RecordCount() const { return m_recordCount; }
    int HeaderRecordCount() const { return m_headerRecordCount; }
    int HeaderLength() const { return m_headerLength; }
    int RecordLength() const { return m_recordLength; }
    quint8 Version() const { return m_version; }
    // "W", "L", "K" by the header's mark, empty when the file has none.
    QString MarkedCodePage() const { return m_markedCode; }
    // The code page values are taken in: the mark, or the default when there is none.
    QString CodePage() const { return m_markedCode.isEmpty() ? m_defaultCode : m_markedCode; }

    bool GoTo(int n);
    int RecNo() const { return m_recNo; }
    bool Deleted() const { return m_record.size() > 0 && m_record.at(0) == '*'; }
    // Text form of field i of the current record; 0 is the deletion mark, beyond the count empty.
    // An empty date or time reads as empty text.
    QString FieldText(int i);

    static bool IsAcceptedType(char type);

private:
    QString toText(const QByteArray &bytes) const;

    QFile m_file;
    QString m_path;
    QString m_defaultCode = QStringLiteral("W");
    QString m_markedCode;
    int m_status = NotOpen;
    quint8 m_version = 0;
    int m_headerRecordCount = 0;
    int m_recordCount = 0;
    int m_headerLength = 0;
    int m_recordLength = 0;
    QList<Field> m_fields;
    QByteArray m_record;
    int m_recNo = 0;
};
