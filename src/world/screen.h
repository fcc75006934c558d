// The narrow interface through which the game reaches the screen. The Qt
// window and the terminal front-end implement it; tests implement it with a
// recorder. The game keeps its own copy of everything shown (see Game), so
// the screen only mirrors what it is told.
#pragma once

#include <optional>
#include <string>

#include "world/game_state.h"

namespace tovk {

// The three text windows: what other stations send, the logbook, and what
// the player sends.
enum class MemoId { Incoming, Log, Outgoing };
constexpr int kMemoCount = 3;

// The five exchange entry fields, left to right.
enum class Field { Number, Precedence, Call, Check, Section };
constexpr int kFieldCount = 5;

// Every push button of the main window.
enum class Button {
  CallCq,
  TuneBand,
  AutoCq,
  CallStation,  // its caption changes: "QRZ", "Call Stn", "QRZ" + section
  SendNumber,
  SendPrecedence,
  SendMessage,
  SendCheck,
  SendSection,
  SendQsl,
  Repeat,
  SendDuplicate,
  LogQso,
  CheckLog,
  ClearContact,
  Qrt,
  Timeout,
  Qrv,
  NewGame,
  SaveGame,
  RestoreGame,
};
constexpr int kButtonCount = 21;

// The status bar's panels, left to right: a caption, then its figure.
enum class StatusPanel {
  GmtCaption,
  Gmt,
  LocalCaption,
  Local,
  OpCaption,
  OpTime,
  QsosCaption,
  Qsos,
  SectionsCaption,
  Sections,
  ScoreCaption,
  Score,
  RateCaption,
  Rate,
  DupsCaption,
  Dups,
  LidsCaption,
  Lids,
  State,
};
constexpr int kStatusPanelCount = 19;

// The pages of the notebook above the entry strip.
enum class NotebookPage { Qso = 0, Log = 1 };

// Pages of the settings dialog.
enum class SettingsPage { TimeOut = 0, MyStation = 1, Colours = 2, Misc = 3, Sound = 4 };

// A file dialog the game asks for.
struct FileRequest {
  bool save = false;     // a save dialog; otherwise an open dialog
  std::string title;     // empty: the platform's default title
  std::string filter;    // "Saved Files|*.sav|All files|*.*"
  std::string folder;    // initial folder
  std::string fileName;  // proposed name
};

class Screen {
 public:
  virtual ~Screen() = default;

  // Text windows.
  virtual void AppendLine(MemoId memo, const std::string& line) = 0;
  virtual void ClearLines(MemoId memo) = 0;

  // Boxes. Each is modal: the call returns when the player has answered.
  virtual void ShowMessage(const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& question) = 0;
  virtual std::optional<std::string> ChooseFile(const FileRequest& request) = 0;
  // Runs the settings dialog on `page`; its OK applies what it holds through
  // the game's settings operations before this returns.
  virtual void RunSettingsDialog(SettingsPage page) = 0;

  // Controls.
  virtual void SetFieldText(Field field, const std::string& text) = 0;
  virtual void SetBandBox(const std::string& band) = 0;  // empty: nothing selected
  virtual void SetQsoNumber(const std::string& text) = 0;
  virtual void SetButtonEnabled(Button button, bool enabled) = 0;
  virtual void SetCallButtonCaption(const std::string& caption) = 0;
  virtual void SetStatusPanel(StatusPanel panel, const std::string& text) = 0;
  virtual void SetTimerEnabled(bool enabled) = 0;
  virtual void ShowNotebookPage(NotebookPage page) = 0;

  // Section map.
  virtual void PaintSectionCell(int section, Colour colour) = 0;
  virtual void PaintAreaBox(int area, Colour colour) = 0;
  virtual void DockSectionPanel(bool right) = 0;

  // The quit flow has finished: end the program.
  virtual void EndProgram() = 0;

  // The contact in hand has been logged or cleared: what was heard of it
  // but, copying by ear, not shown may be shown now.
  virtual void ContactEnded() {}
};

}  // namespace tovk
