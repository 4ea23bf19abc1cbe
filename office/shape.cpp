#include "office/shape.h"

#include "office/document.h"
#include "office/document_p.h"
#include "office/error.h"
#include "office/oxml_p.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace office {

using oxml::isElement;

namespace shapes {

long long toEmu(double points)
{
    // Checked before converting: a length beyond the schema's coordinates (or no number at all)
    // has no EMU value, and llround of it none in long long either.
    if (!(std::abs(points) <= maxCoordinate / emuPerPoint))
        throw Error(QStringLiteral("Розмір або місце фігури (%1 пт) не можна записати в документ").arg(points));
    return std::llround(points * emuPerPoint);
}

Box pageBox(double left, double top, double width, double height)
{
    if (!(std::abs(left) <= MaxShapeOffset && std::abs(top) <= MaxShapeOffset))
        throw Error(QStringLiteral("Фігуру не можна розмістити на сторінці: її місце (%1; %2 пт) лежить надто далеко")
                        .arg(left)
                        .arg(top));
    return {toEmu(left), toEmu(top), toEmu(width), toEmu(height)};
}

namespace {

void setText(pugi::xml_node n, long long value)
{
    n.text().set(value);
}

void setAttr(pugi::xml_node n, const char *name, long long value)
{
    pugi::xml_attribute a = n.attribute(name);
    if (!a)
        a = n.append_attribute(name);
    a.set_value(value);
}

pugi::xml_node anchorOf(pugi::xml_node shape)
{
    return shape.parent().parent().parent(); // a:graphicData < a:graphic < wp:anchor
}

pugi::xml_node xfrmOf(pugi::xml_node shape)
{
    return isElement(shape, "wpg:wgp") ? shape.child("wpg:grpSpPr").child("a:xfrm") : shape.child("wps:spPr").child("a:xfrm");
}

} // namespace

bool isTopLevel(pugi::xml_node shape)
{
    return isElement(shape.parent(), "a:graphicData");
}

pugi::xml_node drawingOf(pugi::xml_node shape)
{
    return anchorOf(shape).parent();
}

pugi::xml_node newAnchor(DocumentData &doc, const char *uri, const QString &name)
{
    pugi::xml_node drawing = doc.shapes.append_child("w:drawing");
    pugi::xml_node anchor = drawing.append_child("wp:anchor");
    for (const char *a : {"distT", "distB", "distL", "distR"})
        anchor.append_attribute(a) = 0;
    anchor.append_attribute("simplePos") = 0;
    anchor.append_attribute("relativeHeight") = doc.nextZ++;
    anchor.append_attribute("behindDoc") = 0;
    anchor.append_attribute("locked") = 0;
    anchor.append_attribute("layoutInCell") = 1;
    anchor.append_attribute("allowOverlap") = 1;
    pugi::xml_node simple = anchor.append_child("wp:simplePos");
    simple.append_attribute("x") = 0;
    simple.append_attribute("y") = 0;
    for (const char *axis : {"wp:positionH", "wp:positionV"}) {
        pugi::xml_node pos = anchor.append_child(axis);
        pos.append_attribute("relativeFrom") = "page";
        pos.append_child("wp:posOffset");
    }
    pugi::xml_node extent = anchor.append_child("wp:extent");
    extent.append_attribute("cx");
    extent.append_attribute("cy");
    pugi::xml_node effect = anchor.append_child("wp:effectExtent");
    for (const char *a : {"l", "t", "r", "b"})
        effect.append_attribute(a) = 0;
    anchor.append_child("wp:wrapNone");
    pugi::xml_node docPr = anchor.append_child("wp:docPr");
    docPr.append_attribute("id") = doc.nextId++;
    docPr.append_attribute("name") = oxml::xmlSafe(name).toUtf8().constData();
    anchor.append_child("wp:cNvGraphicFramePr");
    pugi::xml_node graphic = anchor.append_child("a:graphic");
    pugi::xml_node data = graphic.append_child("a:graphicData");
    data.append_attribute("uri") = uri;
    return data;
}

Box boxOf(pugi::xml_node shape)
{
    Box b;
    if (isTopLevel(shape)) {
        pugi::xml_node anchor = anchorOf(shape);
        b.x = anchor.child("wp:positionH").child("wp:posOffset").text().as_llong();
        b.y = anchor.child("wp:positionV").child("wp:posOffset").text().as_llong();
        b.w = anchor.child("wp:extent").attribute("cx").as_llong();
        b.h = anchor.child("wp:extent").attribute("cy").as_llong();
    } else {
        pugi::xml_node xfrm = xfrmOf(shape);
        b.x = xfrm.child("a:off").attribute("x").as_llong();
        b.y = xfrm.child("a:off").attribute("y").as_llong();
        b.w = xfrm.child("a:ext").attribute("cx").as_llong();
        b.h = xfrm.child("a:ext").attribute("cy").as_llong();
    }
    // A document read from a file may hold anything; within the schema's range the sums of
    // places and sizes (unite) stay far inside long long.
    for (const long long v : {b.x, b.y, b.w, b.h})
        if (v < -maxCoordinate || v > maxCoordinate)
            throw Error(QStringLiteral("Фігура «%1» має місце або розмір поза межами, які допускає документ").arg(nameOf(shape)));
    return b;
}

void setBox(pugi::xml_node shape, const Box &box)
{
    Box b = box;
    if (isElement(shape, "wpg:wgp")) {
        // A group's child space must not be empty in either direction.
        b.w = std::max(b.w, 1LL);
        b.h = std::max(b.h, 1LL);
    }
    pugi::xml_node xfrm = xfrmOf(shape);
    pugi::xml_node off = xfrm.child("a:off"), ext = xfrm.child("a:ext");
    setAttr(ext, "cx", b.w);
    setAttr(ext, "cy", b.h);
    if (isTopLevel(shape)) {
        pugi::xml_node anchor = anchorOf(shape);
        setText(anchor.child("wp:positionH").child("wp:posOffset"), b.x);
        setText(anchor.child("wp:positionV").child("wp:posOffset"), b.y);
        setAttr(anchor.child("wp:extent"), "cx", b.w);
        setAttr(anchor.child("wp:extent"), "cy", b.h);
        setAttr(off, "x", 0);
        setAttr(off, "y", 0);
    } else {
        setAttr(off, "x", b.x);
        setAttr(off, "y", b.y);
    }
    if (isElement(shape, "wpg:wgp")) {
        // Members keep page coordinates: the child space is the group's own box.
        setAttr(xfrm.child("a:chOff"), "x", b.x);
        setAttr(xfrm.child("a:chOff"), "y", b.y);
        setAttr(xfrm.child("a:chExt"), "cx", b.w);
        setAttr(xfrm.child("a:chExt"), "cy", b.h);
    }
}

QString nameOf(pugi::xml_node shape)
{
    pugi::xml_node holder = isTopLevel(shape) ? anchorOf(shape).child("wp:docPr") : shape.child("wps:cNvPr");
    return QString::fromUtf8(holder.attribute("name").value());
}

} // namespace shapes

namespace {

using shapes::Box;

pugi::xml_node addXfrm(pugi::xml_node spPr, const Box &b)
{
    pugi::xml_node xfrm = spPr.append_child("a:xfrm");
    pugi::xml_node off = xfrm.append_child("a:off");
    off.append_attribute("x") = 0;
    off.append_attribute("y") = 0;
    pugi::xml_node ext = xfrm.append_child("a:ext");
    ext.append_attribute("cx") = b.w;
    ext.append_attribute("cy") = b.h;
    return xfrm;
}

void addGeometry(pugi::xml_node spPr, const char *preset)
{
    pugi::xml_node geom = spPr.append_child("a:prstGeom");
    geom.append_attribute("prst") = preset;
    geom.append_child("a:avLst");
}

void addBlackLine(pugi::xml_node spPr)
{
    pugi::xml_node ln = spPr.append_child("a:ln");
    ln.append_attribute("w") = 9525; // 0.75 pt
    ln.append_child("a:solidFill").append_child("a:srgbClr").append_attribute("val") = "000000";
    ln.append_child("a:prstDash").append_attribute("val") = "solid";
}

void addNoLine(pugi::xml_node spPr)
{
    spPr.append_child("a:ln").append_child("a:noFill");
}

void addBodyPr(pugi::xml_node wsp, bool textBox)
{
    pugi::xml_node body = wsp.append_child("wps:bodyPr");
    if (textBox) {
        body.append_attribute("rot") = 0;
        body.append_attribute("vert") = "horz";
        body.append_attribute("wrap") = "square";
        body.append_attribute("lIns") = 91440;
        body.append_attribute("tIns") = 45720;
        body.append_attribute("rIns") = 91440;
        body.append_attribute("bIns") = 45720;
        body.append_attribute("anchor") = "t";
        body.append_attribute("anchorCtr") = 0;
        body.append_child("a:noAutofit");
    }
}

struct DashName {
    int style;
    const char *preset;
    bool round;
};
// Word's line dash styles and the DrawingML presets Word writes for them.
constexpr DashName dashNames[] = {
    {1, "solid", false},   {2, "sysDash", false}, {3, "sysDot", true},  {4, "dash", false},
    {5, "dashDot", false}, {6, "lgDashDotDot", false}, {7, "lgDash", false}, {8, "lgDashDot", false},
};

const char *arrowType(int style)
{
    switch (style) {
    case 2: return "triangle";
    case 3: return "arrow";
    case 4: return "stealth";
    case 5: return "diamond";
    case 6: return "oval";
    default: return "none";
    }
}

const char *arrowSize(int size)
{
    return size <= 1 ? "sm" : size == 2 ? "med" : "lg";
}

pugi::xml_node lineOf(pugi::xml_node shape)
{
    pugi::xml_node ln = shape.child("wps:spPr").child("a:ln");
    if (!ln)
        throw Error(QStringLiteral("Фігура «%1» не має лінії").arg(shapes::nameOf(shape)));
    return ln;
}

// a:ln children in schema order: fill, dash, join, head, tail.
pugi::xml_node lnChild(pugi::xml_node ln, const char *name)
{
    return oxml::child(ln, name, {"a:noFill", "a:solidFill", "a:gradFill", "a:pattFill", "a:prstDash", "a:custDash",
                                  "a:round", "a:bevel", "a:miter", "a:headEnd", "a:tailEnd", "a:extLst"});
}

void setArrow(pugi::xml_node shape, const char *end, int style, int length, int width)
{
    pugi::xml_node head = lnChild(lineOf(shape), end);
    head.remove_attributes();
    head.append_attribute("type") = arrowType(style);
    head.append_attribute("w") = arrowSize(width);
    head.append_attribute("len") = arrowSize(length);
}

pugi::xml_node textContent(pugi::xml_node shape)
{
    pugi::xml_node content = shape.child("wps:txbx").child("w:txbxContent");
    if (!content)
        throw Error(QStringLiteral("Фігура «%1» не є написом").arg(shapes::nameOf(shape)));
    return content;
}

template <typename F> void forEachTextParagraph(pugi::xml_node shape, F &&f)
{
    for (pugi::xml_node p : textContent(shape).children("w:p"))
        f(p);
}

template <typename F> void forEachTextRunProperties(pugi::xml_node shape, F &&f)
{
    forEachTextParagraph(shape, [&](pugi::xml_node p) {
        f(oxml::markProperties(p));
        for (pugi::xml_node r : p.children("w:r"))
            f(oxml::runProperties(r));
    });
}

Box unite(const Box &a, const Box &b)
{
    const long long x1 = std::min(a.x, b.x), y1 = std::min(a.y, b.y);
    const long long x2 = std::max(a.x + a.w, b.x + b.w), y2 = std::max(a.y + a.h, b.y + b.h);
    return {x1, y1, x2 - x1, y2 - y1};
}

// Moves a top-level shape into a group: its name and id go from the anchor to the shape itself,
// and its position into its own transform.
void moveIntoGroup(pugi::xml_node group, pugi::xml_node shape)
{
    const Box box = shapes::boxOf(shape);
    pugi::xml_node drawing = shapes::drawingOf(shape);
    pugi::xml_node docPr = drawing.child("wp:anchor").child("wp:docPr");
    pugi::xml_node moved = group.append_move(shape);
    pugi::xml_node cNvPr = moved.prepend_child("wps:cNvPr");
    cNvPr.append_attribute("id") = docPr.attribute("id").as_uint();
    cNvPr.append_attribute("name") = docPr.attribute("name").value();
    shapes::setBox(moved, box);
    drawing.parent().remove_child(drawing);
}

} // namespace

Shape Document::AddLine(double x1, double y1, double x2, double y2)
{
    const Box box = shapes::pageBox(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
    pugi::xml_node data = shapes::newAnchor(*m_data, shapes::shapeUri, QStringLiteral("Line %1").arg(m_data->nextId));
    pugi::xml_node wsp = data.append_child("wps:wsp");
    wsp.append_child("wps:cNvSpPr");
    pugi::xml_node spPr = wsp.append_child("wps:spPr");
    pugi::xml_node xfrm = addXfrm(spPr, box);
    // The preset line runs from the box's top left to its bottom right; flips turn it so that
    // it starts at (x1, y1), where the begin arrowhead goes.
    if (x1 > x2)
        xfrm.prepend_attribute("flipH") = 1;
    if (y1 > y2)
        xfrm.append_attribute("flipV") = 1;
    addGeometry(spPr, "line");
    addBlackLine(spPr);
    addBodyPr(wsp, false);
    shapes::setBox(wsp, box);
    Shape shape(m_data.get(), wsp.internal_object());
    shape.SetBeginArrowhead(1, 1, 1);
    shape.SetEndArrowhead(1, 1, 1);
    return shape;
}

Shape Document::AddOval(double left, double top, double width, double height)
{
    const Box box = shapes::pageBox(left, top, width, height);
    pugi::xml_node data = shapes::newAnchor(*m_data, shapes::shapeUri, QStringLiteral("Oval %1").arg(m_data->nextId));
    pugi::xml_node wsp = data.append_child("wps:wsp");
    wsp.append_child("wps:cNvSpPr");
    pugi::xml_node spPr = wsp.append_child("wps:spPr");
    addXfrm(spPr, box);
    addGeometry(spPr, "ellipse");
    spPr.append_child("a:noFill");
    addBlackLine(spPr);
    addBodyPr(wsp, false);
    shapes::setBox(wsp, box);
    return Shape(m_data.get(), wsp.internal_object());
}

Shape Document::AddTextBox(double left, double top, double width, double height)
{
    const Box box = shapes::pageBox(left, top, width, height);
    pugi::xml_node data = shapes::newAnchor(*m_data, shapes::shapeUri, QStringLiteral("Text Box %1").arg(m_data->nextId));
    pugi::xml_node wsp = data.append_child("wps:wsp");
    wsp.append_child("wps:cNvSpPr").append_attribute("txBox") = 1;
    pugi::xml_node spPr = wsp.append_child("wps:spPr");
    addXfrm(spPr, box);
    addGeometry(spPr, "rect");
    spPr.append_child("a:noFill");
    addNoLine(spPr);
    wsp.append_child("wps:txbx").append_child("w:txbxContent").append_child("w:p");
    addBodyPr(wsp, true);
    shapes::setBox(wsp, box);
    return Shape(m_data.get(), wsp.internal_object());
}

namespace {

pugi::xml_node findTopLevel(DocumentData &doc, const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    for (pugi::xml_node drawing : doc.shapes.children("w:drawing"))
        if (utf8 == drawing.child("wp:anchor").child("wp:docPr").attribute("name").value())
            return drawing.child("wp:anchor").child("a:graphic").child("a:graphicData").first_child();
    return {};
}

} // namespace

Shape Document::Shapes(const QString &name)
{
    pugi::xml_node shape = findTopLevel(*m_data, name);
    if (!shape)
        throw Error(QStringLiteral("У документі немає фігури «%1»").arg(name));
    return Shape(m_data.get(), shape.internal_object());
}

bool Document::HasShape(const QString &name) const
{
    return bool(findTopLevel(*m_data, name));
}

Shape Document::Shapes(int index)
{
    int i = 0;
    for (pugi::xml_node drawing : m_data->shapes.children("w:drawing"))
        if (++i == index)
            return Shape(m_data.get(),
                         drawing.child("wp:anchor").child("a:graphic").child("a:graphicData").first_child().internal_object());
    throw Error(QStringLiteral("У документі немає фігури %1").arg(index));
}

int Document::ShapesCount() const
{
    int n = 0;
    for ([[maybe_unused]] pugi::xml_node d : m_data->shapes.children("w:drawing"))
        ++n;
    return n;
}

Shape Document::Group(const QStringList &names)
{
    std::vector<pugi::xml_node> members;
    for (const QString &name : names) {
        pugi::xml_node shape = findTopLevel(*m_data, name);
        if (!shape)
            throw Error(QStringLiteral("У документі немає фігури «%1»").arg(name));
        if (std::find(members.begin(), members.end(), shape) == members.end())
            members.push_back(shape);
    }
    if (members.size() < 2)
        throw Error(QStringLiteral("Для групи потрібно щонайменше дві різні фігури"));

    // An existing group takes the others in; otherwise a new group stands where the first
    // member stood in the drawing order.
    pugi::xml_node group;
    for (pugi::xml_node m : members)
        if (!group && isElement(m, "wpg:wgp"))
            group = m;
    Box box;
    if (group) {
        box = shapes::boxOf(group);
    } else {
        box = shapes::boxOf(members.front());
        pugi::xml_node data = shapes::newAnchor(*m_data, shapes::groupUri, QStringLiteral("Group %1").arg(m_data->nextId));
        pugi::xml_node drawing = data.parent().parent().parent(); // a:graphicData < a:graphic < wp:anchor < w:drawing
        m_data->shapes.insert_move_before(drawing, shapes::drawingOf(members.front()));
        group = data.append_child("wpg:wgp");
        group.append_child("wpg:cNvGrpSpPr");
        pugi::xml_node xfrm = group.append_child("wpg:grpSpPr").append_child("a:xfrm");
        for (const char *n : {"a:off", "a:ext", "a:chOff", "a:chExt"})
            xfrm.append_child(n);
    }
    for (pugi::xml_node m : members) {
        if (m == group)
            continue;
        box = unite(box, shapes::boxOf(m));
        if (isElement(m, "wpg:wgp")) {
            for (pugi::xml_node c = m.child("wpg:grpSpPr").next_sibling(); c;) {
                pugi::xml_node next = c.next_sibling();
                group.append_move(c);
                c = next;
            }
            pugi::xml_node drawing = shapes::drawingOf(m);
            drawing.parent().remove_child(drawing);
        } else {
            moveIntoGroup(group, m);
        }
    }
    shapes::setBox(group, box);
    return Shape(m_data.get(), group.internal_object());
}

Shape::Kind Shape::Type() const
{
    pugi::xml_node n(m_node);
    if (isElement(n, "wpg:wgp"))
        return Kind::Group;
    if (n.child("wps:txbx"))
        return Kind::TextBox;
    if (std::strcmp(n.child("wps:spPr").child("a:prstGeom").attribute("prst").value(), "line") == 0)
        return Kind::Line;
    return Kind::Oval;
}

QString Shape::Name() const
{
    return shapes::nameOf(pugi::xml_node(m_node));
}

void Shape::SetName(const QString &name)
{
    pugi::xml_node n(m_node);
    pugi::xml_node holder = shapes::isTopLevel(n) ? n.parent().parent().parent().child("wp:docPr") : n.child("wps:cNvPr");
    holder.attribute("name") = oxml::xmlSafe(name).toUtf8().constData();
}

QRectF Shape::Bounds() const
{
    const Box b = shapes::boxOf(pugi::xml_node(m_node));
    const double k = shapes::emuPerPoint;
    return QRectF(b.x / k, b.y / k, b.w / k, b.h / k);
}

QLineF Shape::Line() const
{
    pugi::xml_node xfrm = pugi::xml_node(m_node).child("wps:spPr").child("a:xfrm");
    const QRectF r = Bounds();
    const bool flipH = xfrm.attribute("flipH").as_bool(), flipV = xfrm.attribute("flipV").as_bool();
    return QLineF(flipH ? r.right() : r.left(), flipV ? r.bottom() : r.top(), flipH ? r.left() : r.right(),
                  flipV ? r.top() : r.bottom());
}

void Shape::SetHeight(double points)
{
    pugi::xml_node n(m_node);
    Box b = shapes::boxOf(n);
    b.h = shapes::toEmu(points);
    shapes::setBox(n, b);
}

void Shape::SetDashStyle(int style)
{
    pugi::xml_node ln = lineOf(pugi::xml_node(m_node));
    DashName dash = dashNames[0];
    for (const DashName &d : dashNames)
        if (d.style == style)
            dash = d;
    lnChild(ln, "a:prstDash").attribute("val") = dash.preset;
    ln.remove_attribute("cap");
    if (dash.round)
        ln.append_attribute("cap") = "rnd";
}

int Shape::DashStyle() const
{
    pugi::xml_node ln = lineOf(pugi::xml_node(m_node));
    const char *preset = ln.child("a:prstDash").attribute("val").value();
    for (const DashName &d : dashNames)
        if (std::strcmp(d.preset, preset) == 0)
            return d.style;
    return 1;
}

void Shape::SetWeight(double points)
{
    pugi::xml_node ln = lineOf(pugi::xml_node(m_node));
    ln.attribute("w") = shapes::toEmu(points);
}

double Shape::Weight() const
{
    return lineOf(pugi::xml_node(m_node)).attribute("w").as_llong() / shapes::emuPerPoint;
}

void Shape::SetBeginArrowhead(int style, int length, int width)
{
    setArrow(pugi::xml_node(m_node), "a:headEnd", style, length, width);
}

void Shape::SetEndArrowhead(int style, int length, int width)
{
    setArrow(pugi::xml_node(m_node), "a:tailEnd", style, length, width);
}

int Shape::EndArrowheadStyle() const
{
    const char *type = lineOf(pugi::xml_node(m_node)).child("a:tailEnd").attribute("type").value();
    for (int style = 2; style <= 6; ++style)
        if (std::strcmp(arrowType(style), type) == 0)
            return style;
    return 1;
}

void Shape::SetText(const QString &text)
{
    oxml::replaceParagraphs(textContent(pugi::xml_node(m_node)), text);
}

QString Shape::Text() const
{
    return oxml::textOf(textContent(pugi::xml_node(m_node)));
}

void Shape::SetFontSize(double points)
{
    forEachTextRunProperties(pugi::xml_node(m_node), [&](pugi::xml_node rPr) { oxml::setFontSize(rPr, points); });
}

double Shape::FontSize() const
{
    pugi::xml_node p = textContent(pugi::xml_node(m_node)).child("w:p");
    pugi::xml_node sz = p.child("w:r").child("w:rPr").child("w:sz");
    if (!sz)
        sz = p.child("w:pPr").child("w:rPr").child("w:sz");
    return sz.attribute("w:val").as_int() / 2.0;
}

void Shape::SetBold(bool bold)
{
    forEachTextRunProperties(pugi::xml_node(m_node), [&](pugi::xml_node rPr) {
        oxml::setToggle(rPr, "w:b", bold);
        oxml::setToggle(rPr, "w:bCs", bold);
    });
}

void Shape::SetAlignment(int alignment)
{
    static const char *const values[] = {"left", "center", "right", "both"};
    const char *value = values[alignment >= 0 && alignment <= 3 ? alignment : 0];
    forEachTextParagraph(pugi::xml_node(m_node), [&](pugi::xml_node p) {
        pugi::xml_node jc = oxml::pPrChild(oxml::paragraphProperties(p), "w:jc");
        jc.remove_attributes();
        jc.append_attribute("w:val") = value;
    });
}

void Shape::SetNoSpacing()
{
    forEachTextParagraph(pugi::xml_node(m_node), [&](pugi::xml_node p) {
        pugi::xml_node pPr = oxml::paragraphProperties(p);
        pugi::xml_node spacing = oxml::pPrChild(pPr, "w:spacing");
        spacing.remove_attributes();
        for (const char *a : {"w:before", "w:beforeAutospacing", "w:after", "w:afterAutospacing"})
            spacing.append_attribute(a) = 0;
        pugi::xml_node ind = oxml::pPrChild(pPr, "w:ind");
        ind.remove_attribute("w:hanging");
        ind.remove_attribute("w:firstLine");
        ind.append_attribute("w:firstLine") = 0;
    });
}

QStringList Shape::ItemNames() const
{
    QStringList names;
    pugi::xml_node n(m_node);
    if (isElement(n, "wpg:wgp"))
        for (pugi::xml_node c : n.children("wps:wsp"))
            names << QString::fromUtf8(c.child("wps:cNvPr").attribute("name").value());
    return names;
}

} // namespace office
