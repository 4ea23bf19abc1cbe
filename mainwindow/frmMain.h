#pragma once

#include <QMainWindow>
#include <memory>

namespace Ui {
class frmMain;
}

/// The main window: parcel tree, information panel, drawing, options, toolbar, menus, status bar.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

private:
    void mnuExit_Click();

    std::unique_ptr<Ui::frmMain> ui;
};
