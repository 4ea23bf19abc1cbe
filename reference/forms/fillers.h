#pragma once

class QComboBox;
class QLabel;
class QTreeWidget;

namespace reference {

/// Empties the combo and lists every approving body: text OrganName, item data id. Selects none.
/// Throws zova::Error on a database failure.
void FillOrgans(QComboBox *combo);
/// Empties the combo and lists every land-use purpose: text CName, item data Id. Selects none.
/// Throws zova::Error on a database failure.
void FillCilove(QComboBox *combo);
/// Empties the label's text.
void ClearLabel(QLabel *label);
/// Fills a report-style list with the five font rows (row key in the first column's user data)
/// and the stored texts of Name, Size, Bold and Italic, shown as stored.
void FillFontList(QTreeWidget *list);

} // namespace reference
