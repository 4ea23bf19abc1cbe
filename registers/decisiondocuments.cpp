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
    WriteCouncilBookmarks(doc, run, {{"golova_kind", CouncilText::Head}, {"golova1_kind", CouncilText::Head}});
    WritePlaceBookmarks(doc, run,
                        {{"reg", PlaceRole::District, PlaceText::NameCapitals},
                         {"reg1", PlaceRole::District},
                         {"reg2", PlaceRole::District},
                         {"viddil", PlaceRole::OfficeGenitive, PlaceText::Word}});
    office::Table table = doc.Tables(1);
    WriteAreaTable(table, run);
}

void FillDistrictOrder(office::Document &doc, PackageRun &run)
{
    WriteCommonBookmarks(doc, run, {"arall", "goladm", "goladm1", "org", "radu", "radu1"});
    WritePlaceBookmarks(doc, run,
                        {{"reg", PlaceRole::Administration, PlaceText::NameCapitals},
                         {"reg1", PlaceRole::AdministrationGenitive},
                         {"viddil", PlaceRole::OfficeDative, PlaceText::WordCapital},
                         {"adm", PlaceRole::AdministrationGenitive, PlaceText::Word}});
    // The head signs over two lines, "Голова районної державної" and "адміністрації"; a city's
    // head for the city's administration by its name, "Голова Білоцерківської" and
    // "міськдержадміністрації".
    const PlaceWords adm = run.place(PlaceRole::AdministrationGenitive);
    const QString signs = run.city() ? QLatin1Char(' ') + adm.name : QStringLiteral(" районної державної");
    const QString signsKind = run.city() ? adm.kind.trimmed() : QStringLiteral("адміністрації");
    WriteBookmarks(doc, {{"adm_sign", signs}, {"adm_sign_kind", signsKind}, {"adm_sign1", signs}, {"adm_sign1_kind", signsKind}});
    WriteCommonBookmarks(doc, run, {"zagkor"});
    WriteCouncilBookmarks(doc, run, {{"council_kind", CouncilText::Kind}});
    office::Table table = doc.Tables(1);
    WriteAreaTable(table, run);
}

} // namespace registers
