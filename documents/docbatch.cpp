#include "documents/docbatch.h"

#include "common/error.h"
#include "documents/docparcel.h"
#include "documents/state.h"
#include "model/state.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <exception>

namespace documents {

int SelectedParcelCount()
{
    int count = 0;
    for (const model::Parcel &p : model::state().Parcels)
        count += p.Selected != 0 ? 1 : 0;
    return count;
}

void ForEachSelectedParcel(BatchReport &report, platform::ProgressSink &overall,
                           const std::function<void(int32_t)> &visit)
{
    report.Selected = SelectedParcelCount();
    overall.setRange(0, report.Selected);
    overall.setValue(0);

    const int32_t n = model::state().Parcels.UBound();
    int done = 0;
    for (int32_t index = 1; index <= n; ++index) {
        if (model::state().Parcels[index].Selected == 0)
            continue;
        ++done;
        overall.setValue(done);
        overall.setPhase(QStringLiteral("Загальний процес %1 з %2").arg(done).arg(report.Selected));
        visit(index);
    }
}

void TryParcel(BatchReport &report, int32_t index, const std::function<void()> &make)
{
    try {
        make();
    } catch (const zova::Error &e) {
        report.Failures.push_back({index, model::state().Parcels[index].Number, e.message()});
    } catch (const std::exception &e) {
        report.Failures.push_back({index, model::state().Parcels[index].Number, QString::fromLocal8Bit(e.what())});
    }
}

BatchReport RunDocumentBatch(office::WordApp &app, const PlanOptions &options, platform::ProgressSink &overall,
                             platform::ProgressSink &step)
{
    BatchReport report;
    DocumentSession session;
    State &st = state();
    if (IsBatchKind(options.Kind) || options.Kind == KindApprovalPlan)
        AskBeforeReplacingFiles(app, session.Names,
                                [&](int32_t index) { return DocumentBaseName(options.Kind, options.DsFlag, index); });
    ForEachSelectedParcel(report, overall, [&](int32_t index) {
        st.CurDocParcel = index;
        const model::Parcel &parcel = model::state().Parcels[index];
        step.setValue(0);
        // The scale is taken anew for each parcel, so an automatic choice does not carry over.
        int32_t scale = options.AutoScale ? 0 : options.Scale;
        TryParcel(report, index, [&] {
            PrepareDocParcel(index);
            DocumentResult result = MakeParcelDocument(app, options, scale, session, step);
            if (result.Fate != DocumentFate::None)
                report.Done.push_back(result);
            if (result.DrawingOutside)
                report.Outside.push_back({index, parcel.Number, result.Scale});
            if (!result.Problems.isEmpty())
                report.Remarks.push_back({index, parcel.Number, result.Problems});
        });
    });
    st.CurDocParcel = model::state().Parcels.UBound() + 1;
    return report;
}

bool BatchReport::AnyNotOpened() const
{
    return std::any_of(Done.begin(), Done.end(), [](const DocumentResult &r) { return r.Fate == DocumentFate::NotOpened; });
}

QString BatchReport::Summary() const
{
    int saved = 0, printed = 0, opened = 0, left = 0;
    QStringList folders, notOpened;
    for (const DocumentResult &r : Done) {
        switch (r.Fate) {
        case DocumentFate::Saved: ++saved; break;
        case DocumentFate::Printed: ++printed; break;
        case DocumentFate::Opened: ++opened; break;
        case DocumentFate::NotOpened: notOpened << r.Path; break;
        case DocumentFate::Left: ++left; break;
        case DocumentFate::None: break;
        }
        if (!r.Path.isEmpty()) {
            const QString folder = QDir::toNativeSeparators(QFileInfo(r.Path).absolutePath());
            if (!folders.contains(folder))
                folders << folder;
        }
    }
    QStringList lines;
    if (saved > 0)
        lines << QStringLiteral("Збережено документів: %1").arg(saved);
    if (printed > 0)
        lines << QStringLiteral("Збережено й надіслано до друку: %1").arg(printed);
    if (opened > 0)
        lines << QStringLiteral("Відкрито документів: %1").arg(opened);
    lines << NotOpenedLines(notOpened);
    if (left > 0)
        lines << QStringLiteral("Залишено відкритими без збереження: %1").arg(left);
    if (!folders.isEmpty())
        lines << QStringLiteral("Каталог: ") + folders.join(QStringLiteral(", "));
    if (Done.empty())
        lines << QStringLiteral("Жодного документа не зроблено.");
    if (!Outside.empty()) {
        lines << QStringLiteral("Креслення виходить за межі свого поля на аркуші (%1):").arg(Outside.size());
        for (const OutsideDrawing &o : Outside)
            lines << QStringLiteral("№ %1 (%2): у масштабі 1:%3").arg(o.Number).arg(o.ParcelIndex).arg(o.Scale);
    }
    if (!Remarks.empty()) {
        lines << QStringLiteral("Документи зроблено із зауваженнями (%1):").arg(Remarks.size());
        for (const DocumentRemarks &r : Remarks)
            lines << QStringLiteral("№ %1 (%2): %3").arg(r.Number).arg(r.ParcelIndex).arg(r.Problems.join(QStringLiteral("; ")));
    }
    if (!Failures.empty()) {
        lines << QStringLiteral("Не вдалося зробити документи для ділянок (%1):").arg(Failures.size());
        for (const BatchFailure &f : Failures)
            lines << QStringLiteral("№ %1 (%2): %3").arg(f.Number).arg(f.ParcelIndex).arg(f.Reason);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace documents
