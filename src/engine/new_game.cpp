// The new-game reset back to the start of the contest, and the "New" button.
#include "engine/actions.h"
#include "world/section_map.h"
#include "world/station_pool.h"

namespace tovk {
namespace {

void ResetContestCounters(GameState& s) {
  s.Operating = false;
  s.SectionsWorked = 0;
  s.OpHours = 0;
  s.OpMinutes = 0;
  s.Hour = 21;
  s.Minute = 0;
  s.Second = 0;
  s.ElapsedMinutes = 0;
  s.Day = 18;
  s.CallAttempts = 0;
  s.DayText = std::to_string(s.Day);
  s.Mynumber = 1;
  s.DupeCount = 0;
  s.ErrorCount = 0;
  s.EarCopied.clear();
}

void EmptyStationPool(GameState& s) {
  for (int i = 0; i < kPoolCapacity; ++i) {
    s.StationCall[i] = "";
    s.StationSection[i] = kNoSection;
    s.StationWorked[i] = StationLogState::NotWorked;
    s.StationBand[i] = "99";
  }
}

}  // namespace

void NewGame(Game& g) {
  // The recovery copy follows: a game given up for a new one is not offered back.
  ++g.checkpoints;
  g.ClearMemo(MemoId::Incoming);
  g.ClearMemo(MemoId::Log);
  g.ClearMemo(MemoId::Outgoing);

  ResetContestCounters(g);
  g.contestEndHandled = false;
  g.contestEndPending = false;
  g.AreaComplete.fill(false);
  for (int section = 0; section <= kSectionCount; ++section) {
    g.SectionStatus[section] = SectionState::Needed;
    UpdateSectionDisplay(g, section);
  }
  EmptyStationPool(g);
  // Every part but the sign-off (slot 7), which the contact's clear resets.
  for (int slot = 0; slot < kPartSlots - 1; ++slot) {
    g.PartReceived.entries()[slot] = false;
    g.PartText.entries()[slot] = "";
  }
  ClearContact(g);

  // Without a station list, or with one that cannot be read, the game goes
  // on with what it has: the band box and StationMax stay as they were.
  if (LoadStationPool(g) != PoolLoad::Loaded) return;

  // Band first, so a band box that reports the change finds nothing to do.
  g.Band = "40";
  g.SetBandBox("40");
  g.SetQsoNumber(std::to_string(g.Mynumber));
  UpdateAreaDisplay(g);
  g.ExchangeSent = false;
}

void StartNewGame(Game& g) {
  if (!Confirm(g, "Are you sure ?")) return;
  NewGame(g);
  EnableOperatingControls(g, g.Assist);
  EngineStep(g);
}

}  // namespace tovk
