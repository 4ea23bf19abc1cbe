#include "registers/stateactsdocuments.h"

#include "registers/ownertables.h"
#include "registers/packagebookmarks.h"

namespace registers {

void FillStateActsApplication(office::Document &doc, PackageRun &run)
{
    WriteCommonBookmarks(doc, run,
                         {"ari", "arr", "arrall", "ars", "arsg", "date", "date1", "date2", "date3", "dur", "org", "radu",
                          "raizem", "raizem1"});
    WritePlaceBookmarks(doc, run,
                        {{"reg", PlaceRole::OfficeGenitive},
                         {"reg1", PlaceRole::District},
                         {"viddil", PlaceRole::OfficeGenitive, PlaceText::Word}});
    office::Table list = doc.Tables(1);
    WriteOwnerList(list, 1, run, OwnerListParcel::Grounds);
}

void FillReportList(office::Document &doc, PackageRun &run)
{
    WriteCommonBookmarks(doc, run, {"radu"});
    office::Table list = doc.Tables(1);
    WriteOwnerList(list, 2, run, OwnerListParcel::Number, 0.4);
}

} // namespace registers
