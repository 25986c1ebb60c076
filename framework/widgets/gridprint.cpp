#include "gridprint.h"

#include "data/prompt.h"

#include <QDir>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace {
void render(const QString &html, QPrinter &printer) {
    QTextDocument doc;
    doc.setHtml(html);
    doc.print(&printer);
}
} // namespace

bool PrintHtmlToPdf(const QString &html, const QString &path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    render(html, printer);
    return QFileInfo::exists(path);
}

QString PrintHtmlPage(const QString &html, const QString &documentName, QWidget *parent) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        QDir dir(QDir::tempPath());
        dir.mkpath(QStringLiteral("zorva"));
        const QString path = dir.filePath(QStringLiteral("zorva/") + documentName + QStringLiteral(".pdf"));
        if (!PrintHtmlToPdf(html, path)) {
            prompt().message(QStringLiteral("Tisk do souboru PDF se nepodařil: ") + path, Prompt::Kind::Error);
            return {};
        }
        prompt().message(QStringLiteral("Není nainstalována žádná tiskárna; tisk byl uložen do souboru:\n") + path,
                         Prompt::Kind::Information);
        return path;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    render(html, printer);
    return {};
}
