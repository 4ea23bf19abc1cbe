// Contour files, point lists and exchange files read in batch whose coordinates are too large to
// compute an area with: the import refuses them as the exchange reader does, by the file and the
// line, and the parcels loaded before stay.

#include "model/batchimport.h"
#include "model/exchangereader.h"
#include "model/forms/frmArt.h"
#include "model/state.h"
#include "platform/codepage.h"
#include "platform/scriptedprompts.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <gtest/gtest.h>

using namespace model;

namespace {

void writeDos(const QString &folder, const QString &name, const QStringList &lines)
{
    QFile f(QDir(folder).filePath(name));
    const QByteArray bytes = platform::Encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
                                              platform::CodePage::Dos);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << name.toStdString();
}

// A number of `digits` digits, as these files write a coordinate: "1" and zeros, no exponent.
QString power(int digits)
{
    return QLatin1Char('1') + QString(digits - 1, QLatin1Char('0'));
}

struct File {
    const char *name;
    QStringList lines;
};

struct Case {
    const char *what;
    int mode;
    std::vector<File> files;
    const char *file; ///< the file named
    int line;         ///< and its line
    int parcel;       ///< the parcel named
    QString messageStart = QString(); ///< how the message begins, when it is not that of the area
};

std::vector<Case> cases()
{
    const QString huge = power(309);   // 1e308, the largest power of ten a coordinate can be
    const QString big = power(201);    // 1e200: each fits, their products do not
    const QString beyond = power(400); // beyond any number the program computes with
    const QStringList square = {"1 0 0", "2 0 10", "3 10 10", "4 10 0"};
    return {
        {"a contour file with 1e308", BatchContour,
         {{"a.art", QStringList{"Перша"} + square}, {"b.art", {"Друга", "1 0 0", "2 0 10", "3 " + huge + " 10", "4 10 0"}}},
         "b.art", 4, 2},
        {"a contour file with -1e308 after a terminator and a resume line", BatchContour,
         {{"a.art", {"Перша", "1 0 0", "2 0 10", "///", "l", "3 -" + huge + " 10", "4 10 0"}}},
         "a.art", 6, 1},
        {"a contour file whose area overflows", BatchContour,
         {{"a.art", {"Перша", "1 0 0", "2 0 " + big, "3 " + big + " " + big, "4 " + big + " 0"}}}, "a.art", 3, 1},
        {"a contour file with a code word and a number beyond any", BatchContour,
         {{"a.art", {"Перша", "1 межа 0 0", "2 межа 0 10", "3 межа " + beyond + " 10"}}}, "a.art", 4, 1,
         "Число поза межами допустимого: 1000"},
        {"a point list with 1e308", BatchPointList,
         {{"a.txt", square.mid(0, 2)}, {"b.txt", {"", "3 " + huge + " 10", "4 10 0"}}}, "b.txt", 2, 1},
        {"a point list whose area overflows", BatchPointList,
         {{"a.txt", {"1 0 0", "2 0 " + big, "3 " + big + " " + big, "4 " + big + " 0"}}}, "a.txt", 2, 1},
        {"exchange files read in batch, one with X=1e308", BatchIn4,
         {{"a.in4", {"SR=\"1\",", "NM=\"А\",", "N=1,NP=\"1\",X=0,Y=0", "N=2,NP=\"2\",X=0,Y=10"}},
          {"b.in4", {"SR=\"2\",", "NM=\"Б\",", "N=1,NP=\"1\",X=0,Y=0", "N=2,NP=\"2\",X=0,Y=10",
                     "N=3,NP=\"3\",X=1e308,Y=10"}}},
         "b.in4", 2, 2},
        {"an exchange file read in batch whose land-use area overflows", BatchIn4,
         {{"a.in4", {"SR=\"1\",", "NM=\"А\",", "N=1,NP=\"1\",X=0,Y=0", "N=2,NP=\"2\",X=0,Y=10",
                     "N=3,NP=\"3\",X=10,Y=10", "CN=\"001\",", "N=1,NP=\"1\",X=0,Y=0", "N=2,NP=\"2\",X=0,Y=1e200",
                     "N=3,NP=\"3\",X=1e200,Y=1e200"}}},
         "a.in4", 6, 1, "Площа угіддя 1 ділянки 1 не обчислюється: координати завеликі\n"},
    };
}

QString messageStart(const Case &c)
{
    return c.messageStart.isEmpty()
        ? QStringLiteral("Площа ділянки %1 не обчислюється: координати завеликі\n").arg(c.parcel)
        : c.messageStart;
}

} // namespace

TEST(ImportBatch, CoordinatesTooLargeForAnAreaAreRefusedByFileAndLine)
{
    for (const Case &c : cases()) {
        SCOPED_TRACE(c.what);
        const QString folder = testsupport::tempDir();
        QStringList names;
        for (const File &f : c.files) {
            writeDos(folder, QString::fromUtf8(f.name), f.lines);
            names << QString::fromUtf8(f.name);
        }
        try {
            const BatchImport import = ImportBatch(folder, names, c.mode);
            ADD_FAILURE() << "imported, area of parcel " << c.parcel << ": "
                          << import.Result.Parcels[std::min(c.parcel, import.Result.Parcels.UBound())].Area;
        } catch (const zova::Error &e) {
            EXPECT_TRUE((e.message() + QLatin1Char('\n')).startsWith(messageStart(c))) << e.message().toStdString();
            EXPECT_EQ(e.file(), QDir(folder).filePath(QString::fromUtf8(c.file)));
            EXPECT_EQ(e.line(), c.line);
        }
    }
}

// Large coordinates that still give an area are taken as they are: the check is of the area.
TEST(ImportBatch, LargeCoordinatesWithAnAreaAreImported)
{
    const QString folder = testsupport::tempDir();
    const QString x = power(151);
    writeDos(folder, QStringLiteral("a.art"), {"Перша", "1 0 0", "2 0 10", "3 " + x + " 10", "4 " + x + " 0"});
    const BatchImport import = ImportBatch(folder, {QStringLiteral("a.art")}, BatchContour);
    ASSERT_EQ(import.Result.Parcels.UBound(), 1);
    EXPECT_TRUE(std::isfinite(import.Result.Parcels[1].Area));
    EXPECT_DOUBLE_EQ(import.Result.Parcels[1].Area, 1e150 * 10);
}

// Through the dialog: the operator is told the file and its line, and the parcels of the file
// opened before stay, with their mark of changes not written.
TEST(BatchDialogTooLarge, TheParcelsLoadedBeforeStay)
{
    platform::NullProgress progress;
    for (const Case &c : cases()) {
        SCOPED_TRACE(c.what);
        resetState();
        auto scripted = std::make_unique<platform::ScriptedPrompts>();
        platform::ScriptedPrompts *prompts = scripted.get();
        auto previous = platform::setPrompts(std::move(scripted));
        CommitLoad(LoadExchangeFile(testsupport::sourcePath("samples/sofiivska-win.in4"), 2, progress),
                   QStringLiteral("sofiivska-win.in4"), 2);
        state().Modified = true;
        const ParcelList before = state().Parcels;
        const QString folder = testsupport::tempDir();
        for (const File &f : c.files)
            writeDos(folder, QString::fromUtf8(f.name), f.lines);

        state().BatchMode = static_cast<uint8_t>(c.mode);
        QStringList calls;
        BatchHooks hooks;
        hooks.RebuildMainTree = [&calls] { calls << QStringLiteral("rebuild"); };
        frmArt dialog(std::move(hooks));
        dialog.Dir1_Change(folder);
        dialog.Command1_Click();

        EXPECT_EQ(state().Parcels, before);
        EXPECT_TRUE(state().Modified);
        EXPECT_TRUE(calls.isEmpty());
        ASSERT_EQ(prompts->messages().size(), 1);
        const QString message = prompts->messages()[0];
        EXPECT_TRUE(message.startsWith(QStringLiteral("Файли не імпортовано.\n") + messageStart(c))) << message.toStdString();
        EXPECT_TRUE(message.endsWith(QStringLiteral("\nФайл: %1, рядок %2")
                                         .arg(QDir(QFileInfo(folder).absoluteFilePath()).filePath(QString::fromUtf8(c.file)))
                                         .arg(c.line)))
            << message.toStdString();
        platform::setPrompts(std::move(previous));
    }
    resetState();
}
