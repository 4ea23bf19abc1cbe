#include "registers/templates.h"

#include "documents/placement.h"
#include "model/state.h"

#include <QDir>
#include <QFileInfo>

namespace registers {

QString TemplatePath(const QString &programDir, const QString &file)
{
    return QDir(programDir).filePath(QStringLiteral("Dots/") + file);
}

bool TemplateExists(const QString &path)
{
    return QFileInfo(path).isFile();
}

zova::Error MissingTemplate(const QString &path)
{
    return zova::Error(QStringLiteral("Немає шаблону документа: ") + QDir::toNativeSeparators(path));
}

QString ExistingTemplatePath(const QString &programDir, const QString &file)
{
    const QString path = TemplatePath(programDir, file);
    if (!TemplateExists(path))
        throw MissingTemplate(path);
    return path;
}

LeftOpen LeaveOpen(office::WordApp &app, office::Document &doc, const QString &baseName)
{
    const QDir folder(app.WorkFolder());
    QDir().mkpath(folder.path());
    LeftOpen left;
    left.Opened = doc.ShowDocument(folder.filePath(baseName + QStringLiteral(".docx")));
    left.Path = doc.FullName();
    doc.Close();
    return left;
}

void WriteSelectedParcelRows(office::Table &table, int firstRow,
                             const std::function<void(int row, int k, const model::Parcel &parcel)> &write,
                             const std::function<bool(int32_t index)> &take)
{
    const model::ParcelList &parcels = model::state().Parcels;
    int k = 0;
    for (int32_t i = 1; i <= parcels.UBound(); ++i) {
        const model::Parcel &p = parcels[i];
        if (p.Selected == 0 || (take && !take(i)))
            continue;
        table.Rows_Add();
        write(firstRow + k, k + 1, p);
        ++k;
    }
}

bool FiguresPrintable(const model::ParcelList &parcels, int32_t index, bool landUse,
                      std::vector<documents::BatchFailure> &leftOut)
{
    try {
        documents::CheckParcelPlaceable(parcels, index, landUse);
        return true;
    } catch (const documents::UnplaceableDrawing &e) {
        leftOut.push_back({index, parcels[index].Number, e.message()});
        return false;
    }
}

} // namespace registers
