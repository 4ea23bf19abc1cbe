#include "mainwindow/frmMain.h"
#include "ui_frmMain.h"

#include <QApplication>

frmMain::frmMain(QWidget *parent) : QMainWindow(parent), ui(std::make_unique<Ui::frmMain>())
{
    ui->setupUi(this);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
}

frmMain::~frmMain() = default;

void frmMain::mnuExit_Click()
{
    QApplication::exit(0);
}
