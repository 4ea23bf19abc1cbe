#pragma once

#include <QApplication>

namespace platform {

/// Shows the wait cursor for as long as it lives; long commands hold one, so the pointer comes
/// back on every way out, errors included.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace platform
