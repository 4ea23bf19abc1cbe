#pragma once

#include "platform/prompts.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmFnt;
}
class QTreeWidgetItem;

/// The font dialog: the five font settings as stored, a font chooser for the selected row, and on
/// closing (however it is closed) every row written back to the settings and the fonts reloaded.
class frmFnt : public QDialog {
    Q_OBJECT
public:
    explicit frmFnt(QWidget *parent = nullptr);
    ~frmFnt() override;

    void done(int result) override;

private:
    void Form_Load();
    void bOk_Click();
    void Form_Unload();

    std::unique_ptr<Ui::frmFnt> ui;
    platform::FontChoice m_lastFont; ///< the chooser starts from the font chosen last in this opening
};
