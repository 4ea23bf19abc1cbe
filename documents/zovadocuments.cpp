#include "documents/zovadocuments.h"

#include "common/numbers.h"
#include "documents/catalogtable.h"
#include "documents/drawingregion.h"
#include "documents/landtable.h"
#include "documents/neighbourtable.h"
#include "documents/planshapes.h"
#include "documents/state.h"
#include "model/state.h"
#include "reference/lookups.h"
#include "reference/state.h"

#include <QDate>

namespace documents {

QString PlanPurpose(const DocParcel &doc, const PlanOptions &options)
{
    return options.CiloveFlag ? reference::GetRow6ZemName(zova::RoundToInt16(zova::LeadingNumber(doc.KZ)))
                              : options.PurposeText;
}

QString PlanMainTitle(const DocParcel &doc, const PlanOptions &options, const QString &territory)
{
    const QString owner = doc.Parts.isEmpty() ? QString() : doc.Parts[1].NM;
    return owner + QStringLiteral(" (Ділянка № ") + doc.Number + QStringLiteral(")") + QLatin1Char('\r')
           + PlanPurpose(doc, options) + QLatin1Char('\r') + territory + QLatin1Char(' ') + doc.AD;
}

QString PlanAreaText(double squareMetres, uint8_t areaUnit)
{
    return QStringLiteral("Площа ділянки становить - ") + AreaText(squareMetres, areaUnit);
}

void FillApprovalTable(office::Table table, const ApprovalTexts &texts)
{
    table.Cell(1, 1).SetText(texts.ApprHead);
    for (int k = 1; k <= ApprovalTexts::Rows; ++k) {
        table.Cell(2 * k + 2, 1).SetText(texts.ApprOrg[static_cast<size_t>(k)]);
        table.Cell(2 * k + 2, 3).SetText(texts.ApprPib[static_cast<size_t>(k)]);
    }
}

namespace {

/// Keeps a land-use list that holds no land use with the catalogue before it. A parcel imported
/// from a contour file has none, and often no neighbours either: then the list's heading, the
/// neighbours' caption and the area line are all that follows the catalogue, and where they do
/// not fit under it they would make a sheet of their own. They go on with the catalogue's last
/// rows instead, which keep with what follows them: the paragraphs between the two tables and
/// the heading keep with next, and the heading's one line may break across sheets, since
/// LibreOffice keeps a table with what follows only where it may split it.
void KeepEmptyUseListWithCatalogue(office::Document &doc, const ZovaTemplate &tpl, uint8_t variant)
{
    if (tpl.CatalogueTable == 0 || tpl.LandTable != tpl.CatalogueTable + 1
        || LandTableKindOf(variant) != LandTableKind::UseList)
        return;
    office::Table list = doc.Tables(tpl.LandTable);
    if (list.RowCount() != 1)
        return;
    list.KeepParagraphsBeforeWithNext();
    list.KeepLastRowsWithNext(1);
    list.Rows_SetAllowBreakAcrossPages(true);
}

} // namespace

PlanOutcome FillZovaDocument(office::Document &doc, const ZovaTemplate &tpl, const PlanOptions &options,
                             int32_t &scale, platform::ProgressSink &step, NearParcelSearch *search)
{
    PlanOutcome out;
    State &st = state();
    const reference::State &ref = reference::state();
    DocParcel &parcel = st.DocParcel1;
    const auto set = [&](const char *bookmark, const QString &text) {
        doc.Bookmarks(QString::fromLatin1(bookmark)).SetText(text);
    };

    if (options.Kind == KindCadastralPlan) {
        office::Bookmark name = doc.Bookmarks(QStringLiteral("ZovaName"));
        name.SetFontName(ref.plnF.FontName);
        name.SetText(QStringLiteral("Кадастровий план"));
        name.SetFontName(ref.plnF.FontName);
        set("s1", QString());
        set("s2", QString());
        if (tpl.CatalogueTable != 0)
            FillCatalogueTable(doc.Tables(tpl.CatalogueTable), st.Sides, ref.plnF);
    } else { // the allotment plan's names, which the approval plan bears too
        set("ZovaName", QString());
        set("s1", QStringLiteral("Проект відведення земельної ділянки"));
        set("s2", QStringLiteral("План відведення земельної ділянки"));
    }
    step.setValue(2);

    set("MainSht", PlanMainTitle(parcel, options, model::state().TerritoryText));
    if (PlanPurpose(parcel, options).trimmed().isEmpty())
        out.Problems << QStringLiteral("Цільове призначення ділянки не вибрано: у плані воно порожнє");
    set("pDur", ref.PDur);
    set("nDur", ref.NDur);
    set("pSkl", ref.PSkl);
    set("nSkl", ref.NSkl);
    set("pKresl", ref.PKresl);
    set("nKresl", ref.NKresl);
    set("pChek", ref.PChek);
    set("nChek", ref.NChek);
    set("Organ", ref.OrganTitle + QLatin1Char('\r') + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))
                     + QStringLiteral(" р."));
    step.setValue(3);

    DrawParcelShapes(doc, parcel, tpl.CentreX, tpl.CentreY, scale, options.AutoScale, 1, DrawOptionsOf(options), step, search);
    set("Mash", QString::number(st.DrawScale));
    out.Fits = DrawingFitsTemplate(doc, st.DrawExtent);

    if (options.ShowLandUse && tpl.LandTable != 0)
        FillLandTable(doc.Tables(tpl.LandTable), options.ZovaVariant, parcel, model::state().Parcels,
                      st.CurDocParcel, options.AreaUnit);
    step.setValue(19);
    const bool approval = options.Kind == KindApprovalPlan;
    if (approval) {
        FillApprovalTable(doc.Tables(ApprovalTable), st.Approval);
        step.setValue(20);
    }
    if (options.ShowNeighbours)
        FillNeighbourTable(doc.Tables(tpl.NeighbourTable), model::state().Parcels, st.CurDocParcel);
    else // a description left as the template has it keeps with the area line all the same
        doc.Tables(tpl.NeighbourTable).KeepLastRowsWithNext(2);
    KeepEmptyUseListWithCatalogue(doc, tpl, options.ZovaVariant);
    step.setValue(approval ? 21 : 20);
    doc.Tables(tpl.AreaTable).Cell(1, 1).SetText(PlanAreaText(parcel.Area, options.AreaUnit));
    return out;
}

} // namespace documents
