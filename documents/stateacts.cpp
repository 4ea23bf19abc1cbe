#include "documents/stateacts.h"

#include "common/numbers.h"
#include "documents/actwording.h"
#include "documents/docparcel.h"
#include "documents/drawingregion.h"
#include "documents/neighbourtext.h"
#include "documents/placement.h"
#include "documents/state.h"
#include "model/state.h"
#include "office/error.h"
#include "reference/staff.h"
#include "reference/state.h"

#include <algorithm>
#include <cmath>

namespace documents {

namespace {

// Where the acts draw, page points.
constexpr double NewActCentreX = 280, NewActCentreY = 230;
constexpr double SecondCentreX = 600, SecondCentreY = 180;
constexpr double ApprovalCentreX = 600, ApprovalCentreY = 230;
// The second parcel's cadastral number and its description by neighbours.
const QRectF SecondNumberBox(600, 80, 200, 25);
const QRectF SecondDescriptionBox(550, 350, 250, 150);

/// Fills an act's bookmarks; what the template lacks is named and skipped, so the rest of the
/// act is still made.
class ActFill {
public:
    ActFill(office::Document &doc, QStringList &problems) : m_doc(doc), m_problems(problems) {}

    void set(const char *bookmark, const QString &text)
    {
        attempt([&] { m_doc.Bookmarks(QString::fromLatin1(bookmark)).SetText(text); });
    }
    /// A word the template keeps in a bookmark of its own around a name; a template without it
    /// still works.
    void helperWord(const QString &bookmark, const QString &text)
    {
        if (m_doc.HasBookmark(bookmark))
            attempt([&] { m_doc.Bookmarks(bookmark).SetText(text); });
    }
    /// The word after a council's name ("ради", "раді"): left where the name is a council's,
    /// emptied where it is not.
    void councilWord(const char *bookmark, bool council, const QString &word)
    {
        helperWord(QString::fromLatin1(bookmark) + QStringLiteral("_rada"), council ? word : QString());
    }
    /// The act's purpose of use, which ends its sentence; an act without one is named (no purpose
    /// was chosen in the window, or the reference data has no text for the parcel's row).
    void purpose(const char *bookmark, const QString &text)
    {
        const QString worded = PurposeForAct(text);
        if (worded.isEmpty())
            m_problems << QStringLiteral("Цільове призначення ділянки не вибрано: в акті воно порожнє");
        set(bookmark, worded);
    }
    /// The description by neighbours, every line with its letters in the form's column.
    void description(const char *bookmark, int32_t parcel)
    {
        set(bookmark, ActNeighbourDescription(model::state().Parcels, parcel));
    }
    template <typename F> bool attempt(F &&f)
    {
        try {
            f();
            return true;
        } catch (const UnplaceableDrawing &) {
            throw; // an act whose drawing no sheet can hold is no act
        } catch (const zova::Error &e) {
            m_problems << e.message();
        }
        return false;
    }

private:
    office::Document &m_doc;
    QStringList &m_problems;
};

/// The land office's head signs every act; one with no name stored leaves that line bare, which
/// the act says.
void NameMissingLandOfficeHead(const QString &raiZem, QStringList &problems)
{
    if (raiZem.trimmed().isEmpty())
        problems << QStringLiteral("Начальника відділу земельних ресурсів не вказано: в акті його підпис без прізвища "
                                   "(Опції → Визначити територію)");
}

/// A text box of an act: no fill and no line, centred text of 10 pt without paragraph spacing,
/// unless told otherwise.
office::Shape ActBox(office::Document &doc, const QRectF &box, const QString &text, double size = 10, int alignment = 1)
{
    office::Shape shape = doc.AddTextBox(box.left(), box.top(), box.width(), box.height());
    shape.SetFontSize(size);
    shape.SetAlignment(alignment);
    shape.SetNoSpacing();
    shape.SetText(text);
    return shape;
}

/// The area label of the drawing just drawn, `text` in a box like `box` (on the drawing's centre):
/// there, or where that covers the drawing's labels, vertices or lines (or one of the act's
/// `boxes` beside it, or the north arrow), at the nearest place clear of them in the template's
/// region `region`. Where no place is clear it stays on the centre and `problems` says so.
/// Returns the box where it stands.
QRectF AreaLabel(office::Document &doc, const QRectF &box, const QString &text, const char *region,
                 std::vector<QRectF> boxes, QStringList &problems)
{
    const State &st = state();
    boxes.insert(boxes.end(), st.DrawTexts.begin(), st.DrawTexts.end());
    const QString arrow = QString::fromLatin1(NorthArrowShape);
    if (doc.HasShape(arrow))
        boxes.push_back(doc.Shapes(arrow).Bounds());
    const std::optional<QRectF> clear =
        ClearLabelBox(box, 10, text, boxes, st.DrawLines, TemplateRegion(doc, QString::fromLatin1(region)));
    if (!clear)
        problems << QStringLiteral("Для напису площі на кресленні немає вільного місця: він закриває інші написи");
    ActBox(doc, clear.value_or(box), text);
    return clear.value_or(box);
}

/// The new state act's box of a parcel's area: on the centre of its drawing, one line high, two
/// with the parcel's heading.
QRectF NewActAreaBox(const DocParcel &parcel, bool heading)
{
    return QRectF(parcel.PageSumX - 50, parcel.PageSumY - 12, 100, heading ? 50 : 25);
}

QString SplitPurpose(double house, double farm, const reference::State &ref, uint8_t areaUnit)
{
    return ref.KZ22Text + QStringLiteral(" - ") + AreaText(house, areaUnit) + QStringLiteral(" і ") + ref.KZ21Text
           + QStringLiteral(" - ") + AreaText(farm, areaUnit);
}

} // namespace

int32_t SecondParcelIndex(const QString &db, int32_t current, const model::ParcelList &parcels, QString *problem)
{
    const QString text = db.trimmed();
    if (text.isEmpty() || text == QLatin1String("0"))
        return 0;
    const double number = zova::LeadingNumber(text);
    if (number >= 1 && number <= parcels.UBound() && number == std::floor(number) && number != current)
        return static_cast<int32_t>(number);
    if (problem)
        *problem = QStringLiteral("Друга ділянка «%1» (поле DB) не є номером іншої завантаженої ділянки; "
                                  "акт зроблено на одну ділянку").arg(db);
    return 0;
}

QString NewActPurpose(const PurposeParcel &first, const PurposeParcel *second, const reference::State &ref,
                      uint8_t areaUnit)
{
    const QString row21 = QStringLiteral("21"), row22 = QStringLiteral("22");
    const double house = ref.BuildArea * 10000;  // square metres for a house
    const double allowed = house + ref.AreaRange; // what still counts as the house's land
    const double a1 = first.Area;
    if (!second) {
        if (first.KZ == row21)
            return ref.KZ21Text;
        if (first.KZ == row22)
            return allowed >= a1 ? ref.KZ22Text : SplitPurpose(house, a1 - house, ref, areaUnit);
        return ref.PurposeName;
    }
    const double a2 = second->Area;
    const QString &kz2 = second->KZ;
    if (first.KZ == row22 && kz2 == row21)
        return allowed >= a1 ? SplitPurpose(a1, a2, ref, areaUnit) : SplitPurpose(house, a1 + a2 - house, ref, areaUnit);
    if (first.KZ == row21 && kz2 == row22)
        return allowed >= a2 ? SplitPurpose(a2, a1, ref, areaUnit) : SplitPurpose(house, a1 + a2 - house, ref, areaUnit);
    if (first.KZ == row22 && kz2 == row22)
        return allowed >= a1 + a2 ? ref.KZ22Text : SplitPurpose(house, a1 + a2 - house, ref, areaUnit);
    if (first.KZ == row21 && kz2 == row21)
        return ref.KZ21Text;
    return ref.PurposeName;
}

ActOutcome FillNewStateAct(office::Document &doc, const PlanOptions &options, int32_t &scale,
                           platform::ProgressSink &step, NearParcelSearch *search)
{
    State &st = state();
    const model::ParcelList &parcels = model::state().Parcels;
    const int32_t current = st.CurDocParcel;
    const model::Parcel &parcel = parcels.at(current);
    DocParcel &first = st.DocParcel1;
    const reference::State &ref = reference::state();
    const QString &raiZem = model::state().RaiZem;

    zova::OneBased<reference::OwnerShare> owners;
    reference::GetOwners(current, owners);
    doc.Bookmarks(QStringLiteral("oname")).SetText(owners[1].NM);
    doc.Bookmarks(QStringLiteral("kadkode"))
        .SetText(CadastralNumber(options.DsFlag ? parcel.KoatuuPart.text() : parcel.ParcelKoatuu, parcel.ZN, parcel.KV,
                                 parcel.Number));

    ActOutcome out;
    ActFill fill(doc, out.Problems);
    const ActTerritory territory = CurrentActTerritory();
    const ActWording w = ComputeActWording(parcel.PZ, territory, options.WhoChoice, options.StorageChoice);
    out.Problems << w.Problems;
    NameMissingLandOfficeHead(raiZem, out.Problems);
    step.setValue(2);

    fill.set("raividdilu", w.OfficeAdjective);
    fill.set("raividdilu1", w.OfficeAdjective);
    // "відповідно до рішення … ради від … № 47 (виконкому)", but an order names itself once:
    // "відповідно до розпорядження … райдержадміністрації від … № 3"; no body, no brackets.
    fill.helperWord(QStringLiteral("risdate_kind"), w.Order ? QStringLiteral("розпорядження ") : QStringLiteral("рішення "));
    fill.set("risdate", w.Issuer);
    fill.councilWord("risdate", w.IssuerIsCouncil, QStringLiteral(" ради"));
    fill.set("radu", w.DecisionText + (w.Order || w.BodyWord.isEmpty() ? QString()
                                                                       : QStringLiteral(" (") + w.BodyWord + QLatin1Char(')')));
    fill.set("radi", w.KeptAt);
    fill.councilWord("radi", w.KeptAtCouncil, QStringLiteral(" раді"));
    fill.set("radu1", w.SigningCouncil);
    fill.councilWord("radu1", w.SigningIsCouncil, QStringLiteral(" ради"));
    fill.set("golova", w.SigningHead);
    fill.set("oadr", owners[1].AU);
    fill.set("adrdildetal", parcel.AD);
    fill.set("raizem", raiZem);
    fill.set("raizem1", raiZem);

    // The second parcel only where DB names another loaded parcel; the previous act's never stays.
    QString problem;
    const int32_t secondIndex = SecondParcelIndex(first.DB, current, parcels, &problem);
    if (!problem.isEmpty())
        out.Problems << problem;
    DocParcel &second = st.DocParcel2;
    if (secondIndex != 0)
        PrepareSecondParcel(secondIndex, options.DsFlag);
    else
        second = DocParcel();
    const PurposeParcel purpose1{first.KZ, first.Area};
    const PurposeParcel purpose2{secondIndex ? parcels[secondIndex].KZ : QString(),
                                 secondIndex ? parcels[secondIndex].Area : 0.0};
    fill.purpose("cilove", NewActPurpose(purpose1, secondIndex ? &purpose2 : nullptr, ref, options.AreaUnit));

    // One scale for both drawings, so that the act's one scale is true of each: the coarser of
    // their automatic scales.
    step.setValue(3);
    bool autoScale = options.AutoScale;
    if (autoScale && secondIndex != 0) {
        scale = std::max(AutoScaleOf(first), AutoScaleOf(second));
        autoScale = false;
    }
    const DrawOptions drawing = DrawOptionsOf(options);
    QRectF firstLabel;
    const bool drawn = fill.attempt([&] {
        DrawParcelShapes(doc, first, NewActCentreX, NewActCentreY, scale, autoScale, 1, drawing, step, search);
        out.Fits = DrawingFitsTemplate(doc, st.DrawExtent);
        const QString area = AreaText(parcel.Area, options.AreaUnit);
        firstLabel = AreaLabel(doc, NewActAreaBox(first, secondIndex != 0),
                               secondIndex ? QStringLiteral("Ділянка № 1\r") + area : area, DrawingRegionVariable, {},
                               out.Problems);
    });
    step.setValue(19);
    fill.description("sm", current);

    if (secondIndex != 0) {
        fill.attempt([&] {
            try {
                DrawParcelShapes(doc, second, SecondCentreX, SecondCentreY, scale, false, 2, drawing, step, search);
            } catch (const UnplaceableDrawing &e) {
                throw UnplaceableDrawing(QStringLiteral("другої ділянки № %1").arg(parcels[secondIndex].Number), e);
            }
            const QRectF extent = st.DrawExtent;
            // The number stands above the drawing where the drawing reaches its place.
            QRectF numberBox = SecondNumberBox;
            const QRectF region = TemplateRegion(doc, QString::fromLatin1(SecondDrawingRegionVariable));
            if (extent.intersects(numberBox))
                numberBox.moveTop(std::max(region.isEmpty() ? 0.0 : region.top(), extent.top() - numberBox.height() - 2));
            out.Fits = out.Fits && DrawingFitsTemplate(doc, extent, SecondDrawingRegionVariable)
                       && !extent.intersects(numberBox) && !extent.intersects(SecondDescriptionBox);
            ActBox(doc, numberBox, QStringLiteral("Кадастровий номер: ") + second.CadNumber, 8, 0);
            ActBox(doc, SecondDescriptionBox, NeighbourBoundaryText(secondIndex, true, false), 8, 0);
            AreaLabel(doc, NewActAreaBox(second, true),
                      QStringLiteral("Ділянка № 2\r") + AreaText(second.Area, options.AreaUnit),
                      SecondDrawingRegionVariable, {numberBox, SecondDescriptionBox, firstLabel}, out.Problems);
        });
    }

    fill.set("area", AreaText(secondIndex ? first.Area + second.Area : parcel.Area, options.AreaUnit));
    if (drawn)
        fill.set("mash", QString::number(st.DrawScale));
    step.setValue(20);
    step.setValue(21);

    const int n = owners.UBound();
    if (n >= 2) {
        fill.attempt([&] {
            office::Table table = doc.Tables(1);
            for (int k = 2; k <= n; ++k) {
                const int r = k - 1;
                while (table.RowCount() < r)
                    table.Rows_Add(); // co-owners beyond the form's rows get rows of their own
                table.Cell(r, 1).SetText(QString::number(r));
                table.Cell(r, 2).SetText(owners[k].NM);
                table.Cell(r, 3).SetText(owners[k].AU);
                table.Cell(r, 4).SetText(QString::number(owners[k].Share) + QStringLiteral(" %"));
            }
        });
        // The co-owners' list is signed as the act's front is: by the body, the head and the land
        // office the front names, whatever the grounds and the signer chosen.
        fill.set("golova_spiv", w.SigningHead);
        fill.set("radu_spiv", w.SigningCouncil + (w.SigningIsCouncil ? QStringLiteral(" ради") : QString()));
        fill.set("viddilu_spiv", w.OfficeAdjective + QStringLiteral(" відділу земельних ресурсів"));
        fill.set("raizem_spiv", raiZem);
    }
    return out;
}

ActOutcome FillApprovalAct(office::Document &doc, const PlanOptions &options, int32_t &scale,
                           platform::ProgressSink &step, NearParcelSearch *search)
{
    State &st = state();
    const int32_t current = st.CurDocParcel;
    const model::Parcel &parcel = model::state().Parcels.at(current);
    DocParcel &first = st.DocParcel1;
    const ActTerritory territory = CurrentActTerritory();

    doc.Bookmarks(QStringLiteral("OwnName")).SetText(parcel.NM);
    doc.Bookmarks(QStringLiteral("OwnName1")).SetText(parcel.NM);

    ActOutcome out;
    ActFill fill(doc, out.Problems);
    const ActWording w = ComputeActWording(parcel.PZ, territory, options.WhoChoice, options.StorageChoice);
    out.Problems << w.Problems;
    NameMissingLandOfficeHead(model::state().RaiZem, out.Problems);
    step.setValue(2);

    fill.set("OrgKind", w.DecisionLead);
    fill.set("OrgType", w.BodyWord);
    fill.set("OrgName1", w.Issuer);
    fill.councilWord("OrgName1", w.IssuerIsCouncil, QStringLiteral(" ради"));
    fill.set("OrgName2", w.KeptAt);
    fill.councilWord("OrgName2", w.KeptAtCouncil, QStringLiteral(" раді"));
    fill.set("OrgName3", w.SigningCouncil);
    fill.councilWord("OrgName3", w.SigningIsCouncil, QStringLiteral(" ради"));
    fill.set("Golova", w.SigningHead);
    fill.set("DocDate", w.DecisionText);
    fill.set("OwnAdr", parcel.AU);
    fill.set("DilAdr", territory.CouncilGenitive2 + QStringLiteral(" ради, ") + parcel.AD);
    fill.set("RaiZem", model::state().RaiZem);
    // The land office's head signs for a city's office where the act is of a city.
    fill.helperWord(QStringLiteral("RaiZem_kind"), w.CityOffice ? QStringLiteral("міського") : QStringLiteral("районного"));
    fill.set("Area", zova::Format4(zova::Hectares(parcel.Area)));
    fill.purpose("Cilove", reference::state().PurposeName);

    step.setValue(3);
    const bool drawn = fill.attempt([&] {
        DrawParcelShapes(doc, first, ApprovalCentreX, ApprovalCentreY, scale, options.AutoScale, 1,
                         DrawOptionsOf(options), step, search);
        out.Fits = DrawingFitsTemplate(doc, st.DrawExtent);
        // The area in hectares on the drawing's centre, or beside the labels there.
        AreaLabel(doc, QRectF(first.PageSumX - 45, first.PageSumY - 10, 90, 20), AreaText(parcel.Area, 1),
                  DrawingRegionVariable, {}, out.Problems);
    });
    if (drawn)
        fill.set("Mash", QString::number(st.DrawScale));
    step.setValue(19);
    step.setValue(20);
    fill.description("sm1", current);
    step.setValue(21);
    return out;
}

} // namespace documents
