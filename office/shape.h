#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace pugi {
struct xml_node_struct;
}

namespace office {

struct DocumentData;

/// How far from the page's top left, either way, a shape may stand, points: a shape's place is
/// written as a 32-bit number of EMU (12700 to the point).
inline constexpr double MaxShapeOffset = 2147483647.0 / 12700.0;

/// A drawing shape of a document: a line, an oval, a text box or a group. Positions and sizes
/// are page points, y growing downwards. Holds its XML node only; valid while its document is
/// open and until it is joined to a group (the group then stands for it).
class Shape {
public:
    enum class Kind { Line, Oval, TextBox, Group };

    Kind Type() const;
    QString Name() const;
    void SetName(const QString &name);
    /// The shape's box on the page, in points.
    QRectF Bounds() const;
    /// A line's start and end points on the page, in points (the box's corners for other kinds).
    QLineF Line() const;
    /// Sets the height of a text box (or any shape) to `points`, keeping its top.
    void SetHeight(double points);

    /// Line formatting (lines and ovals). Dash styles are Word's: 1 solid, 2 square dot,
    /// 3 round dot, 4 dash, 5 dash dot, 6 dash dot dot, 7 long dash, 8 long dash dot; others
    /// give a solid line.
    void SetDashStyle(int style);
    int DashStyle() const;
    /// Line weight in points.
    void SetWeight(double points);
    double Weight() const;
    /// Arrowheads at the start and the end of a line, in Word's numbers: style 1 none,
    /// 2 triangle, 3 open, 4 stealth, 5 diamond, 6 oval; length and width 1 short/narrow,
    /// 2 medium, 3 long/wide.
    void SetBeginArrowhead(int style, int length, int width);
    void SetEndArrowhead(int style, int length, int width);
    /// The arrowhead style at the end (1 for none).
    int EndArrowheadStyle() const;

    /// Text boxes: the text (a carriage return starts a paragraph), the font size in points,
    /// bold, the paragraph alignment (0 left, 1 centred, 2 right, 3 justified) and paragraphs
    /// without space before and after and without first-line indent. Formatting set before the
    /// text applies to the text written afterwards.
    void SetText(const QString &text);
    QString Text() const;
    void SetFontSize(double points);
    /// The font size of the text's first run (of its first paragraph's mark when it has no run),
    /// points; 0 when neither states one.
    double FontSize() const;
    void SetBold(bool bold);
    void SetAlignment(int alignment);
    void SetNoSpacing();

    /// Groups: the names of the shapes the group holds, in order.
    QStringList ItemNames() const;

private:
    friend class Document;
    Shape(DocumentData *doc, pugi::xml_node_struct *node) : m_doc(doc), m_node(node) {}
    DocumentData *m_doc;
    pugi::xml_node_struct *m_node; // wps:wsp or wpg:wgp
};

} // namespace office
