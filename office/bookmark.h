#pragma once

#include <QString>

namespace pugi {
struct xml_node_struct;
}

namespace office {

struct DocumentData;

/// A bookmark of a document, found by its name. Holds the bookmark's start node only; valid
/// while its document is open.
class Bookmark {
public:
    QString Name() const;
    /// Replaces the text of the bookmark's range; the bookmark then encloses the new text. A
    /// carriage return (or a line feed) starts a new paragraph with the paragraph properties of
    /// the bookmark's paragraph; blanks are kept; the text takes the character properties of the
    /// range's first run. Characters that XML does not allow are dropped.
    void SetText(const QString &text);
    /// The text of the range, paragraphs separated by a carriage return.
    QString Text() const;
    /// Sets the font name of the range (of the text written into it later when it is empty).
    void SetFontName(const QString &name);

private:
    friend class Document;
    Bookmark(DocumentData *doc, pugi::xml_node_struct *start) : m_doc(doc), m_start(start) {}
    DocumentData *m_doc;
    pugi::xml_node_struct *m_start;
};

} // namespace office
