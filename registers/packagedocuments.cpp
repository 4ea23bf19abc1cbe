#include "registers/packagedocuments.h"

#include "registers/combinedreport.h"
#include "registers/titledocument.h"

#include <array>

namespace registers {

namespace {

// Documents 2 to 12 join here, one row each, in number order.
constexpr PackageDocument documents[] = {
    {1, "td/1/p1.dotx", "p1.docx", FillTitleDocument},
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
