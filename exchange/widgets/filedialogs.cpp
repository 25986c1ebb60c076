#include "filedialogs.h"

#include "business/bank/gpcimport.h"
#include "data/prompt.h"
#include "data/sqldata.h"
#include "exchange/csv/csvexchange.h"
#include "exchange/dbf/dbfimport.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QProgressDialog>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QStringList openFiles(QWidget *parent, const QString &filter, bool many) {
    if (many)
        return QFileDialog::getOpenFileNames(parent, QString(), QString(), filter);
    const QString f = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    return f.isEmpty() ? QStringList() : QStringList{f};
}

// Progress with a cancel button while an import prepares its rows; the busy cursor meanwhile.
class Progress {
public:
    explicit Progress(QWidget *parent, const QString &label) : m_dialog(label, QStringLiteral("Přerušit"), 0, 100, parent) {
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(500);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~Progress() { QApplication::restoreOverrideCursor(); }
    bool operator()(int done, int total) {
        m_dialog.setMaximum(qMax(total, 1));
        m_dialog.setValue(done);
        QApplication::processEvents();
        return !m_dialog.wasCanceled();
    }
    std::function<bool(int, int)> callback() {
        return [this](int done, int total) { return (*this)(done, total); };
    }

private:
    QProgressDialog m_dialog;
};

bool finish(TSQLDATA &db, const ImportResult &r) {
    if (r.cancelled)
        return false;
    if (!r.ok) {
        prompt().message(r.error, Prompt::Kind::Error);
        return false;
    }
    db.NotifyChange();
    return true;
}

}  // namespace

void ShowGpcPreviewOf(QWidget *parent, const QStringList &paths) {
    const QString html = GpcFilesPreviewHtml(paths);
    if (html.isEmpty())
        return;
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Načtení bankovních výpisů"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *view = new QTextBrowser(&dialog);
    view->setHtml(html);
    layout->addWidget(view);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(1000, 600);
    dialog.exec();
}

void ShowGpcPreview(QWidget *parent) {
    const QStringList paths = openFiles(parent, QStringLiteral("*.gpc (*.gpc);;*.* (*)"), true);
    if (!paths.isEmpty())
        ShowGpcPreviewOf(parent, paths);
}

bool RunGpcImport(QWidget *parent, TSQLDATA &db) {
    const QStringList paths = openFiles(parent, QStringLiteral("*.gpc (*.gpc);;*.* (*)"), true);
    if (paths.isEmpty())
        return false;
    bool any = false;
    {
        Progress progress(parent, QStringLiteral("Import bankovních výpisů"));
        ImportGpcFiles(db, paths, progress.callback(), &any);
    }
    if (any)
        db.NotifyChange();
    return any;
}

bool RunDbfImport(QWidget *parent, TSQLDATA &db, const QString &table, const QString &code) {
    const QStringList paths = openFiles(parent, QStringLiteral("*.dbf (*.dbf)"), false);
    if (paths.isEmpty())
        return false;
    ImportResult r;
    {
        Progress progress(parent, paths.first());
        r = ImportDbfTable(db, paths.first(), table, code, progress.callback());
    }
    return finish(db, r);
}

bool RunViranImport(QWidget *parent, TSQLDATA &db) {
    const QStringList paths = openFiles(parent, QStringLiteral("*.dbf (*.dbf)"), false);
    if (paths.isEmpty() || !prompt().ask(ViranWarningText(), Prompt::Kind::Warning))
        return false;
    ImportResult r;
    {
        Progress progress(parent, paths.first());
        r = ImportViranAddresses(db, paths.first(), progress.callback(), false);
    }
    return finish(db, r);
}

bool RunCsvImport(QWidget *parent, TSQLDATA &db, const QString &table, const QString &code) {
    const QStringList paths = openFiles(parent, QStringLiteral("*.csv (*.csv)"), false);
    if (paths.isEmpty())
        return false;
    ImportResult r;
    {
        Progress progress(parent, paths.first());
        r = ImportCsv(db, table, paths.first(), code, progress.callback());
    }
    return finish(db, r);
}

void RunCsvExport(QWidget *parent, TSQLDATA &db, const QString &table, const QString &code) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setNameFilter(QStringLiteral("*.csv (*.csv)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString error;
    bool ok;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ok = ExportCsv(db, table, dialog.selectedFiles().first(), code, &error);
        QApplication::restoreOverrideCursor();
    }
    if (!ok)
        prompt().message(error, Prompt::Kind::Error);
}
