#!/usr/bin/env python3
"""Does a listener who knows the station list copy the callsign? Run by hand.

Makes lines of the game with intelligibility_lines (filter off, default
noise), cuts each WAV at the callsign's cue and lets pocketsphinx pick the
callsign from a grammar of that callsign and 29 others of the station list,
all in the phonetic alphabet. Prints the share picked right per voice, for
callsigns in clear (goal: at least 95%) and lost in noise (goal: at most 5%).

Needs the Debian packages pocketsphinx, pocketsphinx-en-us and sox.

usage: intelligibility.py [--lines PATH] [--clear N] [--lost N] [--noise N] [--keep DIR]
"""
import argparse
import collections
import os
import random
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STATION_LIST = os.path.join(ROOT, "data", "TOVK.SS")
MODEL = "/usr/share/pocketsphinx/model/en-us"
DICTIONARY = os.path.join(MODEL, "cmudict-en-us.dict")

ALPHABET = ["alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel", "india",
            "juliet", "kilo", "lima", "mike", "november", "oscar", "papa", "quebec", "romeo",
            "sierra", "tango", "uniform", "victor", "whiskey", "x-ray", "yankee", "zulu"]
DIGITS = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"]
OTHERS = 29
MARGIN = 0.05  # seconds of band kept before and after the cue
VERBOSE = False


def spoken(call):
    words = []
    for c in call.upper():
        if c.isdigit():
            words.append(DIGITS[int(c)])
        elif c.isalpha():
            words.append(ALPHABET[ord(c) - ord("A")])
        elif c == "/":
            words.append("stroke")
    return " ".join(words)


def station_calls():
    with open(STATION_LIST) as f:
        return [line.split(",")[0].strip() for line in f if line.strip() and line[0] != "#"]


def check_dictionary():
    with open(DICTIONARY) as f:
        known = {line.split()[0] for line in f if line.strip()}
    missing = [w for w in ALPHABET + DIGITS + ["stroke"] if w not in known]
    if missing:
        sys.exit("not in pocketsphinx's dictionary: " + " ".join(missing))


def pick(wav, start, end, call, calls, rng, work):
    others = [c for c in calls if c != call]
    choices = rng.sample(others, OTHERS) + [call]
    grammar = os.path.join(work, "calls.gram")
    with open(grammar, "w") as f:
        f.write("#JSGF V1.0;\ngrammar calls;\npublic <call> = %s;\n"
                % " | ".join("(%s)" % spoken(c) for c in choices))
    cut = os.path.join(work, "cut.wav")
    begin = max(0.0, start - MARGIN)
    subprocess.run(["sox", wav, "-r", "16000", cut, "trim", "%.3f" % begin,
                    "%.3f" % (end + MARGIN - begin)], check=True, capture_output=True)
    result = subprocess.run(["pocketsphinx_continuous", "-infile", cut, "-hmm",
                             os.path.join(MODEL, "en-us"), "-dict", DICTIONARY,
                             "-jsgf", grammar, "-logfn", os.devnull],
                            capture_output=True, text=True)
    heard = " ".join(result.stdout.split())
    return heard == spoken(call), heard


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lines", default=os.path.join(ROOT, "build", "bin",
                                                        "intelligibility_lines"))
    parser.add_argument("--clear", type=int, default=100)
    parser.add_argument("--lost", type=int, default=40)
    parser.add_argument("--noise", type=int, help="band noise 0..100 instead of the default")
    parser.add_argument("--keep", help="keep the lines' files in this folder")
    parser.add_argument("--verbose", action="store_true", help="print what was heard")
    args = parser.parse_args()
    global VERBOSE
    VERBOSE = args.verbose
    for tool in ("sox", "pocketsphinx_continuous"):
        if not shutil.which(tool):
            sys.exit("needs %s: apt-get install pocketsphinx pocketsphinx-en-us sox" % tool)
    check_dictionary()

    work = tempfile.mkdtemp(prefix="tovk_intelligibility_")
    folder = args.keep or os.path.join(work, "lines")
    command = [args.lines, folder, str(args.clear), str(args.lost)]
    if args.noise is not None:
        command.append(str(args.noise))
    subprocess.run(command, check=True)
    calls = station_calls()
    rng = random.Random(15)
    right = collections.defaultdict(lambda: [0, 0, 0, 0])  # clear right/all, lost right/all
    with open(os.path.join(folder, "lines.tsv")) as f:
        for row in f:
            name, call, lost, voice, start, end, level = row.rstrip("\n").split("\t")
            ok, heard = pick(os.path.join(folder, name), float(start), float(end), call, calls,
                             rng, work)
            if VERBOSE:
                print("%s %-8s %5s dB %s heard: %s" % (name, call, level,
                                                      "lost" if lost == "1" else "", heard))
            tally = right[voice]
            column = 2 if lost == "1" else 0
            tally[column] += ok
            tally[column + 1] += 1
    print("%-14s %16s %16s" % ("voice", "clear picked", "lost picked"))
    total = [0, 0, 0, 0]
    for voice in sorted(right):
        t = right[voice]
        total = [a + b for a, b in zip(total, t)]
        print("%-14s %9d/%-3d %3.0f%% %9d/%-3d %3.0f%%" % (
            voice, t[0], t[1], 100.0 * t[0] / max(t[1], 1), t[2], t[3],
            100.0 * t[2] / max(t[3], 1)))
    print("%-14s %9d/%-3d %3.0f%% %9d/%-3d %3.0f%%   (goals: clear >= 95%%, lost <= 5%%)" % (
        "all", total[0], total[1], 100.0 * total[0] / max(total[1], 1), total[2], total[3],
        100.0 * total[2] / max(total[3], 1)))
    if not args.keep:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
