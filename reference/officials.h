#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace reference {

/// Stores the head of a council into a_golova of the a_rada row with this id. Throws zova::Error
/// when there is no such row or the database fails; nothing is stored then.
void WriteCouncilHead(int32_t councilId, const QString &head);

/// The officials on a district's row of a_rada.
struct DistrictOfficials {
    QString zem;    ///< head of the district land office (a_zem)
    QString arhit;  ///< district architect (a_arhit)
    QString goladm; ///< head of the district administration (a_goladm)
    std::optional<QString> golova; ///< head of the council (a_golova), for a city or a district without councils
};

/// Stores the officials into the a_rada row with this id, a_golova only when given. Throws
/// zova::Error when there is no such row or the database fails; nothing is stored then.
void WriteDistrictOfficials(int32_t districtId, const DistrictOfficials &officials);

} // namespace reference
