#include "printhistory.h"

#include "data/prompt.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

bool PrintPlainText(QWidget *parent, const QString &text, const QString &documentTitle) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentTitle);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString file = QFileDialog::getSaveFileName(
            parent, QStringLiteral("Tisk do souboru PDF"), QDir::home().filePath(documentTitle + QStringLiteral(".pdf")),
            QStringLiteral("PDF (*.pdf)"));
        if (file.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    } else {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Tisk"));
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    QTextDocument document;
    document.setPlainText(text);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        prompt().message(QStringLiteral("Tisk se nepodařil."), Prompt::Kind::Error);
        return false;
    }
    return true;
}
