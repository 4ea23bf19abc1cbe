"""Reads a .docx with python-docx and prints what the office tests compare, as JSON:
paragraph texts of the body, the cell texts of every table, the text of every bookmark
(paragraphs joined by a carriage return) and the fonts of the runs of table 1."""
import json
import sys

import docx
from docx.oxml.ns import qn


def bookmark_texts(body):
    texts, open_ids, names = {}, {}, {}
    for el in body.iter():
        if el.tag == qn("w:bookmarkStart"):
            names[el.get(qn("w:id"))] = el.get(qn("w:name"))
            open_ids[el.get(qn("w:id"))] = True
            texts[el.get(qn("w:name"))] = ""
        elif el.tag == qn("w:bookmarkEnd"):
            open_ids.pop(el.get(qn("w:id")), None)
        elif el.tag == qn("w:p"):
            for i in open_ids:
                texts[names[i]] += "\r"
        elif el.tag == qn("w:t"):
            for i in open_ids:
                texts[names[i]] += el.text or ""
    # A paragraph that begins inside a bookmark adds a carriage return; the bookmark's own
    # paragraph began before its start, so only the later ones count.
    return texts


def main():
    document = docx.Document(sys.argv[1])
    result = {
        "paragraphs": [p.text for p in document.paragraphs],
        "tables": [[[cell.text for cell in row.cells] for row in table.rows] for table in document.tables],
        "bookmarks": bookmark_texts(document.element.body),
        "tableFonts": [
            {"name": run.font.name, "size": run.font.size.pt if run.font.size else None,
             "bold": run.font.bold, "italic": run.font.italic}
            for row in document.tables[0].rows for cell in row.cells
            for p in cell.paragraphs for run in p.runs if run.text
        ] if document.tables else [],
    }
    json.dump(result, sys.stdout, ensure_ascii=False)


main()
