#include "office/oxml_p.h"

#include <QStringList>
#include <cmath>
#include <cstring>

namespace office::oxml {

namespace {

const std::initializer_list<const char *> pPrOrder = {
    "w:pStyle", "w:keepNext", "w:keepLines", "w:pageBreakBefore", "w:framePr", "w:widowControl", "w:numPr",
    "w:suppressLineNumbers", "w:pBdr", "w:shd", "w:tabs", "w:suppressAutoHyphens", "w:kinsoku", "w:wordWrap",
    "w:overflowPunct", "w:topLinePunct", "w:autoSpaceDE", "w:autoSpaceDN", "w:bidi", "w:adjustRightInd",
    "w:snapToGrid", "w:spacing", "w:ind", "w:contextualSpacing", "w:mirrorIndents", "w:suppressOverlap", "w:jc",
    "w:textDirection", "w:textAlignment", "w:textboxTightWrap", "w:outlineLvl", "w:divId", "w:cnfStyle", "w:rPr",
    "w:sectPr", "w:pPrChange"};

const std::initializer_list<const char *> rPrOrder = {
    "w:rStyle", "w:rFonts", "w:b", "w:bCs", "w:i", "w:iCs", "w:caps", "w:smallCaps", "w:strike", "w:dstrike",
    "w:outline", "w:shadow", "w:emboss", "w:imprint", "w:noProof", "w:snapToGrid", "w:vanish", "w:webHidden",
    "w:color", "w:spacing", "w:w", "w:kern", "w:position", "w:sz", "w:szCs", "w:highlight", "w:u", "w:effect",
    "w:bdr", "w:shd", "w:fitText", "w:vertAlign", "w:rtl", "w:cs", "w:em", "w:lang", "w:eastAsianLayout",
    "w:specVanish", "w:oMath"};

bool xmlAllowed(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

bool isElement(pugi::xml_node n, const char *name)
{
    return n.type() == pugi::node_element && std::strcmp(n.name(), name) == 0;
}

pugi::xml_node child(pugi::xml_node parent, const char *name, std::initializer_list<const char *> order)
{
    if (pugi::xml_node existing = parent.child(name))
        return existing;
    // Rank of the new child; children ranked after it are the insertion point.
    int rank = -1, i = 0;
    for (const char *n : order) {
        if (std::strcmp(n, name) == 0)
            rank = i;
        ++i;
    }
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element)
            continue;
        int cr = -1;
        i = 0;
        for (const char *n : order) {
            if (std::strcmp(n, c.name()) == 0)
                cr = i;
            ++i;
        }
        if (cr > rank)
            return parent.insert_child_before(name, c);
    }
    return parent.append_child(name);
}

pugi::xml_node paragraphProperties(pugi::xml_node p)
{
    if (pugi::xml_node pPr = p.child("w:pPr"))
        return pPr;
    return p.prepend_child("w:pPr");
}

pugi::xml_node runProperties(pugi::xml_node r)
{
    if (pugi::xml_node rPr = r.child("w:rPr"))
        return rPr;
    return r.prepend_child("w:rPr");
}

pugi::xml_node markProperties(pugi::xml_node p)
{
    return pPrChild(paragraphProperties(p), "w:rPr");
}

pugi::xml_node pPrChild(pugi::xml_node pPr, const char *name)
{
    return child(pPr, name, pPrOrder);
}

pugi::xml_node rPrChild(pugi::xml_node rPr, const char *name)
{
    return child(rPr, name, rPrOrder);
}

QString xmlSafe(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (!c.isSurrogate() && xmlAllowed(c.unicode())) {
            out += c;
        }
    }
    return out;
}

QStringList paragraphTexts(const QString &text)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            lines << current;
            current.clear();
        } else {
            current += c;
        }
    }
    lines << current;
    return lines;
}

void insertRuns(pugi::xml_node paragraph, pugi::xml_node before, const QString &line, pugi::xml_node rPr)
{
    const QString safe = xmlSafe(line);
    pugi::xml_node r = before ? paragraph.insert_child_before("w:r", before) : paragraph.append_child("w:r");
    if (rPr)
        r.append_copy(rPr);
    QString chunk;
    auto flush = [&]() {
        if (chunk.isEmpty())
            return;
        pugi::xml_node t = r.append_child("w:t");
        t.append_attribute("xml:space") = "preserve";
        t.text().set(chunk.toUtf8().constData());
        chunk.clear();
    };
    for (const QChar c : safe) {
        if (c == QLatin1Char('\t')) {
            flush();
            r.append_child("w:tab");
        } else if (c == QChar(0x0B)) {
            flush();
            r.append_child("w:br");
        } else {
            chunk += c;
        }
    }
    flush();
}

pugi::xml_node firstDescendant(pugi::xml_node node, const char *name)
{
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element)
            continue;
        if (std::strcmp(c.name(), name) == 0)
            return c;
        if (pugi::xml_node d = firstDescendant(c, name))
            return d;
    }
    return {};
}

pugi::xml_node firstRunProperties(pugi::xml_node container)
{
    if (pugi::xml_node r = firstDescendant(container, "w:r"))
        if (pugi::xml_node rPr = r.child("w:rPr"))
            return rPr;
    pugi::xml_node p = isElement(container, "w:p") ? container : firstDescendant(container, "w:p");
    return p.child("w:pPr").child("w:rPr");
}

void replaceParagraphs(pugi::xml_node container, const QString &text, const char *keep)
{
    // The first new paragraph is made before the old content goes, with copies of the properties
    // it takes from it; the paragraphs after it copy its properties. Everything stays in the one
    // document, so a cell written costs no allocation of its own.
    pugi::xml_node firstP = container.child("w:p");
    pugi::xml_node source = firstRunProperties(container);
    pugi::xml_node first = container.append_child("w:p");
    pugi::xml_node pPr = firstP.child("w:pPr") ? first.append_copy(firstP.child("w:pPr")) : pugi::xml_node();
    pugi::xml_node rPr;
    if (source) {
        // The paragraph marks carry the run properties too, so an empty paragraph keeps them.
        if (!pPr)
            pPr = first.append_child("w:pPr");
        pugi::xml_node slot = pPrChild(pPr, "w:rPr");
        rPr = pPr.insert_copy_after(source, slot);
        pPr.remove_child(slot);
    }

    for (pugi::xml_node c = container.first_child(); c;) {
        pugi::xml_node next = c.next_sibling();
        if (c != first && !(keep && isElement(c, keep)))
            container.remove_child(c);
        c = next;
    }
    const QStringList lines = paragraphTexts(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        pugi::xml_node p = first;
        if (i > 0) {
            p = container.append_child("w:p");
            if (pPr)
                p.append_copy(pPr);
        }
        if (!lines[i].isEmpty())
            insertRuns(p, {}, lines[i], rPr);
    }
}

QString textOf(pugi::xml_node node)
{
    QString out;
    bool firstParagraph = true;
    // Walks in document order; a paragraph that begins adds a carriage return before it.
    struct Walker : pugi::xml_tree_walker {
        QString *out;
        bool *first;
        bool for_each(pugi::xml_node &n) override
        {
            if (n.type() != pugi::node_element)
                return true;
            const char *name = n.name();
            if (std::strcmp(name, "w:p") == 0) {
                if (!*first)
                    *out += QLatin1Char('\r');
                *first = false;
            } else if (std::strcmp(name, "w:t") == 0) {
                *out += QString::fromUtf8(n.text().get());
            } else if (std::strcmp(name, "w:tab") == 0 && std::strcmp(n.parent().name(), "w:r") == 0) {
                *out += QLatin1Char('\t');
            } else if (std::strcmp(name, "w:br") == 0) {
                *out += QChar(0x0B);
            }
            return true;
        }
    } walker;
    walker.out = &out;
    walker.first = &firstParagraph;
    node.traverse(walker);
    return out;
}

void setFontName(pugi::xml_node rPr, const QString &name)
{
    pugi::xml_node fonts = rPrChild(rPr, "w:rFonts");
    const QByteArray utf8 = xmlSafe(name).toUtf8();
    for (const char *slot : {"w:ascii", "w:hAnsi", "w:eastAsia", "w:cs"}) {
        pugi::xml_attribute a = fonts.attribute(slot);
        if (!a)
            a = fonts.append_attribute(slot);
        a = utf8.constData();
    }
    // Theme fonts take precedence over the named ones; they go.
    for (const char *theme : {"w:asciiTheme", "w:hAnsiTheme", "w:eastAsiaTheme", "w:cstheme"})
        fonts.remove_attribute(theme);
}

void setToggle(pugi::xml_node rPr, const char *name, bool on)
{
    pugi::xml_node n = rPrChild(rPr, name);
    n.remove_attribute("w:val");
    if (!on)
        n.append_attribute("w:val") = "0";
}

void setFontSize(pugi::xml_node rPr, double points)
{
    const int halfPoints = int(std::lround(points * 2));
    for (const char *name : {"w:sz", "w:szCs"}) {
        pugi::xml_node n = rPrChild(rPr, name);
        n.remove_attribute("w:val");
        n.append_attribute("w:val") = halfPoints;
    }
}

} // namespace office::oxml
