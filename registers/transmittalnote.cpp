#include "registers/transmittalnote.h"

#include "common/text.h"
#include "model/state.h"
#include "reference/state.h"
#include "reference/territory.h"
#include "registers/packagebookmarks.h"
#include "registers/templates.h"
#include "registers/territorynames.h"

#include <utility>

namespace registers {

LeftOpen MakeNakl(office::WordApp &app, const QString &programDir)
{
    ApplyTerritoryDefaults();
    const reference::State &r = reference::state();
    const NoteDistrict district = NoteDistrictOf(r.DistrictName, r.CentreName);
    const QString councilGen = reference::CouncilCaseForms(r.CouncilName).genitive;

    const QString path = ExistingTemplatePath(programDir, QStringLiteral("nakladna.dotx"));
    office::Document &doc = app.Documents_Add(path);
    const QString raiZem = model::state().RaiZem;
    doc.Bookmarks(QStringLiteral("ndur")).SetText(r.NDur);
    // The addressee's label goes with a head of no name.
    WriteWithItsWords(doc, QStringLiteral("raizem"), raiZem);
    doc.Tables(1).Cell(1, 1).SetText(zova::UpperCase(r.OrganTitle));
    doc.Bookmarks(QStringLiteral("radu")).SetText(councilGen);
    doc.Bookmarks(QStringLiteral("regionu")).SetText(district.district);
    doc.Bookmarks(QStringLiteral("viddil")).SetText(district.office);
    // The words after them ("районний", "району") stand in bookmarks of their own, which a city's
    // note changes; a template without them still works.
    for (const auto &[bookmark, word] : {std::pair{QStringLiteral("viddil_kind"), district.officeKind},
                                         std::pair{QStringLiteral("regionu_kind"), district.districtKind}})
        if (doc.HasBookmark(bookmark))
            doc.Bookmarks(bookmark).SetText(word);

    // Item 1 and rows 1 to 3 are the template's: the first parcel is item 2 in row 4.
    office::Table table = doc.Tables(3);
    WriteSelectedParcelRows(table, 4, [&](int row, int k, const model::Parcel &p) {
        table.Cell(row, 1).SetText(QString::number(k + 1) + QLatin1Char('.'));
        table.Cell(row, 2).SetText(QStringLiteral(" ~ ") + p.NM);
    });

    // What the note has a place for and no name for is told; the director's signature line stays
    // for a hand-written name.
    const QString where = QStringLiteral("у накладній");
    QStringList remarks;
    if (r.OrganTitle.trimmed().isEmpty())
        remarks << UnnamedOrganisationText(where);
    if (r.NDur.trimmed().isEmpty())
        remarks << UnnamedSignerText(Signer::Director, where);
    if (raiZem.trimmed().isEmpty())
        remarks << UnnamedSignerText(Signer::LandOfficeHead, where);
    LeftOpen left = LeaveOpen(app, doc, QStringLiteral("Накладна"));
    left.Remarks = remarks;
    return left;
}

} // namespace registers
