#pragma once

#include "reference/territorychoice.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmTerra;
}
class QComboBox;

/// The territory dialog: four cascading lists of the region (`cmbObl`), district (`cmbReg`),
/// council (`cmbRada`) and settlement (`cmbSelo`), each filled with one query, and the KOATUU code
/// composed from the picked units (`lKadKode`). A city without councils lists the villages directly
/// under it in `cmbSelo`, its own settlements. Changing a region or a district empties every list,
/// id, name and official below it. The picture buttons open the officials of the district (`bR`)
/// and of the council (`bG`) and the council list (`bAdd` with a district, `bEdit` with a council
/// that the council list holds under its number: renaming needs its row).
/// Nothing is the program's until `bOk` accepts a complete territory (a council, a city that is its
/// own council, or a district of a city with special status) whose code has ten digits; then the
/// code goes into every parcel and the names, case forms and officials into the program-wide
/// values. An incomplete territory asks whether to close; closing that way or by the close box
/// keeps the previous territory whole. Officials corrected in the pop-ups for the territory the
/// documents print (accepted here, or named by an opened file's code) are the program's at once,
/// however the dialog closes.
class frmTerra : public QDialog {
    Q_OBJECT
public:
    explicit frmTerra(QWidget *parent = nullptr);
    ~frmTerra() override;

    /// What the dialog holds now (the program's territory once accepted).
    const reference::TerritoryChoice &choice() const { return m_choice; }

private:
    void Form_Load();
    void cmbObl_Click();
    void cmbReg_Click();
    void cmbRada_Click();
    void cmbSelo_Click();
    void bOk_Click();
    void bR_Click();
    void bG_Click();
    void bAdd_Click();
    void bEdit_Click();

    /// The code of the chosen region and the units given (0 for a level not chosen), with and
    /// without its label.
    struct Code {
        QString labelled;
        QString bare;
    };
    Code composeCode(int32_t districtId, int32_t councilId, int32_t settlementId) const;
    /// Shows the code in lKadKode and makes it the choice's.
    void showCode(const Code &code);
    /// Places a pop-up of an officials button just below and to the right of it.
    void placeBeside(QDialog &popup, const QWidget *button) const;

    std::unique_ptr<Ui::frmTerra> ui;
    reference::TerritoryChoice m_choice;
};
