#!/usr/bin/env python3
"""A whole tovk-term session driven through pipes, as a script would drive it.

Each step types some lines, then an unknown command as a marker, and reads
until the marker's answer: that also proves every line is flushed at once.
Only lines that do not depend on the random draws are checked exactly; steps
that end with the engine step (which may roll a mishap) are checked loosely:
the expected lines must appear in that order, other lines may come between.

usage: term_session_test.py path/to/tovk-term
"""
import os
import queue
import subprocess
import sys
import tempfile
import threading

STATION_LIST = """# a tiny station list for the session test
K1AA, 0
W3XX, 14
K5ZZ, 44
W6AB, 59
VE3QQ, 72
"""

START_STATUS = ("status| GMT 21:00 Local 16:00 Op 00:00:00 QSo's 0 Sections 0 Score 0 "
                "Q/hr - Dups 0 Lids 0 --")
START_LINE = "log | 1977/11/18|21:00|- Start of operation"
REFUSED_TIMEOUT = "msg | Sorry, rules state that a minimum timeout is 15 minutes"

EXACT, LOOSE = "exact", "loose"


class Tail(str):
    """An expected line given by its end: the clock in front depends on the draws."""


START_LINE_ANY_TIME = Tail("|- Start of operation")


class Prefix(str):
    """An expected line given by its start: the figures after it depend on the draws."""


# Lines put into the logbook of a restored game: two contacts and one that
# was edited by hand, which the export skips and counts.
RESTORED_LOG = [
    "1977/11/18|21:05|W1AW      | 40|   12| B | 69| CT  |    1",
    "1977/11/18|21:09|N2EQ  edited by hand",
    "1977/11/19|00:40|VE3QQ     | 20|    3| A | 71| ONT |    2",
]
EXPORTED = ["msg | Wrote 2 contacts to %s", "msg | Skipped 1 log line that could not be read"]


def first_session(folder):
    """(what is typed, how it is checked, the lines expected)"""
    saved = os.path.join(folder, "game1.sav")
    return [
        (["status"], EXACT, [START_STATUS]),
        (["fields"], EXACT, ["fields| ||||"]),
        (["show Mycall", "show Assist", "show SectionName[14]"], EXACT,
         ["show| Mycall=Q1AAA", "show| Assist=true", "show| SectionName[14]=MDC"]),
        (["QRV"], EXACT, [START_LINE]),
        (["type call k1abc", "fields"], EXACT, ["fields| ||K1ABC||"]),
        (["set Mycall K1ABC", "show Mycall"], EXACT, ["show| Mycall=K1ABC/3"]),
        (["set Mycheck 72", "show Mycheck", "show TimeoutHours", "show TimeoutMinutes"], EXACT,
         ["show| Mycheck=72", "show| TimeoutHours=0", "show| TimeoutMinutes=0"]),
        (["jump", "band 160", "show PartText[8]", "set power 50"], EXACT,
         ["err | unknown command: jump",
          "err | band must be one of 80 40 20 15 10: band 160",
          "err | index out of range: PartText[8] (PartText[0..7])",
          "err | power must be 100 or 1000: set power 50"]),
        # A 14-minute timeout is refused; the clock does not move.
        (["Timeout", "y", "0 14"], LOOSE,
         ["ask | Are you sure?", "time| hours minutes", REFUSED_TIMEOUT]),
        (["show TimeoutMinutes", "show Hour", "show Minute"], EXACT,
         ["show| TimeoutMinutes=14", "show| Hour=21", "show| Minute=0"]),
        (["Timeout", "no"], EXACT, ["ask | Are you sure?"]),
        (["clear in", "clear out", "tick"], EXACT, []),
        (["Save", "game1"], EXACT, ["file| Save As"]),
        (["show SavedGameFile"], EXACT, ["show| SavedGameFile=" + saved]),
        (["Restore", ""], EXACT, ["file| Restore game ?"]),
        (["Restore", saved], LOOSE, ["file| Restore game ?", START_LINE]),
        # Without Assist a new game leaves the operating buttons off until QRV.
        (["set Assist off", "New", "y"], LOOSE, ["ask | Are you sure ?"]),
        (["Call CQ", "send msg", "show Assist"], EXACT,
         ["off | Call CQ", "off | send msg", "show| Assist=false"]),
        (["QRV", "show Operating"], LOOSE, [START_LINE_ANY_TIME, "show| Operating=true"]),
        (["QRT", "n", "show Mycall"], EXACT, ["ask | Are you sure ?", "show| Mycall=K1ABC/3"]),
    ]


def clock_and_number(term):
    return term.step(["show Day", "show Hour", "show Minute", "show Mynumber"])


def recovery_after_a_kill(program, folder, failures):
    """A game dropped without quitting (the input just ends, as a kill would)
    leaves its recovery copy; the next start offers it and, on Yes, the game
    comes back as it stood. A clean quit leaves no copy."""
    copy = os.path.join(folder, "tovk-recovery.sav")
    term = Term(program, folder, 21)
    # A 30-minute timeout is kept in the recovery copy, as a logged contact is.
    check(failures, ["QRV", "Timeout", "y", "0 30"], LOOSE,
          [START_LINE, "ask | Are you sure?", "time| hours minutes"],
          term.step(["QRV", "Timeout", "y", "0 30"]))
    before = clock_and_number(term)
    term.finish([])
    if not os.path.exists(copy):
        failures.append("a game dropped after a timeout left no recovery copy")

    term = Term(program, folder, 22)
    check(failures, ["(start)", "y"], LOOSE,
          ["ask | Restore the game from the last session?", START_LINE], term.step(["y"]))
    check(failures, ["show the clock and number"], EXACT, before, clock_and_number(term))
    code, rest = term.finish(["QRT", "y"])
    check(failures, ["QRT", "y"], EXACT, ["ask | Are you sure ?"], rest)
    if code != 0 or os.path.exists(copy):
        failures.append("clean quit: exit code %d, recovery copy left: %s"
                        % (code, os.path.exists(copy)))

    # Nothing to offer after a clean quit.
    term = Term(program, folder, 23)
    check(failures, ["(start)", "show Hour"], EXACT, ["show| Hour=21"], term.step(["show Hour"]))
    term.finish([])


class Term:
    def __init__(self, program, folder, seed, options=(), env=None):
        # espeak-ng tells on standard error what it misses; the game's own
        # lines are all on standard output.
        self.process = subprocess.Popen(
            [program, "--dir", folder, "--seed", str(seed)] + list(options),
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1, env=env,
            stderr=subprocess.DEVNULL if env else None)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        self.marks = 0

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line.rstrip("\n"))
        self.lines.put(None)

    def type(self, lines):
        for line in lines:
            self.process.stdin.write(line + "\n")
        self.process.stdin.flush()

    def step(self, lines):
        """Types `lines` and returns what was printed in answer."""
        self.marks += 1
        mark = "mark-%d" % self.marks
        self.type(lines + [mark])
        printed = []
        while True:
            try:
                line = self.lines.get(timeout=20)
            except queue.Empty:
                raise AssertionError("no answer (output not flushed?) after %r; so far %r"
                                     % (lines, printed))
            if line is None:
                raise AssertionError("tovk-term ended during %r; printed %r" % (lines, printed))
            if line == "err | unknown command: " + mark:
                return printed
            printed.append(line)

    def finish(self, lines):
        """Types `lines`, closes the input and returns (exit code, the rest printed)."""
        self.type(lines)
        self.process.stdin.close()
        code = self.process.wait(timeout=20)
        rest = []
        while (line := self.lines.get(timeout=20)) is not None:
            rest.append(line)
        return code, rest


def matches(expected, line):
    if isinstance(expected, Prefix):
        return line.startswith(expected)
    if isinstance(expected, Tail):
        return line.startswith("log | ") and line.endswith(expected)
    return line == expected


def in_order(expected, printed):
    position = 0
    for line in printed:
        if position < len(expected) and matches(expected[position], line):
            position += 1
    return position == len(expected)


def check(failures, lines, how, expected, printed):
    ok = printed == expected if how == EXACT else in_order(expected, printed)
    if not ok:
        failures.append("typed %r\n  expected (%s) %r\n  printed %r" % (lines, how, expected, printed))


def game_over_file(saved, over):
    """A copy of the saved game `saved` with RESTORED_LOG in its logbook and
    the clock on day 22, past the end of the contest."""
    with open(saved, newline="") as text:
        lines = text.read().split("\r\n")
    log = lines.index("#Memo2") + 1
    lines[log:log] = RESTORED_LOG
    day = lines.index("# End of Memos") + 15  # the 15th value is the day
    lines[day] = "22"
    with open(over, "w", newline="") as text:
        text.write("\r\n".join(lines))


def file_lines(path):
    with open(path, newline="") as text:
        return text.read().splitlines()


def after_the_contest(program, folder, failures):
    """Restoring a game that is over ends the contest once: a practice history
    line and the summary; its log exports as Cabrillo and ADIF."""
    over = os.path.join(folder, "over.sav")
    game_over_file(os.path.join(folder, "game1.sav"), over)
    history = os.path.join(folder, "tovk-history.csv")
    # A recovery copy left by the runs above would be offered first.
    recovery = os.path.join(folder, "tovk-recovery.sav")
    if os.path.exists(recovery):
        os.remove(recovery)
    term = Term(program, folder, 10)
    check(failures, ["Restore", over], LOOSE,
          ["file| Restore game ?", "msg | Contest is over", Prefix("res | Contacts "),
           "res | Bands 80m 0  40m 1  20m 1  15m 0  10m 0", Prefix("res | Run ")],
          term.step(["Restore", over]))
    if not os.path.exists(history) or len(file_lines(history)) != 2:
        failures.append("the end of the contest did not add one practice history line")
    check(failures, ["results"], LOOSE, [Prefix("res | Contacts "), Prefix("res | Run ")],
          term.step(["results"]))
    mycall = term.step(["show Mycall"])[0][len("show| Mycall="):]

    check(failures, ["export cabrillo over.log"], EXACT, [EXPORTED[0] % "over.log", EXPORTED[1]],
          term.step(["export cabrillo over.log"]))
    log = file_lines(os.path.join(folder, "over.log"))
    header = ["CONTEST: ARRL-SS-SSB", "CALLSIGN: " + mycall, "CREATED-BY: Tovk 1.0"]
    if (log[:1] != ["START-OF-LOG: 3.0"] or log[-1:] != ["END-OF-LOG:"]
            or any(line not in log for line in header)
            or sum(line.startswith("QSO: ") for line in log) != 2):
        failures.append("Cabrillo export: header or QSO lines wrong: %r" % log)

    check(failures, ["export adif over.adi"], EXACT, [EXPORTED[0] % "over.adi", EXPORTED[1]],
          term.step(["export adif over.adi"]))
    with open(os.path.join(folder, "over.adi")) as adif:
        if adif.read().count("<EOR>") != 2:
            failures.append("ADIF export: not two records")
    check(failures, ["export cabrillo over.log", "n"], EXACT,
          ["ask | over.log exists, overwrite ?"], term.step(["export cabrillo over.log", "n"]))
    check(failures, ["export dbase x"], EXACT,
          ["err | export needs cabrillo or adif and a file name: export dbase x"],
          term.step(["export dbase x"]))
    term.finish([])


SOUND_STEP = ["set Noise 20", "set Filter off", "band 40"] + ["Call CQ"] * 12


def sound_files(program, folder, failures):
    """With --wav, each line another station says gets a WAV and a WebVTT file
    and a wav line right after it; other lines none. The same seed gives the
    same files; without speech data or with a folder that cannot be written
    the game goes on after one line saying so."""
    printed = {}
    for run in ("a", "b"):
        wav = os.path.join(folder, "wav-" + run)
        term = Term(program, folder, 31, ["--wav", wav])
        check(failures, ["set Filter 9", "set Noise 101"], EXACT,
              ["err | Filter must be 2.4, 2.7, 3.0 or off: set Filter 9",
               "err | Noise must be a whole number 0..100: set Noise 101"],
              term.step(["set Filter 9", "set Noise 101"]))
        printed[run] = term.step(SOUND_STEP)
        term.finish([])
    lines = printed["a"]
    expected_next = 1
    for i, line in enumerate(lines):
        following = lines[i + 1] if i + 1 < len(lines) else ""
        speech = line.startswith("in  | ") and line[6:].strip() and "***" not in line
        if speech != following.startswith("wav | "):
            failures.append("--wav: line %r followed by %r" % (line, following))
        if speech and following == "wav | %06d.wav" % expected_next:
            expected_next += 1
    names = sorted(os.listdir(os.path.join(folder, "wav-a")))
    wavs = [n for n in names if n.endswith(".wav")]
    if expected_next < 2 or len(wavs) != expected_next - 1 or len(names) != 2 * len(wavs):
        failures.append("--wav: files %r for %r" % (names, lines))
    for name in wavs:
        with open(os.path.join(folder, "wav-a", name), "rb") as f:
            if f.read(4) != b"RIFF":
                failures.append("--wav: %s is not a WAV file" % name)
        with open(os.path.join(folder, "wav-a", name[:-4] + ".vtt")) as f:
            if f.readline() != "WEBVTT\n":
                failures.append("--wav: %s has no WebVTT file beside it" % name)
        with open(os.path.join(folder, "wav-a", name), "rb") as a, \
                open(os.path.join(folder, "wav-b", name), "rb") as b:
            if a.read() != b.read():
                failures.append("--wav: the same seed gave another %s" % name)

    # Monitor on: the player's own transmissions are heard too, each with its file.
    term = Term(program, folder, 31, ["--wav", os.path.join(folder, "wav-own")])
    own = term.step(["set Monitor on", "band 40", "Call CQ", "Call CQ"])
    term.finish([])
    sent = [i for i, line in enumerate(own) if line.startswith("out | ")]
    if len(sent) != 2 or any(not own[i + 1].startswith("wav | ") for i in sent):
        failures.append("--wav with Monitor on: %r" % own)

    no_data = os.path.join(folder, "no-speech-data")
    os.makedirs(os.path.join(no_data, "espeak-ng-data"))
    term = Term(program, folder, 31, ["--wav", os.path.join(folder, "wav-c")],
                dict(os.environ, ESPEAK_DATA_PATH=no_data))
    quiet = term.step(SOUND_STEP)
    term.finish([])
    if not quiet or not quiet[0].startswith("msg | No sound: "):
        failures.append("--wav without speech data: %r" % quiet[:2])
    if [line for line in quiet if line.startswith("wav | ")] or quiet[1:] != lines_without_wav(lines):
        failures.append("--wav without speech data: the game did not go on as before")

    blocked = os.path.join(folder, "TOVK.SS", "wav")
    term = Term(program, folder, 31, ["--wav", blocked])
    unwritable = term.step(SOUND_STEP)
    term.finish([])
    errors = [line for line in unwritable if line.startswith("err | ")]
    if errors != ["err | Error writing file %s" % os.path.join(blocked, "000001.wav")] \
            or lines_without_wav(unwritable) != lines_without_wav(lines):
        failures.append("--wav into a folder that cannot be written: %r" % unwritable)


def lines_without_wav(lines):
    return [line for line in lines if not line.startswith(("wav | ", "err | "))]


def main():
    program = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "TOVK.SS"), "w") as stations:
            stations.write(STATION_LIST)
        recovery_after_a_kill(program, folder, failures)

    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "TOVK.SS"), "w") as stations:
            stations.write(STATION_LIST)
        sound_files(program, folder, failures)

    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "TOVK.SS"), "w") as stations:
            stations.write(STATION_LIST)
        settings = os.path.join(folder, "tovk.ini")

        term = Term(program, folder, 7)
        for lines, how, expected in first_session(folder):
            check(failures, lines, how, expected, term.step(lines))

        # Quit with Auto save on: the game is saved without a question, the
        # settings file is written, and nothing more is printed.
        term.step(["set AutoSave on"])
        code, rest = term.finish(["QRT", "y", "status"])
        check(failures, ["QRT", "y"], EXACT, ["ask | Are you sure ?"], rest)
        if code != 0:
            failures.append("QRT: exit code %d" % code)
        if not os.path.exists(settings):
            failures.append("QRT: the settings file was not written")

        # The next start reads the settings and restores the saved game.
        term = Term(program, folder, 8)
        check(failures, ["(start)", "show Mycall", "show AutoSave"], LOOSE,
              [START_LINE_ANY_TIME, "show| Mycall=K1ABC/3", "show| AutoSave=true"],
              term.step(["show Mycall", "show AutoSave"]))
        code, rest = term.finish([])
        if code != 0 or rest:
            failures.append("end of input: exit code %d, printed %r" % (code, rest))

        # The input ending while a question waits ends the program at once:
        # the quit flow does not go on to write the settings file.
        os.remove(settings)
        term = Term(program, folder, 9)
        code, rest = term.finish(["QRT"])
        check(failures, ["QRT", "(end of input)"], LOOSE, ["ask | Are you sure ?"], rest)
        if code != 0 or os.path.exists(settings):
            failures.append("end of input at a question: exit code %d, settings written: %s"
                            % (code, os.path.exists(settings)))

        after_the_contest(program, folder, failures)

    for failure in failures:
        print("FAILED:", failure)
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
