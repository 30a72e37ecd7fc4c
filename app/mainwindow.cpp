#include "mainwindow.h"

#include "centredscreenrect.h"

#include <QIcon>
#include <QLabel>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(tr("Nocturnix"));
    setWindowIcon(QIcon(QStringLiteral(":/images/nocturnix.svg")));

    auto *welcome = new QLabel(tr("Welcome to Nocturnix"), this);
    welcome->setObjectName(QStringLiteral("label_Welcome"));
    welcome->setAlignment(Qt::AlignCenter);
    setCentralWidget(welcome);

    setGeometry(centredScreenRect(1.6, 1.0, 0.8));
}
