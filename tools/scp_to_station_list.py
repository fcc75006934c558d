#!/usr/bin/env python3
"""Builds a Tovk station list (TOVK.SS) from a super-check-partial file.

The input holds one callsign a line; lines starting with "#" are comments.
US and Canadian calls are kept, portable calls (with "/") are not. Each call
gets a section of its call area, picked by a hash of the callsign, and at
most 3200 calls are kept, chosen by another hash of the callsign, first a few
of every section the file has calls for, so that no section is left out. The
same input always gives the same list, whatever the order of its lines. The
first line names the command and where the calls came from (the Debian
package that holds the file and the file's own release line, when known).

    tools/scp_to_station_list.py /usr/share/hamradio-files/MASTER.SCP -o data/TOVK.SS
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile

MAX_STATIONS = 3200
# Calls of each section kept before any other, where the file has them.
CALLS_PER_SECTION_AT_LEAST = 4

# Section indices of the game's table, by call area. The special sections
# (West Indies, Canal Zone, Pacific, Alaska) are given only to calls whose
# prefix names them, never to the rest of their area.
US_AREAS = {
    "1": list(range(0, 7)),  # CT EMA ME NH RI VT WMA
    "2": list(range(7, 12)),  # ENY NYLI NNJ SNJ WNY
    "3": list(range(12, 16)),  # DE EPA MDC WPA
    "4": list(range(16, 25)),  # AL GA KY NC NFL SC SFL TN VA
    "5": list(range(26, 33)),  # AR LA MS NM NTX OK STX
    "6": list(range(34, 43)),  # EBAY LA ORG SB SCV SD SF SJV SV
    "7": list(range(44, 51)) + [52],  # AZ ID MT NV OR UT WA WY
    "8": list(range(53, 56)),  # MI OH WVA
    "9": list(range(56, 59)),  # IL IN WSC
    "0": list(range(59, 67)),  # CO IA KS MN MO NB ND SD
}
WEST_INDIES = 25
CANAL_ZONE = 33
PACIFIC = 43
ALASKA = 51
MAR, QB, ONT, MAN, SK, AB, BC, NWT = range(67, 75)

# Canadian prefixes and their section.
CANADA = {
    "VE1": MAR, "VA1": MAR, "VE9": MAR, "VA9": MAR,
    "VO1": MAR, "VO2": MAR, "VY2": MAR,  # Newfoundland, Labrador, Prince Edward Island
    "VE2": QB, "VA2": QB,
    "VE3": ONT, "VA3": ONT,
    "VE4": MAN, "VA4": MAN,
    "VE5": SK, "VA5": SK,
    "VE6": AB, "VA6": AB,
    "VE7": BC, "VA7": BC,
    "VE8": NWT, "VY0": NWT, "VY1": NWT,
}

US_CALL = re.compile(r"^([KNW][A-Z]?|A[A-L])([0-9])[A-Z]{1,3}$")
CANADIAN_CALL = re.compile(r"^(V[AEOY][0-9])[A-Z]{1,3}$")


def stable_hash(text):
    """32-bit FNV-1a of the text's bytes: the same on every run and machine."""
    value = 0x811C9DC5
    for byte in text.encode("ascii"):
        value = ((value ^ byte) * 0x01000193) & 0xFFFFFFFF
    return value


def section_of(call):
    """The section index for a callsign, or None when it is not kept."""
    match = US_CALL.match(call)
    if match:
        prefix, digit = match.group(1), match.group(2)
        if call.startswith("KZ5"):
            return CANAL_ZONE
        if len(prefix) == 2 and prefix[1] == "H" and prefix[0] in "AKNW":
            return PACIFIC
        if len(prefix) == 2 and prefix[1] == "L" and prefix[0] in "AKNW":
            return ALASKA
        if len(prefix) == 2 and prefix[1] == "P" and prefix[0] in "KNW":
            return WEST_INDIES
        sections = US_AREAS[digit]
        return sections[stable_hash(call) % len(sections)]
    match = CANADIAN_CALL.match(call)
    if match:
        return CANADA.get(match.group(1))
    return None


def read_calls(lines):
    """The distinct callsigns of a super-check-partial file, upper case, and
    its release line ("# Release 2023.05.02.00") or None."""
    calls = set()
    release = None
    for line in lines:
        line = line.strip()
        if line.startswith("#") and release is None:
            words = line[1:].split()
            if len(words) == 2 and words[0].lower() == "release":
                release = words[1]
        if not line or line.startswith("#"):
            continue
        call = line.split()[0].upper()
        if "/" in call or len(call) > 10:
            continue
        calls.add(call)
    return calls, release


def choose_stations(stations, limit):
    """At most `limit` of the (call, section) pairs: first a few of every
    section, then the rest. Which calls are kept must not depend on the
    file's order, and must not favour one part of the alphabet: both groups
    are taken in the order of a second hash."""
    stations = sorted(stations, key=lambda s: (stable_hash("keep:" + s[0]), s[0]))
    first, rest = [], []
    taken = {}
    for station in stations:
        count = taken.get(station[1], 0)
        (first if count < CALLS_PER_SECTION_AT_LEAST else rest).append(station)
        taken[station[1]] = count + 1
    return sorted((first + rest)[:limit])


def build_station_list(lines, limit=MAX_STATIONS, source=""):
    """The station list's text for the lines of a super-check-partial file;
    `source` is the first comment line, naming how the list was made."""
    calls, release = read_calls(lines)
    stations = []
    for call in calls:
        section = section_of(call)
        if section is not None:
            stations.append((call, section))
    stations = choose_stations(stations, limit)
    if release:
        source += " (file release %s)" % release
    out = [
        "# " + source if source else "# Built by tools/scp_to_station_list.py",
        "# Tovk station list: callsign, section index 0..74 (0 CT ... 74 NWT); do not edit",
        "# %d stations in %d sections" % (len(stations), len({s[1] for s in stations})),
    ]
    out += ["%s,%d" % station for station in stations]
    return "\n".join(out) + "\n"


def debian_package_of(path):
    """ "hamradio-files 20230502" when a Debian package holds the file, else
    None (no dpkg, or a file of no package)."""
    try:
        found = subprocess.run(["dpkg-query", "-S", os.path.realpath(path)],
                               capture_output=True, text=True, check=False)
        if found.returncode != 0:
            return None
        package = found.stdout.split(":")[0].strip()
        version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                                 capture_output=True, text=True, check=False)
        if version.returncode != 0 or not version.stdout:
            return None
        return "%s %s" % (package, version.stdout.strip())
    except OSError:
        return None


def source_line(argv, scp):
    """The command that made the list, and the package its input came from."""
    line = "Built by: " + " ".join(["tools/scp_to_station_list.py"] + list(argv))
    package = debian_package_of(scp)
    if package:
        line += " from Debian package " + package
    return line


def write_atomically(path, text):
    """Writes `path` through a temporary file beside it, renamed over it."""
    folder = os.path.dirname(os.path.abspath(path))
    handle, temporary = tempfile.mkstemp(dir=folder, prefix=".tovk-ss-")
    try:
        with os.fdopen(handle, "w", encoding="ascii", newline="\n") as out:
            out.write(text)
            out.flush()
            os.fsync(out.fileno())
        os.chmod(temporary, 0o644)
        os.replace(temporary, path)
    except BaseException:
        if os.path.exists(temporary):
            os.remove(temporary)
        raise


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("scp", help="super-check-partial file (MASTER.SCP format)")
    parser.add_argument("-o", "--output", help="station list to write (default: standard output)")
    parser.add_argument("--max", type=int, default=MAX_STATIONS,
                        help="most stations to keep (default and upper bound %d)" % MAX_STATIONS)
    if argv is None:
        argv = sys.argv[1:]
    args = parser.parse_args(argv)
    limit = max(0, min(args.max, MAX_STATIONS))
    try:
        with open(args.scp, encoding="latin-1") as scp:
            text = build_station_list(scp, limit, source_line(argv, args.scp))
    except OSError as error:
        print("Error reading file %s: %s" % (args.scp, error.strerror), file=sys.stderr)
        return 1
    if not args.output:
        sys.stdout.write(text)
        return 0
    try:
        write_atomically(args.output, text)
    except OSError as error:
        print("Error writing file %s: %s" % (args.output, error.strerror), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
