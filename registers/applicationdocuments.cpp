#include "registers/applicationdocuments.h"

#include "common/numbers.h"
#include "common/text.h"
#include "registers/packagebookmarks.h"

namespace registers {

void FillApplicationDocument(office::Document &doc, PackageRun &run)
{
    WriteCommonBookmarks(doc, run, {"radu", "raizem", "raizem1", "raizem2", "reg", "reg1", "reg2", "reg4"});
    WriteBookmarks(doc, {{"reg3", zova::UpperCase(DistrictWithEnding(run.DistrictGen, QStringLiteral("ий")))}});

    office::Table owners = doc.Tables(1);
    const ReportGroupList &groups = run.groups();
    int row = 2;
    for (int i = 1; i <= groups.UBound(); ++i) {
        owners.Rows_Add();
        ++row;
        owners.Cell(row, 1).SetText(zova::SignedText(i));
        owners.Cell(row, 2).SetText(groups[i].NM);
    }
}

void FillAssignmentDocument(office::Document &doc, PackageRun &run)
{
    WriteCommonBookmarks(doc, run,
                         {"date", "dur", "raizem", "org", "org1", "radu", "radu1", "radu2", "reg", "reg1", "reg2", "reg3",
                          "reg4"});
    WriteBookmarks(doc, {{"rada", CouncilNameText(run)}});
}

} // namespace registers
