#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The name-day lists built into the program (resource "DATAUPGR_3"): one entry per line,
// "name;day[;month[;kind]]"; month and list kind carry over from the lines before.
struct NameDayEntry {
    int kind = 0;
    int month = 0;
    int day = 0;
    QString name;
    bool operator==(const NameDayEntry &o) const = default;
};

struct NameDayList {
    QList<NameDayEntry> entries;
    // Empty when the whole text was read; otherwise what is wrong and on which line (1-based).
    QString error;
    int errorLine = 0;
    bool ok() const { return error.isEmpty(); }
};

// Reads the text of the resource (already decoded). A line that is empty after trimming spaces
// is skipped; the name is kept as written. Day, month and kind must be whole numbers in range,
// and a line may only leave out month and kind once earlier lines gave them.
NameDayList ParseNameDays(const QString &text);

// The resource as built into the program: Windows-1250 bytes with CRLF line ends.
QByteArray NameDayResource();
// The resource decoded and parsed.
NameDayList BuiltInNameDays();

// The statements that load the lists during the upgrade to version 3, in order: the list kinds
// (1 "CZ", 2 "SK", 19 "CZ-psi", 20 "SK-psi"), then one insert per entry.
QStringList NameDayStatements(const QList<NameDayEntry> &entries);
