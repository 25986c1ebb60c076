#pragma once
#include <QMainWindow>

// The main window: caption "ZORVA"; a second copy finds the first by it.
class Tmainform : public QMainWindow {
    Q_OBJECT
public:
    explicit Tmainform(QWidget *parent = nullptr);
};
