#include "reference/rowwriter.h"

#include "reference/baseconnection.h"
#include "common/error.h"

namespace reference {

namespace {

void assign(RecordSet &rs, const FieldValues &fields)
{
    for (const auto &[name, value] : fields)
        rs.SetField(name, value);
    rs.Update();
}

} // namespace

void WriteFirstRow(const QString &select, const QVariantList &values, const FieldValues &fields,
                   const QString &missing, bool addWhenMissing)
{
    RecordSet &rs = BaseRs();
    CloseGuard closing(rs);
    rs.Open(select, values);
    if (rs.IsEmpty()) {
        if (!addWhenMissing)
            throw zova::Error(missing);
        rs.AddNew();
    } else {
        rs.MoveFirst();
    }
    assign(rs, fields);
}

void AddRow(const QString &select, const FieldValues &fields)
{
    RecordSet &rs = BaseRs();
    CloseGuard closing(rs);
    rs.Open(select);
    rs.AddNew();
    assign(rs, fields);
}

} // namespace reference
