#pragma once

namespace zova {
class Error;
}

namespace reference {

/// Tells the operator that a change was not stored in the reference database, and why. The
/// dialog that tried keeps its values, so the operator can try again.
void TellNotStored(const zova::Error &error);
/// Tells the operator that the reference database could not be read, and why.
void TellNotRead(const zova::Error &error);

} // namespace reference
