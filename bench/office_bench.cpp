// Filling and saving a document of plan size through office/: 20 bookmarks, a table of 100
// added rows and 300 shapes (100 sides and 100 vertex circles joined one by one into the
// drawing's group, 100 labels); and, as the reference a user waits for, LibreOffice turning one
// such document into a PDF.
#include "office/wordapp.h"
#include "platform/desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

const QString templatePath = QStringLiteral(ZOVA_PROGRAM_DIR "/Dots/test/officebench.dotx");
double officeMedianMs = 0;

QString fillAndSave(office::WordApp &app, const QString &name)
{
    office::Document &doc = app.Documents_Add(templatePath);
    for (int i = 1; i <= 20; ++i)
        doc.Bookmarks(QStringLiteral("b%1").arg(i)).SetText(QStringLiteral("Значення поля %1\rдругий рядок").arg(i));
    office::Table table = doc.Tables(1);
    table.SetFont(QStringLiteral("Times New Roman"), 10, false, false);
    for (int r = 0; r < 100; ++r) {
        table.Rows_Add();
        table.Cell(r + 3, 1).SetText(QString::number(r + 1));
        table.Cell(r + 3, 2).SetText(QStringLiteral("5512.%1").arg(r));
        table.Cell(r + 3, 3).SetText(QStringLiteral("3310.%1").arg(r));
        table.Cell(r + 3, 4).SetText(QStringLiteral("70.%1").arg(r));
    }
    const int n = 100;
    auto px = [](int i) { return 300 + 150 * std::cos(i * 2 * M_PI / 100); };
    auto py = [](int i) { return 500 + 150 * std::sin(i * 2 * M_PI / 100); };
    for (int i = 0; i < n; ++i) {
        office::Shape side = doc.AddLine(px(i), py(i), px(i + 1), py(i + 1));
        side.SetBeginArrowhead(1, 1, 1);
        side.SetEndArrowhead(1, 1, 1);
        side.SetDashStyle(1);
        side.SetWeight(1.5);
        side.SetName(i == 0 ? QStringLiteral("main") : QStringLiteral("new"));
        if (i > 0)
            doc.Group({QStringLiteral("main"), QStringLiteral("new")}).SetName(QStringLiteral("main"));
    }
    for (int i = 0; i < n; ++i) {
        office::Shape oval = doc.AddOval(px(i) - 1.5, py(i) - 1.5, 3, 3);
        oval.SetName(QStringLiteral("new"));
        doc.Group({QStringLiteral("main"), QStringLiteral("new")}).SetName(QStringLiteral("main"));
    }
    for (int i = 0; i < n; ++i) {
        office::Shape label = doc.AddTextBox(px(i) - 25, py(i) - 10, 40, 20);
        label.SetFontSize(8);
        label.SetAlignment(1);
        label.SetNoSpacing();
        label.SetText(QStringLiteral(" %1").arg(i + 1));
    }
    const QString path = doc.SaveAs(name);
    doc.Close();
    return path;
}

void BM_FillAndSavePlanSizedDocument(benchmark::State &state)
{
    QTemporaryDir dir;
    office::WordApp app;
    app.SetDefaultFolder(dir.path());
    std::vector<double> times;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        benchmark::DoNotOptimize(fillAndSave(app, QStringLiteral("plan")));
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    officeMedianMs = times[times.size() / 2];
    state.counters["median_ms"] = officeMedianMs;
}
BENCHMARK(BM_FillAndSavePlanSizedDocument)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_LibreOfficeConvertsItToPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    office::WordApp app;
    app.SetDefaultFolder(dir.path());
    const QString docx = fillAndSave(app, QStringLiteral("plan"));
    for (auto _ : state) {
        const QStringList command = platform::convertToPdfCommand(docx, dir.path(), dir.filePath(QStringLiteral("profile")));
        QProcess lo;
        lo.start(command.first(), command.mid(1));
        if (!lo.waitForFinished(180000) || lo.exitCode() != 0 || !QFileInfo::exists(dir.filePath(QStringLiteral("plan.pdf"))))
            state.SkipWithError("LibreOffice did not convert the document");
    }
    state.counters["office_median_ms"] = officeMedianMs;
}
// Once, in real time: the first start of a profile is part of what the user waits for.
BENCHMARK(BM_LibreOfficeConvertsItToPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
