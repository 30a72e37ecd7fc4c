#pragma once

#include <QMainWindow>

// The program's main window; for now a titled frame with a welcome line.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
};
