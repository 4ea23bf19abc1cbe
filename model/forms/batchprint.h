#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace model {

/// What a batch print did.
struct BatchPrintReport {
    bool NoPrinter = false; ///< nothing was tried: the print system has no printer
    QStringList Printed;    ///< names printed, in printing order
    QStringList Failed;     ///< names that could not be printed, in printing order
};

/// Prints page `page` of every document `names` of `folder` (in the order given, or the last
/// first when not `ascending`), `copies` collated copies each, through the Word stand-in. A
/// document that cannot be printed is noted and the rest are printed all the same. When the print
/// system has no printer nothing is tried. `progress` is told each document before it is printed
/// (1-based position, count, name).
BatchPrintReport BatchPrintDocs(const QString &folder, const QStringList &names, bool ascending, int page,
                                int copies,
                                const std::function<void(int, int, const QString &)> &progress = {});

} // namespace model
