// The JSON texts the page's script builds its controls and views from.
#include "page_text.h"

#include <cstdio>
#include <filesystem>

#include "app/commands.h"
#include "engine/actions.h"
#include "world/sections.h"

namespace tovk::web {
namespace {

// Appends `"name":value` pairs and array items, with the commas between.
class JsonOut {
 public:
  JsonOut& Open(char bracket) {
    Separate();
    text_ += bracket;
    first_ = true;
    return *this;
  }
  JsonOut& Close(char bracket) {
    text_ += bracket;
    first_ = false;
    return *this;
  }
  JsonOut& Name(std::string_view name) {
    Separate();
    text_ += JsonQuote(name);
    text_ += ':';
    first_ = true;  // the value follows without a comma
    return *this;
  }
  JsonOut& String(std::string_view value) { return Raw(JsonQuote(value)); }
  JsonOut& Number(long long value) { return Raw(std::to_string(value)); }
  JsonOut& Bool(bool value) { return Raw(value ? "true" : "false"); }
  JsonOut& Raw(std::string_view value) {
    Separate();
    text_ += value;
    return *this;
  }
  const std::string& Text() const { return text_; }

 private:
  void Separate() {
    if (!first_) text_ += ',';
    first_ = false;
  }
  std::string text_;
  bool first_ = true;
};

const char* MenuName(Menu menu) {
  switch (menu) {
    case Menu::Bar:
      return "bar";
    case Menu::Game:
      return "game";
    case Menu::Help:
      return "help";
    case Menu::None:
      break;
  }
  return "";
}

void WriteCommands(JsonOut& out) {
  out.Name("commands").Open('[');
  for (const CommandRow& row : CommandRows()) {
    out.Open('{');
    out.Name("command").Number(static_cast<int>(row.command));
    out.Name("name").String(row.name);
    out.Name("caption").String(row.caption);
    out.Name("hint").String(HintWithKey(row));
    out.Name("group").Number(row.group ? static_cast<int>(*row.group) : -1);
    out.Name("column").Number(row.column);
    out.Name("row").Number(row.row);
    out.Name("picture").String(row.picture ? row.picture : "");
    out.Close('}');
  }
  out.Close(']');
}

void WriteMenus(JsonOut& out) {
  out.Name("menus").Open('{');
  for (Menu menu : {Menu::Bar, Menu::Game, Menu::Help}) {
    out.Name(MenuName(menu)).Open('[');
    for (const MenuEntry& entry : MenuEntries(menu)) {
      out.Open('{');
      out.Name("separator").Bool(entry.separator);
      out.Name("caption").String(entry.caption);
      out.Name("command").Number(entry.command ? static_cast<int>(*entry.command) : -1);
      out.Name("submenu").String(MenuName(entry.submenu));
      out.Close('}');
    }
    out.Close(']');
  }
  out.Close('}');
}

void WriteKeys(JsonOut& out) {
  out.Name("keys").Open('[');
  for (const KeyRow& row : KeyRows()) {
    out.Open('{');
    out.Name("key").Number(static_cast<int>(row.chord.key));
    out.Name("letter").String(row.chord.letter ? std::string(1, row.chord.letter) : "");
    out.Name("shift").Bool(row.chord.shift);
    out.Name("control").Bool(row.chord.control);
    out.Name("alt").Bool(row.chord.alt);
    out.Name("command").Number(static_cast<int>(row.command));
    out.Name("keyText").String(row.keyText);
    out.Name("does").String(row.does);
    out.Close('}');
  }
  out.Close(']');
  out.Name("nextStep").Open('[');
  for (const char* line : NextStepExplanation()) out.String(line);
  out.Close(']');
}

void WriteSectionMap(JsonOut& out, const Game& g) {
  out.Name("bands").Open('[');
  for (const char* band : kBands) out.String(band);
  out.Close(']');
  out.Name("areas").Open('[');
  for (const CallArea& area : kCallAreas) {
    out.Open('{');
    out.Name("caption").String(area.caption);
    out.Name("first").Number(area.first);
    out.Name("last").Number(area.last);
    out.Close('}');
  }
  out.Close(']');
  out.Name("sections").Open('[');
  for (int i = 0; i < kSectionCount; ++i) out.String(g.SectionName[i].str());
  out.Close(']');
}

void WriteFont(JsonOut& out, const FontLook& font) {
  out.Open('{');
  out.Name("name").String(font.name);
  out.Name("colour").Number(font.colour);
  out.Name("height").Number(font.height);
  out.Name("bold").Bool(font.bold);
  out.Name("italic").Bool(font.italic);
  out.Name("underline").Bool(font.underline);
  out.Name("strikeOut").Bool(font.strikeOut);
  out.Close('}');
}

}  // namespace

std::string JsonQuote(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

std::string TablesJson(const Game& g) {
  JsonOut out;
  out.Open('{');
  WriteCommands(out);
  WriteMenus(out);
  WriteKeys(out);
  WriteSectionMap(out, g);
  out.Close('}');
  return out.Text();
}

std::string ResultsJson(const ResultsSummary& results, const std::vector<PracticeRun>& history) {
  JsonOut out;
  out.Open('{');
  out.Name("contacts").Number(results.contacts);
  out.Name("sections").Number(results.sections);
  out.Name("scoreText").String(results.scoreText);
  out.Name("rateText").String(results.rateText);
  out.Name("dupes").Number(results.dupes);
  out.Name("lids").Number(results.lids);
  out.Name("operatingTime").String(results.operatingTime);
  out.Name("unreadLines").Number(results.unreadLines);
  out.Name("contactsPerBand").Open('[');
  for (int count : results.contactsPerBand) out.Number(count);
  out.Close(']');
  out.Name("contactsPerHour").Open('[');
  for (int count : results.contactsPerHour) out.Number(count);
  out.Close(']');
  out.Name("sectionsNeeded").Open('[');
  for (const NeededSections& area : results.sectionsNeeded) {
    out.Open('{');
    out.Name("area").String(area.area);
    out.Name("sections").Open('[');
    for (const std::string& section : area.sections) out.String(section);
    out.Close(']');
    out.Close('}');
  }
  out.Close(']');
  out.Name("history").Open('[');
  for (const PracticeRun& run : history) {
    out.Open('{');
    out.Name("when").String(run.when);
    out.Name("call").String(run.call);
    out.Name("power").Number(run.power);
    out.Name("contacts").Number(run.contacts);
    out.Name("sections").Number(run.sections);
    out.Name("score").String(FormatScore(run.score));
    out.Name("dupes").Number(run.dupes);
    out.Name("lids").Number(run.lids);
    out.Name("operatingTime").String(run.operatingTime);
    out.Close('}');
  }
  out.Close(']');
  out.Close('}');
  return out.Text();
}

std::string SettingsJson(const GameState& s) {
  JsonOut out;
  out.Open('{');
  out.Name("callsign").String(s.Mycall.str());
  out.Name("check").String(s.Mycheck.str());
  out.Name("highPower").Bool(s.Myprec != "A");
  out.Name("sectionMapRight").Bool(s.SectionPosition == "R");
  out.Name("savedGameFile").String(std::filesystem::path(s.SavedGameFile).filename().string());
  out.Name("autoDetect").Bool(s.AutoDetect);
  out.Name("autoClear").Bool(s.AutoClear);
  out.Name("assist").Bool(s.Assist);
  out.Name("silentMode").Bool(s.SilentMode);
  out.Name("autoSave").Bool(s.AutoSave);
  out.Name("colours").Open('[');
  for (int item = 0; item < kColourItemCount; ++item)
    out.Number(ColourOf(s, static_cast<ColourItem>(item)));
  out.Close(']');
  out.Name("fonts").Open('[');
  for (MemoId memo : {MemoId::Incoming, MemoId::Log, MemoId::Outgoing})
    WriteFont(out, FontOf(s.Look, memo));
  out.Close(']');
  out.Close('}');
  return out.Text();
}

std::string LookJson(const WindowLook& look) {
  JsonOut out;
  out.Open('{');
  out.Name("memoColours").Open('[');
  for (Colour colour : {look.incomingColour, look.logColour, look.outgoingColour})
    out.Number(colour);
  out.Close(']');
  out.Name("fonts").Open('[');
  for (MemoId memo : {MemoId::Incoming, MemoId::Log, MemoId::Outgoing})
    WriteFont(out, FontOf(look, memo));
  out.Close(']');
  out.Name("incomingWordwrap").Bool(look.incomingWordwrap);
  out.Name("groupColours").Open('[');
  for (Colour colour : {look.radioColour, look.macrosColour, look.dataColour, look.miscColour})
    out.Number(colour);
  out.Close(']');
  out.Name("bandColour").Number(look.bandColour);
  out.Name("qsoNumberColour").Number(look.qsoNumberColour);
  out.Close('}');
  return out.Text();
}

std::string FileRequestJson(const FileRequest& request) {
  JsonOut out;
  out.Open('{');
  out.Name("save").Bool(request.save);
  out.Name("title").String(request.title);
  out.Name("filter").String(request.filter);
  out.Name("folder").String(request.folder);
  out.Name("fileName").String(std::filesystem::path(request.fileName).filename().string());
  out.Close('}');
  return out.Text();
}

}  // namespace tovk::web
