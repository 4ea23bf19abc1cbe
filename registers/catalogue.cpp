#include "registers/catalogue.h"

#include "common/numbers.h"
#include "documents/docbuilder.h"
#include "documents/docparcel.h"
#include "documents/outputnames.h"
#include "documents/placement.h"
#include "documents/state.h"
#include "model/state.h"
#include "registers/templates.h"

namespace registers {

QString CatalogueTemplatePath(const QString &programDir)
{
    return TemplatePath(programDir, QStringLiteral("katalog.dotx"));
}

QString CatalogueFileBaseName(const QString &number)
{
    return documents::SafeFileName(number + QStringLiteral("_k"), QStringLiteral("каталог"));
}

void FillCatalogue(office::Document &doc, const model::Parcel &parcel, const documents::SideList &sides,
                   uint8_t areaUnit, platform::ProgressSink &step)
{
    doc.Bookmarks(QStringLiteral("User")).SetText(parcel.NM);
    doc.Bookmarks(QStringLiteral("Area")).SetText(documents::AreaText(parcel.Area, areaUnit));
    doc.Bookmarks(QStringLiteral("Perum")).SetText(zova::Format2(parcel.Perimeter) + QStringLiteral(" м."));
    step.setValue(9);

    office::Table table = doc.Tables(1);
    const int n = sides.UBound();
    for (int k = 0; k < 2 * n; ++k)
        table.Rows_Add();
    step.setValue(11);

    auto vertexRow = [&](int row, const QString &number, const documents::SideRec &side) {
        table.Cell(row, 1).SetText(number);
        table.Cell(row, 2).SetText(side.AngleText);
        table.Cell(row, 5).SetText(zova::Format2(side.X));
        table.Cell(row, 6).SetText(zova::Format2(side.Y));
    };
    for (int k = 1; k <= n; ++k)
        vertexRow(2 * k + 1, zova::SignedText(k), sides[k]);
    step.setValue(13);
    for (int k = 1; k <= n; ++k) {
        table.Cell(2 * k + 2, 3).SetText(sides[k].DirText);
        table.Cell(2 * k + 2, 4).SetText(zova::Format2(sides[k].Length));
    }
    step.setValue(17);
    if (n >= 1)
        vertexRow(2 * n + 3, QStringLiteral("1"), sides[1]);
}

documents::BatchReport MakeCatalogues(office::WordApp &app, const QString &programDir, uint8_t areaUnit,
                                      platform::ProgressSink &overall, platform::ProgressSink &step)
{
    documents::BatchReport report;
    const QString templatePath = CatalogueTemplatePath(programDir);
    const bool haveTemplate = TemplateExists(templatePath);
    model::ParcelList &parcels = model::state().Parcels;
    documents::SideList &sides = documents::state().Sides;
    documents::OutputNames names;
    if (haveTemplate)
        documents::AskBeforeReplacingFiles(app, names, [&](int32_t i) { return CatalogueFileBaseName(parcels[i].Number); });
    documents::ForEachSelectedParcel(report, overall, [&](int32_t i) {
        model::Parcel &parcel = parcels[i];
        step.setValue(1);

        documents::BuildSideList(i);
        step.setValue(5);
        parcel.Perimeter = 0;
        for (const documents::SideRec &side : sides)
            parcel.Perimeter += side.Length;
        if (!haveTemplate)
            return;
        if (sides.UBound() < 1) {
            report.Failures.push_back({i, parcel.Number, QStringLiteral("ділянка не має точок межі")});
            return;
        }

        documents::TryParcel(report, i, [&] {
            // Points that no plan could draw give an area and a perimeter that mean nothing.
            documents::CheckParcelPlaceable(parcels, i, false);
            office::Document &doc = app.Documents_Add(templatePath);
            step.setValue(7);
            report.Done.push_back(documents::CloseOnFailure(app, doc, [&] {
                FillCatalogue(doc, parcel, sides, areaUnit, step);
                return documents::FinishBatchDocument(app, doc, names, CatalogueFileBaseName(parcel.Number));
            }));
        });
        step.setValue(21);
    });
    if (!haveTemplate)
        throw MissingTemplate(templatePath);
    return report;
}

} // namespace registers
