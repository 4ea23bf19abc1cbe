#include "reference/forms/fillers.h"

#include "reference/fonts.h"
#include "reference/lookups.h"
#include "platform/regkey.h"

#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>

namespace reference {

namespace {

void fillCombo(QComboBox *combo, const std::vector<ListItem> &items)
{
    combo->clear();
    for (const ListItem &item : items)
        combo->addItem(item.text, item.data);
    combo->setCurrentIndex(-1);
}

} // namespace

void FillOrgans(QComboBox *combo)
{
    combo->clear();
    fillCombo(combo, FillOrgans());
}

void FillCilove(QComboBox *combo)
{
    combo->clear();
    fillCombo(combo, FillCilove());
}

void ClearLabel(QLabel *label)
{
    label->setText(QString());
}

void FillFontList(QTreeWidget *list)
{
    list->clear();
    const platform::RegKey reg;
    for (const FontKind &kind : FontKinds()) {
        auto *item = new QTreeWidgetItem(list);
        item->setText(0, kind.rowText);
        item->setData(0, Qt::UserRole, QString::fromLatin1(kind.rowKey));
        const auto names = FontValueNames(kind.prefix);
        for (int i = 0; i < 4; ++i)
            item->setText(i + 1, FontValueText(reg.QueryValue(FontsKey(), names[static_cast<size_t>(i)])));
    }
}

} // namespace reference
