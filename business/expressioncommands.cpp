#include "expressioncommands.h"
#include "identifierchecks.h"

#include "data/prompt.h"
#include "exchange/codepage/czechcase.h"
#include "exchange/codepage/win1250.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cmath>

namespace {

struct Call {
    ExpressionEngine &engine;
    QString name;
    QStringList args;
    QList<bool> quoted;
    int error = 0;

    QString text(int i) const { return i < args.size() ? args.at(i) : QString(); }
    double number(int i) {
        if (i >= args.size())
            return 0.0;
        const QString a = args.at(i).trimmed();
        bool ok = false;
        const double v = a.toDouble(&ok);
        if (ok || a.isEmpty() || quoted.value(i))
            return ok ? v : 0.0;
        // A register or a small calculation written as an argument.
        int e = 0;
        const double r = engine.evaluateStatementPure(a, &e);
        return e ? 0.0 : r;
    }
    qint64 whole(int i) { return qint64(std::trunc(number(i))); }
};

// Windows attribute bits of a file, as formulas written for the system expect them.
int attributeBits(const QFileInfo &fi) {
    int bits = 0;
    if (!fi.isWritable())
        bits |= 0x01;
    if (fi.isHidden())
        bits |= 0x02;
    if (fi.isDir())
        bits |= 0x10;
    else
        bits |= 0x20;
    return bits;
}

double fileNameCount(Call &c) {
    const QFileInfo mask(c.text(0));
    const int attributes = int(c.whole(1));
    QDir dir = mask.dir();
    QDir::Filters filters = QDir::Files;
    if (attributes & 0x10)
        filters |= QDir::Dirs | QDir::NoDotAndDotDot;
    if (attributes & 0x02)
        filters |= QDir::Hidden;
    return double(dir.entryList(QStringList{mask.fileName()}, filters).size());
}

double searchContent(Call &c) {
    QFile f(c.text(0));
    if (!f.open(QIODevice::ReadOnly))
        return 0.0;
    const QString needle = c.text(1);
    const bool countAll = c.number(2) != 0;
    if (needle.isEmpty())
        return 0.0;
    const QStringList lines = Win1250::decode(f.readAll()).split(QLatin1Char('\n'));
    qint64 count = 0;
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const qint64 n = line.count(needle);
        if (n && !countAll)
            return 1.0;
        count += n;
    }
    return double(count);
}

double replaceBytes(Call &c) {
    const QByteArray from = Win1250::encode(c.text(1));
    const QByteArray to = Win1250::encode(c.text(2));
    const qint64 limit = c.whole(3);
    QFile f(c.text(0));
    if (from.size() != to.size() || from.isEmpty() || !f.open(QIODevice::ReadWrite))
        return 0.0;
    QByteArray data = f.readAll();
    qint64 done = 0;
    qsizetype pos = 0;
    while (done < limit && (pos = data.indexOf(from, pos)) >= 0) {
        data.replace(pos, from.size(), to);
        pos += to.size();
        ++done;
    }
    if (done) {
        f.seek(0);
        f.write(data);
    }
    return double(done);
}

double writeLog(Call &c) {
    QFile f(c.text(0));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return 1.0;
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("d.M.yyyy H:mm:ss")) +
                         QLatin1Char(' ') + c.text(1) + QStringLiteral("\r\n");
    return f.write(Win1250::encode(line)) < 0 ? 1.0 : 0.0;
}

double dialog(Call &c) {
    const qint64 kind = c.whole(0);
    auto lines = [&c](int first) {
        return QStringList{c.text(first), c.text(first + 1), c.text(first + 2)}.join(QLatin1Char('\n'));
    };
    switch (kind) {
    case 3:
        prompt().message(lines(3), Prompt::Kind::Information);
        return 1.0;
    case 4:
        prompt().message(lines(3), Prompt::Kind::Error);
        return 1.0;
    case 5:
        return prompt().ask(lines(2)) ? 1.0 : 0.0;
    default:
        c.error = 1;
        return 0.0;
    }
}

double test(Call &c) {
    const qint64 kind = c.whole(0);
    const QString value = c.text(1);
    const bool emptyAllowed = c.number(2) != 0;
    const QString second = c.text(3);
    if (kind < 1 || kind > 5)
        return 0.0;
    if (emptyAllowed && value.trimmed().isEmpty())
        return 1.0;
    switch (kind) {
    case 1: return IsValidIco(value) ? 1.0 : 0.0;
    case 2: return IsValidBirthNumber(value) ? 1.0 : 0.0;
    case 3: return IsValidIco(value) || IsValidBirthNumber(value) ? 1.0 : 0.0;
    case 4: return IsValidDic(value, second) ? 1.0 : 0.0;
    default:
        if (ExpressionCommands::nonPayerTexts().contains(CzechLowerCase(value.trimmed())))
            return 1.0;
        return IsValidDic(value, second) ? 1.0 : 0.0;
    }
}

double matSpec(Call &c) {
    const qint64 mode = c.whole(0);
    const qint64 n = c.whole(1);
    if (n > 10) {
        c.error = 1;
        return 0.0;
    }
    double x[11] = {};
    for (int i = 1; i <= 9; ++i)
        x[i] = c.number(i + 1);
    switch (mode) {
    case 1:
    case 2: {
        double r = x[1];
        for (qint64 i = 2; i <= n; ++i)
            r = mode == 1 ? qMax(r, x[i]) : qMin(r, x[i]);
        return r;
    }
    case 3:
    case 4: {
        bool any = false, every = true;
        for (qint64 i = 2; i < n; i += 2) {
            const bool inside = x[1] >= x[i] && x[1] <= x[i + 1];
            any = any || inside;
            every = every && inside;
        }
        return (mode == 3 ? any : every) ? 1.0 : 0.0;
    }
    case 5:
        for (qint64 i = 2; i <= n; ++i)
            if (x[1] == x[i])
                return 1.0;
        return 0.0;
    default:
        return 0.0;
    }
}

using Handler = std::function<double(Call &)>;

struct Command {
    Handler run;
    bool touchesSystem = false;  // files, the clipboard: never from a stored formula
};

QHash<QString, Command> buildCommands() {
    QHash<QString, Command> t;
    auto add = [&t](const char *name, Handler h, bool system = false) { t.insert(QLatin1String(name), {h, system}); };
    add("ORD", [](Call &c) {
        const QByteArray b = Win1250::encode(c.text(0));
        return b.isEmpty() ? 0.0 : double(quint8(b.at(0)));
    });
    add("MOD", [](Call &c) {
        const qint64 a = c.whole(0), b = c.whole(1);
        return b == 0 ? 0.0 : double(a % b);
    });
    add("DIV", [](Call &c) {
        const qint64 a = c.whole(0), b = c.whole(1);
        return b == 0 ? 0.0 : double(a / b);
    });
    add("TEST", test);
    add("DIALOG", dialog);
    add("EXEC", [](Call &) { return -999.0; });
    for (const char *n : {"NET_PRIHLASEN", "NET_POSLI_HLASKU", "WRITELN", "CLS", "MKD", "CALL", "JUMP", "JUMP_NAV",
                          "JUMP_BE", "JUMP_END", "JUMP_REPEAT", "NAV", "END", "BEGIN", "REPEAT", "ENDPROC", "GOTO",
                          "TWRITE", "TWRITELN"})
        add(n, [](Call &) { return 0.0; });
    for (const char *n : {"SET", "QSET", "CHR", "KONVERZE", "ID_POLE", "FILE_JMENO", "FILE_TMP_JM", "RET_MAT"})
        add(n, [](Call &) { return 1.0; });
    add("PREVOD", [](Call &c) {
        const qint64 kind = c.whole(0);
        if (kind >= 401 && kind <= 410)
            return 1.0;
        c.error = 1;
        return 0.0;
    });
    for (const char *n : {"TCLOSE", "TEOF", "TEOLN", "TREAD", "TREADLN"})
        add(n, [](Call &c) {
            c.error = 1;  // no text file is ever open
            return 1.0;
        });
    add("MAT_SPEC", matSpec);

    add("FILE_EXIST", [](Call &c) { return QFileInfo(c.text(0)).isFile() ? 1.0 : 0.0; }, true);
    add("FILE_JMENO_POCET", fileNameCount, true);
    add("FILE_HLEDEJ_OBSAH", searchContent, true);
    add("FILE_NAHRAD", replaceBytes, true);
    add("FILE_DELETE", [](Call &c) { return QFile::remove(c.text(0)) ? 1.0 : 0.0; }, true);
    add("GET_FILE_SIZE", [](Call &c) {
        const QFileInfo fi(c.text(0));
        return fi.exists() ? double(fi.size()) : 0.0;
    }, true);
    add("GET_FILE_ATTRIBUT", [](Call &c) {
        const QFileInfo fi(c.text(0));
        return fi.exists() ? double(attributeBits(fi)) : 0.0;
    }, true);
    add("VYTVOR_PROTOKOL", writeLog, true);
    // The clipboard transfers of the old system are not available; they say so by their code.
    add("SOUB_DO_WINCLIP", [](Call &c) {
        c.error = QFileInfo(c.text(0)).isFile() ? 9 : 2;
        return 0.0;
    }, true);
    for (const char *n : {"WINCLIP_DO_SOUB", "WINCLIP_DELETE"})
        add(n, [](Call &c) {
            c.error = 9;
            return 0.0;
        }, true);
    return t;
}

const QHash<QString, Command> &commands() {
    static const QHash<QString, Command> t = buildCommands();
    return t;
}

}  // namespace

const QStringList &ExpressionCommands::nonPayerTexts() {
    static const QStringList texts{QStringLiteral("neplátce"), QStringLiteral("neplátce dph")};
    return texts;
}

bool ExpressionCommands::parse(const QString &command, QString *name, QStringList *args, QList<bool> *quoted) {
    args->clear();
    quoted->clear();
    const int open = command.indexOf(QLatin1Char('('));
    *name = (open < 0 ? command : command.left(open)).trimmed().toUpper();
    if (open < 0)
        return true;
    int close = command.lastIndexOf(QLatin1Char(')'));
    if (close < open)
        close = command.size();
    const QString inner = command.mid(open + 1, close - open - 1);
    if (inner.trimmed().isEmpty())
        return true;
    QString current;
    bool inQuotes = false, wasQuoted = false;
    for (const QChar ch : inner) {
        if (ch == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            wasQuoted = true;
            continue;
        }
        if (ch == QLatin1Char(',') && !inQuotes) {
            *args << (wasQuoted ? current : current.trimmed());
            *quoted << wasQuoted;
            current.clear();
            wasQuoted = false;
            continue;
        }
        current += ch;
    }
    *args << (wasQuoted ? current : current.trimmed());
    *quoted << wasQuoted;
    return args->size() <= 24;
}

double ExpressionCommands::run(ExpressionEngine &engine, const QString &line, ExpressionCaller caller, int *error) {
    *error = 0;
    const QString command = line.mid(1).trimmed();  // without "!"
    Call call{engine, {}, {}, {}, 0};
    const bool ok = parse(command, &call.name, &call.args, &call.quoted);
    const auto it = commands().constFind(call.name);
    if (it == commands().constEnd()) {
        prompt().message(QStringLiteral("Neznámý příkaz\n") + line, Prompt::Kind::Error);
        *error = ExpressionError::BadToken;
        return 0.0;
    }
    if (!ok) {
        call.error = 1;  // more than 24 arguments
    } else if (it->touchesSystem && caller != ExpressionCaller::Calculator) {
        // A formula from the shared database runs on every station; it may not touch files.
        call.error = ExpressionError::NotFromFormula;
    }
    double value = 0.0;
    if (!call.error)
        value = it->run(call);
    if (call.error) {
        prompt().message(QStringLiteral("CHYBA PŘI VÝPOČTU :") + QString::number(call.error) + QLatin1Char('\n') + line,
                         Prompt::Kind::Error);
        *error = call.error;
        return 0.0;
    }
    return value;
}
