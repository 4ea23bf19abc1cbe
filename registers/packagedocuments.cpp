#include "registers/packagedocuments.h"

#include "registers/applicationdocuments.h"
#include "registers/combinedreport.h"
#include "registers/conclusiondocuments.h"
#include "registers/decisiondocuments.h"
#include "registers/explicationdocument.h"
#include "registers/markeract.h"
#include "registers/petitiondocument.h"
#include "registers/stateactsdocuments.h"
#include "registers/titledocument.h"

#include <array>

namespace registers {

namespace {

// One row per document, in number order.
constexpr PackageDocument documents[] = {
    {1, "td/1/p1.dotx", "p1.docx", FillTitleDocument},
    {2, "td/1/p2.dotx", "p2.docx", FillPetitionDocument},
    {3, "td/1/p3.dotx", "p3.docx", FillApplicationDocument},
    {4, "td/1/p4.dotx", "p4.docx", FillAssignmentDocument},
    {5, "td/1/p5.dotx", "p5.docx", FillLandOfficeConclusion},
    {6, "td/1/p6.dotx", "p6.docx", FillArchitectureConclusion},
    {7, "td/1/p7.dotx", "p7.docx", FillBoundaryMarkerAct},
    {8, "td/1/p8.dotx", "p8.docx", FillCouncilDecision},
    {9, "td/1/p9.dotx", "p9.docx", FillDistrictOrder},
    {10, "td/1/p10.dotx", "p10.docx", FillStateActsApplication},
    {11, "td/1/p11.dotx", "p11.docx", FillReportList},
    {12, "td/1/p12.dotx", "p12.docx", FillLandExplication},
};

constexpr PackageDocument combinedReport{0, "tdmany.dotx", "tdmany.docx", FillCombinedReport};

} // namespace

std::span<const PackageDocument> PackageDocuments()
{
    return documents;
}

const PackageDocument *FindPackageDocument(int number)
{
    for (const PackageDocument &d : documents)
        if (d.Number == number)
            return &d;
    return nullptr;
}

const PackageDocument &CombinedReportDocument()
{
    return combinedReport;
}

QString PackageDocumentCaption(int number)
{
    static const std::array<QString, 12> captions = {
        QStringLiteral("Титул, пояснювальна, зміст"),
        QStringLiteral("Клопотання сільської ради"),
        QStringLiteral("Заявка райвідділу, виписка з книги реєстрації"),
        QStringLiteral("Доручення, технічне завдання"),
        QStringLiteral("Висновок районного відділу"),
        QStringLiteral("Висновок архітектури"),
        QStringLiteral("Акт про встановлення межових знаків"),
        QStringLiteral("Рішення сільської ради"),
        QStringLiteral("Розпорядження районної ради"),
        QStringLiteral("Заявка на видачу державних актів"),
        QStringLiteral("Список до звіту"),
        QStringLiteral("Експлікація земель"),
    };
    return number >= 1 && number <= 12 ? captions[size_t(number - 1)] : QString();
}

} // namespace registers
