#pragma once

#include <QString>
#include <cstdint>

namespace reference {

/// Adds a council of a district to the operator's council list (table Rada): its number is the
/// highest Rada_id plus one (1 in an empty table). Returns that number. Throws zova::Error on a
/// database failure; nothing is added then.
int32_t AddCouncil(int32_t districtId, const QString &name);

/// Renames the council list's row numbered councilId; its number and district stay. Throws
/// zova::Error when the list has no such row or the database fails; nothing is changed then.
void RenameCouncil(int32_t councilId, const QString &name);

} // namespace reference
