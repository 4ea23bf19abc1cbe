"""Page layout of the templates that carry a drawing, a frame and a title block.

The rules, shared by the template generators (plma_generate.py writes the 26 plan templates with
them; another generator imports this module the same way):

- The frame runs 20 mm from the left edge of the sheet and 5 mm from the other edges; it is the
  section's page border, drawn at the edge of the text area, so it stands on every sheet.
- The title block (170 x 32 mm) stands in the footer, its right and bottom edges on the frame:
  every sheet carries it, with "Аркуш" and "Аркушів" as PAGE and NUMPAGES fields, which Word and
  LibreOffice both compute. The bottom margin keeps 3 mm free above it, so the body never reaches it.
- The drawing region is fixed on the page: the drawing is placed around a fixed centre, and the
  largest drawing that the automatic scale makes (236.25 pt across: 25 m at 1:300), with its 20 pt
  neighbour stubs and their letters (37 pt beyond the vertices), fits a square of
  2 x DRAWING_HALF around the centre. Portrait: the region is the full width of the frame from
  centre y - DRAWING_HALF to centre y + DRAWING_HALF; the title lines stand above it, the tables
  below it. The title lines keep the room they need at the top (seven lines: an allotment plan's two
  names, an owner's name of two lines and a territory with the address of two lines), which on A4
  portrait takes 22 pt from the top of the square on variants 2 to 4 (centre y 240) and 2 pt on the
  others (centre y 260). Landscape: the region is the frame's height left of
  centre x + DRAWING_HALF; the section has two columns, the first as wide as that region and left
  empty on the first sheet (a column break ends it at once), so the title lines and the tables stand
  in the second column and continue on the next sheet in both. Where the page has less room than
  that (a centre nearer the frame), the region ends at the frame.
- The body reserves the region by flow alone (an exact band or a column), not by text wrapping
  around floating objects, so Word and LibreOffice lay the page out alike; tables that outgrow their
  region continue on the next sheet, which has its own frame and title block, each row whole and
  with at least two rows (the builders keep the last two rows of a table they grow with what
  follows them); what closes a table (plma_generate.py: the area line) stays with its end.
- A north arrow stands in a corner of the drawing region outside the largest drawing's square:
  top right in portrait, top left in landscape. It is a group named "NorthArrow".
- The regions are written into the template as document variables, "x y width height" in points
  from the sheet's top left: "Frame", "DrawingRegion", "TitleBlock". The builder reads
  "DrawingRegion" to tell when a drawing leaves it; the layout test reads all three.
"""
import os
from xml.sax.saxutils import escape

PT = 72 / 25.4               # points per millimetre
TW = 20                      # twips per point
EMU = 12700                  # EMU per point

PAPERS = {1: (210, 297), 2: (297, 210), 3: (297, 420), 4: (420, 297)}   # mm, by paper code

FRAME_LEFT, FRAME = 20, 5    # mm from the sheet's edges
STAMP_COLS = [25, 30, 15, 100]   # mm
STAMP_ROW, STAMP_ROWS = 8, 4     # mm, rows
STAMP_FREE = 3                   # mm kept free above the title block
DRAWING_HALF = 156               # pt: half the side of the largest drawing's square
ARROW_W, ARROW_H = 24, 40        # pt: the north arrow's box
ARROW_INSET = 6                  # pt from the region's edges
ROTATED_INSET = 2                # pt kept free at both ends of a cell's upward text

NAMESPACES = (' xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"'
              ' xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
              ' xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"'
              ' xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main"'
              ' xmlns:wps="http://schemas.microsoft.com/office/word/2010/wordprocessingShape"'
              ' xmlns:wpg="http://schemas.microsoft.com/office/word/2010/wordprocessingGroup"')


def twips(mm):
    return round(mm * PT * TW)


def from_twips(tw):
    return tw / TW


class Raw(str):
    """A fragment that is already WordprocessingML."""


class Paras(list):
    """Paragraphs (WordprocessingML text each) that make up a cell's content."""


class Ids:
    def __init__(self, first=1):
        self.n = first - 1

    def next(self):
        self.n += 1
        return self.n


# ---- text ---------------------------------------------------------------------------------

def rpr(size=None, bold=False):
    s = '<w:rFonts w:ascii="Times New Roman" w:hAnsi="Times New Roman" w:cs="Times New Roman"/>'
    if bold:
        s += '<w:b/><w:bCs/>'
    if size:
        s += f'<w:sz w:val="{round(size * 2)}"/><w:szCs w:val="{round(size * 2)}"/>'
    return f'<w:rPr>{s}</w:rPr>'


def run(text, size=None, bold=False):
    return Raw(f'<w:r>{rpr(size, bold)}<w:t xml:space="preserve">{escape(text)}</w:t></w:r>')


def tab(size=None):
    return Raw(f'<w:r>{rpr(size)}<w:tab/></w:r>')


def bookmark(ids, name, size=None, bold=False, text=""):
    i = ids.next()
    return Raw(f'<w:bookmarkStart w:id="{i}" w:name="{name}"/>{run(text, size, bold)}'
               f'<w:bookmarkEnd w:id="{i}"/>')


def field(instruction, size=None, shown="1"):
    """A field (PAGE, NUMPAGES) with `shown` as its last result; Word and LibreOffice recompute it."""
    r = rpr(size)
    return Raw(f'<w:r>{r}<w:fldChar w:fldCharType="begin"/></w:r>'
               f'<w:r>{r}<w:instrText xml:space="preserve"> {instruction} </w:instrText></w:r>'
               f'<w:r>{r}<w:fldChar w:fldCharType="separate"/></w:r>'
               f'<w:r>{r}<w:t>{shown}</w:t></w:r>'
               f'<w:r>{r}<w:fldChar w:fldCharType="end"/></w:r>')


def para(content="", align=None, size=None, bold=False, ind=0, before=0, after=0, exact=None, keep=False,
         right=0, frame=None, tabs=(), section=None, hanging=0, lines=None):
    """A paragraph. `right` indents it from the right (points); `hanging` starts its first line
    that much left of `ind`; `frame` is a w:framePr; `tabs` are (kind, position in points) tab
    stops; `section` (a w:sectPr) ends a section with it."""
    ppr = ''
    if keep:
        ppr += '<w:keepNext/>'
    if frame:
        ppr += frame
    if tabs:
        ppr += '<w:tabs>' + ''.join(f'<w:tab w:val="{k}" w:pos="{round(pos * TW)}"/>' for k, pos in tabs) + '</w:tabs>'
    sp = f'<w:spacing w:before="{round(before * TW)}" w:after="{round(after * TW)}"'
    if exact:
        sp += f' w:line="{round(exact * TW)}" w:lineRule="exact"'
    elif lines:
        sp += f' w:line="{round(lines * 240)}" w:lineRule="auto"'
    ppr += sp + '/>'
    if ind or right:
        hang = f' w:hanging="{round(hanging * TW)}"' if hanging else ''
        ppr += f'<w:ind w:left="{round(ind * TW)}" w:right="{round(right * TW)}"{hang}/>'
    if align:
        ppr += f'<w:jc w:val="{align}"/>'
    ppr += rpr(size, bold)
    if section:
        ppr += section
    return f'<w:p><w:pPr>{ppr}</w:pPr>{content}</w:p>'


def anchor_paragraph(content=""):
    """The body's first paragraph, 1 pt high: it holds the template's page-anchored shapes, and the
    document layer anchors the drawing in it too, so they stand on the first sheet."""
    return para(content, size=1, exact=1)


def column_break():
    """A paragraph that ends the column, 1 pt high. It stands apart from the anchor paragraph:
    LibreOffice drops a column break from a paragraph that holds a drawing."""
    return para(Raw('<w:r><w:br w:type="column"/></w:r>'), size=1, exact=1)


# ---- tables -------------------------------------------------------------------------------

def cell(width_tw, content, span=1, vmerge=None, align="center", size=9, bold=False, borders=True,
         valign="center", rotate=False, keep=False, lines=None, before=0):
    tcpr = f'<w:tcW w:w="{round(width_tw)}" w:type="dxa"/>'
    if span > 1:
        tcpr += f'<w:gridSpan w:val="{span}"/>'
    if vmerge:
        tcpr += '<w:vMerge w:val="restart"/>' if vmerge == "restart" else '<w:vMerge/>'
    if not borders:
        tcpr += ('<w:tcBorders><w:top w:val="nil"/><w:left w:val="nil"/><w:bottom w:val="nil"/>'
                 '<w:right w:val="nil"/></w:tcBorders>')
    if rotate:
        # Upward text runs the cell's height; without an inset its longest line ends on the border.
        m = round(ROTATED_INSET * TW)
        tcpr += (f'<w:tcMar><w:top w:w="{m}" w:type="dxa"/><w:bottom w:w="{m}" w:type="dxa"/></w:tcMar>'
                 '<w:textDirection w:val="btLr"/>')
    tcpr += f'<w:vAlign w:val="{valign}"/>'
    if isinstance(content, Paras):
        return f'<w:tc><w:tcPr>{tcpr}</w:tcPr>{"".join(content)}</w:tc>'
    if not isinstance(content, Raw):
        content = run(content, size, bold) if content else ''
    return f'<w:tc><w:tcPr>{tcpr}</w:tcPr>{para(content, align, size, bold, keep=keep, lines=lines, before=before)}</w:tc>'


def c(content="", span=1, vmerge=None, **opts):
    return (content, span, vmerge, opts)


def table(widths_pt, rows, ind=0, jc=None, borders=True, row_height=None, row_rule="exact", heading_rows=0,
          heights=None, cell_margin=2, whole_rows=False, keep_rows=False):
    """rows: lists of cells made by c(); widths and indent in points. `heights` gives row heights
    (points, at least) by row number from 1. `whole_rows`: no row breaks across sheets (the rows
    the builder adds copy that from the last row), and a heading row stays with the row after it,
    so a table never ends a sheet with its headings alone or with half an owner's name.
    `keep_rows`: every row stays with what follows it, so a table the builder adds no rows to goes
    on to the next sheet whole, with what it keeps with after it."""
    widths = [w * TW for w in widths_pt]
    tblpr = f'<w:tblW w:w="{round(sum(widths))}" w:type="dxa"/>'
    if jc:
        tblpr += f'<w:jc w:val="{jc}"/>'
    if ind:
        tblpr += f'<w:tblInd w:w="{round(ind * TW)}" w:type="dxa"/>'
    b = 'single' if borders else 'nil'
    tblpr += ('<w:tblBorders>' + ''.join(f'<w:{s} w:val="{b}" w:sz="6" w:space="0" w:color="000000"/>'
                                         for s in ('top', 'left', 'bottom', 'right', 'insideH', 'insideV'))
              + '</w:tblBorders>')
    tblpr += '<w:tblLayout w:type="fixed"/>'
    m = round(cell_margin * TW)
    tblpr += (f'<w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="{m}" w:type="dxa"/>'
              f'<w:bottom w:w="0" w:type="dxa"/><w:right w:w="{m}" w:type="dxa"/></w:tblCellMar>')
    grid = ''.join(f'<w:gridCol w:w="{round(w)}"/>' for w in widths)
    out = [f'<w:tbl><w:tblPr>{tblpr}</w:tblPr><w:tblGrid>{grid}</w:tblGrid>']
    for number, r in enumerate(rows, 1):
        trpr = ''
        if row_height:
            trpr += f'<w:trHeight w:val="{round(row_height * TW)}" w:hRule="{row_rule}"/>'
        elif heights and number in heights:
            trpr += f'<w:trHeight w:val="{round(heights[number] * TW)}" w:hRule="atLeast"/>'
        if number <= heading_rows:
            trpr += '<w:tblHeader/>'
        if whole_rows:
            trpr = '<w:cantSplit/>' + trpr
        out.append(f'\n<w:tr>' + (f'<w:trPr>{trpr}</w:trPr>' if trpr else ''))
        # Only a heading row that a row of the template follows keeps with it: the rows the
        # builder adds copy the last row, and a chain of them could not break at all.
        keep = keep_rows or (whole_rows and number <= heading_rows and number < len(rows))
        col = 0
        for content, span, vmerge, opts in r:
            w = sum(widths[col:col + span])
            out.append(cell(w, content, span, vmerge, **({'keep': True} if keep else {}), **opts))
            col += span
        assert col == len(widths), (col, len(widths))
        out.append('</w:tr>')
    out.append('\n</w:tbl>')
    return ''.join(out)


def scaled(widths, total):
    k = total / sum(widths)
    return [w * k for w in widths]


# ---- the sheet ----------------------------------------------------------------------------

class Rect:
    def __init__(self, x, y, w, h):
        self.x, self.y, self.w, self.h = x, y, w, h

    @property
    def right(self):
        return self.x + self.w

    @property
    def bottom(self):
        return self.y + self.h

    def var(self):
        return f'{self.x:.1f} {self.y:.1f} {self.w:.1f} {self.h:.1f}'


class Sheet:
    """One paper and orientation: the frame, the title block and the body's margins, in points
    computed from the twips the section states, so they are where Word puts them."""

    def __init__(self, paper, stamp=True):
        w_mm, h_mm = PAPERS[paper]
        self.landscape = w_mm > h_mm
        self.stamp_in_footer = stamp
        self.w_tw, self.h_tw = twips(w_mm), twips(h_mm)
        self.left_tw, self.edge_tw = twips(FRAME_LEFT), twips(FRAME)
        self.bottom_tw = twips(FRAME + STAMP_ROW * STAMP_ROWS + STAMP_FREE) if stamp else self.edge_tw
        w, h = from_twips(self.w_tw), from_twips(self.h_tw)
        left, edge = from_twips(self.left_tw), from_twips(self.edge_tw)
        self.frame = Rect(left, edge, w - left - edge, h - 2 * edge)
        stamp_w, stamp_h = sum(STAMP_COLS) * PT, STAMP_ROW * STAMP_ROWS * PT
        self.stamp = Rect(self.frame.right - stamp_w, self.frame.bottom - stamp_h, stamp_w, stamp_h)
        self.body_top = edge
        self.body_bottom = h - from_twips(self.bottom_tw)

    def drawing_region(self, cx, cy, title_room=0):
        """The drawing region around the centre (cx, cy); in portrait `title_room` points below the
        frame's top stay for the title lines."""
        f = self.frame
        if self.landscape:
            right = min(cx + DRAWING_HALF, f.right)
            return Rect(f.x, f.y, right - f.x, self.body_bottom - f.y)
        top = max(cy - DRAWING_HALF, f.y + title_room)
        bottom = min(cy + DRAWING_HALF, self.body_bottom)
        return Rect(f.x, top, f.w, bottom - top)

    def arrow_box(self, region):
        if self.landscape:
            return Rect(region.x + ARROW_INSET, region.y + ARROW_INSET, ARROW_W, ARROW_H)
        return Rect(region.right - ARROW_INSET - ARROW_W, region.y + ARROW_INSET, ARROW_W, ARROW_H)

    def variables(self, region):
        v = {"Frame": self.frame.var(), "DrawingRegion": region.var()}
        if self.stamp_in_footer:
            v["TitleBlock"] = self.stamp.var()
        return v

    def columns(self, region, gap):
        """Landscape: the first column as wide as the drawing region, the second the rest, `gap`
        points between them; in twips, adding up to the text width."""
        first = round(region.w * TW)
        space = round(gap * TW)
        return first, space, self.w_tw - self.left_tw - self.edge_tw - first - space

    def section(self, columns=None):
        border = lambda side: f'<w:{side} w:val="single" w:sz="12" w:space="0" w:color="000000"/>'
        orient = ' w:orient="landscape"' if self.landscape else ''
        cols = ''
        if columns:
            first, space, second = columns
            cols = (f'<w:cols w:num="2" w:space="{space}" w:equalWidth="0"><w:col w:w="{first}" w:space="{space}"/>'
                    f'<w:col w:w="{second}"/></w:cols>')
        footer = '<w:footerReference w:type="default" r:id="footer1"/>' if self.stamp_in_footer else ''
        return (f'<w:sectPr>{footer}'
                f'<w:pgSz w:w="{self.w_tw}" w:h="{self.h_tw}"{orient}/>'
                f'<w:pgMar w:top="{self.edge_tw}" w:right="{self.edge_tw}" w:bottom="{self.bottom_tw}" '
                f'w:left="{self.left_tw}" w:header="{self.edge_tw}" w:footer="{self.edge_tw}" w:gutter="0"/>'
                f'<w:pgBorders w:offsetFrom="text">{border("top")}{border("left")}{border("bottom")}{border("right")}'
                f'</w:pgBorders>{cols}</w:sectPr>')

    def footer(self, ids):
        """The title block: staff, organisation and date, scale, sheet numbers."""
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
                row.append(c(Raw(run("Аркуш ", 10) + field("PAGE", 10) + run("      Аркушів ", 10)
                                 + field("NUMPAGES", 10)), size=10))
            rows.append(row)
        stamp = table([w * PT for w in STAMP_COLS], rows, jc="right", row_height=STAMP_ROW * PT)
        return (f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<w:ftr{NAMESPACES}>{stamp}'
                f'{para(size=1, exact=1)}</w:ftr>\n')


def north_arrow(box, first_id):
    """A group named "NorthArrow": an upward arrow with "Пн" above it, in `box` on the page."""
    e = lambda v: round(v * EMU)
    x, y, w, h = e(box.x), e(box.y), e(box.w), e(box.h)
    text_h = e(14)
    line_x = x + w // 2
    line = (f'<wps:wsp><wps:cNvPr id="{first_id + 1}" name="NorthArrowLine"/><wps:cNvSpPr/><wps:spPr>'
            f'<a:xfrm flipV="1"><a:off x="{line_x}" y="{y + text_h}"/><a:ext cx="0" cy="{h - text_h}"/></a:xfrm>'
            '<a:prstGeom prst="line"><a:avLst/></a:prstGeom><a:ln w="12700"><a:solidFill><a:srgbClr val="000000"/>'
            '</a:solidFill><a:prstDash val="solid"/><a:headEnd type="none" w="sm" len="sm"/>'
            '<a:tailEnd type="triangle" w="med" len="med"/></a:ln></wps:spPr><wps:bodyPr/></wps:wsp>')
    label = (f'<wps:wsp><wps:cNvPr id="{first_id + 2}" name="NorthArrowText"/><wps:cNvSpPr txBox="1"/><wps:spPr>'
             f'<a:xfrm><a:off x="{x}" y="{y}"/><a:ext cx="{w}" cy="{text_h}"/></a:xfrm>'
             '<a:prstGeom prst="rect"><a:avLst/></a:prstGeom><a:noFill/><a:ln><a:noFill/></a:ln></wps:spPr>'
             '<wps:txbx><w:txbxContent>' + para(run("Пн", 10, True), align="center", size=10, bold=True)
             + '</w:txbxContent></wps:txbx><wps:bodyPr rot="0" vert="horz" wrap="square" lIns="0" tIns="0" '
             'rIns="0" bIns="0" anchor="t" anchorCtr="0"><a:noAutofit/></wps:bodyPr></wps:wsp>')
    return Raw(f'<w:r><w:drawing><wp:anchor distT="0" distB="0" distL="0" distR="0" simplePos="0" relativeHeight="1" '
               f'behindDoc="0" locked="0" layoutInCell="1" allowOverlap="1"><wp:simplePos x="0" y="0"/>'
               f'<wp:positionH relativeFrom="page"><wp:posOffset>{x}</wp:posOffset></wp:positionH>'
               f'<wp:positionV relativeFrom="page"><wp:posOffset>{y}</wp:posOffset></wp:positionV>'
               f'<wp:extent cx="{w}" cy="{h}"/><wp:effectExtent l="0" t="0" r="0" b="0"/><wp:wrapNone/>'
               f'<wp:docPr id="{first_id}" name="NorthArrow"/><wp:cNvGraphicFramePr/><a:graphic>'
               '<a:graphicData uri="http://schemas.microsoft.com/office/word/2010/wordprocessingGroup"><wpg:wgp>'
               f'<wpg:cNvGrpSpPr/><wpg:grpSpPr><a:xfrm><a:off x="0" y="0"/><a:ext cx="{w}" cy="{h}"/>'
               f'<a:chOff x="{x}" y="{y}"/><a:chExt cx="{w}" cy="{h}"/></a:xfrm></wpg:grpSpPr>{line}{label}'
               '</wpg:wgp></a:graphicData></a:graphic></wp:anchor></w:drawing></w:r>')


def document(body, section):
    return (f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<w:document{NAMESPACES}><w:body>\n'
            + '\n'.join(body) + '\n' + section + '\n</w:body></w:document>\n')


def settings(variables):
    """The shared settings with the template's document variables."""
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "common", "settings.xml"), encoding="utf-8") as f:
        text = f.read()
    doc_vars = '<w:docVars>' + ''.join(f'<w:docVar w:name="{escape(k)}" w:val="{escape(v)}"/>'
                                       for k, v in variables.items()) + '</w:docVars>'
    # w:docVars follows w:compat in the settings' schema order.
    return text.replace('</w:compat>', '</w:compat>\n  ' + doc_vars)
