#pragma once

#include "model/parcel.h"

#include <QString>
#include <cstdint>

#include <memory>

namespace draw {
class DrawObjColl;
class Window;
}

namespace mainwindow {

/// Fill of a parcel and of a land-use area, and of the point markers: RGB values as the drawing
/// library takes them (R + 256 G + 65536 B).
constexpr int32_t ParcelFill = 142 + 256 * 193 + 65536 * 241;
constexpr int32_t LandUseFill = 97 + 256 * 233 + 65536 * 196;
constexpr int32_t MarkerFill = 255 + 256 * 255 + 65536 * 255;

/// Draws one parcel, then each of its land-use areas over it, into the window, fitted to it, with
/// white point markers framed black. A new drawing collection is made for the call and released at
/// its end. Throws zova::Error when the drawing library cannot be created and draw::DrawError
/// when the polygons cannot be fitted (no first point, all points on one line).
void DrawParcel(const model::Parcel &parcel, draw::Window &window);

/// Draws every parcel 1..n, each followed by its land-use areas, into the window at one common
/// fit, without point markers, and returns the collection so that the same drawing can be fitted
/// again to a new size. Failures as DrawParcel; with no parcels the fit fails before anything is
/// painted.
std::shared_ptr<draw::DrawObjColl> DrawAllParcels(const model::ParcelList &parcels, draw::Window &window);

/// An area for the screen: square metres as "0.00" followed by " кв.м." when unit is 0, hectares
/// (the area divided by 10000) as "0.0000" followed by " га." otherwise; the system's separator.
QString AreaText(double squareMetres, uint8_t unit);

} // namespace mainwindow
