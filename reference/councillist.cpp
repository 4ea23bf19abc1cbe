#include "reference/councillist.h"

#include "reference/baseconnection.h"
#include "reference/rowwriter.h"

namespace reference {

int32_t AddCouncil(int32_t districtId, const QString &name)
{
    RecordSet &rs = BaseRs();
    CloseGuard closing(rs);
    rs.Open(QStringLiteral("SELECT Rada.Rada_id, Rada.Region_id, Rada.RadaName FROM Rada ORDER BY Rada.Rada_id"));
    // Numbering follows the highest number, not the count of rows; an empty list starts at 1.
    int32_t number = 1;
    if (!rs.IsEmpty()) {
        rs.MoveLast();
        number = rs.Value(QStringLiteral("Rada_id")).toInt() + 1;
    }
    rs.AddNew();
    rs.SetField(QStringLiteral("RadaName"), name);
    rs.SetField(QStringLiteral("Region_id"), districtId);
    rs.SetField(QStringLiteral("Rada_id"), number);
    rs.Update();
    return number;
}

bool InCouncilList(int32_t councilId, int32_t districtId)
{
    return !BaseConn()
                .Execute(QStringLiteral("SELECT Rada.Rada_id FROM Rada WHERE (((Rada.Rada_id)=?) AND ((Rada.Region_id)=?))"),
                         {councilId, districtId})
                .IsEmpty();
}

void RenameCouncil(int32_t councilId, const QString &name)
{
    WriteFirstRow(QStringLiteral("SELECT Rada.RadaName FROM Rada WHERE (((Rada.Rada_id)=?))"), {councilId},
                  {{QStringLiteral("RadaName"), name}},
                  QStringLiteral("У списку рад немає ради з номером %1").arg(councilId));
}

} // namespace reference
