#!/usr/bin/python3
"""Writes the 26 plan templates, templates/plma*/document.xml, from one layout.

Run it from anywhere after changing the layout: /usr/bin/python3 templates/plma_generate.py
The table order of each template follows documents/plantemplates.cpp (ROWS below is the same
table); tests/plantemplates checks the packed templates against it.

Layout: a frame 20 mm from the left edge and 5 mm from the others; the titles at the top; the
parcel drawing around the page position of the template's centre; the tables below the drawing
(portrait) or in a column to its right (landscape); the title block in the bottom right corner.
The one table that the builder does not fill is the title block, placed in the table order where
the builder's numbering leaves room (at the end when it leaves none).
"""
import sys, os
from xml.sax.saxutils import escape

TW = 20                      # twips per point
MM = 1440 / 25.4             # twips per millimetre

PAGES = {1: (210, 297, False), 2: (297, 210, True), 3: (297, 420, False), 4: (420, 297, True)}
PREFIX = {1: "plma4p", 2: "plma4l", 3: "plma3p", 4: "plma3l"}
SUFFIX = {1: "", 2: "_k", 3: "_kepr", 4: "_kepa", 5: "_epr", 6: "_epa", 7: "_epr_kom", 8: "_epr_grom"}
# paper, variant, centre x, centre y, land, neighbour, area, catalogue (0: none)
ROWS = [
    (1, 1, 300, 260, 2, 3, 4, 0), (1, 2, 250, 240, 3, 4, 5, 2), (1, 3, 250, 240, 4, 3, 5, 2),
    (1, 4, 250, 240, 4, 3, 5, 2), (1, 5, 300, 260, 3, 2, 4, 0), (1, 6, 300, 260, 3, 2, 4, 0),
    (1, 7, 300, 260, 3, 2, 4, 0), (1, 8, 300, 260, 3, 2, 4, 0),
    (2, 1, 350, 150, 1, 3, 4, 0), (2, 2, 350, 150, 1, 3, 4, 5), (2, 3, 250, 200, 2, 1, 4, 5),
    (2, 4, 250, 200, 2, 1, 4, 5), (2, 5, 250, 200, 2, 1, 4, 0), (2, 6, 250, 200, 2, 1, 4, 0),
    (3, 1, 450, 350, 2, 3, 4, 0), (3, 2, 450, 350, 3, 4, 5, 2), (3, 3, 450, 350, 4, 2, 5, 3),
    (3, 4, 450, 350, 4, 2, 5, 3), (3, 5, 450, 350, 3, 2, 4, 0), (3, 6, 450, 350, 3, 2, 4, 0),
    (4, 1, 550, 250, 1, 2, 3, 0), (4, 2, 550, 250, 1, 2, 3, 5), (4, 3, 450, 250, 4, 1, 2, 3),
    (4, 4, 450, 250, 4, 1, 2, 3), (4, 5, 450, 250, 3, 1, 2, 0), (4, 6, 450, 250, 3, 1, 2, 0),
]

MARGIN_LEFT, MARGIN = 22, 7          # mm; the frame runs 4 pt outside the text area
FRAME_GAP = 4                        # pt
DRAWING_RADIUS = 140                 # pt around the centre kept free for the parcel drawing
STAMP_COLS = [25, 30, 15, 100]       # mm
STAMP_ROW = 8                        # mm


class Raw(str):
    """A fragment that is already WordprocessingML."""


class Ids:
    def __init__(self):
        self.n = 0

    def next(self):
        self.n += 1
        return self.n


def rpr(size=None, bold=False):
    s = '<w:rFonts w:ascii="Times New Roman" w:hAnsi="Times New Roman" w:cs="Times New Roman"/>'
    if bold:
        s += '<w:b/>'
    if size:
        s += f'<w:sz w:val="{int(size * 2)}"/><w:szCs w:val="{int(size * 2)}"/>'
    return f'<w:rPr>{s}</w:rPr>'


def run(text, size=None, bold=False):
    return Raw(f'<w:r>{rpr(size, bold)}<w:t xml:space="preserve">{escape(text)}</w:t></w:r>')


def bookmark(ids, name, size=None, bold=False, text=""):
    i = ids.next()
    return Raw(f'<w:bookmarkStart w:id="{i}" w:name="{name}"/>{run(text, size, bold)}'
               f'<w:bookmarkEnd w:id="{i}"/>')


def para(content="", align=None, size=None, bold=False, ind=0, before=0, after=0, exact=None, keep=False):
    ppr = ''
    if keep:
        ppr += '<w:keepNext/>'
    sp = f'<w:spacing w:before="{int(before * TW)}" w:after="{int(after * TW)}"'
    if exact:
        sp += f' w:line="{int(exact * TW)}" w:lineRule="exact"'
    ppr += sp + '/>'
    if ind:
        ppr += f'<w:ind w:left="{int(ind * TW)}"/>'
    if align:
        ppr += f'<w:jc w:val="{align}"/>'
    ppr += rpr(size, bold)
    return f'<w:p><w:pPr>{ppr}</w:pPr>{content}</w:p>'


def cell(width_tw, content, span=1, vmerge=None, align="center", size=9, bold=False, borders=True, valign="center"):
    tcpr = f'<w:tcW w:w="{int(width_tw)}" w:type="dxa"/>'
    if span > 1:
        tcpr += f'<w:gridSpan w:val="{span}"/>'
    if vmerge:
        tcpr += '<w:vMerge w:val="restart"/>' if vmerge == "restart" else '<w:vMerge/>'
    if not borders:
        tcpr += ('<w:tcBorders><w:top w:val="nil"/><w:left w:val="nil"/><w:bottom w:val="nil"/>'
                 '<w:right w:val="nil"/></w:tcBorders>')
    tcpr += f'<w:vAlign w:val="{valign}"/>'
    if not isinstance(content, Raw):
        content = run(content, size, bold) if content else ''
    return f'<w:tc><w:tcPr>{tcpr}</w:tcPr>{para(content, align, size, bold)}</w:tc>'


def table(widths_mm, rows, ind=0, floating=None, borders=True, row_height=None, heading_rows=0):
    """rows: lists of (content, span, vmerge, options) made by c(); widths in mm."""
    widths = [w * MM for w in widths_mm]
    total = int(sum(widths))
    tblpr = ''
    if floating:
        # Held at the bottom right corner of the text area, whatever flows above it.
        tblpr += ('<w:tblpPr w:leftFromText="0" w:rightFromText="0" w:topFromText="113" w:bottomFromText="0" '
                  'w:vertAnchor="margin" w:horzAnchor="margin" w:tblpXSpec="right" w:tblpYSpec="bottom"/>'
                  '<w:tblOverlap w:val="never"/>')
    tblpr += f'<w:tblW w:w="{total}" w:type="dxa"/>'
    if ind and not floating:
        tblpr += f'<w:tblInd w:w="{int(ind * TW)}" w:type="dxa"/>'
    b = 'single' if borders else 'nil'
    tblpr += ('<w:tblBorders>' + ''.join(f'<w:{s} w:val="{b}" w:sz="6" w:space="0" w:color="000000"/>'
                                         for s in ('top', 'left', 'bottom', 'right', 'insideH', 'insideV'))
              + '</w:tblBorders>')
    tblpr += '<w:tblLayout w:type="fixed"/>'
    tblpr += ('<w:tblCellMar><w:left w:w="40" w:type="dxa"/><w:right w:w="40" w:type="dxa"/>'
              '</w:tblCellMar>')
    grid = ''.join(f'<w:gridCol w:w="{int(w)}"/>' for w in widths)
    out = [f'<w:tbl><w:tblPr>{tblpr}</w:tblPr><w:tblGrid>{grid}</w:tblGrid>']
    for number, r in enumerate(rows, 1):
        trpr = ''
        if row_height:
            trpr = f'<w:trPr><w:trHeight w:val="{int(row_height * MM)}" w:hRule="exact"/></w:trPr>'
        elif number <= heading_rows:
            trpr = '<w:trPr><w:tblHeader/></w:trPr>'
        out.append(f'\n<w:tr>{trpr}')
        col = 0
        for content, span, vmerge, opts in r:
            w = sum(widths[col:col + span])
            out.append(cell(w, content, span, vmerge, **opts))
            col += span
        assert col == len(widths), (col, len(widths))
        out.append('</w:tr>')
    out.append('\n</w:tbl>')
    return ''.join(out)


def c(content="", span=1, vmerge=None, **opts):
    return (content, span, vmerge, opts)


def scaled(widths, total):
    k = total / sum(widths)
    return [w * k for w in widths]


# ---- the tables --------------------------------------------------------------------------

def stamp_table(ids):
    s = dict(size=9, align="left")
    rows = []
    staff = [("pDur", "nDur"), ("pSkl", "nSkl"), ("pKresl", "nKresl"), ("pChek", "nChek")]
    for i, (p, n) in enumerate(staff):
        row = [c(bookmark(ids, p, 9), **s), c(bookmark(ids, n, 9), **s), c()]
        if i == 0:
            row.append(c(bookmark(ids, "Organ", 10, True), vmerge="restart", size=10, bold=True))
        elif i == 1:
            row.append(c(vmerge="continue"))
        elif i == 2:
            row.append(c(Raw(run("Масштаб 1:", 10) + bookmark(ids, "Mash", 10)), size=10))
        else:
            row.append(c("Аркуш 1    Аркушів 1", size=10))
        rows.append(row)
    return table(STAMP_COLS, rows, floating=True, row_height=STAMP_ROW)


def catalogue_table(width_mm, floating=None, ind=0):
    widths = scaled([9, 28, 28, 17], width_mm)
    h = dict(size=9, bold=True)
    rows = [[c("Каталог координат", span=4, **h)],
            [c("№", **h), c("X, м", **h), c("Y, м", **h), c("Довжина лінії, м", **h)]]
    return table(widths, rows, floating=floating, ind=ind, heading_rows=2)


def use_list_table(width_mm, ind):
    widths = scaled([12, 40, 30], width_mm)
    h = dict(size=9)  # the land-use rows are appended in the heading row's format
    return table(widths, [[c("№", **h), c("Код угідь", **h), c("Площа", **h)]], ind=ind, heading_rows=1)


SIXZEM_COLUMNS = {
    # variant kind: (headings of columns 11 and up)
    "private": ["Забудовані землі, всього", "під житловою забудовою", "під господарськими будівлями і дворами"],
    "commercial": ["Забудовані землі, всього", "комерційного використання"],
    "public": ["Забудовані землі, всього", "громадського призначення"],
    "shares": [],
}


def sixzem_table(kind, width_mm, ind):
    built = SIXZEM_COLUMNS[kind]
    n = 10 + len(built)
    widths = scaled([12, 30, 9] + [13] * (n - 3), width_mm)
    h = dict(size=7)
    # Row 1: the column groups; rows 2 and 3: their parts; row 4: units; row 5: column numbers.
    r1 = [c("Код рядка", vmerge="restart", **h), c("Власник (землекористувач)", vmerge="restart", **h),
          c("№ рядка форми 6-зем", vmerge="restart", **h), c("Загальна площа", vmerge="restart", **h),
          c("Сільськогосподарські землі", span=6, **h)]
    r2 = [c(vmerge="continue")] * 4 + [c("всього", vmerge="restart", **h),
                                        c("з них сільськогосподарські угіддя", span=5, **h)]
    r3 = [c(vmerge="continue")] * 5 + [c("всього", **h), c("рілля", **h), c("багаторічні насадження", **h),
                                        c("сіножаті", **h), c("пасовища", **h)]
    if built:
        r1.append(c("Забудовані землі", span=len(built), **h))
        r2.append(c(built[0], vmerge="restart", **h))
        if len(built) > 1:
            r2.append(c("з них", span=len(built) - 1, **h))
        r3.append(c(vmerge="continue"))
        r3 += [c(t, **h) for t in built[1:]]
    r4 = [c(), c(), c()] + [c("га", **h) for _ in range(n - 3)]
    r5 = [c(str(i + 1), **h) for i in range(n)]
    r6 = [c(size=8) for _ in range(n)]
    return table(widths, [r1, r2, r3, r4, r5, r6], ind=ind, heading_rows=5)


def neighbour_table(width_mm, ind):
    widths = scaled([32, 4, 100], width_mm)
    return table(widths, [[c(align="left", size=10), c(size=10), c(align="left", size=10)]], ind=ind, borders=False)


def area_table(width_mm, ind):
    return table([width_mm], [[c(align="left", size=11, bold=True)]], ind=ind, borders=False)


# ---- one template ------------------------------------------------------------------------

def land_kind(variant):
    return {1: "list", 2: "list", 3: "private", 5: "private", 4: "shares", 6: "shares",
            7: "commercial", 8: "public"}[variant]


def document(row):
    paper, variant, cx, cy, land, neighbour, area, catalogue = row
    page_w, page_h, landscape = PAGES[paper]
    ids = Ids()
    text_w = page_w - MARGIN_LEFT - MARGIN          # mm
    left_pt = MARGIN_LEFT * 2.835
    if landscape:
        # Text and tables stand in a column right of the drawing.
        start = cx + DRAWING_RADIUS
        ind = start - left_pt
        col_w = text_w - ind / 2.835
    else:
        ind = 0
        col_w = text_w

    body = []
    head = dict(align="center", ind=ind)
    body.append(para(bookmark(ids, "ZovaName", 16, True), size=16, bold=True, **head))
    body.append(para(bookmark(ids, "s1", 14, True), size=14, bold=True, **head))
    body.append(para(bookmark(ids, "s2", 14), size=14, **head))
    body.append(para(bookmark(ids, "MainSht", 12), size=12, after=6, **head))

    roles = {land: "L", neighbour: "N", area: "A"}
    if catalogue:
        roles[catalogue] = "C"
    count = max(roles)
    free = [i for i in range(1, count + 1) if i not in roles]
    assert len(free) <= 1
    roles[free[0] if free else count + 1] = "X"

    spacer_done = landscape
    caption = dict(size=11, bold=True, align="center", ind=ind, before=6, after=2, keep=True)
    for index in sorted(roles):
        role = roles[index]
        if role == "X":
            body.append(stamp_table(ids))
            # LibreOffice takes the paragraph after a floating table as its anchor and lays the
            # one after that out without its indent; two empty ones keep the column's text in place.
            body.append(para(size=2, exact=1))
            body.append(para(size=2, exact=1))
            continue
        if not spacer_done:
            # Room for the drawing: the flowing tables start below it.
            body.append(para(size=2, exact=max(1, cy + DRAWING_RADIUS - 150)))
            spacer_done = True
        if role == "C":
            body.append(para(size=4, exact=4))
            body.append(catalogue_table(min(col_w, 82), ind=ind))
        elif role == "L":
            kind = land_kind(variant)
            if kind == "list":
                body.append(para(run("Експлікація земельних угідь", 11, True), **caption))
                body.append(use_list_table(min(col_w, 90), ind))
            else:
                body.append(para(run("Дані для форми 6-зем", 11, True), **caption))
                body.append(sixzem_table(kind, col_w, ind))
        elif role == "N":
            body.append(para(run("Опис меж суміжних землекористувачів", 11, True), **caption))
            body.append(neighbour_table(col_w, ind))
        elif role == "A":
            body.append(para(size=4, exact=4))
            body.append(area_table(col_w, ind))
    body.append(para(size=2, exact=1))

    w_tw, h_tw = round(page_w * MM), round(page_h * MM)
    orient = ' w:orient="landscape"' if landscape else ''
    border = lambda side: f'<w:{side} w:val="single" w:sz="12" w:space="{FRAME_GAP}" w:color="000000"/>'
    sect = (f'<w:sectPr><w:pgSz w:w="{w_tw}" w:h="{h_tw}"{orient}/>'
            f'<w:pgMar w:top="{round(MARGIN * MM)}" w:right="{round(MARGIN * MM)}" w:bottom="{round(MARGIN * MM)}" '
            f'w:left="{round(MARGIN_LEFT * MM)}" w:header="0" w:footer="0" w:gutter="0"/>'
            f'<w:pgBorders w:offsetFrom="text">{border("top")}{border("left")}{border("bottom")}{border("right")}'
            f'</w:pgBorders></w:sectPr>')
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
            '<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"'
            ' xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
            ' xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"'
            ' xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main"'
            ' xmlns:wps="http://schemas.microsoft.com/office/word/2010/wordprocessingShape"'
            ' xmlns:wpg="http://schemas.microsoft.com/office/word/2010/wordprocessingGroup">'
            '<w:body>\n' + '\n'.join(body) + '\n' + sect + '\n</w:body></w:document>\n')


def name(row):
    return PREFIX[row[0]] + SUFFIX[row[1]]


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for row in ROWS:
        d = os.path.join(out, name(row))
        os.makedirs(d, exist_ok=True)
        with open(os.path.join(d, "document.xml"), "w", encoding="utf-8") as f:
            f.write(document(row))
