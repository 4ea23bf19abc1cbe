#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace reference {

/// One entry of a filled list: the text shown and the item data (the row's id).
struct ListItem {
    QString text;
    int32_t data = 0;
    bool operator==(const ListItem &) const = default;
};

/// The name of the 6-zem row with this row number; "KZ is Empty" for a row number of 0 or less
/// (no query then) or one the table does not hold. Throws zova::Error on a database failure.
QString GetRow6ZemName(int16_t rowNumber);

/// The description of a grounds-for-granting code; "PZ is Empty" unless the code is exactly two
/// characters long (no query then) and the table holds it. Throws zova::Error on a database failure.
QString GetPzDesk(const QString &code);

/// Every approving body, in the order the database returns them: text OrganName, data id.
std::vector<ListItem> FillOrgans();
/// Every land-use purpose, in the order the database returns them: text CName, data Id.
std::vector<ListItem> FillCilove();

} // namespace reference
