#include "registers/applicationdocuments.h"

#include "common/numbers.h"
#include "registers/packagebookmarks.h"

namespace registers {

void FillApplicationDocument(office::Document &doc, PackageRun &run)
{
    WriteCommonBookmarks(doc, run, {"radu", "raizem", "raizem1", "raizem2"});
    WritePlaceBookmarks(doc, run,
                        {{"reg", PlaceRole::District},
                         {"reg1", PlaceRole::OfficeGenitive},
                         {"reg2", PlaceRole::OfficeGenitive},
                         {"reg3", PlaceRole::Office, PlaceText::NameCapitals},
                         {"reg4", PlaceRole::OfficeGenitive},
                         {"viddil", PlaceRole::Office, PlaceText::WordCapital},
                         {"viddil1", PlaceRole::OfficeGenitive, PlaceText::Word},
                         {"viddil2", PlaceRole::OfficeGenitive, PlaceText::Word}});

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
    WriteCommonBookmarks(doc, run, {"date", "dur", "raizem", "org", "org1", "radu", "radu1", "radu2"});
    WritePlaceBookmarks(doc, run,
                        {{"reg", PlaceRole::OfficeGenitive},
                         {"reg1", PlaceRole::District},
                         {"reg2", PlaceRole::District},
                         {"reg3", PlaceRole::OfficeGenitive},
                         {"reg4", PlaceRole::OfficeGenitive},
                         {"viddil", PlaceRole::Office, PlaceText::WordCapital}});
    WriteBookmarks(doc, {{"rada", CouncilNameText(run)}});
}

} // namespace registers
