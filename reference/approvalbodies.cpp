#include "reference/approvalbodies.h"

#include "common/error.h"
#include "reference/baseconnection.h"
#include "reference/rowwriter.h"

namespace reference {

namespace {

const QString kPersonOf = QStringLiteral("SELECT pog_pib.id, pog_pib.pib FROM pog_pib WHERE (((pog_pib.id)=?))");

} // namespace

QString ApprovalPerson(int32_t id)
{
    RecordSet &rs = BaseRs();
    CloseGuard closing(rs);
    rs = BaseConn().Execute(kPersonOf, {id});
    if (rs.IsEmpty())
        return QString();
    rs.MoveFirst();
    return rs.Field(QStringLiteral("pib"));
}

int32_t AddApprovalBody(const QString &body, const QString &person)
{
    int32_t id = 0;
    BaseConn().InTransaction([&] {
        {
            RecordSet &rs = BaseRs();
            CloseGuard closing(rs);
            rs.Open(QStringLiteral("SELECT pog_name.id, pog_name.OrganName FROM pog_name"));
            rs.AddNew();
            rs.SetField(QStringLiteral("OrganName"), body);
            rs.Update();
            // The stored row, read back, carries the id the database gave it.
            bool ok = false;
            id = rs.Value(QStringLiteral("id")).toInt(&ok);
            if (!ok)
                throw zova::Error(QStringLiteral("Помилка бази даних: новий орган погодження не отримав номера"));
        }
        AddRow(QStringLiteral("SELECT pog_pib.id, pog_pib.pib FROM pog_pib"),
               {{QStringLiteral("id"), id}, {QStringLiteral("pib"), person}});
    });
    return id;
}

void EditApprovalBody(int32_t id, const QString &body, const QString &person)
{
    BaseConn().InTransaction([&] {
        WriteFirstRow(kPersonOf, {id}, {{QStringLiteral("id"), id}, {QStringLiteral("pib"), person}}, QString(), true);
        WriteFirstRow(QStringLiteral("SELECT pog_name.id, pog_name.OrganName FROM pog_name WHERE (((pog_name.id)=?))"),
                      {id}, {{QStringLiteral("OrganName"), body}},
                      QStringLiteral("У базі немає органу погодження з номером %1").arg(id));
    });
}

} // namespace reference
