#include "reference/forms/frmNamesR.h"
#include "ui_frmNamesR.h"

#include "reference/forms/dbmessages.h"
#include "reference/forms/formicons.h"
#include "reference/territory.h"
#include "reference/territorychoice.h"
#include "common/error.h"

#include <QHeaderView>

frmNamesR::frmNamesR(int32_t districtId, const QString &districtText, bool councilListEnabled, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(std::make_unique<Ui::frmNamesR>()), m_districtId(districtId)
{
    ui->setupUi(this);
    ui->bOk->setIcon(reference::AcceptIcon());
    ui->bNo->setIcon(reference::CancelIcon());
    ui->lstPibs->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui->lstPibs->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    connect(ui->bOk, &QToolButton::clicked, this, &frmNamesR::bOk_Click);
    connect(ui->bNo, &QToolButton::clicked, this, &QDialog::reject);
    Form_Load(districtText, councilListEnabled);
}

frmNamesR::~frmNamesR() = default;

void frmNamesR::Form_Load(const QString &districtText, bool councilListEnabled)
{
    ui->lstPibs->clear();
    reference::RadaRow row;
    try {
        if (const std::optional<reference::RadaRow> found = reference::RadaRowById(m_districtId))
            row = *found;
    } catch (const zova::Error &e) {
        reference::TellNotRead(e);
        ui->bOk->setEnabled(false); // nothing read, so nothing to store over what the row holds
    }
    struct Line {
        const char *key;
        QString name;
        const char *role;
    };
    std::vector<Line> lines{{"1p", row.zem, " - Райзем"}, {"2p", row.arhit, " - Архітектор"}, {"3p", row.goladm, " - Голова Адм."}};
    // A city, or a district without councils of its own, is its own council.
    if (reference::IsRegionalCity(districtText) || !councilListEnabled)
        lines.push_back({"4p", row.golova, " - Голова ради."});
    for (const Line &line : lines) {
        auto *item = new QTreeWidgetItem(ui->lstPibs, {line.name, QString::fromUtf8(line.role)});
        item->setData(0, Qt::UserRole, QString::fromLatin1(line.key));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
}

void frmNamesR::bOk_Click()
{
    // A name still being edited counts as typed.
    ui->lstPibs->setCurrentItem(nullptr);
    QTreeWidget *list = ui->lstPibs;
    reference::DistrictOfficials names{list->topLevelItem(0)->text(0), list->topLevelItem(1)->text(0),
                                       list->topLevelItem(2)->text(0), std::nullopt};
    if (list->topLevelItemCount() == 4)
        names.golova = list->topLevelItem(3)->text(0);
    try {
        reference::WriteDistrictOfficials(m_districtId, names);
    } catch (const zova::Error &e) {
        reference::TellNotStored(e);
        return;
    }
    m_officials = names;
    // The documents print the corrected names from now on, whatever the territory dialog does.
    reference::PublishDistrictOfficials(m_districtId, names);
    accept();
}
