#!/usr/bin/python3
"""Writes the approval plan template, templates/poga3l/{document,footer1,settings}.xml.

Run it from anywhere after changing the layout: /usr/bin/python3 templates/poga_generate.py
The sheet is A3 landscape with the frame, the title block in the footer and the drawing region of
layout.py, the drawing centred at (300, 550) points as the builder draws it
(documents/plantemplates.cpp, ApprovalTemplate()).

Two columns, as on the landscape plans. The first holds the plan's names and the three main lines
at its top and, below them, the drawing region (from the top of the largest drawing's square, 156
pt above the centre, down to the bottom of the body); a column break ends it after the title lines. The second holds the approvals (table 1: the head of the commission in
cell (1, 1), the eight approving bodies in column 1 of rows 4 to 18 and their persons in column 3,
each body's number in the row above it), the area (table 2), a thin spacer (table 3) and the
boundary description by neighbours (table 4). What continues on the next sheet fills both columns.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layout as L
from layout import Raw, c, para, run, table
from plma_generate import TITLE_SIZES, TABLE_INSET, title_paragraphs, neighbour_table, area_table, spacer_table

PAPER = 4                 # A3 landscape
CENTRE = (300, 550)       # points: where the builder centres the drawing
APPROVALS = 8
APPROVAL_COLUMNS = [44, 20, 36]   # shares of the width: body, signature and seal, person
ROW_HEIGHTS = {"head": 22, "heading": 24, "number": 12, "body": 30}   # points


def approval_table(width, ind):
    """18 rows: the head of the commission (the builder writes cell (1, 1)), the column headings,
    then for each approval a row with its number and the row of the body and the person."""
    widths = L.scaled(APPROVAL_COLUMNS, width)
    text = dict(size=10, align="left")
    head = dict(size=9, bold=True)
    rows = [[c(**text, bold=True), c(), c("голова комісії", size=10, align="left")],
            [c("Орган, що погоджує", **head), c("Підпис, печатка, дата", **head), c("Посадова особа", **head)]]
    heights = {1: ROW_HEIGHTS["head"], 2: ROW_HEIGHTS["heading"]}
    for k in range(1, APPROVALS + 1):
        rows.append([c(f"{k}.", span=3, size=8, bold=True, align="left")])
        rows.append([c(**text), c(), c(**text)])
        heights[len(rows) - 1] = ROW_HEIGHTS["number"]
        heights[len(rows)] = ROW_HEIGHTS["body"]
    return table(widths, rows, ind=ind, heights=heights, whole_rows=True)


def template():
    sheet = L.Sheet(PAPER)
    f = sheet.frame
    cx, cy = CENTRE
    # The first column: the title lines, then the drawing region from the top of the largest
    # drawing's square down to the bottom of the body; the north arrow stands beside the square.
    column = sheet.drawing_region(cx, cy)
    top = cy - L.DRAWING_HALF
    region = L.Rect(column.x, top, column.w, column.bottom - top)
    assert region.bottom >= cy + L.DRAWING_HALF
    arrow = sheet.arrow_box(region)
    ids = L.Ids()

    columns = sheet.columns(column, 2 * TABLE_INSET)
    first, second = L.from_twips(columns[0]), L.from_twips(columns[2])
    ind = TABLE_INSET / 2
    narrow = min(first, second) - 2 * ind     # tables that may continue in the first column
    wide = second - 2 * ind                   # the approvals stand at the top of the second

    sizes = TITLE_SIZES["A3"]
    body = [L.anchor_paragraph(L.north_arrow(arrow, 1000))]
    body += title_paragraphs(ids, sizes)
    body.append(L.column_break())

    caption = dict(size=12, bold=True, align="center", before=0, after=4, keep=True)
    gap = para(size=1, exact=1)   # tables that touch are joined into one
    body.append(para(run("ПОГОДЖЕННЯ", 12, True), **caption))
    body.append(approval_table(wide, ind))
    body.append(para(size=6, exact=6))
    body.append(area_table(narrow, ind))
    body.append(gap)
    body.append(spacer_table(narrow, ind))
    body.append(gap)
    body.append(para(run("Опис меж суміжних землекористувачів", 11, True), **dict(caption, size=11, before=6)))
    body.append(neighbour_table(narrow, ind))
    body.append(gap)

    return {"document.xml": L.document(body, sheet.section(columns)), "footer1.xml": sheet.footer(ids),
            "settings.xml": L.settings(sheet.variables(region))}


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    d = os.path.join(out, "poga3l")
    os.makedirs(d, exist_ok=True)
    for part, text in template().items():
        with open(os.path.join(d, part), "w", encoding="utf-8") as fh:
            fh.write(text)
