#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmFind;
}
class frmMain;

/// "Пошук": finds a loaded parcel by its number exactly as the file gave it and shows it in the
/// main window as a click on its node would; with "Знайти і вибрати" it also selects it. The
/// dialog stays open after every search until "Відміна" or its close box.
class frmFind : public QDialog {
    Q_OBJECT
public:
    explicit frmFind(frmMain &main);
    ~frmFind() override;

    /// "Знайти" (and Enter in the code box).
    void bOk_Click();

private:
    std::unique_ptr<Ui::frmFind> ui;
    frmMain &m_main;
};
