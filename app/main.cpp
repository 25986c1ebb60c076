#include "data/configuration.h"
#include "data/firebirdenv.h"
#include "data/inifile.h"
#include "data/schema.h"
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
    // First run: a new database is made at once at the current schema version.
    const Configuration config = Configuration::load(IniFile(Configuration::iniPathFor(app.applicationFilePath())), app.applicationFilePath());
    const QString dbError = CreateDatabaseOnFirstStart(config.dbPathname, config.dbUsername, config.dbPassword);
    if (!dbError.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Zorva"), dbError);
        return 1;
    }
    Tmainform w;
    w.show();
    return app.exec();
}
