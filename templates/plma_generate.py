#!/usr/bin/python3
"""Writes the 26 plan templates, templates/plma*/{document,footer1,settings}.xml, from one layout.

Run it from anywhere after changing the layout: /usr/bin/python3 templates/plma_generate.py
The table order of each template follows documents/plantemplates.cpp (ROWS below is the same
table); tests/plantemplates checks the packed templates against it, and tests/pagelayout renders
every template with LibreOffice and measures the page.

The page's regions (frame, title block in the footer, drawing region, north arrow) follow the
rules of layout.py. Portrait: the first table is a band across the frame whose height ends where
the drawing region ends; it holds the title lines at its top, and the tables follow below it.
Landscape: two columns, the first the drawing's (empty on the first sheet), the second the title
lines' and the tables'; what continues on the next sheet fills both. The one table number that the
builder leaves unused (if any) is a thin spacer. The area line closes the plan and goes on with
the end of the table before it (see area_table).
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layout as L
from layout import Raw, Paras, c, para, run, bookmark, table, scaled, PT

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

# Title sizes (points): the plan's name, the allotment plan's two names, the three main lines.
TITLE_SIZES = {"A4": (14, 13, 12, 10), "A3": (16, 14, 14, 12)}
TABLE_INSET = 4      # pt between the frame or the drawing region and the tables
CATALOGUE_COLS = [10, 27, 27, 22]   # mm: wide enough for "5555555.55" in a 14 pt plan font
SIXZEM_WIDTH = 400   # pt the 6-zem row needs for "12.3456" in each of its ten area columns


# ---- the tables --------------------------------------------------------------------------

def catalogue_table(ind):
    h = dict(size=9, bold=True, lines=0.9)
    rows = [[c("Каталог координат", span=4, **h)],
            [c("№", **h), c("X, м", **h), c("Y, м", **h), c("Довжина лінії, м", **h)]]
    return table([w * PT for w in CATALOGUE_COLS], rows, ind=ind, heading_rows=2, whole_rows=True)


def use_list_table(width, ind):
    widths = scaled([12, 40, 30], min(width, 90 * PT))
    h = dict(size=9)  # the land-use rows are appended in the heading row's format
    # The heading repeats above a list that goes on to a next sheet; the rows added after it are
    # data (Rows_Add drops the mark from its copies).
    return table(widths, [[c("№", **h), c("Код угідь", **h), c("Площа", **h)]], ind=ind, heading_rows=1,
                 whole_rows=True)


SIXZEM_COLUMNS = {
    # variant kind: (headings of columns 11 and up)
    "private": ["Забудовані землі, всього", "під житловою забудовою", "під господарськими будівлями і дворами"],
    "commercial": ["Забудовані землі, всього", "комерційного використання"],
    "public": ["Забудовані землі, всього", "громадського призначення"],
    "shares": [],
}


# The row of upward headings, by kind: (lines, height in pt), the lowest row first. Each height
# holds the longest line its headings break into at 7 pt, with 2 pt to spare at both ends:
# "господарськими" (48.5 pt) in four lines, "під господарськими" (59.5 pt) in three, "комерційного"
# and "громадського" (42 pt) and "багаторічні" (37 pt) in two. The row takes the first of them whose
# lines (7 pt x 1.15 each) the upward columns are wide enough for.
SIXZEM_UPWARD = {"private": [(4, 55), (3, 66)], "commercial": [(2, 48)], "public": [(2, 48)], "shares": [(2, 44)]}
UPWARD_LINE = 7 * 1.15


def upward_height(kind, column):
    """The height of the row of upward headings in columns `column` points wide (cell margins of
    1 pt and 1 pt to spare on each side)."""
    options = SIXZEM_UPWARD[kind]
    for lines, height in options:
        if lines * UPWARD_LINE <= column - 4:
            return height
    return options[-1][1]


def sixzem_table(kind, width, ind):
    built = SIXZEM_COLUMNS[kind]
    n = 10 + len(built)
    # The built-up columns are a little wider, for "під господарськими будівлями і дворами" in
    # four upward lines where the table is wide enough; the owner's column keeps a name of three
    # words on one line beside them.
    widths = scaled([12, 37, 9] + [12] * 7 + [13] * len(built) if built else [14, 34, 10] + [12] * 7, width)
    h = dict(size=7)
    v = dict(size=7, rotate=True)  # the narrow area columns read their headings upwards
    # Row 1: the column groups; rows 2 and 3: their parts; row 4: units; row 5: column numbers.
    r1 = [c("Код рядка", vmerge="restart", **h), c("Власник (землекористувач)", vmerge="restart", **h),
          c("№ рядка форми 6-зем", vmerge="restart", **v), c("Загальна площа", vmerge="restart", **v),
          c("Сільськогосподарські землі", span=6, **h)]
    r2 = [c(vmerge="continue")] * 4 + [c("всього", vmerge="restart", **v),
                                        c("з них сільськогосподарські угіддя", span=5, **h)]
    r3 = [c(vmerge="continue")] * 5 + [c(t, **v) for t in
                                        ("всього", "рілля", "багаторічні насадження", "сіножаті", "пасовища")]
    if built:
        r1.append(c("Забудовані землі", span=len(built), **h))
        r2.append(c(built[0], vmerge="restart", **v))
        if len(built) > 1:
            r2.append(c("з них", span=len(built) - 1, **h))
        r3.append(c(vmerge="continue"))
        r3 += [c(t, **v) for t in built[1:]]
    small = dict(size=6)
    r4 = [c(), c(), c()] + [c("га", **small) for _ in range(n - 3)]
    r5 = [c(str(i + 1), **small) for i in range(n)]
    r6 = [c(size=8) for _ in range(n)]
    # The builder adds no row: the table goes on whole, with the area line after it.
    return table(widths, [r1, r2, r3, r4, r5, r6], ind=ind, heading_rows=5, heights={3: upward_height(kind, widths[-1])},
                 cell_margin=1, whole_rows=True, keep_rows=True)


def neighbour_widths(width):
    return scaled([32, 4, 100], width)


def neighbour_table(width, ind):
    return table(neighbour_widths(width), [[c(align="left", size=10), c(size=10), c(align="left", size=10)]], ind=ind,
                 borders=False, whole_rows=True)


def area_table(widths, ind):
    """The area line in one cell across `widths`, the columns of the borderless table it touches
    (the neighbour table or the spacer), or its own one column.

    It closes the plan, and LibreOffice keeps a table's last rows with what follows only when it
    may split the table there: where the area line follows the neighbour table or the spacer it
    touches it, with its properties and columns, so that both applications lay the two out as one
    table, whose last rows go on with the line. Its rows keep with the paragraph after the table,
    and a row of 1 pt under the line makes it a table of two rows: where that paragraph ends the
    document and finds no room, it takes the line to the next sheet rather than stand alone."""
    n = len(widths)
    rows = [[c(align="left", size=11, bold=True, span=n, before=2)], [c(size=1, span=n)]]
    return table(widths, rows, ind=ind, borders=False, whole_rows=True, keep_rows=True)


def spacer_table(width, ind, keep):
    return table([width], [[c(size=1)]], ind=ind, borders=False, row_height=6, keep_rows=keep)


# ---- one template ------------------------------------------------------------------------

def land_kind(variant):
    return {1: "list", 2: "list", 3: "private", 5: "private", 4: "shares", 6: "shares",
            7: "commercial", 8: "public"}[variant]


def title_paragraphs(ids, sizes, ind=0):
    """The plan's name (or the allotment plan's first name) on one line, the allotment plan's second
    name (an empty line of 1 pt on a cadastral plan), and the three main lines."""
    name, first, second, main = sizes
    head = dict(align="center", ind=ind)
    return [para(Raw(bookmark(ids, "ZovaName", name, True) + bookmark(ids, "s1", first, True)),
                 size=first, bold=True, **head),
            para(bookmark(ids, "s2", second), size=1, **head),
            para(bookmark(ids, "MainSht", main), size=main, **head)]


def title_room(sizes):
    """Points the title lines take at most: the allotment plan's two names and five main lines (an
    owner's name of two lines, the purpose, and the territory the classifier names with the parcel's
    address, which on A4 fills two lines), at 1.2 em a line (LibreOffice's Times; Word's is 1.15 em),
    and 2 pt to spare."""
    name, first, second, main = sizes
    return 2 + 1.2 * (first + second + 5 * main)


def roles_of(land, neighbour, area, catalogue):
    roles = {land: "L", neighbour: "N", area: "A"}
    if catalogue:
        roles[catalogue] = "C"
    free = [i for i in range(1, max(roles) + 1) if i not in roles]
    assert len(free) <= 1
    if free:
        roles[free[0]] = "X"
    return roles


def template(row):
    paper, variant, cx, cy, land, neighbour, area, catalogue = row
    sheet = L.Sheet(paper)
    sizes = TITLE_SIZES["A4" if paper <= 2 else "A3"]
    region = sheet.drawing_region(cx, cy, title_room(sizes))
    arrow = sheet.arrow_box(region)
    ids = L.Ids()
    f = sheet.frame

    body = [L.anchor_paragraph(L.north_arrow(arrow, 1000))]
    columns = None
    ind = TABLE_INSET / 2 if sheet.landscape else TABLE_INSET
    if sheet.landscape:
        # Two columns: the drawing's, empty on the first sheet, and the text's. What continues on
        # the next sheet fills both, so the tables fit the narrower one; only where that is too
        # narrow for the 6-zem row (A4 variants 3 to 6, whose 6-zem row stands before the
        # catalogue, on the first sheet) does the row take the text column's width.
        columns = sheet.columns(region, 2 * TABLE_INSET)
        first, second = (L.from_twips(columns[0]), L.from_twips(columns[2]))
        width = min(first, second) - 2 * ind
        wide = width if width >= SIXZEM_WIDTH else second - 2 * ind
        body.append(L.column_break())
        body += title_paragraphs(ids, sizes)
    else:
        width = wide = f.w - 2 * TABLE_INSET

    caption = dict(size=10, bold=True, align="center", before=2, after=1, keep=True)
    roles = roles_of(land, neighbour, area, catalogue)
    touched = None   # the columns of the table the area line touches
    for index, role in sorted(roles.items()):
        # The area line closes the plan: it stays with the end of the table before it (the 6-zem
        # table whole, a growing table's last rows, which the builder keeps), through the spacer,
        # and through a description by neighbours of one or two lines, which its last rows keep
        # whole, to the end of the table before that; with the paragraphs between them.
        closes = index < area and all(roles[i] in "XN" for i in range(index + 1, area))
        touches = index + 1 == area and role in "XN" and (sheet.landscape or role == "N")
        if role == "X":
            if sheet.landscape:
                body.append(spacer_table(width, ind, closes))
                touched = [width] if touches else None
            else:
                assert index == 1, "the band of the title and the drawing must come first"
                # The band of the title lines and the drawing: its height ends where the drawing
                # region ends, below the anchor paragraph's 1 pt.
                band = region.bottom - sheet.body_top - 1
                body.append(table([f.w], [[c(Paras(title_paragraphs(ids, sizes)), valign="top", borders=False)]],
                                  borders=False, row_height=band, row_rule="atLeast", cell_margin=0))
        elif role == "C":
            body.append(para(size=2, exact=2))
            body.append(catalogue_table(ind))
        elif role == "L":
            kind = land_kind(variant)
            if kind == "list":
                body.append(para(run("Експлікація земельних угідь", caption["size"], True), **caption))
                body.append(use_list_table(width, ind))
            else:
                body.append(para(run("Дані для форми 6-зем", caption["size"], True), **caption))
                body.append(sixzem_table(kind, wide, ind))
        elif role == "N":
            body.append(para(run("Опис меж суміжних землекористувачів", caption["size"], True), **caption))
            body.append(neighbour_table(width, ind))
            touched = neighbour_widths(width) if touches else None
        elif role == "A":
            if not touched:
                body.append(para(size=2, exact=2, keep=True))
            body.append(area_table(touched or [width], ind))
        # Tables that touch are laid out as one by Word and LibreOffice; only the area line is
        # meant to be (see area_table).
        if not touches:
            body.append(para(size=1, exact=1, keep=closes))

    return {"document.xml": L.document(body, sheet.section(columns)), "footer1.xml": sheet.footer(ids),
            "settings.xml": L.settings(sheet.variables(region))}


def name(row):
    return PREFIX[row[0]] + SUFFIX[row[1]]


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for row in ROWS:
        d = os.path.join(out, name(row))
        os.makedirs(d, exist_ok=True)
        for part, text in template(row).items():
            with open(os.path.join(d, part), "w", encoding="utf-8") as f:
                f.write(text)
