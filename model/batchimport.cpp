#include "model/batchimport.h"

#include "common/error.h"
#include "model/codepagecheck.h"
#include "model/exchangeformat.h"
#include "model/state.h"

#include <QFileInfo>
#include <new>

namespace model {

namespace {

QString where(const BatchLines &lines, int i)
{
    return QStringLiteral("файл %1, рядок %2").arg(QFileInfo(lines.fileOf(i)).fileName()).arg(lines.lineOf(i));
}

// The files of the run whose texts look like another encoding read in the DOS code page.
std::vector<BatchImport::MisreadFile> misreadFiles(const BatchLines &lines, int mode)
{
    std::vector<zova::OneBased<QString>> perFile(size_t(lines.Files.size()));
    for (int i = 1; i <= lines.Lines.UBound(); ++i) {
        const int f = lines.FileOf[size_t(i)];
        if (f >= 0)
            perFile[size_t(f)].Add(lines.Lines[i]);
    }
    std::vector<BatchImport::MisreadFile> misread;
    for (size_t f = 0; f < perFile.size(); ++f) {
        TextsLook look;
        if (mode == BatchIn4) {
            look = ExchangeTextsLook(perFile[f], BatchReadFilter);
        } else {
            // Names and point lines as the file holds them, without the reader's "NM" and "N=".
            QStringList texts;
            for (const QString &line : perFile[f])
                texts << line.mid(2);
            look = JudgeTexts(texts, FilterCodePage(BatchReadFilter));
        }
        if (look != TextsLook::Right)
            misread.push_back({QFileInfo(lines.Files[int(f)]).fileName(), look});
    }
    return misread;
}

} // namespace

BatchImport ImportBatch(const QString &folder, const QStringList &names, int mode,
                        platform::ProgressSink *progress)
{
    BatchImport import;
    if (progress)
        progress->setPhase(QStringLiteral("Читаємо..."));
    try {
        import.Lines = ReadImportFiles(folder, names, mode);
        if (progress)
            progress->setPhase(QStringLiteral("Обробляємо..."));
        try {
            import.Result = mode == BatchIn4 ? ParseIn4Batch(import.Lines.Lines) : ParseContourLines(import.Lines.Lines);
        } catch (const zova::Error &e) {
            // The parsers count the lines of the whole run; the operator is told the file and its line.
            throw zova::Error(e.message(), import.Lines.fileOf(e.line()), import.Lines.lineOf(e.line()));
        }
        // Files that hold no parcel at all must not take the place of the operator's work.
        if (import.Result.ParcelCount == 0)
            throw zova::Error(QStringLiteral("У вибраних файлах немає жодної ділянки."));
        import.Misread = misreadFiles(import.Lines, mode);
    } catch (const std::bad_alloc &) {
        throw zova::Error(QStringLiteral("Не вистачає пам'яті, щоб прочитати вибрані файли."));
    }
    if (import.Result.FirstSkipped > 0)
        import.FirstSkippedAt = where(import.Lines, import.Result.FirstSkipped);
    return import;
}

void CommitBatch(BatchImport &&import)
{
    State &s = state();
    s.Parcels = std::move(import.Result.Parcels);
    s.ImportLines = std::move(import.Lines.Lines);
    s.CurParcel = 0;
    s.Modified = false; // nothing of the new parcels is changed yet
}

} // namespace model
