// The command table, the key table and the lookups over them.
#include "app/commands.h"

#include <algorithm>
#include <array>

#include "app/export_log.h"
#include "app/game_files.h"
#include "app/session.h"
#include "engine/actions.h"
#include "engine/next_step.h"
#include "persist/log_lines.h"
#include "world/section_map.h"

namespace tovk {
namespace {

using Input = const CommandInput&;

// A command that runs one engine action on the game.
template <void (*Action)(Game&)>
void OnGame(Session& s, Input) {
  Action(s.game());
}

// One of the five send buttons.
template <Button Sender>
void Send(Session& s, Input) {
  SendExchange(s.game(), Sender);
}

template <HelpTopic Topic>
void ShowHelp(Session& s, Input) {
  s.frontEnd().ShowHelp(Topic);
}

void Quit(Session& s, Input) {
  s.Quit();
}

constexpr auto R = ButtonGroup::Radio;
constexpr auto M = ButtonGroup::Macro;
constexpr auto D = ButtonGroup::Data;
constexpr auto X = ButtonGroup::Misc;

const std::array<CommandRow, 43> kCommands{{
    // command, name, caption, hint, group, column, row, picture, menu, menu caption, place,
    // tovk-term's words, function
    {Command::CallCq, "CallCq", "Call CQ", "Call CQ", R, 0, 0, "callcq", Menu::None, nullptr, 0,
     "call cq", OnGame<CallCq>},
    {Command::TuneBand, "TuneBand", "Tune band", "Tune around the band", R, 0, 1, "tune",
     Menu::None, nullptr, 0, "tune band", OnGame<TuneBand>},
    {Command::AutoCq, "AutoCq", "Auto CQ", "Turn on the automatic CQ caller", R, 0, 2, "autocq",
     Menu::None, nullptr, 0, "auto cq", OnGame<StartAutoCq>},
    {Command::CallStation, "CallStation", "QRZ", "Call the station heard", M, 0, 0, "callhim",
     Menu::None, nullptr, 0, "call", OnGame<CallStation>},
    {Command::SendNumber, "SendNumber", "Send Nr", "Transmit the contact number", M, 0, 1,
     "sendnumber", Menu::None, nullptr, 0, "send nr", Send<Button::SendNumber>},
    {Command::SendPrecedence, "SendPrecedence", "Send Prec", "Transmit the Precedence", M, 0, 2,
     "sendprec", Menu::None, nullptr, 0, "send prec", Send<Button::SendPrecedence>},
    {Command::SendMessage, "SendMessage", "Send Msg",
     "Transmit the entire contest exchange message", M, 1, 0, "send", Menu::None, nullptr, 0,
     "send msg", Send<Button::SendMessage>},
    {Command::SendCheck, "SendCheck", "Send Chck", "Transmit the Check", M, 1, 1, "sendcheck",
     Menu::None, nullptr, 0, "send chck", Send<Button::SendCheck>},
    {Command::SendSection, "SendSection", "Send Sct", "Transmit the Section", M, 1, 2,
     "sendsection", Menu::None, nullptr, 0, "send sct", Send<Button::SendSection>},
    {Command::SendQsl, "SendQsl", "Send QSL", "QSL receipt of the incoming message", M, 2, 0, "qsl",
     Menu::None, nullptr, 0, "send qsl", OnGame<SendQsl>},
    {Command::Repeat, "Repeat", "Repeat", "Ask for a  repeat of the contest exchange", M, 2, 1,
     "repeat", Menu::None, nullptr, 0, "repeat", OnGame<AskForRepeat>},
    {Command::SendDuplicate, "SendDuplicate", "Send Dup",
     "Tell the other station that you have worked before", M, 2, 2, "duplicate", Menu::None,
     nullptr, 0, "send dup", OnGame<SendWorkedBefore>},
    {Command::LogQso, "LogQso", "Log QSO", "Enter the contact into the logbook", D, 0, 0, "log",
     Menu::None, nullptr, 0, "log qso", OnGame<LogQso>},
    {Command::CheckLog, "CheckLog", "Check log",
     "Check the log to see if the call or section has been worked", D, 0, 1, "checklog",
     Menu::None, nullptr, 0, "check log", OnGame<CheckLog>},
    {Command::ClearContact, "ClearContact", "Clr Xchg",
     "Clear the data out of the QSO Exchange panel", D, 0, 2, "clearqso", Menu::None, nullptr, 0,
     "clr xchg", OnGame<ClearContact>},
    {Command::Qrt, "Qrt", "QRT", "Shut down the program", X, 0, 0, "qrt", Menu::Bar, "Exit", 0,
     "qrt", Quit},
    {Command::Timeout, "Timeout", "Timeout", "Take a timeout", X, 0, 1, "timeout", Menu::None,
     nullptr, 0, "timeout", OnGame<TakeTimeout>},
    {Command::Qrv, "Qrv", "QRV", "Start the program", X, 0, 2, "qrv", Menu::Game, "Start", 0,
     "qrv", OnGame<GoOnTheAir>},
    {Command::NewGame, "NewGame", "New", "Start a new game", X, 1, 0, "new", Menu::Game, "New", 20,
     "new", OnGame<StartNewGame>},
    {Command::SaveGame, "SaveGame", "Save", "Save the state of the game", X, 1, 1, "save",
     Menu::Game, "Save", 10, "save", OnGame<SaveGame>},
    {Command::RestoreGame, "RestoreGame", "Restore", "Restore a saved game", X, 1, 2, "restore",
     Menu::Game, "Restore", 11, "restore", OnGame<RestoreGame>},

    {Command::ExportCabrillo, "ExportCabrillo", "Export Cabrillo...",
     "Write the log as a Cabrillo file", std::nullopt, 0, 0, nullptr, Menu::Game,
     "Export Cabrillo...", 30, nullptr,
     [](Session& s, Input in) { s.Export(LogFormat::Cabrillo, in.file); }},
    {Command::ExportAdif, "ExportAdif", "Export ADIF...", "Write the log as an ADIF file",
     std::nullopt, 0, 0, nullptr, Menu::Game, "Export ADIF...", 31, nullptr,
     [](Session& s, Input in) { s.Export(LogFormat::Adif, in.file); }},
    {Command::Results, "Results", "Results...", "The results of the contest so far", std::nullopt,
     0, 0, nullptr, Menu::Game, "Results...", 32, "results",
     [](Session& s, Input) { s.ShowResults(); }},
    {Command::Settings, "Settings", "Settings", "Change the settings", std::nullopt, 0, 0, nullptr,
     Menu::Bar, "Settings", 20, nullptr,
     [](Session& s, Input) { s.game().screen.RunSettingsDialog(SettingsPage::MyStation); }},
    {Command::Help, "Help", "Help", "The help document", std::nullopt, 0, 0, nullptr, Menu::Help,
     "Help", 0, nullptr, ShowHelp<HelpTopic::Contents>},
    {Command::HelpOnHelp, "HelpOnHelp", "Help on help", "How to use the help", std::nullopt, 0, 0,
     nullptr, Menu::Help, "Help on help", 1, nullptr, ShowHelp<HelpTopic::HelpOnHelp>},
    {Command::FullTextSearch, "FullTextSearch", "Full text search", "Search the help's text",
     std::nullopt, 0, 0, nullptr, Menu::Help, "Full text search", 2, nullptr,
     ShowHelp<HelpTopic::FullTextSearch>},
    {Command::SearchHelp, "SearchHelp", "Search", "Search the help's topics", std::nullopt, 0, 0,
     nullptr, Menu::Help, "Search", 3, nullptr, ShowHelp<HelpTopic::Search>},
    {Command::Keys, "Keys", "Keys", "The keys of the game", std::nullopt, 0, 0, nullptr, Menu::Help,
     "Keys", 4, nullptr, [](Session& s, Input) { s.frontEnd().ShowKeyList(); }},
    {Command::About, "About", "About Tovk", "About the program", std::nullopt, 0, 0, nullptr,
     Menu::Help, "About Tovk", 10, nullptr, [](Session& s, Input) { s.frontEnd().ShowAbout(); }},
    {Command::SoundOnOff, "SoundOnOff", "Sound on/off", "Turn the sound of the band on or off",
     std::nullopt, 0, 0, nullptr, Menu::Game, "Sound on/off", 40, nullptr,
     [](Session& s, Input) { s.TurnSoundOnOrOff(); }},

    {Command::NextStep, "NextStep", "Next step", "The next step of the contact", std::nullopt, 0, 0,
     nullptr, Menu::None, nullptr, 0, "enter", [](Session& s, Input) { RunNextStep(s.game()); }},
    {Command::StopAutoCq, "StopAutoCq", "Stop Auto CQ", "Stop a running Auto CQ", std::nullopt, 0,
     0, nullptr, Menu::None, nullptr, 0, nullptr,
     [](Session& s, Input) {
       if (s.game().autoCqTimer) s.game().SetAutoCqTimer(false);
     }},
    {Command::BandUp, "BandUp", "Band up", "The next band up", std::nullopt, 0, 0, nullptr,
     Menu::None, nullptr, 0, nullptr, [](Session& s, Input) { s.ChangeBandBy(true); }},
    {Command::BandDown, "BandDown", "Band down", "The next band down", std::nullopt, 0, 0, nullptr,
     Menu::None, nullptr, 0, nullptr, [](Session& s, Input) { s.ChangeBandBy(false); }},
    {Command::NextField, "NextField", "Next field", "The next entry field", std::nullopt, 0, 0,
     nullptr, Menu::None, nullptr, 0, nullptr,
     [](Session& s, Input) { s.frontEnd().MoveFocus(FocusMove::NextField); }},
    {Command::PreviousField, "PreviousField", "Previous field", "The previous entry field",
     std::nullopt, 0, 0, nullptr, Menu::None, nullptr, 0, nullptr,
     [](Session& s, Input) { s.frontEnd().MoveFocus(FocusMove::PreviousField); }},

    {Command::TypeField, "TypeField", "Type", "Type into an entry field", std::nullopt, 0, 0,
     nullptr, Menu::None, nullptr, 0, nullptr,
     [](Session& s, Input in) { TypeField(s.game(), in.field, in.text); }},
    {Command::ChooseBand, "ChooseBand", "Band", "Choose the band", std::nullopt, 0, 0, nullptr,
     Menu::None, nullptr, 0, nullptr, [](Session& s, Input in) { SelectBand(s.game(), in.text); }},
    {Command::ClearIncoming, "ClearIncoming", "Clear incoming", "Clear the incoming window",
     std::nullopt, 0, 0, nullptr, Menu::None, nullptr, 0, nullptr, OnGame<ClearIncoming>},
    {Command::ClearOutgoing, "ClearOutgoing", "Clear outgoing", "Clear the outgoing window",
     std::nullopt, 0, 0, nullptr, Menu::None, nullptr, 0, nullptr, OnGame<ClearOutgoing>},
    {Command::ClickSectionMap, "ClickSectionMap", "Section map", "A click on the section map",
     std::nullopt, 0, 0, nullptr, Menu::None, nullptr, 0, nullptr, OnGame<SectionMapClicked>},
}};

const KeyChord Plain(Key key) {
  return {key};
}
const KeyChord Shifted(Key key) {
  return {key, 0, true};
}
const KeyChord Alt(char letter) {
  return {Key::Letter, letter, false, false, true};
}
const KeyChord Control(char letter) {
  return {Key::Letter, letter, false, true, false};
}

const std::array<KeyRow, 23> kKeys{{
    {Plain(Key::Enter), Command::NextStep, "Enter", "the next step of the contact"},
    {Plain(Key::F1), Command::CallCq, "F1", "Call CQ"},
    {Shifted(Key::F1), Command::AutoCq, "Shift+F1", "Auto CQ"},
    {Plain(Key::Escape), Command::StopAutoCq, "Esc", "stops a running Auto CQ"},
    {Plain(Key::F2), Command::SendMessage, "F2", "Send Msg"},
    {Plain(Key::F3), Command::SendQsl, "F3", "Send QSL"},
    {Plain(Key::F4), Command::CallStation, "F4",
     "the call button (QRZ / Call Stn / QRZ + section)"},
    {Plain(Key::F6), Command::SendDuplicate, "F6", "Send Dup"},
    {Plain(Key::F7), Command::Repeat, "F7", "Repeat"},
    {Plain(Key::F8), Command::CheckLog, "F8", "Check log"},
    {Plain(Key::F9), Command::TuneBand, "F9", "Tune band"},
    {Plain(Key::F11), Command::ClearContact, "F11", "Clr Xchg"},
    {Plain(Key::F12), Command::SoundOnOff, "F12", "turns the sound on or off"},
    {Alt('N'), Command::SendNumber, "Alt+N", "Send Nr (your number alone)"},
    {Alt('P'), Command::SendPrecedence, "Alt+P", "Send Prec (your precedence alone)"},
    {Alt('C'), Command::SendCheck, "Alt+C", "Send Chck (your check alone)"},
    {Alt('S'), Command::SendSection, "Alt+S", "Send Sct (your section alone)"},
    {Control('L'), Command::LogQso, "Ctrl+L", "Log QSO"},
    {Plain(Key::PageUp), Command::BandUp, "PgUp", "next band up (80, 40, 20, 15, 10)"},
    {Plain(Key::PageDown), Command::BandDown, "PgDn", "next band down (10, 15, 20, 40, 80)"},
    {Plain(Key::Space), Command::NextField, "Space",
     "next entry field (Number, Prec, Callsign, Check, Section)"},
    {Plain(Key::Tab), Command::NextField, "Tab", "next entry field"},
    {Plain(Key::Backtab), Command::PreviousField, "Shift+Tab", "previous entry field"},
}};

constexpr std::array<const char*, 10> kNextStepExplanation{
    "Enter does whatever comes next in the contact:",
    "off the air after a mishap: QRV;",
    "nothing in hand: Call CQ;",
    "a station heard, not in contact with you: call it;",
    "in contact, its callsign not copied: Repeat;",
    "in contact with a station worked before: B4;",
    "in contact, your exchange not yet sent: Send Msg;",
    "exchange sent, parts still missing: Repeat;",
    "everything received: Send QSL, then Log QSO.",
    "A key whose button is disabled does nothing.",
};

}  // namespace

std::span<const CommandRow> CommandRows() {
  return kCommands;
}

const CommandRow& RowOf(Command command) {
  return kCommands[static_cast<std::size_t>(command)];
}

std::optional<Button> ButtonOf(Command command) {
  if (static_cast<int>(command) >= kButtonCount) return std::nullopt;
  return static_cast<Button>(command);
}

std::optional<Command> CommandOfWords(std::string_view words) {
  for (const CommandRow& row : kCommands) {
    if (row.words != nullptr && words == row.words) return row.command;
  }
  return std::nullopt;
}

std::vector<MenuEntry> MenuEntries(Menu menu) {
  struct Placed {
    int place;
    MenuEntry entry;
  };
  std::vector<Placed> placed;
  for (const CommandRow& row : kCommands) {
    if (row.menu == menu)
      placed.push_back({row.menuPlace, {false, row.command, Menu::None, row.menuCaption}});
  }
  if (menu == Menu::Bar) {
    placed.push_back({10, {false, std::nullopt, Menu::Game, "Game"}});
    placed.push_back({30, {false, std::nullopt, Menu::Help, "Help"}});
  }
  std::stable_sort(placed.begin(), placed.end(),
                   [](const Placed& a, const Placed& b) { return a.place < b.place; });
  std::vector<MenuEntry> entries;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const bool newBlock = i > 0 && placed[i].place / 10 != placed[i - 1].place / 10;
    if (newBlock && menu != Menu::Bar) entries.push_back({true, std::nullopt, Menu::None, ""});
    entries.push_back(placed[i].entry);
  }
  return entries;
}

std::span<const KeyRow> KeyRows() {
  return kKeys;
}

const KeyRow* FindKey(const KeyChord& chord) {
  for (const KeyRow& key : kKeys) {
    if (key.chord == chord) return &key;
  }
  return nullptr;
}

std::string KeyTextOf(Command command) {
  for (const KeyRow& key : kKeys) {
    if (key.command == command) return key.keyText;
  }
  return {};
}

std::string HintWithKey(const CommandRow& row) {
  const std::string key = KeyTextOf(row.command);
  if (key.empty()) return row.hint;
  return std::string(row.hint) + " (" + key + ")";
}

std::span<const char* const> NextStepExplanation() {
  return kNextStepExplanation;
}

std::string NextBand(const std::string& band, bool up) {
  const int count = kBandCount;
  int index = -1;
  for (int i = 0; i < count; ++i) {
    if (band == kBands[i]) index = i;
  }
  if (index < 0) return up ? kBands[0] : kBands[count - 1];
  const int next = up ? index + 1 : index - 1;
  if (next < 0 || next >= count) return {};
  return kBands[next];
}

}  // namespace tovk
