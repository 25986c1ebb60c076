#include "data/firebirdenv.h"
#include "mainform.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Zorva"));
    app.setApplicationDisplayName(QStringLiteral("Zorva"));
    QString error;
    if (FirebirdEnvironment::prepare({}, &error).isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Zorva"), error);
        return 1;
    }
    Tmainform w;
    w.show();
    return app.exec();
}
