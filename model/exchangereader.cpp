#include "model/exchangereader.h"

#include "common/error.h"
#include "model/exchangeformat.h"
#include "model/state.h"
#include "platform/codepage.h"
#include "platform/lineconverter.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace model {

namespace {

// What a stat of the file says it is, for the refusal of anything but a regular file.
QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("тека");
    if (S_ISFIFO(mode))
        return QStringLiteral("іменований канал");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("пристрій");
    if (S_ISSOCK(mode))
        return QStringLiteral("сокет");
    return QStringLiteral("не файл");
}

void checkRegularFile(const struct stat &info, const QString &path)
{
    if (!S_ISREG(info.st_mode))
        throw zova::Error(QStringLiteral("Це не звичайний файл, а %1: програма читає лише звичайні файли.")
                              .arg(kindOf(info.st_mode)),
                          path);
    if (info.st_size > MaxInputFileSize)
        throw TooLargeFile(info.st_size, path);
}

zova::Error outOfMemory(const QString &path)
{
    return zova::Error(QStringLiteral("Не вистачає пам'яті, щоб прочитати файл."), path);
}

void checkFilter(int filter)
{
    if (filter < 1 || filter > 5)
        throw zova::Error(QStringLiteral("Невідомий вид обмінного файлу: %1").arg(filter));
}

class Parser {
public:
    Parser(LoadResult &result, int filter, platform::ProgressSink &progress)
        : m_r(result), m_centre(filter == CentreFilter), m_progress(progress)
    {
    }

    void run()
    {
        const zova::OneBased<QString> &lines = m_r.ImportLines;
        const int n = lines.UBound();
        // "Обробляємо..." is the window's caption; its label starts empty.
        m_progress.setPhase(QString());
        m_progress.setRange(0, n);
        m_progress.setValue(0);
        // The bar moves a few hundred times at most; the line count is exact at the end.
        const int step = std::max(1, n / 500);
        int parcels = 0;
        for (const QString &text : lines)
            parcels += startsWith(text, 'N', 'M');
        m_r.Parcels.Reserve(parcels);
        for (int i = 1; i <= n; ++i) {
            if (i % step == 0 || i == n)
                m_progress.setValue(i);
            m_line = i;
            try {
                line(lines[i]);
            } catch (const zova::Error &e) {
                throw zova::Error(e.message(), QString(), i);
            }
        }

        phase(QStringLiteral("Площі..."));
        m_progress.setValue(0);
        RunAreaPhase(m_r.Parcels, &m_progress);
        checkAreas();
        phase(QStringLiteral("Зачекайте..."));

        m_r.StatusText = QStringLiteral("Ділянок: %1; Угідь: %2; Пікетів: %3")
                             .arg(m_r.ParcelCount)
                             .arg(m_r.LandUseCount)
                             .arg(m_r.PointCount);
    }

private:
    // The label shows the same text again and again while parcels go by; it is told only when
    // the text changes.
    void phase(const QString &text)
    {
        if (text != m_phase) {
            m_phase = text;
            m_progress.setPhase(text);
        }
    }

    Parcel &parcel() { return m_r.Parcels[m_parcel]; }

    // Coordinates that each read well can still be too large to compute with: an area that is
    // not a finite number is an error of the parcel's line (or of its land-use area's line), and
    // never reaches a file.
    void checkAreas() const
    {
        CheckAreasComputed(m_r.Parcels, [this](int parcel, int landUse) {
            return landUse == 0 ? m_parcelLines[size_t(parcel)] : m_landUseLines[size_t(parcel)][size_t(landUse)];
        });
    }

    static bool startsWith(const QString &text, char a, char b)
    {
        return text.size() >= 2 && text[0] == QLatin1Char(a) && text[1] == QLatin1Char(b);
    }

    // The point lines that will follow into a ring just opened: sized once, not regrown point by
    // point.
    void reserveRing(Ring &ring) const
    {
        const zova::OneBased<QString> &lines = m_r.ImportLines;
        int points = 0;
        for (int j = m_line + 1; j <= lines.UBound(); ++j) {
            const QString &text = lines[j];
            if (startsWith(text, 'N', 'M') || startsWith(text, 'C', 'N'))
                break;
            points += startsWith(text, 'N', '=');
        }
        ring.Reserve(points);
    }

    void line(const QString &text)
    {
        switch (LineKey(text)) {
        case KeyCode('N', '='): point(text); break;
        case KeyCode('N', 'M'): openParcel(QuotedValue(text)); break;
        case KeyCode('C', 'N'): openLandUse(QuotedValue(text)); break;
        case KeyCode('Z', 'M'):
            m_r.RaiZem = QuotedValue(text);
            m_r.HasRaiZem = true;
            break;
        case KeyCode('G', 'L'):
            m_r.Golova = QuotedValue(text);
            m_r.HasGolova = true;
            break;
        case KeyCode('D', 'S'): m_r.Koatuu = QuotedValue(text); break;
        case KeyCode('B', 'C'): m_r.DefaultQuarter = KeyNumber(QuotedValue(text)); break;
        case KeyCode('S', 'D'): m_r.DefaultZone = KeyNumber(QuotedValue(text)); break;
        case KeyCode('S', 'C'): m_pendingNumber = QuotedValue(text); break;
        case KeyCode('S', 'R'):
            // The centre's files number their parcels by SC only.
            if (!m_centre)
                m_pendingNumber = QuotedValue(text);
            break;
        case KeyCode('K', 'T'):
        case KeyCode('T', 'T'): parcel().ParcelKoatuu = QuotedValue(text); break;
        case KeyCode('K', 'K'): {
            const QString value = QuotedValue(text);
            if (value.size() >= 11)
                parcel().ParcelKoatuu = value.left(10);
            break;
        }
        case KeyCode('A', 'D'): {
            const QString value = QuotedValue(text);
            parcel().AD = m_centre ? CentreParcelAddress(value) : value;
            break;
        }
        case KeyCode('A', 'U'): {
            const QString value = QuotedValue(text);
            parcel().AU = m_centre ? CentreOwnerAddress(value) : value;
            break;
        }
        case KeyCode('P', 'Z'): {
            const QString value = QuotedValue(text);
            parcel().PZ = m_centre ? CentreGrounds(value) : TrimBlanks(value);
            break;
        }
        case KeyCode('K', 'V'): parcel().KV = KeyNumber(QuotedValue(text)); break;
        case KeyCode('Z', 'N'): parcel().ZN = KeyNumber(QuotedValue(text)); break;
        case KeyCode('D', 'B'): parcel().DB = QuotedValue(text); break;
        case KeyCode('K', 'Z'): parcel().KZ = TrimBlanks(QuotedValue(text)); break;
        case KeyCode('K', 'F'):
        case KeyCode('K', 'U'): parcel().KF = TrimBlanks(QuotedValue(text)); break;
        case KeyCode('P', 'P'): parcel().PP = QuotedValue(text); break;
        default: break;
        }
    }

    void openParcel(const QString &name)
    {
        phase(QStringLiteral("Ділянка..."));
        m_target = Target::ParcelRing;
        ++m_r.ParcelCount;
        m_parcel = CreateParcel(m_r.Parcels);
        m_parcelLines.push_back(m_line);
        m_landUseLines.emplace_back(1, 0);
        Parcel &p = parcel();
        p.NM = name;
        // A seven-character number carries the quarter in front: "0120007" is parcel 0007 of
        // quarter 12.
        if (m_pendingNumber.size() == 7) {
            p.Number = m_pendingNumber.right(4);
            p.KV = KeyNumber(m_pendingNumber.left(3));
        } else {
            p.Number = m_pendingNumber;
            p.KV = m_r.DefaultQuarter;
        }
        p.ZN = m_r.DefaultZone;
        p.KoatuuPart = m_r.Koatuu;
        reserveRing(p.Points);
    }

    void openLandUse(const QString &code)
    {
        phase(QStringLiteral("Угіддя..."));
        m_target = Target::LandUse;
        ++m_r.LandUseCount;
        LandUseArea area;
        area.CN = code;
        reserveRing(area.Points);
        m_landUse = parcel().LandUses.Add(std::move(area));
        m_landUseLines[size_t(m_parcel)].push_back(m_line);
    }

    void point(const QString &text)
    {
        ++m_r.PointCount;
        if (m_target == Target::Nowhere)
            return;
        BoundaryPoint p = ReadPointLine(text);
        Ring &ring = m_target == Target::ParcelRing ? parcel().Points
                                                    : parcel().LandUses[m_landUse].Points;
        p.Index = ring.UBound() + 1;
        ring.Add(std::move(p));
    }

    enum class Target { Nowhere, ParcelRing, LandUse };

    LoadResult &m_r;
    const bool m_centre;
    platform::ProgressSink &m_progress;
    QString m_phase;
    int m_line = 0;
    int m_parcel = 0;   // parcel keys before the first NM land on element 0, which nothing reads
    int m_landUse = 0;
    Target m_target = Target::Nowhere;
    QString m_pendingNumber;
    // The line of each parcel's NM and of each land-use area's CN (element 0 stands for the keys
    // before the first parcel).
    std::vector<int> m_parcelLines{0};
    std::vector<std::vector<int>> m_landUseLines{{0}};
};

} // namespace

zova::OneBased<QString> DecodeExchangeLines(const QByteArray &bytes, int filter)
{
    checkFilter(filter);
    const platform::CodePage page = FilterCodePage(filter);
    const platform::LineConverter converter;
    zova::OneBased<QString> lines;
    const char *const data = bytes.constData();
    const char *const stop = data + bytes.size();
    const auto find = [stop](const char *from, char c) {
        const void *hit = std::memchr(from, c, size_t(stop - from));
        return hit ? static_cast<const char *>(hit) : stop;
    };
    // One pass to count the line ends spares the list its regrowths on large files.
    qsizetype ends = 0;
    for (const char *p = find(data, '\r'); p != stop; p = find(p + 1, '\r'))
        ++ends;
    if (ends == 0)
        for (const char *p = find(data, '\n'); p != stop; p = find(p + 1, '\n'))
            ++ends;
    lines.Reserve(int(std::min<qsizetype>(ends + 1, std::numeric_limits<int>::max() - 1)));

    const char *nextCr = find(data, '\r');
    const char *nextLf = find(data, '\n');
    for (const char *start = data; start < stop;) {
        if (nextCr < start)
            nextCr = find(start, '\r');
        if (nextLf < start)
            nextLf = find(start, '\n');
        const char *end = std::min(nextCr, nextLf);
        lines.Add(converter.Convert(
            platform::Decode(QByteArray::fromRawData(start, end - start), page)));
        if (end < stop && *end == '\r' && end + 1 < stop && end[1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

qint64 Megabytes(qint64 bytes)
{
    constexpr qint64 mb = qint64(1) << 20;
    return (bytes + mb - 1) / mb;
}

zova::Error TooLargeFile(qint64 size, const QString &path)
{
    return zova::Error(QStringLiteral("Файл завеликий (%1 МБ): програма читає файли до %2 МБ.")
                           .arg(Megabytes(size))
                           .arg(Megabytes(MaxInputFileSize)),
                       path);
}

QByteArray ReadInputFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const auto failure = [&path](const char *what) {
        const int code = errno;
        return zova::Error(QString::fromUtf8(what) + QString::fromLocal8Bit(std::strerror(code)), path);
    };
    // Looked at before it is opened: opening a named pipe waits for a writer, and opening a device
    // can act on it.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        throw failure("Не вдалося відкрити файл: ");
    checkRegularFile(info, path);
    // Opened without waiting and looked at again, in case another file took its name meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw failure("Не вдалося відкрити файл: ");
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    if (::fstat(fd, &info) != 0)
        throw failure("Не вдалося прочитати файл: ");
    checkRegularFile(info, path);

    try {
        QByteArray bytes;
        bytes.resize(qsizetype(info.st_size));
        qsizetype got = 0;
        for (;;) {
            // A file that grows while it is read is read on, up to the largest one taken.
            if (got == bytes.size()) {
                if (bytes.size() > MaxInputFileSize)
                    throw TooLargeFile(bytes.size(), path);
                bytes.resize(std::min<qsizetype>(bytes.size() + (qsizetype(1) << 20), MaxInputFileSize + 1));
            }
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                throw failure("Не вдалося прочитати файл: ");
            if (n == 0)
                break;
            got += n;
        }
        bytes.truncate(got);
        return bytes;
    } catch (const std::bad_alloc &) {
        throw outOfMemory(path);
    }
}

zova::OneBased<QString> ReadExchangeLines(const QString &path, int filter)
{
    const QByteArray bytes = ReadInputFile(path);
    try {
        return DecodeExchangeLines(bytes, filter);
    } catch (const std::bad_alloc &) {
        throw outOfMemory(path);
    }
}

LoadResult ParseExchangeLines(zova::OneBased<QString> lines, int filter,
                              platform::ProgressSink &progress)
{
    checkFilter(filter);
    LoadResult result;
    result.ImportLines = std::move(lines);
    Parser(result, filter, progress).run();
    return result;
}

LoadResult ParseExchangeLines(zova::OneBased<QString> lines, int filter)
{
    platform::NullProgress progress;
    return ParseExchangeLines(std::move(lines), filter, progress);
}

LoadResult LoadExchangeFile(const QString &path, int filter, platform::ProgressSink &progress)
{
    checkFilter(filter);
    zova::OneBased<QString> lines = ReadExchangeLines(path, filter);
    LoadResult result;
    try {
        result = ParseExchangeLines(std::move(lines), filter, progress);
    } catch (const zova::Error &e) {
        throw zova::Error(e.message(), path, e.line());
    } catch (const std::bad_alloc &) {
        throw outOfMemory(path);
    }
    // A picture, an empty file or any other text opens as no parcel at all; it must not take the
    // place of the operator's work.
    if (result.ParcelCount == 0)
        throw zova::Error(QStringLiteral("У файлі немає жодної ділянки (рядка NM=): це не обмінний "
                                         "файл або в ньому немає ділянок."),
                          path);
    return result;
}

void CommitLoad(LoadResult &&result, const QString &path, int filter)
{
    State &s = state();
    s.Parcels = std::move(result.Parcels);
    s.ImportLines = std::move(result.ImportLines);
    s.Koatuu = result.Koatuu;
    s.DefaultZone = result.DefaultZone;
    s.DefaultQuarter = result.DefaultQuarter;
    if (result.HasRaiZem)
        s.RaiZem = result.RaiZem;
    if (result.HasGolova)
        s.Golova = result.Golova;
    s.CurParcel = 0;
    s.Modified = false;
    s.FileName = path;
    s.FileTitle = QFileInfo(path).fileName();
    s.FileFilter = static_cast<uint8_t>(filter);
}

} // namespace model
