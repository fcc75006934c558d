// The log check of the contacts copied by ear, as a contest's log checkers
// report it: the contacts correct, each busted callsign and each wrong
// number, precedence, check or section with the right value, the copying
// accuracy, and the score with only correct contacts counted beside the
// score claimed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "world/game.h"

namespace tovk {

// One part of one contact logged other than it was sent.
struct CopyMistake {
  int serial = 0;  // the player's serial number of the contact
  Part part = Part::Call;
  std::string logged;
  std::string right;
  friend bool operator==(const CopyMistake&, const CopyMistake&) = default;
};

struct LogCheck {
  int checked = 0;                    // contacts copied by ear
  int correct = 0;                    // of those, every part right
  std::vector<CopyMistake> mistakes;  // in the order of the log, parts in exchange order
  int accuracy = 0;                   // percent of the parts copied right
  int claimedScore = 0;
  // Contacts without a mistake (those not copied by ear as logged) times
  // their sections, twice, as the score goes.
  int checkedScore = 0;
};

LogCheck CheckLogCopiedByEar(const Game& g);

// The check as lines of text, for every front-end alike; none when no
// contact was copied by ear.
std::vector<std::string> LogCheckLines(const LogCheck& check);

// The accuracy and checked score the practice history keeps; none without
// a contact copied by ear.
std::optional<int> HistoryAccuracy(const LogCheck& check);
std::optional<int> HistoryCheckedScore(const LogCheck& check);

}  // namespace tovk
