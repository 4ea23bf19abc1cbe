#include "reference/forms/frmTerra.h"
#include "ui_frmTerra.h"

#include "reference/councillist.h"
#include "reference/forms/dbmessages.h"
#include "reference/forms/formicons.h"
#include "reference/forms/frmAddR.h"
#include "reference/forms/frmEditR.h"
#include "reference/forms/frmNames.h"
#include "reference/forms/frmNamesR.h"
#include "reference/territory.h"
#include "common/error.h"
#include "platform/prompts.h"

#include <QCollator>
#include <QSignalBlocker>
#include <algorithm>

namespace {

constexpr int32_t kPreselectedRegion = 10; // Kyiv region

int32_t chosenId(const QComboBox *list)
{
    return list->currentIndex() < 0 ? 0 : list->currentData().toInt();
}

// Fills a list off view in one pass: no handler runs and nothing is selected afterwards. Sorted
// lists follow the Ukrainian alphabet (Є after Е, І and Ї after И), as no database order does.
void fillList(QComboBox *list, std::vector<reference::ListItem> items, bool sorted)
{
    if (sorted) {
        QCollator collator{QLocale(QLocale::Ukrainian, QLocale::Ukraine)};
        std::stable_sort(items.begin(), items.end(), [&](const reference::ListItem &a, const reference::ListItem &b) {
            return collator.compare(a.text, b.text) < 0;
        });
    }
    const QSignalBlocker quiet(list);
    list->setUpdatesEnabled(false);
    list->clear();
    for (const reference::ListItem &item : items)
        list->addItem(item.text, item.data);
    list->setCurrentIndex(-1);
    list->setUpdatesEnabled(true);
}

void emptyList(QComboBox *list)
{
    fillList(list, {}, false);
}

// Sets a list to no selection and runs its handler, as a pick would.
template <typename Handler>
void selectNone(QComboBox *list, Handler handler)
{
    {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(-1);
    }
    handler();
}

} // namespace

frmTerra::frmTerra(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmTerra>())
{
    ui->setupUi(this);
    ui->bR->setIcon(reference::OfficialsIcon());
    ui->bG->setIcon(reference::OfficialsIcon());
    ui->bAdd->setIcon(reference::AddIcon());
    ui->bEdit->setIcon(reference::EditIcon());
    for (QComboBox *list : {ui->cmbObl, ui->cmbReg, ui->cmbRada, ui->cmbSelo})
        list->setInsertPolicy(QComboBox::NoInsert); // typing names a place, it adds none
    // A handler runs for a pick (mouse, keys or Enter on a listed name); typing runs none.
    connect(ui->cmbObl, &QComboBox::activated, this, &frmTerra::cmbObl_Click);
    connect(ui->cmbReg, &QComboBox::activated, this, &frmTerra::cmbReg_Click);
    connect(ui->cmbRada, &QComboBox::activated, this, &frmTerra::cmbRada_Click);
    connect(ui->cmbSelo, &QComboBox::activated, this, &frmTerra::cmbSelo_Click);
    connect(ui->bOk, &QPushButton::clicked, this, &frmTerra::bOk_Click);
    connect(ui->bR, &QToolButton::clicked, this, &frmTerra::bR_Click);
    connect(ui->bG, &QToolButton::clicked, this, &frmTerra::bG_Click);
    connect(ui->bAdd, &QToolButton::clicked, this, &frmTerra::bAdd_Click);
    connect(ui->bEdit, &QToolButton::clicked, this, &frmTerra::bEdit_Click);
    Form_Load();
}

frmTerra::~frmTerra() = default;

void frmTerra::Form_Load()
{
    m_choice = reference::TerritoryChoice{};
    for (QWidget *w : {static_cast<QWidget *>(ui->bEdit), static_cast<QWidget *>(ui->bAdd),
                       static_cast<QWidget *>(ui->bR), static_cast<QWidget *>(ui->bG),
                       static_cast<QWidget *>(ui->cmbSelo)})
        w->setEnabled(false);

    std::vector<reference::ListItem> regions;
    try {
        for (const reference::RadaRow &unit : reference::RadaChildren(0))
            regions.push_back({unit.admName, unit.id});
    } catch (const zova::Error &e) {
        reference::TellNotRead(e);
        return;
    }
    emptyList(ui->cmbReg);
    emptyList(ui->cmbRada);
    fillList(ui->cmbObl, regions, false);
    if (regions.empty())
        return;
    const auto preselected = std::find_if(regions.begin(), regions.end(),
                                          [](const reference::ListItem &r) { return r.data == kPreselectedRegion; });
    const int position = preselected == regions.end() ? 0 : static_cast<int>(preselected - regions.begin());
    {
        const QSignalBlocker quiet(ui->cmbObl);
        ui->cmbObl->setCurrentIndex(position);
    }
    cmbObl_Click();
}

frmTerra::Code frmTerra::composeCode(int32_t districtId, int32_t councilId, int32_t settlementId) const
{
    const int32_t region = chosenId(ui->cmbObl);
    return {reference::MakeKoatuuCode(region, districtId, councilId, settlementId, true),
            reference::MakeKoatuuCode(region, districtId, councilId, settlementId, false)};
}

void frmTerra::showCode(const Code &code)
{
    ui->lKadKode->setText(code.labelled);
    m_choice.Koatuu = code.bare;
}

void frmTerra::cmbObl_Click()
{
    if (ui->cmbObl->currentIndex() < 0)
        return;
    std::vector<reference::ListItem> districts;
    reference::RadaRow region;
    Code code;
    try {
        region = reference::RequireRadaRow(chosenId(ui->cmbObl));
        for (const reference::RadaRow &unit : reference::RadaChildren(region.id))
            districts.push_back({unit.admName, unit.id});
        code = composeCode(0, 0, 0);
    } catch (const zova::Error &e) {
        reference::TellNotRead(e);
        return;
    }
    // Everything below the region goes: lists, ids, names and officials.
    m_choice = reference::TerritoryChoice{};
    showCode(code);
    emptyList(ui->cmbRada);
    emptyList(ui->cmbSelo);
    for (QWidget *w : {static_cast<QWidget *>(ui->cmbSelo), static_cast<QWidget *>(ui->bG),
                       static_cast<QWidget *>(ui->bEdit)})
        w->setEnabled(false);
    fillList(ui->cmbReg, districts, true);
    selectNone(ui->cmbReg, [this] { cmbReg_Click(); });
    m_choice.TerraLevel = 1;
    m_choice.RegionName = ui->cmbObl->currentText();
    // Kyiv or Sevastopol as a whole: its centre is its council, as for a city among the districts.
    if (reference::IsSpecialStatusCity(m_choice.RegionName))
        m_choice.CentreName = region.councilText();
}

void frmTerra::cmbReg_Click()
{
    if (ui->cmbReg->currentIndex() < 0) {
        ui->bR->setEnabled(false);
        ui->bAdd->setEnabled(false);
        return;
    }
    const int32_t districtId = chosenId(ui->cmbReg);
    reference::RadaRow district;
    std::vector<reference::ListItem> councils;
    std::vector<reference::ListItem> ownSettlements;
    Code code;
    try {
        district = reference::RequireRadaRow(districtId);
        for (const reference::RadaRow &unit : reference::RadaChildren(districtId))
            councils.push_back({unit.councilText(), unit.id});
        // A city without councils may have villages of its own (Рай under Бережани).
        if (councils.empty())
            ownSettlements = reference::Settlements(districtId);
        code = composeCode(districtId, 0, 0);
    } catch (const zova::Error &e) {
        reference::TellNotRead(e);
        return;
    }
    m_choice.DistrictId = districtId;
    showCode(code);
    ui->bR->setEnabled(true);
    ui->bAdd->setEnabled(true);
    m_choice.RaiZem = district.zem;
    m_choice.Arhit = district.arhit;
    m_choice.GolAdm = district.goladm;
    m_choice.Golova = district.golova;

    m_choice.CouncilId = 0;
    ui->cmbRada->setEnabled(true);
    fillList(ui->cmbRada, councils, true);
    if (councils.empty()) {
        // The district stands for its council.
        ui->cmbRada->setEnabled(false);
        m_choice.CouncilId = districtId;
    }
    selectNone(ui->cmbRada, [this] { cmbRada_Click(); });
    if (!ownSettlements.empty()) {
        fillList(ui->cmbSelo, ownSettlements, true);
        ui->cmbSelo->setEnabled(true);
    }
    m_choice.TerraLevel = 2;
    m_choice.DistrictName = ui->cmbReg->currentText();
    m_choice.CentreName = reference::IsRegionalCity(m_choice.DistrictName) ? district.councilText()
                                                                             : m_choice.DistrictName;
}

void frmTerra::cmbRada_Click()
{
    emptyList(ui->cmbSelo);
    if (ui->cmbRada->currentIndex() < 0) {
        ui->cmbSelo->setEnabled(false);
        ui->bG->setEnabled(false);
        ui->bEdit->setEnabled(false);
    } else {
        const int32_t councilId = chosenId(ui->cmbRada);
        reference::RadaRow council;
        std::vector<reference::ListItem> settlements;
        Code code;
        bool listed = false;
        try {
            council = reference::RequireRadaRow(councilId);
            settlements = reference::Settlements(councilId);
            code = composeCode(m_choice.DistrictId, councilId, 0);
            listed = reference::InCouncilList(councilId, m_choice.DistrictId);
        } catch (const zova::Error &e) {
            reference::TellNotRead(e);
            return;
        }
        showCode(code);
        ui->bG->setEnabled(true);
        ui->bEdit->setEnabled(listed);
        m_choice.CouncilId = councilId;
        m_choice.Golova = council.golova;
        fillList(ui->cmbSelo, settlements, true);
        ui->cmbSelo->setEnabled(!settlements.empty());
    }
    m_choice.TerraLevel = 3;
    m_choice.CouncilName = ui->cmbRada->currentText();
}

void frmTerra::cmbSelo_Click()
{
    if (ui->cmbSelo->currentIndex() < 0)
        return;
    try {
        showCode(composeCode(m_choice.DistrictId, m_choice.CouncilId, chosenId(ui->cmbSelo)));
    } catch (const zova::Error &e) {
        reference::TellNotRead(e);
    }
}

void frmTerra::bOk_Click()
{
    reference::TerritoryPick pick;
    pick.level = m_choice.TerraLevel;
    pick.region = ui->cmbObl->currentText();
    pick.district = ui->cmbReg->currentText();
    pick.council = ui->cmbRada->currentText();
    pick.settlement = ui->cmbSelo->currentIndex() >= 0 ? ui->cmbSelo->currentText() : QString();
    pick.councilSelected = ui->cmbRada->currentIndex() >= 0;
    pick.districtHasCouncils = ui->cmbRada->isEnabled();
    pick.regionId = chosenId(ui->cmbObl);
    pick.districtId = m_choice.DistrictId;
    reference::TerritoryPhrase phrase;
    try {
        phrase = reference::ComposeTerritory(pick);
    } catch (const zova::Error &e) {
        reference::TellNotRead(e);
        return;
    }
    if (!phrase.complete || !reference::IsKoatuuCode(m_choice.Koatuu)) {
        if (platform::MsgBox(QStringLiteral("Ви не визначили територію\nЗакрити діалог"), platform::productTitle(),
                             platform::MsgIcon::Question, platform::MsgButtons::YesNo)
            == platform::MsgAnswer::Yes)
            reject();
        return;
    }
    m_choice.RegionName = pick.region;
    reference::PublishTerritory(m_choice, phrase);
    accept();
}

void frmTerra::placeBeside(QDialog &popup, const QWidget *button) const
{
    popup.move(button->mapToGlobal(QPoint(button->width() + 4, button->height() + 5)));
}

void frmTerra::bR_Click()
{
    frmNamesR popup(m_choice.DistrictId, ui->cmbReg->currentText(), ui->cmbRada->isEnabled(), this);
    placeBeside(popup, ui->bR);
    if (popup.exec() != QDialog::Accepted)
        return;
    const reference::DistrictOfficials &names = popup.officials();
    m_choice.RaiZem = names.zem;
    m_choice.Arhit = names.arhit;
    m_choice.GolAdm = names.goladm;
    if (names.golova)
        m_choice.Golova = *names.golova;
}

void frmTerra::bG_Click()
{
    frmNames popup(m_choice.CouncilId, this);
    placeBeside(popup, ui->bG);
    if (popup.exec() == QDialog::Accepted)
        m_choice.Golova = popup.head();
}

void frmTerra::bAdd_Click()
{
    frmAddR dialog(m_choice.DistrictId, this);
    dialog.exec();
}

void frmTerra::bEdit_Click()
{
    frmEditR dialog(m_choice.CouncilId, this);
    dialog.setText(ui->cmbRada->currentText());
    dialog.exec();
}
