#include "registers/cadastrallist.h"

#include "common/numbers.h"
#include "documents/docparcel.h"
#include "model/state.h"
#include "registers/templates.h"
#include "registers/territorynames.h"

namespace registers {

ListResult MakeSpisKadKode(office::WordApp &app, const QString &programDir)
{
    ApplyTerritoryDefaults();
    const QString path = ExistingTemplatePath(programDir, QStringLiteral("spis_kadkode.dotx"));
    office::Document &doc = app.Documents_Add(path);
    office::Table table = doc.Tables(1);
    ListResult result;
    WriteSelectedParcelRows(
        table, 2,
        [&](int row, int k, const model::Parcel &p) {
            table.Cell(row, 1).SetText(QString::number(k) + QLatin1Char('.'));
            table.Cell(row, 2).SetText(QLatin1Char(' ') + p.NM);
            table.Cell(row, 3).SetText(zova::Format4(zova::Hectares(p.Area)));
            table.Cell(row, 4).SetText(documents::CadastralNumberAsStored(p.KoatuuPart.text(), p.ZN, p.KV, p.Number));
        },
        [&](int32_t i) { return FiguresPrintable(model::state().Parcels, i, false, result.LeftOut); });
    static_cast<LeftOpen &>(result) = LeaveOpen(app, doc, QStringLiteral("Кадастрові номери"));
    return result;
}

} // namespace registers
