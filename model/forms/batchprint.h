#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace model {

/// A document a batch print could not print.
struct PrintFailure {
    QString Name;  ///< the file's name in the folder
    QString Cause; ///< why, as the print step gave it
};

/// What a batch print did.
struct BatchPrintReport {
    bool NoPrinter = false;           ///< nothing was tried: the print system has no printer
    QStringList Printed;              ///< names printed, in printing order
    std::vector<PrintFailure> Failed; ///< documents that could not be printed, in printing order

    /// The message that names every document not printed, one line each with its cause, under
    /// the count; empty when all were printed.
    QString FailureText() const;
};

/// Prints page `page` of every document `names` of `folder` (in the order given, or the last
/// first when not `ascending`), `copies` collated copies each, through the Word stand-in. A
/// document that cannot be printed is noted with its cause and the rest are printed all the same. When the print
/// system has no printer nothing is tried. `progress` is told each document before it is printed
/// (1-based position, count, name).
BatchPrintReport BatchPrintDocs(const QString &folder, const QStringList &names, bool ascending, int page,
                                int copies,
                                const std::function<void(int, int, const QString &)> &progress = {});

} // namespace model
