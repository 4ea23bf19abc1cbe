#pragma once

// Small helpers shared by the library's objects: failures with their numbers, rounding, the
// palette and the reading of positions and colour values.

#include "draw/draw.h"

#include <QColor>
#include <cstdint>

namespace draw::detail {

/// Throws DrawError with the number and its standard description.
[[noreturn]] void Fail(int number);

/// Rounds to the nearest 32-bit integer, halves to the even neighbour; error 6 outside the range.
int32_t Round32(double value);

/// The colour of a palette index 0..15; error 5 for any other index.
QColor PaletteColor(int index);

/// The 1-based position a collection argument names; error 5 when it is not a number or lies
/// outside 1..count (the collections use no keys, so every text misses).
int PositionOf(const QVariant &indexKey, int count);

/// The RGB number a variant holds: 0 when empty; error 13 for an object or a text that is not a
/// number, error 6 when it leaves 32 bits.
int32_t ColorNumber(const Variant &value);

} // namespace draw::detail
