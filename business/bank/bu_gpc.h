#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// Reader of a GPC bank statement: one header record ("074") followed by transaction records
// ("075") in fixed 1-based character columns. Text is taken as Windows-1250 without conversion.
// A field beyond the end of a short line reads as the characters that are there, or as empty.
class TBU_GPC {
public:
    // Reads the file and drops the lines that are blank; false when it cannot be read.
    bool Load(const QString &fileName);
    // The same from bytes already in memory.
    void LoadBytes(const QByteArray &bytes);

    // The non-blank lines: the header first, then the records.
    QStringList TeloVypisu;
    // Line number in the file (1-based, blank lines counted) of each entry of TeloVypisu.
    QList<int> LineNumbers;

    bool SpravnaData() const;
    int PocetVet() const;

    QString VratKodBanky() const;
    QString PrevedVnitrniFormatUctuNaEditicni(const QString &account) const;

    QString Souhrn_CisloUctu() const;
    QString Souhrn_NazevUctu() const;
    QDate Souhrn_DatumStarehoZustatku() const;
    double Souhrn_StaryZustatek() const;
    double Souhrn_NovyZustatek() const;
    double Souhrn_ObratyDebet() const;
    double Souhrn_ObratyKredit() const;
    int Souhrn_PoradoveCVypisu() const;
    QDate Souhrn_DatumZuctovani() const;
    QString Souhrn_IBAN() const;
    QString Souhrn_KANAL() const;

    // Records are numbered from 1.
    QString Veta_CisloUctuKlienta(int i) const;
    QString Veta_CisloProtiuctu(int i) const;
    double Veta_Castka(int i) const;
    double Veta_CastkaSeZnamenkem(int i) const;
    double Veta_CastkaDebet(int i) const;
    double Veta_CastkaKredit(int i) const;
    int Veta_KodUctovani(int i) const;
    QString Veta_KodUctovaniSlovy(int i) const;
    QString Veta_VariabilniSymbol(int i) const;
    // Variable symbols reach ten digits, past the range of a 32-bit integer.
    qint64 Veta_VariabilniSymbolAsInteger(int i) const;
    QString Veta_KonstantniSymbol(int i) const;
    QString Veta_KodBanky(int i) const;
    QString Veta_Specificky(int i) const;
    QString Veta_DoplnujiciUdaj(int i) const;
    // Columns 123-128, or the statement's accounting date for bank "0100".
    QDate Veta_DatumSplatnosti(int i) const;
    // The raw text the due date is read from (empty when the record has none).
    QString Veta_DatumSplatnostiText(int i) const;

    // Amounts in hundredths, exact; the double accessors above divide by 100.
    qint64 Souhrn_Hundredths(int column) const;
    qint64 Veta_CastkaHundredths(int i) const;
    qint64 Veta_CastkaSeZnamenkemHundredths(int i) const;

    QString PrehledDoHTML() const;

    // "DDMMYY" as a date in 2000-2099; invalid when it is not one.
    static QDate DateFromDDMMYY(const QString &text);
    // Whole units and hundredths as cut from the line; 0 when either is not a number.
    static qint64 HundredthsFrom(const QString &whole, const QString &hundredths);
    // Hundredths as "-123.45".
    static QString FormatHundredths(qint64 value);

private:
    const QString &header() const { return record(0); }
    const QString &record(int i) const { return i >= 0 && i < TeloVypisu.size() ? TeloVypisu.at(i) : m_empty; }
    bool bank0100() const;
    QString m_empty;
    static QString cut(const QString &line, int from, int width);
};
