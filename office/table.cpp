#include "office/table.h"

#include "office/error.h"
#include "office/oxml_p.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace office {

namespace {

pugi::xml_node rowProperties(pugi::xml_node tr)
{
    if (pugi::xml_node trPr = tr.child("w:trPr"))
        return trPr;
    if (pugi::xml_node ex = tr.child("w:tblPrEx"))
        return tr.insert_child_after("w:trPr", ex);
    return tr.prepend_child("w:trPr");
}

// A cell that holds only its properties and one paragraph without text: clearing it again would
// give the same cell.
bool isClearCell(pugi::xml_node tc)
{
    int paragraphs = 0;
    for (pugi::xml_node c = tc.first_child(); c; c = c.next_sibling()) {
        if (oxml::isElement(c, "w:tcPr"))
            continue;
        if (!oxml::isElement(c, "w:p") || ++paragraphs > 1)
            return false;
        for (pugi::xml_node d = c.first_child(); d; d = d.next_sibling())
            if (!oxml::isElement(d, "w:pPr"))
                return false;
    }
    return paragraphs == 1;
}

// Every run and paragraph mark of a table, for formatting the whole of it.
template <typename F> void forEachRunProperties(pugi::xml_node tbl, F &&f)
{
    for (pugi::xpath_node x : tbl.select_nodes(".//w:r | .//w:p")) {
        pugi::xml_node n = x.node();
        f(oxml::isElement(n, "w:r") ? oxml::runProperties(n) : oxml::markProperties(n));
    }
}

} // namespace

void Cell::SetText(const QString &text)
{
    oxml::replaceParagraphs(pugi::xml_node(m_tc), text, "w:tcPr");
}

QString Cell::Text() const
{
    return oxml::textOf(pugi::xml_node(m_tc));
}

pugi::xml_node_struct *Table::rowAt(int row) const
{
    if (row < 1)
        return nullptr;
    int i = 0;
    pugi::xml_node tr = pugi::xml_node(m_tbl).child("w:tr");
    if (m_tr && row >= m_row) {
        i = m_row - 1;
        tr = pugi::xml_node(m_tr);
    }
    for (; tr; tr = tr.next_sibling("w:tr"))
        if (++i == row) {
            m_row = row;
            m_tr = tr.internal_object();
            return m_tr;
        }
    return nullptr;
}

office::Cell Table::Cell(int row, int column) const
{
    pugi::xml_node tr(rowAt(row));
    int i = 0;
    if (tr && column >= 1)
        for (pugi::xml_node tc : tr.children("w:tc"))
            if (++i == column)
                return office::Cell(tc.internal_object());
    throw Error(QStringLiteral("У таблиці немає клітинки (%1, %2)").arg(row).arg(column));
}

int Table::RowCount() const
{
    int n = 0;
    for ([[maybe_unused]] pugi::xml_node tr : pugi::xml_node(m_tbl).children("w:tr"))
        ++n;
    return n;
}

int Table::ColumnCount(int row) const
{
    int n = 0;
    for ([[maybe_unused]] pugi::xml_node tc : pugi::xml_node(rowAt(row)).children("w:tc"))
        ++n;
    return n;
}

void Table::Rows_Add()
{
    pugi::xml_node tbl(m_tbl);
    pugi::xml_node last = tbl.last_child();
    while (last && !oxml::isElement(last, "w:tr"))
        last = last.previous_sibling();
    if (!last)
        throw Error(QStringLiteral("Таблиця не має рядків, до яких можна додати рядок"));
    pugi::xml_node tr = tbl.insert_copy_after(last, last);
    // A heading row repeats on every page; the rows added after it hold data.
    tr.child("w:trPr").remove_child("w:tblHeader");
    // A vertical merge ends with the rows the template had: each added cell stands alone.
    for (pugi::xml_node tc : tr.children("w:tc")) {
        tc.child("w:tcPr").remove_child("w:vMerge");
        if (!isClearCell(tc))
            oxml::replaceParagraphs(tc, QString(), "w:tcPr");
    }
}

void Table::Rows_SetHeight(double points)
{
    const int twips = int(std::lround(points * 20));
    for (pugi::xml_node tr : pugi::xml_node(m_tbl).children("w:tr")) {
        pugi::xml_node trPr = rowProperties(tr);
        pugi::xml_node height = trPr.child("w:trHeight");
        if (!height)
            height = trPr.append_child("w:trHeight");
        const bool exact = QByteArray(height.attribute("w:hRule").value()) == "exact";
        height.remove_attributes();
        height.append_attribute("w:val") = twips;
        height.append_attribute("w:hRule") = exact ? "exact" : "atLeast";
    }
}

void Table::Rows_SetAllowBreakAcrossPages(bool allow)
{
    for (pugi::xml_node tr : pugi::xml_node(m_tbl).children("w:tr")) {
        if (allow)
            tr.child("w:trPr").remove_child("w:cantSplit");
        else if (!tr.child("w:trPr").child("w:cantSplit"))
            rowProperties(tr).append_child("w:cantSplit");
    }
}

void Table::KeepParagraphsBeforeWithNext()
{
    std::vector<pugi::xml_node> paragraphs;
    pugi::xml_node n = pugi::xml_node(m_tbl).previous_sibling();
    for (; n && !oxml::isElement(n, "w:tbl"); n = n.previous_sibling()) {
        if (!oxml::isElement(n, "w:p"))
            continue;
        if (n.child("w:pPr").child("w:sectPr"))
            return;
        paragraphs.push_back(n);
    }
    if (!n)
        return; // the body's first table: what stands before it is no table's end
    for (pugi::xml_node p : paragraphs)
        oxml::pPrChild(oxml::paragraphProperties(p), "w:keepNext");
}

void Table::KeepLastRowsWithNext(int count)
{
    const int rows = RowCount();
    for (int row = std::max(1, rows - count + 1); row <= rows; ++row)
        for (pugi::xml_node tc : pugi::xml_node(rowAt(row)).children("w:tc"))
            for (pugi::xml_node p : tc.children("w:p"))
                oxml::pPrChild(oxml::paragraphProperties(p), "w:keepNext");
}

void Table::SetFont(const QString &name, double size, bool bold, bool italic)
{
    forEachRunProperties(pugi::xml_node(m_tbl), [&](pugi::xml_node rPr) {
        oxml::setFontName(rPr, name);
        oxml::setToggle(rPr, "w:b", bold);
        oxml::setToggle(rPr, "w:bCs", bold);
        oxml::setToggle(rPr, "w:i", italic);
        oxml::setToggle(rPr, "w:iCs", italic);
        oxml::setFontSize(rPr, size);
    });
}

} // namespace office
