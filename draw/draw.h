#pragma once

// The drawing library's object model, the type library "Lumivec": a set of polygons in real
// coordinates (metres) that is fitted into a window, painted there as filled and framed regions with
// optional point markers, and hit-tested.
//
// The main program links nothing of the library by name but CreateObject(): it creates a
// DrawObjColl by its ProgID, adds one Draw per polygon, adds the real points through the Draw's
// pointsR, sets the colours and calls DrawPict with its picture box (a draw::Window).
//
// Objects are reference counted (std::shared_ptr): a collection keeps its own reference to what it
// holds, so a caller may drop the reference that Add returned at once. Collections are 1-based.
// Properties read as Name() and are assigned with Name(value); an object property is assigned with
// the same form, taking a reference. Every failure throws draw::DrawError with its error number.
//
// Class and interface identifiers, kept for reference (each interface is the class name with a
// leading underscore):
//   Draw        class {528FE150-BC47-46F6-9776-8019ED16B084}  interface {EA605BA3-959A-413D-AC63-548954242AC5}
//   DrawObjColl class {4DDA3477-4E84-4867-A3E0-3490BDF48779}  interface {B3C75E2E-1D34-4DDE-A40C-746130AF5B76}
//   PointR      class {9FE46D4F-21C6-4A6F-89A3-9CE4A3A44BEC}  interface {CB773D1D-51F6-44EE-8042-1EAC30D6890F}
//   PointRColl  class {E6EF1595-278F-4877-829D-0AD939DFB198}  interface {A69FAD3C-A20F-474C-9498-574368689B85}
//   PointP      class {38A7AB53-2EE5-4F0E-9DE2-E63C11404989}  interface {1BFDCAF4-7522-4186-9410-A0D9DDEF18F7}
//   PointPColl  class {AF0295BC-A95E-4D83-A799-77222F638B4E}  interface {91F7C8D8-8EFA-4AC3-A5BD-2131863DB56A}
//   MColor      class {DD24B962-7F5E-44EE-9172-68934149BF24}  interface {A7B73B97-5C85-46B8-93AA-81F1252BE785}
//   PoligonBorderColor (enumeration)                          type    {E20A5691-F8FC-44F8-999E-4C1D06D3177A}
// The virtual members of each interface are declared in the order of its operations; the comment
// on each gives its dispatch identifier.

#include "draw/drawerror.h"
#include "draw/export.h"

#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <vector>

namespace draw {

class Window;

/// Colour indexes into the 16-colour palette (QBColor); Red is (128, 0, 0), Light_Red (255, 0, 0).
enum PoligonBorderColor : int32_t {
    Black = 0,
    Blue = 1,
    Green = 2,
    Cyan = 3,
    Red = 4,
    Magenta = 5,
    Yellow = 6,
    White = 7,
    Gray = 8,
    Light_Blue = 9,
    Light_Green = 10,
    Light_Cyan = 11,
    Light_Red = 12,
    Light_Magenta = 13,
    Light_Yellow = 14,
    Bright_White = 15,
};

/// The base of every object of the library.
class DRAW_EXPORT Object {
public:
    virtual ~Object() = default;
};

/// A value that is empty, a plain value (an RGB number is expected) or an object reference.
class Variant {
public:
    Variant() = default;
    explicit Variant(const QVariant &value) : m_value(value) {}
    explicit Variant(std::shared_ptr<Object> object) : m_object(std::move(object)), m_isObject(true) {}

    bool isEmpty() const { return !m_isObject && !m_value.isValid(); }
    bool isObject() const { return m_isObject; }
    /// The plain value; invalid when the variant is empty or holds an object.
    QVariant value() const { return m_value; }
    /// The object reference; null unless the variant holds an object.
    std::shared_ptr<Object> object() const { return m_object; }

private:
    QVariant m_value;
    std::shared_ptr<Object> m_object;
    bool m_isObject = false;
};

/// One real point: X northing, Y easting, metres.
class DRAW_EXPORT PointR : public Object {
public:
    virtual void Y(double value) = 0; // 0x68030001
    virtual double Y() const = 0;
    virtual void X(double value) = 0; // 0x68030000
    virtual double X() const = 0;
};

/// One window point: X pixels to the right, Y pixels downwards.
class DRAW_EXPORT PointP : public Object {
public:
    virtual void Y(int32_t value) = 0; // 0x68030001
    virtual int32_t Y() const = 0;
    virtual void X(int32_t value) = 0; // 0x68030000
    virtual int32_t X() const = 0;
};

/// The ordered, 1-based collection of real points. A position (a number) outside 1..Count(), and
/// any key, fail with error 5.
class DRAW_EXPORT PointRColl : public Object {
public:
    /// Creates a point, sets X and then Y, appends it and returns it.
    virtual std::shared_ptr<PointR> Add(double X, double Y) = 0;              // 0x60030001
    virtual std::shared_ptr<PointR> Item(const QVariant &vntIndexKey) const = 0; // 0 (default)
    virtual int32_t Count() const = 0;                                         // 0x68030000
    virtual void Remove(const QVariant &vntIndexKey) = 0;                     // 0x60030002
    /// The elements in order, for iterating.
    virtual std::vector<std::shared_ptr<PointR>> NewEnum() const = 0;         // -4
};

/// The ordered, 1-based collection of window points; as PointRColl.
class DRAW_EXPORT PointPColl : public Object {
public:
    virtual std::shared_ptr<PointP> Add(int32_t X, int32_t Y) = 0;
    virtual std::shared_ptr<PointP> Item(const QVariant &vntIndexKey) const = 0;
    virtual int32_t Count() const = 0;
    virtual void Remove(const QVariant &vntIndexKey) = 0;
    virtual std::vector<std::shared_ptr<PointP>> NewEnum() const = 0;
};

/// One polygon to draw. A new Draw has every number 0, both point collections unset (a Draw made by
/// DrawObjColl::Add gets two new empty ones) and SelectedColor empty.
class DRAW_EXPORT Draw : public Object {
public:
    /// The fill the hit test uses on alternate calls (an RGB value is expected).
    virtual void SelectedColor(const QVariant &value) = 0;                 // 0x68030008 let
    virtual void SelectedColorObject(std::shared_ptr<Object> object) = 0; // 0x68030008 set
    virtual Variant SelectedColor() const = 0;                             // 0x68030008 get
    /// Palette index (0..15) of the point markers' frames.
    virtual void PointBorderColor(uint8_t value) = 0; // 0x68030007
    virtual uint8_t PointBorderColor() const = 0;
    /// RGB fill of the point markers.
    virtual void PointFillColor(int32_t value) = 0; // 0x68030006
    virtual int32_t PointFillColor() const = 0;
    /// Returns R + 256 G + 65536 B and stores nothing; error 6 when that leaves 32 bits.
    virtual int32_t SetFillColor(int16_t R, int16_t G, int16_t B) = 0; // 0x60030009
    /// RGB fill of the polygon.
    virtual void FillColor(int32_t value) = 0; // 0x68030005
    virtual int32_t FillColor() const = 0;
    /// Palette index (0..15) of the polygon's frame.
    virtual void BorderColors(uint8_t value) = 0; // 0x68030004
    virtual uint8_t BorderColors() const = 0;
    /// Window points; filled by the fit.
    virtual void pointsP(std::shared_ptr<PointPColl> points) = 0; // 0x68030003
    virtual std::shared_ptr<PointPColl> pointsP() const = 0;
    /// Real points, metres.
    virtual void pointsR(std::shared_ptr<PointRColl> points) = 0; // 0x68030002
    virtual std::shared_ptr<PointRColl> pointsR() const = 0;
    /// Handle of the region of the polygon as last painted, 0 before the first paint. The Draw owns
    /// the region: it is deleted when the library replaces it and when the Draw is destroyed.
    virtual void RegId(int32_t value) = 0; // 0x68030001
    virtual int32_t RegId() const = 0;
    /// Free identifier for the caller; the library never reads it.
    virtual void ObjId(int32_t value) = 0; // 0x68030000
    virtual int32_t ObjId() const = 0;
    /// Returns the palette index as a byte and stores nothing; error 6 outside 0..255.
    virtual uint8_t SetBorderColor(PoligonBorderColor BColor) = 0; // 0x6003000a
};

/// The ordered, 1-based collection of Draw objects with the fit, the paint and the hit test.
class DRAW_EXPORT DrawObjColl : public Object {
public:
    /// Finds the polygon under the window position (pixels in the client area; the last painted
    /// wins where they overlap) and repaints it, alternately with its FillColor and its
    /// SelectedColor. Returns false.
    virtual bool GetSelected(Window &window, int32_t mouseX, int32_t mouseY) = 0; // 0x60030001
    /// Fits every polygon into the window and paints them, and the point markers when ShowPoint.
    /// Returns false. On failure (error 5 for no first point, 11 for a zero extent, 6 for
    /// overflow) nothing has been painted and no window point stored.
    virtual bool DrawPict(Window &window, bool ShowPoint) = 0; // 0x60030002
    /// Creates a Draw with two new empty point collections, appends it and returns it.
    virtual std::shared_ptr<Draw> Add() = 0;                                 // 0x60030005
    virtual std::shared_ptr<Draw> Item(const QVariant &vntIndexKey) const = 0; // 0 (default)
    virtual int32_t Count() const = 0;                                       // 0x68030000
    virtual void Remove(const QVariant &vntIndexKey) = 0;                   // 0x60030006
    virtual std::vector<std::shared_ptr<Draw>> NewEnum() const = 0;         // -4
};

/// The carrier of the enumeration PoligonBorderColor; no members.
class DRAW_EXPORT MColor : public Object {
};

/// The class factory: creates an object by its ProgID ("Lumivec.Draw", "Lumivec.DrawObjColl",
/// "Lumivec.PointR", "Lumivec.PointRColl", "Lumivec.PointP", "Lumivec.PointPColl",
/// "Lumivec.MColor") or by its class identifier in braces. Returns null for any other name.
DRAW_EXPORT std::shared_ptr<Object> CreateObject(const QString &progId);

/// CreateObject cast to the interface the caller expects; null when the name is unknown or names
/// another class.
template <typename T>
std::shared_ptr<T> Create(const QString &progId)
{
    return std::dynamic_pointer_cast<T>(CreateObject(progId));
}

/// The number of region handles the library holds at the moment (for leak checks).
DRAW_EXPORT int LiveRegionCount();

} // namespace draw
