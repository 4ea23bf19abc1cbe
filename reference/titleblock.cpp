#include "reference/titleblock.h"

#include "reference/baseconnection.h"
#include "reference/rowwriter.h"

namespace reference {

namespace {

const QString kWorker = QStringLiteral("SELECT worker.pDur, worker.nDur, worker.pSkl, worker.nSkl, worker.pKresl, "
                                       "worker.nKresl, worker.pChek, worker.nChek FROM worker");
const QString kOrgan = QStringLiteral("SELECT organ.Organ FROM organ");

} // namespace

const std::array<const char *, 8> &TitleBlock::StaffColumns()
{
    static const std::array<const char *, 8> columns{"pDur", "nDur", "pSkl", "nSkl", "pKresl", "nKresl", "pChek", "nChek"};
    return columns;
}

TitleBlock ReadTitleBlock()
{
    TitleBlock block;
    RecordSet &rs = BaseRs();
    CloseGuard closing(rs);
    rs = BaseConn().Execute(kWorker);
    if (!rs.IsEmpty()) {
        rs.MoveFirst();
        for (size_t i = 0; i < block.staff.size(); ++i)
            block.staff[i] = rs.Field(QString::fromLatin1(TitleBlock::StaffColumns()[i]));
    }
    rs.Close();
    rs = BaseConn().Execute(kOrgan);
    if (!rs.IsEmpty()) {
        rs.MoveFirst();
        block.organ = rs.Field(QStringLiteral("Organ"));
    }
    return block;
}

void WriteTitleBlock(const TitleBlock &block)
{
    FieldValues staff;
    for (size_t i = 0; i < block.staff.size(); ++i)
        staff.emplace_back(QString::fromLatin1(TitleBlock::StaffColumns()[i]), block.staff[i]);
    WriteFirstRow(kWorker, {}, staff, QString(), true);
    WriteFirstRow(kOrgan, {}, {{QStringLiteral("Organ"), block.organ}}, QString(), true);
}

} // namespace reference
