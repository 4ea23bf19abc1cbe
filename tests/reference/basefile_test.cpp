#include "referencetesting.h"

#include "common/error.h"
#include "reference/basefile.h"
#include "reference/lookups.h"
#include "reference/startup.h"
#include "reference/territory.h"

#include <QCryptographicHash>
#include <QFileInfo>

using namespace reference;
using referencetesting::BaseTest;

namespace {

QByteArray digest(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QString oldWorkingCopy()
{
    const QString dir = QDir(testsupport::tempDir()).filePath(QStringLiteral("office"));
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(QStringLiteral("mybase.dat"));
    referencetesting::makeOldWorkingCopy(path);
    return path;
}

int count(const QString &sql, const QVariantList &values = {})
{
    RecordSet rs = BaseConn().Execute(sql, values);
    return rs.Value(QStringLiteral("n")).toInt();
}

QString text(const QString &sql, const QVariantList &values = {})
{
    RecordSet rs = BaseConn().Execute(sql, values);
    return rs.IsEmpty() ? QStringLiteral("<no row>") : rs.Field(QStringLiteral("t"));
}

} // namespace

TEST(SqlStatements, SplitAtSemicolonsOutsideQuotesAndComments)
{
    const QString script = QStringLiteral(
        "-- a comment; not a statement\n"
        "CREATE TABLE t (a TEXT); /* a; block */\n"
        "INSERT INTO t VALUES ('Кам''янка; село');;\n"
        "INSERT INTO t VALUES (\"x;y\") -- trailing; comment\n");
    EXPECT_EQ(SqlStatements(script),
              (QStringList{QStringLiteral("CREATE TABLE t (a TEXT)"), QStringLiteral("INSERT INTO t VALUES ('Кам''янка; село')"),
                           QStringLiteral("INSERT INTO t VALUES (\"x;y\")")}));
}

TEST(BuildBase, RefusesAnExistingFileAndLeavesNoPartOfAFailedOne)
{
    const QString path = QDir(testsupport::tempDir()).filePath(QStringLiteral("built.dat"));
    const QString schema = QStringLiteral("CREATE TABLE a_rada (a_rada_id INTEGER);");
    EXPECT_THROW(BuildBase(path, schema, QStringLiteral("INSERT INTO no_such_table VALUES (1);"), Territory{}, 1),
                 zova::Error);
    EXPECT_FALSE(QFileInfo::exists(path));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("office data");
    f.close();
    EXPECT_THROW(BuildBase(path, schema, QString(), Territory{}, 1), zova::Error);
    EXPECT_EQ(digest(path), QCryptographicHash::hash("office data", QCryptographicHash::Sha256));
}

TEST_F(BaseTest, UpgradeBringsTheTerritoryUpToDateAndKeepsWhatTheOfficeEntered)
{
    CloseBase();
    const QString working = oldWorkingCopy();
    ASSERT_TRUE(OpenBase(working));
    // What an office enters through its dialogs: officials of a council and of a district, the
    // head of a council whose code the old seed had wrong, its council list, staff and purposes.
    exec(QStringLiteral("UPDATE a_rada SET a_golova=? WHERE a_rada_id=1001"), {QStringLiteral("Дем'яненко Віра Іванівна")});
    exec(QStringLiteral("UPDATE a_rada SET a_zem=?, a_arhit=?, a_goladm=?, a_golova='' WHERE a_rada_id=106"),
         {QStringLiteral("Литвиненко О. П."), QStringLiteral("Мар'яненко І. І."), QStringLiteral("Коваль П. С.")});
    exec(QStringLiteral("UPDATE a_rada SET a_golova=? WHERE a_rada_id=1002"), {QStringLiteral("Сокіл Б. Б.")});
    exec(QStringLiteral("INSERT INTO Rada (Rada_id, Region_id, RadaName) VALUES (1, 106, 'Наша'), (2, 101, 'Міська'), (3, 10, 'Обласна')"));
    exec(QStringLiteral("UPDATE worker SET nDur=?"), {QStringLiteral("О'Коннор")});
    exec(QStringLiteral("UPDATE organ SET Organ=?"), {QStringLiteral("ТОВ \"Земля\"")});
    exec(QStringLiteral("INSERT INTO cilove (CName) VALUES ('для сінокосіння')"));
    exec(QStringLiteral("UPDATE pog_pib SET pib='Іванов' WHERE id=2"));
    CloseBase();
    const QByteArray before = digest(working);

    const QString shipped = QDir(testsupport::programDir()).filePath(QStringLiteral("mybase.dat"));
    const BaseUpgrade up = UpgradeWorkingBase(working, shipped);
    EXPECT_TRUE(up.upgraded);
    EXPECT_EQ(up.fromVersion, 0);
    EXPECT_EQ(up.toVersion, kBaseDataVersion);
    EXPECT_EQ(up.backupPath, working + QStringLiteral(".v0.bak"));
    EXPECT_EQ(digest(up.backupPath), before);

    ASSERT_TRUE(OpenBase(working));
    EXPECT_EQ(count(QStringLiteral("SELECT user_version AS n FROM pragma_user_version")), kBaseDataVersion);
    // The whole classifier, and the one council of the old seed that it lacks, kept for its head.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_rada")), 27 + 691 + 11565 + 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_selo")), 28388 + 1);
    EXPECT_EQ(text(QStringLiteral("SELECT a_golova AS t FROM a_rada WHERE a_rada_t='3222486200'")),
              QStringLiteral("Дем'яненко Віра Іванівна"));
    EXPECT_EQ(text(QStringLiteral("SELECT a_zem||'|'||a_arhit||'|'||a_goladm AS t FROM a_rada WHERE a_rada_id=32224000")),
              QStringLiteral("Литвиненко О. П.|Мар'яненко І. І.|Коваль П. С."));
    EXPECT_EQ(text(QStringLiteral("SELECT a_rada_name||' '||a_rada_st||'|'||a_golova AS t FROM a_rada WHERE "
                                  "a_rada_papa_id=46236000 AND a_rada_code=868")),
              QStringLiteral("Сокільницька сільська|Сокіл Б. Б."));
    EXPECT_EQ(text(QStringLiteral("SELECT s.a_selo_name AS t FROM a_selo s JOIN a_rada r ON r.a_rada_id=s.a_rada_id "
                                  "WHERE r.a_rada_papa_id=46236000 AND r.a_rada_code=868")),
              QStringLiteral("Сокільники"));
    // Names come from the shipped copy; no official is invented.
    EXPECT_EQ(text(QStringLiteral("SELECT a_rada_adm_name AS t FROM a_rada WHERE a_rada_id=32103000")),
              QStringLiteral("м Біла Церква"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_rada WHERE coalesce(a_golova,'')<>''")), 2);
    // The council list follows its districts to their new ids; the other tables are the office's.
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(Region_id) AS t FROM (SELECT Region_id FROM Rada ORDER BY Rada_id)")),
              QStringLiteral("32224000,32103000,10"));
    EXPECT_EQ(text(QStringLiteral("SELECT nDur AS t FROM worker")), QStringLiteral("О'Коннор"));
    EXPECT_EQ(text(QStringLiteral("SELECT Organ AS t FROM organ")), QStringLiteral("ТОВ \"Земля\""));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM cilove")), 12);
    EXPECT_EQ(text(QStringLiteral("SELECT pib AS t FROM pog_pib WHERE id=2")), QStringLiteral("Іванов"));

    // The upgraded copy resolves the codes of any council.
    QString code = QStringLiteral("3222457400");
    ResolveKoatuu(code);
    EXPECT_EQ(model::state().TerritoryText,
              QStringLiteral("Київська область Києво-Святошинський район Чабанівська селищна рада"));
    CloseBase();

    // A second start finds nothing to do.
    const QByteArray upgraded = digest(working);
    EXPECT_FALSE(UpgradeWorkingBase(working, shipped).upgraded);
    EXPECT_EQ(digest(working), upgraded);
}

// A working copy of data version 1 knew three rows of form 6-zem, rows 21 and 22 without their
// codes. The start gives it the shipped rows; what the office entered stays.
TEST_F(BaseTest, AStartGivesAnOlderWorkingCopyTheShippedRowsOfForm6Zem)
{
    exec(QStringLiteral("DELETE FROM row6zem"));
    exec(QStringLiteral("INSERT INTO row6zem (id, rowcode, name, rownum) VALUES "
                        "(1, '2.2.1', 'для ведення товарного сільськогосподарського виробництва (земельні частки (паї))', 20), "
                        "(2, NULL, 'для ведення особистого селянського господарства', 21), "
                        "(3, NULL, 'для будівництва і обслуговування жилого будинку, господарських будівель і споруд', 22)"));
    exec(QStringLiteral("PRAGMA user_version = 1"));
    exec(QStringLiteral("UPDATE a_rada SET a_golova=? WHERE a_rada_t='3222486200'"), {QStringLiteral("Дем'яненко Віра Іванівна")});
    exec(QStringLiteral("UPDATE worker SET nDur=?"), {QStringLiteral("Коваленко І.П.")});
    exec(QStringLiteral("INSERT INTO cilove (CName) VALUES ('для сінокосіння')"));
    exec(QStringLiteral("INSERT INTO Rada (Rada_id, Region_id, RadaName) VALUES (1, 32224000, 'Наша')"));
    CloseBase();
    const QString dataDir = QFileInfo(basePath).path();
    const QString programDir = testsupport::programDir();

    ASSERT_TRUE(StartUp(programDir, dataDir));
    EXPECT_TRUE(prompts->calls.empty());
    EXPECT_EQ(BaseConn().path(), basePath);
    EXPECT_EQ(count(QStringLiteral("SELECT user_version AS n FROM pragma_user_version")), kBaseDataVersion);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM row6zem")), 19);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(rowcode, ' ') AS t FROM (SELECT rowcode FROM row6zem "
                                  "WHERE rownum IN (20, 21, 22, 23) ORDER BY rownum)")),
              QStringLiteral("2.2.1 2.3 2.4 2.5"));
    EXPECT_EQ(GetRow6ZemName(23), QStringLiteral("для ведення садівництва"));
    EXPECT_EQ(text(QStringLiteral("SELECT a_golova AS t FROM a_rada WHERE a_rada_t='3222486200'")),
              QStringLiteral("Дем'яненко Віра Іванівна"));
    EXPECT_EQ(text(QStringLiteral("SELECT nDur AS t FROM worker")), QStringLiteral("Коваленко І.П."));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM cilove WHERE CName='для сінокосіння'")), 1);
    EXPECT_EQ(text(QStringLiteral("SELECT RadaName||' '||Region_id AS t FROM Rada")), QStringLiteral("Наша 32224000"));
    EXPECT_TRUE(QFileInfo::exists(basePath + QStringLiteral(".v1.bak")));
}

TEST_F(BaseTest, UpgradeThatFailsLeavesTheWorkingCopyAsItWasAndSaysSo)
{
    // A shipped copy that is newer but broken: its settlements table is missing.
    exec(QStringLiteral("DROP TABLE a_selo"));
    CloseBase();
    const QString brokenShipped = basePath;
    const QString working = oldWorkingCopy();
    const QByteArray before = digest(working);

    UpgradeWorkingCopy(working, brokenShipped);
    ASSERT_EQ(prompts->calls.size(), 1u);
    EXPECT_TRUE(prompts->calls[0].message.text.startsWith(QStringLiteral("Довідники територій і рядків форми 6-зем у ")));
    EXPECT_EQ(prompts->calls[0].message.icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(digest(working), before);
    EXPECT_TRUE(QFileInfo::exists(working + QStringLiteral(".v0.bak")));

    // Nothing to do: one file for both, a missing shipped copy, a working copy without territory.
    prompts->calls.clear();
    const QString shipped = QDir(testsupport::programDir()).filePath(QStringLiteral("mybase.dat"));
    EXPECT_FALSE(UpgradeWorkingBase(working, working).upgraded);
    EXPECT_FALSE(UpgradeWorkingBase(working, working + QStringLiteral(".missing")).upgraded);
    const QString empty = QDir(testsupport::tempDir()).filePath(QStringLiteral("empty.dat"));
    BuildBase(empty, QStringLiteral("CREATE TABLE worker (nDur TEXT);"), QString(), Territory{}, 0);
    EXPECT_FALSE(UpgradeWorkingBase(empty, shipped).upgraded);
    EXPECT_EQ(digest(working), before);
    EXPECT_TRUE(prompts->calls.empty());
}
