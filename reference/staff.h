#pragma once

#include "common/onebased.h"

#include <QString>
#include <cstdint>

namespace reference {

/// One co-owner of a parcel: name, residential address and share in whole per cent.
struct OwnerShare {
    QString NM;
    QString AU;
    int16_t Share = 0;
    bool operator==(const OwnerShare &) const = default;
};

/// Copies the title-block staff (first row of worker) and the executing organisation (first row
/// of organ) into state(), and purposeText (the text of the main window's purpose combo) into
/// state().PurposeText. An empty table or a Null value gives empty texts. Throws zova::Error on
/// a database failure, leaving the staff texts as they were.
void LoadStaffNames(const QString &purposeText);

/// Splits the owner names (NM, at every "|") and addresses (AU, in the same order) of parcel
/// parcelIndex of model::state().Parcels into the co-owners, elements 1..n of owners, each with
/// the share 100 / n rounded half to even. A single name (also an empty one) keeps the whole AU
/// and the share 100. Addresses beyond n are dropped, missing ones are empty. Element 0 keeps what
/// it held; elements beyond n are dropped. Throws zova::Error for an index outside the parcels.
void GetOwners(int32_t parcelIndex, zova::OneBased<OwnerShare> &owners);

} // namespace reference
