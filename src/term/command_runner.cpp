// Running the terminal front-end's commands.
#include "term/command_runner.h"

#include <array>
#include <string>
#include <utility>

#include "term/variables.h"

namespace tovk::term {
namespace {

// `set`, as the settings dialog applies it. The callsign and check go
// together, as the dialog's OK gives both: the one not named stays as it is.
SettingsChange ChangeOf(const GameState& s, const TermCommand& command) {
  SettingsChange change;
  // The band's settings as they stand, for the one setting the command changes.
  const auto sound = [&]() -> SoundOptions& {
    change.sound = s.Sound;
    return *change.sound;
  };
  switch (command.setting) {
    case Setting::Mycall:
      change.ownStation = OwnStationChange{command.value, s.Mycheck};
      break;
    case Setting::Mycheck:
      change.ownStation = OwnStationChange{s.Mycall, command.value};
      break;
    case Setting::Power:
      change.power = command.power;
      break;
    case Setting::SectionPosition:
      change.sectionMapRight = command.on;
      break;
    case Setting::AutoDetect:
      change.autoDetect = command.on;
      break;
    case Setting::AutoClear:
      change.autoClear = command.on;
      break;
    case Setting::Assist:
      change.assist = command.on;
      break;
    case Setting::SilentMode:
      change.silentMode = command.on;
      break;
    case Setting::AutoSave:
      change.autoSave = command.on;
      break;
    case Setting::Debug:
      change.debug = command.on;
      break;
    case Setting::Filter:
      sound().filter = command.value;
      break;
    case Setting::Noise:
      sound().noise = command.number;
      break;
    case Setting::Sound:
      sound().on = command.on;
      break;
    case Setting::CopyByEar:
      sound().copyByEar = command.on;
      break;
    case Setting::Monitor:
      sound().monitor = command.on;
      break;
  }
  return change;
}

template <std::size_t N>
std::string Joined(const std::array<std::string, N>& texts, const std::string& separator) {
  std::string result;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) result += separator;
    result += texts[i];
  }
  return result;
}

}  // namespace

void RunCommand(Session& session, TermScreen& screen, const TermCommand& command) {
  Game& g = session.game();
  switch (command.kind) {
    case CommandKind::Empty:
      return;
    case CommandKind::Tick:
      return session.Tick();
    case CommandKind::Unknown:
      return screen.Print(tag::kError, "unknown command: " + command.text);
    case CommandKind::Invalid:
      return screen.Print(tag::kError, command.error);
    case CommandKind::Run:
      if (!session.Run(command.command, command.input)) screen.Print(tag::kOff, command.text);
      return;
    case CommandKind::Status:
      return screen.Print(tag::kStatus, Joined(g.statusPanel, " "));
    case CommandKind::Fields:
      return screen.Print(tag::kFields, Joined(g.fieldText, "|"));
    case CommandKind::Show: {
      const ShowResult result = ShowVariable(g, command.value);
      return screen.Print(result.ok ? tag::kShow : tag::kError, result.text);
    }
    case CommandKind::Set:
      return session.ApplySettings(ChangeOf(g, command));
  }
}

void LayOutStatusBar(Game& g) {
  constexpr std::pair<StatusPanel, const char*> kCaptions[] = {
      {StatusPanel::GmtCaption, "GMT"},
      {StatusPanel::LocalCaption, "Local"},
      {StatusPanel::OpCaption, "Op"},
      {StatusPanel::QsosCaption, "QSo's"},
      {StatusPanel::SectionsCaption, "Sections"},
      {StatusPanel::ScoreCaption, "Score"},
      {StatusPanel::RateCaption, "Q/hr"},
      {StatusPanel::DupsCaption, "Dups"},
      {StatusPanel::LidsCaption, "Lids"},
      {StatusPanel::State, "States"},
  };
  for (const auto& [panel, caption] : kCaptions) {
    if (g.StatusText(panel).empty()) g.SetStatusPanel(panel, caption);
  }
}

}  // namespace tovk::term
