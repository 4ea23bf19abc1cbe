#include "model/forms/batchprint.h"

#include "office/error.h"
#include "office/wordapp.h"
#include "platform/desktop.h"

#include <QDir>
#include <algorithm>

namespace model {

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
        } catch (const zova::Error &) {
            report.Failed << name;
        }
    }
    return report;
}

} // namespace model
