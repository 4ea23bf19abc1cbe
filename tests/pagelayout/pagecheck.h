#pragma once

// The page-layout harness: documents rendered by LibreOffice and measured on the page.
//
// A document made from a template that states its regions (document variables "Frame",
// "DrawingRegion", "TitleBlock", see templates/layout.py; "DrawingRegion2" where a second drawing
// has a place of its own) is converted to PDF; pdftotext -bbox
// gives every word's box on every sheet, and the document's own shapes give the drawing. The
// checks say in words what is wrong, so a failing row of the layout test names its faults.

#include <QRectF>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace pagecheck {

struct Word {
    QRectF box; ///< points from the sheet's top left
    QString text;
};

struct Sheet {
    QSizeF size;
    std::vector<Word> words;
};

/// Converts the documents to PDF with LibreOffice in up to `jobs` processes at once, each with a
/// profile of its own under `workDir`; the PDF of "x/name.docx" is "outDir/name.pdf", so the
/// documents' base names must differ. Returns false (with the reason in `error`) when a
/// conversion fails or leaves no PDF.
bool ConvertToPdf(const QStringList &docx, const QString &outDir, const QString &workDir, int jobs, QString *error);

/// The sheets of each PDF and their words, as pdftotext -bbox reads them, in the order of `pdfs`;
/// up to `jobs` pdftotext processes run at once.
std::vector<std::vector<Sheet>> ReadSheets(const QStringList &pdfs, int jobs);

/// What one document is expected to show besides its regions.
struct Expectations {
    /// Texts that must each stand whole as one word at least once (catalogue numbers: a cell too
    /// narrow for its text breaks it).
    QStringList wholeWords;
    /// Every word the title block may hold (its labels, staff, organisation, date and scale); any
    /// other word inside its rectangle has come from the body.
    QStringList titleBlockWords;
};

/// Checks the rendered sheets of `docx` (a saved document with the regions of its template):
/// every word and every drawn shape stay inside the frame; nothing but the title block's own
/// words enters the title block, whose words stand inside it on every sheet; the drawings' shapes
/// and label texts stay inside a drawing region and clear of the north arrow, and no other text
/// of the first sheet enters a drawing region; each sheet reads "Аркуш" with its number and
/// "Аркушів" with the number of sheets; the whole words are there. Returns one line per fault.
QStringList CheckLayout(const QString &docx, const std::vector<Sheet> &sheets, const Expectations &expect);

/// Checks that no label of the drawings in `docx` covers other text of a drawing on any rendered
/// sheet that holds a drawing (most of the document's text boxes): the labels are the text boxes
/// of 10 points with a number in them (an area, "Ділянка № N" with its area, a land-use number),
/// and none of their words may meet a word of another text box (another label, a side length, a
/// vertex number, a neighbour letter, the second parcel's number or description). Returns one line
/// per word that meets another.
QStringList CheckLabelsClear(const QString &docx, const std::vector<Sheet> &sheets);

/// What a document closes with, and what its tables repeat on every sheet they run over.
struct Closing {
    /// Texts that close what stands before them: a table's closing row, the area line, a list's
    /// totals, counts and signature line.
    QStringList lines;
    /// The tables' captions and heading rows, which head their rows and which a table that goes on
    /// repeats above them.
    QStringList headings;
};

/// Checks that no sheet after the first holds only closing rows and lines: a sheet whose every
/// word outside `titleBlock` (empty: none) is a word of `closing`'s lines or headings carries a
/// remnant of the sheet before. Returns one line per such sheet.
QStringList CheckRemnants(const std::vector<Sheet> &sheets, const QRectF &titleBlock, const Closing &closing);

/// Checks that a coordinate catalogue of the vertices (X, Y texts as the catalogue prints them,
/// vertex 1 first) closes its ring on a sheet that holds at least `least` of its vertex rows
/// besides the closing row: where it goes on to a next sheet, the last side and the repeated
/// vertex 1 are not all it takes there. A vertex row is its X and Y side by side on one line.
/// Returns one line per fault.
QStringList CheckCatalogueEnd(const std::vector<Sheet> &sheets, const std::vector<std::pair<QString, QString>> &vertices,
                              int least = 2);

} // namespace pagecheck
