#pragma once

#include "office/document.h"

#include <QRectF>
#include <QString>

namespace documents {

/// The names of the page regions a template states in its document variables, each as
/// "x y width height" in points from the sheet's top left.
inline constexpr const char *FrameVariable = "Frame";
inline constexpr const char *DrawingRegionVariable = "DrawingRegion";
inline constexpr const char *TitleBlockVariable = "TitleBlock";
/// The region of a second drawing on the same sheet (the new state act's second parcel).
inline constexpr const char *SecondDrawingRegionVariable = "DrawingRegion2";
/// The name of the north arrow a template may carry in a corner of its drawing region.
inline constexpr const char *NorthArrowShape = "NorthArrow";

/// The region the template names in its document variable `name`; an empty rectangle when it
/// names none or the value is not four numbers.
QRectF TemplateRegion(const office::Document &doc, const QString &name);

/// Whether a drawing that covers `extent` (page points) stays inside the template's region named
/// by the variable `region` and clear of its north arrow; true when the template names no such
/// region.
bool DrawingFitsTemplate(office::Document &doc, const QRectF &extent, const char *region = DrawingRegionVariable);

} // namespace documents
