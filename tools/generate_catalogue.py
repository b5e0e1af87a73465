#!/usr/bin/env python3
"""Writes data/catalogue.csv, the source of the built-in catalogue.

The catalogue is an illustrative data set: the maker's published facts (block
order and sizes, codes, value ranges, the quoted entries) are fixed below, and
the remaining values follow the rules of thumb described in docs/catalogue.md.
The script uses no randomness, so every run writes the same file. Before it
writes anything it checks every fixed fact and a few searches that an engineer
would try, and stops with a message when one does not hold.

Usage: tools/generate_catalogue.py [OUTPUT]   (default: data/catalogue.csv)
"""

from __future__ import annotations

import math
import sys
from collections import Counter
from dataclasses import dataclass
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path
from typing import Callable

D = Decimal

# --- Case sizes -------------------------------------------------------------

# Outline volumes in mm^3 (length x width x height). Moulded cases follow the
# dimension table of the program; letters without dimensions there are given
# plausible outlines here. Microchips (KY*) use their own letter meanings.
MOULDED_VOLUMES = {
    "A": 3.2 * 1.6 * 1.6, "B": 3.5 * 2.8 * 1.9, "C": 6.0 * 3.2 * 2.6,
    "D": 7.3 * 4.3 * 2.9, "E": 7.3 * 4.3 * 4.1, "F": 6.0 * 3.2 * 2.0,
    "G": 2.0 * 1.25 * 0.9, "H": 3.2 * 1.6 * 1.0, "K": 1.6 * 0.8 * 0.8,
    "L": 1.6 * 0.85 * 0.85, "N": 2.0 * 1.25 * 0.6, "P": 2.05 * 1.3 * 1.35,
    "R": 2.05 * 1.3 * 1.2, "S": 3.2 * 1.6 * 1.2, "T": 3.5 * 2.8 * 1.2,
    "V": 7.3 * 6.1 * 3.45, "W": 6.0 * 3.2 * 1.5, "X": 7.3 * 4.3 * 1.5,
    "Y": 7.3 * 4.3 * 2.0, "6": 10.0 * 7.3 * 4.0,
}
MICROCHIP_VOLUMES = {
    "K": 1.0 * 0.5 * 0.5, "Z": 1.6 * 0.8 * 0.45, "J": 1.6 * 0.85 * 0.6,
    "L": 1.6 * 0.85 * 0.85, "U": 2.0 * 1.35 * 0.5, "M": 2.0 * 1.25 * 0.6,
    "H": 2.0 * 1.35 * 1.0, "R": 2.0 * 1.35 * 1.35, "V": 3.2 * 1.6 * 0.9,
    "A": 3.2 * 1.6 * 1.6, "T": 3.5 * 2.8 * 1.2, "B": 3.5 * 2.8 * 1.9,
}

# --- Value grids ------------------------------------------------------------

E6 = sorted(D(m).scaleb(e).normalize() for e in range(-2, 3) for m in (10, 15, 22, 33, 47, 68)
            if D(m).scaleb(e) <= 3300)

# Dissipation factors as catalogues state them, in %.
DF_STEPS = [D(x) for x in (3, 4, 6, 8, 10, 12, 14, 15, 16, 18, 20, 25, 30, 35, 40, 45, 50, 60,
                           70, 80)]

# Usable C*V falls with rated voltage (coarser powder, thicker dielectric).
VOLTAGE_EXPONENT = 0.25


def text(value: Decimal) -> str:
    """A decimal as an engineer writes it: 6.3, 0.47, 1500."""
    return format(value.normalize(), "f")


def nums(*texts: str) -> tuple[Decimal, ...]:
    return tuple(D(t) for t in texts)


# --- Series -----------------------------------------------------------------

Combo = tuple[str, Decimal, Decimal]  # case, capacitance, rated voltage


@dataclass
class Series:
    code: str
    count: int
    cases: str  # in catalogue order
    cap: tuple[Decimal, Decimal]
    volts: tuple[Decimal, ...]
    dcl: tuple[Decimal, Decimal]
    df: tuple[Decimal, Decimal]
    esr: tuple[Decimal, Decimal]
    density: float = 0.0  # usable uF*V per mm^3 at 10 V; 0: only the listed entries
    band: float = 1.0  # a case offers capacitances down to its largest / band
    leakage: float = 0.01  # DCLmax = leakage * C * V, clamped into the range
    esr_exponents: tuple[float, float] = (0.3, 0.4)  # ESR ~ C^-a * volume^-b
    tolerance: str = "*"
    suffix: str | int = "none"  # "none", "all", or the number of lowest-ESR entries
    microchip: bool = False
    listed: tuple[Combo, ...] = ()  # entries that must be present
    exclude: Callable[[str, Decimal, Decimal], bool] = lambda case, c, v: False

    def volume(self, case: str) -> float:
        return (MICROCHIP_VOLUMES if self.microchip else MOULDED_VOLUMES)[case]

    def usable_cv(self, case: str, volts: Decimal) -> float:
        return self.density * self.volume(case) * (float(volts) / 10) ** -VOLTAGE_EXPONENT


def combos(*items: str) -> tuple[Combo, ...]:
    """"A 10 6.3" -> ("A", 10, 6.3)."""
    result = []
    for item in items:
        case, cap, volts = item.split()
        result.append((case, D(cap), D(volts)))
    return tuple(result)


V_TA = nums("2.5", "4", "6.3", "10", "16", "20", "25", "35", "50")
V_PRO = nums("6.3", "10", "16", "20", "25", "35", "50")

# In block order. Small blocks list all their parts; the others take the listed
# parts and choose the rest by the case capacity rule.
SERIES = [
    Series("WUD", 9, "ABGPST", nums("22", "150"), nums("4", "6.3", "10"),
           nums("8.8", "60"), nums("30", "30"), nums("1000", "4000"), leakage=0.1,
           listed=combos("A 33 10", "A 47 6.3", "A 68 4", "B 68 6.3", "B 150 4", "G 22 4",
                         "P 22 6.3", "S 33 6.3", "T 47 10")),
    Series("WIR", 149, "ABCDEFPSTVWXY", nums("2.2", "1000"), nums("1.8", "2.5", "4", "6.3", "10"),
           nums("1", "80"), nums("6", "20"), nums("150", "8300"), density=14, band=12,
           leakage=0.02, tolerance="M"),
    Series("WIQ", 9, "E", nums("220", "680"), nums("1.8", "2.5", "4", "6.3"),
           nums("23.5", "39.6"), nums("6", "6"), nums("23", "40"), leakage=0.02, tolerance="M",
           suffix="all",
           listed=combos("E 220 4", "E 220 6.3", "E 330 2.5", "E 330 4", "E 470 1.8",
                         "E 470 2.5", "E 470 4", "E 680 1.8", "E 680 2.5")),
    Series("WIE", 84, "ABCDEVWXY", nums("10", "1000"), nums("1.8", "2.5", "4", "6.3"),
           nums("1.1", "56.4"), nums("6", "16"), nums("35", "2000"), density=14, band=8,
           leakage=0.02, tolerance="M", suffix="all"),
    Series("WBZ", 1, "V", nums("560", "560"), nums("2.5"), nums("28", "28"), nums("6", "6"),
           nums("3", "3"), listed=combos("V 560 2.5")),
    Series("KYR", 108, "ABHJKLRTUV", nums("0.47", "220"),
           nums("2", "3", "4", "6.3", "10", "16", "20", "25"), nums("0.5", "6.6"),
           nums("6", "30"), nums("1000", "15000"), density=30, band=12, microchip=True),
    Series("KRB", 532, "ABCDEFKPRSTVWXY", nums("0.1", "2200"), V_TA, nums("0.5", "60"),
           nums("4", "60"), nums("200", "29000"), density=26, band=22,
           # Case A: every E6 value from 0.1 to 100 uF; 10 uF only at 6.3, 10 and 16 V.
           listed=tuple(("A", c, None) for c in E6 if c <= 100)
           + combos("A 0.1 35", "A 10 6.3", "A 10 10", "A 10 16"),
           exclude=lambda case, c, v: case == "A" and (c > 100 or c == 10)),
    Series("KOZ", 6, "D", nums("6.8", "100"), nums("10", "16", "25", "50"), nums("2.5", "10"),
           nums("6", "8"), nums("500", "700"),
           listed=combos("D 6.8 50", "D 10 25", "D 22 25", "D 33 16", "D 47 16", "D 100 10")),
    Series("KUB", 67, "ABCGHKPRSTW", nums("1", "220"), nums("2.5", "4", "6.3", "10", "16", "25", "35"),
           nums("2.5", "132"), nums("6", "10"), nums("40", "500"), density=16, band=6,
           leakage=0.1, tolerance="M", suffix="all", listed=combos("A 10 6.3")),
    Series("KUX", 2, "LT", nums("150", "150"), nums("6.3"), nums("90", "90"), nums("10", "10"),
           nums("200", "200"), listed=combos("L 150 6.3", "T 150 6.3")),
    Series("KWG", 68, "ABCDE", nums("0.1", "220"), V_PRO, nums("0.5", "22"), nums("3", "10"),
           nums("250", "24000"), density=20, band=16),
    Series("KYD", 48, "HJKLMRTUVZ", nums("0.47", "220"),
           nums("2", "3", "4", "6.3", "10", "16", "20", "25", "35"), nums("0.5", "10"),
           nums("0", "0"), nums("1000", "15000"), density=60, band=6, tolerance="M",
           # Case Z: only these two parts.
           microchip=True, listed=combos("Z 10 4", "Z 15 2"),
           exclude=lambda case, c, v: case == "Z"),
    Series("KMD", 79, "ABFGHKNPRSTWY", nums("10", "680"), nums("2.5", "4", "6.3", "10", "16", "20"),
           nums("1", "40.8"), nums("5", "80"), nums("150", "9600"), density=85, band=5,
           tolerance="M", suffix="all"),
    Series("KMX", 6, "6KS", nums("47", "3300"), nums("4", "6.3", "10"), nums("4.7", "150"),
           nums("30", "35"), nums("55", "3000"),
           listed=combos("6 680 6.3", "6 680 10", "6 1000 10", "6 3300 4", "K 47 10",
                         "S 100 6.3")),
    Series("KYF", 33, "ABKLR", nums("0.47", "68"), nums("3", "4", "6.3", "10", "16", "20"),
           nums("0.2", "2.4"), nums("6", "15"), nums("1000", "15000"), density=22, band=8,
           leakage=0.005, microchip=True),
    Series("KYE", 27, "HKLR", nums("1", "100"), nums("3", "4", "6.3", "10", "16", "25"),
           nums("0.5", "4"), nums("6", "30"), nums("1000", "8000"), density=65, band=6,
           microchip=True),
    Series("KEQ", 62, "DEVY", nums("10", "2200"), V_TA, nums("5", "63"), nums("6", "10"),
           nums("12", "140"), density=32, band=6, suffix="all"),
    Series("KEL", 545, "ABCDEFPRSTVWXY", nums("0.15", "1500"), V_TA, nums("0.5", "60"),
           nums("4", "60"), nums("25", "9000"), density=26, band=16, suffix="all"),
    Series("KSF", 237, "ABCDE", nums("0.1", "470"), V_PRO, nums("0.3", "25"), nums("4", "8"),
           nums("100", "20000"), density=26, band=30, leakage=0.007, suffix=115),
]

# Part numbers listed twice: a standard and a low-ESR build of the same part.
# ESR in milliohm in catalogue order; None: the standard ESR, the low-ESR build
# at about 45 % of it.
TWINS = [
    ("WIR", "B 22 10", (700, 1800)),
    ("KWG", "D 22 35", (600, 300)),
    ("WIR", "C 100 4", None),
    ("KYR", "B 47 6.3", None),
    ("KRB", "B 10 16", None),
    ("KRB", "C 47 10", None),
    ("KRB", "D 220 6.3", None),
    ("KWG", "E 100 16", None),
]
LOW_ESR_BUILD = 0.45

# The one KUB entry without the tolerance letter.
KUB_WITHOUT_TOLERANCE = ("A", D(10), D("6.3"))

# --- Part-number convention --------------------------------------------------


def capacitance_code(cap: Decimal) -> str:
    picofarad = cap * 1000000
    digits = str(int(picofarad))
    if picofarad != int(picofarad) or len(digits) < 2 or digits[2:].strip("0"):
        raise ValueError(f"{cap} uF has no capacitance code")
    return digits[:2] + str(len(digits) - 2)


def voltage_code(series: str, volts: Decimal) -> str:
    if volts == D("1.8"):
        return "001"
    if volts == D("2.5") or (volts == 2 and series in ("KYR", "KYD")):
        return "002"
    if volts == D("6.3"):
        return "006"
    if volts != volts.to_integral_value():
        raise ValueError(f"{volts} V has no voltage code")
    return f"{int(volts):03d}"


@dataclass
class Entry:
    series: str
    case: str
    cap: Decimal
    volts: Decimal
    dcl: Decimal | None = None
    df: Decimal | None = None
    esr: Decimal | None = None
    tolerance: str = "*"
    suffix: bool = False
    position: int | None = None
    quoted_as: str = ""  # the maker's part number when the maker quotes the entry
    twin: int = -1  # 0 or 1 for the two builds of a doubled part number

    @property
    def combo(self) -> Combo:
        return (self.case, self.cap, self.volts)

    @property
    def part_number(self) -> str:
        suffix = f"{int(self.esr):04d}" if self.suffix else ""
        return (self.series + self.case + capacitance_code(self.cap) + self.tolerance
                + voltage_code(self.series, self.volts) + "#" + suffix)


def quoted(part_number: str, case: str, cap: str, volts: str, dcl: str | None = None,
           df: str | None = None, esr: str | None = None, position: int | None = None) -> Entry:
    """An entry as the maker quotes it; values not given follow the rules."""
    def value(x: str | None) -> Decimal | None:
        return None if x is None else D(x)

    return Entry(part_number[:3], case, D(cap), D(volts), value(dcl), value(df), value(esr),
                 tolerance=part_number[7], suffix=len(part_number) > 12, position=position,
                 quoted_as=part_number)


# --- Entries whose values the maker quotes -----------------------------------

QUOTED = [
    quoted("WUDA336*010#", "A", "33", "10", "33", "30", "1700", position=0),
    quoted("WIRA476M001#", "A", "47", "1.8", "1.7", "8", "1600", position=23),
    quoted("WIQE687M001#0023", "E", "680", "1.8", "24.5", "6", "23", position=165),
    quoted("KYRA157*002#", "A", "150", "2", "3", "20", "1000", position=258),
    quoted("KYDZ106M004#", "Z", "10", "4", "0.5", "0", "15000", position=1081),
    quoted("KMX6108*010#", "6", "1000", "10", "100", "35", "55", position=1164),
    quoted("KELD106*035#0300", "D", "10", "35", "3.5", "6", "300", position=1500),
    quoted("KSFE477*006#0200", "E", "470", "6.3", "21", "8", "200", position=2071),
    quoted("KMDB157M010#0500", "B", "150", "10", "15", "30", "500"),
    quoted("KWGC155*035#", "C", "1.5", "35", "0.5", esr="4500"),
    quoted("KYRA336*010#", "A", "33", "10", "3.3", esr="1000"),
    quoted("WBZV567*002#", "V", "560", "2.5", "28", "6", "3"),
    quoted("KUXL157*006#", "L", "150", "6.3", "90", "10", "200"),
    quoted("KUXT157*006#", "T", "150", "6.3", "90", "10", "200"),
    quoted("KRBA104*035#", "A", "0.1", "35"),
    quoted("KRBA106*006#", "A", "10", "6.3"),
]

# --- Choosing the parts of a series -------------------------------------------


def largest_e6(series: Series, case: str, volts: Decimal) -> Decimal | None:
    limit = series.usable_cv(case, volts) / float(volts) * (1 + 1e-9)
    fitting = [c for c in E6 if float(c) <= limit]
    return fitting[-1] if fitting else None


def offered(series: Series) -> dict[Combo, int]:
    """Every combination that a case can hold, with its depth: how many E6
    steps its capacitance lies below the largest that the case offers at that
    voltage (0 = the fullest use of the case)."""
    result = {}
    for case in series.cases:
        for volts in series.volts:
            top = largest_e6(series, case, volts)
            if top is None:
                continue
            for cap in E6:
                if series.cap[0] <= cap <= min(top, series.cap[1]) and \
                        float(cap) * series.band >= float(top) and \
                        not series.exclude(case, cap, volts):
                    result[(case, cap, volts)] = E6.index(top) - E6.index(cap)
    return result


def choose(series: Series, required: list[Combo], unique: int) -> list[Combo]:
    """`unique` combinations: the required ones, one for every case, voltage
    and end of the capacitance range, then the fullest uses of the cases,
    taking the cases and voltages in turn so that none is left thin."""
    pool = offered(series)
    chosen: dict[Combo, None] = {}
    listed = required + list(series.listed)
    for combo in listed:
        if combo[2] is not None:
            chosen.setdefault(combo)

    def fullest(keep: Callable[[Combo], bool], what: str) -> Combo:
        fits = [k for k in pool if keep(k)]
        if not fits:
            raise SystemExit(f"{series.code}: no case offers {what}")
        return min(fits, key=lambda k: (pool[k], -k[1], k[2]))

    for case, cap, volts in listed:
        if volts is None and not any(k[:2] == (case, cap) for k in chosen):
            chosen.setdefault(fullest(lambda k: k[:2] == (case, cap), f"{cap} uF in {case}"))
    for values, index in ((series.cases, 0), (series.cap, 1), (series.volts, 2)):
        for value in values:
            if not any(k[index] == value for k in chosen):
                chosen.setdefault(fullest(lambda k: k[index] == value, str(value)))

    # Within one depth, the n-th entry of every case comes before the
    # (n+1)-th of any case; a case's voltages are taken from the middle out.
    middle = (len(series.volts) - 1) / 2
    rest = sorted((k for k in pool if k not in chosen),
                  key=lambda k: (pool[k], abs(series.volts.index(k[2]) - middle), k[2]))
    turn: Counter = Counter()
    ranked = []
    for k in rest:
        turn[(pool[k], k[0])] += 1
        ranked.append((pool[k], turn[(pool[k], k[0])], series.cases.index(k[0]), k))
    rest = [k for *_, k in sorted(ranked)]
    missing = unique - len(chosen)
    if missing < 0 or missing > len(rest):
        raise SystemExit(f"{series.code}: {len(chosen)} required, {len(rest)} offered, "
                         f"{unique} wanted")
    for k in rest[:missing]:
        chosen[k] = None
    return list(chosen)


# --- Values --------------------------------------------------------------------


def quantize(value: float, step: str) -> Decimal:
    return D(repr(value)).quantize(D(step), rounding=ROUND_HALF_UP)


def two_digits(value: float) -> Decimal:
    """Rounds to two significant digits, as ESR values are quoted."""
    exponent = math.floor(math.log10(value)) - 1
    return (D(repr(value)).scaleb(-exponent).quantize(D(1), rounding=ROUND_HALF_UP)
            .scaleb(exponent)).normalize()


def clamp(value: Decimal, bounds: tuple[Decimal, Decimal]) -> Decimal:
    return min(max(value, bounds[0]), bounds[1])


def stretch(entries: list[Entry], attribute: str, raw: Callable[[Entry], float],
            bounds: tuple[Decimal, Decimal]) -> None:
    """Gives the lowest and the highest computed value the ends of the range
    when no entry states them yet."""
    free = [e for e in entries if not e.quoted_as]
    for bound, pick in ((bounds[0], min), (bounds[1], max)):
        if free and all(getattr(e, attribute) != bound for e in entries):
            setattr(pick(free, key=raw), attribute, bound)


def assign_leakage(series: Series, entries: list[Entry]) -> None:
    def raw(e: Entry) -> float:
        return series.leakage * float(e.cap) * float(e.volts)

    for e in entries:
        if e.dcl is None:
            e.dcl = clamp(quantize(raw(e), "0.1"), series.dcl)
    stretch(entries, "dcl", raw, series.dcl)


def assign_dissipation(series: Series, entries: list[Entry]) -> None:
    """DF grows with capacitance: the lower end of the range for the smallest
    capacitance of the series, the upper end for the largest, most parts near
    the lower end."""
    low, high = series.df
    if low == high:
        for e in entries:
            e.df = low if e.df is None else e.df
        return
    steps = sorted({s for s in DF_STEPS if low <= s <= high} | {low, high})
    span = math.log(float(series.cap[1]) / float(series.cap[0])) or 1.0
    for e in entries:
        if e.df is not None:
            continue
        t = (math.log(float(e.cap) / float(series.cap[0])) / span) ** 2
        target = math.log(float(low)) + t * math.log(float(high) / float(low))
        e.df = min(steps, key=lambda s: abs(math.log(float(s)) - target))


def assign_esr(series: Series, entries: list[Entry]) -> None:
    """ESR falls with capacitance and case volume; the series' range is spread
    over its parts on a logarithmic scale."""
    a, b = series.esr_exponents

    def raw(e: Entry) -> float:
        return -a * math.log(float(e.cap)) - b * math.log(series.volume(e.case))

    free = [e for e in entries if e.esr is None]
    if not free:
        return
    lowest, highest = min(map(raw, free)), max(map(raw, free))
    log_low, log_high = (math.log(float(x)) for x in series.esr)
    for e in free:
        t = (raw(e) - lowest) / (highest - lowest) if highest > lowest else 0.0
        e.esr = clamp(two_digits(math.exp(log_low + t * (log_high - log_low))), series.esr)


def assign_twins(series: Series, entries: list[Entry]) -> list[Entry]:
    """Adds the second build of each doubled part number after its first."""
    result = []
    for e in entries:
        result.append(e)
        for code, combo_text, esrs in TWINS:
            if code != series.code or combos(combo_text)[0] != e.combo:
                continue
            second = Entry(**{**e.__dict__})
            if esrs is None:
                second.esr = clamp(two_digits(float(e.esr) * LOW_ESR_BUILD), series.esr)
            else:
                e.esr, second.esr = D(esrs[0]), D(esrs[1])
            e.twin, second.twin = 0, 1
            result.append(second)
    return result


def assign_suffixes(series: Series, entries: list[Entry]) -> None:
    if series.suffix == "all":
        for e in entries:
            e.suffix = True
    elif isinstance(series.suffix, int):
        wanted = series.suffix - sum(e.suffix for e in entries)
        ranked = sorted((e for e in entries if not e.quoted_as),
                        key=lambda e: (e.esr, series.cases.index(e.case), e.cap, e.volts))
        for e in ranked[:wanted]:
            e.suffix = True


def build_series(series: Series) -> list[Entry]:
    quoted_here = {q.combo: q for q in QUOTED if q.series == series.code}
    twins = [combos(t)[0] for code, t, _ in TWINS if code == series.code]
    unique = series.count - len(twins)
    entries = []
    for combo in choose(series, list(quoted_here) + twins, unique):
        e = Entry(**quoted_here[combo].__dict__) if combo in quoted_here else \
            Entry(series.code, *combo, tolerance=series.tolerance)
        if series.code == "KUB" and e.combo == KUB_WITHOUT_TOLERANCE:
            e.tolerance = "*"
        entries.append(e)
    assign_leakage(series, entries)
    assign_dissipation(series, entries)
    assign_esr(series, entries)
    entries = assign_twins(series, entries)
    assign_suffixes(series, entries)
    entries.sort(key=lambda e: (series.cases.index(e.case), e.cap, e.volts, e.twin))
    return entries


def place(block: list[Entry], start: int) -> list[Entry]:
    """Moves the entries with a quoted position there, keeping the two builds
    of a doubled part number together."""
    pinned = sorted((e for e in block if e.position is not None), key=lambda e: e.position)
    rest = [e for e in block if e.position is None]
    for e in pinned:
        at = e.position - start
        if 0 < at < len(rest) and rest[at].twin == 1:
            # The entry before the pair goes behind the pin instead.
            rest.insert(at, rest.pop(at - 2))
        rest.insert(at, e)
    return rest


def build() -> list[Entry]:
    catalogue = []
    for series in SERIES:
        catalogue += place(build_series(series), len(catalogue))
    return catalogue


# --- Checks ----------------------------------------------------------------------


def check(condition: bool, message: str) -> None:
    if not condition:
        raise SystemExit("catalogue check failed: " + message)


def check_facts(catalogue: list[Entry]) -> None:
    check(len(catalogue) == 2072, f"{len(catalogue)} entries")
    blocks = []
    for e in catalogue:
        if not blocks or blocks[-1][0] != e.series:
            blocks.append([e.series, 0])
        blocks[-1][1] += 1
    check([tuple(b) for b in blocks] == [(s.code, s.count) for s in SERIES], "block order")
    numbers = [e.part_number for e in catalogue]
    for q in QUOTED:
        check(q.quoted_as in numbers, f"quoted entry {q.quoted_as} missing")
        e = catalogue[q.position if q.position is not None else numbers.index(q.quoted_as)]
        check(e.part_number == q.quoted_as, f"position of {q.quoted_as}")
        for name in ("case", "cap", "volts", "dcl", "df", "esr"):
            wanted = getattr(q, name)
            check(wanted is None or getattr(e, name) == wanted, f"{name} of {q.quoted_as}")
    doubled = {n: c for n, c in Counter(numbers).items() if c > 1}
    check(len(doubled) == 8 and set(doubled.values()) == {2}, f"doubled numbers {doubled}")
    for number in doubled:
        check(len({e.esr for e in catalogue if e.part_number == number}) == 2, number)
        at = numbers.index(number)
        check(numbers[at + 1] == number, f"the two builds of {number} apart")
    check(sum(e.suffix for e in catalogue) == 961, "ESR suffix count")
    check(all(e.esr <= 9999 for e in catalogue if e.suffix), "suffix ESR above 9999")
    kub = [e.tolerance for e in catalogue if e.series == "KUB"]
    check(kub.count("M") == 66, "KUB tolerance letters")
    for series in SERIES:
        block = [e for e in catalogue if e.series == series.code]
        check(set(e.case for e in block) == set(series.cases), f"{series.code} cases")
        check(set(e.volts for e in block) == set(series.volts), f"{series.code} voltages")
        for name, bounds in (("cap", series.cap), ("dcl", series.dcl), ("df", series.df),
                             ("esr", series.esr)):
            values = [getattr(e, name) for e in block]
            check((min(values), max(values)) == bounds, f"{series.code} {name} range")
        if series.code not in ("KUB",):
            check(all(e.tolerance == series.tolerance for e in block),
                  f"{series.code} tolerance")
    check(Counter(e.case for e in catalogue if e.series == "KYD")["Z"] == 2, "KYD case Z")
    check(Counter(e.case for e in catalogue if e.series == "KMX")["6"] == 4, "KMX case 6")
    check(sorted({e.cap for e in catalogue}) == sorted(
        set(E6) | {D(560)}), "capacitance list")
    krb_a = [e for e in catalogue if e.series == "KRB" and e.case == "A"]
    check(sorted({e.cap for e in krb_a}) == [c for c in E6 if c <= 100], "KRB case A")
    check({e.volts for e in krb_a if e.cap == 10} == set(nums("6.3", "10", "16")),
          "KRB A 10 uF")
    for e in catalogue:
        check(len(e.part_number) <= 16, e.part_number)


# --- Searches an engineer would try ------------------------------------------------

SURGE_RULES = {"KMD": (0.5, 0.45), "KYR": (0.7337, 1.0), "KYD": (0.7337, 1.0),
               "KYE": (0.7337, 1.0), "KYF": (0.7337, 1.0)}


def accepted(e: Entry, va: float, imax: float, relaxed: bool = False) -> str:
    """"" when the maker's rules accept the part, else "voltage" or "surge"."""
    vr, esr = float(e.volts), float(e.esr) / 1000
    if vr < va / 0.825:
        return "voltage"
    factor, resistance = SURGE_RULES.get(e.series, (1.1, 0.45))
    test = vr * factor / (esr + resistance)
    return "" if min(va / esr, imax) <= test * (1.15 if relaxed else 1) else "surge"


def check_searches(catalogue: list[Entry], report) -> None:
    found = [e for e in catalogue if e.cap > D("0.1") and not accepted(e, 5, 10)]
    volts = sorted({e.volts for e in found})
    report(f"Va 5 V, Imax 10 A, C > 0.1, any case: {len(found)} parts at "
           f"{', '.join(map(text, volts))} V")
    check(len(found) >= 300 and len(volts) >= 5, "the usual search finds too little")

    together = [c for c in sorted({e.cap for e in catalogue})
                if {D(4), D("6.3"), D(10)} <= {e.volts for e in catalogue
                                               if e.cap == c and not accepted(e, 3, 1)}]
    report(f"Va 3 V, Imax 1 A, C = x: 4, 6.3 and 10 V parts together for x in "
           f"{', '.join(map(text, together))} uF")
    check(len(together) >= 3, "4, 6.3 and 10 V never found together")

    closest = []
    for case in sorted({e.case for e in catalogue}):
        for va in (1.5, 2, 2.5, 3, 3.3, 4, 5, 8, 12, 15, 20, 24, 28, 30):
            parts = [e for e in catalogue if e.case == case and e.cap > D("0.1")]
            reasons = {accepted(e, va, 1000) for e in parts}
            if "" not in reasons and "surge" in reasons and \
                    any(not accepted(e, va, 1000, relaxed=True) for e in parts):
                closest.append(f"case {case} at {va:g} V")
    report("Imax 1000 A, surge-limited with a closest match: " + "; ".join(closest))
    check(bool(closest), "no search reaches the closest match")

    kmd = [e for e in catalogue if e.series == "KMD" and
           all(not accepted(e, float(e.volts) * share, 1) for share in (0.6, 0.5, 0.2))]
    report(f"KMD parts accepted at 60, 50 and 20 % of Vr with Imax 1 A: {len(kmd)}")
    check(len(kmd) >= 10, "KMD derating notes unreachable")


# --- Output --------------------------------------------------------------------------

HEADER = """\
# The built-in catalogue: one entry per line, in catalogue (search) order.
# Units: capacitance uF, rated voltage V, DCLmax uA, DF % (0 = no value), ESRmax milliohm.
# Written by tools/generate_catalogue.py; the rules are in docs/catalogue.md.
part_number,case_size,capacitance,rated_voltage,dcl_max,df,esr_max
"""


def main() -> int:
    root = Path(__file__).resolve().parent.parent
    output = Path(sys.argv[1]) if len(sys.argv) > 1 else root / "data" / "catalogue.csv"
    catalogue = build()
    check_facts(catalogue)
    check_searches(catalogue, lambda line: print(line, file=sys.stderr))
    lines = [",".join((e.part_number, e.case) + tuple(
        text(x) for x in (e.cap, e.volts, e.dcl, e.df, e.esr))) for e in catalogue]
    output.write_text(HEADER + "\n".join(lines) + "\n", encoding="ascii")
    return 0


if __name__ == "__main__":
    sys.exit(main())
