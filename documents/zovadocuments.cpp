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

/// True when no cell of the table holds text: a description by neighbours of a parcel without
/// any, or one switched off, is the template's one empty row.
bool HoldsNoText(const office::Table &table)
{
    for (int row = 1; row <= table.RowCount(); ++row)
        for (int column = 1; column <= table.ColumnCount(row); ++column)
            if (!table.Cell(row, column).Text().isEmpty())
                return false;
    return true;
}

/// Keeps a land table that holds nothing of the parcel with the table before it that does. A
/// land-use list without land uses (parcels imported from contour files have none, and often no
/// neighbours either) or a land table switched off is its caption and headings alone; where they
/// and the area line do not fit under the catalogue, or under the description between the two,
/// they would make a sheet of their own. They go on instead with the last rows of the
/// description, or of the catalogue where the description is empty too, which keep with what
/// follows them: the paragraphs between the tables keep with next, and so does every row of an
/// empty table. A table of one row lets its row break across sheets, since LibreOffice keeps a
/// table with what follows only where it may split it; a description of one neighbour goes on
/// whole all the same.
void KeepEmptyTablesWithCatalogue(office::Document &doc, const ZovaTemplate &tpl, const PlanOptions &options)
{
    if (tpl.CatalogueTable == 0 || tpl.LandTable < tpl.CatalogueTable)
        return;
    const bool useList = LandTableKindOf(options.ZovaVariant) == LandTableKind::UseList;
    if (options.ShowLandUse && !(useList && doc.Tables(tpl.LandTable).RowCount() == 1))
        return; // the land table lists the parcel's land uses or holds its 6-zem row
    for (int t = tpl.LandTable; t > tpl.CatalogueTable; --t) {
        office::Table table = doc.Tables(t);
        const bool empty = t == tpl.LandTable || (t == tpl.NeighbourTable && HoldsNoText(table));
        if (empty) {
            table.KeepParagraphsBeforeWithNext();
            table.KeepLastRowsWithNext(table.RowCount());
        }
        if (table.RowCount() == 1)
            table.Rows_SetAllowBreakAcrossPages(true);
        if (!empty)
            return; // rows of its own, whose last keep with what follows already
    }
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
    KeepEmptyTablesWithCatalogue(doc, tpl, options);
    step.setValue(approval ? 21 : 20);
    doc.Tables(tpl.AreaTable).Cell(1, 1).SetText(PlanAreaText(parcel.Area, options.AreaUnit));
    return out;
}

} // namespace documents
