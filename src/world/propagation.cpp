// Choosing a station from the pool and judging by propagation whether it is
// heard: 15 groups of sections, each with an hour-by-hour rule per band.
#include "world/station_pool.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace tovk {
namespace {

// An hour rule is 24 codes, hour 0 first, written in blocks of four hours:
//   'A' always heard   '.' never heard
//   '4' 4 in 10        '1' 1 in 10
//   'h' 46 in 100 (a 1-in-10 draw, then a 4-in-10 draw if it fails)
//   's' 64 in 100 (a 4-in-10 draw, then another if it fails)
constexpr const char* kAlways = "AAAA AAAA AAAA AAAA AAAA AAAA";
constexpr const char* kNever = ".... .... .... .... .... ....";

// A band's rule; where the 10 m zone matters, `zoneHours` applies while
// TenMetreZone equals `zone` and `hours` otherwise.
struct BandRule {
  const char* hours;
  int zone = 0;
  const char* zoneHours = nullptr;
};

// Bands in the order 80, 40, 20, 15, 10.
using GroupRule = std::array<BandRule, 5>;

const std::array<GroupRule, 15> kGroupRules = {{
    // G1: MDC, VA
    {{{kAlways}, {kAlways}, {kAlways}, {kAlways}, {kAlways}}},
    // G2: CT .. ENY
    {{{"AAAA AAAA AAAA .... .... ...."},
      {kAlways},
      {".... .... 4444 AAAA AAAA 4444"},
      {".... .... .111 .... .... 1111"},
      {".... .... .... AAAA AAAA A444"}}},
    // G3: NYLI .. WNY, QB
    {{{"AAAA AAAA AAAA .... .... ...."},
      {kAlways},
      {".... .... 4444 AAAA AAAA 4444"},
      {".... .... .111 .... .... 1111"},
      {".... .... .... .... .... AAAA"}}},
    // G4: DE, EPA, WPA
    {{{kAlways}, {"4444 4444 AAAA .... .... AAAA"}, {kNever}, {kNever}, {kNever}}},
    // G5: AL .. TN
    {{{"AAAA AAAA AAAA AAAA .... 4444"},
      {kAlways},
      {"4444 4444 AAAA AAAA AAAA AAAA"},
      {kNever, 3, ".... .... .... 4444 4444 4444"},
      {".... .... .... 4444 4444 4444", 3, kAlways}}},
    // G6: WI
    {{{"AAAA AAAA .... .... .... ...."},
      {"4444 AAAA .... .... .... ...."},
      {".... .... AAAA AAAA AAAA AAAA"},
      {".... .... AAAA AAAA AAAA AAAA"},
      {".... .... 4444 4444 4444 4AAA"}}},
    // G7: AR .. STX
    {{{"AAAA AAAA .... .... .... 4444"},
      {"AAAA AAAA 4444 .... .... 4444"},
      {".... .... 4444 AAAA AAAA 4444"},
      {".... .... 4444 AAAA AAAA 4444"},
      {".... .... 4444 AAAA AAAA 4444"}}},
    // G8: CZ
    {{{"AAAA AAAA .... .... .... ...."},
      {"AAAA AAAA 4444 .... .... 4444"},
      {".... .... .... .... AAAA AAAA"},
      {".... .... 4444 AAAA 4444 4444"},
      {".... .... 4444 AAAA 4444 ...."}}},
    // G9: EBAY .. SV
    {{{"AAAA 4444 .... .... .... ...."},
      {"AAAA AAAA .... .... .... 1111"},
      {".... AAAA .... AAAA AAAA AAAA"},
      {".... .... .... AAAA AAAA 4444"},
      {".... .... .... AAAA AAAA 4444"}}},
    // G10: PCF, AK
    {{{".... 4444 .... .... .... ...."},
      {"4444 AAAA .... .... .... ...."},
      {".... .... 1111 hhhh AAAA hhhh"},
      {".... .... .... 4444 AAAA 1111"},
      {".... .... .... AAAA AAAA 4444"}}},
    // G11: AZ .. WA, WY
    {{{"4444 AAAA .... .... .... ...."},
      {"AAAA AAAA 4444 4444 4444 ...."},
      {".... .... .... AAAA AAAA 4444"},
      {".... .... .... AAAA AAAA 4444"},
      {".... .... .... AAAA AAAA ...."}}},
    // G12: AB, BC, NWT
    {{{kAlways},
      {"4444 4444 4AAA AAAA AAAA AAAA"},
      {kNever},
      {kNever},
      {kNever, 2, ".... .... .... .... .... AAA."}}},
    // G13: MI, OH, WVA, ONT
    {{{"AAAA AAAA .... .444 4444 ssss"},
      {kAlways},
      {".... .... .... AAAA AAAA ...."},
      {kNever},
      {kNever, 1, ".... .... .... .... .... AA.."}}},
    // G14: IL, IN, WSC, MAN
    {{{"AAAA AAAA .... .444 4444 AAAA"},
      {kAlways},
      {".... .... .... AAAA AAAA ...."},
      {kNever},
      {kNever}}},
    // G15: CO .. SD, MAR, SK
    {{{"AAAA AAAA 4444 .... .... 1111"},
      {"AAAA AAAA 4444 .... .... 4444"},
      {"4444 4444 4444 AAAA AAAA 4444"},
      {kNever},
      {"4444 4444 4444 4444 4444 4444"}}},
}};

// The code of `hour` in a rule written with blanks between its blocks.
char HourCode(const char* rule, int hour) {
  int seen = 0;
  for (const char* c = rule; *c != '\0'; ++c) {
    if (*c == ' ') continue;
    if (seen == hour) return *c;
    ++seen;
  }
  return '.';
}

int BandColumn(std::string_view band) {
  if (band == "80") return 0;
  if (band == "40") return 1;
  if (band == "20") return 2;
  if (band == "15") return 3;
  if (band == "10") return 4;
  return -1;
}

bool FourInTen(Game& g) {
  return g.Draw(10) > 5;
}
bool OneInTen(Game& g) {
  return g.Draw(10) == 0;
}

// Decides an hour code, taking the draws a fraction needs.
bool HeardByCode(Game& g, char code) {
  switch (code) {
    case 'A':
      return true;
    case '4':
      return FourInTen(g);
    case '1':
      return OneInTen(g);
    case 'h':
      return OneInTen(g) || FourInTen(g);
    case 's':
      return FourInTen(g) || FourInTen(g);
    default:
      return false;
  }
}

// On 10 m the open zone moves on most selections and wraps into 1..5.
void MoveTenMetreZone(Game& g) {
  if (g.Draw(10) < 2) return;
  g.TenMetreZone += 1 + g.Draw(4);
  if (g.TenMetreZone > 5) g.TenMetreZone -= 5;
}

// A pick 0..StationMax: the product of a draw over the pool and a draw 0..9,
// folded back into the pool. Station 0 comes up whenever either draw is 0.
int PickStation(Game& g) {
  const int overPool = g.Draw(g.StationMax);
  const int tenth = g.Draw(10);
  return overPool * tenth;
}

// Brings an index into 0..StationMax the way repeated subtraction of
// StationMax would; an empty pool or a stray index gives station 0.
int FoldIntoPool(int index, int stationMax) {
  if (stationMax <= 0 || index < 0) return 0;
  if (index <= stationMax) return index;
  return (index - 1) % stationMax + 1;
}

}  // namespace

int PropagationGroup(int section) {
  static constexpr std::array<std::uint8_t, kSectionCount> kGroupOfSection = {
      2,  2,  2,  2,  2,  2,  2,  2,      // 0..7 CT .. ENY
      3,  3,  3,  3,                      // 8..11 NYLI .. WNY
      4,  4,  1,  4,                      // 12..15 DE EPA MDC WPA
      5,  5,  5,  5,  5,  5,  5,  5,      // 16..23 AL .. TN
      1,  6,                              // 24 VA, 25 WI
      7,  7,  7,  7,  7,  7,  7,          // 26..32 AR .. STX
      8,                                  // 33 CZ
      9,  9,  9,  9,  9,  9,  9,  9,  9,  // 34..42 EBAY .. SV
      10,                                 // 43 PCF
      11, 11, 11, 11, 11, 11, 11,         // 44..50 AZ .. WA
      10, 11,                             // 51 AK, 52 WY
      13, 13, 13,                         // 53..55 MI OH WVA
      14, 14, 14,                         // 56..58 IL IN WSC
      15, 15, 15, 15, 15, 15, 15, 15,     // 59..66 CO .. SD
      15, 3,  13, 14, 15, 12, 12, 12};    // 67..74 MAR QB ONT MAN SK AB BC NWT
  if (section < 0 || section >= kSectionCount) return 0;
  return kGroupOfSection[section];
}

char PropagationCode(const GameState& g, int section) {
  const int group = PropagationGroup(section);
  const int band = BandColumn(g.Band.str());
  if (group == 0 || band < 0 || g.Hour < 0 || g.Hour > 23) return '.';
  const BandRule& rule = kGroupRules[group - 1][band];
  const bool zoneOpen = rule.zoneHours != nullptr && g.TenMetreZone == rule.zone;
  return HourCode(zoneOpen ? rule.zoneHours : rule.hours, g.Hour);
}

void SelectStation(Game& g, bool repick) {
  if (repick) g.StationIndex = PickStation(g);
  g.StationIndex = FoldIntoPool(g.StationIndex, std::min(g.StationMax, kPoolSize - 1));

  if (g.Band == "10") MoveTenMetreZone(g);

  g.StationHeard = HeardByCode(g, PropagationCode(g, g.StationSection[g.StationIndex]));
}

}  // namespace tovk
