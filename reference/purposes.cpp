#include "reference/purposes.h"

#include "reference/rowwriter.h"

namespace reference {

void AddPurpose(const QString &name)
{
    AddRow(QStringLiteral("SELECT cilove.Id, cilove.CName FROM cilove"), {{QStringLiteral("CName"), name}});
}

void RenamePurpose(int32_t id, const QString &name)
{
    WriteFirstRow(QStringLiteral("SELECT cilove.Id, cilove.CName FROM cilove WHERE (((cilove.Id)=?))"), {id},
                  {{QStringLiteral("CName"), name}},
                  QStringLiteral("У базі немає цільового призначення з номером %1").arg(id));
}

} // namespace reference
