// Every operating action of the contest, by the name of the control and event
// that runs it. The front-ends call these and nothing else of the engine;
// what the player sees comes back through the Screen.
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

// The front-end's 1000 ms timer fired: runs Timer1Timer when Timer1 is
// enabled and no other action is running; otherwise nothing happens.
void Timer1Tick(Game& g);

// --- Engine step, mishaps, no-response lines ----------------------------------
void EngineStep(Game& g);
void NoResponse(Game& g, int kind);

// --- Operation start and end --------------------------------------------------
void SpeedButtonStartgameClick(Game& g);  // "QRV", Game / Start
void StartOfOperation(Game& g);
void EndOfOperation(Game& g);

// --- Calling CQ, Auto CQ and tuning --------------------------------------------
void ToolButtonCallCQClick(Game& g);
void ToolButtonAutoCQClick(Game& g);
void Timer1Timer(Game& g);
void ToolButtonTuneClick(Game& g);
void TunedStationHeard(Game& g);

// --- Calling a station and station replies --------------------------------------
void ToolButtonCallhimClick(Game& g);
void StationReply(Game& g);
bool HeardByStation(Game& g);
bool PowerChance(Game& g);
void AnswerOtherStation(Game& g);

// --- Sending the exchange ------------------------------------------------------
// `sender` is one of the five send buttons.
void ToolButtonSendClick(Game& g, Button sender);
void ToolButtonQSLClick(Game& g);
void ToolButtonRepeatClick(Game& g);
void ToolButtonDuplicateClick(Game& g);

// --- Logging and checking the log ------------------------------------------------
void ToolButtonLogClick(Game& g);
void ToolButtonchecklogClick(Game& g);

// --- Exchange entry fields -------------------------------------------------------
// The player typed: the field now holds `text` (letters become capitals) and
// its change handler runs when the text changed.
void TypeField(Game& g, Field field, const std::string& text);
// The program sets a field: as typing, and the screen is told.
void SetFieldText(Game& g, Field field, const std::string& text);
void EditnumberChange(Game& g);
void EditPrcChange(Game& g);
void EdithiscallChange(Game& g);
void EditcheckChange(Game& g);
void EditSectionChange(Game& g);
// Mouse press in the incoming / outgoing window: the right button clears it.
void Memo1MouseDown(Game& g, bool rightButton);
void Memo3MouseDown(Game& g, bool rightButton);

// --- Clearing the QSO and changing band -------------------------------------------
void ToolButtonClearQSOClick(Game& g);
// The band box now shows `band` (chosen by the player).
void SelectBand(Game& g, const std::string& band);
void ComboBoxbandChange(Game& g);

// --- New game and timeout ------------------------------------------------------------
void NewGame(Game& g);
void ToolButtonnewClick(Game& g);
void ToolButtontimeoutClick(Game& g);

// --- Display refresh and the operating controls ---------------------------------------
void RefreshDisplay(Game& g);
void EnableOperatingControls(Game& g, bool enabled);
bool Confirm(Game& g, const std::string& question);
// The score as the status bar shows it: "1,234,567", "12,345", "998".
std::string FormatScore(int score);

// --- What the settings dialog applies ----------------------------------------------------
struct SettingsOk {
  std::string callsign;  // text of the callsign box
  std::string check;     // text of the check box
  int hours = 2;         // spin boxes of the "Time out" page
  int minutes = 30;
};
void BitBtn1Click(Game& g, const SettingsOk& ok);  // the dialog's OK
void RadioGroup1Click(Game& g, int item);          // power: 0 "100", 1 "1000"
void RadioGroup2Click(Game& g, int item);          // section map: 0 left, 1 right
void CheckBoxAutodetectClick(Game& g, bool checked);
void CheckBoxAutoclearClick(Game& g, bool checked);
void CheckBoxassistClick(Game& g, bool checked);
void CheckBoxsilentmodeClick(Game& g, bool checked);
void CheckBox1Click(Game& g, bool checked);  // Debug
// The colour labels: repaints the whole section map after a colour change.
void RepaintSectionMap(Game& g);

}  // namespace tovk
