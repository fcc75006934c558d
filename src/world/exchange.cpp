// The exchange a pool station sends: precedence and check from its callsign,
// a serial number from the contest time and the player's progress, its
// section from the pool; and the blank-padding of numbers.
#include "world/station_pool.h"

#include <string>
#include <string_view>

#include "world/text.h"

namespace tovk {
namespace {

constexpr std::string_view kFixedStation = "W3/Q3CCC";
constexpr std::string_view kLetterOrder = "QWERTYUIOPASDFGHJKLZXCVBNM";

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// The serial number the station has reached, before the power rule.
int SerialNumber(Game& g) {
  if (g.ElapsedMinutes > g.Mynumber) return 1 + g.Draw(g.ElapsedMinutes / 2);
  return 1 + g.Draw(g.Mynumber + g.Mynumber / 2);
}

}  // namespace

std::string PrecedenceOfCallsign(const std::string& call) {
  // The first eleven letters of the order send "A"; a callsign that does not
  // end in an upper-case letter is taken as "A" too.
  if (call.empty()) return "A";
  const std::size_t place = kLetterOrder.find(call.back());
  if (place == std::string_view::npos || place < 11) return "A";
  return "B";
}

std::string CheckOfCallsign(const std::string& call) {
  if (call == kFixedStation) return "68";
  int k = 0;
  const std::size_t from = call.size() > 3 ? call.size() - 3 : 0;
  for (std::size_t i = from; i < call.size(); ++i) k += static_cast<unsigned char>(call[i]);
  while (k >= 77) k -= 43;
  if (k < 17) k = 47;
  return std::to_string(k);
}

std::string PadLeft(const std::string& text, int width, char fill) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlankOrControl(text[first])) ++first;
  while (last > first && IsBlankOrControl(text[last - 1])) --last;
  std::string trimmed = text.substr(first, last - first);
  const std::size_t count = CharacterCount(trimmed);
  if (width <= 0 || count >= static_cast<std::size_t>(width)) return trimmed;
  return std::string(static_cast<std::size_t>(width) - count, fill) + trimmed;
}

void MakeExchange(Game& g) {
  if (g.StationIndex < 0 || g.StationIndex >= kPoolSize) return;
  g.Hiscall = g.StationCall[g.StationIndex].str();
  g.Hisprec = PrecedenceOfCallsign(g.Hiscall);

  int n = SerialNumber(g);
  if (g.Hisprec == "A") {
    // 100 W (PowerFactor 40) divides by 4, 1000 W (10) by 1; never by zero.
    const int divisor = g.PowerFactor / 10 > 0 ? g.PowerFactor / 10 : 1;
    n = n / divisor + 1;
  }
  g.Hisnumber = PadLeft(std::to_string(n), 4, ' ');

  const int section = g.StationSection[g.StationIndex];
  const bool named = section >= 0 && section < kSectionCount;
  g.Hissection = named ? g.SectionName[section].str() : std::string();

  g.Hischeck = CheckOfCallsign(g.Hiscall);
  g.StationSent = {std::string(Trim(g.Hisnumber.str(), " ")), g.Hisprec.str(), g.Hiscall.str(),
                   g.Hischeck.str(), g.Hissection.str()};
}

}  // namespace tovk
