#pragma once
#include "exchange/importresult.h"

#include <QString>
#include <QStringList>

class TSQLDATA;
class TYP_MKDBF;

// The tables a dBASE or CSV file may be imported into.
bool IsImportTable(const QString &table);

// The values of the current record as the generic import writes them: each trimmed, "," turned
// into ";", double quotes into apostrophes, then quoted; an empty date, time or number is NULL.
QStringList DbfRecordValues(TYP_MKDBF &dbf);

// Statement of the generic import for one record. For ADRESAR_ZAKL the key goes in first.
QString DbfInsertStatement(const QString &table, const QString &columns, const QStringList &values, int id,
                           int userId, int groupId);

// Imports every record of the file into ADRESAR_ZAKL, KU or UKOLY in one transaction, or none.
// Field names must be columns of the table. code ("W", "L", "K") applies only to a file whose
// header does not mark its code page.
ImportResult ImportDbfTable(TSQLDATA &db, const QString &path, const QString &table, const QString &code,
                            const ImportProgress &progress = {});

// Text 1049, the warning shown before the address import of the other program.
QString ViranWarningText();

// Imports the address table of the other program: existing addresses (same short name) get
// their name, person, address, numbers and e-mail replaced; new ones are inserted with their
// categories. All records in one transaction, or none. Asks ViranWarningText() first when ask.
ImportResult ImportViranAddresses(TSQLDATA &db, const QString &path, const ImportProgress &progress = {},
                                  bool ask = true);
