#include "referencetesting.h"

#include "common/error.h"
#include "reference/basefile.h"

#include <QFileInfo>

using namespace reference;
using referencetesting::BaseTest;

namespace {

QStringList columnsOf(const QString &table)
{
    QStringList names;
    RecordSet rs = BaseConn().Execute(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
    for (; !rs.Eof(); rs.MoveNext())
        names << rs.Field(QStringLiteral("name"));
    return names;
}

int count(const QString &sql, const QVariantList &values = {})
{
    RecordSet rs = BaseConn().Execute(sql, values);
    return rs.Value(QStringLiteral("n")).toInt();
}

} // namespace

TEST(BaseOpen, MissingOrUnreadableFileIsRefusedAndNothingIsCreated)
{
    const QString dir = testsupport::tempDir();
    const QString missing = QDir(dir).filePath(QStringLiteral("mybase.dat"));
    QString error;
    EXPECT_FALSE(OpenBase(missing, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("mybase.dat"))) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_FALSE(BaseConn().IsOpen());

    const QString garbage = QDir(dir).filePath(QStringLiteral("garbage.dat"));
    QFile f(garbage);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    error.clear();
    EXPECT_FALSE(OpenBase(garbage, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(BaseConn().IsOpen());
    EXPECT_THROW(BaseConn().Execute(QStringLiteral("SELECT 1")), zova::Error);
}

TEST_F(BaseTest, SchemaHasTheTenTablesWithTheirColumns)
{
    const std::vector<std::pair<QString, QStringList>> tables{
        {"a_rada",
         {"a_rada_id", "a_rada_papa_id", "a_rada_level", "a_rada_adm_name", "a_rada_name", "a_rada_st", "a_rada_cap",
          "a_rada_code", "a_rada_t", "a_zem", "a_golova", "a_arhit", "a_goladm"}},
        {"a_selo", {"a_rada_id", "a_selo_id", "a_selo_name", "a_selo_code"}},
        {"Rada", {"Rada_id", "Region_id", "RadaName"}},
        {"pog_name", {"id", "OrganName"}},
        {"pog_pib", {"id", "pib"}},
        {"cilove", {"Id", "CName"}},
        {"row6zem", {"id", "rowcode", "name", "rownum"}},
        {"pz", {"code", "desk"}},
        {"worker", {"pDur", "nDur", "pSkl", "nSkl", "pKresl", "nKresl", "pChek", "nChek"}},
        {"organ", {"Organ"}},
    };
    for (const auto &[table, columns] : tables)
        EXPECT_EQ(columnsOf(table), columns) << table.toStdString();
}

TEST_F(BaseTest, SeedIsTheWholeClassifierAsAConsistentTerritoryTree)
{
    // The classifier's units (its README counts 27 regions, 691 level-2 units, 11,982 level-3 rows
    // with a part of their own, of which 448 are headings, and 28,388 settlements), plus the
    // councils that its settlements need but that it lists only as headings (27) or not at all (4).
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_rada WHERE a_rada_level=1 AND a_rada_papa_id=0")), 27);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_rada WHERE a_rada_level=2")), 691);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_rada WHERE a_rada_level=3")), 11534 + 27 + 4);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_selo")), 28388);
    EXPECT_EQ(count(QStringLiteral("SELECT user_version AS n FROM pragma_user_version")), kBaseDataVersion);
    // The region the territory dialog opens with.
    EXPECT_EQ(count(QStringLiteral("SELECT a_rada_code AS n FROM a_rada WHERE a_rada_id=10")), 32);
    // Districts hang under regions, councils under districts.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_rada c LEFT JOIN a_rada p ON p.a_rada_id=c.a_rada_papa_id "
                                   "WHERE c.a_rada_level>1 AND (p.a_rada_level IS NULL OR p.a_rada_level<>c.a_rada_level-1)")),
              0);
    // Settlements hang under councils; the classifier puts seven directly under a city of regional
    // importance (their code's council part is 000), and they hang under that city.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_selo s LEFT JOIN a_rada r ON r.a_rada_id=s.a_rada_id "
                                   "WHERE r.a_rada_level IS NOT 3 AND NOT (r.a_rada_level=2 AND r.a_rada_code/100=1)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_selo s JOIN a_rada r ON r.a_rada_id=s.a_rada_id "
                                   "WHERE r.a_rada_level=2")),
              7);
    // Code parts fit their blocks: two digits for regions, three below, two for settlements; the
    // parts of every unit make its code.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_rada WHERE a_rada_code<1 OR a_rada_code>(CASE "
                                   "a_rada_level WHEN 1 THEN 99 ELSE 999 END)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_selo WHERE a_selo_code<1 OR a_selo_code>99")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_rada c JOIN a_rada d ON d.a_rada_id=c.a_rada_papa_id "
                                   "JOIN a_rada r ON r.a_rada_id=d.a_rada_papa_id WHERE c.a_rada_t <> "
                                   "printf('%02d%03d%03d00', r.a_rada_code, d.a_rada_code, c.a_rada_code)")),
              0);
    // Every council and district has a name and a status word to compose from.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM a_rada WHERE a_rada_level>1 AND (coalesce(a_rada_name,'')='' "
                                   "OR coalesce(a_rada_st,'')='')")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM worker")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM organ")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) AS n FROM pog_name n JOIN pog_pib p ON p.id=n.id")),
              count(QStringLiteral("SELECT count(*) AS n FROM pog_name")));
}

TEST_F(BaseTest, ReadPatternWalksRowsByNameAndNullReadsEmpty)
{
    RecordSet &rs = BaseRs();
    rs = BaseConn().Execute(QStringLiteral("SELECT a_rada.a_rada_id, a_rada.a_rada_adm_name, a_rada.a_rada_st, "
                                           "a_rada.a_rada_code FROM a_rada WHERE (((a_rada.a_rada_papa_id)=?))"),
                            {0});
    ASSERT_FALSE(rs.IsEmpty());
    rs.MoveFirst();
    EXPECT_EQ(rs.Field(QStringLiteral("a_rada_adm_name")), QStringLiteral("Автономна Республіка Крим"));
    EXPECT_EQ(rs.Field(QStringLiteral("a_rada_st")), QString()); // Null
    EXPECT_EQ(rs.Field(QStringLiteral("A_RADA_CODE")), QStringLiteral("1")); // names are found in any case
    QStringList codes;
    for (; !rs.Eof(); rs.MoveNext())
        codes << rs.Field(QStringLiteral("a_rada_code"));
    EXPECT_EQ(codes.size(), 27);
    EXPECT_EQ(codes.join(QLatin1Char(',')),
              QStringLiteral("1,5,7,12,14,18,21,23,26,32,35,44,46,48,51,53,56,59,61,63,65,68,71,73,74,80,85"));
    EXPECT_THROW(rs.Field(QStringLiteral("a_rada_id")), zova::Error); // past the end
    rs.MoveFirst();
    EXPECT_THROW(rs.Field(QStringLiteral("no_such_column")), zova::Error);
    EXPECT_THROW(rs.SetField(QStringLiteral("a_rada_st"), QStringLiteral("x")), zova::Error); // read-only
    rs.Close();
    EXPECT_FALSE(rs.IsOpen());

    rs = BaseConn().Execute(QStringLiteral("SELECT pz.desk FROM pz WHERE (((pz.code)=?))"), {QStringLiteral("ЖЖ")});
    EXPECT_TRUE(rs.Eof());
    EXPECT_TRUE(rs.Bof());
    rs.Close();
}

TEST_F(BaseTest, WritePatternChangesAndAddsRowsWithApostrophes)
{
    const QString name = QStringLiteral("Мар'яна Кам'янська");
    RecordSet &rs = BaseRs();
    rs.Open(QStringLiteral("SELECT pog_pib.id, pog_pib.pib FROM pog_pib WHERE (((pog_pib.id)=?))"), {2});
    rs.SetField(QStringLiteral("pib"), name);
    rs.Update();
    rs.Close();

    RecordSet found = BaseConn().Execute(QStringLiteral("SELECT pog_pib.id FROM pog_pib WHERE pog_pib.pib=?"), {name});
    ASSERT_FALSE(found.IsEmpty());
    EXPECT_EQ(found.Value(QStringLiteral("id")).toInt(), 2);
    found.MoveNext();
    EXPECT_TRUE(found.Eof());

    // A new body gets its id from the database, and the newest id comes first in descending order.
    rs.Open(QStringLiteral("SELECT pog_name.id, pog_name.OrganName FROM pog_name"));
    rs.AddNew();
    rs.SetField(QStringLiteral("OrganName"), QStringLiteral("Кам'янська сільська рада"));
    rs.Update();
    const int newId = rs.Value(QStringLiteral("id")).toInt();
    rs.Close();
    EXPECT_EQ(newId, 5);
    rs = BaseConn().Execute(QStringLiteral("SELECT pog_name.id FROM pog_name ORDER BY pog_name.id DESC"));
    rs.MoveFirst();
    EXPECT_EQ(rs.Value(QStringLiteral("id")).toInt(), newId);
    rs.Close();
    RecordSet body = BaseConn().Execute(QStringLiteral("SELECT OrganName FROM pog_name WHERE id=?"), {newId});
    EXPECT_EQ(body.Field(QStringLiteral("OrganName")), QStringLiteral("Кам'янська сільська рада"));

    // A whole-row selection is changed by column name, as the officials dialogs do.
    const int district = 32224000; // Києво-Святошинський район
    rs.Open(QStringLiteral("SELECT * FROM a_rada WHERE (((a_rada.a_rada_id)=?))"), {district});
    rs.SetField(QStringLiteral("a_zem"), QStringLiteral("Дар'я Лук'яненко"));
    rs.Update();
    rs.Close();
    RecordSet row = BaseConn().Execute(QStringLiteral("SELECT a_zem, a_rada_code FROM a_rada WHERE a_rada_id=?"), {district});
    EXPECT_EQ(row.Field(QStringLiteral("a_zem")), QStringLiteral("Дар'я Лук'яненко"));
    EXPECT_EQ(row.Field(QStringLiteral("a_rada_code")), QStringLiteral("224"));

    // A key the program assigns itself is stored as given.
    exec(QStringLiteral("INSERT INTO Rada (Rada_id, Region_id, RadaName) VALUES (1, 106, 'а'), (2, 106, 'б'), (7, 106, 'в')"));
    rs.Open(QStringLiteral("SELECT Rada.Rada_id, Rada.Region_id, Rada.RadaName FROM Rada ORDER BY Rada.Rada_id"));
    rs.MoveLast();
    const int next = rs.Value(QStringLiteral("Rada_id")).toInt() + 1;
    rs.AddNew();
    rs.SetField(QStringLiteral("Rada_id"), next);
    rs.SetField(QStringLiteral("Region_id"), 106);
    rs.SetField(QStringLiteral("RadaName"), QStringLiteral("Кам'янська"));
    rs.Update();
    rs.Close();
    RecordSet rada = BaseConn().Execute(QStringLiteral("SELECT Rada_id FROM Rada WHERE RadaName=?"), {QStringLiteral("Кам'янська")});
    EXPECT_EQ(rada.Value(QStringLiteral("Rada_id")).toInt(), 8);

    // A change reaches only the current row of the selection.
    rs.Open(QStringLiteral("SELECT worker.nDur FROM worker"));
    rs.SetField(QStringLiteral("nDur"), QStringLiteral("О'Коннор"));
    rs.Update();
    rs.Close();
    RecordSet worker = BaseConn().Execute(QStringLiteral("SELECT pDur, nDur FROM worker"));
    EXPECT_EQ(worker.Field(QStringLiteral("nDur")), QStringLiteral("О'Коннор"));
    EXPECT_EQ(worker.Field(QStringLiteral("pDur")), QStringLiteral("Директор"));
}

TEST_F(BaseTest, FilterFindsRowsByNumberOrText)
{
    RecordSet &rs = BaseRs();
    rs = BaseConn().Execute(
        QStringLiteral("SELECT row6zem.id, row6zem.rowcode, row6zem.name, row6zem.rownum FROM row6zem"));
    rs.SetFilter(QStringLiteral("rownum =  20"));
    ASSERT_FALSE(rs.IsEmpty());
    rs.MoveFirst();
    EXPECT_EQ(rs.Field(QStringLiteral("rowcode")), QStringLiteral("2.2.1"));
    rs.SetFilter(QStringLiteral("rownum = 99"));
    EXPECT_TRUE(rs.IsEmpty());
    rs.SetFilter(QStringLiteral("rowcode = '2.2.1'"));
    EXPECT_EQ(rs.RecordCount(), 1);
    rs.SetFilter(QString());
    EXPECT_EQ(rs.RecordCount(), 19);
    EXPECT_THROW(rs.SetFilter(QStringLiteral("nonsense")), zova::Error);
    rs.Close();
}

TEST_F(BaseTest, FailingStatementRaisesADatabaseError)
{
    try {
        BaseConn().Execute(QStringLiteral("SELECT x FROM no_such_table"));
        FAIL() << "no error";
    } catch (const zova::Error &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Помилка бази даних"))) << e.message().toStdString();
    }
    EXPECT_THROW(BaseRs().Open(QStringLiteral("PRAGMA user_version")), zova::Error);
}
