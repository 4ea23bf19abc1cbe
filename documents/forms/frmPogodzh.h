#pragma once

#include "documents/docbatch.h"
#include "documents/planoptions.h"

#include <QDialog>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;

namespace Ui {
class frmPogodzh;
}

/// The preliminary approval form "Погодження", shown modeless: eight rows, each a list of the
/// approving bodies (`c1` to `c8`) with the person who signs for the chosen one (`l1` to `l8`), the
/// head of the commission (`txtGlv`), the edit and add dialogs of the bodies, and "Зробити", which
/// makes the approval plan of every parcel selected at that moment. The choices stay on the form
/// between runs and across the edit and add dialogs, until it is closed.
class frmPogodzh : public QDialog {
    Q_OBJECT
public:
    /// The main window's choices as they stand when "Зробити" is pressed (scale, what the drawing
    /// shows, area unit, the program folder).
    using OptionsSource = std::function<documents::PlanOptions()>;

    explicit frmPogodzh(OptionsSource options, QWidget *parent = nullptr);
    ~frmPogodzh() override;

    /// Shows the form modeless: the one already open is raised with its choices (and reads the
    /// main window through `options` from now on); otherwise a new one opens, deleted when closed.
    static frmPogodzh *ShowModeless(QWidget *parent, OptionsSource options);

    QComboBox *c(int row) const;
    QLabel *l(int row) const;
    /// What the last run of "Зробити" made; empty before the first run.
    const documents::BatchReport &lastReport() const { return m_report; }

private:
    void Form_Load();
    void c_Click(int row);
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
    void bGo_Click();
    /// The lists again from the database after the bodies were edited or added: every row keeps
    /// the body it had chosen (its person shown anew) while that body is still listed.
    void RefillBodies();

    std::unique_ptr<Ui::frmPogodzh> ui;
    OptionsSource m_options;
    documents::BatchReport m_report;
};
