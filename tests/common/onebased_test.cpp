#include "common/onebased.h"

#include <QStringList>

#include <gtest/gtest.h>

using zova::OneBased;

TEST(OneBased, StartsWithElementZeroOnly)
{
    OneBased<int> a;
    EXPECT_EQ(a.UBound(), 0);
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(a[0], 0);
    EXPECT_THROW(a[1], zova::Error);
    EXPECT_THROW(a.last(), zova::Error);
}

TEST(OneBased, AddReturnsTheNewIndexAndClearGoesBack)
{
    OneBased<QString> a;
    EXPECT_EQ(a.Add(QStringLiteral("a")), 1);
    EXPECT_EQ(a.Add(QStringLiteral("b")), 2);
    EXPECT_EQ(a.UBound(), 2);
    EXPECT_EQ(a[2], QStringLiteral("b"));
    EXPECT_THROW(a[3], zova::Error);
    EXPECT_THROW(a[-1], zova::Error);
    QStringList seen;
    for (const QString &s : a)
        seen << s;
    EXPECT_EQ(seen, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    a.Clear();
    EXPECT_EQ(a.UBound(), 0);
    a.Resize(3);
    EXPECT_EQ(a.UBound(), 3);
    EXPECT_TRUE(a[3].isEmpty());
}
