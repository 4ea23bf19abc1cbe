#pragma once

#include <cstdint>
#include <vector>

namespace draw::detail {

/// A real point: X northing, Y easting, metres.
struct RealPoint {
    double X;
    double Y;
};

/// A window point: X pixels to the right, Y pixels downwards.
struct WindowPoint {
    int32_t X;
    int32_t Y;
};

/// Fits the real points of every object (objects in collection order) into a window of W x H
/// pixels: north up, east to the right, one scale for both axes, centred with a margin. Returns the
/// window points of each object; an object without real points gets none. Fails with error 5 when
/// the first object has no point, 11 for a zero extent on either axis and 6 when a value leaves
/// 32 bits; nothing is returned then.
std::vector<std::vector<WindowPoint>> FitPoints(const std::vector<std::vector<RealPoint>> &real,
                                                int32_t W, int32_t H);

} // namespace draw::detail
