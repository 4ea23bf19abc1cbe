#include "registers/titledocument.h"

#include "common/numbers.h"
#include "registers/packagebookmarks.h"

namespace registers {

void FillTitleDocument(office::Document &doc, PackageRun &run)
{
    WriteCommonBookmarks(doc, run, {"obl", "obl1", "obl2"});
    WritePlaceBookmarks(doc, run,
                        {{"regionu", PlaceRole::District}, {"regionu1", PlaceRole::District}, {"regionu2", PlaceRole::District}});
    WriteCommonBookmarks(doc, run,
                         {"radu", "radu1", "radu2", "radu3", "radu4", "radu5", "date", "date1", "orgname", "orgname1",
                          "dur", "vuk", "vuk1", "kspname", "kspname1", "arall", "arr", "ark", "ars"});

    office::Table contents = doc.Tables(1);
    const ReportGroupList &groups = run.groups();
    for (int i = 1; i <= groups.UBound(); ++i) {
        contents.Rows_Add();
        const int row = i + 1;
        contents.Cell(row, 1).SetText(zova::SignedText(i));
        contents.Cell(row, 2).SetText(groups[i].NM);
        if (run.PageNumbers) {
            contents.Cell(row, 4).SetText(QString::number(run.StartPage));
            // The page numbering was checked before the run to stay within 16 bits.
            run.StartPage = static_cast<int16_t>(run.StartPage + run.PageStep * groups[i].Lines.UBound());
        }
    }
}

} // namespace registers
