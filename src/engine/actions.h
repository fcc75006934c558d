// Every operating action of the contest, named for what it does on the air.
// The application layer runs these (src/app/), front-ends never call them
// directly; what the player sees comes back through the Screen.
#pragma once

#include <string>

#include "world/game.h"

namespace tovk {

// --- Running an action -----------------------------------------------------

// Runs one player action with the game marked busy, so that a timer tick that
// arrives meanwhile (a modal box keeps the event loop running) is skipped.
template <class Action>
void Perform(Game& g, Action&& action) {
  BusyScope scope(g);
  action();
}

// The front-end's 1000 ms timer fired: repeats the CQ when the Auto CQ timer
// is enabled and no other action is running; otherwise nothing happens.
void ClockTick(Game& g);

// --- Engine step, mishaps, no-response lines ----------------------------------

// The lines the incoming window shows when nobody answers.
enum class NoResponseKind {
  NoResponse,        // "*** No response"
  NothingHeard,      // "*** Nothing heard"
  NoResponseToCall,  // under Auto CQ with the call's number, else "*** No response"
  BlankLine,         // an empty line
};

void EngineStep(Game& g);
void NoResponse(Game& g, NoResponseKind kind);

// --- Operation start and end --------------------------------------------------
void GoOnTheAir(Game& g);  // "QRV", Game / Start
void StartOfOperation(Game& g);
void EndOfOperation(Game& g);

// --- Calling CQ, Auto CQ and tuning --------------------------------------------
void CallCq(Game& g);
void StartAutoCq(Game& g);
void RepeatCq(Game& g);  // one tick of the Auto CQ timer
void TuneBand(Game& g);
void TunedStationHeard(Game& g);

// --- Calling a station and station replies --------------------------------------
void CallStation(Game& g);
void StationReply(Game& g);
bool HeardByStation(Game& g);
bool PowerChance(Game& g);
void AnswerOtherStation(Game& g);

// --- Sending the exchange ------------------------------------------------------
// `sender` is one of the five send buttons: the whole message or one part.
void SendExchange(Game& g, Button sender);
void SendQsl(Game& g);
void AskForRepeat(Game& g);
void SendWorkedBefore(Game& g);

// --- Logging and checking the log ------------------------------------------------
void LogQso(Game& g);
void CheckLog(Game& g);

// --- Exchange entry fields -------------------------------------------------------
// The player typed: the field now holds `text` (letters become capitals) and
// what a change of that field means for the contact follows.
void TypeField(Game& g, Field field, const std::string& text);
// The program sets a field: as typing, and the screen is told.
void SetFieldText(Game& g, Field field, const std::string& text);
// A field's text changed: its part counts as copied; the callsign and
// section fields also become Hiscall and Hissection.
void FieldChanged(Game& g, Field field);
// The right mouse button in the incoming / outgoing window clears it.
void ClearIncoming(Game& g);
void ClearOutgoing(Game& g);

// --- Clearing the QSO and changing band -------------------------------------------
void ClearContact(Game& g);
// The band box now shows `band` (chosen by the player).
void SelectBand(Game& g, const std::string& band);
void BandBoxChanged(Game& g);

// --- New game and timeout ------------------------------------------------------------
void NewGame(Game& g);
void StartNewGame(Game& g);  // "New": asks first
void TakeTimeout(Game& g);

// --- Display refresh and the operating controls ---------------------------------------
void RefreshDisplay(Game& g);
void EnableOperatingControls(Game& g, bool enabled);
bool Confirm(Game& g, const std::string& question);
// The score as the status bar shows it: "1,234,567", "12,345", "998".
std::string FormatScore(int score);

// --- What the settings change in the game ------------------------------------------------
// The own callsign and check: a new callsign outside the third call area
// is operated portable there ("/3"), and a pool station that carries it is
// renamed.
void ChangeOwnStation(Game& g, const std::string& callsign, const std::string& check);
// The length of the next timeout (hours 0..60, minutes 0..59).
void SetTimeoutLength(Game& g, int hours, int minutes);
enum class Power { Low100, High1000 };
void ChoosePower(Game& g, Power power);
void ChooseSectionMapSide(Game& g, bool right);
void SetAutoDetect(Game& g, bool on);
void SetAutoClear(Game& g, bool on);
void SetAssist(Game& g, bool on);
void SetSilentMode(Game& g, bool on);
void SetDebug(Game& g, bool on);
// After a colour change: repaints the whole section map.
void RepaintSectionMap(Game& g);

}  // namespace tovk
