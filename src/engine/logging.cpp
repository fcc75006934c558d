// The logbook: logging the contact in hand after its three tests (exchange
// sent, not a duplicate, every part copied), scoring it, the next caller, and
// the questions "Check log" answers.
#include "engine/actions.h"

#include <string>

#include "engine/station_in_hand.h"
#include "engine/typed_exchange.h"
#include "world/clock.h"
#include "world/section_map.h"
#include "world/sections.h"
#include "world/station_pool.h"
#include "world/text.h"

namespace tovk {
namespace {

// "Data incomplete, you still need the " and the missing parts, without the
// last comma. A blank callsign or section is missing too: no contact is
// logged without them.
template <class Copied>
std::string IncompleteDataMessage(Copied copied) {
  std::string text = "Data incomplete, you still need the ";
  if (!copied(Part::Number)) text += " Number,";
  if (!copied(Part::Precedence)) text += " Precedence, ";
  if (!copied(Part::Call)) text += " Call, ";
  if (!copied(Part::Check)) text += " Check, ";
  if (!copied(Part::Section)) text += " Section,";
  auto comma = text.rfind(',');
  if (comma != std::string::npos) text.erase(comma, 1);
  return text;
}

// `text` filled with blanks on the right, or cut, to exactly `width` characters.
std::string Column(const std::string& text, std::size_t width) {
  return CutToCharacters(text + std::string(width, ' '), width);
}

// Date, time, then nine bar-separated columns of fixed width. The callsign
// and section columns are filled to their full width, so a short callsign
// ("K1A") or a one-letter section typed by the player keeps the columns in
// line with the heading. `number` comes padded to its column.
std::string LogLine(const GameState& s, const std::string& number, const ExchangeText& logged) {
  return "1977/11/" + s.DayText + "|" + s.HourText + ":" + s.MinuteText + "|" +
         Column(logged.call, 10) + "| " + s.Band + "| " + number + "| " + logged.prec + " | " +
         logged.check + "| " + Column(logged.section, 4) + "| " + s.MynumberText;
}

// The log takes the station's own number, precedence and check and the
// callsign and section as typed.
ExchangeText StationLogged(const GameState& s) {
  return {s.Hisnumber.str(), s.Hisprec.str(), s.Hiscall.str(), s.Hischeck.str(),
          s.Hissection.str()};
}

// The station's section becomes worked; a section worked before is not
// counted again. A station without a section credits none.
void CreditSection(Game& g) {
  auto section = SectionOfStationInHand(g);
  if (!section || g.SectionStatus[*section] == SectionState::Worked) return;
  ++g.SectionsWorked;
  g.SectionStatus[*section] = SectionState::Worked;
  UpdateAreaCompletion(g);
  UpdateSectionDisplay(g, *section);
}

// Right after a contact, the next station may call at once: often while the
// player is running (the contact still in hand), now and then otherwise.
void NextCaller(Game& g) {
  bool running = g.StationState == ssCQSent || g.StationState == ssCalledMe;
  bool calls = running && g.Draw(10) < g.Activity;
  if (!calls) calls = g.Draw(10) < 2;
  if (!calls) return;
  SelectStation(g, true);
  if (!g.StationHeard) {
    NoResponse(g, NoResponseKind::BlankLine);
    return;
  }
  MakeExchange(g);
  StationReply(g);
}

void LogContact(Game& g) {
  g.DayText = std::to_string(g.Day);
  g.MynumberText = PadLeft(std::to_string(g.Mynumber), 4, ' ');
  if (g.Sound.copyByEar) {
    // Copied by ear, the log holds what the player typed, and the station's
    // real exchange is kept beside it.
    const ExchangeText typed = TypedExchange(g);
    g.AppendLine(MemoId::Log, LogLine(g, PadLeft(typed.number, 4, ' '), typed));
    g.EarCopied.push_back({g.Mynumber, typed, g.StationSent});
  } else {
    const ExchangeText logged = StationLogged(g);
    g.AppendLine(MemoId::Log, LogLine(g, logged.number, logged));
  }
  g.screen.ContactEnded();
  ++g.Mynumber;
  g.SetQsoNumber(std::to_string(g.Mynumber));
  CreditSection(g);
  if (InPool(g.StationIndex)) {
    g.StationBand[g.StationIndex] = g.Band.str();
    g.StationWorked[g.StationIndex] = StationLogState::Worked;
  }
  g.ExchangeSent = false;
  ++g.checkpoints;  // a logged contact is kept in the recovery copy
  if (g.AutoClear) ClearContact(g);
  NextCaller(g);
  EngineStep(g);
  UpdateAreaDisplay(g);
}

// "Check log" on a copied section; a station without a section gets no answer.
void ReportSection(Game& g) {
  auto section = SectionOfStationInHand(g);
  if (!section) return;
  if (g.SectionStatus[*section] == SectionState::Worked) {
    g.ShowMessage(g.Hissection + " has been Worked");
    return;
  }
  g.ShowMessage(g.Hissection + " is Needed");
}

}  // namespace

void LogQso(Game& g) {
  if (!g.ExchangeSent) {
    g.AppendLine(MemoId::Incoming, "RPT?");
    g.ShowMessage("Send the Contest Exchange first!");
    ++g.ErrorCount;
    EngineStep(g);
    return;
  }
  if (StationInHandWorked(g)) {
    g.ShowMessage("Duplicate! " + g.Hiscall + " was worked on " + BandOfStationInHand(g));
    ++g.DupeCount;
    EngineStep(g);
    return;
  }
  const bool complete = g.Sound.copyByEar ? EveryFieldCopied(g) : EveryPartReceived(g);
  if (!complete) {
    ++g.ErrorCount;
    g.TempText = g.Sound.copyByEar
                     ? IncompleteDataMessage([&](Part part) { return FieldCopied(g, part); })
                     : IncompleteDataMessage([&](Part part) { return PartCopied(g, part); });
    g.ShowMessage(g.TempText);
    EngineStep(g);
    return;
  }
  LogContact(g);
}

void CheckLog(Game& g) {
  bool callCopied = g.PartReceived[Part::Call];
  bool sectionCopied = g.PartReceived[Part::Section];
  if (!callCopied && !sectionCopied) {
    g.ShowMessage("Check What?");
    AdvanceClock(g, 2, true);
  } else if (callCopied && StationInHandWorked(g)) {
    // A worked callsign is the answer that matters, whatever its section.
    g.ShowMessage(g.Hiscall + " Worked on " + BandOfStationInHand(g));
    AdvanceClock(g, 5, true);
  } else {
    AdvanceClock(g, 5, true);
    if (sectionCopied) {
      ReportSection(g);
    } else {
      g.ShowMessage(g.Hiscall + " Not yet worked");
    }
  }
  EngineStep(g);
}

}  // namespace tovk
