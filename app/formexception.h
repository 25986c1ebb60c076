#pragma once
#include <QApplication>
#include <QDialog>

class QPlainTextEdit;

// The report of an error that no handler caught: the error text, and its details on demand.
class TFormException : public QDialog {
    Q_OBJECT
public:
    TFormException(const QString &text, const QString &details, QWidget *parent = nullptr);
    QPlainTextEdit *Memo_Details;
};

// The program's application object: an exception that leaves an event handler is reported in
// TFormException instead of ending the program with the user's work.
class ZorvaApplication : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
    // Shows the report (or, without a screen, writes it to stderr).
    static void ReportException(const QString &text, const QString &details);
};
