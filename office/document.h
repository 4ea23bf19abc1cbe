#pragma once

#include "office/bookmark.h"
#include "office/shape.h"
#include "office/table.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace office {

class WordApp;

/// One open Word document: made from a template (WordApp::Documents_Add) or opened from a file
/// (WordApp::Documents_Open). Its bookmarks, tables and shapes are proxies over the document's
/// XML, valid while the document is open.
class Document {
public:
    ~Document();
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;

    /// The bookmark `name`, matched without regard to letter case as Word does, in the body and
    /// then in the headers and footers; throws office::Error naming it when the document has
    /// none of that name.
    Bookmark Bookmarks(const QString &name);
    bool HasBookmark(const QString &name) const;
    QStringList BookmarkNames() const;

    /// The table `index` (from 1) among the top-level tables of the body; throws office::Error
    /// when there is no such table.
    Table Tables(int index);
    int TablesCount() const;

    /// Shapes on the first page, positioned relative to the page in points (y down).
    /// A line from (x1, y1) to (x2, y2): solid, 0.75 pt, black, no arrowheads.
    Shape AddLine(double x1, double y1, double x2, double y2);
    /// An oval in the box: no fill, a 0.75 pt black line.
    Shape AddOval(double left, double top, double width, double height);
    /// A text box: no fill, no line, empty text.
    Shape AddTextBox(double left, double top, double width, double height);
    /// The top-level shape (not inside a group) named `name`; the first added when several
    /// share it; throws office::Error when there is none.
    Shape Shapes(const QString &name);
    bool HasShape(const QString &name) const;
    /// The top-level shape `index` (from 1, in the order the shapes were added); throws
    /// office::Error when there is no such shape.
    Shape Shapes(int index);
    /// Top-level shapes and groups.
    int ShapesCount() const;
    /// Groups the top-level shapes named `names` (at least two) into one group and returns it.
    /// Members that are groups give their shapes to the new group, so groups never nest; the
    /// result keeps the name of the first such group until renamed. Throws office::Error when a
    /// name is not found.
    Shape Group(const QStringList &names);

    /// The value of the document variable `name` (w:docVar of the settings part), as a template
    /// carries it; empty when there is none.
    QString Variables(const QString &name) const;

    /// The text of the body, paragraphs separated by a carriage return (tables included).
    QString Text() const;

    /// Saves the document as a .docx: ".docx" is added to a name without it (a ".doc" becomes
    /// ".docx"); a relative name goes into the application's default folder. Written through a
    /// temporary file renamed over the target. Returns the full path; throws office::Error.
    QString SaveAs(const QString &fileName);
    /// Saves the document as SaveAs does, but never in place of a file: under the name while no
    /// file has it, otherwise under the first free " (2)", " (3)", ... beside it, a name taken only
    /// while it is free (also with other programs saving there at the same moment). Returns the
    /// full path; throws office::Error.
    QString SaveAsNew(const QString &fileName);
    /// The path the document was last saved to or opened from; empty for a new document.
    QString FullName() const;
    /// Prints the document on the default printer through the desktop; a document changed since
    /// it was saved is printed from a copy in the temporary folder. Throws office::Error when the
    /// print could not be started.
    void PrintOut();
    /// Leaves the document for the operator: saves it as `fileName` (as SaveAsNew, so it never
    /// replaces a file, but a bare name goes into the application's work folder; FullName() then
    /// names the file) and has the desktop open it. Returns true only when something opened it; false when nothing could,
    /// the document staying saved. Throws office::Error when the save fails.
    bool ShowDocument(const QString &fileName);
    /// Closes the document; it is destroyed, and references to it and its proxies end here.
    void Close();

private:
    friend class WordApp;
    Document(WordApp *app, std::unique_ptr<DocumentData> data);
    QString saveInto(const QString &folder, const QString &fileName, bool replace);
    WordApp *m_app;
    std::unique_ptr<DocumentData> m_data;
};

} // namespace office
