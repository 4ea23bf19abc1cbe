#include "platform/savefile.h"

#include "tests/support/fulldisk.h"
#include "tests/support/lockedfiles.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

TEST(WriteFileWhole, AFileThatCannotBeWrittenStaysAndTheReasonIsTheSystemsInUkrainian)
{
    ASSERT_FALSE(testsupport::LockedFile::ways().empty());
    for (const testsupport::LockedFile::Way way : testsupport::LockedFile::ways()) {
        SCOPED_TRACE(testsupport::LockedFile::name(way));
        testsupport::LockedFile locked(way, QStringLiteral("file.txt"), "old");
        QString error;
        EXPECT_FALSE(platform::WriteFileWhole(locked.path(), "new", &error));
        EXPECT_EQ(error, locked.reason());
        EXPECT_EQ(contents(locked.path()), "old");
        QString failed;
        EXPECT_FALSE(platform::WriteFilesTogether({{locked.path(), "new"}}, &failed, &error));
        EXPECT_EQ(error, locked.reason());
    }
}

TEST(WriteNewFile, NeverTakesTheNameOfAFile)
{
    const QDir dir(testsupport::tempDir() + QStringLiteral("/new files"));
    ASSERT_TRUE(dir.mkpath(QStringLiteral(".")));
    put(dir.filePath("Список 1.docx"), "old");
    QString error;
    EXPECT_EQ(platform::WriteNewFile(dir.filePath("Список 1.docx"), "first", &error), dir.filePath("Список 1_2.docx"));
    EXPECT_EQ(platform::WriteNewFile(dir.filePath("Список 1.docx"), "second", &error), dir.filePath("Список 1_3.docx"));
    EXPECT_EQ(platform::WriteNewFile(dir.filePath("note"), "free", &error), dir.filePath("note"));
    EXPECT_EQ(contents(dir.filePath("Список 1.docx")), "old");
    EXPECT_EQ(contents(dir.filePath("Список 1_2.docx")), "first");
    EXPECT_EQ(contents(dir.filePath("Список 1_3.docx")), "second");
    EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden).size(), 4); // no passing file left
    // Made as any new file is, for the others in the office to read.
    EXPECT_EQ(QFileInfo(dir.filePath("note")).permissions(), QFileInfo(dir.filePath("Список 1.docx")).permissions());

    EXPECT_TRUE(platform::WriteNewFile(dir.filePath("missing/a.docx"), "x", &error).isEmpty());
    EXPECT_EQ(error, QStringLiteral("немає такого файлу або теки"));
}
