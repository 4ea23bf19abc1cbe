#include "reference/staff.h"

#include "reference/baseconnection.h"
#include "reference/state.h"
#include "common/error.h"
#include "common/numbers.h"
#include "model/state.h"

#include <array>

namespace reference {

void LoadStaffNames(const QString &purposeText)
{
    static const std::array<const char *, 8> columns{"pDur", "nDur", "pSkl", "nSkl", "pKresl", "nKresl", "pChek", "nChek"};
    std::array<QString, 8> staff;
    QString organ;
    {
        RecordSet &rs = BaseRs();
        CloseGuard closing(rs);
        rs = BaseConn().Execute(QStringLiteral("SELECT worker.pDur, worker.nDur, worker.pSkl, worker.nSkl, "
                                               "worker.pKresl, worker.nKresl, worker.pChek, worker.nChek FROM worker"));
        if (!rs.IsEmpty()) {
            rs.MoveFirst();
            for (size_t i = 0; i < columns.size(); ++i)
                staff[i] = rs.Field(QString::fromLatin1(columns[i]));
        }
        rs.Close();
        rs = BaseConn().Execute(QStringLiteral("SELECT organ.Organ FROM organ"));
        if (!rs.IsEmpty()) {
            rs.MoveFirst();
            organ = rs.Field(QStringLiteral("Organ"));
        }
    }
    State &s = state();
    s.PDur = staff[0];
    s.NDur = staff[1];
    s.PSkl = staff[2];
    s.NSkl = staff[3];
    s.PKresl = staff[4];
    s.NKresl = staff[5];
    s.PChek = staff[6];
    s.NChek = staff[7];
    s.OrganTitle = organ;
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
