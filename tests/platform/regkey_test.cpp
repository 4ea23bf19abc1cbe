#include "platform/regkey.h"

#include "tests/support/fulldisk.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>
#include <iterator>

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

namespace {

QByteArray settingsBytes()
{
    QFile file(RegKey::FileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Points the settings at `dir` for the life of the object, and back at a folder of this test
// program alone after.
struct SettingsIn {
    explicit SettingsIn(const QString &dir) { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir); }
    ~SettingsIn() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, testsupport::tempDir()); }
};

const QString kFonts = QStringLiteral("Software\\VantaFonts\\Fnt");

} // namespace

// Every text a setting may hold comes back as it was written, whatever it holds, and a number
// stays a number; values written before by the settings library itself stay too.
TEST(RegKey, EveryTextComesBackAsWritten)
{
    SettingsIn settings(testsupport::tempDir());
    {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VantaFonts"), QStringLiteral("Fnt"));
        s.setValue(QStringLiteral("Other/Written by Qt"), QStringLiteral("a, b; c"));
        s.setValue(QStringLiteral("Other/List"), QStringList{QStringLiteral("x"), QStringLiteral(" y ")});
        s.setValue(QStringLiteral("General"), QStringLiteral("top"));
    }
    const QString texts[] = {
        QString(),
        QStringLiteral("Times New Roman"),
        QStringLiteral("/home/оператор/Документи/Плани 2024"),
        QStringLiteral("  blanks at both ends  "),
        QStringLiteral("a,b;c=d \"quoted\" \\back\\slash\\"),
        QStringLiteral("@Variant(not one)"),
        QStringLiteral("@@twice"),
        QStringLiteral("tab\tline\nreturn\rbell\a"),
        QString(QChar(0x01)) + QStringLiteral("1f") + QChar(0) + QStringLiteral("7"),
        QStringLiteral("Ґанок і ґудзик ’ «»"),
        QStringLiteral("[section]"),
        QStringLiteral(";comment"),
    };
    RegKey reg;
    for (size_t i = 0; i < std::size(texts); ++i)
        ASSERT_TRUE(reg.SetKeyValue(kFonts, QStringLiteral("Text%1").arg(i), texts[i], RegKey::RegSz));
    ASSERT_TRUE(reg.SetKeyValue(kFonts, QStringLiteral("Number"), -7, RegKey::RegDword));
    ASSERT_TRUE(reg.SetKeyValue(QStringLiteral("Software\\Інша тека"), QStringLiteral("Ключ з пропуском"),
                                QStringLiteral("значення"), RegKey::RegSz));

    for (size_t i = 0; i < std::size(texts); ++i) {
        const QVariant v = reg.QueryValue(kFonts, QStringLiteral("Text%1").arg(i));
        EXPECT_EQ(v.typeId(), QMetaType::QString) << i;
        EXPECT_EQ(v.toString(), texts[i]) << i;
    }
    EXPECT_EQ(reg.QueryValue(kFonts, QStringLiteral("Number")), QVariant(qint32(-7)));
    EXPECT_EQ(reg.QueryValue(QStringLiteral("Software\\Інша тека"), QStringLiteral("Ключ з пропуском")).toString(),
              QStringLiteral("значення"));
    // Read by the settings library as another program reads the file: a copy of it, which this
    // program has never read.
    const QString copy = testsupport::tempDir() + QStringLiteral("/copy.ini");
    ASSERT_TRUE(QFile::copy(RegKey::FileName(), copy));
    QSettings fresh(copy, QSettings::IniFormat);
    EXPECT_EQ(fresh.status(), QSettings::NoError);
    EXPECT_EQ(fresh.value(QStringLiteral("Other/Written by Qt")).toString(), QStringLiteral("a, b; c"));
    EXPECT_EQ(fresh.value(QStringLiteral("Other/List")).toStringList(), (QStringList{QStringLiteral("x"), QStringLiteral(" y ")}));
    EXPECT_EQ(fresh.value(QStringLiteral("General")).toString(), QStringLiteral("top"));
    for (size_t i = 0; i < std::size(texts); ++i)
        EXPECT_EQ(fresh.value(QStringLiteral("Software/VantaFonts/Fnt/Text%1").arg(i)).toString(), texts[i]) << i;
}

// A value written again at once, of the same length, is the one read back: a reader of the
// settings must not keep the text it read before.
TEST(RegKey, AValueWrittenAgainAtOnceIsReadBack)
{
    SettingsIn settings(testsupport::tempDir());
    RegKey reg;
    for (int i = 0; i < 50; ++i) {
        const QString text = QString::number(i % 10);
        ASSERT_TRUE(reg.SetKeyValue(kFonts, QStringLiteral("plnFSize"), text, RegKey::RegSz));
        ASSERT_EQ(reg.QueryValue(kFonts, QStringLiteral("plnFSize")).toString(), text);
    }
}

// With the disk full, or room for a page or two where the new file needs more, a write of any
// kind fails and says so, and the file is as it was, with no file of passing use left beside it.
TEST(RegKey, AWriteOnAFullDiskKeepsTheFileWhole)
{
    const struct {
        const char *name;
        qint64 room;
        int padding; // letters of a long value, so that the file takes several pages
    } rooms[] = {
        {"no room", 0, 0},
        {"one page for a file of two", 4096, 2500},
        {"two pages for a file of three", 8192, 5000},
    };
    for (const testsupport::FullDisk::Way way : testsupport::FullDisk::ways()) {
        for (const auto &room : rooms) {
            SCOPED_TRACE(testing::Message() << testsupport::FullDisk::name(way) << ", " << room.name);
            testsupport::FullDisk disk(way);
            SettingsIn settings(disk.dir());
            RegKey reg;
            reg.CreateNewKey(QStringLiteral("Software"), QStringLiteral("VantaFonts\\Fnt"));
            ASSERT_TRUE(reg.SetKeyValue(kFonts, QStringLiteral("plnFName"), QStringLiteral("Times New Roman"), RegKey::RegSz));
            ASSERT_TRUE(reg.SetKeyValue(QStringLiteral("Software\\VantaFonts\\Zova"), QStringLiteral("LastOutputFolder"),
                                        QStringLiteral("/home/оператор/") + QString(room.padding, QChar(u'т')),
                                        RegKey::RegSz));
            const QByteArray before = settingsBytes();
            const QStringList files = QDir(disk.dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            ASSERT_TRUE(RegKey::FileName().startsWith(disk.dir()));

            disk.fill(room.room);
            EXPECT_FALSE(reg.SetKeyValue(kFonts, QStringLiteral("plnFName"), QStringLiteral("DejaVu Sans"), RegKey::RegSz));
            EXPECT_FALSE(reg.SetKeyValue(kFonts, QStringLiteral("Count"), 3, RegKey::RegDword));
            EXPECT_FALSE(reg.CreateNewKey(QStringLiteral("Software"), QStringLiteral("VantaFonts\\New")));
            disk.release();

            EXPECT_EQ(settingsBytes(), before);
            EXPECT_EQ(QDir(disk.dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), files);
            EXPECT_EQ(reg.QueryValue(kFonts, QStringLiteral("plnFName")).toString(), QStringLiteral("Times New Roman"));
            EXPECT_FALSE(reg.KeyExists(QStringLiteral("Software\\VantaFonts\\New")));
            // With room again the same writes go through.
            EXPECT_TRUE(reg.SetKeyValue(kFonts, QStringLiteral("plnFName"), QStringLiteral("DejaVu Sans"), RegKey::RegSz));
            EXPECT_EQ(reg.QueryValue(kFonts, QStringLiteral("plnFName")).toString(), QStringLiteral("DejaVu Sans"));
        }
    }
}
