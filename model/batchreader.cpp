#include "model/batchreader.h"

#include "common/error.h"
#include "model/exchangeformat.h"
#include "model/exchangereader.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace model {

namespace {

// The storing rules of a contour file, line by line; the state starts at Name in every file.
void storeContourFile(BatchLines &out, const zova::OneBased<QString> &lines, int file)
{
    enum class State { Name, Points, Resume, Stopped } state = State::Name;
    for (int n = 1; n <= lines.UBound(); ++n) {
        const QString &line = lines[n];
        const QString trimmed = TrimBlanks(line);
        if (trimmed == QLatin1String("\\\\\\") || trimmed == QLatin1String("///")) {
            if (out.Lines.isEmpty())
                throw zova::Error(QStringLiteral("Рядок \"%1\" нічого не скасовує: перед ним немає прочитаного рядка")
                                      .arg(trimmed),
                                  out.Files[file], n);
            out.removeLast();
            state = State::Stopped;
        } else if (trimmed == QLatin1String("l")) {
            state = State::Resume;
        }
        switch (state) {
        case State::Name:
            out.add(QStringLiteral("NM") + line, file, n);
            state = State::Points;
            break;
        case State::Points: out.add(QStringLiteral("N=") + line, file, n); break;
        case State::Resume: state = State::Points; break;
        case State::Stopped: break;
        }
    }
}

} // namespace

QString BatchPattern(int mode)
{
    switch (mode) {
    case BatchContour: return QStringLiteral("*.art");
    case BatchPointList: return QStringLiteral("*.txt");
    case BatchIn4: return QStringLiteral("*.in4");
    default: return QStringLiteral("*.doc");
    }
}

QStringList BatchFiles(const QString &folder, int mode)
{
    QStringList patterns{BatchPattern(mode)};
    // Documents made by this program are .docx; the print takes them beside the old .doc files.
    if (mode == BatchPrint)
        patterns << QStringLiteral("*.docx");
    const QDir dir(folder);
    return dir.entryList(patterns, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
}

void BatchLines::add(QString line, int file, int lineNumber)
{
    Lines.Add(std::move(line));
    FileOf.push_back(file);
    LineOf.push_back(lineNumber);
}

void BatchLines::removeLast()
{
    Lines.Resize(Lines.UBound() - 1);
    FileOf.pop_back();
    LineOf.pop_back();
}

QString BatchLines::fileOf(int i) const
{
    const int f = i >= 0 && i < int(FileOf.size()) ? FileOf[size_t(i)] : -1;
    return f >= 0 && f < Files.size() ? Files[f] : QString();
}

int BatchLines::lineOf(int i) const
{
    return i >= 0 && i < int(LineOf.size()) ? LineOf[size_t(i)] : 0;
}

BatchLines ReadImportFiles(const QString &folder, const QStringList &names, int mode)
{
    if (mode < BatchContour || mode > BatchIn4)
        throw zova::Error(QStringLiteral("Невідомий режим пакетного читання: %1").arg(mode));
    BatchLines out;
    const QDir dir(folder);
    for (const QString &name : names)
        out.Files << dir.filePath(name);
    if (mode == BatchPointList)
        out.add(QStringLiteral("NMNoName"), -1, 0); // every list of the run makes one parcel

    // All files are read before anything is stored, so the lines are stored into lists sized once;
    // together they may be no larger than the largest file read.
    qint64 bytes = 0;
    for (const QString &path : out.Files) {
        const qint64 size = QFileInfo(path).size();
        if (size > MaxInputFileSize)
            throw TooLargeFile(size, path);
        bytes += size;
    }
    if (bytes > MaxInputFileSize)
        throw zova::Error(QStringLiteral("Вибрані файли разом завеликі (%1 МБ): програма читає файли до %2 МБ.")
                              .arg(Megabytes(bytes))
                              .arg(Megabytes(MaxInputFileSize)));
    std::vector<zova::OneBased<QString>> files;
    files.reserve(size_t(out.Files.size()));
    qsizetype total = 0;
    for (const QString &path : out.Files) {
        files.push_back(ReadExchangeLines(path, BatchReadFilter));
        total += files.back().UBound();
    }
    if (total < std::numeric_limits<int>::max() - 2) {
        out.Lines.Reserve(out.Lines.UBound() + int(total));
        out.FileOf.reserve(out.FileOf.size() + size_t(total));
        out.LineOf.reserve(out.LineOf.size() + size_t(total));
    }

    for (int f = 0; f < int(files.size()); ++f) {
        zova::OneBased<QString> &lines = files[size_t(f)];
        switch (mode) {
        case BatchContour: storeContourFile(out, lines, f); break;
        case BatchPointList:
            for (int n = 1; n <= lines.UBound(); ++n)
                if (!TrimBlanks(lines[n]).isEmpty())
                    out.add(QStringLiteral("N=") + lines[n], f, n);
            break;
        default:
            for (int n = 1; n <= lines.UBound(); ++n)
                out.add(std::move(lines[n]), f, n);
            break;
        }
        lines = zova::OneBased<QString>();
    }
    return out;
}

} // namespace model
