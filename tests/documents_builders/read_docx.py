#!/usr/bin/python3
"""Prints as JSON what python-docx reads from a .docx: body paragraphs, text-box texts, the
physical cells (w:tc) of every top-level table, row by row, and the paragraphs of the footers
(those in their tables too)."""
import json, sys
import docx
from docx.oxml.ns import qn

d = docx.Document(sys.argv[1])
body = d.element.body

def text_of(el):
    return "\r".join("".join(t.text or "" for t in p.iter(qn("w:t"))) for p in el.iter(qn("w:p")))

paragraphs = [p.text for p in d.paragraphs]
boxes = [text_of(tx) for tx in body.iter(qn("w:txbxContent"))]
tables = []
for tbl in body.iterchildren(qn("w:tbl")):
    rows = []
    for tr in tbl.iterchildren(qn("w:tr")):
        rows.append([text_of(tc) for tc in tr.iterchildren(qn("w:tc"))])
    tables.append(rows)
footers = [text_of(p) for s in d.sections for p in s.footer._element.iter(qn("w:p"))]
print(json.dumps({"paragraphs": paragraphs, "boxes": boxes, "tables": tables, "footers": footers},
                 ensure_ascii=False))
