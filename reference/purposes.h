#pragma once

#include <QString>
#include <cstdint>

namespace reference {

/// Adds a land-use purpose to table cilove; the database numbers it. Throws zova::Error on a
/// database failure; nothing is added then.
void AddPurpose(const QString &name);

/// Renames the purpose with this Id. Throws zova::Error when there is no such purpose or the
/// database fails; nothing is changed then.
void RenamePurpose(int32_t id, const QString &name);

} // namespace reference
