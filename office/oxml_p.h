#pragma once

// Element helpers over pugixml for WordprocessingML: children found or created in schema order,
// and the one rule that turns a text into paragraphs and runs. Private to office/.

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <pugixml.hpp>

namespace office::oxml {

/// The child `name` of `parent`, created when missing before the first child that comes later
/// in `order` (the schema's sequence of the parent's children).
pugi::xml_node child(pugi::xml_node parent, const char *name, std::initializer_list<const char *> order);

/// w:pPr of a paragraph and w:rPr of a run, created when missing.
pugi::xml_node paragraphProperties(pugi::xml_node p);
pugi::xml_node runProperties(pugi::xml_node r);
/// w:rPr inside w:pPr (the paragraph mark's character properties), created when missing.
pugi::xml_node markProperties(pugi::xml_node p);
/// A child of w:pPr or w:rPr in schema order.
pugi::xml_node pPrChild(pugi::xml_node pPr, const char *name);
pugi::xml_node rPrChild(pugi::xml_node rPr, const char *name);

/// Drops the characters that XML 1.0 does not allow (control characters other than tab, line
/// feed and carriage return, unpaired surrogates, U+FFFE and U+FFFF).
QString xmlSafe(const QString &text);

/// Splits a text into paragraph texts: a carriage return, a line feed or the pair of them ends
/// a paragraph. Blanks are kept as they stand. An empty text gives one empty paragraph.
QStringList paragraphTexts(const QString &text);

/// Inserts the runs of one paragraph text before `before` (appends when it is null), each with
/// a copy of `rPr` (none when it is null). A tab becomes w:tab and a vertical tab a line break.
void insertRuns(pugi::xml_node paragraph, pugi::xml_node before, const QString &line, pugi::xml_node rPr);

/// The first descendant element named `name` in document order; null when there is none.
pugi::xml_node firstDescendant(pugi::xml_node node, const char *name);

/// The character properties that new text in `p` should carry: those of its first run, else of
/// its paragraph mark; null when it has neither.
pugi::xml_node firstRunProperties(pugi::xml_node container);

/// Replaces the paragraphs of a cell or a text box (`container`) by the paragraphs of `text`.
/// Every new paragraph takes the paragraph properties of the old first one and the character
/// properties of its first run. Children named `keep` (w:tcPr of a cell) stay in place.
void replaceParagraphs(pugi::xml_node container, const QString &text, const char *keep = nullptr);

/// The text of the runs under `node` in document order, paragraphs joined by a carriage return.
QString textOf(pugi::xml_node node);

/// Sets the four font slots of a w:rPr to `name`.
void setFontName(pugi::xml_node rPr, const QString &name);
/// Sets a toggle property (w:b, w:i, ...) on or off.
void setToggle(pugi::xml_node rPr, const char *name, bool on);
/// Sets w:sz and w:szCs to `points`, kept in half-points.
void setFontSize(pugi::xml_node rPr, double points);

bool isElement(pugi::xml_node n, const char *name);

} // namespace office::oxml
