#include "reference/lookups.h"

#include "reference/baseconnection.h"

namespace reference {

namespace {

// The fillers read through the shared record set, closing it also when the result is empty.
std::vector<ListItem> readItems(const QString &sql, const QString &idField, const QString &textField)
{
    std::vector<ListItem> items;
    RecordSet &rs = BaseRs();
    CloseGuard closing(rs);
    rs = BaseConn().Execute(sql);
    if (!rs.IsEmpty()) {
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            items.push_back(ListItem{rs.Field(textField), rs.Value(idField).toInt()});
    }
    return items;
}

} // namespace

QString GetRow6ZemName(int16_t rowNumber)
{
    const QString empty = QStringLiteral("KZ is Empty");
    if (rowNumber <= 0)
        return empty;
    RecordSet rs = BaseConn().Execute(
        QStringLiteral("SELECT row6zem.name FROM row6zem WHERE (((row6zem.rownum)=?))"), {int(rowNumber)});
    if (rs.IsEmpty())
        return empty;
    rs.MoveFirst();
    return rs.Field(QStringLiteral("name"));
}

QString GetPzDesk(const QString &code)
{
    const QString empty = QStringLiteral("PZ is Empty");
    if (code.size() != 2)
        return empty;
    RecordSet rs = BaseConn().Execute(QStringLiteral("SELECT pz.desk FROM pz WHERE (((pz.code)=?))"), {code});
    if (rs.IsEmpty())
        return empty;
    rs.MoveFirst();
    return rs.Field(QStringLiteral("desk"));
}

std::vector<ListItem> FillOrgans()
{
    return readItems(QStringLiteral("SELECT pog_name.id, pog_name.OrganName FROM pog_name"), QStringLiteral("id"),
                     QStringLiteral("OrganName"));
}

std::vector<ListItem> FillCilove()
{
    return readItems(QStringLiteral("SELECT cilove.Id, cilove.CName FROM cilove"), QStringLiteral("Id"),
                     QStringLiteral("CName"));
}

} // namespace reference
