#include "registers/decisiondocuments.h"

#include "common/text.h"
#include "registers/ownertables.h"
#include "registers/packagebookmarks.h"

namespace registers {

void FillCouncilDecision(office::Document &doc, PackageRun &run)
{
    WriteCommonBookmarks(doc, run, {"arall", "arzagkor", "golova", "golova1", "org"});
    WriteBookmarks(doc, {{"rada", zova::UpperCase(CouncilNameText(run))}, {"rada1", CouncilNameText(run)}});
    WriteCommonBookmarks(doc, run, {"radu", "radu1", "radu2", "radu3"});
    WriteBookmarks(doc, {{"reg", zova::UpperCase(run.DistrictGen)}});
    WriteCommonBookmarks(doc, run, {"reg1", "reg2"});
    office::Table table = doc.Tables(1);
    WriteAreaTable(table, run);
}

void FillDistrictOrder(office::Document &doc, PackageRun &run)
{
    WriteCommonBookmarks(doc, run, {"arall", "goladm", "goladm1", "org", "radu", "radu1"});
    WriteBookmarks(doc, {{"reg", zova::UpperCase(DistrictWithEnding(run.DistrictGen, QStringLiteral("а")))},
                         {"reg1", DistrictWithEnding(run.DistrictGen, QStringLiteral("ої"))}});
    WriteCommonBookmarks(doc, run, {"zagkor"});
    office::Table table = doc.Tables(1);
    WriteAreaTable(table, run);
}

} // namespace registers
