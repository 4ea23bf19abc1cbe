#include "reference/staff.h"

#include "reference/titleblock.h"
#include "reference/state.h"
#include "common/error.h"
#include "common/numbers.h"
#include "model/state.h"

namespace reference {

void LoadStaffNames(const QString &purposeText)
{
    const TitleBlock block = ReadTitleBlock();
    State &s = state();
    s.PDur = block.staff[0];
    s.NDur = block.staff[1];
    s.PSkl = block.staff[2];
    s.NSkl = block.staff[3];
    s.PKresl = block.staff[4];
    s.NKresl = block.staff[5];
    s.PChek = block.staff[6];
    s.NChek = block.staff[7];
    s.OrganTitle = block.organ;
    s.PurposeText = purposeText;
}

void GetOwners(int32_t parcelIndex, zova::OneBased<OwnerShare> &owners)
{
    const model::ParcelList &parcels = model::state().Parcels;
    if (parcelIndex < 1 || parcelIndex > parcels.UBound())
        throw zova::Error(QStringLiteral("Немає ділянки з номером %1").arg(parcelIndex));
    const model::Parcel &parcel = parcels[parcelIndex];
    const QStringList names = parcel.NM.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    if (names.size() <= 1) {
        owners.Resize(1);
        owners[1] = OwnerShare{parcel.NM, parcel.AU, 100};
        return;
    }
    const QStringList addresses = parcel.AU.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    const int n = static_cast<int>(names.size());
    const int16_t share = zova::RoundToInt16(100.0 / n);
    owners.Resize(n);
    for (int k = 1; k <= n; ++k)
        owners[k] = OwnerShare{names.at(k - 1), k <= addresses.size() ? addresses.at(k - 1) : QString(), share};
}

} // namespace reference
