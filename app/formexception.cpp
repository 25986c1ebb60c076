#include "formexception.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <exception>
#include <typeinfo>

TFormException::TFormException(const QString &text, const QString &details, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormException"));
    setWindowTitle(QStringLiteral("Zorva - chyba"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto *label = new QLabel(QStringLiteral("V programu nastala neočekávaná chyba:\n\n%1").arg(text), this);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(label, 1);
    layout->addLayout(top);
    Memo_Details = new QPlainTextEdit(details, this);
    Memo_Details->setReadOnly(true);
    Memo_Details->hide();
    layout->addWidget(Memo_Details);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton *more = buttons->addButton(QStringLiteral("Podrobnosti"), QDialogButtonBox::ActionRole);
    connect(more, &QPushButton::clicked, this, [this] {
        Memo_Details->setVisible(!Memo_Details->isVisible());
        adjustSize();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void ZorvaApplication::ReportException(const QString &text, const QString &details) {
    if (QApplication::platformName() == QLatin1String("offscreen") || QApplication::platformName() == QLatin1String("minimal")) {
        qWarning("%s\n%s", qPrintable(text), qPrintable(details));
        return;
    }
    TFormException report(text, details, QApplication::activeWindow());
    report.exec();
}

bool ZorvaApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ReportException(QString::fromLocal8Bit(e.what()),
                        QStringLiteral("%1\nobjekt: %2 (%3)\nudálost: %4")
                            .arg(QString::fromLatin1(typeid(e).name()), receiver ? receiver->objectName() : QString(),
                                 receiver ? QString::fromLatin1(receiver->metaObject()->className()) : QString())
                            .arg(int(event->type())));
    } catch (...) {
        ReportException(QStringLiteral("Neznámá chyba."), QStringLiteral("objekt: %1").arg(receiver ? receiver->objectName() : QString()));
    }
    return false;
}
