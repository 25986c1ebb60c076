#pragma once
#include <QString>

class QWidget;

// Prints plain text through Qt's print support: the print dialog when a printer is installed,
// otherwise a PDF file the user names. Returns false when the user cancelled or it failed.
bool PrintPlainText(QWidget *parent, const QString &text, const QString &documentTitle);

// The same page into a PDF file, without asking.
bool PrintPlainTextToPdf(const QString &text, const QString &documentTitle, const QString &fileName);
