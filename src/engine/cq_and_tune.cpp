// Looking for contacts: calling CQ by hand or automatically, and tuning the
// band onto a contest station, a phone-patch seeker, a broadcast or silence.
#include "engine/actions.h"

#include <array>
#include <string>

#include "engine/station_in_hand.h"
#include "world/clock.h"
#include "world/sections.h"
#include "world/station_pool.h"

namespace tovk {
namespace {

constexpr const char* kLetters = "QWERTYUIOPASDFGHJKLZXCVBNM";
constexpr std::array<const char*, 4> kPatchCities = {"MIAMI", "LOS ANGELES", "WASHINGTON DC",
                                                     "NEW YORK"};
constexpr std::array<const char*, 4> kBroadcasters = {"RADIO MOSCOW", "RADIO PEKING",
                                                      "RADIO ALBANIA", "THE BBC"};

void StartOperatingUnderAssist(Game& g) {
  if (!g.Operating && g.Assist) GoOnTheAir(g);
}

// The band's answer to a CQ: busy, silence, or a station from the pool.
void AnswerCQ(Game& g) {
  if (g.Draw(10) == 0) {
    g.AppendLine(MemoId::Incoming, "FREQUENCY IS IN USE OM");
    return;
  }
  if (g.Draw(10) == 0) {
    NoResponse(g, NoResponseKind::NoResponseToCall);
    return;
  }
  // 40 m is crowded by evening: fewer answers from 20:00 to midnight.
  if (g.Band == "40" && g.Hour >= 20 && g.Draw(10) >= 6) {
    NoResponse(g, NoResponseKind::NoResponseToCall);
    return;
  }
  SelectStation(g, true);
  if (!g.StationHeard) {
    NoResponse(g, NoResponseKind::NoResponseToCall);
    return;
  }
  MakeExchange(g);
  StationReply(g);
}

// A non-contest station on 10, 15 or 20 m asking for a phone patch.
void HearPhonePatch(Game& g) {
  std::string call = g.Draw(10) >= 5 ? "HK3" : "YV4";
  for (int i = 0; i < 3; ++i) call += kLetters[g.Draw(25)];
  std::string city = kPatchCities[g.Draw(4)];
  g.AppendLine(MemoId::Incoming, "CQ CQ CQ DE " + call);
  g.AppendLine(MemoId::Incoming, "THIS IS " + call + " LOOKING FOR A PHONE PATCH INTO " + city);
}

// A broadcast station in the 40 m band at night.
void HearBroadcast(Game& g) {
  std::string opening = g.Draw(10) >= 5 ? "THIS IS " : "YOU ARE LISTENING TO ";
  g.AppendLine(MemoId::Incoming, opening + kBroadcasters[g.Draw(4)]);
  if (g.Draw(10) < 2) {
    g.AppendLine(MemoId::Incoming, "THIS IS RADIO NEWSREEL");
    return;
  }
  if (g.Draw(10) >= 5) {
    g.AppendLine(MemoId::Incoming, "A NEWS BROADCAST FOLLOWS");
    return;
  }
  if (g.Draw(10) < 5) {
    g.AppendLine(MemoId::Incoming, "YOU HAVE BEEN LISTENING TO A COMMENTARY ON THE NEWS");
  }
}

void AppendRepeated(Game& g, const std::string& line) {
  int times = 2 + g.Draw(2);
  for (int i = 0; i < times; ++i) g.AppendLine(MemoId::Incoming, line);
}

}  // namespace

void CallCq(Game& g) {
  g.StationState = ssCQSent;
  g.CallAttempts = 0;
  g.ShowNotebookPage(NotebookPage::Qso);
  ClearContact(g);
  StartOperatingUnderAssist(g);
  for (int i = 0; i < 3; ++i) AdvanceClock(g, 4, true);
  g.AppendLine(MemoId::Outgoing, g.CQText);
  AnswerCQ(g);
  EngineStep(g);
}

void StartAutoCq(Game& g) {
  g.AutoCQ = true;
  g.AutoCQCount = 1;
  g.SetAutoCqTimer(true);
  CallCq(g);
}

void RepeatCq(Game& g) {
  // Something is in hand (a station answered): the repetition ends.
  if (g.StationState != ssNone) {
    g.SetAutoCqTimer(false);
    g.AutoCQ = false;
    return;
  }
  ++g.AutoCQCount;
  EngineStep(g);
  CallCq(g);
}

void TuneBand(Game& g) {
  g.SetAutoCqTimer(false);
  ClearContact(g);
  g.ShowNotebookPage(NotebookPage::Qso);
  g.CallAttempts = 0;
  StartOperatingUnderAssist(g);
  bool patchBand = g.Band == "10" || g.Band == "15" || g.Band == "20";
  if (patchBand && g.Hour > 16 && g.Draw(10) == 0) {
    HearPhonePatch(g);
    EngineStep(g);
    return;
  }
  bool broadcast = g.Draw(10) >= 6;
  if (broadcast && g.Band == "40" && (g.Hour >= 20 || g.Hour < 6)) {
    HearBroadcast(g);
    EngineStep(g);
    return;
  }
  AdvanceClock(g, 4 + g.Draw(26), true);
  SelectStation(g, true);
  if (g.StationHeard) {
    MakeExchange(g);
    TunedStationHeard(g);
  } else {
    NoResponse(g, NoResponseKind::NothingHeard);
  }
  EngineStep(g);
}

void TunedStationHeard(Game& g) {
  switch (g.Draw(7)) {
    case 0:
      g.StationState = ssHeardQRZ;
      g.AppendLine(MemoId::Incoming, " QRZ DE " + g.Hiscall);
      g.PartReceived[Part::Call] = true;
      AutoFillSectionFromPrefix(g);
      break;
    case 1:
      g.StationState = ssHeardQRZ;
      g.AppendLine(MemoId::Incoming, " QRZ SS DE " + g.Hiscall);
      g.PartReceived[Part::Call] = true;
      AutoFillSectionFromPrefix(g);
      break;
    case 2:
      g.StationState = ssHeardSection;
      ChooseOtherCall(g);
      g.AppendLine(MemoId::Incoming, g.OtherCall + " DE  #@$ %&* " + g.Hissection);
      g.PartReceived[Part::Section] = true;
      g.PartReceived[Part::Call] = false;
      break;
    case 3:
      g.StationState = ssQSOInProgress;
      ChooseOtherCall(g);
      g.AppendLine(MemoId::Incoming, g.OtherCall + " DE " + g.Hiscall);
      g.PartReceived[Part::Call] = true;
      AutoFillSectionFromPrefix(g);
      break;
    case 4:
      g.StationState = ssHeardCQ;
      AppendRepeated(g, "CQ CQ CQ DE " + g.Hiscall);
      g.PartReceived[Part::Call] = true;
      AutoFillSectionFromPrefix(g);
      break;
    case 5:
      g.StationState = ssQSOInProgress;
      ChooseOtherCall(g);
      g.AppendLine(MemoId::Incoming, g.OtherCall + " DE " + g.Hiscall + " #@$%&* " + g.Hissection);
      g.PartReceived[Part::Section] = true;
      g.PartReceived[Part::Call] = true;
      break;
    default:
      g.StationState = ssHeardCQ;
      AppendRepeated(g, "Tovk DE " + g.Hiscall);
      g.PartReceived[Part::Call] = true;
      AutoFillSectionFromPrefix(g);
      break;
  }
  if (!AutoDetecting(g)) return;
  if (g.PartReceived[Part::Section]) {
    SetFieldText(g, Field::Section, g.Hissection);
    MarkSectionHeard(g);
  }
  if (g.PartReceived[Part::Call]) SetFieldText(g, Field::Call, g.Hiscall);
}

}  // namespace tovk
