#pragma once

#include <QString>

namespace platform {

/// The outside line converter that readers pass every line through. Ours hands each line back
/// unchanged; readers create one per file (or per batch run) and ask it for every line.
class LineConverter {
public:
    /// The line to store in place of the line read.
    QString Convert(const QString &line) const { return line; }
};

} // namespace platform
