#!/usr/bin/env python3
"""The station-list builder on small super-check-partial files."""

import os
import random
import re
import subprocess
import sys
import tempfile
import unittest

TOOL = os.environ.get(
    "TOVK_SCP_TOOL",
    os.path.join(os.path.dirname(__file__), "..", "..", "tools", "scp_to_station_list.py"))

SAMPLE = "\n".join([
    "# super-check-partial sample, made up for this test",
    "K1ABC", "w1aw", "KA9XYZ", "AA4BC", "AM1ABC", "JA1ABC", "DL1ABC", "W6/K1ABC", "K1ABC/P",
    "KH6AB", "NH7Z", "KL7XY", "AL7AB", "KP4AA", "WP2B", "KZ5ZZ", "VE3XYZ", "VA7ABC", "VE9AB",
    "VO1AA", "VY1JA", "VY2AB", "VE0AB", "K1ABC", "", "N2EQ"]) + "\n"

ENTRY = re.compile(r"^([A-Z0-9]+),([0-9]+)$")


def run_tool(text, *options):
    with tempfile.TemporaryDirectory() as folder:
        scp = os.path.join(folder, "MASTER.SCP")
        out = os.path.join(folder, "TOVK.SS")
        with open(scp, "w", encoding="ascii") as f:
            f.write(text)
        subprocess.run([sys.executable, TOOL, scp, "-o", out, *options], check=True)
        with open(out, encoding="ascii") as f:
            return f.read()


def entries(listing):
    result = {}
    lines = listing.splitlines()
    while lines and lines[0].startswith("#"):
        lines.pop(0)
    for line in lines:
        match = ENTRY.match(line)
        assert match, "not a station line: %r" % line
        result[match.group(1)] = int(match.group(2))
    return result


class StationListTest(unittest.TestCase):
    def test_keeps_us_and_canadian_calls_only_below_comment_lines(self):
        listing = run_tool(SAMPLE)
        self.assertTrue(listing.startswith("#"))
        stations = entries(listing)  # every line after the comments is a station
        self.assertEqual(sorted(stations), sorted([
            "K1ABC", "W1AW", "KA9XYZ", "AA4BC", "KH6AB", "NH7Z", "KL7XY", "AL7AB", "KP4AA",
            "WP2B", "KZ5ZZ", "VE3XYZ", "VA7ABC", "VE9AB", "VO1AA", "VY1JA", "VY2AB", "N2EQ"]))

    def test_each_call_gets_a_section_of_its_area(self):
        stations = entries(run_tool(SAMPLE))
        self.assertIn(stations["K1ABC"], range(0, 7))
        self.assertIn(stations["W1AW"], range(0, 7))
        self.assertIn(stations["N2EQ"], range(7, 12))
        self.assertIn(stations["AA4BC"], range(16, 25))  # never West Indies
        self.assertIn(stations["KA9XYZ"], range(56, 59))
        expected = {"KH6AB": 43, "NH7Z": 43, "KL7XY": 51, "AL7AB": 51, "KP4AA": 25, "WP2B": 25,
                    "KZ5ZZ": 33, "VE3XYZ": 69, "VA7ABC": 73, "VE9AB": 67, "VO1AA": 67,
                    "VY1JA": 74, "VY2AB": 67}
        for call, section in expected.items():
            self.assertEqual(stations[call], section, call)

    def test_same_calls_in_any_order_give_the_same_list(self):
        lines = SAMPLE.splitlines()
        random.Random(7).shuffle(lines)
        # The first line names the command, with its temporary file names.
        without_command = lambda listing: listing.split("\n", 1)[1]
        self.assertEqual(without_command(run_tool(SAMPLE)),
                         without_command(run_tool("\n".join(lines) + "\n")))

    def test_every_section_keeps_some_calls_and_the_first_line_says_how(self):
        # Far more calls of W1 than room, and three of NWT: NWT is kept.
        calls = ["K1%s" % (chr(65 + n // 676 % 26) + chr(65 + n // 26 % 26) + chr(65 + n % 26))
                 for n in range(5000)]
        text = "# Release 2023.05.02.00\n" + "\n".join(calls + ["VY1AA", "VY1AB", "VE8AA"]) + "\n"
        listing = run_tool(text, "--max", "100")
        stations = entries(listing)
        self.assertEqual(len(stations), 100)
        self.assertEqual(sorted(c for c, s in stations.items() if s == 74), ["VE8AA", "VY1AA", "VY1AB"])
        self.assertEqual(set(stations.values()), set(range(0, 7)) | {74})
        first = listing.splitlines()[0]
        self.assertRegex(first, r"^# Built by: tools/scp_to_station_list.py \S*MASTER.SCP "
                                r"-o \S*TOVK.SS --max 100.* \(file release 2023.05.02.00\)$")

    def test_at_most_3200_stations(self):
        calls = ["K%d%s" % (n % 10, chr(65 + n // 676 % 26) + chr(65 + n // 26 % 26) +
                             chr(65 + n % 26)) for n in range(4000)]
        stations = entries(run_tool("\n".join(calls) + "\n"))
        self.assertEqual(len(stations), 3200)
        self.assertEqual(len(entries(run_tool("\n".join(calls) + "\n", "--max", "9999"))), 3200)
        few = entries(run_tool("\n".join(calls) + "\n", "--max", "10"))
        self.assertEqual(len(few), 10)
        self.assertTrue(set(few) <= set(stations))

    def test_unreadable_input_is_reported(self):
        result = subprocess.run([sys.executable, TOOL, "/nonexistent/MASTER.SCP"],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 1)
        self.assertIn("Error reading file /nonexistent/MASTER.SCP", result.stderr)


if __name__ == "__main__":
    unittest.main()
