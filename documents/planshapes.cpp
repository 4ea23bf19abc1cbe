#include "documents/planshapes.h"

#include "common/error.h"
#include "common/numbers.h"
#include "documents/docoptions.h"
#include "documents/boundaryneighbours.h"
#include "documents/nearparcels.h"
#include "documents/neighbourtext.h"
#include "documents/state.h"
#include "model/state.h"
#include "documents/placement.h"
#include "documents/sides.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace documents {

namespace {

/// Word's arrowhead numbers used by the drawing.
constexpr int ArrowNone = 1, ArrowStealth = 4;
constexpr int ArrowShort = 1, ArrowNarrow = 1, ArrowWide = 3;

/// The names one kind of label is gathered under: the first label, each label just added, and
/// the prefix of the growing group.
struct LabelNames {
    const char *first;
    const char *added;
    const char *group;
};
constexpr LabelNames LengthLabels{"sLm", "sLmNew", "MyLm "};
constexpr LabelNames NumberLabels{"sPm", "sPmNew", "MyPm "};
constexpr LabelNames LetterLabels{"sSm", "sSmNew", "MySm "};

class PlanDrawing {
public:
    PlanDrawing(office::Document &doc, const DrawOptions &options, const QString &groupName)
        : m_doc(doc), m_options(options), m_groupName(groupName)
    {
    }

    /// A line styled with the given dash style and weight and the arrowheads' widths and end style.
    office::Shape line(const QPointF &a, const QPointF &b, int dash, double weight, int width, int endStyle)
    {
        cover(QRectF(a, b).normalized().adjusted(-weight / 2, -weight / 2, weight / 2, weight / 2));
        office::Shape s = m_doc.AddLine(a.x(), a.y(), b.x(), b.y());
        s.SetBeginArrowhead(ArrowNone, ArrowShort, width);
        s.SetEndArrowhead(endStyle, ArrowShort, width);
        s.SetDashStyle(dash);
        s.SetWeight(weight);
        return s;
    }

    /// The first shape of the drawing takes the group's name; every later one joins the group.
    void join(office::Shape shape)
    {
        if (!m_started) {
            shape.SetName(m_groupName);
            m_group = shape;
            m_started = true;
            return;
        }
        shape.SetName(QStringLiteral("new"));
        office::Shape group = m_doc.Group({m_groupName, QStringLiteral("new")});
        group.SetName(m_groupName);
        m_group = group;
    }

    office::Shape label(double left, double top, double width, double height, double size, bool bold,
                        const QString &text)
    {
        const QRectF ink = LabelText(left, top, width, size, bold, text);
        cover(ink);
        m_texts.push_back(ink);
        office::Shape box = m_doc.AddTextBox(left, top, width, height);
        box.SetFontSize(size);
        if (bold)
            box.SetBold(true);
        box.SetAlignment(1);
        box.SetNoSpacing();
        box.SetText(text);
        return box;
    }

    /// With GroupMode, gathers label number `c` of a kind into that kind's one group, named after
    /// the count of labels it holds plus one.
    void groupLabel(office::Shape box, const LabelNames &names, int c)
    {
        if (!m_options.GroupMode)
            return;
        const QString first = QString::fromLatin1(names.first);
        const QString added = QString::fromLatin1(names.added);
        const QString prefix = QString::fromLatin1(names.group);
        if (c <= 1) {
            box.SetName(first);
            return;
        }
        box.SetName(added);
        const QString previous = c == 2 ? first : prefix + QString::number(c);
        m_doc.Group({previous, added}).SetName(prefix + QString::number(c + 1));
    }

    office::Shape group() const { return *m_group; }
    /// What the drawing covers so far, page points.
    QRectF extent() const { return m_extent; }
    void cover(const QRectF &r) { m_extent = m_extent.isNull() ? r : m_extent.united(r); }
    /// A mark of the drawing that a later label is to keep off: a vertex circle, page points.
    void mark(const QRectF &r)
    {
        cover(r);
        m_texts.push_back(r);
    }
    /// A line of the drawing that a later label is to keep off: a side, a stub.
    void trace(const QLineF &l) { m_lines.push_back(l); }
    /// The text of every label and every mark so far, and the lines traced.
    const std::vector<QRectF> &texts() const { return m_texts; }
    const std::vector<QLineF> &lines() const { return m_lines; }

private:
    office::Document &m_doc;
    const DrawOptions &m_options;
    QString m_groupName;
    std::optional<office::Shape> m_group;
    bool m_started = false;
    QRectF m_extent;
    std::vector<QRectF> m_texts;
    std::vector<QLineF> m_lines;
};

QPointF pageOf(const DocPoint &p) { return {p.PageX, p.PageY}; }
QPointF branchOf(const DocPoint &p) { return {p.BranchPageX, p.BranchPageY}; }

/// Where a neighbour letter goes beside the end of its stub, by the stub's direction class.
QPointF letterPosition(const DocPoint &p)
{
    switch (p.BranchQuadrant) {
    case 1: return {p.BranchPageX + 2, p.BranchPageY + 2};
    case 2: return {p.BranchPageX - 18, p.BranchPageY - 10};
    case 3: return {p.BranchPageX - 20, p.BranchPageY - 20};
    case 4: return {p.BranchPageX + 2, p.BranchPageY - 20};
    default: return {p.BranchPageX, p.BranchPageY};
    }
}

} // namespace

NearParcelSearch::NearParcelSearch() = default;
NearParcelSearch::~NearParcelSearch() = default;

void NearParcelSearch::collect(DocParcel &parcel, int32_t parcelIndex)
{
    model::ParcelList &parcels = model::state().Parcels;
    if (!m_builder)
        m_builder = std::make_unique<BoundaryNeighbourBuilder>(parcels);
    CollectNearParcels(*m_builder, parcels, parcel, state().NearParcels, state().Neighbours, parcelIndex);
}

DrawOptions DrawOptionsOf(const PlanOptions &plan)
{
    const DocOptions &lines = options();
    DrawOptions d;
    d.ShowLengths = plan.ShowLengths;
    d.ShowPointNumbers = plan.ShowPointNumbers;
    d.ShowNeighbours = plan.ShowNeighbours;
    d.ShowLandUse = plan.ShowLandUse;
    d.GroupMode = plan.GroupMode;
    d.ParcelLineType = lines.ParcelLineType;
    d.AreaLineType = lines.AreaLineType;
    d.ParcelLineWidth = lines.ParcelLineWidth;
    d.AreaLineWidth = lines.AreaLineWidth;
    return d;
}

QRectF LabelText(double left, double top, double width, double size, bool bold, const QString &text)
{
    // Text boxes keep Word's insets (3.6 pt above the text) and centre each line; glyph widths
    // are taken generously: digits half an em, points and blanks a quarter, letters more.
    const QStringList lines = text.split(QLatin1Char('\r'));
    double widest = 0;
    for (const QString &line : lines) {
        double w = 0;
        for (const QChar ch : line)
            w += size * (ch.isDigit() ? 0.5 : ch.isSpace() || ch == QLatin1Char('.') || ch == QLatin1Char(',') ? 0.25
                                                                                                          : bold ? 0.75 : 0.6);
        widest = std::max(widest, w);
    }
    return QRectF(left + width / 2 - widest / 2, top + 3.6, widest, size * 1.2 * lines.size());
}

namespace {

/// Room kept between a moved label's text and what it keeps clear of, points.
constexpr double LabelClearance = 1.5;

bool crosses(const QLineF &line, const QRectF &r)
{
    if (r.contains(line.p1()) || r.contains(line.p2()))
        return true;
    const QLineF edges[] = {{r.topLeft(), r.topRight()}, {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()}, {r.bottomLeft(), r.topLeft()}};
    for (const QLineF &e : edges)
        if (line.intersects(e) == QLineF::BoundedIntersection)
            return true;
    return false;
}

} // namespace

std::optional<QRectF> ClearLabelBox(const QRectF &box, double size, const QString &text,
                                    const std::vector<QRectF> &taken, const std::vector<QLineF> &lines,
                                    const QRectF &region)
{
    const QRectF ink = LabelText(box.left(), box.top(), box.width(), size, false, text);
    const auto clearOf = [&](const QPointF &shift, bool ofLines) {
        const QRectF r = ink.translated(shift).adjusted(-LabelClearance, -LabelClearance, LabelClearance, LabelClearance);
        if (std::any_of(taken.begin(), taken.end(), [&](const QRectF &t) { return t.intersects(r); }))
            return false;
        return !ofLines || std::none_of(lines.begin(), lines.end(), [&](const QLineF &l) { return crosses(l, r); });
    };
    if (clearOf({0, 0}, true))
        return box;

    // The shifts that keep the text inside the region (and within reach), nearest first.
    constexpr double Step = 2, Reach = 400;
    const QRectF near = ink.adjusted(-Reach, -Reach, Reach, Reach);
    const QRectF room = region.isEmpty() ? near : region.intersected(near);
    const int fromX = int(std::ceil((room.left() - ink.left()) / Step)), toX = int(std::floor((room.right() - ink.right()) / Step));
    const int fromY = int(std::ceil((room.top() - ink.top()) / Step)), toY = int(std::floor((room.bottom() - ink.bottom()) / Step));
    std::vector<QPointF> shifts;
    for (int i = fromX; i <= toX; ++i)
        for (int j = fromY; j <= toY; ++j)
            shifts.emplace_back(i * Step, j * Step);
    std::stable_sort(shifts.begin(), shifts.end(), [](const QPointF &a, const QPointF &b) {
        return QPointF::dotProduct(a, a) < QPointF::dotProduct(b, b);
    });
    for (const bool ofLines : {true, false})
        for (const QPointF &shift : shifts)
            if (clearOf(shift, ofLines))
                return box.translated(shift);
    return std::nullopt;
}

QPointF SideLabelOffset(double dir, bool closing)
{
    if (!(dir >= 0 && dir < 360))
        return {0, 0};
    static const QPointF ordinary[8] = {{-20, -5}, {-10, -10}, {10, -10}, {25, -5},
                                        {20, 10},  {20, 5},    {-10, 15}, {-20, 10}};
    static const QPointF last[8] = {{-20, -5}, {-10, -10}, {10, -10}, {20, -5},
                                    {20, 10},  {-5, 20},   {-10, 15}, {-20, 10}};
    const int octant = std::min(7, static_cast<int>(dir / 45));
    return closing ? last[octant] : ordinary[octant];
}

office::Shape DrawParcelShapes(office::Document &doc, DocParcel &parcel, double centreX, double centreY,
                               int32_t &scale, bool autoScale, uint8_t groupNumber, const DrawOptions &options,
                               platform::ProgressSink &step, NearParcelSearch *search)
{
    const int n = parcel.Points.UBound();
    if (n < 3)
        throw zova::Error(QStringLiteral("Ділянка має менше трьох точок межі, її не можна накреслити"));

    if (search)
        search->collect(parcel, parcel.ParcelIndex);
    else
        CollectNearParcels(parcel, parcel.ParcelIndex);
    step.setValue(5);
    PlaceParcel(parcel, centreX, centreY, scale, autoScale);
    CheckPlaceable(parcel, options.ShowLandUse);
    // Step 6 is the measuring of the extents, which only the automatic scale does.
    for (int k = autoScale ? 6 : 7; k <= 11; ++k)
        step.setValue(k);

    SideList sides;
    for (const DocPoint &p : parcel.Points) {
        SideRec r;
        r.X = p.X;
        r.Y = p.Y;
        sides.Add(r);
    }
    ComputeSides(sides);
    // The lengths go with the vertices as drawn, so they are taken here rather than from the side
    // list, which drops a closing vertex that repeats the first.
    zova::OneBased<double> lengths;
    for (int i = 1; i <= n; ++i) {
        const DocPoint &a = parcel.Points[i];
        const DocPoint &b = parcel.Points[i < n ? i + 1 : 1];
        lengths.Add(std::hypot(b.X - a.X, a.Y - b.Y));
    }
    const auto dirOf = [&](int i) { return i <= sides.UBound() ? sides[i].Dir : -1.0; };
    step.setValue(12);

    PlanDrawing drawing(doc, options, groupNumber == 1 ? QStringLiteral("main") : QStringLiteral("main1"));
    const auto parcelLine = [&](const QPointF &a, const QPointF &b) {
        drawing.trace(QLineF(a, b));
        drawing.join(drawing.line(a, b, options.ParcelLineType, options.ParcelLineWidth, ArrowNarrow, ArrowNone));
    };
    for (int i = 1; i < n; ++i)
        parcelLine(pageOf(parcel.Points[i]), pageOf(parcel.Points[i + 1]));
    parcelLine(pageOf(parcel.Points[n]), pageOf(parcel.Points[1]));

    step.setValue(13);
    double sumX = 0, sumY = 0;
    for (const DocPoint &p : parcel.Points) {
        sumX += p.PageX;
        sumY += p.PageY;
        drawing.mark(QRectF(p.PageX - 2, p.PageY - 2, 4, 4));
        office::Shape circle = doc.AddOval(p.PageX - 1.5, p.PageY - 1.5, 3, 3);
        circle.SetWeight(0.75);
        drawing.join(circle);
    }
    parcel.PageSumX = sumX / n;
    parcel.PageSumY = sumY / n;

    if (options.ShowLandUse) {
        for (int a = 1; a <= parcel.Items.UBound(); ++a) {
            const DocItem &item = parcel.Items[a];
            const int m = item.Points.UBound();
            if (m < 2)
                continue; // an area without an outline has nothing to draw or to number
            for (int p = 1; p < m; ++p)
                drawing.join(drawing.line(pageOf(item.Points[p]), pageOf(item.Points[p + 1]), options.AreaLineType,
                                          options.AreaLineWidth, ArrowNarrow, ArrowNone));
            step.setValue(14);
            drawing.join(drawing.line(pageOf(item.Points[m]), pageOf(item.Points[1]), options.AreaLineType,
                                      options.AreaLineWidth, ArrowWide, ArrowNone));
            drawing.label(item.CentreX - 25, item.CentreY - 10, 40, 20, 10, false,
                          QLatin1Char(' ') + QString::number(a));
        }
    }

    step.setValue(15);
    if (options.ShowNeighbours) {
        // The letters are those of the boundary description, so the plan and its neighbour table
        // name the same points; a stub where no described run begins carries no letter.
        int count = 0;
        for (const DocPoint &p : parcel.Points) {
            if (p.HasBranch) {
                drawing.trace(QLineF(pageOf(p), branchOf(p)));
                drawing.join(drawing.line(pageOf(p), branchOf(p), options.ParcelLineType, options.ParcelLineWidth,
                                          ArrowNarrow, ArrowStealth));
            }
            if (p.Letter.isEmpty())
                continue;
            const QPointF at = p.HasBranch ? letterPosition(p) : QPointF(p.PageX + 2, p.PageY + 2);
            office::Shape box = drawing.label(at.x(), at.y(), 22, 32, 10, true, p.Letter);
            drawing.groupLabel(box, LetterLabels, ++count);
        }
    }

    step.setValue(16);
    if (options.ShowLengths) {
        for (int i = 1; i <= n; ++i) {
            const DocPoint &a = parcel.Points[i];
            const DocPoint &b = parcel.Points[i < n ? i + 1 : 1];
            const QPointF offset = SideLabelOffset(dirOf(i), i == n);
            const double midX = (a.PageX + b.PageX) / 2;
            const double midY = (a.PageY + b.PageY) / 2;
            office::Shape box = drawing.label(midX - 25 + offset.x(), midY - 10 + offset.y(), 40, 20, 8, false,
                                              zova::Format2(lengths[i]));
            drawing.groupLabel(box, LengthLabels, i);
        }
    }

    step.setValue(17);
    if (options.ShowPointNumbers) {
        for (int i = 1; i <= n; ++i) {
            const DocPoint &p = parcel.Points[i];
            office::Shape box = drawing.label(p.PageX - 25, p.PageY - 10, 40, 20, 8, false,
                                              QLatin1Char(' ') + QString::number(i));
            drawing.groupLabel(box, NumberLabels, i);
        }
    }

    state().DrawExtent = drawing.extent();
    state().DrawTexts = drawing.texts();
    state().DrawLines = drawing.lines();
    step.setValue(18);
    return drawing.group();
}

} // namespace documents
