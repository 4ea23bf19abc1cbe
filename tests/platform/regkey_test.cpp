#include "platform/regkey.h"

#include <gtest/gtest.h>

using platform::RegKey;

TEST(RegKey, TextAndNumberValuesRoundTrip)
{
    RegKey reg;
    const QString key = QStringLiteral("Software\\VantaFonts\\TestKey");
    EXPECT_FALSE(reg.QueryValue(key, QStringLiteral("missing")).isValid());
    reg.CreateNewKey(QStringLiteral("Software"), QStringLiteral("VantaFonts\\TestKey"));
    EXPECT_TRUE(reg.KeyExists(key));
    EXPECT_TRUE(reg.SetKeyValue(key, QStringLiteral("plnFName"), QStringLiteral("Times New Roman"), RegKey::RegSz));
    EXPECT_TRUE(reg.SetKeyValue(key, QStringLiteral("Count"), 42, RegKey::RegDword));
    EXPECT_FALSE(reg.SetKeyValue(key, QStringLiteral("Bad"), 1, 3));
    EXPECT_EQ(reg.QueryValue(key, QStringLiteral("plnFName")).toString(), QStringLiteral("Times New Roman"));
    const QVariant n = reg.QueryValue(key, QStringLiteral("Count"));
    EXPECT_EQ(n.typeId(), QMetaType::Int);
    EXPECT_EQ(n.toInt(), 42);
    // A text value that looks like a number stays text.
    reg.SetKeyValue(key, QStringLiteral("plnFSize"), QStringLiteral("8"), RegKey::RegSz);
    EXPECT_EQ(reg.QueryValue(key, QStringLiteral("plnFSize")).typeId(), QMetaType::QString);
}
