#include "platform/savefile.h"

#include "tests/support/fulldisk.h"
#include "tests/support/lockedfiles.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

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
    EXPECT_EQ(platform::WriteNewFile(dir.filePath("Список 1.docx"), "first", &error), dir.filePath("Список 1 (2).docx"));
    EXPECT_EQ(platform::WriteNewFile(dir.filePath("Список 1.docx"), "second", &error), dir.filePath("Список 1 (3).docx"));
    EXPECT_EQ(platform::WriteNewFile(dir.filePath("note"), "free", &error), dir.filePath("note"));
    EXPECT_EQ(contents(dir.filePath("Список 1.docx")), "old");
    EXPECT_EQ(contents(dir.filePath("Список 1 (2).docx")), "first");
    EXPECT_EQ(contents(dir.filePath("Список 1 (3).docx")), "second");
    // A copy's name taken too goes on counting, where "Список 1 (2) (2)" would stand.
    EXPECT_EQ(platform::WriteNewFile(dir.filePath("Список 1 (2).docx"), "third", &error), dir.filePath("Список 1 (4).docx"));
    EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden).size(), 5); // no passing file left
    // Made as any new file is, for the others in the office to read.
    EXPECT_EQ(QFileInfo(dir.filePath("note")).permissions(), QFileInfo(dir.filePath("Список 1.docx")).permissions());

    EXPECT_TRUE(platform::WriteNewFile(dir.filePath("missing/a.docx"), "x", &error).isEmpty());
    EXPECT_EQ(error, QStringLiteral("немає такого файлу або теки"));
}

// Copies of the program saving one name into one folder at the same moment each keep their
// file, and every one past the first gets a copy's name.
TEST(WriteNewFile, SeveralAtOnceEachTakeAFreeName)
{
    const QDir dir(testsupport::tempDir() + QStringLiteral("/at once"));
    ASSERT_TRUE(dir.mkpath(QStringLiteral(".")));
    constexpr int writers = 12;
    std::vector<QString> written(writers), errors(writers);
    {
        std::vector<std::thread> threads;
        for (int i = 0; i < writers; ++i)
            threads.emplace_back([&, i] {
                written[i] = platform::WriteNewFile(dir.filePath("0002.docx"), QByteArray::number(i), &errors[i]);
            });
        for (std::thread &t : threads)
            t.join();
    }
    QStringList expected{dir.filePath("0002.docx")}, got;
    for (int n = 2; n <= writers; ++n)
        expected << dir.filePath(QStringLiteral("0002 (%1).docx").arg(n));
    for (int i = 0; i < writers; ++i) {
        EXPECT_TRUE(errors[i].isEmpty()) << errors[i].toStdString();
        EXPECT_EQ(contents(written[i]), QByteArray::number(i));
        got << written[i];
    }
    got.sort();
    expected.sort();
    EXPECT_EQ(got, expected);
    EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden).size(), writers);
}

// A free name has a form of its own, "name (n).ext", so that it is never read as the name of
// another document: plans are "<number>_<index>", approval plans and acts the number alone.
TEST(FreeName, ACopysNameNeverLooksLikeAnotherDocuments)
{
    const struct {
        const char *path;
        int n;
        const char *free;
    } cases[] = {
        {"/d/0002.docx", 1, "/d/0002.docx"},
        {"/d/0002.docx", 2, "/d/0002 (2).docx"},
        {"/d/0002_2.docx", 3, "/d/0002_2 (3).docx"},
        {"/d/12_3_7.docx", 2, "/d/12_3_7 (2).docx"},
        {"/d/Список 1.docx", 10, "/d/Список 1 (10).docx"},
        {"/d/3222486200_01_012_0002.docx", 2, "/d/3222486200_01_012_0002 (2).docx"},
        {"/d/note", 2, "/d/note (2)"},
        {"note.docx", 2, "note (2).docx"},
        {"/d.v1/a.b.docx", 2, "/d.v1/a.b (2).docx"},
        {"/d/0002 (2).docx", 2, "/d/0002 (3).docx"},  // a copy's copy counts on
        {"/d/0002 (9).docx", 3, "/d/0002 (11).docx"},
        {"/d/(2).docx", 2, "/d/(2) (2).docx"},        // no name before the count: not a copy's
        {"/d/0002 (1).docx", 2, "/d/0002 (1) (2).docx"}, // no copy is counted 1
        {"/d/0002 (02).docx", 2, "/d/0002 (02) (2).docx"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platform::FreeName(QString::fromUtf8(c.path), c.n), QString::fromUtf8(c.free)) << c.path << " " << c.n;

    // Over the names the program gives, for 1 to 40 parcels: the plans' "<number>_<index>", the
    // approval plans' and acts' number, with the numbers as files carry them ("2", "0002", "12/3"
    // made "12_3"), no free name is one of them.
    QSet<QString> given;
    QStringList numbers;
    for (int k = 1; k <= 40; ++k)
        numbers << QString::number(k) << QStringLiteral("%1").arg(k, 4, 10, QLatin1Char('0')) << QStringLiteral("12_%1").arg(k);
    for (const QString &number : numbers) {
        given.insert(number);
        for (int index = 1; index <= 40; ++index)
            given.insert(number + QStringLiteral("_%1").arg(index));
    }
    for (const QString &name : std::as_const(given))
        for (int n = 2; n <= 40; ++n) {
            const QString free = platform::FreeName(name + QStringLiteral(".docx"), n);
            ASSERT_FALSE(given.contains(free.chopped(5))) << free.toStdString();
        }
}
