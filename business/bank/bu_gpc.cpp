#include "bu_gpc.h"

#include "exchange/codepage/win1250.h"

#include <QFile>
#include <QRegularExpression>

namespace {
const QString kBank0100 = QStringLiteral("0100");
const QString kCRLF = QStringLiteral("\r\n");

QString td(const QString &value) { return QStringLiteral("<td>") + value + QStringLiteral("</td>"); }
QString tdRight(const QString &value) { return QStringLiteral("<td align=right>") + value + QStringLiteral("</td>"); }
QString html(const QString &text) { return text.toHtmlEscaped(); }
QString dateText(const QDate &d) { return d.isValid() ? d.toString(QStringLiteral("d.M.yyyy")) : QString(); }
// Two decimals right-justified in 20 characters.
QString amount20(double value) { return QString::number(value, 'f', 2).rightJustified(20, QLatin1Char(' ')); }
}

bool TBU_GPC::Load(const QString &fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        TeloVypisu.clear();
        LineNumbers.clear();
        return false;
    }
    LoadBytes(f.readAll());
    return true;
}

void TBU_GPC::LoadBytes(const QByteArray &bytes) {
    TeloVypisu.clear();
    LineNumbers.clear();
    const QString text = Win1250::decode(bytes);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines.at(n);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        TeloVypisu << line;
        LineNumbers << n + 1;
    }
}

bool TBU_GPC::SpravnaData() const {
    if (TeloVypisu.size() < 2 || !TeloVypisu.first().startsWith(QLatin1String("074")))
        return false;
    for (int i = 1; i < TeloVypisu.size(); ++i)
        if (!TeloVypisu.at(i).startsWith(QLatin1String("075")))
            return false;
    return true;
}

int TBU_GPC::PocetVet() const { return qMax(0, int(TeloVypisu.size()) - 1); }

QString TBU_GPC::cut(const QString &line, int from, int width) { return line.mid(from - 1, width); }

QDate TBU_GPC::DateFromDDMMYY(const QString &text) {
    static const QRegularExpression re(QStringLiteral("^\\d{6}$"));
    if (!re.match(text).hasMatch())
        return {};
    return QDate(2000 + text.mid(4, 2).toInt(), text.mid(2, 2).toInt(), text.left(2).toInt());
}

qint64 TBU_GPC::HundredthsFrom(const QString &whole, const QString &hundredths) {
    // The text whole "." hundredths read as a decimal number; anything else is 0.
    const QStringView w = QStringView(whole).trimmed();
    const QStringView h = QStringView(hundredths).trimmed();
    QStringView digits = w;
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == u'-' || digits.front() == u'+')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    if ((digits.isEmpty() && h.isEmpty()) || digits.size() > 16)
        return 0;
    qint64 units = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
        units = units * 10 + (c.unicode() - u'0');
    }
    int frac = 0;
    for (int k = 0; k < h.size(); ++k) {
        const QChar c = h.at(k);
        if (c < u'0' || c > u'9')
            return 0;
        if (k < 2)
            frac += (c.unicode() - u'0') * (k == 0 ? 10 : 1);
    }
    const qint64 value = units * 100 + frac;
    return negative ? -value : value;
}

QString TBU_GPC::FormatHundredths(qint64 value) {
    const qint64 a = value < 0 ? -value : value;
    return (value < 0 ? QStringLiteral("-") : QString()) + QString::number(a / 100) + QLatin1Char('.')
           + QString::number(a % 100).rightJustified(2, QLatin1Char('0'));
}

bool TBU_GPC::bank0100() const { return QStringView(header()).mid(118, 4) == kBank0100; }

QString TBU_GPC::VratKodBanky() const { return bank0100() ? kBank0100 : QStringLiteral("0000"); }

QString TBU_GPC::PrevedVnitrniFormatUctuNaEditicni(const QString &account) const {
    if (account.size() != 16 || !bank0100())
        return account;
    static const int order[16] = {11, 12, 13, 14, 15, 16, 5, 6, 7, 8, 9, 4, 10, 2, 3, 1};
    QString out;
    out.reserve(16);
    for (int p : order)
        out += account.at(p - 1);
    return out;
}

QString TBU_GPC::Souhrn_CisloUctu() const { return PrevedVnitrniFormatUctuNaEditicni(cut(header(), 4, 16)); }
QString TBU_GPC::Souhrn_NazevUctu() const { return PrevedVnitrniFormatUctuNaEditicni(cut(header(), 20, 20)); }
QDate TBU_GPC::Souhrn_DatumStarehoZustatku() const { return DateFromDDMMYY(cut(header(), 40, 6)); }

qint64 TBU_GPC::Souhrn_Hundredths(int column) const {
    const qint64 v = HundredthsFrom(cut(header(), column, 12), cut(header(), column + 12, 2));
    return cut(header(), column + 14, 1) == QLatin1String("-") ? -v : v;
}

double TBU_GPC::Souhrn_StaryZustatek() const { return Souhrn_Hundredths(46) / 100.0; }
double TBU_GPC::Souhrn_NovyZustatek() const { return Souhrn_Hundredths(61) / 100.0; }
double TBU_GPC::Souhrn_ObratyDebet() const { return Souhrn_Hundredths(76) / 100.0; }
double TBU_GPC::Souhrn_ObratyKredit() const { return Souhrn_Hundredths(91) / 100.0; }
int TBU_GPC::Souhrn_PoradoveCVypisu() const { return cut(header(), 106, 3).trimmed().toInt(); }
QDate TBU_GPC::Souhrn_DatumZuctovani() const { return DateFromDDMMYY(cut(header(), 109, 6)); }
QString TBU_GPC::Souhrn_IBAN() const { return cut(header(), 115, 8); }
QString TBU_GPC::Souhrn_KANAL() const { return cut(header(), 123, 2); }

QString TBU_GPC::Veta_CisloUctuKlienta(int i) const { return PrevedVnitrniFormatUctuNaEditicni(cut(record(i), 4, 16)); }
QString TBU_GPC::Veta_CisloProtiuctu(int i) const { return PrevedVnitrniFormatUctuNaEditicni(cut(record(i), 20, 16)); }
qint64 TBU_GPC::Veta_CastkaHundredths(int i) const { return HundredthsFrom(cut(record(i), 49, 10), cut(record(i), 59, 2)); }
double TBU_GPC::Veta_Castka(int i) const { return Veta_CastkaHundredths(i) / 100.0; }

int TBU_GPC::Veta_KodUctovani(int i) const {
    bool ok = false;
    const int code = cut(record(i), 61, 1).toInt(&ok);
    return ok ? code : 0;
}

qint64 TBU_GPC::Veta_CastkaSeZnamenkemHundredths(int i) const {
    switch (Veta_KodUctovani(i)) {
    case 1:
    case 4:
        return -Veta_CastkaHundredths(i);
    case 2:
    case 5:
        return Veta_CastkaHundredths(i);
    default:
        return 0;
    }
}

double TBU_GPC::Veta_CastkaSeZnamenkem(int i) const { return Veta_CastkaSeZnamenkemHundredths(i) / 100.0; }

double TBU_GPC::Veta_CastkaDebet(int i) const {
    const int k = Veta_KodUctovani(i);
    return (k == 1 || k == 4) ? Veta_Castka(i) : 0.0;
}

double TBU_GPC::Veta_CastkaKredit(int i) const {
    const int k = Veta_KodUctovani(i);
    return (k == 2 || k == 5) ? Veta_Castka(i) : 0.0;
}

QString TBU_GPC::Veta_KodUctovaniSlovy(int i) const {
    switch (Veta_KodUctovani(i)) {
    case 1: return QStringLiteral("debet");
    case 2: return QStringLiteral("kredit");
    case 4: return QStringLiteral("storno debet");
    case 5: return QStringLiteral("storno kredit");
    default: return QStringLiteral("?");
    }
}

QString TBU_GPC::Veta_VariabilniSymbol(int i) const { return cut(record(i), 62, 10); }

qint64 TBU_GPC::Veta_VariabilniSymbolAsInteger(int i) const {
    bool ok = false;
    const qint64 v = Veta_VariabilniSymbol(i).trimmed().toLongLong(&ok);
    return ok ? v : 0;
}

QString TBU_GPC::Veta_KonstantniSymbol(int i) const { return cut(record(i), 72, 10); }
QString TBU_GPC::Veta_KodBanky(int i) const { return cut(record(i), 74, 4); }
QString TBU_GPC::Veta_Specificky(int i) const { return cut(record(i), 82, 10); }
QString TBU_GPC::Veta_DoplnujiciUdaj(int i) const { return cut(record(i), 98, 20); }

QString TBU_GPC::Veta_DatumSplatnostiText(int i) const {
    if (bank0100())
        return cut(header(), 109, 6);
    return cut(record(i), 123, 6);
}

QDate TBU_GPC::Veta_DatumSplatnosti(int i) const { return DateFromDDMMYY(Veta_DatumSplatnostiText(i)); }

QString TBU_GPC::PrehledDoHTML() const {
    if (!SpravnaData())
        return QStringLiteral("Error in file<br>");
    QString s;
    auto row = [&](const QString &label, const QString &cell) {
        s += QStringLiteral("<tr><td><b>") + label + QStringLiteral("</b></td>") + cell + QStringLiteral("</tr>") + kCRLF;
    };
    s += QStringLiteral("<TABLE border=1 style=\"border-collapse: collapse\">") + kCRLF;
    row(QStringLiteral("Číslo účtu"), td(html(Souhrn_CisloUctu())));
    row(QStringLiteral("Název účtu"), td(html(Souhrn_NazevUctu())));
    row(QStringLiteral("Datum starého zůstatku"), td(dateText(Souhrn_DatumStarehoZustatku())));
    row(QStringLiteral("Starý zůstatek"), tdRight(amount20(Souhrn_StaryZustatek())));
    row(QStringLiteral("Nový zůstatek"), tdRight(amount20(Souhrn_NovyZustatek())));
    row(QStringLiteral("Obraty Debet"), tdRight(amount20(Souhrn_ObratyDebet())));
    row(QStringLiteral("Obraty Kredit"), tdRight(amount20(Souhrn_ObratyKredit())));
    row(QStringLiteral("Číslo výpisu"), tdRight(QString::number(Souhrn_PoradoveCVypisu()).rightJustified(6, QLatin1Char(' '))));
    row(QStringLiteral("Datum zúčtování"), td(dateText(Souhrn_DatumZuctovani())));
    row(QStringLiteral("Datum IBAN"), td(html(Souhrn_IBAN())));
    row(QStringLiteral("Datum KANAL"), td(html(Souhrn_KANAL())));
    s += QStringLiteral("</table>");

    s += QStringLiteral("<TABLE border=1 width=100% style=\"border-collapse: collapse\">") + kCRLF + QStringLiteral("<tr>");
    const char *headings[] = {"&nbsp;", "Číslo účtu klienta", "Číslo protiúčtu", "Kód banky", "Částka", "Kód účtování",
                              "Variabilní symbol", "Konstantní symbol", "Specifický symbol", "Doplňující údaj",
                              "Datum splatnosti"};
    for (const char *h : headings)
        s += QStringLiteral("<td><b>") + QString::fromUtf8(h) + QStringLiteral("</b></td>");
    s += QStringLiteral("</tr>") + kCRLF + QStringLiteral("<br>") + kCRLF;
    for (int i = 1; i <= PocetVet(); ++i) {
        s += QStringLiteral("<tr><td align=right><b>") + QString::number(i) + QStringLiteral(".</b></td>");
        s += td(html(Veta_CisloUctuKlienta(i))) + td(html(Veta_CisloProtiuctu(i))) + td(html(Veta_KodBanky(i)));
        s += tdRight(amount20(Veta_Castka(i))) + td(Veta_KodUctovaniSlovy(i));
        s += td(html(Veta_VariabilniSymbol(i))) + td(html(Veta_KonstantniSymbol(i))) + td(html(Veta_Specificky(i)));
        s += td(html(Veta_DoplnujiciUdaj(i))) + td(dateText(Veta_DatumSplatnosti(i)));
        s += QStringLiteral("</tr>") + kCRLF;
    }
    s += QStringLiteral("</table>");
    return s;
}
