#include "platform/savefile.h"

#include "tests/support/fulldisk.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using testsupport::FullDisk;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// A file smaller than the write buffer reaches the disk only when the buffer is written out at the
// end; that last write failing must not put an empty file in place of the old one.
TEST(WriteFileWhole, AFullDiskKeepsTheOldFile)
{
    for (const FullDisk::Way way : FullDisk::ways()) {
        SCOPED_TRACE(FullDisk::name(way));
        FullDisk disk(way);
        const QString path = QDir(disk.dir()).filePath("file.txt");
        put(path, "old");
        disk.fill(0);
        QString error;
        EXPECT_FALSE(platform::WriteFileWhole(path, QByteArray(1000, 'n'), &error));
        EXPECT_FALSE(error.isEmpty());
        disk.release();
        EXPECT_EQ(contents(path), "old");
        EXPECT_EQ(QDir(disk.dir()).entryList(QDir::Files), QStringList{"file.txt"});
        EXPECT_TRUE(platform::WriteFileWhole(path, "new", &error));
        EXPECT_EQ(contents(path), "new");
    }
}

TEST(WriteFilesTogether, AllOrNone)
{
    const QString dir = testsupport::tempDir();
    const QString a = QDir(dir).filePath("a"), b = QDir(dir).filePath("missing/b");
    put(a, "old a");
    QString failed, error;
    EXPECT_FALSE(platform::WriteFilesTogether({{a, "new a"}, {b, "new b"}}, &failed, &error));
    EXPECT_EQ(failed, b);
    EXPECT_EQ(contents(a), "old a");
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{"a"});

    ASSERT_TRUE(QDir(dir).mkdir("missing"));
    EXPECT_TRUE(platform::WriteFilesTogether({{a, "new a"}, {b, "new b"}}, &failed, &error));
    EXPECT_EQ(contents(a), "new a");
    EXPECT_EQ(contents(b), "new b");
}
