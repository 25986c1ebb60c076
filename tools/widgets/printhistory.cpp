#include "printhistory.h"

#include "data/prompt.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace {
bool printTo(QPrinter &printer, const QString &text) {
    QTextDocument document;
    document.setPlainText(text);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        prompt().message(QStringLiteral("Tisk se nepodařil."), Prompt::Kind::Error);
        return false;
    }
    return true;
}
}  // namespace

bool PrintPlainTextToPdf(const QString &text, const QString &documentTitle, const QString &fileName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentTitle);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return printTo(printer, text);
}

bool PrintPlainText(QWidget *parent, const QString &text, const QString &documentTitle) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer installed: the page goes to a PDF file the user names.
        const QString file = QFileDialog::getSaveFileName(
            parent, QStringLiteral("Tisk do souboru PDF"), QDir::home().filePath(documentTitle + QStringLiteral(".pdf")),
            QStringLiteral("PDF (*.pdf)"));
        if (file.isEmpty())
            return false;
        return PrintPlainTextToPdf(text, documentTitle, file);
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentTitle);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Tisk"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return printTo(printer, text);
}
