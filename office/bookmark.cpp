#include "office/bookmark.h"

#include "office/document_p.h"
#include "office/error.h"
#include "office/oxml_p.h"

#include <cstring>

namespace office {

namespace {

using oxml::isElement;

bool isBookmarkMark(pugi::xml_node n)
{
    return isElement(n, "w:bookmarkStart") || isElement(n, "w:bookmarkEnd");
}

// The node after `n` in document order: its first child, else its next sibling, else the next
// sibling of the nearest ancestor that has one.
pugi::xml_node nextInOrder(pugi::xml_node n)
{
    if (n.first_child())
        return n.first_child();
    while (n && !n.next_sibling())
        n = n.parent();
    return n ? n.next_sibling() : n;
}

// The end of the bookmark that `start` opens: the next w:bookmarkEnd with its id.
pugi::xml_node endOf(pugi::xml_node start)
{
    const pugi::xml_attribute id = start.attribute("w:id");
    for (pugi::xml_node n = nextInOrder(start); n; n = nextInOrder(n))
        if (isElement(n, "w:bookmarkEnd") && std::strcmp(n.attribute("w:id").value(), id.value()) == 0)
            return n;
    return {};
}

// Puts a mark that stands between paragraphs into the paragraph it belongs to: a start into the
// next paragraph, an end into the previous one.
void intoParagraph(pugi::xml_node mark, bool isStart)
{
    if (isElement(mark.parent(), "w:p"))
        return;
    pugi::xml_node p = isStart ? mark.next_sibling("w:p") : mark.previous_sibling("w:p");
    if (!p)
        throw Error(QStringLiteral("Закладку «%1» неможливо заповнити: вона стоїть поза абзацом")
                        .arg(QString::fromUtf8(mark.attribute("w:name").value())));
    if (isStart) {
        pugi::xml_node pPr = p.child("w:pPr");
        pPr ? p.insert_move_after(mark, pPr) : p.prepend_move(mark);
    } else {
        p.append_move(mark);
    }
}

// Removes what stands between two siblings, keeping the marks of other bookmarks.
void removeBetween(pugi::xml_node from, pugi::xml_node to)
{
    for (pugi::xml_node n = from.next_sibling(); n && n != to;) {
        pugi::xml_node next = n.next_sibling();
        if (!isBookmarkMark(n))
            n.parent().remove_child(n);
        n = next;
    }
}

struct Range {
    pugi::xml_node start, end;
};

Range rangeOf(pugi::xml_node start)
{
    pugi::xml_node end = endOf(start);
    if (!end)
        throw Error(QStringLiteral("Закладка «%1» не має кінця").arg(QString::fromUtf8(start.attribute("w:name").value())));
    intoParagraph(start, true);
    intoParagraph(end, false);
    return {start, end};
}

// Runs between the two marks of one paragraph.
template <typename F> void forRunsBetween(pugi::xml_node start, pugi::xml_node end, F &&f)
{
    for (pugi::xml_node n = start.next_sibling(); n && n != end; n = n.next_sibling()) {
        if (isElement(n, "w:r"))
            f(n);
        else if (n.type() == pugi::node_element)
            for (pugi::xpath_node r : n.select_nodes(".//w:r"))
                f(r.node());
    }
}

// Joins the paragraphs from the start's to the end's into the start's, so that the marks are
// siblings; what stands between them goes.
void joinParagraphs(const Range &range)
{
    pugi::xml_node first = range.start.parent();
    pugi::xml_node last = range.end.parent();
    if (first == last)
        return;
    if (first.parent() != last.parent())
        throw Error(QStringLiteral("Закладку «%1» неможливо заповнити: вона охоплює частини таблиці")
                        .arg(QString::fromUtf8(range.start.attribute("w:name").value())));
    removeBetween(range.start, pugi::xml_node());
    for (pugi::xml_node n = first.next_sibling(); n && n != last;) {
        pugi::xml_node next = n.next_sibling();
        n.parent().remove_child(n);
        n = next;
    }
    for (pugi::xml_node n = last.first_child(); n && n != range.end;) {
        pugi::xml_node next = n.next_sibling();
        if (isBookmarkMark(n))
            first.append_move(n);
        n = next;
    }
    for (pugi::xml_node n = range.end; n;) {
        pugi::xml_node next = n.next_sibling();
        first.append_move(n);
        n = next;
    }
    last.parent().remove_child(last);
}

} // namespace

QString Bookmark::Name() const
{
    return QString::fromUtf8(pugi::xml_node(m_start).attribute("w:name").value());
}

void Bookmark::SetText(const QString &text)
{
    const Range range = rangeOf(pugi::xml_node(m_start));
    pugi::xml_node p = range.start.parent();

    // The new text looks like the range's first run, else like the text just before it.
    pugi::xml_document scratch;
    pugi::xml_node rPr;
    forRunsBetween(range.start, range.end, [&](pugi::xml_node r) {
        if (!rPr && r.child("w:rPr"))
            rPr = scratch.append_copy(r.child("w:rPr"));
    });
    if (!rPr)
        for (pugi::xml_node n = range.start.previous_sibling(); n && !rPr; n = n.previous_sibling())
            if (isElement(n, "w:r") && n.child("w:rPr"))
                rPr = scratch.append_copy(n.child("w:rPr"));
    if (!rPr && p.child("w:pPr").child("w:rPr"))
        rPr = scratch.append_copy(p.child("w:pPr").child("w:rPr"));

    joinParagraphs(range);
    removeBetween(range.start, range.end);

    const QStringList lines = oxml::paragraphTexts(text);
    oxml::insertRuns(p, range.end, lines.first(), rPr);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        pugi::xml_node next = p.parent().insert_child_after("w:p", p);
        if (pugi::xml_node pPr = p.child("w:pPr"))
            next.append_copy(pPr);
        for (pugi::xml_node n = range.end; n;) {
            pugi::xml_node after = n.next_sibling();
            next.append_move(n);
            n = after;
        }
        p = next;
        oxml::insertRuns(p, range.end, lines.at(i), rPr);
    }
}

QString Bookmark::Text() const
{
    pugi::xml_node start(m_start);
    pugi::xml_node end = endOf(start);
    QString out;
    for (pugi::xml_node n = nextInOrder(start); n && n != end; n = nextInOrder(n)) {
        if (isElement(n, "w:p"))
            out += QLatin1Char('\r');
        else if (isElement(n, "w:t"))
            out += QString::fromUtf8(n.text().get());
        else if (isElement(n, "w:tab") && isElement(n.parent(), "w:r"))
            out += QLatin1Char('\t');
    }
    return out;
}

void Bookmark::SetFontName(const QString &name)
{
    const Range range = rangeOf(pugi::xml_node(m_start));
    bool any = false;
    auto apply = [&](pugi::xml_node r) {
        oxml::setFontName(oxml::runProperties(r), name);
        any = true;
    };
    pugi::xml_node p = range.start.parent();
    if (range.end.parent() == p) {
        forRunsBetween(range.start, range.end, apply);
    } else {
        forRunsBetween(range.start, pugi::xml_node(), apply);
        for (pugi::xml_node n = p.next_sibling(); n && n != range.end.parent(); n = n.next_sibling())
            for (pugi::xpath_node r : n.select_nodes(".//w:r"))
                apply(r.node());
        pugi::xml_node last = range.end.parent();
        for (pugi::xml_node n = last.first_child(); n && n != range.end; n = n.next_sibling())
            if (isElement(n, "w:r"))
                apply(n);
    }
    if (!any) {
        // An empty range keeps the font in an empty run, which the text written later copies.
        pugi::xml_node r = p.insert_child_before("w:r", range.end);
        if (pugi::xml_node mark = p.child("w:pPr").child("w:rPr"))
            r.append_copy(mark);
        oxml::setFontName(oxml::runProperties(r), name);
    }
}

} // namespace office
