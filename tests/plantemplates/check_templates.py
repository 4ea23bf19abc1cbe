#!/usr/bin/python3
"""Checks packed plan templates against what their builder expects of them.

Reads a JSON list of expectations on stdin; prints one line per problem, "<file>: <problem>";
prints nothing when every template is as expected.
"""
import json
import sys
import zipfile
import xml.etree.ElementTree as ET

W = '{http://schemas.openxmlformats.org/wordprocessingml/2006/main}'
R = '{http://schemas.openxmlformats.org/officeDocument/2006/relationships}'
WP = '{http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing}'
TEMPLATE_TYPE = 'application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml'
# Page sizes in twips, by paper code: width, height.
PAGES = {1: (11906, 16838), 2: (16838, 11906), 3: (16838, 23811), 4: (23811, 16838)}


def rows_of(tbl):
    return tbl.findall(W + 'tr')


def cells_of(tr):
    return tr.findall(W + 'tc')


def text_of(element):
    return ''.join(t.text or '' for t in element.iter(W + 't')).strip()


def bookmarks_in(element):
    return [b.get(W + 'name') for b in element.iter(W + 'bookmarkStart')]


def inside(r, outer, tolerance=0.1):
    return (r[0] >= outer[0] - tolerance and r[1] >= outer[1] - tolerance
            and r[0] + r[2] <= outer[0] + outer[2] + tolerance and r[1] + r[3] <= outer[1] + outer[3] + tolerance)


def overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def check(expect, problems):
    name = expect['file']
    say = lambda text: problems.append(f'{name}: {text}')
    try:
        package = zipfile.ZipFile(expect['path'])
    except (OSError, zipfile.BadZipFile) as error:
        say(f'cannot be opened ({error})')
        return
    types = ET.fromstring(package.read('[Content_Types].xml'))
    main = [o.get('ContentType') for o in types if o.get('PartName') == '/word/document.xml']
    if main != [TEMPLATE_TYPE]:
        say(f'main part is {main}, not a template')
    body = ET.fromstring(package.read('word/document.xml')).find(W + 'body')

    sect = body.find(W + 'sectPr')
    size = sect.find(W + 'pgSz') if sect is not None else None
    if size is None:
        say('no page size')
    else:
        got = (int(size.get(W + 'w')), int(size.get(W + 'h')))
        want = PAGES[expect['paper']]
        if any(abs(g - w) > 20 for g, w in zip(got, want)):
            say(f'page is {got} twips, want {want}')
        landscape = size.get(W + 'orient') == 'landscape'
        if landscape != (want[0] > want[1]):
            say('page orientation is not marked as its size says')
        if sect.find(W + 'pgBorders') is None:
            say('no frame')

    package_parts = set(package.namelist())
    footer = None
    rels = ET.fromstring(package.read('word/_rels/document.xml.rels'))
    ref = sect.find(W + 'footerReference') if sect is not None else None
    for rel in rels:
        if ref is not None and rel.get('Id') == ref.get(R + 'id') and rel.get('Type').endswith('/footer'):
            part = 'word/' + rel.get('Target')
            if part in package_parts:
                footer = ET.fromstring(package.read(part))
    if footer is None:
        say('no footer for the title block')
        return

    marks = bookmarks_in(body) + bookmarks_in(footer)
    if sorted(marks) != sorted(expect['bookmarks']):
        say(f'bookmarks {sorted(marks)}, want {sorted(expect["bookmarks"])}')
    stamp = {'pDur', 'nDur', 'pSkl', 'nSkl', 'pKresl', 'nKresl', 'pChek', 'nChek', 'Organ', 'Mash'}
    stamps = footer.findall(W + 'tbl')
    if len(stamps) != 1 or not stamp <= set(bookmarks_in(stamps[0])):
        say(f'the footer holds no title block with {sorted(stamp)}')
    else:
        fields = ''.join(t.text or '' for t in stamps[0].iter(W + 'instrText')).split()
        if fields != ['PAGE', 'NUMPAGES']:
            say(f'the title block numbers its sheets with the fields {fields}, want PAGE and NUMPAGES')

    # The regions: the drawing region and the title block inside the frame and apart, the north
    # arrow in the drawing region but outside the largest drawing around the centre.
    settings = ET.fromstring(package.read('word/settings.xml'))
    regions = {v.get(W + 'name'): [float(x) for x in v.get(W + 'val').split()]
               for v in settings.iter(W + 'docVar')}
    if not {'Frame', 'DrawingRegion', 'TitleBlock'} <= set(regions):
        say(f'regions {sorted(regions)}, want Frame, DrawingRegion, TitleBlock')
        return
    frame, drawing, block = (regions[k] for k in ('Frame', 'DrawingRegion', 'TitleBlock'))
    if not inside(drawing, frame) or not inside(block, frame):
        say(f'drawing region {drawing} or title block {block} is not inside the frame {frame}')
    if overlap(drawing, block):
        say(f'drawing region {drawing} meets the title block {block}')
    cx, cy = expect['centre']
    if not inside([cx, cy, 0, 0], drawing):
        say(f'the drawing centre {cx, cy} is not in the drawing region {drawing}')
    arrows = [a for a in body.iter(WP + 'anchor') if a.find(WP + 'docPr').get('name') == 'NorthArrow']
    if len(arrows) != 1:
        say('no north arrow')
    else:
        a = arrows[0]
        emu = lambda e: int(e.text) / 12700
        box = [emu(a.find(WP + 'positionH/' + WP + 'posOffset')), emu(a.find(WP + 'positionV/' + WP + 'posOffset')),
               int(a.find(WP + 'extent').get('cx')) / 12700, int(a.find(WP + 'extent').get('cy')) / 12700]
        half = expect['largestDrawingHalf']
        if not inside(box, drawing) or overlap(box, [cx - half, cy - half, 2 * half, 2 * half]):
            say(f'north arrow {box} is not in a corner of the drawing region {drawing}')

    tables = body.findall(W + 'tbl')
    children = list(body)
    roles = expect['tables']          # {"1": "land", ...}, 1-based document order
    named = {int(k): v for k, v in roles.items()}
    # Tables that touch are laid out as one by Word and LibreOffice. Only the area line may touch
    # the borderless table before it, with its properties and columns, to be laid out as its last
    # rows.
    layout = lambda t: [ET.tostring(t.find(W + k)) for k in ('tblPr', 'tblGrid')]
    for a, b in zip(children, children[1:]):
        if a.tag == W + 'tbl' and b.tag == W + 'tbl':
            second = tables.index(b) + 1
            if named.get(second) != 'area' or layout(a) != layout(b):
                say(f'tables {second - 1} and {second} touch: Word joins them into one')
    if max(named) > len(tables):
        say(f'{len(tables)} tables, but table {max(named)} is used')
        return
    free = [i for i in range(1, len(tables) + 1) if i not in named]
    if len(free) > 1:
        say(f'tables {free} are not used; at most one may stand for the layout')
    for index, role in named.items():
        tbl = tables[index - 1]
        rows = rows_of(tbl)
        if any(tbl.iter(W + 'bookmarkStart')):
            say(f'table {index} ({role}) holds bookmarks')
        # A row the builder fills (and those it adds, which copy the last) stays whole on one
        # sheet: an owner's name or a row of form 6-zem is not torn between two sheets.
        if not all(tr.find(W + 'trPr/' + W + 'cantSplit') is not None for tr in rows):
            say(f'rows of table {index} ({role}) may break across sheets')
        heading = [tr for tr in rows if tr.find(W + 'trPr/' + W + 'tblHeader') is not None]
        for tr in heading[:-1] if heading and heading[-1] is rows[-1] else heading:
            if not all(p.find(W + 'pPr/' + W + 'keepNext') is not None for p in tr.iter(W + 'p')):
                say(f'a heading row of table {index} ({role}) does not keep with the row after it')
                break
        if role == 'catalogue':
            if len(rows) != expect['catalogueHeadingRows'] or len(cells_of(rows[-1])) < 4 \
                    or not all(text_of(tc) for tc in cells_of(rows[-1])):
                say(f'catalogue table {index} is not {expect["catalogueHeadingRows"]} heading rows of 4 cells')
        elif role == 'land':
            columns = expect['landColumns']
            if expect['landRow'] == 0:
                if len(rows) != 1 or len(cells_of(rows[0])) != columns \
                        or not all(text_of(tc) for tc in cells_of(rows[0])):
                    say(f'land table {index} is not one heading row of {columns} cells')
            elif len(rows) != expect['landRow'] or len(cells_of(rows[-1])) != columns \
                    or any(text_of(tc) for tc in cells_of(rows[-1])):
                say(f'land table {index} has no empty data row {expect["landRow"]} of {columns} cells')
        elif role == 'neighbour':
            # Written from its first row on: the description's lines start there.
            if len(rows) != 1 or len(cells_of(rows[0])) != 3 or text_of(tbl):
                say(f'neighbour table {index} is not one empty row of 3 cells')
        elif role == 'approval':
            # The head of the commission in cell (1, 1); body k in column 1 and its person in
            # column 3 of row 2k + 2, for k = 1 to 8; the builder adds no rows.
            body_rows = [rows[2 * k + 1] for k in range(1, 9)] if len(rows) >= 18 else []
            if not body_rows or not cells_of(rows[0]) or text_of(cells_of(rows[0])[0]) \
                    or any(len(cells_of(tr)) < 3 or text_of(cells_of(tr)[0]) or text_of(cells_of(tr)[2])
                           for tr in body_rows):
                say(f'approval table {index} has no empty cell (1, 1) and empty cells in columns 1 and 3 '
                    f'of rows 4 to 18')
        elif role == 'area':
            # One empty cell; a plan's has a thin empty row under it that keeps it with what follows.
            if len(rows) not in (1, 2) or len(cells_of(rows[0])) != 1 or text_of(tbl):
                say(f'area table {index} is not one empty cell')


def main():
    problems = []
    for expect in json.load(sys.stdin):
        check(expect, problems)
    print('\n'.join(problems))


if __name__ == '__main__':
    main()
