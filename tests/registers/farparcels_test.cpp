// The documents that print a parcel's figures refuse a parcel that no plan could draw (a coordinate
// read from "1D300" or "1D200", a point read as 0,0 among real ones, a far land-use point where
// they print land-use areas), by name and with the plans' own reason, and are made for the batch's
// other parcels; no text they hold reads "nan", "inf" or a number of hundreds of digits.

#include "common/numbers.h"
#include "documents/docbatch.h"
#include "model/exchangeformat.h"
#include "office/wordapp.h"
#include "registers/cadastrallist.h"
#include "registers/catalogue.h"
#include "registers/folders.h"
#include "registers/lists.h"
#include "registers/packagebookmarks.h"
#include "registers/packagedocuments.h"
#include "registers/packagerun.h"
#include "registers/state.h"
#include "tests/registers/registerstesting.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

using namespace registers;

namespace {

/// Parcel 3 of the WIN sample as one case spoils it: point `point` of its boundary (`landUse` 0) or
/// of its land-use area `landUse` gets the coordinates `x` and `y`.
struct Spoilt {
    const char *name;
    int landUse;
    int point;
    const char *x, *y;
};

const Spoilt cases[] = {
    {"its first point at X=1D300", 0, 1, "1D300", nullptr},
    {"its first point at X=1D200", 0, 1, "1D200", nullptr},
    {"a point read as 0,0 among real ones", 0, 3, "0", "0"},
    {"a land-use point at X=1D300", 1, 2, "1D300", nullptr},
};

/// The sample with one point line of parcel 3 changed as `c` says, written to `path`.
void writeSpoiltSample(const Spoilt &c, const QString &path)
{
    QFile in(testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4")));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    // Latin-1 keeps every byte of the Windows code page as it is.
    QString text = QString::fromLatin1(in.readAll());
    qsizetype at = -1;
    for (int k = 0; k < 3; ++k)
        at = text.indexOf(QStringLiteral("SR,SC="), at + 1);
    ASSERT_GE(at, 0);
    if (c.landUse > 0)
        at = text.indexOf(QStringLiteral("CL,CI=%1,").arg(c.landUse), at);
    at = text.indexOf(QStringLiteral("\nN=%1,").arg(c.point), at);
    ASSERT_GE(at, 0);
    const qsizetype end = text.indexOf(QLatin1Char('\n'), at + 1);
    QString line = text.mid(at, end - at);
    line.replace(QRegularExpression(QStringLiteral("\\bX=[^,]*")), QStringLiteral("X=") + QLatin1String(c.x));
    if (c.y)
        line.replace(QRegularExpression(QStringLiteral("\\bY=[^,]*")), QStringLiteral("Y=") + QLatin1String(c.y));
    text.replace(at, end - at, line);
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text.toLatin1());
}

class FarParcels : public registerstesting::RegistersTest {
protected:
    void SetUp() override
    {
        RegistersTest::SetUp();
        registers::resetState();
        registers::resetFolders();
    }
    void TearDown() override
    {
        registers::resetState();
        registers::resetFolders();
        RegistersTest::TearDown();
    }

    /// Loads the sample spoilt as `c` says, every parcel selected, and empties the output folder.
    void load(const Spoilt &c)
    {
        const QString path = QDir(testsupport::tempDir()).filePath(QStringLiteral("spoilt.in4"));
        writeSpoiltSample(c, path);
        platform::NullProgress progress;
        model::CommitLoad(model::LoadExchangeFile(path, 2, progress), path, 2);
        for (model::Parcel &p : model::state().Parcels)
            p.Selected = -1;
        clearOut();
    }
    void clearOut()
    {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
    }

    /// The reason a cadastral plan with its land-use areas drawn gives for parcel 3 alone.
    QString planReason()
    {
        model::ParcelList &parcels = model::state().Parcels;
        const model::ParcelList all = parcels;
        for (int i = 1; i <= parcels.UBound(); ++i)
            parcels[i].Selected = i == 3 ? -1 : 0;
        documents::PlanOptions plan;
        plan.Kind = documents::KindCadastralPlan;
        plan.ZovaVariant = 3;
        plan.ShowLandUse = true;
        plan.ProgramDir = programDir();
        documents::options().DocAction = documents::ActionSave;
        documents::options().OutputFolder = documents::OutputFolderOf(out);
        platform::NullProgress overall, step;
        const documents::BatchReport report = documents::RunDocumentBatch(*app, plan, overall, step);
        parcels = all;
        clearOut();
        if (report.Failures.size() != 1 || !report.Done.empty()) {
            ADD_FAILURE() << "the plan of parcel 3 was not refused: " << report.Summary().toStdString();
            return {};
        }
        return report.Failures[0].Reason;
    }

    /// Every text of the document saved at `path`: none reads as no number, infinity or a figure
    /// of hundreds of digits.
    void expectPlainFigures(const QString &path)
    {
        office::WordApp reader;
        office::Document &doc = reader.Documents_Open(path);
        const QString text = doc.Text() + QLatin1Char('\r') + doc.BookmarkNames().join(QLatin1Char(' '));
        static const QRegularExpression noNumber(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                                 QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression tooLong(QStringLiteral("\\d{16,}"));
        EXPECT_FALSE(noNumber.match(text).hasMatch()) << path.toStdString() << ":\n" << text.toStdString();
        EXPECT_FALSE(tooLong.match(text).hasMatch()) << path.toStdString() << ":\n" << text.left(2000).toStdString();
        doc.Close();
    }

    /// The area of parcels 1 to 13 without parcel 3, square metres.
    static double areaWithoutParcelThree()
    {
        double sum = 0;
        const model::ParcelList &parcels = model::state().Parcels;
        for (int i = 1; i <= parcels.UBound(); ++i)
            if (i != 3)
                sum += parcels[i].Area;
        return sum;
    }

    /// Expects `leftOut` to hold parcel 3 alone, with `reason`.
    static void expectParcelThree(const std::vector<documents::BatchFailure> &leftOut, const QString &reason)
    {
        ASSERT_EQ(leftOut.size(), 1u);
        EXPECT_EQ(leftOut[0].ParcelIndex, 3);
        EXPECT_EQ(leftOut[0].Number, model::state().Parcels[3].Number);
        EXPECT_EQ(leftOut[0].Reason, reason);
    }
};

} // namespace

TEST_F(FarParcels, EveryDocumentWithFiguresRefusesTheParcelByNameAndIsMadeForTheRest)
{
    for (const Spoilt &c : cases) {
        SCOPED_TRACE(c.name);
        load(c);
        ASSERT_EQ(model::state().Parcels.UBound(), 13);
        const QString reason = planReason();
        ASSERT_TRUE(reason.startsWith(QStringLiteral("Креслення ділянки не можна розмістити на аркуші: "))) << reason.toStdString();
        // The boundary's own figures are sound where only a land-use point is far off.
        const bool boundary = c.landUse == 0;
        const QString number = model::state().Parcels[3].Number;
        const QString named = QStringLiteral("№ %1 (3): %2").arg(number, reason);

        // The catalogue: one document per parcel, none for parcel 3.
        documents::options().DocAction = documents::ActionSave;
        documents::options().OutputFolder = documents::OutputFolderOf(out);
        platform::NullProgress overall, step;
        const documents::BatchReport catalogues = MakeCatalogues(*app, programDir(), 0, overall, step);
        const QString summary = catalogues.Summary();
        EXPECT_EQ(catalogues.Done.size(), boundary ? 12u : 13u) << summary.toStdString();
        EXPECT_TRUE(summary.startsWith(QStringLiteral("Збережено документів: %1\n").arg(boundary ? 12 : 13)))
            << summary.toStdString();
        if (boundary) {
            expectParcelThree(catalogues.Failures, reason);
            EXPECT_TRUE(summary.contains(named)) << summary.toStdString();
        } else {
            EXPECT_TRUE(catalogues.Failures.empty()) << summary.toStdString();
        }
        EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), qsizetype(catalogues.Done.size()));
        for (const documents::DocumentResult &r : catalogues.Done)
            expectPlainFigures(r.Path);

        // List No 1 prints the land-use areas: it goes without parcel 3 in every case, and its
        // totals are those of the other twelve.
        const ListResult one = MakeSpis1(*app, programDir());
        expectParcelThree(one.LeftOut, reason);
        expectPlainFigures(one.Path);
        {
            office::WordApp reader;
            const office::Table table = reader.Documents_Open(one.Path).Tables(1);
            EXPECT_EQ(table.RowCount(), 3 + 12 + 1);
            EXPECT_EQ(table.Cell(16, 3).Text(), QStringLiteral("Всього"));
            EXPECT_EQ(table.Cell(16, 4).Text(), zova::Format4(zova::Hectares(areaWithoutParcelThree())));
        }

        // The list with cadastral numbers prints the area only, numbered without a gap.
        const ListResult cadastral = MakeSpisKadKode(*app, programDir());
        if (boundary)
            expectParcelThree(cadastral.LeftOut, reason);
        else
            EXPECT_TRUE(cadastral.LeftOut.empty());
        expectPlainFigures(cadastral.Path);
        {
            office::WordApp reader;
            const office::Table table = reader.Documents_Open(cadastral.Path).Tables(1);
            const int rows = boundary ? 12 : 13;
            EXPECT_EQ(table.RowCount(), 1 + rows + 1);
            EXPECT_EQ(table.Cell(rows + 1, 1).Text(), QStringLiteral("%1.").arg(rows));
            int rowsOfParcelThree = 0;
            for (int row = 2; row <= rows + 1; ++row)
                rowsOfParcelThree += table.Cell(row, 4).Text().endsWith(QLatin1Char(':') + number) ? 1 : 0;
            EXPECT_EQ(rowsOfParcelThree, boundary ? 0 : 1);
        }

        // The package, of both kinds: every document made without parcel 3, which the report
        // names; the areas are those of the other twelve.
        for (const bool commonLand : {false, true}) {
            SCOPED_TRACE(commonLand ? "parcel 3 as unselected land of common ownership" : "parcel 3 selected");
            model::ParcelList &parcels = model::state().Parcels;
            parcels[3].Selected = commonLand ? 0 : -1;
            parcels[3].JointOwnership = commonLand ? 0 : 1;
            BuildReportGroups(parcels);
            expectParcelThree(state().LeftOut, reason);
            EXPECT_EQ(state().TotalArea, 0);
            for (const ReportGroup &g : state().ReportGroups)
                for (const ReportLine &line : g.Lines)
                    EXPECT_NE(line.Number, number);

            const QString folder = QDir(out).filePath(commonLand ? QStringLiteral("common") : QStringLiteral("selected"));
            QDir().mkpath(folder);
            folders().ReportFolder = folder;
            PackageArguments args;
            args.ProgramDir = programDir();
            // An organisation in the title block, so that the report names only the parcel left out.
            reference::state().OrganTitle = QStringLiteral("ТОВ «Земпроект»");
            state().ReportMode = ReportShares;
            state().DocChosen.fill(true);
            state().DocChosen[0] = false;
            platform::NullProgress progress;
            const PackageReport shares = MakeReportDocuments(*app, args, progress);
            EXPECT_TRUE(shares.Failures.empty()) << shares.FailureText().toStdString();
            EXPECT_EQ(shares.Done.size(), 12u);
            expectParcelThree(shares.LeftOut, reason);
            const QString text = shares.FailureText();
            // The fixture's database sets no organisation, which the message names first.
            EXPECT_TRUE(text.contains(QStringLiteral("Документи пакета зроблено без ділянок (1):\n") + named))
                << text.toStdString();
            for (const PackageDone &d : shares.Done)
                expectPlainFigures(d.Result.Path);
            {
                office::WordApp reader;
                office::Document &explication = reader.Documents_Open(QDir(folder).filePath(QStringLiteral("p12.docx")));
                EXPECT_EQ(explication.Tables(1).Cell(6, 3).Text(), HectareText(areaWithoutParcelThree()));
            }

            state().ReportMode = ReportPrivate;
            const PackageReport combined = MakeReportDocuments(*app, args, progress);
            ASSERT_EQ(combined.Done.size(), 1u) << combined.FailureText().toStdString();
            expectParcelThree(combined.LeftOut, reason);
            expectPlainFigures(combined.Done[0].Result.Path);
            parcels[3].Selected = -1;
            parcels[3].JointOwnership = 1;
        }
    }
}

// Over the sample's parcels, of 6 to 42 vertices, and a rectangle beside them: each, with one point
// read from "1D300", is the one parcel the catalogue and List No 1 refuse, and the parcels as they
// are have none refused.
TEST_F(FarParcels, EachParcelOfTheSampleIsRefusedAloneWhateverItsSize)
{
    builderstesting::loadSample(QStringLiteral("sofiivska-win.in4"), 2);
    model::ParcelList &parcels = model::state().Parcels;
    model::Parcel rectangle =
        registerstesting::RectangleOf(QStringLiteral("14"), QStringLiteral("Чотирикутна"), 5585300, 526100, 20, 30);
    rectangle.KZ = QStringLiteral("22");
    parcels.Add(rectangle);
    for (model::Parcel &p : parcels)
        p.Selected = -1;
    const model::ParcelList sample = parcels;
    documents::options().DocAction = documents::ActionSave;
    documents::options().OutputFolder = documents::OutputFolderOf(out);
    platform::NullProgress overall, step;
    std::set<int> sizes;
    for (int spoilt = 0; spoilt <= sample.UBound(); ++spoilt) {
        SCOPED_TRACE(spoilt == 0 ? std::string("the sample as it is") : "parcel " + std::to_string(spoilt));
        parcels = sample;
        if (spoilt > 0) {
            model::Ring &points = parcels[spoilt].Points;
            sizes.insert(points.UBound());
            points[points.UBound() / 2 + 1].X = model::DecimalValue(u"1D300");
        }
        clearOut();
        const documents::BatchReport catalogues = MakeCatalogues(*app, programDir(), 1, overall, step);
        const ListResult one = MakeSpis1(*app, programDir());
        EXPECT_EQ(catalogues.Done.size(), size_t(spoilt == 0 ? 14 : 13)) << catalogues.Summary().toStdString();
        for (const auto *refused : {&catalogues.Failures, &one.LeftOut}) {
            ASSERT_EQ(refused->size(), spoilt == 0 ? 0u : 1u) << catalogues.Summary().toStdString();
            if (spoilt > 0) {
                EXPECT_EQ(refused->front().ParcelIndex, spoilt);
                EXPECT_TRUE(refused->front().Reason.contains(QStringLiteral("(X 1e+300, Y "))) << refused->front().Reason.toStdString();
            }
        }
    }
    EXPECT_EQ(*sizes.begin(), 4);
    EXPECT_GE(*sizes.rbegin(), 40);
}
