#include "model/forms/batchprint.h"

#include "office/error.h"
#include "office/wordapp.h"
#include "platform/desktop.h"

#include <QDir>
#include <algorithm>

namespace model {

QString BatchPrintReport::FailureText() const
{
    if (Failed.empty())
        return QString();
    QStringList lines{QStringLiteral("Не вдалося надрукувати документи (%1 з %2):")
                          .arg(Failed.size())
                          .arg(Failed.size() + size_t(Printed.size()))};
    for (const PrintFailure &f : Failed)
        lines << f.Name + QStringLiteral(" — ") + f.Cause;
    return lines.join(QLatin1Char('\n'));
}

BatchPrintReport BatchPrintDocs(const QString &folder, const QStringList &names, bool ascending, int page,
                                int copies, const std::function<void(int, int, const QString &)> &progress)
{
    BatchPrintReport report;
    if (names.isEmpty())
        return report;
    // Asked once: without a printer every document would fail alike.
    if (!platform::desktop().hasPrinter()) {
        report.NoPrinter = true;
        return report;
    }
    QStringList order = names;
    if (!ascending)
        std::reverse(order.begin(), order.end());

    const QDir dir(folder);
    const QString pages = QString::number(page);
    office::WordApp word;
    for (int i = 0; i < order.size(); ++i) {
        const QString &name = order[i];
        if (progress)
            progress(i + 1, int(order.size()), name);
        try {
            word.PrintOut(dir.filePath(name), pages, copies);
            report.Printed << name;
        } catch (const office::PrintError &e) {
            report.Failed.push_back({name, e.cause()});
        } catch (const zova::Error &e) {
            report.Failed.push_back({name, e.message()});
        }
    }
    return report;
}

} // namespace model
