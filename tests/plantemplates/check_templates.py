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

    marks = bookmarks_in(body)
    if sorted(marks) != sorted(expect['bookmarks']):
        say(f'bookmarks {sorted(marks)}, want {sorted(expect["bookmarks"])}')

    tables = body.findall(W + 'tbl')
    roles = expect['tables']          # {"1": "land", ...}, 1-based document order
    named = {int(k): v for k, v in roles.items()}
    free = [i for i in range(1, len(tables) + 1) if i not in named]
    if max(named) > len(tables):
        say(f'{len(tables)} tables, but table {max(named)} is used')
        return
    if len(free) != 1:
        say(f'tables {free} are not used; want exactly one, the title block')
    else:
        stamp = tables[free[0] - 1]
        want = {'pDur', 'nDur', 'pSkl', 'nSkl', 'pKresl', 'nKresl', 'pChek', 'nChek', 'Organ', 'Mash'}
        if not want <= set(bookmarks_in(stamp)):
            say(f'title block (table {free[0]}) lacks {sorted(want - set(bookmarks_in(stamp)))}')
    for index, role in named.items():
        tbl = tables[index - 1]
        rows = rows_of(tbl)
        if any(tbl.iter(W + 'bookmarkStart')):
            say(f'table {index} ({role}) holds bookmarks')
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
        elif role == 'area':
            if len(rows) != 1 or len(cells_of(rows[0])) != 1 or text_of(tbl):
                say(f'area table {index} is not one empty cell')


def main():
    problems = []
    for expect in json.load(sys.stdin):
        check(expect, problems)
    print('\n'.join(problems))


if __name__ == '__main__':
    main()
