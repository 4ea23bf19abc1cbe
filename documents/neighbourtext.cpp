#include "documents/neighbourtext.h"

#include "model/state.h"


namespace documents {

namespace {

/// Letters in one round: the 32 capitals and the 32 small letters of the Cyrillic code page.
constexpr int LettersPerRound = 64;

const std::vector<model::NeighbourEntry> *EntriesOf(const model::ParcelList &parcels, int32_t parcel)
{
    if (parcel < 1 || parcel > parcels.UBound() || parcels[parcel].NeighbourList.size() < 2)
        return nullptr;
    return &parcels[parcel].NeighbourList;
}

/// "Від L(k) до L(k+1)", the last stretch (k = n) ending at L(1).
QString Span(int k, int n)
{
    return QStringLiteral("Від ") + NeighbourLetter(k) + QStringLiteral(" до ") + NeighbourLetter(k < n ? k + 1 : 1);
}

/// The lines of the description of `entries` (element 0 unused) in the layout of the flags.
QStringList DescriptionLines(const std::vector<model::NeighbourEntry> &entries, bool fullLines, bool fourLineForm)
{
    const int n = static_cast<int>(entries.size()) - 1;
    const auto text = [&](int k) { return entries[static_cast<size_t>(k)].Text; };
    const auto full = [&](int k) { return Span(k, n) + QLatin1Char(' ') + text(k); };

    QStringList lines;
    if (fullLines) {
        for (int k = 1; k <= n; ++k)
            lines << full(k);
    } else {
        const int f = fourLineForm ? 4 : 6;
        if (n <= f) {
            for (int k = 1; k < n; ++k)
                lines << text(k);
            lines << NeighbourLetter(1) + QLatin1Char(' ') + text(n);
        } else {
            for (int k = 1; k < f; ++k)
                lines << text(k);
            lines << NeighbourLetter(f + 1) + QLatin1Char(' ') + text(f);
            for (int k = f + 1; k <= n; ++k)
                lines << full(k);
        }
    }
    return lines;
}

} // namespace

QString NeighbourLetter(int k)
{
    if (k < 1)
        return QString();
    const int round = (k - 1) / LettersPerRound;
    const int inRound = (k - 1) % LettersPerRound;
    const QChar letter(inRound < 32 ? 0x0410 + inRound : 0x0430 + (inRound - 32));
    return round == 0 ? QString(letter) : letter + QString::number(round);
}

QString NeighbourBoundaryText(const model::ParcelList &parcels, int32_t parcel, bool fullLines, bool fourLineForm)
{
    const std::vector<model::NeighbourEntry> *entries = EntriesOf(parcels, parcel);
    return entries ? DescriptionLines(*entries, fullLines, fourLineForm).join(QLatin1Char('\r')) : QString();
}

QString NeighbourBoundaryText(int32_t parcel, bool fullLines, bool fourLineForm)
{
    return NeighbourBoundaryText(model::state().Parcels, parcel, fullLines, fourLineForm);
}

QString ActNeighbourDescription(const model::ParcelList &parcels, int32_t parcel)
{
    QStringList lines;
    for (const NeighbourRow &row : NeighbourTableRows(parcels, parcel))
        lines << row.Span + QLatin1Char('\t') + row.Text;
    return lines.join(QLatin1Char('\r'));
}

std::vector<NeighbourRow> NeighbourTableRows(const model::ParcelList &parcels, int32_t parcel)
{
    std::vector<NeighbourRow> rows;
    const std::vector<model::NeighbourEntry> *entries = EntriesOf(parcels, parcel);
    if (!entries)
        return rows;
    const int n = static_cast<int>(entries->size()) - 1;
    for (int k = 1; k <= n; ++k)
        rows.push_back(NeighbourRow{Span(k, n), (*entries)[static_cast<size_t>(k)].Text});
    return rows;
}

} // namespace documents
