// Fitting real coordinates to the window, through DrawPict on an image window.
#include "drawtestsupport.h"

using namespace draw;
using namespace drawtest;

namespace {

using Points = std::vector<std::pair<int, int>>;

const Polygon square = {{100, 200}, {100, 300}, {200, 300}, {200, 200}};
const Polygon rectangle = {{5000, 1000}, {5000, 1300}, {5100, 1300}, {5100, 1000}};
const Polygon inner = {{5020, 1100}, {5020, 1200}, {5080, 1200}, {5080, 1100}};

struct FitCase {
    const char *name;
    int width, height;
    std::vector<Polygon> polygons;
    std::vector<Points> expected; // window points of each object
};

class FitPoints : public ::testing::TestWithParam<FitCase> {
};

} // namespace

TEST_P(FitPoints, GivesTheWindowPointsToThePixel)
{
    const FitCase &c = GetParam();
    auto coll = collection(c.polygons);
    ImageWindow window(c.width, c.height);
    EXPECT_FALSE(coll->DrawPict(window, false));
    for (size_t i = 0; i < c.expected.size(); ++i)
        EXPECT_EQ(windowPoints(coll->Item(int(i + 1))), c.expected[i]) << "object " << i + 1;

    // Drawing the collection again gives the same picture, not points appended to the old ones.
    coll->DrawPict(window, false);
    for (size_t i = 0; i < c.expected.size(); ++i)
        EXPECT_EQ(windowPoints(coll->Item(int(i + 1))), c.expected[i]) << "again, object " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Draw, FitPoints,
    ::testing::Values(
        FitCase{"Square", 425, 425, {square}, {{{12, 412}, {412, 412}, {412, 12}, {12, 12}}}},
        FitCase{"WideRectangle", 425, 225, {rectangle}, {{{12, 180}, {412, 180}, {412, 46}, {12, 46}}}},
        FitCase{"RectangleWithInnerArea",
                425,
                225,
                {rectangle, inner},
                {{{12, 180}, {412, 180}, {412, 46}, {12, 46}}, {{146, 152}, {280, 152}, {280, 72}, {146, 72}}}},
        // An object without points between the others takes no part and stays without points.
        FitCase{"EmptyObjectBetween",
                425,
                225,
                {rectangle, {}, inner},
                {{{12, 180}, {412, 180}, {412, 46}, {12, 46}}, {}, {{146, 152}, {280, 152}, {280, 72}, {146, 72}}}},
        // A horizontal margin of exactly 15 keeps the shifted position on that axis.
        FitCase{"MarginOfFifteen", 430, 425, {square}, {{{30, 412}, {430, 412}, {430, 12}, {30, 12}}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FitPointsFailure, FailsWithItsNumberAndStoresNoWindowPoint)
{
    struct Case {
        const char *name;
        std::vector<Polygon> polygons;
        int error;
    };
    const Case cases[] = {
        {"no objects", {}, InvalidCall},
        {"first object without points", {{}, square}, InvalidCall},
        {"one point", {{{100, 200}}}, DivisionByZero},
        {"equal northing", {{{100, 200}, {100, 300}}}, DivisionByZero},
        {"equal easting", {{{100, 200}, {150, 200}}}, DivisionByZero},
        {"scale beyond 32 bits", {{{0, 0}, {1e-9, 1e-9}}}, Overflow},
    };
    for (const Case &c : cases) {
        auto coll = collection(c.polygons);
        RecordingWindow window(100, 100);
        EXPECT_EQ(errorOf([&] { coll->DrawPict(window, true); }), c.error) << c.name;
        for (const auto &d : coll->NewEnum())
            EXPECT_EQ(d->pointsP()->Count(), 0) << c.name;
        EXPECT_EQ(window.clears, 0) << c.name;
    }
}

namespace {

// A caller's own point collections: the library reaches them only through their interfaces.
template <typename Interface, typename Point, typename Coordinate>
class Forwarding : public Interface {
public:
    explicit Forwarding(const char *progId) : m_inner(Create<Interface>(QString::fromLatin1(progId))) {}
    std::shared_ptr<Point> Add(Coordinate X, Coordinate Y) override { return m_inner->Add(X, Y); }
    std::shared_ptr<Point> Item(const QVariant &v) const override { return m_inner->Item(v); }
    int32_t Count() const override { return m_inner->Count(); }
    void Remove(const QVariant &v) override { m_inner->Remove(v); }
    std::vector<std::shared_ptr<Point>> NewEnum() const override { return m_inner->NewEnum(); }

private:
    std::shared_ptr<Interface> m_inner;
};

} // namespace

TEST(FitPointsCollections, WorksThroughACallersOwnCollectionsAndFailsWithoutOne)
{
    auto coll = Create<DrawObjColl>(QStringLiteral("Lumivec.DrawObjColl"));
    auto d = coll->Add();
    d->pointsR(std::make_shared<Forwarding<PointRColl, PointR, double>>("Lumivec.PointRColl"));
    d->pointsP(std::make_shared<Forwarding<PointPColl, PointP, int32_t>>("Lumivec.PointPColl"));
    for (const XY &p : square)
        d->pointsR()->Add(p.X, p.Y);
    d->pointsP()->Add(1, 1); // left from before: the fit replaces it
    ImageWindow window(425, 425);
    coll->DrawPict(window, true);
    EXPECT_EQ(windowPoints(d), (Points{{12, 412}, {412, 412}, {412, 12}, {12, 12}}));
    EXPECT_EQ(window.pixel(200, 200), Window::colorOf(0));

    d->pointsP(nullptr);
    EXPECT_EQ(errorOf([&] { coll->DrawPict(window, false); }), ObjectNotSet);
    d->pointsR(nullptr);
    EXPECT_EQ(errorOf([&] { coll->DrawPict(window, false); }), ObjectNotSet);
}
