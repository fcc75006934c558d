// The table of the game's variables by name and how each value is written.
#include "term/variables.h"

#include <charconv>
#include <cstdint>
#include <functional>

#include "term/term_text.h"
#include "world/text.h"

namespace tovk::term {
namespace {

std::string Format(bool value) {
  return value ? "true" : "false";
}
std::string Format(int value) {
  return std::to_string(value);
}
std::string Format(std::uint8_t value) {
  return std::to_string(value);
}
std::string Format(SectionState value) {
  return std::to_string(static_cast<int>(value));
}
std::string Format(StationLogState value) {
  return std::to_string(static_cast<int>(value));
}
std::string Format(const std::string& value) {
  return value;
}
template <std::size_t N>
std::string Format(const Text<N>& value) {
  return value.str();
}

struct Variable {
  std::string_view name;
  int count = 0;  // 0: a single value; otherwise the length of the array
  std::function<std::string(const Game&, int)> read;
};

// A member of one of the game state's groups.
template <class T, class Group>
Variable Single(std::string_view name, T Group::*member) {
  return {name, 0, [member](const Game& g, int) { return Format(g.*member); }};
}

template <class T, std::size_t N, class Group>
Variable Array(std::string_view name, std::array<T, N> Group::*member) {
  return {name, static_cast<int>(N),
          [member](const Game& g, int index) { return Format((g.*member)[index]); }};
}

// The parts of the exchange, by their slot numbers 0..7.
template <class T>
Variable Parts(std::string_view name, ByPart<T> ContactInHand::*member) {
  return {name, kPartSlots,
          [member](const Game& g, int index) { return Format((g.*member).entries()[index]); }};
}

const std::vector<Variable>& Table() {
  static const std::vector<Variable> table{
      // Own station.
      Single("Mycall", &GameState::Mycall),
      Single("Myprec", &GameState::Myprec),
      Single("Mycheck", &GameState::Mycheck),
      Single("Mysection", &GameState::Mysection),
      Single("CQText", &GameState::CQText),
      Single("PowerFactor", &GameState::PowerFactor),
      // The other station and the QSO in hand.
      Single("StationIndex", &GameState::StationIndex),
      Single("Hiscall", &GameState::Hiscall),
      Single("Hisprec", &GameState::Hisprec),
      Single("Hisnumber", &GameState::Hisnumber),
      Single("Hischeck", &GameState::Hischeck),
      Single("Hissection", &GameState::Hissection),
      Single("OtherCall", &GameState::OtherCall),
      Single("StationState", &GameState::StationState),
      Parts("PartReceived", &GameState::PartReceived),
      Parts("PartText", &GameState::PartText),
      Single("ExchangeSent", &GameState::ExchangeSent),
      Single("CallAttempts", &GameState::CallAttempts),
      Single("StationHeard", &GameState::StationHeard),
      Single("Band", &GameState::Band),
      // Contest clock and operating time.
      Single("Day", &GameState::Day),
      Single("Hour", &GameState::Hour),
      Single("Minute", &GameState::Minute),
      Single("Second", &GameState::Second),
      Single("ElapsedMinutes", &GameState::ElapsedMinutes),
      Single("OpHours", &GameState::OpHours),
      Single("OpMinutes", &GameState::OpMinutes),
      Single("Operating", &GameState::Operating),
      Single("Activity", &GameState::Activity),
      Single("DayText", &GameState::DayText),
      Single("HourText", &GameState::HourText),
      Single("MinuteText", &GameState::MinuteText),
      Single("MynumberText", &GameState::MynumberText),
      // Score and counters.
      Single("Mynumber", &GameState::Mynumber),
      Single("SectionsWorked", &GameState::SectionsWorked),
      Single("DupeCount", &GameState::DupeCount),
      Single("ErrorCount", &GameState::ErrorCount),
      // Station pool.
      Array("StationCall", &GameState::StationCall),
      Array("StationSection", &GameState::StationSection),
      Array("StationWorked", &GameState::StationWorked),
      Array("StationBand", &GameState::StationBand),
      Single("StationMax", &GameState::StationMax),
      // Sections and call areas.
      Array("SectionName", &GameState::SectionName),
      Array("SectionStatus", &GameState::SectionStatus),
      Array("AreaComplete", &GameState::AreaComplete),
      // Auto CQ; the timer that repeats the CQ is the window's, kept by the game.
      Single("AutoCQ", &GameState::AutoCQ),
      Single("AutoCQCount", &GameState::AutoCQCount),
      Single("TenMetreZone", &GameState::TenMetreZone),
      {"AutoCqTimer", 0, [](const Game& g, int) { return Format(g.autoCqTimer); }},
      // Options.
      Single("Debug", &GameState::Debug),
      Single("SilentMode", &GameState::SilentMode),
      Single("SectionPosition", &GameState::SectionPosition),
      Single("AutoClear", &GameState::AutoClear),
      Single("AutoDetect", &GameState::AutoDetect),
      Single("Assist", &GameState::Assist),
      Single("AutoSave", &GameState::AutoSave),
      Single("NeededColour", &GameState::NeededColour),
      Single("HeardColour", &GameState::HeardColour),
      Single("WorkedColour", &GameState::WorkedColour),
      Single("SectionsColour", &GameState::SectionsColour),
      Single("SavedGameFile", &GameState::SavedGameFile),
      // The next timeout.
      Single("TimeoutHours", &GameState::TimeoutHours),
      Single("TimeoutMinutes", &GameState::TimeoutMinutes),
      // Files and scratch.
      Single("StationFile", &GameState::StationFile),
      Single("TempText", &GameState::TempText),
  };
  return table;
}

const Variable* Find(std::string_view name) {
  const std::string wanted = ToLower(name);
  for (const Variable& variable : Table()) {
    if (ToLower(variable.name) == wanted) return &variable;
  }
  return nullptr;
}

ShowResult Refuse(std::string text) {
  return {false, std::move(text)};
}

}  // namespace

ShowResult ShowVariable(const Game& g, std::string_view request) {
  const std::string text(Trim(request));
  const auto open = text.find('[');
  const Variable* variable = Find(Trim(std::string_view(text).substr(0, open)));
  if (variable == nullptr) return Refuse("unknown variable: " + text);
  const std::string name(variable->name);

  if (open == std::string::npos) {
    if (variable->count > 0) {
      return Refuse(name + " is a list of " + std::to_string(variable->count) + ": show " + name +
                    "[i]");
    }
    return {true, name + "=" + variable->read(g, 0)};
  }

  if (variable->count == 0) return Refuse(name + " is not a list: " + text);
  if (text.back() != ']') return Refuse("index needs a closing ]: " + text);
  const std::string digits(Trim(std::string_view(text).substr(open + 1, text.size() - open - 2)));
  int index = -1;
  const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  const bool whole = error == std::errc() && stop == digits.data() + digits.size();
  if (!whole || index < 0 || index >= variable->count) {
    return Refuse("index out of range: " + text + " (" + name + "[0.." +
                  std::to_string(variable->count - 1) + "])");
  }
  return {true, name + "[" + std::to_string(index) + "]=" + variable->read(g, index)};
}

}  // namespace tovk::term
