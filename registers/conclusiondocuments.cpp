#include "registers/conclusiondocuments.h"

#include "registers/ownertables.h"
#include "registers/packagebookmarks.h"

namespace registers {

namespace {

/// `heading` is the body the conclusion is headed by: the land office, or the administration
/// whose department of architecture gives it.
void fillConclusion(office::Document &doc, PackageRun &run, std::initializer_list<const char *> signatory,
                    PlaceRole heading, std::initializer_list<PlaceBookmark> words)
{
    WriteCommonBookmarks(doc, run, {"date", "date1", "org", "radu", "radu1"});
    WriteCommonBookmarks(doc, run, signatory);
    WritePlaceBookmarks(doc, run, {{"reg", heading, PlaceText::NameCapitals}, {"reg1", PlaceRole::District}});
    WritePlaceBookmarks(doc, run, words);
    office::Table table = doc.Tables(1);
    WriteAreaTable(table, run);
}

} // namespace

void FillLandOfficeConclusion(office::Document &doc, PackageRun &run)
{
    fillConclusion(doc, run, {"raizem", "raizem1"}, PlaceRole::Office,
                   {{"viddil", PlaceRole::OfficeGenitive, PlaceText::Word},
                    {"viddil1", PlaceRole::OfficeGenitive, PlaceText::Word},
                    {"viddil2", PlaceRole::OfficeGenitive, PlaceText::Word},
                    {"viddil3", PlaceRole::OfficeGenitive, PlaceText::Word},
                    {"viddil4", PlaceRole::Office, PlaceText::Word}});
    WriteCouncilBookmarks(doc, run, {{"council_kind", CouncilText::Kind}});
}

void FillArchitectureConclusion(office::Document &doc, PackageRun &run)
{
    fillConclusion(doc, run, {"arhname", "arhname1"}, PlaceRole::Administration,
                   {{"rayon", PlaceRole::Unit, PlaceText::Word}, {"rayon1", PlaceRole::Unit, PlaceText::Word}});
}

} // namespace registers
