// The object model: the factory, new objects, the colour helpers, SelectedColor and the 1-based
// collections.
#include "drawtestsupport.h"

using namespace draw;
using drawtest::errorOf;

TEST(DrawFactory, CreatesEachClassByProgIdOrClassIdAndNothingForOtherNames)
{
    EXPECT_TRUE(Create<Draw>(QStringLiteral("Lumivec.Draw")));
    EXPECT_TRUE(Create<DrawObjColl>(QStringLiteral("Lumivec.DrawObjColl")));
    EXPECT_TRUE(Create<PointR>(QStringLiteral("Lumivec.PointR")));
    EXPECT_TRUE(Create<PointRColl>(QStringLiteral("Lumivec.PointRColl")));
    EXPECT_TRUE(Create<PointP>(QStringLiteral("Lumivec.PointP")));
    EXPECT_TRUE(Create<PointPColl>(QStringLiteral("Lumivec.PointPColl")));
    EXPECT_TRUE(Create<MColor>(QStringLiteral("Lumivec.MColor")));
    EXPECT_TRUE(Create<DrawObjColl>(QStringLiteral("lumivec.drawobjcoll")));
    EXPECT_TRUE(Create<DrawObjColl>(QStringLiteral("{4DDA3477-4E84-4867-A3E0-3490BDF48779}")));

    for (const char *name : {"Lumivec.Pict", "DrawObjColl", "", "Lumivec.DrawObjColl "})
        EXPECT_FALSE(CreateObject(QString::fromLatin1(name))) << name;
    // A known name of another class does not pass for the one asked for.
    EXPECT_FALSE(Create<DrawObjColl>(QStringLiteral("Lumivec.Draw")));
}

TEST(DrawObject, NewObjectsHoldZerosAndNoReferences)
{
    auto d = Create<Draw>(QStringLiteral("Lumivec.Draw"));
    EXPECT_EQ(d->ObjId(), 0);
    EXPECT_EQ(d->RegId(), 0);
    EXPECT_EQ(d->BorderColors(), 0);
    EXPECT_EQ(d->FillColor(), 0);
    EXPECT_EQ(d->PointFillColor(), 0);
    EXPECT_EQ(d->PointBorderColor(), 0);
    EXPECT_TRUE(d->SelectedColor().isEmpty());
    EXPECT_FALSE(d->pointsR());
    EXPECT_FALSE(d->pointsP());

    auto p = Create<PointR>(QStringLiteral("Lumivec.PointR"));
    EXPECT_EQ(p->X(), 0);
    EXPECT_EQ(p->Y(), 0);

    // A Draw made by the collection comes with two empty point collections of its own.
    auto coll = Create<DrawObjColl>(QStringLiteral("Lumivec.DrawObjColl"));
    EXPECT_EQ(coll->Count(), 0);
    auto added = coll->Add();
    ASSERT_TRUE(added->pointsR());
    ASSERT_TRUE(added->pointsP());
    EXPECT_EQ(added->pointsR()->Count(), 0);
    EXPECT_EQ(added->pointsP()->Count(), 0);
    EXPECT_NE(coll->Add()->pointsR(), added->pointsR());
}

TEST(DrawObject, SetFillColorComposesRgbAndStoresNothing)
{
    struct Case {
        int16_t r, g, b;
        int32_t rgb;
    };
    const Case cases[] = {
        {142, 193, 241, 15843726}, {97, 233, 196, 12904801}, {255, 255, 255, 16777215},
        {0, 0, 0, 0},              {-1, 0, 0, -1},           {0, 0, 32767, 2147418112},
    };
    auto d = Create<Draw>(QStringLiteral("Lumivec.Draw"));
    for (const Case &c : cases)
        EXPECT_EQ(d->SetFillColor(c.r, c.g, c.b), c.rgb) << c.r << "," << c.g << "," << c.b;
    EXPECT_EQ(d->FillColor(), 0);
    EXPECT_EQ(d->PointFillColor(), 0);
    EXPECT_EQ(errorOf([&] { d->SetFillColor(32767, 32767, 32767); }), Overflow);
}

TEST(DrawObject, SetBorderColorReturnsTheIndexAndStoresNothing)
{
    auto d = Create<Draw>(QStringLiteral("Lumivec.Draw"));
    d->BorderColors(7);
    EXPECT_EQ(d->SetBorderColor(Red), 4);
    EXPECT_EQ(d->SetBorderColor(Bright_White), 15);
    EXPECT_EQ(d->SetBorderColor(static_cast<PoligonBorderColor>(255)), 255);
    EXPECT_EQ(d->BorderColors(), 7);
    EXPECT_EQ(d->PointBorderColor(), 0);
    EXPECT_EQ(errorOf([&] { d->SetBorderColor(static_cast<PoligonBorderColor>(256)); }), Overflow);
    EXPECT_EQ(errorOf([&] { d->SetBorderColor(static_cast<PoligonBorderColor>(-1)); }), Overflow);
}

TEST(DrawObject, SelectedColorKeepsAValueOrTheSameObject)
{
    auto d = Create<Draw>(QStringLiteral("Lumivec.Draw"));
    d->SelectedColor(QVariant(255));
    EXPECT_FALSE(d->SelectedColor().isObject());
    EXPECT_EQ(d->SelectedColor().value().toInt(), 255);

    auto marker = CreateObject(QStringLiteral("Lumivec.MColor"));
    d->SelectedColorObject(marker);
    EXPECT_TRUE(d->SelectedColor().isObject());
    EXPECT_EQ(d->SelectedColor().object(), marker);
}

// The three collections behave alike; each row adds an element by its own Add and tells it apart.
template <typename Coll>
struct CollectionKind;

template <>
struct CollectionKind<DrawObjColl> {
    static constexpr const char *progId = "Lumivec.DrawObjColl";
    static void add(DrawObjColl &c, int tag) { c.Add()->ObjId(tag); }
    static int tagOf(const std::shared_ptr<Draw> &d) { return d->ObjId(); }
};
template <>
struct CollectionKind<PointRColl> {
    static constexpr const char *progId = "Lumivec.PointRColl";
    static void add(PointRColl &c, int tag) { c.Add(tag, -tag); }
    static int tagOf(const std::shared_ptr<PointR> &p)
    {
        EXPECT_EQ(p->Y(), -p->X());
        return static_cast<int>(p->X());
    }
};
template <>
struct CollectionKind<PointPColl> {
    static constexpr const char *progId = "Lumivec.PointPColl";
    static void add(PointPColl &c, int tag) { c.Add(tag, -tag); }
    static int tagOf(const std::shared_ptr<PointP> &p)
    {
        EXPECT_EQ(p->Y(), -p->X());
        return p->X();
    }
};

template <typename Coll>
class OneBasedCollection : public ::testing::Test {
};
using CollectionTypes = ::testing::Types<DrawObjColl, PointRColl, PointPColl>;
TYPED_TEST_SUITE(OneBasedCollection, CollectionTypes);

TYPED_TEST(OneBasedCollection, PositionsRunFromOneAndOthersFailWithFive)
{
    using K = CollectionKind<TypeParam>;
    auto coll = Create<TypeParam>(QString::fromLatin1(K::progId));
    ASSERT_TRUE(coll);
    EXPECT_EQ(coll->Count(), 0);
    EXPECT_EQ(errorOf([&] { coll->Item(1); }), InvalidCall);
    for (int tag : {10, 20, 30})
        K::add(*coll, tag);
    EXPECT_EQ(coll->Count(), 3);
    EXPECT_EQ(K::tagOf(coll->Item(1)), 10);
    EXPECT_EQ(K::tagOf(coll->Item(3)), 30);
    EXPECT_EQ(K::tagOf(coll->Item(2.0)), 20);

    const QVariant misses[] = {QVariant(0), QVariant(4), QVariant(-1), QVariant(QStringLiteral("1")), QVariant()};
    for (const QVariant &v : misses) {
        EXPECT_EQ(errorOf([&] { coll->Item(v); }), InvalidCall) << v.toString().toStdString();
        EXPECT_EQ(errorOf([&] { coll->Remove(v); }), InvalidCall) << v.toString().toStdString();
    }

    coll->Remove(2);
    std::vector<int> order;
    for (const auto &e : coll->NewEnum())
        order.push_back(K::tagOf(e));
    EXPECT_EQ(order, (std::vector<int>{10, 30}));
}

TEST(DrawObjColl, KeepsItsOwnReferenceToWhatAddReturned)
{
    auto coll = Create<DrawObjColl>(QStringLiteral("Lumivec.DrawObjColl"));
    std::weak_ptr<Draw> weak;
    {
        auto d = coll->Add();
        d->ObjId(7);
        weak = d;
        auto p = d->pointsR()->Add(1.5, 2.5);
        p->X(3.5); // a point is a reference: changing it changes the collection's element
    }
    EXPECT_FALSE(weak.expired());
    EXPECT_EQ(coll->Item(1)->ObjId(), 7);
    EXPECT_EQ(coll->Item(1)->pointsR()->Item(1)->X(), 3.5);
    EXPECT_EQ(coll->Item(1)->pointsR()->Item(1)->Y(), 2.5);
    coll.reset();
    EXPECT_TRUE(weak.expired());
}
