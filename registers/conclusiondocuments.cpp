#include "registers/conclusiondocuments.h"

#include "common/text.h"
#include "registers/ownertables.h"
#include "registers/packagebookmarks.h"

namespace registers {

namespace {

void fillConclusion(office::Document &doc, PackageRun &run, std::initializer_list<const char *> signatory,
                    const QString &ending)
{
    WriteCommonBookmarks(doc, run, {"date", "date1", "org", "radu", "radu1"});
    WriteCommonBookmarks(doc, run, signatory);
    WriteBookmarks(doc, {{"reg", zova::UpperCase(DistrictWithEnding(run.DistrictGen, ending))}});
    WriteCommonBookmarks(doc, run, {"reg1"});
    office::Table table = doc.Tables(1);
    WriteAreaTable(table, run);
}

} // namespace

void FillLandOfficeConclusion(office::Document &doc, PackageRun &run)
{
    fillConclusion(doc, run, {"raizem", "raizem1"}, QStringLiteral("ий"));
}

void FillArchitectureConclusion(office::Document &doc, PackageRun &run)
{
    fillConclusion(doc, run, {"arhname", "arhname1"}, QStringLiteral("а"));
}

} // namespace registers
