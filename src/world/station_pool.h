// The pool of simulated stations: loading the station list, choosing a
// station and judging by propagation whether it is heard, and making its
// exchange.
#pragma once

#include <istream>
#include <string>

#include "world/game.h"

namespace tovk {

// Outcome of reading a station list.
enum class PoolLoad { Loaded, Missing, Failed };

// Loads the pool from a station list stream (format: "#" comment lines,
// "CALL, section" lines). On a failing line shows "Error reading file " +
// StationFile + " in line " + n and returns Failed; the entries read so far
// stay and StationMax is not updated.
PoolLoad LoadStationPool(Game& g, std::istream& in);

// Loads the pool from StationFile in the program's folder; Missing (and no
// message) when the file does not exist.
PoolLoad LoadStationPool(Game& g);

// The propagation group 1..15 of a section index 0..74; 0 for any other.
int PropagationGroup(int section);

// The path of a section on Band at Hour (and, on 10 m, TenMetreZone), without
// a draw: 'A' always heard, '4' 4 in 10, '1' 1 in 10, 'h' 46 in 100, 's' 64
// in 100, '.' never (also for a section or band outside the table).
char PropagationCode(const GameState& g, int section);

// Chooses StationIndex (a new one when repick) and sets StationHeard by the
// propagation table for Band and Hour.
void SelectStation(Game& g, bool repick);

// Makes the chosen station's Hiscall, Hisprec, Hisnumber, Hissection, Hischeck.
void MakeExchange(Game& g);

// Removes leading and trailing blanks and control characters, then puts
// `fill` in front until the text is at least `width` characters long.
std::string PadLeft(const std::string& text, int width, char fill);

// The check a callsign sends: the sum of its last three character codes,
// brought below 77 by steps of 43 (47 when below 17); "68" for W3/Q3CCC.
std::string CheckOfCallsign(const std::string& call);

// "A" or "B" by the callsign's last letter.
std::string PrecedenceOfCallsign(const std::string& call);

}  // namespace tovk
