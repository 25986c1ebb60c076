#pragma once
#include <QString>
#include <QStringList>

class QWidget;
class TSQLDATA;

// Each returns true when the database changed, so that the caller refreshes its views (the
// change notice to other stations is sent here). A cancelled file dialog does nothing.

// "Načtení bankovních výpisů": the overview of one or several GPC files in a window.
void ShowGpcPreview(QWidget *parent);
// The same for files already chosen (the window is modal; returns when it is closed).
void ShowGpcPreviewOf(QWidget *parent, const QStringList &paths);
// "Import bankovních výpisů".
bool RunGpcImport(QWidget *parent, TSQLDATA &db);
// "ze souboru typu DBF v kódování …" for ADRESAR_ZAKL, KU or UKOLY; code "W", "L" or "K".
bool RunDbfImport(QWidget *parent, TSQLDATA &db, const QString &table, const QString &code);
// "z programu VIRAN".
bool RunViranImport(QWidget *parent, TSQLDATA &db);
// "ze souboru typu CSV v kódování …".
bool RunCsvImport(QWidget *parent, TSQLDATA &db, const QString &table, const QString &code);
// "do souboru typu CSV v kódování …".
void RunCsvExport(QWidget *parent, TSQLDATA &db, const QString &table, const QString &code);
