#pragma once

#include "reference/officials.h"

#include <QDialog>
#include <cstdint>
#include <memory>

namespace Ui {
class frmNamesR;
}

/// The district-officials dialog, a borderless pop-up of the territory dialog. `lstPibs` lists
/// the officials of the district's a_rada row, each name editable in place beside its role: the
/// head of the land office, the architect, the head of the administration and, for a city ("м "
/// at the head of the district's text) or a district without councils of its own, the head of the
/// council. `bOk` stores the names into the row, hands them to the program when the district is
/// the published territory's (reference::PublishDistrictOfficials) and closes; a failed write says
/// why and keeps the dialog open. `bNo` closes and stores nothing.
class frmNamesR : public QDialog {
    Q_OBJECT
public:
    /// districtText is the territory dialog's district text; councilListEnabled whether its
    /// council list is enabled (it is not for a district without councils).
    frmNamesR(int32_t districtId, const QString &districtText, bool councilListEnabled, QWidget *parent = nullptr);
    ~frmNamesR() override;

    /// The officials stored by an accepted dialog.
    const reference::DistrictOfficials &officials() const { return m_officials; }

private:
    void Form_Load(const QString &districtText, bool councilListEnabled);
    void bOk_Click();

    std::unique_ptr<Ui::frmNamesR> ui;
    int32_t m_districtId;
    reference::DistrictOfficials m_officials;
};
