#!/usr/bin/python3
"""Writes council-names.csv: the council adjective and status word of every territorial unit whose
classifier row does not carry them.

The classifier names a village council by its own adjective ("СОФІЇВСЬКО-БОРЩАГІВСЬКА/С.СОФІЇВСЬКА
БОРЩАГІВКА"), but a city, an urban-type settlement or a city district only by the place's name
("БОЯРКА", "ЧАБАНИ"): its council's name ("Боярська міська", "Чабанівська селищна") is formed here,
from the best evidence first:
  1. a group heading that names the unit's council ("... ПІДПОРЯДКОВАНІ ЯЛТИНСЬКІЙ МІСЬКРАДІ");
  2. a district named after the place it is centred on ("БАХЧИСАРАЙСЬКИЙ РАЙОН/М.БАХЧИСАРАЙ");
  3. for a city district, its own adjective ("ЗАЛІЗНИЧНИЙ" gives "Залізнична");
  4. otherwise suffix rules learned from the classifier's 10,000 village councils and their centres
     ("...ІВКА" -> "...ІВСЬКА"), with combining forms for names of two words ("НОВА КАХОВКА" ->
     "Новокаховська");
  5. CORRECTIONS below, checked by hand, win over all of these.
It also names the councils that the classifier's settlements need but that it gives only as a group
heading ("НАСЕЛЕНІ ПУНКТИ, ПІДПОРЯДКОВАНІ ЛАДИЖИНСЬКІЙ МІСЬКРАДІ") or not at all.

Run it from anywhere after the classifier changes: /usr/bin/python3 reference/data/make_council_names.py
"""

import collections
import csv
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))

# Council adjectives checked by hand where the evidence above gives a wrong or doubtful form.
CORRECTIONS = {
    "0111200000": "КЕРЧЕНСЬКА",
    "0111745200": "НОВОСВІТСЬКА",
    "0111946200": "ГАСПРИНСЬКА",
    "0111946800": "ГУРЗУФСЬКА",
    "0111948100": "МАСАНДРІВСЬКА",
    "0111970200": "АЛУПКИНСЬКА",
    "0120755300": "ЗУЙСЬКА",
    "0121610400": "СТАРОКРИМСЬКА",
    "1412365600": "СТАРОКРИМСЬКА",
    "1420911000": "ЧАСОВОЯРСЬКА",
    "1423955500": "ЯЛТИНСЬКА",
    "1424555400": "НОВОСВІТСЬКА",
    "3222410600": "ВИШНЕВА",
    "3222457400": "ЧАБАНІВСЬКА",
    "3510166900": "НОВЕНСЬКА",
    "4412500000": "РУБІЖАНСЬКА",
    "4610160300": "ВИННИКІВСЬКА",
    "4620655300": "КРАСНЕНСЬКА",
    "4620910400": "КОМАРНІВСЬКА",
    "4621555600": "ЖУРАВНЕНСЬКА",
    "5110100000": "ОДЕСЬКА",
    "5110345300": "ЗАТОКІВСЬКА",
    "5125255400": "ЗАТИШАНСЬКА",
    "5310900000": "ГОРІШНЬОПЛАВНІВСЬКА",
    "5920610300": "ВОРОЖБЯНСЬКА",
    "6525455300": "АСКАНІЯ-НОВА",
    "1411245900": "ПІВДЕННА",
    "6325111000": "ПІВДЕННА",
    "7310100000": "ЧЕРНІВЕЦЬКА",
    "7410700000": "ПРИЛУЦЬКА",
    "8536965300": "КАЧИНСЬКА",
    # councils of settlements whose council row the classifier lacks
    "1411390000": "МИРНОГРАДСЬКА",
    "2110290000": "БЕРЕГІВСЬКА",
    "5110890100": "БУРЛАЧОБАЛКІВСЬКА",
    "5110890300": "МАЛОДОЛИНСЬКА",
    # the two cities with special status, as councils
    "8000000000": "КИЇВСЬКА",
    "8500000000": "СЕВАСТОПОЛЬСЬКА",
}
# Status words of those councils that the code alone does not tell.
STATUS = {"1411390000": "міська", "2110290000": "міська", "5110890100": "сільська", "5110890300": "сільська",
          "8000000000": "міська", "8500000000": "міська"}

HEADING_COUNCIL = re.compile(r"ПІДПОР[А-Я]*ДКОВАНІ ([А-ЯІЇЄҐ'\-]+) (МІСЬКРАДІ|СЕЛИЩНІЙ РАДІ|СЕЛИЩРАДІ|МІСЬКІЙ РАДІ)")
DISTRICT = re.compile(r"^(.+) РАЙОН/(?:М\.|М |СМТ\.|СМТ |С\.)(.+)$")
VILLAGE_COUNCIL = re.compile(r"^([^/]+)/(?:С\.|С-ЩЕ |С )(.+)$")


def read_classifier():
    with open(os.path.join(HERE, "KOATUU.csv"), encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f, delimiter=";"))
    return [tuple(r) for r in rows[1:]]


def is_heading(row):
    return row[1] == "" and "/" not in row[2]


def feminine(adjective):
    """СЬКИЙ -> СЬКА, СЬКЕ -> СЬКА, ІЙ (soft) -> Я; a dative СЬКІЙ -> СЬКА."""
    for end, repl in (("ИЙ", "А"), ("ІЙ", "А"), ("Е", "А"), ("Є", "Я"), ("І", "А")):
        if adjective.endswith(end):
            return adjective[: -len(end)] + repl
    return adjective


def common_prefix(a, b):
    n = 0
    while n < min(len(a), len(b)) and a[n] == b[n]:
        n += 1
    return n


class Rules:
    """Suffix rules place name -> council adjective, learned from pairs of the classifier."""

    def __init__(self, pairs):
        self.rules = collections.defaultdict(collections.Counter)
        self.combining = collections.defaultdict(collections.Counter)
        for name, adjective in pairs:
            if " " not in name and "-" not in name:
                p = common_prefix(name, adjective)
                if p >= 2:
                    for context in range(4):
                        if p - context < 1:
                            break
                        self.rules[name[p - context:]][(len(name) - p, adjective[p:])] += 1
        for name, adjective in pairs:
            words = name.split(" ")
            if len(words) == 2 and " " not in adjective and "-" not in adjective:
                first = words[0]
                for i in range(max(2, len(first) - 2), len(adjective)):
                    if adjective[i] in "ОЕЄ":
                        self.combining[first][adjective[: i + 1]] += 1
                        break

    def word(self, w):
        for i in range(len(w)):
            found = self.rules.get(w[i:])
            if found and sum(found.values()) >= 2:
                (cut, ending), _ = found.most_common(1)[0]
                return w[: len(w) - cut] + ending
        return None

    def leading(self, w):
        known = self.combining.get(w)
        if known:
            return known.most_common(1)[0][0]
        for end in ("ИЙ", "ІЙ", "А", "Я", "Е", "Є", "І"):
            if w.endswith(end):
                stem = w[: -len(end)]
                soft = end in ("ІЙ", "Я", "Є")
                return stem + ("ЬО" if soft else "О")
        return w + "О"

    def name(self, place):
        words = place.split(" ")
        if len(words) > 1:
            last = self.name(words[-1])
            return "".join(self.leading(w) for w in words[:-1]) + last if last else None
        parts = place.split("-")
        if len(parts) > 1:
            if re.search(r"(СЬК|ЦЬК|ЗЬК)(ИЙ|А|Е|І)$", parts[-1]):
                return "-".join(parts[:-1] + [feminine(parts[-1])])
            last = self.word(parts[-1])
            return "-".join(parts[:-1] + [last]) if last else None
        return self.word(place)


def main():
    rows = read_classifier()
    by_code = {r[0]: r for r in rows}

    pairs = []
    for te, np, nu in rows:
        m = VILLAGE_COUNCIL.match(nu)
        if m and te[8:] == "00":
            pairs.append((m.group(2), m.group(1)))
        m = DISTRICT.match(nu)
        if m and te[5:] == "00000":
            pairs.append((m.group(2), feminine(m.group(1))))
    rules = Rules(pairs)

    # Councils named by group headings: the unit above the heading, or the heading itself where
    # settlements hang under it.
    heading_names = collections.defaultdict(set)
    for te, np, nu in rows:
        m = HEADING_COUNCIL.search(nu)
        if m and te[8:] == "00" and te[2] == "1":
            heading_names[te[:5] + "00000"].add(feminine(m.group(1)))

    district_centres = {}
    for te, np, nu in rows:
        m = DISTRICT.match(nu)
        if m and te[5:] == "00000":
            district_centres[te] = (m.group(2), feminine(m.group(1)))

    out = []

    def add(te, adjective, status):
        adjective = CORRECTIONS.get(te, adjective)
        if not adjective:
            raise SystemExit(f"no council name for {te} {by_code.get(te)}")
        out.append((te, adjective, STATUS.get(te, status)))

    settlement_councils = {te[:8] + "00" for te, _, _ in rows if te[8:] != "00"}
    for te, np, nu in rows:
        level2 = te[5:] == "00000" and te[3:5] != "00" and te[2:5] != "000"
        level3 = te[8:] == "00" and te[6:8] != "00"
        if level2 and te[2] == "1":
            names = heading_names.get(te, set())
            adjective = next(iter(names)) if len(names) == 1 else None
            if not adjective:
                for code, (centre, district) in district_centres.items():
                    if centre == nu and code[:2] == te[:2]:
                        adjective = district
            add(te, adjective or rules.name(nu), "міська")
        elif level3 and not is_heading((te, np, nu)) and "/" not in nu:
            if np == "Р":
                add(te, feminine(nu), "районна")
                continue
            centre, district = district_centres.get(te[:5] + "00000", (None, None))
            adjective = district if centre == nu else rules.name(nu)
            add(te, adjective, "міська" if np == "М" else "селищна")
        elif te[8:] == "00" and te[5:8] != "000" and is_heading((te, np, nu)) and te in settlement_councils:
            m = HEADING_COUNCIL.search(nu)
            add(te, feminine(m.group(1)) if m else None, "міська")
    for te in sorted(settlement_councils):
        if te not in by_code:
            add(te, None, None)
    for te in ("8000000000", "8500000000"):
        add(te, None, None)

    out.sort()
    with open(os.path.join(HERE, "council-names.csv"), "w", encoding="utf-8", newline="") as f:
        f.write("TE;NAME;STATUS\n")
        for te, adjective, status in out:
            f.write(f"{te};{adjective};{status}\n")
    print(f"{len(out)} councils")


if __name__ == "__main__":
    main()
