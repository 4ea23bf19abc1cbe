#pragma once

#include "draw/export.h"

#include <QString>
#include <stdexcept>

namespace draw {

/// The run-time error numbers the library fails with, so callers can tell the failures apart.
enum ErrorNumber : int {
    InvalidCall = 5,     ///< invalid procedure call or argument: a position outside a collection
    Overflow = 6,        ///< a value outside the range of its integer type
    DivisionByZero = 11, ///< a zero extent while fitting the drawing
    TypeMismatch = 13,   ///< a value that is not a colour number
    ObjectNotSet = 91,   ///< an object reference that was never set
};

/// A failed call of the library: the error number and its description (Ukrainian).
class DRAW_EXPORT DrawError : public std::runtime_error {
public:
    DrawError(int number, const QString &description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
    {
    }

    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

} // namespace draw
