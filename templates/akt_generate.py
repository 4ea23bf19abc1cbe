#!/usr/bin/python3
"""Writes the three act templates, templates/{aktnew,aprvl,aprvlp}/{document,settings}.xml.

Run it from anywhere after changing them: /usr/bin/python3 templates/akt_generate.py
The bookmarks are those the act builders fill (documents/stateacts.cpp); tests/documents_builders
reads the packed templates back and tests/pagelayout renders them with LibreOffice and measures
the page.

The acts are A4 landscape, framed as the plans are (layout.py) but without a title block. The
builder draws each parcel around a fixed centre on the first sheet, so the first sheet keeps
those places free by flow:

- aprvl, aprvlp (the act for private ownership, and the same for a land share): one sheet of two
  columns, like an opened act form: the act's text with its signatures on the left, the plan on
  the right (drawn around 600, 230 pt) in a band of fixed height, the scale and the description
  of the boundary by neighbours under it.
- aktnew (the state act of the new form): the first sheet holds the plan of the parcel on its left
  half (drawn around 280, 230 pt) with the scale and the boundary description under it, and keeps
  its right half free for the owner's second parcel, which the builder draws around 600, 180 pt
  with its cadastral number above and its description below. The second sheet, in two columns,
  holds the act's text, its registration and signatures, then the list of co-owners (table 1,
  the only table, so the builder finds it first) with their signatures.

Each description by neighbours (bookmark "sm1" or "sm") is one paragraph per line with a hanging
indent: the builder puts the letters of a line in front of its neighbour, with a tab to the
neighbours' column, so a neighbour that takes two lines keeps its letters beside it. After the
names of a council the word "ради" (or "раді") stands in a bookmark of its own ("<name>_rada"),
which the builder empties where the name is not a council's; the approval acts' word "рішення"
before the decision's body stands in "OrgKind", which an order's grounds empty, and the new act's
before the issuer in "risdate_kind", which an order's grounds make "розпорядження".

The names the builder puts in (owners, signers) are nominative: each follows a label and a colon
or stands alone on a signature line, never after a word that would want another case.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layout as L
from layout import Raw, c, para, run, tab, bookmark, table, PT

LANDSCAPE = 2
INSET = 6                 # pt between the frame and the text
SQUARE = L.DRAWING_HALF   # half the side of the largest drawing's square
LETTERS_W = 62            # pt, the letters of a line of a description by neighbours


def act_sheet():
    return L.Sheet(LANDSCAPE, stamp=False)


def text_width(sheet):
    return L.from_twips(sheet.w_tw - sheet.left_tw - sheet.edge_tw)


def heading(text, size, after=0, ind=0, right=0):
    return para(run(text, size, True), align="center", size=size, bold=True, ind=ind, right=right, after=after)


def band(height):
    """A paragraph of exact height: room kept free for a drawing."""
    return para(size=1, exact=height)


class Form:
    """The pieces of one act's text: paragraphs of plain texts and bookmarks in its text size."""

    def __init__(self, size):
        self.ids = L.Ids()
        self.size = size

    def bm(self, name, bold=False, text=""):
        return bookmark(self.ids, name, self.size, bold, text)

    def council_word(self, name, word):
        """The word after a council's name, in a bookmark of its own that the builder may empty."""
        return self.bm(name + "_rada", text=word)

    def line(self, *parts, size=None, ind=INSET, right=INSET, after=2, align="both", tabs=()):
        size = size or self.size
        content = ''.join(p if isinstance(p, Raw) else run(p, size) for p in parts)
        return para(Raw(content), align=align, size=size, ind=ind, right=right, after=after, tabs=tabs)

    def signature(self, role, name, width, seal=True):
        """The signer's role, then a line to sign on with the name at the column's right."""
        out = [self.line(*role, align="left", after=0),
               self.line("________________", tab(self.size), self.bm(name, True), align="left", after=0,
                         tabs=[("right", width - INSET - 1)])]
        if seal:
            out.append(self.line("М.П.", size=9, align="left", ind=INSET + 20, after=6))
        return out

    def description(self, name, right):
        """The boundary description by neighbours: the letters of each line at the left, its
        neighbour at a tab stop, a second line of a neighbour under the neighbour."""
        column = INSET + LETTERS_W + 2
        return [para(bookmark(self.ids, name, 10), size=10, ind=column, hanging=LETTERS_W + 2, right=right,
                     tabs=[("left", column)])]


# ---- aprvl, aprvlp -------------------------------------------------------------------------

def approval_act(shares):
    sheet = act_sheet()
    f = sheet.frame
    cx, cy = 600, 230
    # The left column ends before the drawing's square; the right one is the plan's.
    first = round((cx - SQUARE - 10 - f.x) * L.TW)
    space = round(10 * L.TW)
    second = sheet.w_tw - sheet.left_tw - sheet.edge_tw - first - space
    col1, col2 = L.from_twips(first), L.from_twips(second)
    region = L.Rect(f.x + col1 + 6, cy - SQUARE - 12, f.right - (f.x + col1 + 6), 2 * SQUARE + 18)
    arrow = L.Rect(region.right - L.ARROW_INSET - L.ARROW_W, region.y + L.ARROW_INSET, L.ARROW_W, L.ARROW_H)
    a = Form(11)
    body = [L.anchor_paragraph(L.north_arrow(arrow, 1000))]

    # The act's text, its registration and signatures.
    body.append(heading("ДЕРЖАВНИЙ АКТ", 16))
    body.append(heading("на право приватної власності на землю", 12, after=0 if shares else 4))
    if shares:
        body.append(heading("(земельна ділянка в рахунок земельної частки (паю))", 10, after=4))
    body.append(a.line("Серія ________   № ______________", align="center", after=8))
    body.append(a.line("Власник: ", a.bm("OwnName", True), align="left"))
    body.append(a.line("Адреса власника: ", a.bm("OwnAdr"), align="left", after=6))
    granted = ("земельну ділянку в рахунок належної йому земельної частки (паю) площею " if shares
               else "земельну ділянку площею ")
    # The kind of the decision: "рішення" before the body that made it, nothing before an order,
    # which names itself ("розпорядження").
    body.append(a.line("Цей акт посвідчує, що відповідно до ", a.bm("OrgKind", text="рішення "), a.bm("OrgType"), " ",
                       a.bm("OrgName1"), a.council_word("OrgName1", " ради"), a.bm("DocDate"),
                       " власнику передано у приватну власність ", granted, a.bm("Area", True),
                       " га в межах згідно з планом.", after=4))
    body.append(a.line("Земельна ділянка розташована на території ", a.bm("DilAdr"), ".", after=4))
    body.append(a.line("Цільове призначення земельної ділянки: ", a.bm("Cilove"), after=8))
    body.append(a.line("Акт складено у двох примірниках, з яких перший видано власнику, другий зберігається в ",
                       a.bm("OrgName2"), a.council_word("OrgName2", " раді"), ".", after=4))
    body.append(a.line("Акт зареєстровано в Книзі записів державних актів на право приватної власності на землю "
                       "за № ____________"))
    body.append(a.line("«____» ________________ 20____ р.", align="left", after=10))
    body += a.signature(["Голова ", a.bm("OrgName3"), a.council_word("OrgName3", " ради")], "Golova", col1)
    # The office's kind ("районного", "міського" for a city) in a bookmark of its own.
    body += a.signature(["Начальник ", a.bm("RaiZem_kind", text="районного"), " відділу земельних ресурсів"], "RaiZem",
                        col1)
    body.append(L.column_break())

    # The plan: a band as high as the drawing's region reaches, the plan's name at its top; the
    # scale and the description by neighbours under it.
    title = L.Paras([heading("ПЛАН МЕЖ ЗЕМЕЛЬНОЇ ДІЛЯНКИ", 13),
                     para(bookmark(a.ids, "OwnName1", 10), align="center", size=10)])
    body.append(table([col2], [[c(title, valign="top", borders=False)]], borders=False,
                      row_height=region.bottom - sheet.body_top, row_rule="exact", cell_margin=0))
    body.append(a.line("Масштаб 1:", a.bm("Mash"), align="left", after=4))
    body.append(a.line("Опис меж суміжних земель:", align="left"))
    body += a.description("sm1", INSET)

    doc = L.document(body, sheet.section((first, space, second)))
    return {"document.xml": doc, "settings.xml": L.settings({"Frame": f.var(), "DrawingRegion": region.var()})}


# ---- aktnew --------------------------------------------------------------------------------

COOWNER_COLS = [20, 136, 160, 48]   # pt: №, name, address, share
COOWNER_ROWS = 2                    # the rows the form offers; the builder adds what more it needs


def new_state_act():
    sheet = act_sheet()
    f = sheet.frame
    width = text_width(sheet)
    (cx, cy), (cx2, cy2) = (280, 230), (600, 180)
    half = cx + SQUARE + 4 - f.x            # the left half: the first parcel's plan and its texts
    right = width - half                      # right indent that keeps a paragraph in the left half
    title_h = 20
    top = sheet.body_top + 1 + title_h + 2
    region = L.Rect(f.x, top, half, cy + SQUARE + 6 - top)
    # The second parcel: its cadastral number above (600, 80), its drawing, its description below
    # (550 to 800, 350 to 500).
    region2 = L.Rect(f.x + half, f.y, f.right - (f.x + half), 505 - f.y)
    arrow = L.Rect(region.x + L.ARROW_INSET, region.y + L.ARROW_INSET, L.ARROW_W, L.ARROW_H)
    assert arrow.right < cx - SQUARE and region.bottom > cy + SQUARE and region2.x < cx2 - SQUARE

    plan = Form(11)
    body = [L.anchor_paragraph(L.north_arrow(arrow, 1000))]
    # Sheet 1: the plan of the parcel; its right half is the second parcel's.
    body.append(para(run("ПЛАН МЕЖ ЗЕМЕЛЬНОЇ ДІЛЯНКИ", 13, True), align="center", size=13, bold=True,
                     exact=title_h, right=right))
    body.append(band(region.bottom - (sheet.body_top + 1 + title_h)))
    body.append(plan.line("Масштаб 1:", plan.bm("mash"), align="left", right=right, after=4))
    body.append(plan.line("Опис меж суміжних земель:", align="left", right=right))
    body += plan.description("sm", right)
    body.append(para(size=1, exact=1, section=sheet.section()))

    # Sheet 2, in two columns: the act; its registration and signatures; the co-owners.
    a = Form(12)
    a.ids = plan.ids
    col_tw, gap_tw = round((width - 20) / 2 * L.TW), round(20 * L.TW)
    cols = (col_tw, gap_tw, sheet.w_tw - sheet.left_tw - sheet.edge_tw - col_tw - gap_tw)
    col = L.from_twips(col_tw)
    body.append(heading("ДЕРЖАВНИЙ АКТ", 18, after=2))
    body.append(heading("на право власності на земельну ділянку", 13, after=6))
    body.append(a.line("Серія ________   № ______________", align="center", after=16))
    # "рішення" before the body that made the decision, "розпорядження" before an administration.
    body.append(a.line("Цей державний акт посвідчує право власності на земельну ділянку, надану відповідно до ",
                       a.bm("risdate_kind", text="рішення "), a.bm("risdate"), a.council_word("risdate", " ради"),
                       a.bm("radu"), ".", after=6))
    body.append(a.line("Власник: ", a.bm("oname", True), align="left", after=6))
    body.append(a.line("Адреса власника: ", a.bm("oadr"), align="left", after=6))
    body.append(a.line("Площа земельної ділянки: ", a.bm("area", True), align="left", after=6))
    body.append(a.line("Місце розташування земельної ділянки: ", a.bm("adrdildetal"), ".", after=6))
    body.append(a.line("Кадастровий номер земельної ділянки: ", a.bm("kadkode", True), after=6))
    body.append(a.line("Цільове призначення (використання) земельної ділянки: ", a.bm("cilove"), after=16))
    body.append(a.line("Межі земельної ділянки показано на плані, що є невід'ємною частиною цього акта."))
    body.append(L.column_break())

    body.append(a.line("Акт складено у двох примірниках, з яких перший видано власнику, другий зберігається в ",
                       a.bm("radi"), a.council_word("radi", " раді"), ".", after=10))
    body.append(a.line("Акт зареєстровано в Книзі записів реєстрації державних актів на право власності на земельну "
                       "ділянку ", a.bm("raividdilu1"), " відділу земельних ресурсів за № ____________"))
    body.append(a.line("«____» ________________ 20____ р.", align="left", after=4))
    body += a.signature(["Начальник відділу"], "raizem1", col, seal=False)
    body.append(a.line("", size=6, after=8))
    body += a.signature(["Голова ", a.bm("radu1"), a.council_word("radu1", " ради")], "golova", col)
    body += a.signature(["Начальник ", a.bm("raividdilu"), " відділу земельних ресурсів"], "raizem", col)

    # The co-owners: the column names, then table 1, which the builder fills from its first row.
    body.append(heading("Список співвласників земельної ділянки", 12, after=2))
    stops, x = [], INSET
    for w in COOWNER_COLS[:-1]:
        x += w
        stops.append(("left", x + 2))
    body.append(a.line("№", tab(9), "Прізвище, ім'я, по батькові", tab(9), "Адреса", tab(9), "Частка", size=9,
                       align="left", after=1, tabs=stops))
    cell = dict(size=10, align="left")
    rows = [[c(**cell), c(**cell), c(**cell), c(size=10)] for _ in range(COOWNER_ROWS)]
    body.append(table(COOWNER_COLS, rows, ind=INSET, heights={r: 15 for r in range(1, COOWNER_ROWS + 1)}))
    body.append(a.line("", size=6, after=6))
    body += a.signature(["Голова ", a.bm("radu_spiv")], "golova_spiv", col)
    body += a.signature(["Начальник ", a.bm("viddilu_spiv")], "raizem_spiv", col)

    doc = L.document(body, sheet.section(cols))
    v = {"Frame": f.var(), "DrawingRegion": region.var(), "DrawingRegion2": region2.var()}
    return {"document.xml": doc, "settings.xml": L.settings(v)}


TEMPLATES = {"aprvl": lambda: approval_act(False), "aprvlp": lambda: approval_act(True), "aktnew": new_state_act}

if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, make in TEMPLATES.items():
        d = os.path.join(out, name)
        os.makedirs(d, exist_ok=True)
        for part, text in make().items():
            with open(os.path.join(d, part), "w", encoding="utf-8") as f:
                f.write(text)
