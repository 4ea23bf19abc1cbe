#include "reference/forms/frmFnt.h"
#include "ui_frmFnt.h"

#include "reference/fonts.h"
#include "reference/forms/fillers.h"
#include "platform/regkey.h"

#include <QHeaderView>

frmFnt::frmFnt(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmFnt>())
{
    ui->setupUi(this);
    connect(ui->bOk, &QPushButton::clicked, this, [this] { bOk_Click(); });
    connect(ui->lstObj, &QTreeWidget::itemDoubleClicked, this, [this] { bOk_Click(); });
    Form_Load();
}

frmFnt::~frmFnt() = default;

void frmFnt::Form_Load()
{
    reference::FillFontList(ui->lstObj);
    ui->lstObj->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void frmFnt::bOk_Click()
{
    QTreeWidgetItem *row = ui->lstObj->currentItem();
    if (!row || !row->isSelected())
        return;
    const std::optional<platform::FontChoice> chosen = platform::prompts().chooseFont(m_lastFont);
    // A cancelled chooser, or one without a usable face, leaves the row as it was.
    if (!chosen || chosen->name.size() <= 2)
        return;
    m_lastFont = *chosen;
    row->setText(1, chosen->name);
    row->setText(2, QString::number(chosen->size)); // sizes are stored with "." whatever the locale
    row->setText(3, chosen->bold ? QStringLiteral("True") : QStringLiteral("False"));
    row->setText(4, chosen->italic ? QStringLiteral("True") : QStringLiteral("False"));
}

void frmFnt::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void frmFnt::Form_Unload()
{
    platform::RegKey reg;
    bool stored = true;
    for (int i = 0; i < ui->lstObj->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = ui->lstObj->topLevelItem(i);
        const QString key = row->data(0, Qt::UserRole).toString();
        for (const reference::FontKind &kind : reference::FontKinds()) {
            if (key != QLatin1String(kind.rowKey))
                continue;
            const auto names = reference::FontValueNames(kind.prefix);
            for (int c = 0; c < 4; ++c)
                stored = reg.SetKeyValue(reference::FontsKey(), names[static_cast<size_t>(c)], row->text(c + 1),
                                         platform::RegKey::RegSz) && stored;
        }
    }
    if (!stored)
        reference::ReportFontsNotStored();
    reference::LoadFonts();
    // A file that holds no fonts at all (the start could not store the defaults either) leaves
    // the documents on the defaults the start used, not on a nameless font of size 0.
    if (!stored && reference::FontsNeedDefaults())
        reference::UseDefaultFonts();
}
