#pragma once

// The parcels the layout test draws, made here rather than read from samples/: a 6-point parcel
// as wide as the 1:300 scale allows, a 40-point parcel with four land-use areas and three
// neighbours, a parcel whose owner's name takes two lines, and round parcels of any number of
// vertices with ordinary or the longest names. They lie far apart, so the only neighbours are
// those made for them.

#include "model/parcel.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace layoutfixtures {

/// Indexes of the parcels that the layout test documents; their neighbours follow them.
enum Fixture : int32_t { SixPoints = 1, FortyPoints = 2, TwoLineOwner = 3 };

inline const char *FixtureName(int32_t f)
{
    switch (f) {
    case SixPoints: return "6 points";
    case FortyPoints: return "40 points";
    default: return "two-line owner";
    }
}

using Coordinates = std::vector<std::pair<double, double>>; // (X north, Y east), metres

inline model::Ring RingOf(const Coordinates &points)
{
    model::Ring ring;
    int k = 0;
    for (const auto &[x, y] : points)
        ring.Add(model::BoundaryPoint{++k, QString::number(k), x, y});
    return ring;
}

inline model::Parcel ParcelOf(const QString &number, const QString &owner, const Coordinates &points)
{
    model::Parcel p;
    p.KoatuuPart = QStringLiteral("3222486201");
    p.ZN = 1;
    p.KV = 12;
    p.Number = number;
    p.NM = owner;
    p.AD = QStringLiteral("вул. Садова, ") + number;
    p.KZ = QStringLiteral("22");
    p.Points = RingOf(points);
    return p;
}

/// A neighbour on the outside of the run `shared` (in ring order) of a parcel around `centre`:
/// the run backwards and two points 15 m further out.
inline model::Parcel NeighbourOf(const QString &number, const QString &owner, const Coordinates &shared,
                                 std::pair<double, double> centre)
{
    const auto outward = [&](std::pair<double, double> p) {
        const double dx = p.first - centre.first, dy = p.second - centre.second;
        const double d = std::hypot(dx, dy);
        return std::pair{std::round((p.first + 15 * dx / d) * 100) / 100, std::round((p.second + 15 * dy / d) * 100) / 100};
    };
    Coordinates ring(shared.rbegin(), shared.rend());
    ring.push_back(outward(shared.front()));
    ring.push_back(outward(shared.back()));
    return ParcelOf(number, owner, ring);
}

/// An owner's name that fills two title lines and many lines of a table's narrow column.
inline constexpr const char *LongOwner = "Товариство з обмеженою відповідальністю «Сільськогосподарське підприємство "
                                         "Агропромислова компанія Золотий Колос Київщини та партнери»";

/// `n` vertices on a circle of 10 m around `centre`, clockwise on the map, to the centimetre.
inline Coordinates RoundRing(int n, std::pair<double, double> centre)
{
    Coordinates ring;
    for (int k = 0; k < n; ++k) {
        const double t = 2 * std::numbers::pi * k / n;
        ring.emplace_back(std::round((centre.first + 10 * std::cos(t)) * 100) / 100,
                          std::round((centre.second + 10 * std::sin(t)) * 100) / 100);
    }
    return ring;
}

/// A parcel of `n` vertices on a circle of 10 m around (x, x), clockwise on the map; drawn at 1:300.
inline model::Parcel RoundParcelOf(const QString &number, const QString &owner, int n, double x)
{
    return ParcelOf(number, owner, RoundRing(n, {x, x}));
}

inline model::ParcelList LayoutParcels()
{
    model::ParcelList parcels;

    // 24 m east to west and 18 m north to south: drawn at 1:300, 227 pt wide; a neighbour along
    // its northern side puts stubs and letters above it.
    const Coordinates six = {{5009, 4995}, {5009, 5005}, {5000, 5012}, {4991, 5005}, {4991, 4995}, {5000, 4988}};
    parcels.Add(ParcelOf(QStringLiteral("0001"), QStringLiteral("Іваненко Іван Іванович"), six));

    // 40 vertices on a wavy oval of about 63 by 53 m around (6000, 6000), clockwise on the map.
    const std::pair<double, double> centre{6000, 6000};
    Coordinates forty;
    for (int k = 0; k < 40; ++k) {
        const double t = 2 * std::numbers::pi * k / 40;
        const double r = 1 + 0.06 * std::sin(3 * t);
        forty.emplace_back(std::round((centre.first + 25 * r * std::cos(t)) * 100) / 100,
                           std::round((centre.second + 30 * r * std::sin(t)) * 100) / 100);
    }
    model::Parcel big = ParcelOf(QStringLiteral("0002"), QStringLiteral("Петренко Ольга Миколаївна"), forty);
    // Four land-use areas, fans from the centre over a quarter of the boundary each.
    const char *codes[] = {"5", "12", "35", "36"};
    for (int q = 0; q < 4; ++q) {
        Coordinates fan{centre};
        for (int k = 10 * q; k <= 10 * q + 10; ++k)
            fan.push_back(forty[k % 40]);
        model::LandUseArea area;
        area.CN = QString::fromLatin1(codes[q]);
        area.Points = RingOf(fan);
        big.LandUses.Add(area);
    }
    parcels.Add(big);

    // 8 points, 29 m east to west (1:500), for an owner whose name fills two title lines.
    const Coordinates eight = {{7010, 6986}, {7010, 7000}, {7010, 7015}, {7000, 7015},
                               {6990, 7015}, {6990, 7000}, {6990, 6986}, {7000, 6986}};
    parcels.Add(ParcelOf(QStringLiteral("0003"), QString::fromUtf8(LongOwner), eight));

    parcels.Add(NeighbourOf(QStringLiteral("0004"), QStringLiteral("Сидоренко Петро Андрійович"),
                            {six[0], six[1]}, {5000, 5000}));
    const auto run = [&](int from, int to) { return Coordinates(forty.begin() + from, forty.begin() + to + 1); };
    parcels.Add(NeighbourOf(QStringLiteral("0005"), QStringLiteral("Коваль Марія Степанівна"), run(2, 7), centre));
    parcels.Add(NeighbourOf(QStringLiteral("0006"), QStringLiteral("Бондар Олег Васильович"), run(15, 20), centre));
    parcels.Add(NeighbourOf(QStringLiteral("0007"), QStringLiteral("Мельничук Ганна Йосипівна"), run(27, 32), centre));
    model::RunAreaPhase(parcels);
    return parcels;
}

// The acts' crowded drawings: a field of about 15 ha that is one land-use area, whose number
// stands on the mean of the vertices where the area label is put, and a 12 m plot, which the
// field's 1:10000 draws 3 points across. Both lie far from the other parcels; they are found by
// their numbers.
inline constexpr const char *FieldNumber = "0008";
inline constexpr const char *PlotNumber = "0009";

inline void AddActParcels(model::ParcelList &parcels)
{
    const Coordinates field = {{20000, 19800}, {20190, 19810}, {20200, 20000},
                               {20180, 20190}, {19810, 20195}, {19800, 20000}};
    model::Parcel p = ParcelOf(QString::fromLatin1(FieldNumber), QStringLiteral("Гнатюк Степан Михайлович"), field);
    p.KZ = QStringLiteral("21");
    model::LandUseArea use;
    use.CN = QStringLiteral("1");
    use.Points = RingOf(field);
    p.LandUses.Add(use);
    parcels.Add(p);
    parcels.Add(ParcelOf(QString::fromLatin1(PlotNumber), QStringLiteral("Гнатюк Степан Михайлович"),
                         {{30000, 30000}, {30012, 30000}, {30012, 30012}, {30000, 30012}}));
    model::RunAreaPhase(parcels);
}

/// The index of the parcel numbered `number`; 0 when there is none.
inline int32_t IndexOfNumber(const model::ParcelList &parcels, const char *number)
{
    for (int32_t i = 1; i <= parcels.UBound(); ++i)
        if (parcels[i].Number == QLatin1String(number))
            return i;
    return 0;
}

/// The names a plan's title and description by neighbours print: the owner's, the address and
/// the three neighbours'.
struct Names {
    QString owner, address;
    QString neighbours[3];
};

/// Names as an office mostly writes them: each takes one line.
inline Names OrdinaryNames()
{
    return {QStringLiteral("Іваненко Іван Іванович"), QStringLiteral("вул. Садова, 12"),
            {QStringLiteral("Сидоренко Петро Андрійович"), QStringLiteral("Коваль Марія Степанівна"),
             QStringLiteral("Бондар Олег Васильович")}};
}

/// The longest names an office writes: the owner's fills two title lines and two lines of the
/// 6-zem row, the address makes the territory line three, and each neighbour's name takes two
/// lines of the description.
inline Names LongestNames()
{
    return {QString::fromUtf8(LongOwner), QStringLiteral("вул. Героїв Небесної Сотні, буд. 127-А, корп. 2"),
            {QStringLiteral("Товариство з обмеженою відповідальністю «Агрофірма Київщина-Агро-Інвест»"),
             QStringLiteral("Фермерське господарство «Золотий Колос» Олійника-Шевченка Святослава Володимировича"),
             QStringLiteral("Гончаренко-Мельничук Олександра-Вікторія Святославівна")}};
}

/// A parcel of the samples' size (50 by 26 m, drawn at 1:1000) with the longest names and three
/// neighbours. Parcel 1; its neighbours follow it.
inline model::ParcelList LongestNamesParcels()
{
    model::ParcelList parcels;
    const Coordinates ring = {{8000, 8000}, {8021, 7998.4}, {8050, 8000}, {8050.5, 8025.5}, {8021.4, 8023.9}, {8000.5, 8025.5}};
    const Names names = LongestNames();
    model::Parcel p = ParcelOf(QStringLiteral("0001"), names.owner, ring);
    p.AD = names.address;
    parcels.Add(p);
    const std::pair<double, double> centre{8025, 8012.7};
    const auto run = [&](int from, int to) { return Coordinates(ring.begin() + from, ring.begin() + to + 1); };
    parcels.Add(NeighbourOf(QStringLiteral("0002"), names.neighbours[0], run(0, 2), centre));
    parcels.Add(NeighbourOf(QStringLiteral("0003"), names.neighbours[1], run(2, 4), centre));
    parcels.Add(NeighbourOf(QStringLiteral("0004"), names.neighbours[2], run(4, 5), centre));
    model::RunAreaPhase(parcels);
    return parcels;
}

/// What a round parcel carries besides its boundary: by default a land use and three neighbours,
/// as a parcel of an exchange file mostly does; a parcel imported from a contour file has neither.
struct RoundParcelHas {
    bool landUse = true;
    int neighbours = 3; ///< 0 to 3
};

/// Adds a parcel of `n` vertices on a circle of 10 m around `centre` (drawn at 1:300) with
/// `names` and, as `has` says, one land use over the whole of it and a neighbour along each of the
/// first thirds of its boundary; returns its index. The neighbours follow it.
inline int32_t AddRoundParcelWithNeighbours(model::ParcelList &parcels, const QString &number, int n,
                                            std::pair<double, double> centre, const Names &names,
                                            RoundParcelHas has = {})
{
    const Coordinates ring = RoundRing(n, centre);
    model::Parcel p = ParcelOf(number, names.owner, ring);
    p.AD = names.address;
    if (has.landUse) {
        model::LandUseArea use;
        use.CN = QStringLiteral("35");
        use.Points = p.Points;
        p.LandUses.Add(use);
    }
    const int32_t index = parcels.Add(p);
    for (int k = 0; k < std::min(has.neighbours, 3); ++k) {
        const int from = k * n / 3, to = (k + 1) * n / 3;
        Coordinates shared(ring.begin() + from, ring.begin() + std::min(to, n - 1) + 1);
        parcels.Add(NeighbourOf(number + QString::number(k + 1), names.neighbours[k], shared, centre));
    }
    return index;
}

} // namespace layoutfixtures
