#pragma once

// The state behind one open document. Private to office/.

#include "office/package_p.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <pugixml.hpp>
#include <vector>

namespace office {

/// A header or footer part of the document: its bookmarks are the document's too.
struct Story {
    QString part; // "word/footer1.xml"
    pugi::xml_document xml;
};

struct DocumentData {
    Package package;
    QString mainPart; // the main document part, "word/document.xml" in our templates
    pugi::xml_document xml;
    pugi::xml_node body;
    // The page-anchored shapes live in this run at the document's root while the document is
    // edited, so that paragraphs split by bookmarks never carry them away; saving puts the run
    // into the first paragraph of the body.
    pugi::xml_node shapes;
    std::vector<std::unique_ptr<Story>> stories; // headers and footers, in the order of the relationships
    unsigned nextId = 1;
    unsigned nextZ = 1;
    QString fullName;
    QByteArray savedContent; // the main part and the stories as last written, to tell whether they changed since

    /// Reads a template or document package; throws office::Error naming the path.
    static std::unique_ptr<DocumentData> load(const QString &path);
    /// The main part's XML with the shapes in place.
    QByteArray mainXml();
    /// The XML of the main part `main` and of the stories, to compare with what was saved.
    QByteArray contentXml(const QByteArray &main);
    /// The package bytes with `main` as the main part, the stories as they stand now and the
    /// document content type.
    QByteArray serialize(const QByteArray &main);
    /// The part that the main part's relationship of a type ending in `typeSuffix` ("/settings")
    /// names; empty when there is none.
    QString relatedPart(const char *typeSuffix) const;
};

namespace shapes {
constexpr const char *shapeUri = "http://schemas.microsoft.com/office/word/2010/wordprocessingShape";
constexpr const char *groupUri = "http://schemas.microsoft.com/office/word/2010/wordprocessingGroup";
constexpr double emuPerPoint = 12700.0;

/// The schema's bound of a coordinate or a length within a drawing (ST_Coordinate), EMU.
constexpr long long maxCoordinate = 27273042316900LL;

struct Box {
    long long x = 0, y = 0, w = 0, h = 0; // EMU
};

/// A new page anchor in the document's shape run; returns its a:graphicData.
pugi::xml_node newAnchor(DocumentData &doc, const char *uri, const QString &name);
bool isTopLevel(pugi::xml_node shape);
/// The w:drawing of a top-level shape.
pugi::xml_node drawingOf(pugi::xml_node shape);
Box boxOf(pugi::xml_node shape);
void setBox(pugi::xml_node shape, const Box &box);
QString nameOf(pugi::xml_node shape);
/// Points as EMU; throws office::Error for a value that is no number or lies beyond maxCoordinate.
long long toEmu(double points);
/// The box of a new shape at (left, top) on the page, EMU; throws office::Error when its place lies
/// beyond MaxShapeOffset (a 32-bit offset) or a size beyond maxCoordinate.
Box pageBox(double left, double top, double width, double height);
} // namespace shapes

} // namespace office
