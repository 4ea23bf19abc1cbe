#pragma once

#include <QString>

namespace pugi {
struct xml_node_struct;
}

namespace office {

/// One physical cell of a table (row and column counted from 1 over the w:tr and w:tc elements).
class Cell {
public:
    /// Replaces the cell's text: paragraphs split at carriage returns, the cell's first paragraph
    /// and run formatting kept.
    void SetText(const QString &text);
    /// The cell's text, paragraphs separated by a carriage return.
    QString Text() const;

private:
    friend class Table;
    explicit Cell(pugi::xml_node_struct *tc) : m_tc(tc) {}
    pugi::xml_node_struct *m_tc;
};

/// A top-level table of a document. Valid while its document is open.
class Table {
public:
    /// The cell in row `row` and column `column`, both from 1; throws office::Error when the
    /// table has no such cell.
    office::Cell Cell(int row, int column) const;
    int RowCount() const;
    /// Cells in row `row` (from 1); 0 when there is no such row.
    int ColumnCount(int row) const;
    /// Appends a row formatted like the current last row, with empty cells (a heading mark and
    /// vertical merges of the last row are not copied).
    void Rows_Add();
    /// Sets the height of every row to at least `points` (an exact height stays exact).
    void Rows_SetHeight(double points);
    /// Lets every row break across sheets or keeps each whole, as Word's
    /// Rows.AllowBreakAcrossPages does (rows added later copy the last row's setting).
    void Rows_SetAllowBreakAcrossPages(bool allow);
    /// Keeps the last `count` rows with what follows each of them, as Word's
    /// ParagraphFormat.KeepWithNext on their paragraphs does: a table that goes on to the next
    /// sheet takes at least `count` rows there, and its last row stays on the sheet of the
    /// paragraph after the table. Call it once the table has all its rows (added rows copy the
    /// last one).
    void KeepLastRowsWithNext(int count);
    /// Keeps the body paragraphs between the table before this one and this table with what
    /// follows them (KeepWithNext), so that the end of the table before goes on to a next sheet
    /// with this one where that keeps with next too. Does nothing where a section ends between
    /// the two or no table stands before this one.
    void KeepParagraphsBeforeWithNext();
    /// Sets the font of the whole table: name, size in points, bold and italic.
    void SetFont(const QString &name, double size, bool bold, bool italic);

private:
    friend class Document;
    explicit Table(pugi::xml_node_struct *tbl) : m_tbl(tbl) {}
    pugi::xml_node_struct *rowAt(int row) const;
    pugi::xml_node_struct *m_tbl;
    // The row found last: rows are only ever added at the end, so a later row is found by walking
    // on from it, and filling a long table row by row stays linear.
    mutable int m_row = 0;
    mutable pugi::xml_node_struct *m_tr = nullptr;
};

} // namespace office
