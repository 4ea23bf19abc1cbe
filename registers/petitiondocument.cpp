#include "registers/petitiondocument.h"

#include "common/text.h"
#include "registers/ownertables.h"
#include "registers/packagebookmarks.h"

namespace registers {

void FillPetitionDocument(office::Document &doc, PackageRun &run)
{
    WriteBookmarks(doc, {{"obl", zova::UpperCase(run.RegionGen)}});
    WritePlaceBookmarks(doc, run,
                        {{"reg", PlaceRole::District, PlaceText::NameCapitals}, {"reg1", PlaceRole::OfficeGenitive}});
    WriteBookmarks(doc, {{"rada", zova::UpperCase(CouncilNameText(run))}});
    WriteCommonBookmarks(doc, run, {"radu", "raizem", "golova", "golova1"});
    WriteCouncilBookmarks(doc, run, {{"golova_kind", CouncilText::Head}, {"golova1_kind", CouncilText::Head}});
    office::Table list = doc.Tables(1);
    WriteOwnerList(list, 2, run, OwnerListParcel::Number, 0.4);
}

} // namespace registers
