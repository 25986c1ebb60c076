#pragma once
#include <QString>

class QWidget;

// Prints a page of HTML. With a printer installed the print dialog is shown; without one the
// page becomes a PDF file in the system temporary folder ("zorva" sub-folder). Returns the PDF
// path when one was written, empty otherwise (also when the user cancelled). The outcome is
// told to the user through prompt().
QString PrintHtmlPage(const QString &html, const QString &documentName, QWidget *parent = nullptr);
// The PDF alone, without asking (used when there is no printer, and by tests).
bool PrintHtmlToPdf(const QString &html, const QString &path);
