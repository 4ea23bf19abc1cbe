#include "registers/markeract.h"

#include "common/numbers.h"
#include "registers/ownertables.h"
#include "registers/packagebookmarks.h"

namespace registers {

void FillBoundaryMarkerAct(office::Document &doc, PackageRun &run)
{
    WriteCommonBookmarks(doc, run,
                         {"date", "golova", "golova1", "golova2", "org", "org1", "radu", "radu1", "radu2", "radu3",
                          "raizem", "raizem1"});
    WritePlaceBookmarks(doc, run,
                        {{"reg", PlaceRole::OfficeGenitive},
                         {"reg1", PlaceRole::District},
                         {"reg2", PlaceRole::OfficeGenitive},
                         {"reg3", PlaceRole::OfficeGenitive}});
    WriteCommonBookmarks(doc, run, {"vuk", "vuk1"});
    WriteCouncilBookmarks(doc, run, {{"golova1_kind", CouncilText::HeadInText}});
    office::Table markers = doc.Tables(2);
    AppendParcelRows(
        markers, 1, run.groups(),
        [&](int r, int i, const ReportGroup &g) {
            markers.Cell(r, 1).SetText(zova::SignedText(i));
            markers.Cell(r, 2).SetText(g.NM);
        },
        [&](int r, const ReportLine &line) {
            markers.Cell(r, 3).SetText(line.Number);
            markers.Cell(r, 4).SetText(zova::SignedText(line.PointCount));
        });
}

} // namespace registers
