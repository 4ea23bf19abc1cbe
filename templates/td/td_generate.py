#!/usr/bin/python3
"""Writes the templates of documents 2 to 12 of the land-share documentation package,
templates/td/1/p2.xml to p12.xml, from the texts below.

Run it from anywhere after changing a text: /usr/bin/python3 templates/td/td_generate.py

A text is a string in which {name|placeholder} is a bookmark that the builder fills (the
placeholder shows in the bare template and lends the filled text its formatting), a tab stands
for "\t", and ** switches bold on and off. Tables are lists of rows of cells; the tables that
the builder grows keep exactly their heading rows, and rows it adds copy the last of them, so
every cell of that row, the merged ones too, carries the alignment and the one size of the data.

The portrait page is A4 with margins of 20 mm top and bottom, 30 mm left and 15 mm right: 165 mm
(9355 twips) of text. Lists of many columns stand on landscape pages of their own section.
"""
import os
import re
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "1")

PORTRAIT_WIDTH = 9355
LANDSCAPE_WIDTH = 14854
PORTRAIT = ('<w:pgSz w:w="11906" w:h="16838"/>'
            '<w:pgMar w:top="1134" w:right="850" w:bottom="1134" w:left="1701" w:header="708" w:footer="708" w:gutter="0"/>')
LANDSCAPE = ('<w:pgSz w:w="16838" w:h="11906" w:orient="landscape"/>'
             '<w:pgMar w:top="1418" w:right="850" w:bottom="850" w:left="1134" w:header="708" w:footer="708" w:gutter="0"/>')

BODY = 14        # points: letters and decisions
TABLE = 11       # points: table cells
SMALL = 10       # points: headings of wide tables
ADDRESS = 9355 - 5100   # left indent of an addressee or approval block, twips


class Template:
    def __init__(self, number, title):
        self.number = number
        self.title = title
        self.parts = []
        self.ids = 0
        self.bookmarks = []
        self.tables = []     # (index, heading rows, columns, what the builder does)

    # --- runs and paragraphs -------------------------------------------------------------
    @staticmethod
    def rpr(size, bold=False, caps=False, italic=False):
        s = ''
        if bold:
            s += '<w:b/><w:bCs/>'
        if italic:
            s += '<w:i/><w:iCs/>'
        if caps:
            s += '<w:caps/>'
        s += f'<w:sz w:val="{int(size * 2)}"/><w:szCs w:val="{int(size * 2)}"/>'
        return f'<w:rPr>{s}</w:rPr>'

    def runs(self, text, size, bold=False, caps=False, italic=False):
        out = []
        for chunk in re.split(r'(\{[^}]*\}|\t|\*\*)', text):
            if not chunk:
                continue
            if chunk == '**':
                bold = not bold
            elif chunk == '\t':
                out.append(f'<w:r>{self.rpr(size, bold, caps, italic)}<w:tab/></w:r>')
            elif chunk.startswith('{'):
                name, _, placeholder = chunk[1:-1].partition('|')
                if name in self.bookmarks:
                    raise SystemExit(f'p{self.number}: bookmark {name} twice')
                self.bookmarks.append(name)
                i = self.ids
                self.ids += 1
                run = (f'<w:r>{self.rpr(size, bold, caps, italic)}<w:t xml:space="preserve">{escape(placeholder)}</w:t></w:r>'
                       if placeholder else '')
                out.append(f'<w:bookmarkStart w:id="{i}" w:name="{name}"/>{run}<w:bookmarkEnd w:id="{i}"/>')
            else:
                out.append(f'<w:r>{self.rpr(size, bold, caps, italic)}<w:t xml:space="preserve">{escape(chunk)}</w:t></w:r>')
        return ''.join(out)

    def ppr(self, size, align='both', before=0, after=0, first=0, hanging=0, left=0, right=0, tabs=(), line=None,
            keep=False, page_break=False, border=False, bold=False, section=None):
        s = ''
        if keep:
            s += '<w:keepNext/>'
        if page_break:
            s += '<w:pageBreakBefore/>'
        if border:
            s += '<w:pBdr><w:bottom w:val="thickThinSmallGap" w:sz="18" w:space="4" w:color="000000"/></w:pBdr>'
        if tabs:
            s += '<w:tabs>'
            for kind, pos, leader in tabs:
                s += f'<w:tab w:val="{kind}" w:leader="{leader}" w:pos="{pos}"/>' if leader else \
                     f'<w:tab w:val="{kind}" w:pos="{pos}"/>'
            s += '</w:tabs>'
        sp = f'<w:spacing w:before="{before}" w:after="{after}"'
        if line:
            sp += f' w:line="{line}" w:lineRule="auto"'
        s += sp + '/>'
        if hanging:
            s += f'<w:ind w:left="{left}" w:right="{right}" w:hanging="{hanging}"/>'
        elif first or left or right:
            s += f'<w:ind w:left="{left}" w:right="{right}" w:firstLine="{first}"/>'
        s += f'<w:jc w:val="{align}"/>'
        s += self.rpr(size, bold)
        if section:
            s += f'<w:sectPr>{section}</w:sectPr>'
        return f'<w:pPr>{s}</w:pPr>'

    def p(self, text='', size=BODY, bold=False, caps=False, italic=False, **kw):
        self.parts.append(f'<w:p>{self.ppr(size, bold=bold, **kw)}{self.runs(text, size, bold, caps, italic)}</w:p>')

    # --- the shapes of text an office letter is made of ------------------------------------
    def heading(self, text, size=BODY, before=240, after=0, **kw):
        """A centred bold line."""
        self.p(text, size=size, bold=True, align='center', before=before, after=after, **kw)

    def centred(self, text, size=BODY, before=0, after=0, **kw):
        self.p(text, size=size, align='center', before=before, after=after, **kw)

    def text(self, text, size=BODY, before=0, after=60, **kw):
        """A paragraph of the body: justified, its first line indented 1.25 cm."""
        self.p(text, size=size, align='both', first=709, before=before, after=after, line=264, **kw)

    def block(self, lines, size=BODY, before=0, after=0, left=ADDRESS, page_break=False):
        """Paragraphs set in the right part of the page: an addressee or an approval stamp. A
        paragraph that begins with a line to sign on keeps the name after it in one column."""
        signature = 120 * size + 100   # twips: the twelve underscores of a signature line and a gap
        for k, line in enumerate(lines):
            signed = line.startswith('_')
            self.p(line.replace(' ', '\t', 1) if signed else line, size=size, align='left',
                   left=left + signature if signed else left,
                   hanging=signature if signed else 0, before=before if k == 0 else 0,
                   after=after if k == len(lines) - 1 else 0, page_break=page_break and k == 0, keep=True)

    def sign(self, role, name='', size=BODY, before=360, width=PORTRAIT_WIDTH, keep=False):
        """A signature line: the role on the left, a line to sign on, and the name in a column of
        its own to the right (a long name wraps within it). A role of several lines ("\n") stands
        above the signature line but its last. `keep` holds the line on the page of the next. The
        name's column takes a full name (surname, name and patronymic) on one line."""
        *lead, role = role.split('\n')
        for k, line in enumerate(lead):
            self.p(line, size=size, align='left', before=before if k == 0 else 0, keep=True)
        line_at, name_at = width - 6300, width - 4400
        self.p(f'{role}\t____________\t{name}' if name else f'{role}\t____________', size=size, align='left',
               before=0 if lead else before, left=name_at, hanging=name_at, keep=keep,
               tabs=(('left', line_at, None), ('left', name_at, None)))

    def date_line(self, left, right, size=BODY, before=240, after=240, width=PORTRAIT_WIDTH):
        self.p(f'{left}\t{right}', size=size, align='left', before=before, after=after,
               tabs=(('right', width, None),))

    def end_section(self, page):
        """Ends the section of the paragraphs so far, set on `page` (PORTRAIT or LANDSCAPE); what
        follows begins on a new page."""
        self.parts.append(f'<w:p>{self.ppr(2, section=page)}</w:p>')

    # --- tables --------------------------------------------------------------------------
    def table(self, widths, rows, heading_rows, note, style='TableGrid'):
        """rows: lists of cells; a cell is (text, options) or a text. Options: span (columns),
        merge ('restart' or 'continue'), align, size, bold, valign."""
        grid = ''.join(f'<w:gridCol w:w="{w}"/>' for w in widths)
        out = [f'<w:tbl><w:tblPr><w:tblStyle w:val="{style}"/>'
               f'<w:tblW w:w="{sum(widths)}" w:type="dxa"/><w:tblLayout w:type="fixed"/>'
               '<w:tblCellMar><w:left w:w="57" w:type="dxa"/><w:right w:w="57" w:type="dxa"/></w:tblCellMar>'
               f'<w:tblLook w:val="0000"/></w:tblPr><w:tblGrid>{grid}</w:tblGrid>']
        for number, row in enumerate(rows, 1):
            trpr = '<w:cantSplit/>'
            if number <= heading_rows:
                trpr += '<w:tblHeader/>'
            out.append(f'<w:tr><w:trPr>{trpr}</w:trPr>')
            col = 0
            for c in row:
                text, o = (c, {}) if isinstance(c, str) else c
                span = o.get('span', 1)
                width = sum(widths[col:col + span])
                col += span
                tcpr = f'<w:tcW w:w="{width}" w:type="dxa"/>'
                if span > 1:
                    tcpr += f'<w:gridSpan w:val="{span}"/>'
                merge = o.get('merge')
                if merge == 'restart':
                    tcpr += '<w:vMerge w:val="restart"/>'
                elif merge == 'continue':
                    tcpr += '<w:vMerge/>'
                tcpr += f'<w:vAlign w:val="{o.get("valign", "center")}"/>'
                size = o.get('size', TABLE)
                bold = o.get('bold', False)
                paragraphs = text.split('\n')
                body = ''.join(f'<w:p>{self.ppr(size, align=o.get("align", "center"), bold=bold)}'
                               f'{self.runs(t, size, bold)}</w:p>' for t in paragraphs)
                out.append(f'<w:tc><w:tcPr>{tcpr}</w:tcPr>{body}</w:tc>')
            if col != len(widths):
                raise SystemExit(f'p{self.number}: a row of {col} columns in a grid of {len(widths)}')
            out.append('</w:tr>')
        out.append('</w:tbl>')
        self.parts.append(''.join(out))
        self.tables.append((len(self.tables) + 1, heading_rows, len(widths), note))

    def write(self, last_section):
        lines = [f'<!-- Document {self.number} of the land-share documentation package: {self.title}.',
                 '     Written by templates/td/td_generate.py; change the texts there and run it again.',
                 '     Bookmarks: ' + ' '.join(self.bookmarks) + '.']
        for index, heading, columns, note in self.tables:
            lines.append(f'     Table {index}: {columns} columns, {heading} heading row{"s" if heading != 1 else ""}; {note}.')
        lines[-1] += ' -->'
        body = '\n'.join(lines) + '\n' + '\n'.join(self.parts) + f'\n<w:sectPr>{last_section}</w:sectPr>\n'
        with open(os.path.join(OUT, f'p{self.number}.xml'), 'w', encoding='utf-8') as f:
            f.write(body)


def c(text, **o):
    return (text, o)


def continued(n):
    """n cells that continue the vertical merges of the row above."""
    return [c('', merge='continue')] * n


ITEM_TITLE = ('технічної документації із землеустрою щодо складання документів, що посвідчують право власності '
              'на земельні ділянки громадянам — власникам земельних часток (паїв)')


def council_letterhead(t, rada, district):
    """УКРАЇНА, the council's name in capitals, its district (and region), and a rule under them."""
    t.heading('УКРАЇНА', size=BODY, before=0)
    t.heading(f'{rada}РАДА', size=16, before=60)
    t.heading(district, size=BODY, before=60, after=240, border=True)


def office_letterhead(t, lines):
    """An office's name in capitals over a rule."""
    for k, line in enumerate(lines):
        last = k == len(lines) - 1
        t.heading(line, size=BODY, before=0, after=240 if last else 0, border=last)


def owner_table(t, last, last_width, note, heading_rows):
    """The owner list of documents 2, 10 and 11 on a landscape page: number, owner, passport,
    address, identification number, share certificate, parcel area and the parcel's `last` column."""
    w = [600, 3000, 2600, 3100, 1650, 1700, 1100, last_width]
    w[3] += LANDSCAPE_WIDTH - sum(w)
    heads = ['№\nз/п', 'Прізвище, ім’я та по батькові власника', 'Паспорт\n(серія, номер, ким і коли виданий)',
             'Місце проживання', 'Ідентифікаційний номер',
             'Серія і номер сертифіката на право на земельну частку (пай)']
    # The cells of the last heading row carry the alignment of the rows the builder adds.
    aligns = ['center', 'left', 'left', 'left', 'center', 'center', 'center', 'left' if last_width > 1500 else 'center']
    h = SMALL
    if heading_rows == 2:
        rows = [[c(x, merge='restart', size=h) for x in heads] + [c('Земельна ділянка', span=2, size=h)],
                [c('', merge='continue', align=a, size=h) for a in aligns[:6]]
                + [c('площа, га', size=h, align=aligns[6]), c(last, size=h, align=aligns[7])]]
    else:
        rows = [[c(x, size=h, align=a) for x, a in zip(heads + ['Площа, га', last], aligns)]]
    t.table(w, rows, heading_rows, note)


def area_table(t, note):
    """The parcel and land table of documents 5, 6, 8 and 9: owner, parcel number, area and three
    agricultural categories in hectares."""
    w = [600, 3155, 1100, 1250, 1100, 1150, 1000]
    w[1] += PORTRAIT_WIDTH - sum(w)
    h = SMALL
    rows = [
        [c('№\nз/п', merge='restart', size=h), c('Прізвище, ім’я та по батькові власника', merge='restart', size=h),
         c('№ ділянки', merge='restart', size=h), c('Площа, всього, га', merge='restart', size=h),
         c('у тому числі, га', span=3, size=h)],
        [c('', merge='continue', size=h), c('', merge='continue', align='left', size=h), c('', merge='continue', size=h),
         c('', merge='continue', size=h), c('рілля', size=h), c('багаторічні насадження', size=h),
         c('сіножаті і пасовища', size=h)],
    ]
    t.table(w, rows, 2, note)


def approval(t, lines, page_break=False):
    """The approval stamp in the right part of the page (12 pt)."""
    t.block(['ЗАТВЕРДЖУЮ'] + lines, size=12, after=360, page_break=page_break)


def p2():
    t = Template(2, 'the village council petition')
    council_letterhead(t, '{rada|[НАЗВА] }', '{reg|[РАЙОНУ]}{reg_kind| РАЙОНУ} {obl|[ОБЛАСТІ]} ОБЛАСТІ')
    t.date_line('«___» ____________ 20___ р.', '№ ________', before=0)
    t.block(['До {reg1|[району]}{reg1_kind| районного} відділу земельних ресурсів', '{raizem_lead|Начальник відділу:}', '{raizem|[П.І.Б.]}'],
            after=360)
    t.heading('КЛОПОТАННЯ', size=16, before=120, after=240)
    t.text('Виконавчий комітет {radu|[ради]} ради просить розглянути та погодити технічну документацію із '
           'землеустрою щодо складання документів, що посвідчують право власності на земельні ділянки '
           'громадянам — власникам земельних часток (паїв), та видати державні акти на право власності на '
           'земельні ділянки громадянам згідно з доданим списком.')
    t.text('Межі земельних ділянок встановлено в натурі (на місцевості) відповідно до проекту розподілу земель '
           'та погоджено із суміжними землевласниками і землекористувачами; спорів щодо меж земельних ділянок '
           'немає.')
    t.text('Додаток: список власників земельних часток (паїв) на ____ арк.', before=120)
    t.sign('{golova_kind|Сільський голова}', '{golova|[П.І.Б.]}', before=720, keep=True)
    t.p('М. П.', align='left', before=240)
    t.end_section(PORTRAIT)
    t.p('Додаток до клопотання', size=12, align='right')
    t.heading('СПИСОК', before=120)
    t.centred('власників земельних часток (паїв), яким складено технічну документацію із землеустрою', after=120)
    owner_table(t, 'номер ділянки', 1100, 'one row added per parcel, a total row last', 2)
    t.sign('{golova1_kind|Сільський голова}', '{golova1|[П.І.Б.]}', width=LANDSCAPE_WIDTH)
    t.write(LANDSCAPE)


def p3():
    t = Template(3, 'the district office application and the extract from the registration book')
    office_letterhead(t, ['{reg3|[РАЙОННИЙ]}{reg3_kind| РАЙОННИЙ} ВІДДІЛ', 'ЗЕМЕЛЬНИХ РЕСУРСІВ'])
    t.date_line('«___» ____________ 20___ р.', '№ ________', before=0)
    t.block(['Виконавцю робіт із землеустрою'], after=360)
    t.heading('ЗАЯВКА', size=16, before=120)
    t.centred('на складання ' + ITEM_TITLE, after=240)
    t.text('{viddil|Районний} відділ земельних ресурсів просить скласти технічну документацію із землеустрою щодо '
           'складання документів, що посвідчують право власності на земельні ділянки громадянам — власникам '
           'земельних часток (паїв) на території {radu|[ради]} ради {reg|[району]}{reg_kind| району}, заяви яких '
           'зареєстровано в книзі реєстрації заяв громадян (виписка додається).')
    t.text('Роботи виконати відповідно до технічного завдання та вимог нормативних документів із землеустрою; '
           'технічну документацію подати до {viddil1|районного} відділу для погодження.')
    t.text('Відповідальний за виконання заявки від {viddil2|районного} відділу — начальник відділу{raizem1_lead| }{raizem1|[П.І.Б.]}.')
    t.text('Додаток: виписка з книги реєстрації заяв громадян на ____ арк.', before=120)
    t.sign('Начальник {reg1|[району]}{reg1_kind| районного} відділу\nземельних ресурсів', '{raizem|[П.І.Б.]}', before=720,
           keep=True)
    t.p('М. П.', align='left', before=240)
    t.heading('ВИПИСКА', size=16, before=0, page_break=True)
    t.centred('з книги реєстрації заяв громадян про виділення в натурі (на місцевості) земельних ділянок '
              'власникам земельних часток (паїв)')
    t.centred('{reg2|[району]}{reg2_kind| районного} відділу земельних ресурсів', after=240)
    t.table([900, 5655, 2800], [[c('№\nз/п'), c('Прізвище, ім’я та по батькові заявника'), c('Примітка')],
                                [c('1'), c('2', align='left'), c('3')]], 2, 'one row added per owner group')
    t.text('Виписка вірна.', before=240)
    t.sign('Начальник {reg4|[району]}{reg4_kind| районного} відділу\nземельних ресурсів', '{raizem2|[П.І.Б.]}', before=360,
           keep=True)
    t.p('М. П.', align='left', before=240)
    t.write(PORTRAIT)


def p4():
    t = Template(4, 'the assignment and the technical task')
    approval(t, ['Начальник {reg|[району]}{reg_kind| районного} відділу земельних ресурсів', '____________ {raizem|[П.І.Б.]}',
                 '«___» ____________ 20___ р.'])
    t.heading('ДОРУЧЕННЯ', size=16, before=240)
    t.centred('на виконання робіт із землеустрою', after=240)
    t.text('{viddil|Районний} відділ земельних ресурсів доручає виконати роботи зі складання '
           + ITEM_TITLE + ' на території {radu|[ради]} ради {reg1|[району]}{reg1_kind| району} відповідно до технічного '
           'завдання, що додається.{org_lead| Виконавець робіт: }{org|[організація]}{org_tail|.}')
    t.text('Виконавцю забезпечити встановлення меж земельних ділянок в натурі (на місцевості), закріплення їх '
           'межовими знаками встановленого зразка та подати технічну документацію на погодження і затвердження '
           'в установленому порядку.')
    t.text('Додаток: технічне завдання на ____ арк.', before=120)
    t.block(['Додаток до доручення {reg4|[району]}{reg4_kind| районного} відділу земельних ресурсів',
             'від «___» ____________ {date|[рік]} р.'], size=12, after=360, page_break=True)
    t.heading('ТЕХНІЧНЕ ЗАВДАННЯ', size=16, before=240)
    t.centred('на складання ' + ITEM_TITLE, after=240)
    items = [
        ('Назва об’єкта', 'Технічна документація із землеустрою щодо складання документів, що посвідчують право '
                          'власності на земельні ділянки громадянам — власникам земельних часток (паїв)'),
        ('Місце розташування об’єкта', 'Землі сільськогосподарського призначення на території '
                                       '{radu1|[ради]} ради {reg2|[району]}{reg2_kind| району}'),
        ('Замовник', '{rada|[Назва] }рада'),
        ('Виконавець', '{org1|[організація]}'),
        ('Підстава для виконання робіт', 'Рішення {radu2|[ради]} ради, заяви громадян — власників земельних '
                                         'часток (паїв), доручення {reg3|[району]}{reg3_kind| районного} відділу земельних '
                                         'ресурсів'),
        ('Вихідні матеріали', 'Проект розподілу земель; списки власників земельних часток (паїв); сертифікати '
                              'на право на земельну частку (пай); матеріали геодезичних вишукувань'),
        ('Склад робіт', 'Підготовчі роботи; встановлення меж земельних ділянок в натурі (на місцевості) та '
                        'закріплення їх межовими знаками; геодезична зйомка меж і обчислення площ за '
                        'координатами; складання кадастрових планів; погодження меж із суміжними '
                        'власниками і землекористувачами; формування технічної документації'),
        ('Система координат, масштаб планів', 'Місцева система координат; масштаб 1:2000'),
        ('Документація, що передається замовнику', 'Технічна документація у двох примірниках'),
        ('Строк виконання робіт', '________________________'),
    ]
    rows = [[c('№\nз/п'), c('Перелік основних даних і вимог'), c('Зміст')]]
    rows += [[c(str(k)), c(a, align='left'), c(b, align='left')] for k, (a, b) in enumerate(items, 1)]
    t.table([600, 3200, PORTRAIT_WIDTH - 3800], rows, 1, 'not filled: the task itself, with bookmarks in its cells')
    t.sign('Завдання прийняв до виконання:\nДиректор', '{dur|[П.І.Б.]}', before=480)
    t.write(PORTRAIT)


def conclusion(number, title, header, approver_lead, approver, signer, body, closing):
    """Documents 5 and 6: the department's heading, its head's approval, the conclusion's text
    around the parcel table and the head's signature (`approver` and `signer` are his two
    bookmarks). The head's role stands in the approval and at the signature: a '#' in a bookmark's
    name there numbers the second apart."""
    t = Template(number, title)
    office_letterhead(t, header)
    approval(t, [' '.join(approver_lead).replace('#', ''), f'____________ {approver}',
                 '«___» ____________ {date|[рік]} р.'])
    t.heading('ВИСНОВОК', size=16, before=240)
    for line in body[0]:
        t.centred(line)
    t.centred('', after=120)
    for paragraph in body[1]:
        t.text(paragraph)
    area_table(t, 'one row added per parcel, a total row last')
    for k, paragraph in enumerate(closing):
        t.text(paragraph, before=240, keep=k == len(closing) - 1)
    t.sign('\n'.join(approver_lead).replace('#', '1'), signer, before=600)
    t.write(PORTRAIT)
    return t


def p5():
    conclusion(
        5, 'the conclusion of the district land office',
        ['{reg|[РАЙОННИЙ]}{reg_kind| РАЙОННИЙ} ВІДДІЛ', 'ЗЕМЕЛЬНИХ РЕСУРСІВ'],
        ['Начальник {viddil#|районного} відділу', 'земельних ресурсів'], '{raizem|[П.І.Б.]}', '{raizem1|[П.І.Б.]}',
        (['{viddil2|районного} відділу земельних ресурсів щодо ' + ITEM_TITLE,
          'на території {radu|[ради]} ради {reg1|[району]}{reg1_kind| району}'],
         ['Технічну документацію розроблено у {date1|[рік]} році на підставі рішення{council_kind| сільської} ради, заяв '
          'громадян — власників земельних часток (паїв) та доручення {viddil3|районного} відділу земельних ресурсів.'
          '{org_lead| Виконавець робіт: }{org|[організація]}{org_tail|.}',
          'Розглянувши технічну документацію, {viddil4|районний} відділ земельних ресурсів установив: межі земельних '
          'ділянок встановлено в натурі (на місцевості) відповідно до проекту розподілу земель і закріплено '
          'межовими знаками; площі земельних ділянок обчислено за координатами поворотних точок меж і '
          'відповідають розмірам земельних часток (паїв); документацію складено відповідно до вимог чинного '
          'законодавства та нормативних документів із землеустрою.',
          'Відомості про земельні ділянки, що передаються у власність:']),
        ['Технічну документацію погоджено. Документацію рекомендується подати на затвердження до '
         '{radu1|[ради]} ради.'])


def p6():
    conclusion(
        6, 'the conclusion of the district architecture department',
        ['{reg|[РАЙОННА]}{reg_kind| РАЙОННА ДЕРЖАВНА АДМІНІСТРАЦІЯ}', 'ВІДДІЛ МІСТОБУДУВАННЯ ТА АРХІТЕКТУРИ'],
        ['Начальник відділу містобудування', 'та архітектури — головний', 'архітектор {rayon#|району}'],
        '{arhname|[П.І.Б.]}', '{arhname1|[П.І.Б.]}',
        (['відділу містобудування та архітектури щодо ' + ITEM_TITLE,
          'на території {radu|[ради]} ради {reg1|[району]}{reg1_kind| району}'],
         ['Технічну документацію розроблено у {date1|[рік]} році.{org_lead| Виконавець робіт: }{org|[організація]}{org_tail|.}',
          'Розглянувши технічну документацію, відділ містобудування та архітектури установив: земельні '
          'ділянки розташовані на землях сільськогосподарського призначення за межами населених пунктів; '
          'передача їх у власність для ведення товарного сільськогосподарського виробництва не суперечить '
          'затвердженій містобудівній документації; у межах земельних ділянок не передбачено розміщення '
          'об’єктів містобудування.',
          'Відомості про земельні ділянки, що передаються у власність:']),
        ['Відділ містобудування та архітектури погоджує технічну документацію. Документацію рекомендується '
         'подати на затвердження до {radu1|[ради]} ради.'])


def p7():
    t = Template(7, 'the boundary marker act')
    approval(t, ['Голова {radu|[ради]} ради', '____________ {golova|[П.І.Б.]}', '«___» ____________ {date|[рік]} р.'])
    t.heading('АКТ', size=16, before=120)
    t.centred('про встановлення в натурі (на місцевості) меж земельних ділянок власникам земельних часток '
              '(паїв) та передачу межових знаків на зберігання', after=240)
    t.date_line('с. ______________________', '«___» ____________ 20___ р.', before=0)
    t.text('Комісія у складі:')
    rows = [[c('голова комісії — {golova1_kind|сільський голова}', align='left', size=12), c('{golova1|[П.І.Б.]}', align='left', size=12)],
            [c('начальник {reg|[району]}{reg_kind| районного} відділу земельних ресурсів', align='left', size=12),
             c('{raizem|[П.І.Б.]}', align='left', size=12)],
            [c('представник виконавця робіт{org_lead| (}{org|[організація]}{org_tail|)}', align='left', size=12),
             c('{vuk|[П.І.Б.]}', align='left', size=12)]]
    t.table([4700, PORTRAIT_WIDTH - 4700], rows, 0, 'not filled: the commission, with bookmarks in its cells',
            style='TableNormal')
    t.text('склала цей акт про те, що відповідно до технічної документації із землеустрою{org1_lead| (виконавець робіт: }'
           '{org1|[організація]}{org1_tail|)} на території {radu1|[ради]} ради {reg1|[району]}{reg1_kind| району} встановлено в натурі '
           '(на місцевості) межі земельних ділянок власників земельних часток (паїв) і закріплено їх межовими '
           'знаками встановленого зразка.', before=120)
    t.text('Межові знаки на зберігання прийняли власники земельних ділянок на території {radu3|[ради]} ради '
           'згідно зі списком:')
    t.table([700, 4455, 1700, 2500],
            [[c('№\nз/п'), c('Прізвище, ім’я та по батькові власника', align='left'), c('№ ділянки'),
              c('Кількість межових знаків, шт.')]],
            1, 'one row added per parcel, no total row')
    t.text('Власників земельних ділянок попереджено про відповідальність за збереження межових знаків. '
           'Спорів щодо меж земельних ділянок під час їх встановлення не виникло.', before=240)
    t.text('Акт складено у двох примірниках: перший — у технічній документації, другий — в архіві '
           '{reg3|[району]}{reg3_kind| районного} відділу земельних ресурсів. Копію акта передано до {reg2|[району]}'
           '{reg2_kind| районного} відділу земельних ресурсів та {radu2|[ради]} ради.', keep=True)
    t.sign('Голова комісії', '{golova2|[П.І.Б.]}', before=480, keep=True)
    t.sign('Члени комісії:', '{raizem1|[П.І.Б.]}', before=240, keep=True)
    t.sign('', '{vuk1|[П.І.Б.]}', before=240)
    t.write(PORTRAIT)


def decision(t, header, number_line, subject, preamble, verdict, items, signer):
    """The first page of a council decision or an administration order: the heading lines with
    their sizes, the kind of act with its date and number, the subject, the preamble, the verdict
    word, the numbered items and the signature (role, name)."""
    for k, (line, size) in enumerate(header):
        t.heading(line, size=size, before=0 if k == 0 else 60, after=0)
    t.heading(number_line[0], size=16, before=360, after=240)
    t.date_line(*number_line[1:], before=0, after=240)
    t.p(subject, bold=True, align='left', right=PORTRAIT_WIDTH - 5000, after=240)
    t.text(preamble)
    t.heading(verdict, before=120, after=120)
    for k, item in enumerate(items, 1):
        t.text(f'{k}. {item}', keep=k == len(items))
    t.sign(signer[0], signer[1], before=720)


def annex(t, lines, title):
    """The annex page of a decision or an order: its reference at the right and its title."""
    t.block(lines, size=12, after=240, page_break=True)
    t.heading('СПИСОК', before=0)
    t.centred(title, after=120)


def p8():
    t = Template(8, 'the village council decision')
    decision(
        t,
        [('УКРАЇНА', BODY), ('{rada|[НАЗВА] }РАДА', 16), ('{reg|[РАЙОНУ]}{reg_kind| РАЙОНУ}', BODY),
         ('_____ сесія ____ скликання', BODY)],
        ('РІШЕННЯ', 'від «___» ____________ 20___ р.', '№ ________'),
        'Про затвердження технічної документації із землеустрою щодо складання документів, що посвідчують '
        'право власності на земельні ділянки громадянам — власникам земельних часток (паїв)',
        'Розглянувши технічну документацію із землеустрою{org_lead| (виконавець робіт: }{org|[організація]}{org_tail|)} щодо '
        'складання документів, що посвідчують право власності на земельні ділянки громадянам — власникам '
        'земельних часток (паїв), висновки {viddil|районного} відділу земельних ресурсів і відділу містобудування та '
        'архітектури, керуючись статтями 12, 116, 118 Земельного кодексу України, Законом України «Про '
        'порядок виділення в натурі (на місцевості) земельних ділянок власникам земельних часток (паїв)», '
        'пунктом 34 частини першої статті 26 Закону України «Про місцеве самоврядування в Україні», '
        '{rada1|[Назва] }рада',
        'ВИРІШИЛА:',
        ['Затвердити технічну документацію із землеустрою щодо складання документів, що посвідчують право '
         'власності на земельні ділянки громадянам — власникам земельних часток (паїв) на території '
         '{radu|[ради]} ради {reg1|[району]}{reg1_kind| району} загальною площею {arall|0,0000} га.',
         'Передати у приватну власність громадянам — власникам земельних часток (паїв) земельні ділянки для '
         'ведення товарного сільськогосподарського виробництва згідно з додатком.',
         'Землі загального користування площею {arzagkor|0,0000} га залишити у комунальній власності '
         'територіальної громади {radu1|[ради]} ради.',
         'Громадянам, зазначеним у додатку, одержати державні акти на право власності на земельні ділянки у '
         'відділі земельних ресурсів {reg2|[району]}{reg2_kind| району}.',
         'Контроль за виконанням цього рішення покласти на постійну комісію {radu3|[ради]} ради з питань '
         'земельних відносин.'],
        ('{golova_kind|Сільський голова}', '{golova|[П.І.Б.]}'))
    annex(t, ['Додаток', 'до рішення {radu2|[ради]} ради', 'від «___» ____________ 20___ р. № _____'],
          'громадян — власників земельних часток (паїв), яким передаються у власність земельні ділянки')
    area_table(t, 'one row added per parcel, a total row last')
    t.sign('{golova1_kind|Сільський голова}', '{golova1|[П.І.Б.]}', before=480)
    t.write(PORTRAIT)


def p9():
    t = Template(9, 'the district administration order')
    decision(
        t,
        [('УКРАЇНА', BODY), ('{reg|[РАЙОННА]}{reg_kind| РАЙОННА ДЕРЖАВНА АДМІНІСТРАЦІЯ}', BODY)],
        ('РОЗПОРЯДЖЕННЯ', 'від «___» ____________ 20___ р.', '№ ________'),
        'Про затвердження технічної документації із землеустрою та передачу у власність земельних ділянок '
        'громадянам — власникам земельних часток (паїв)',
        'Розглянувши технічну документацію із землеустрою{org_lead| (виконавець робіт: }{org|[організація]}{org_tail|)} щодо '
        'складання документів, що посвідчують право власності на земельні ділянки громадянам — власникам '
        'земельних часток (паїв), відповідно до статей 17, 118 Земельного кодексу України, Закону України «Про '
        'порядок виділення в натурі (на місцевості) земельних ділянок власникам земельних часток (паїв)», '
        'статей 6, 21 Закону України «Про місцеві державні адміністрації»:',
        'ЗОБОВ’ЯЗУЮ:',
        ['Затвердити технічну документацію із землеустрою щодо складання документів, що посвідчують право '
         'власності на земельні ділянки громадянам — власникам земельних часток (паїв) на території '
         '{radu|[ради]} ради загальною площею {arall|0,0000} га.',
         'Передати у приватну власність громадянам — власникам земельних часток (паїв) земельні ділянки для '
         'ведення товарного сільськогосподарського виробництва згідно з додатком.',
         'Землі загального користування площею {zagkor|0,0000} га залишити у віданні{council_kind| сільської} ради.',
         '{viddil|Районному} відділу земельних ресурсів забезпечити виготовлення та видачу державних актів на право '
         'власності на земельні ділянки.',
         'Контроль за виконанням цього розпорядження покласти на заступника голови {reg1|[районної]}'
         '{reg1_kind| районної державної адміністрації}.'],
        ('Голова{adm_sign| районної державної}\n{adm_sign_kind|адміністрації}', '{goladm|[П.І.Б.]}'))
    annex(t, ['Додаток', 'до розпорядження голови {adm|районної державної адміністрації}',
              'від «___» ____________ 20___ р. № _____'],
          'громадян — власників земельних часток (паїв) {radu1|[ради]} ради, яким передаються у власність '
          'земельні ділянки')
    area_table(t, 'one row added per parcel, a total row last')
    t.sign('Голова{adm_sign1| районної державної}\n{adm_sign1_kind|адміністрації}', '{goladm1|[П.І.Б.]}', before=480)
    t.write(PORTRAIT)


def p10():
    t = Template(10, 'the application for the state acts')
    office_letterhead(t, ['{org|[Організація]}'])
    t.date_line('«___» ____________ {date|[рік]} р.', '№ ________', before=0)
    t.block(['До {reg|[району]}{reg_kind| районного} відділу земельних ресурсів', '{raizem_lead|Начальник відділу:}', '{raizem|[П.І.Б.]}'],
            after=360)
    t.heading('ЗАЯВКА', size=16, before=120)
    t.centred('на виготовлення державних актів на право власності на земельні ділянки', after=240)
    t.text('Просимо виготовити державні акти на право власності на земельні ділянки громадянам — власникам '
           'земельних часток (паїв) на території {radu|[ради]} ради {reg1|[району]}{reg1_kind| району} згідно з доданим '
           'списком.')
    t.text('Загальна площа земельних ділянок становить {arrall|0,0000} га, у тому числі:')
    leader = (('right', 7600, 'dot'),)
    for line, left in [('сільськогосподарських угідь\t{arsg|0,0000} га,', 1418),
                       ('з них ріллі\t{arr|0,0000} га,', 2127),
                       ('багаторічних насаджень\t{ars|0,0000} га;', 2127),
                       ('інших земель\t{ari|0,0000} га.', 1418)]:
        t.p(line, align='left', left=left, tabs=leader)
    t.text('Технічну документацію із землеустрою розроблено у {date1|[рік]} році. Державні акти просимо '
           'виготовити у {date2|[рік]} році.', before=60)
    t.text('Додаток: список громадян на ____ арк.', before=120)
    t.sign('Директор', '{dur|[П.І.Б.]}', before=600, keep=True)
    t.p('М. П.', align='left', before=120)
    t.p('ПОГОДЖЕНО', align='left', before=360, keep=True)
    t.sign('Начальник {viddil|районного} відділу\nземельних ресурсів', '{raizem1|[П.І.Б.]}', before=0, keep=True)
    t.p('«___» ____________ {date3|[рік]} р.', align='left', before=60)
    t.end_section(PORTRAIT)
    t.p('Додаток до заявки', size=12, align='right')
    t.heading('СПИСОК', before=120)
    t.centred('громадян — власників земельних часток (паїв), яким виготовляються державні акти на право '
              'власності на земельні ділянки', after=120)
    owner_table(t, 'Підстава для надання', 2200, 'one row added per parcel, a total row last', 1)
    t.sign('Директор', width=LANDSCAPE_WIDTH)
    t.write(LANDSCAPE)


def p11():
    t = Template(11, 'the list to the report')
    t.heading('СПИСОК', size=16, before=0)
    t.centred('власників земельних часток (паїв) {radu|[ради]} ради, яким складено технічну документацію '
              'із землеустрою щодо складання документів, що посвідчують право власності на земельні ділянки',
              after=240)
    owner_table(t, 'номер ділянки', 1100, 'one row added per parcel, a total row last; rows 0.4 cm', 2)
    t.sign('Список склав', width=LANDSCAPE_WIDTH)
    t.write(LANDSCAPE)


def p12():
    t = Template(12, 'the land explication')
    t.heading('ЕКСПЛІКАЦІЯ ЗЕМЕЛЬ,', size=16, before=0)
    t.centred('переданих у власність громадянам — власникам земельних часток (паїв)', after=120)
    t.p('гектарів', size=12, align='right', after=60)
    w = [600, 3300, 1250, 1250, 1400, 1150, 1200, 1200, 1150, 1000]
    w.append(LANDSCAPE_WIDTH - sum(w))
    h = SMALL
    R, C = 'restart', 'continue'
    rows = [
        [c('№\nз/п', merge=R, size=h), c('Найменування', merge=R, size=h), c('Загальна площа', merge=R, size=h),
         c('Сільськогосподарські угіддя', span=5, size=h), c('Ліси та інші лісовкриті площі', merge=R, size=h),
         c('Інші землі', merge=R, size=h), c('Із загальної площі — землі загального користування', merge=R, size=h)],
        [c('', merge=C), c('', merge=C), c('', merge=C), c('всього', merge=R, size=h),
         c('з них розподілено на земельні частки (паї)', merge=R, size=h), c('у тому числі', span=3, size=h),
         c('', merge=C), c('', merge=C), c('', merge=C)],
        [c('', merge=C)] * 5 + [c('рілля', size=h), c('багаторічні насадження', size=h),
                                c('сіножаті і пасовища', size=h)] + [c('', merge=C)] * 3,
        [c(str(k), size=h) for k in range(1, 12)],
        [c('Землі сільськогосподарського призначення', span=11, align='left', bold=True)],
        # The builder writes the cells it computes (a dash stays for a category it finds empty);
        # the others stay blank, for the surveyor to fill, rather than assert that there is none.
        [c('1'), c('Земельні ділянки, передані у власність громадянам — власникам земельних часток (паїв)',
                   align='left')] + [c('–')] * 6 + [c('')] * 3,
        [c('2'), c('Землі загального користування', align='left')] + [c('–')] * 2 + [c('')] * 6 + [c('–')],
    ]
    t.table(w, rows, 4, 'not grown: rows 6 and 7 receive the areas')
    t.sign('Виконавець', before=480, width=LANDSCAPE_WIDTH)
    t.sign('Перевірив', before=240, width=LANDSCAPE_WIDTH)
    t.write(LANDSCAPE)


if __name__ == '__main__':
    for make in (p2, p3, p4, p5, p6, p7, p8, p9, p10, p11, p12):
        make()
