#include "mainform.h"

Tmainform::Tmainform(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainform"));
    setWindowTitle(QStringLiteral("ZORVA"));
    resize(1024, 700);
}
