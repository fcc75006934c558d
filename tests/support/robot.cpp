// The robot operator's choices: what a sensible contest operator presses
// next, given what the game shows.
#include "support/robot.h"

#include <array>
#include <utility>

#include "engine/actions.h"
#include "world/clock.h"

namespace tovk::testing {
namespace {

constexpr std::array<const char*, 5> kBands = {"80", "40", "20", "15", "10"};
constexpr std::array<Button, 4> kPartButtons = {Button::SendNumber, Button::SendPrecedence,
                                                Button::SendCheck, Button::SendSection};

// Patience of the robot with one contact.
constexpr int kMaxCalls = 8;
constexpr int kMaxRepeats = 10;
constexpr int kMaxSends = 8;
constexpr int kMaxDupeNotices = 5;

bool ExchangeCopied(const GameState& s) {
  return s.PartReceived[Part::Number] && s.PartReceived[Part::Precedence] &&
         s.PartReceived[Part::Call] && s.PartReceived[Part::Check] && s.PartReceived[Part::Section];
}

template <class Action>
void Press(Game& g, Action&& action) {
  Perform(g, std::forward<Action>(action));
}

}  // namespace

RobotOptions OptionsForSeed(std::uint64_t seed) {
  RobotOptions options;
  options.highPower = seed % 2 == 0;
  options.autoClear = seed % 3 != 0;
  options.autoDetect = seed % 5 != 0;
  options.assist = seed % 7 != 0;
  return options;
}

void StartRobotContest(Game& g, const std::filesystem::path& stationFolder,
                       const RobotOptions& options) {
  g.folder = stationFolder;
  ChoosePower(g, options.highPower ? Power::High1000 : Power::Low100);
  g.CQText = "Tovk de " + g.Mycall + " SS";
  SetAutoClear(g, options.autoClear);
  SetAutoDetect(g, options.autoDetect);
  SetAssist(g, options.assist);
  Press(g, [&] { StartNewGame(g); });
}

Robot::Robot(Game& game, RobotScreen& screen, std::uint64_t seed)
    : g_(game), screen_(screen), random_(seed * 7919 + 17) {
  screen_.settingsDialog = [this](SettingsPage page) {
    if (page != SettingsPage::TimeOut) return;
    SetTimeoutLength(g_, 0, 30);
  };
}

bool Robot::Done() const {
  return ContestIsOver(g_);
}

void Robot::ForgetContact() {
  calls_ = 0;
  repeats_ = 0;
  sends_ = 0;
  dupeNotices_ = 0;
  checked_ = false;
  dupe_ = false;
  qslSent_ = false;
}

const char* Robot::Step() {
  if (Done()) return "contest over";
  ++tally_.actions;
  if (g_.autoCqTimer) {
    ++tally_.autoCqTicks;
    ClockTick(g_);
    return "Auto CQ tick";
  }
  if (!g_.IsEnabled(Button::CallCq) || !g_.Operating) {
    Press(g_, [&] { GoOnTheAir(g_); });
    return "QRV";
  }
  switch (g_.StationState) {
    case ssNone:
    case ssCQSent:
      if (const char* done = Housekeeping()) return done;
      return LookForContacts();
    case ssCalledMe:
      return WorkContact();
    default:
      return CallStationHeard();
  }
}

// Between contacts, now and then: a timeout, another band, clean windows.
const char* Robot::Housekeeping() {
  int roll = Choose(4000);
  if (roll < 2) {
    ++tally_.timeouts;
    Press(g_, [&] { TakeTimeout(g_); });
    return "Timeout";
  }
  if (roll < 10) {
    const char* band = kBands[Choose(static_cast<int>(kBands.size()))];
    if (g_.Band == band) return nullptr;
    ++tally_.bandChanges;
    Press(g_, [&] { SelectBand(g_, band); });
    return "band";
  }
  if (roll < 18) {
    Press(g_, [&] {
      ClearIncoming(g_);
      ClearOutgoing(g_);
    });
    return "clear windows";
  }
  return nullptr;
}

const char* Robot::LookForContacts() {
  ForgetContact();
  int roll = Choose(100);
  if (roll < 75) {
    ++tally_.cqs;
    Press(g_, [&] { CallCq(g_); });
    return "Call CQ";
  }
  if (roll < 97) {
    ++tally_.tunes;
    Press(g_, [&] { TuneBand(g_); });
    return "Tune band";
  }
  ++tally_.cqs;
  Press(g_, [&] { StartAutoCq(g_); });
  return "Auto CQ";
}

// A station heard calling CQ, asking QRZ or working somebody else: call it
// a few times, then move on.
const char* Robot::CallStationHeard() {
  if (calls_ >= kMaxCalls) {
    ++tally_.abandoned;
    ForgetContact();
    ++tally_.tunes;
    Press(g_, [&] { TuneBand(g_); });
    return "Tune band";
  }
  ++calls_;
  ++tally_.calls;
  Press(g_, [&] { CallStation(g_); });
  return "Call him";
}

// A station has answered: check it is no dupe, get every part, send, QSL, log.
const char* Robot::WorkContact() {
  auto abandon = [&] {
    ++tally_.abandoned;
    ForgetContact();
    Press(g_, [&] { ClearContact(g_); });
    return "Clr Xchg";
  };
  if (g_.PartReceived[Part::Call] && !checked_) {
    checked_ = true;
    screen_.lastMessage.clear();
    Press(g_, [&] { CheckLog(g_); });
    dupe_ = screen_.lastMessage.find(" Worked on ") != std::string::npos;
    if (dupe_) ++tally_.dupesNoticed;
    return "Check log";
  }
  if (dupe_) {
    if (++dupeNotices_ > kMaxDupeNotices) return abandon();
    Press(g_, [&] { SendWorkedBefore(g_); });
    if (g_.StationState == ssNone) ForgetContact();
    return "Send Dup";
  }
  if (!ExchangeCopied(g_)) {
    if (repeats_ >= kMaxRepeats) return abandon();
    ++repeats_;
    ++tally_.repeats;
    Press(g_, [&] { AskForRepeat(g_); });
    return "Repeat";
  }
  if (!g_.ExchangeSent) {
    if (sends_ >= kMaxSends) return abandon();
    ++sends_;
    ++tally_.sends;
    // Mostly the whole exchange; now and then only the part asked for.
    Button sender = Choose(10) == 0 ? kPartButtons[Choose(4)] : Button::SendMessage;
    Press(g_, [&] { SendExchange(g_, sender); });
    return "Send";
  }
  if (!qslSent_) {
    qslSent_ = true;
    Press(g_, [&] { SendQsl(g_); });
    return "Send QSL";
  }
  ++tally_.logAttempts;
  int before = g_.Mynumber;
  Press(g_, [&] { LogQso(g_); });
  // A refused log (a mishap may have cleared the contact meanwhile) is not
  // tried again: the contact is given up.
  if (g_.Mynumber == before) return abandon();
  ForgetContact();
  return "Log QSO";
}

}  // namespace tovk::testing
