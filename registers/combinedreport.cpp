#include "registers/combinedreport.h"

#include "registers/packagebookmarks.h"

namespace registers {

void FillCombinedReport(office::Document &doc, PackageRun &run)
{
    const auto write = [&doc](const char *name, const QString &text) { doc.Bookmarks(QLatin1String(name)).SetText(text); };
    write("area_all", HectareText(run.SumArea));
    write("area_sg", HectareText(run.SumArea));
    write("area_r", HectareText(run.SumCat1));
    write("area_s", HectareText(run.SumCat2));
    write("area_k", HectareText(run.SumCat3));
    write("area_i", HectareText(run.SumCat4));
    write("cilove", run.PurposeName);
    WritePlaceBookmarks(doc, run, {{"regionu1", PlaceRole::District}, {"regionu2", PlaceRole::District}});
    WriteCommonBookmarks(doc, run,
                         {"radu", "radu1", "radu2", "radu3", "radu4", "radu5", "date", "date1", "orgname", "orgname1",
                          "dur", "vuk", "vuk1", "kspname", "kspname1", "arall", "arr", "ark", "ars"});
}

} // namespace registers
