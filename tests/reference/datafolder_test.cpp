// The operator's data folder: made and seeded from the shipped mybase.dat on the first start,
// never seeded again, and the database the start opens.

#include "referencetesting.h"

#include "reference/basefile.h"
#include "reference/startup.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <functional>

using namespace reference;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DataFolderTest : public referencetesting::StartTestBase {
protected:
    void SetUp() override
    {
        StartTestBase::SetUp();
        // A program folder as an installation leaves it: the shipped database read-only.
        programDir = QFileInfo(referencetesting::copyOfBase()).path();
        shipped = QDir(programDir).filePath(QStringLiteral("mybase.dat"));
        QFile::setPermissions(shipped, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        dataDir = QDir(testsupport::tempDir()).filePath(QStringLiteral("share/zova"));
        working = QDir(dataDir).filePath(QStringLiteral("mybase.dat"));
    }

    QString programDir, shipped, dataDir, working;
};

} // namespace

TEST_F(DataFolderTest, FirstStartMakesTheFolderAndOpensAWritableCopyOfTheShippedBase)
{
    ASSERT_FALSE(QFileInfo::exists(dataDir));
    ASSERT_TRUE(StartUp(programDir, dataDir));
    EXPECT_TRUE(prompts->calls.empty());
    EXPECT_EQ(BaseConn().path(), working);
    EXPECT_EQ(contents(working), contents(shipped));
    EXPECT_FALSE(QFileInfo::exists(working + QStringLiteral(".part")));
    EXPECT_TRUE(QFileInfo(working).permission(QFile::WriteOwner));

    // The operator's changes go to the copy; the shipped file stays as it shipped.
    const QByteArray before = contents(shipped);
    BaseConn().Execute(QStringLiteral("INSERT INTO organ (Organ) VALUES (?)"), {QStringLiteral("Земвпорядник")});
    CloseBase();
    EXPECT_EQ(contents(shipped), before);
    EXPECT_NE(contents(working), before);
}

TEST_F(DataFolderTest, AnExistingWorkingBaseIsNeverReplaced)
{
    ASSERT_TRUE(StartUp(programDir, dataDir));
    BaseConn().Execute(QStringLiteral("INSERT INTO organ (Organ) VALUES (?)"), {QStringLiteral("Наша контора")});
    CloseBase();
    const QByteArray edited = contents(working);

    // Later starts, also after a newer program shipped another database, keep the operator's.
    QFile::setPermissions(shipped, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(QFile::remove(shipped));
    ASSERT_TRUE(QFile::copy(referencetesting::copyOfBase(), shipped));
    for (int start = 0; start < 2; ++start) {
        ASSERT_TRUE(StartUp(programDir, dataDir));
        EXPECT_EQ(BaseConn().Execute(QStringLiteral("SELECT count(*) AS n FROM organ WHERE Organ = ?"),
                                     {QStringLiteral("Наша контора")}).Field(QStringLiteral("n")), QStringLiteral("1"));
        CloseBase();
        EXPECT_EQ(contents(working), edited);
    }
    // Even a program folder without a database starts on the working copy.
    ASSERT_TRUE(QFile::remove(shipped));
    EXPECT_TRUE(StartUp(programDir, dataDir));
    EXPECT_TRUE(prompts->calls.empty());
}

TEST_F(DataFolderTest, AWorkingBaseFromAnEarlierVersionGetsTheShippedTerritoryAtStart)
{
    ASSERT_TRUE(QDir().mkpath(dataDir));
    referencetesting::makeOldWorkingCopy(working);
    ASSERT_TRUE(OpenBase(working));
    BaseConn().Execute(QStringLiteral("UPDATE a_rada SET a_golova=? WHERE a_rada_id=1001"), {QStringLiteral("Дем'яненко В. І.")});
    CloseBase();
    const QByteArray old = contents(working);

    ASSERT_TRUE(StartUp(programDir, dataDir));
    EXPECT_TRUE(prompts->calls.empty());
    EXPECT_EQ(BaseConn().path(), working);
    EXPECT_EQ(BaseConn().Execute(QStringLiteral("SELECT count(*) AS n FROM a_selo")).Field(QStringLiteral("n")),
              QStringLiteral("28388"));
    EXPECT_EQ(BaseConn()
                  .Execute(QStringLiteral("SELECT a_golova AS n FROM a_rada WHERE a_rada_t='3222486200'"))
                  .Field(QStringLiteral("n")),
              QStringLiteral("Дем'яненко В. І."));
    EXPECT_EQ(contents(working + QStringLiteral(".v0.bak")), old);
}

TEST_F(DataFolderTest, AFolderThatCannotBeMadeOrSeededEndsTheStartWithItsName)
{
    // A plain file where the data folder should be.
    const QString blocked = QDir(testsupport::tempDir()).filePath(QStringLiteral("zova"));
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(StartUp(programDir, QDir(blocked).filePath(QStringLiteral("data"))));
    // No shipped database to seed from.
    EXPECT_FALSE(StartUp(testsupport::tempDir(), dataDir));
    EXPECT_FALSE(QFileInfo::exists(working));

    ASSERT_EQ(prompts->calls.size(), 2u);
    EXPECT_TRUE(prompts->calls[0].message.text.contains(QStringLiteral("теку даних"))) << prompts->calls[0].message.text.toStdString();
    EXPECT_TRUE(prompts->calls[0].message.text.contains(blocked));
    EXPECT_TRUE(prompts->calls[1].message.text.contains(QStringLiteral("mybase.dat")));
    for (const auto &call : prompts->calls)
        EXPECT_EQ(call.message.icon, platform::MsgIcon::Critical);
    EXPECT_FALSE(BaseConn().IsOpen());
}

TEST_F(DataFolderTest, AnEmptyOrTablelessWorkingBaseIsRefusedAtStartAndNeverChanged)
{
    // The program's schema and seed without the statements that name a table.
    const auto without = [](const char *relative, const QString &table) {
        QFile f(testsupport::sourcePath(QString::fromUtf8(relative)));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << relative;
        QStringList kept;
        for (const QString &s : SqlStatements(QString::fromUtf8(f.readAll())))
            if (!s.contains(QStringLiteral("TABLE ") + table + QLatin1Char(' ')) && !s.contains(QStringLiteral("INTO ") + table + QLatin1Char(' ')))
                kept << s;
        return kept.join(QStringLiteral(";\n"));
    };
    // A copy of the shipped file that `damage` then writes into.
    const auto damagedCopy = [&](const QString &path, const std::function<void(QFile &)> &damage) {
        ASSERT_TRUE(QFile::copy(shipped, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        damage(f);
    };
    const struct {
        const char *name;
        std::function<void(const QString &)> make;
        const char *reason;
    } cases[] = {
        {"empty", [](const QString &path) { QFile f(path); ASSERT_TRUE(f.open(QIODevice::WriteOnly)); },
         "порожня"},
        {"a database without the tables",
         [](const QString &path) { BuildBase(path, QStringLiteral("CREATE TABLE notes (text TEXT);"), QString(), {}, kBaseDataVersion); },
         "a_rada"},
        {"the program's database less one table",
         [&](const QString &path) {
             BuildBase(path, without("reference/schema.sql", QStringLiteral("organ")),
                       without("reference/seed.sql", QStringLiteral("organ")), {}, kBaseDataVersion);
         },
         "organ"},
        // The first page's table of contents overwritten: the upgrade's look at the copy fails
        // first, on the same cause.
        {"a damaged database",
         [&](const QString &path) {
             damagedCopy(path, [](QFile &f) {
                 f.seek(100);
                 f.write(QByteArray(8, char(0xFF)));
             });
         },
         "файл бази даних пошкоджено"},
        // Its table of contents whole, the pages after it overwritten: it opens, and only a read
        // of a table would fail, at every lookup of the run.
        {"a database damaged beyond its first page",
         [&](const QString &path) {
             damagedCopy(path, [](QFile &f) {
                 f.seek(16);
                 const QByteArray size = f.read(2); // the page size, big-endian
                 const int page = quint8(size[0]) << 8 | quint8(size[1]);
                 ASSERT_GE(page, 512);
                 f.seek(page);
                 f.write(QByteArray(8 * page, char(0xA5)));
             });
         },
         "файл бази даних пошкоджено"},
        {"a file that is no database",
         [](const QString &path) {
             QFile f(path);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write(QByteArray(5000, 'x'));
         },
         "не є базою даних"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(working);
        ASSERT_TRUE(QDir().mkpath(dataDir));
        c.make(working);
        const QByteArray before = contents(working);
        const QDateTime modified = QFileInfo(working).lastModified();
        prompts->calls.clear();

        EXPECT_FALSE(StartUp(programDir, dataDir));
        EXPECT_FALSE(BaseConn().IsOpen());
        ASSERT_EQ(prompts->calls.size(), 1u);
        const QString text = prompts->calls[0].message.text;
        EXPECT_EQ(prompts->calls[0].message.icon, platform::MsgIcon::Critical);
        EXPECT_TRUE(text.contains(working)) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.reason))) << text.toStdString();
        // The reason is the program's Ukrainian, not the database library's English.
        EXPECT_FALSE(QString(text).remove(working).contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,} [A-Za-z]{2,}"))))
            << text.toStdString();
        EXPECT_EQ(contents(working), before);
        EXPECT_EQ(QFileInfo(working).lastModified(), modified);
        EXPECT_EQ(QDir(dataDir).entryList(QDir::Files), QStringList{"mybase.dat"});
    }
}

// Another program holds the working copy locked through the start: one message with that cause.
TEST_F(DataFolderTest, AWorkingBaseLockedByAnotherProgramGivesOneMessage)
{
    ASSERT_TRUE(StartUp(programDir, dataDir));
    CloseBase();
    QProcess holder;
    holder.start(QStringLiteral("sqlite3"), {working});
    ASSERT_TRUE(holder.waitForStarted());
    holder.write("BEGIN EXCLUSIVE;\nUPDATE organ SET Organ = Organ;\nSELECT 'locked';\n");
    while (!holder.readAllStandardOutput().contains("locked"))
        ASSERT_TRUE(holder.waitForReadyRead(10000));
    prompts->calls.clear();

    EXPECT_FALSE(StartUp(programDir, dataDir));
    holder.closeWriteChannel();
    holder.waitForFinished();
    ASSERT_EQ(prompts->calls.size(), 1u);
    EXPECT_TRUE(prompts->calls[0].message.text.contains(QStringLiteral("зайняла інша програма")))
        << prompts->calls[0].message.text.toStdString();
    EXPECT_FALSE(BaseConn().IsOpen());
}

TEST(UserDataFolder, IsTheApplicationsFolderUnderTheUsersDataHome)
{
    const QString home = QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_DATA_HOME"));
    ASSERT_FALSE(home.isEmpty());
    EXPECT_EQ(UserDataFolder(), QDir(home).filePath(QCoreApplication::applicationName()));
}
