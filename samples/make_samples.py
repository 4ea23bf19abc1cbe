#!/usr/bin/python3
"""Writes the sample exchange files of this folder from one description of a village's parcels.

Twelve parcels of Sofiivska Borshchahivka (Kyiv-Sviatoshynskyi district, Kyiv region, KOATUU
3222486201) lie in two rows on both sides of Sadova street, and a thirteenth, a field of 42 points
along a stream, lies behind the northern row, in the local survey grid (X to the north, Y to the
east, metres). Neighbouring parcels share their boundary vertices exactly, so plans can find their
neighbours. Land-use areas carry the codes the 6-zem table reads: 05 arable land, 08 perennial
plantings, 11 hayfields, 12 pastures, 35 under dwellings, 36 under farm buildings and yards.
Run it from anywhere: the files land beside it.
"""

import math

import os

HERE = os.path.dirname(os.path.abspath(__file__))

KOATUU = "3222486201"
ZONE = 1
QUARTER = 24
DATE = "14.05.2008"
RAIZEM = "Литвиненко Олександр Петрович"
GOLOVA = "Дем'яненко Віра Іванівна"
SETTLEMENT = "с. Софіївська Борщагівка"

# Row A lies north of the street (odd house numbers), row B south of it (even numbers).
X_A, X_B = 5585420.00, 5585360.00   # southern edges of the two rows
DEPTH = 50.0                         # metres from the street to the back of a parcel
FRONT = 20.0                         # depth of the built-up part along the street
Y0 = 526130.00
WIDTH = 25.0
COLUMNS = 6

OWNERS = [
    # name, owner's address (None: lives on the parcel), 6-zem row, tax number, identity document
    ("Дем'янчук Мар'яна Василівна", None, "22", "2834511207", "паспорт СН 214578"),
    ("Солов'яненко Валентин Ігорович", "м. Київ, вул. Прорізна, 8, кв. 12", "21", "2512903318",
     "паспорт СО 884120"),
    ("П'ятак Ольга Петрівна", None, "22", "3011405526", "паспорт СН 557302"),
    ("Олійник В'ячеслав Андрійович", None, "22", "2760118834", "паспорт СК 031947"),
    ("Бойко Іван Петрович|Бойко Марія Іванівна", None, "22", "2405517390",
     "паспорт СМ 412006"),
    ("Ткаченко Сергій Іванович", "м. Вишневе, вул. Святошинська, 27", "21", "2698014471",
     "паспорт СН 774310"),
    ("Коваленко Наталія Миколаївна", None, "22", "2911203845", "паспорт СН 290851"),
    ("Шевчук Андрій Степанович", None, "22", "2457709916", "паспорт СО 118264"),
    ("Мельничук Галина Іванівна", None, "21", "2203306652", "паспорт СН 665019"),
    ("Кравець Олег В'ячеславович", None, "22", "3120514487", "паспорт СК 409938"),
    ("Гнатюк Любов Остапівна", "м. Боярка, вул. Соборності, 3, кв. 41", "21", "2366801123",
     "паспорт СМ 720355"),
    ("Савчук Петро Дмитрович", None, "22", "2589412260", "паспорт СН 903416"),
]
FIELD_OWNER = ("Гордієнко Степан Миколайович", "с. Софіївська Борщагівка, вул. Лугова, 4", "21", "2641207719",
               "паспорт СН 331285")

# Land-use codes and names of the 6-zem columns.
ARABLE = "05,рілля"
ORCHARD = "08,багаторічні насадження"
HAY = "11,сіножаті"
PASTURE = "12,пасовища"
DWELLING = "35,під житловою забудовою"
YARD = "36,під господарськими будівлями і дворами"
# The street part and the back part of each parcel of the rows (a homestead's house and garden,
# a personal farm's field and orchard); None: one land use over the whole parcel.
LAND_USES = [
    (DWELLING, ARABLE), (ARABLE, ORCHARD), (DWELLING, ARABLE), (DWELLING, ARABLE), (DWELLING, ARABLE),
    (ARABLE, HAY), (DWELLING, ARABLE), (DWELLING, ARABLE), (ARABLE, ORCHARD), (DWELLING, ARABLE),
    (ORCHARD, None), (DWELLING, YARD),
]
FIELD_COLUMNS = 5    # the field lies behind the first five parcels of the northern row
FIELD_DEPTH = 62.0   # metres from the back of the northern row to the stream
FIELD_STEPS = 35     # stretches of the stream, about 3.6 metres long each
# Grounds for granting: a decision of the council's session (code, date, the session), of its
# executive committee (code, number, date).
GROUNDS = ["РС,15.03.2005,12 сесії 4 скликання", "РВ,47,22.11.2006", "РС,02.02.2007,9 сесії 5 скликання"]


def wobble(i, j, axis):
    """A small fixed offset of grid vertex (i, j), so that the parcels are not all alike."""
    return ((i * 7 + j * 13 + axis * 5) % 11 - 5) * 0.23


def round2(v):
    return round(v + 0.0, 2)


class Grid:
    """The vertices of both rows, each named once, so that shared vertices are the same point."""

    def __init__(self):
        self.points = {}
        self.next_name = 1

    def vertex(self, key, x, y):
        if key not in self.points:
            self.points[key] = (str(self.next_name), round2(x), round2(y))
            self.next_name += 1
        return self.points[key]


def build():
    grid = Grid()
    parcels = []
    for row, (x0, north_side) in enumerate([(X_A, True), (X_B, False)]):
        # Along the street edge (front) and the back edge, then the split of built-up and garden.
        street_x = x0 if north_side else x0 + DEPTH
        back_x = x0 + DEPTH if north_side else x0
        split_x = street_x + FRONT if north_side else street_x - FRONT
        for c in range(COLUMNS):
            def corner(kind, j):
                x = {"street": street_x, "back": back_x, "split": split_x}[kind]
                wob = 1 if kind == "split" else 2
                return grid.vertex((row, kind, j), x + wobble(row * 3 + wob, j, 0),
                                   Y0 + j * WIDTH + wobble(row * 3 + wob, j, 1))

            s0, s1 = corner("street", c), corner("street", c + 1)
            m0, m1 = corner("split", c), corner("split", c + 1)
            b0, b1 = corner("back", c), corner("back", c + 1)
            # Clockwise on the map in row A, counter-clockwise in row B: survey programs write
            # either, and the reader turns them all one way.
            ring = [s0, m0, b0, b1, m1, s1]
            front = [s0, m0, m1, s1]
            garden = [m0, b0, b1, m1]
            k = row * COLUMNS + c
            house = 2 * c + 1 + row
            address = f"{SETTLEMENT}, вул. Садова, {house}"
            street_part, back_part = LAND_USES[k]
            land_uses = [(street_part, ring)] if back_part is None else [(street_part, front), (back_part, garden)]
            parcels.append({
                "number": k + 1, "street": "вул. Садова", "house": str(house), "address": address, "ring": ring,
                "land_uses": land_uses, "owner": OWNERS[k], "grounds": GROUNDS[k % 3],
            })
    parcels.append(field(grid))
    return parcels


def field(grid):
    """The field behind the northern row: its southern edge is the back of the row's first five
    parcels (their six corners, shared exactly), its northern edge follows a stream. Four land uses
    split it across, from the row's corners to the stream."""
    back = [grid.points[(0, "back", j)] for j in range(FIELD_COLUMNS + 1)]
    x0 = X_A + DEPTH
    stream = []
    for k in range(FIELD_STEPS + 1):
        x = x0 + FIELD_DEPTH + 4.0 * math.sin(k * 0.45) + 1.5 * math.cos(k * 1.3)
        y = Y0 + k * WIDTH * FIELD_COLUMNS / FIELD_STEPS + (0.4 if 0 < k < FIELD_STEPS else 0.0)
        stream.append(grid.vertex(("stream", k), x, y))
    per_column = FIELD_STEPS // FIELD_COLUMNS

    def strip(first, last):
        """The land use from the row's corner `first` to its corner `last` (columns)."""
        return back[first:last + 1] + stream[first * per_column:last * per_column + 1][::-1]

    return {
        "number": COLUMNS * 2 + 1, "street": "урочище Заплава", "house": "-",
        "address": f"{SETTLEMENT}, урочище Заплава", "ring": strip(0, FIELD_COLUMNS),
        "land_uses": [(ARABLE, strip(0, 2)), (ORCHARD, strip(2, 3)), (HAY, strip(3, 4)), (PASTURE, strip(4, 5))],
        "owner": FIELD_OWNER, "grounds": GROUNDS[0],
    }


def area(points):
    """The area in square metres, by the trapezoid rule, whatever the orientation."""
    s = 0.0
    n = len(points)
    for i in range(n):
        _, x1, y1 = points[i]
        _, x2, y2 = points[(i + 1) % n]
        s += (x2 - x1) * (y2 + y1) / 2
    return abs(s)


def coord(v):
    text = f"{v:.2f}".rstrip("0").rstrip(".")
    return text


def point_lines(points, last_comma=False):
    lines = []
    for i, (name, x, y) in enumerate(points, start=1):
        end = "," if i < len(points) or last_comma else ""
        lines.append(f'N={i},NP="{name}",X={coord(x)},Y={coord(y)},MX=0.01,MY=0.01{end}')
    return lines


def owner_address(p):
    return p["owner"][1] or p["address"]


def in4_lines(parcels):
    lines = [
        "# Технология ТЕPPИТОPИЯ, кваpтал",
        'BL,BC="1",',
        f'DS="{KOATUU}",',
        f'SD="{ZONE}",',
        f'BC="{QUARTER}",',
        'SZ="га.",',
        f'DT="{DATE}",',
        f'ZM="{RAIZEM}",',
        f'GL="{GOLOVA}",',
    ]
    for i, p in enumerate(parcels, start=1):
        name, _, kz, kf, pp = p["owner"]
        # Two parcels carry their quarter in a seven-character number.
        number = f"{QUARTER:03d}{p['number']:04d}" if i in (6, 12) else f"{p['number']:04d}"
        lines += [
            f"# Участок {i}",
            f'SR,SC="{number}",',
            f'NM="{name}",',
            f'AD="{p["address"]}",',
            'PF="1.1,особиста",',
            f'AS={area(p["ring"]) / 10000:.4f},',
            "PS=0.00,",
            "MS=0.00,",
            "# Доп. информация",
            f'AU="{owner_address(p)}",',
            f'PZ="{p["grounds"]}",',
            f'KF="{kf}",',
            f'PP="{pp}",',
            f'KZ="{kz}",',
            f'DS="{KOATUU}",',
            f'KV="{QUARTER}",',
            f'ZN="{ZONE}",',
            'DB="",',
            f'KT="{KOATUU}",',
        ]
        lines += point_lines(p["ring"])
        for j, (code, outline) in enumerate(p["land_uses"], start=1):
            lines += [
                f"# Угодие {j} ({i})",
                f'CL,CI={j},LC="{j}",',
                f'CN="{code}",',
                f'AL={area(outline) / 10000:.4f},',
                "PL=0.00,",
                "ML=0.00,",
            ]
            lines += point_lines(outline)
    return lines


def in5_lines(parcels):
    lines = []
    for p in parcels:
        name, _, kz, kf, pp = p["owner"]
        lines += [
            f'SR,SC="{p["number"]:04d}",',
            f'NM="{name}",',
            f'AD="{p["address"]}",',
            f'AU="{owner_address(p)}",',
            f'PZ="{p["grounds"]}",',
            f'KF="{kf}",',
            f'PP="{pp}",',
            f'KZ="{kz}",',
        ]
        lines += point_lines(p["ring"])
        for code, outline in p["land_uses"]:
            lines.append(f'CN="{code}",')
            lines += point_lines(outline)
    return lines


def centre_lines(parcels):
    """The centre's in4: addresses in comma-separated parts, grounds with a fourth part."""
    lines = [
        f'DS="{KOATUU}",',
        f'SD="{ZONE}",',
        f'BC="{QUARTER}",',
        f'ZM="{RAIZEM}",',
        f'GL="{GOLOVA}",',
    ]
    for p in parcels:
        name, lives, kz, kf, pp = p["owner"]
        flat = "-"
        if lives:
            town, street, house, *rest = [s.strip() for s in lives.split(",")]
            flat = rest[0].replace("кв. ", "") if rest else "-"
        else:
            town, street, house = SETTLEMENT, p["street"], p["house"]
        lines += [
            f'SR="{p["number"]}",',
            f'SC="{QUARTER:03d}{p["number"]:04d}",',
            f'NM="{name}",',
            f'AD="{SETTLEMENT},{p["street"]},{p["house"]},-,-,08131",',
            f'AU="Україна,08131,Київська обл.,Києво-Святошинський р-н,{town},{street},{house},-,{flat},",',
            f'PZ="{p["grounds"]},1",',
            f'KF="{kf}",',
            f'PP="{pp}",',
            f'KZ="{kz}",',
            f'KK="{KOATUU}:{ZONE:02d}:{QUARTER:03d}:{p["number"]:04d}",',
        ]
        lines += point_lines(p["ring"], last_comma=True)
        for code, outline in p["land_uses"]:
            lines.append(f'CN="{code}",')
            lines += point_lines(outline, last_comma=True)
    return lines


# IBM866 has no І, і, Ґ, ґ: DOS programs write their nearest Latin and Russian neighbours.
BEST_FIT = str.maketrans({"І": "I", "і": "i", "Ґ": "Г", "ґ": "г"})


def write(name, lines, dos):
    text = "".join(line + "\r\n" for line in lines)
    data = text.translate(BEST_FIT).encode("cp866") if dos else text.encode("cp1251")
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    parcels = build()
    write("sofiivska-dos.in4", in4_lines(parcels), dos=True)
    write("sofiivska-win.in4", in4_lines(parcels), dos=False)
    write("sofiivska-dos.in5", in5_lines(parcels), dos=True)
    write("sofiivska-win.in5", in5_lines(parcels), dos=False)
    write("sofiivska-centre.in4", centre_lines(parcels), dos=False)


if __name__ == "__main__":
    main()
