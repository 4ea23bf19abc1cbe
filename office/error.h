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

} // namespace office
