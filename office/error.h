#pragma once

#include "common/error.h"

namespace office {

/// A failure of the document layer: a missing or broken template, a bookmark, table, cell or
/// shape that the document does not hold, a file that cannot be written. The message is
/// Ukrainian and names the file, bookmark or table concerned.
class Error : public zova::Error {
public:
    using zova::Error::Error;
};

/// A document that could not be printed: the message names the file and why, cause() is why
/// alone ("у документі немає сторінки 4 (сторінок у ньому: 3)").
class PrintError : public Error {
public:
    PrintError(const QString &file, const QString &cause)
        : Error(QStringLiteral("Неможливо надрукувати документ: %1 (%2)").arg(file, cause), file), m_cause(cause)
    {
    }
    QString cause() const { return m_cause; }

private:
    QString m_cause;
};

} // namespace office
