#!/usr/bin/env python3
"""Writes the tests' fixed station list (tests/data/TOVK.SS): 3200 simulated
US and Canadian stations, one "CALL,section index" line each. The game ships
a list of real callsigns instead (tools/scp_to_station_list.py); tests whose
figures depend on the stations use this private one, which never changes.

The list is a pure function of the fixed seed below: the generator carries its
own small random number generator, so the output is the same on every run and
every Python version. Run it from anywhere:

    python3 tools/make_station_list.py [output path]
"""

import os
import sys

STATION_COUNT = 3200
SEED = 0x7A3C_19E5

# Section table in index order: name, call-area digit, weight (how busy the
# section is on the air; every section gets some stations).
SECTIONS = [
    # W1
    ("CT", "1", 4), ("EMA", "1", 5), ("ME", "1", 2), ("NH", "1", 2), ("RI", "1", 2),
    ("VT", "1", 1), ("WMA", "1", 3),
    # W2
    ("ENY", "2", 4), ("NYLI", "2", 5), ("NNJ", "2", 5), ("SNJ", "2", 3), ("WNY", "2", 4),
    # W3
    ("DE", "3", 1), ("EPA", "3", 5), ("MDC", "3", 5), ("WPA", "3", 4),
    # W4
    ("AL", "4", 3), ("GA", "4", 4), ("KY", "4", 3), ("NC", "4", 4), ("NFL", "4", 4),
    ("SC", "4", 3), ("SFL", "4", 4), ("TN", "4", 4), ("VA", "4", 5), ("WI", "4", 1),
    # W5
    ("AR", "5", 2), ("LA", "5", 3), ("MS", "5", 2), ("NM", "5", 2), ("NTX", "5", 5),
    ("OK", "5", 3), ("STX", "5", 4), ("CZ", "5", 1),
    # W6
    ("EBAY", "6", 4), ("LA", "6", 5), ("ORG", "6", 4), ("SB", "6", 2), ("SCV", "6", 4),
    ("SD", "6", 3), ("SF", "6", 2), ("SJV", "6", 2), ("SV", "6", 3), ("PCF", "6", 1),
    # W7
    ("AZ", "7", 4), ("ID", "7", 2), ("MT", "7", 2), ("NV", "7", 2), ("OR", "7", 4),
    ("UT", "7", 3), ("WA", "7", 5), ("AK", "7", 1), ("WY", "7", 1),
    # W8
    ("MI", "8", 5), ("OH", "8", 5), ("WVA", "8", 2),
    # W9
    ("IL", "9", 5), ("IN", "9", 4), ("WSC", "9", 4),
    # W0
    ("CO", "0", 4), ("IA", "0", 3), ("KS", "0", 3), ("MN", "0", 4), ("MO", "0", 4),
    ("NB", "0", 2), ("ND", "0", 1), ("SD", "0", 1),
    # VE
    ("MAR", "1", 2), ("QB", "2", 3), ("ONT", "3", 5), ("MAN", "4", 2), ("SK", "5", 2),
    ("AB", "6", 3), ("BC", "7", 3), ("NWT", "8", 1),
]
FIRST_VE_SECTION = 67
SECTION_PCF, SECTION_AK, SECTION_CZ, SECTION_SFL = 43, 51, 33, 22
KP4_IN_SFL = 6  # Puerto Rico has no section of its own; its few calls sit in SFL

LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
# Two-letter prefixes that mark a territory are kept for the sections they imply.
TERRITORY = {"AH", "AL", "KH", "KL", "KP", "KZ", "NH", "NL", "NP", "WH", "WL", "WP"}
ONE_LETTER = ["K", "N", "W"]
TWO_LETTER = [p + q for p in "AKNW" for q in LETTERS
              if (p != "A" or q <= "L") and p + q not in TERRITORY]


class Xorshift32:
    """A small random number generator of the list's own, fixed by its seed."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF or 1

    def next(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x

    def below(self, n):
        return self.next() % n

    def pick(self, items):
        return items[self.below(len(items))]

    def shuffle(self, items):
        for i in range(len(items) - 1, 0, -1):
            j = self.below(i + 1)
            items[i], items[j] = items[j], items[i]


def suffix(rng, length):
    return "".join(rng.pick(LETTERS) for _ in range(length))


def us_call(rng, digit):
    """A US call in one of the formats 1x2, 1x3, 2x1, 2x2, 2x3."""
    roll = rng.below(100)
    if roll < 5:
        return rng.pick(ONE_LETTER) + digit + suffix(rng, 2)
    if roll < 25:
        return rng.pick(ONE_LETTER) + digit + suffix(rng, 3)
    if roll < 30:
        return rng.pick(TWO_LETTER) + digit + suffix(rng, 1)
    if roll < 60:
        return rng.pick(TWO_LETTER) + digit + suffix(rng, 2)
    return rng.pick(TWO_LETTER) + digit + suffix(rng, 3)


def territory_call(rng, prefixes, digit):
    return rng.pick(prefixes) + digit + suffix(rng, 2 + rng.below(2))


def call_for(rng, section, place):
    """A callsign for the `place`-th station of `section`."""
    name, digit, _ = SECTIONS[section]
    if section >= FIRST_VE_SECTION:
        return "VE" + digit + suffix(rng, 2 + rng.below(2))
    if section == SECTION_PCF:
        return territory_call(rng, ["KH", "KH", "AH", "NH", "WH"], "6")
    if section == SECTION_AK:
        return territory_call(rng, ["KL", "KL", "AL", "NL", "WL"], "7")
    if section == SECTION_CZ:
        return "KZ5" + suffix(rng, 2 + rng.below(2))
    if section == SECTION_SFL and place < KP4_IN_SFL:
        return "KP4" + suffix(rng, 2 + rng.below(2))
    return us_call(rng, digit)


def station_counts():
    """Stations per section: proportional to the weights, adding up exactly."""
    total_weight = sum(weight for _, _, weight in SECTIONS)
    counts = [STATION_COUNT * weight // total_weight for _, _, weight in SECTIONS]
    order = sorted(range(len(SECTIONS)), key=lambda i: (-SECTIONS[i][2], i))
    for i in range(STATION_COUNT - sum(counts)):
        counts[order[i % len(order)]] += 1
    return counts


def make_stations():
    rng = Xorshift32(SEED)
    taken = {"Q1AAA"}
    stations = []
    for section, count in enumerate(station_counts()):
        for place in range(count):
            call = call_for(rng, section, place)
            while call in taken:
                call = call_for(rng, section, place)
            taken.add(call)
            stations.append((call, section))
    rng.shuffle(stations)
    return stations


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "tests", "data", "TOVK.SS")
    lines = [
        "# Tovk station list: the simulated stations heard on the band.",
        "# One station a line: callsign, a comma, section index 0..74 (0 CT ... 74 NWT).",
        "# 3200 US and Canadian stations; made by tools/make_station_list.py, do not edit.",
    ]
    lines += ["%s,%d" % station for station in make_stations()]
    with open(path, "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
