#pragma once

#include <QString>
#include <cstdint>

namespace reference {

/// Adds a council of a district to the operator's council list (table Rada): its number is the
/// highest Rada_id plus one (1 in an empty table). Returns that number. Throws zova::Error on a
/// database failure; nothing is added then.
int32_t AddCouncil(int32_t districtId, const QString &name);

/// True when the council list holds a row numbered councilId in the district districtId: the row
/// that renaming the council would change. Throws zova::Error on a database failure.
bool InCouncilList(int32_t councilId, int32_t districtId);

/// Renames the council list's row numbered councilId; its number and district stay. Throws
/// zova::Error when the list has no such row or the database fails; nothing is changed then.
void RenameCouncil(int32_t councilId, const QString &name);

} // namespace reference
