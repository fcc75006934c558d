// Running the terminal front-end's commands.
#include "term/command_runner.h"

#include <array>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "engine/actions.h"
#include "engine/next_step.h"
#include "persist/adif.h"
#include "persist/cabrillo.h"
#include "persist/game_files.h"
#include "term/variables.h"

namespace tovk::term {
namespace {

void PressButton(Game& g, Button button) {
  switch (button) {
    case Button::ToolButtonCallCQ:
      return ToolButtonCallCQClick(g);
    case Button::ToolButtontune:
      return ToolButtonTuneClick(g);
    case Button::ToolButtonautocq:
      return ToolButtonAutoCQClick(g);
    case Button::ToolbuttonCallhim:
      return ToolButtonCallhimClick(g);
    case Button::ToolButtonsendnumber:
    case Button::ToolButtonsendprec:
    case Button::ToolButtonSend:
    case Button::ToolButtonsendcheck:
    case Button::ToolButtonsendsection:
      return ToolButtonSendClick(g, button);
    case Button::ToolButtonQSL:
      return ToolButtonQSLClick(g);
    case Button::ToolButtonRepeat:
      return ToolButtonRepeatClick(g);
    case Button::ToolButtonDuplicate:
      return ToolButtonDuplicateClick(g);
    case Button::ToolButtonlog:
      return ToolButtonLogClick(g);
    case Button::ToolButtonchecklog:
      return ToolButtonchecklogClick(g);
    case Button::ToolButtonclearqso:
      return ToolButtonClearQSOClick(g);
    case Button::ToolButtonQRT:
      return Exit1Click(g);
    case Button::ToolButtonTimeout:
      return ToolButtontimeoutClick(g);
    case Button::SpeedButtonStartgame:
      return SpeedButtonStartgameClick(g);
    case Button::ToolButtonnew:
      return ToolButtonnewClick(g);
    case Button::ToolButtonsave:
      return ToolButtonsaveClick(g);
    case Button::ToolButtonrestore:
      return ToolButtonrestoreClick(g);
  }
}

// The settings dialog's changes, each as the dialog applies it. OK always
// sets the timeout too; the values in force are passed so that it stays.
void ApplySetting(Game& g, const Command& command) {
  switch (command.setting) {
    case Setting::Mycall:
      return BitBtn1Click(g,
                          SettingsOk{command.value, g.Mycheck, g.TimeoutHours, g.TimeoutMinutes});
    case Setting::Mycheck:
      return BitBtn1Click(g, SettingsOk{g.Mycall, command.value, g.TimeoutHours, g.TimeoutMinutes});
    case Setting::Power:
      return RadioGroup1Click(g, command.item);
    case Setting::SectionPosition:
      return RadioGroup2Click(g, command.item);
    case Setting::AutoDetect:
      return CheckBoxAutodetectClick(g, command.on);
    case Setting::AutoClear:
      return CheckBoxAutoclearClick(g, command.on);
    case Setting::Assist:
      return CheckBoxassistClick(g, command.on);
    case Setting::SilentMode:
      return CheckBoxsilentmodeClick(g, command.on);
    case Setting::AutoSave:
      return CheckBoxautosaveClick(g, command.on);
    case Setting::Debug:
      return CheckBox1Click(g, command.on);
  }
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

// Writes the log to `name` (in the game's folder when it has no folder of
// its own), asking before a file is replaced, and tells the counts.
void ExportLog(Game& g, bool cabrillo, const std::string& name) {
  const std::filesystem::path file = g.InFolder(name);
  std::error_code error;
  if (std::filesystem::exists(file, error) &&
      !Confirm(g, file.filename().string() + " exists, overwrite ?"))
    return;
  const ExportResult result = cabrillo ? ExportCabrilloFile(g, file) : ExportAdifFile(g, file);
  g.ShowMessage(ExportReport(result, file));
}

void Run(Game& g, TermScreen& screen, const Command& command) {
  switch (command.kind) {
    case CommandKind::Empty:
    case CommandKind::Tick:
      return;
    case CommandKind::Unknown:
      return screen.Print(tag::kError, "unknown command: " + command.text);
    case CommandKind::Invalid:
      return screen.Print(tag::kError, command.error);
    case CommandKind::Press:
      if (!g.IsEnabled(command.button)) return screen.Print(tag::kOff, command.text);
      return PressButton(g, command.button);
    case CommandKind::Band:
      return SelectBand(g, command.value);
    case CommandKind::Type:
      return TypeField(g, command.field, command.value);
    case CommandKind::ClearIn:
      return Memo1MouseDown(g, true);
    case CommandKind::ClearOut:
      return Memo3MouseDown(g, true);
    case CommandKind::Status:
      return screen.Print(tag::kStatus, Joined(g.statusPanel, " "));
    case CommandKind::Fields:
      return screen.Print(tag::kFields, Joined(g.fieldText, "|"));
    case CommandKind::Show: {
      const ShowResult result = ShowVariable(g, command.value);
      return screen.Print(result.ok ? tag::kShow : tag::kError, result.text);
    }
    case CommandKind::Set:
      return ApplySetting(g, command);
    case CommandKind::Enter:
      // Refused, as a button press is, while the step's button is disabled.
      if (!RunNextStep(g)) screen.Print(tag::kOff, command.text);
      return;
    case CommandKind::Export:
      return ExportLog(g, command.item == 0, command.value);
    case CommandKind::Results:
      return screen.PrintResults(g);
  }
}

}  // namespace

void RunCommand(Game& g, TermScreen& screen, const Command& command) {
  // The timer tick keeps the busy rule itself: it is dropped while an
  // action runs, so it must not be marked as one.
  if (command.kind == CommandKind::Tick) return Timer1Tick(g);
  Perform(g, [&] { Run(g, screen, command); });
}

void LayOutStatusBar(Game& g) {
  constexpr std::pair<int, const char*> kLabels[] = {
      {0, "GMT"},    {2, "Local"}, {4, "Op"},    {6, "QSo's"}, {8, "Sections"},
      {10, "Score"}, {12, "Q/hr"}, {14, "Dups"}, {16, "Lids"}, {18, "States"},
  };
  for (const auto& [index, label] : kLabels) {
    if (g.statusPanel[index].empty()) g.SetStatusPanel(index, label);
  }
}

}  // namespace tovk::term
