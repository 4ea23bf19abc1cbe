#pragma once

class QLabel;

namespace platform {

/// Widens a word-wrapped label so that the longest run of its text that cannot be broken (a
/// folder name without blanks, say) fits on one line, up to three quarters of the screen's
/// width; a wrapped label would clip such a run. The width set in the form stays the least.
void fitLongestRun(QLabel *label);

} // namespace platform
