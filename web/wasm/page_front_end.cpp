// Each screen call handed to the page's script. Texts cross as UTF-8; the
// script's answers to the boxes come back as numbers or as texts the script
// allocated in the module's memory, freed here.
#include "page_front_end.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>

#include "page_text.h"
#include "settings_answer.h"

namespace {

// clang-format off
EM_JS(void, tovk_page_append_line, (int memo, const char* line), {
  Module.page.appendLine(memo, UTF8ToString(line));
});
EM_JS(void, tovk_page_clear_lines, (int memo), { Module.page.clearLines(memo); });
EM_JS(void, tovk_page_set_field, (int field, const char* text), {
  Module.page.setFieldText(field, UTF8ToString(text));
});
EM_JS(void, tovk_page_set_band, (const char* band), { Module.page.setBandBox(UTF8ToString(band)); });
EM_JS(void, tovk_page_set_qso_number, (const char* text), {
  Module.page.setQsoNumber(UTF8ToString(text));
});
EM_JS(void, tovk_page_set_button, (int button, int enabled), {
  Module.page.setButtonEnabled(button, enabled !== 0);
});
EM_JS(void, tovk_page_set_call_caption, (const char* caption), {
  Module.page.setCallButtonCaption(UTF8ToString(caption));
});
EM_JS(void, tovk_page_set_status, (int panel, const char* text), {
  Module.page.setStatusPanel(panel, UTF8ToString(text));
});
EM_JS(void, tovk_page_set_timer, (int enabled), { Module.page.setTimerEnabled(enabled !== 0); });
EM_JS(void, tovk_page_show_notebook, (int page), { Module.page.showNotebookPage(page); });
EM_JS(void, tovk_page_paint_cell, (int section, int colour), {
  Module.page.paintSectionCell(section, colour);
});
EM_JS(void, tovk_page_paint_area, (int area, int colour), { Module.page.paintAreaBox(area, colour); });
EM_JS(void, tovk_page_dock_sections, (int right), { Module.page.dockSectionPanel(right !== 0); });
EM_JS(void, tovk_page_end, (), { Module.page.endProgram(); });
EM_JS(void, tovk_page_show_results, (const char* json), {
  Module.page.showResults(JSON.parse(UTF8ToString(json)));
});
EM_JS(void, tovk_page_show_help, (int topic), { Module.page.showHelp(topic); });
EM_JS(void, tovk_page_show_keys, (), { Module.page.showKeyList(); });
EM_JS(void, tovk_page_show_about, (), { Module.page.showAbout(); });
EM_JS(void, tovk_page_show_look, (const char* json), {
  Module.page.showLook(JSON.parse(UTF8ToString(json)));
});
EM_JS(void, tovk_page_move_focus, (int forward), { Module.page.moveFocus(forward !== 0); });

// The boxes: the call waits for the player's answer.
EM_ASYNC_JS(void, tovk_page_show_message, (const char* text), {
  await Module.page.showMessage(UTF8ToString(text));
});
EM_ASYNC_JS(int, tovk_page_ask_yes_no, (const char* question), {
  return (await Module.page.askYesNo(UTF8ToString(question))) ? 1 : 0;
});
// A text answer, or 0 for none; the caller frees it.
EM_ASYNC_JS(char*, tovk_page_choose_file, (const char* request), {
  const name = await Module.page.chooseFile(JSON.parse(UTF8ToString(request)));
  if (name === null || name === undefined) return 0;
  const size = lengthBytesUTF8(name) + 1;
  const text = _malloc(size);
  stringToUTF8(name, text, size);
  return text;
});
EM_ASYNC_JS(char*, tovk_page_run_settings, (int page, const char* settings), {
  const answer = await Module.page.runSettingsDialog(page, JSON.parse(UTF8ToString(settings)));
  const size = lengthBytesUTF8(answer) + 1;
  const text = _malloc(size);
  stringToUTF8(answer, text, size);
  return text;
});
// clang-format on

struct FreeText {
  void operator()(char* text) const { std::free(text); }
};
using OwnedText = std::unique_ptr<char, FreeText>;

}  // namespace

namespace tovk::web {

void PageFrontEnd::AppendLine(MemoId memo, const std::string& line) {
  tovk_page_append_line(static_cast<int>(memo), line.c_str());
}

void PageFrontEnd::ClearLines(MemoId memo) {
  tovk_page_clear_lines(static_cast<int>(memo));
}

void PageFrontEnd::ShowMessage(const std::string& text) {
  tovk_page_show_message(text.c_str());
}

bool PageFrontEnd::AskYesNo(const std::string& question) {
  return tovk_page_ask_yes_no(question.c_str()) != 0;
}

std::optional<std::string> PageFrontEnd::ChooseFile(const FileRequest& request) {
  const OwnedText chosen(tovk_page_choose_file(FileRequestJson(request).c_str()));
  if (!chosen) return std::nullopt;
  return std::string(chosen.get());
}

void PageFrontEnd::RunSettingsDialog(SettingsPage page) {
  if (settings_ == nullptr) return;
  // Opening the dialog chooses its power and side items, as a click would.
  settings_->ApplySettings(ChoicesShownAtOpening(settings_->Settings()));
  for (;;) {
    const OwnedText text(tovk_page_run_settings(static_cast<int>(page),
                                                SettingsJson(settings_->Settings()).c_str()));
    const SettingsAnswer answer = ReadSettingsAnswer(text.get(), settings_->Settings().Look);
    for (const SettingsChange& change : answer.changes) settings_->ApplySettings(change);
    if (!answer.chooseSavedGameFile) return;
    // The saved-game file is chosen in the page's file box; the dialog then
    // opens again where it was.
    settings_->ChooseSavedGameFile();
    page = SettingsPage::Misc;
  }
}

void PageFrontEnd::SetFieldText(Field field, const std::string& text) {
  tovk_page_set_field(static_cast<int>(field), text.c_str());
}

void PageFrontEnd::SetBandBox(const std::string& band) {
  tovk_page_set_band(band.c_str());
}

void PageFrontEnd::SetQsoNumber(const std::string& text) {
  tovk_page_set_qso_number(text.c_str());
}

void PageFrontEnd::SetButtonEnabled(Button button, bool enabled) {
  tovk_page_set_button(static_cast<int>(button), enabled ? 1 : 0);
}

void PageFrontEnd::SetCallButtonCaption(const std::string& caption) {
  tovk_page_set_call_caption(caption.c_str());
}

void PageFrontEnd::SetStatusPanel(StatusPanel panel, const std::string& text) {
  tovk_page_set_status(static_cast<int>(panel), text.c_str());
}

void PageFrontEnd::SetTimerEnabled(bool enabled) {
  tovk_page_set_timer(enabled ? 1 : 0);
}

void PageFrontEnd::ShowNotebookPage(NotebookPage page) {
  tovk_page_show_notebook(static_cast<int>(page));
}

void PageFrontEnd::PaintSectionCell(int section, Colour colour) {
  tovk_page_paint_cell(section, colour);
}

void PageFrontEnd::PaintAreaBox(int area, Colour colour) {
  tovk_page_paint_area(area, colour);
}

void PageFrontEnd::DockSectionPanel(bool right) {
  tovk_page_dock_sections(right ? 1 : 0);
}

void PageFrontEnd::EndProgram() {
  tovk_page_end();
}

// The page has no sound yet, so no contact is copied by ear there and its log
// check is always empty.
void PageFrontEnd::ShowResults(const ResultsSummary& results, const LogCheck& /*check*/,
                               const std::vector<PracticeRun>& history) {
  tovk_page_show_results(ResultsJson(results, history).c_str());
}

void PageFrontEnd::ShowHelp(HelpTopic topic) {
  tovk_page_show_help(static_cast<int>(topic));
}

void PageFrontEnd::ShowKeyList() {
  tovk_page_show_keys();
}

void PageFrontEnd::ShowAbout() {
  tovk_page_show_about();
}

void PageFrontEnd::ShowLook(const WindowLook& look) {
  tovk_page_show_look(LookJson(look).c_str());
}

void PageFrontEnd::MoveFocus(FocusMove move) {
  tovk_page_move_focus(move == FocusMove::NextField ? 1 : 0);
}

}  // namespace tovk::web
