#include "reference/officials.h"

#include "reference/rowwriter.h"

namespace reference {

namespace {

const QString kRow = QStringLiteral(
    "SELECT a_rada.a_rada_id, a_rada.a_rada_papa_id, a_rada.a_rada_level, a_rada.a_rada_adm_name, "
    "a_rada.a_rada_name, a_rada.a_rada_st, a_rada.a_rada_cap, a_rada.a_rada_code, a_rada.a_rada_t, a_rada.a_zem, "
    "a_rada.a_golova, a_rada.a_arhit, a_rada.a_goladm From a_rada WHERE (((a_rada.a_rada_id)=?))");

QString missing(int32_t id)
{
    return QStringLiteral("У базі немає території з номером %1").arg(id);
}

} // namespace

void WriteCouncilHead(int32_t councilId, const QString &head)
{
    WriteFirstRow(kRow, {councilId}, {{QStringLiteral("a_golova"), head}}, missing(councilId));
}

void WriteDistrictOfficials(int32_t districtId, const DistrictOfficials &officials)
{
    FieldValues fields{{QStringLiteral("a_zem"), officials.zem},
                       {QStringLiteral("a_arhit"), officials.arhit},
                       {QStringLiteral("a_goladm"), officials.goladm}};
    if (officials.golova)
        fields.emplace_back(QStringLiteral("a_golova"), *officials.golova);
    WriteFirstRow(kRow, {districtId}, fields, missing(districtId));
}

} // namespace reference
