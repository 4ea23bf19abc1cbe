#include "registers/petitiondocument.h"

#include "common/text.h"
#include "registers/ownertables.h"
#include "registers/packagebookmarks.h"

namespace registers {

void FillPetitionDocument(office::Document &doc, PackageRun &run)
{
    WriteBookmarks(doc, {{"obl", zova::UpperCase(run.RegionGen)},
                         {"reg", zova::UpperCase(run.DistrictGen)},
                         {"rada", zova::UpperCase(CouncilNameText(run))}});
    WriteCommonBookmarks(doc, run, {"reg1", "radu", "raizem", "golova", "golova1"});
    office::Table list = doc.Tables(1);
    WriteOwnerList(list, 2, run, OwnerListParcel::Number, 0.4);
}

} // namespace registers
