// The section table, the call areas, area completion and the section that a
// callsign's prefix gives away.
#include "world/sections.h"

#include <string_view>

namespace tovk {

const std::array<const char*, kSectionCount> kSectionNames = {
    // W1
    "CT", "EMA", "ME", "NH", "RI", "VT", "WMA",
    // W2
    "ENY", "NYLI", "NNJ", "SNJ", "WNY",
    // W3
    "DE", "EPA", "MDC", "WPA",
    // W4
    "AL", "GA", "KY", "NC", "NFL", "SC", "SFL", "TN", "VA", "WI",
    // W5
    "AR", "LA", "MS", "NM", "NTX", "OK", "STX", "CZ",
    // W6
    "EBAY", "LA", "ORG", "SB", "SCV", "SD", "SF", "SJV", "SV", "PCF",
    // W7
    "AZ", "ID", "MT", "NV", "OR", "UT", "WA", "AK", "WY",
    // W8
    "MI", "OH", "WVA",
    // W9
    "IL", "IN", "WSC",
    // W0
    "CO", "IA", "KS", "MN", "MO", "NB", "ND", "SD",
    // VE
    "MAR", "QB", "ONT", "MAN", "SK", "AB", "BC", "NWT"};

const std::array<CallArea, kAreaCount> kCallAreas = {{
    {"W1", 0, 6},
    {"W2", 7, 11},
    {"W3", 12, 15},
    {"W4", 16, 25},
    {"W5", 26, 33},
    {"W6", 34, 43},
    {"W7", 44, 52},
    {"W8", 53, 55},
    {"W9", 56, 58},
    {"W0", 59, 66},
    {"VE", 67, 74},
}};

std::optional<int> AreaOfSection(int section) {
  for (int area = 0; area < kAreaCount; ++area) {
    if (section >= kCallAreas[area].first && section <= kCallAreas[area].last) return area;
  }
  return std::nullopt;
}

void UpdateAreaCompletion(GameState& s) {
  for (int area = 0; area < kAreaCount; ++area) {
    bool complete = true;
    for (int section = kCallAreas[area].first; section <= kCallAreas[area].last; ++section) {
      if (s.SectionStatus[section] != SectionState::Worked) complete = false;
    }
    s.AreaComplete[area] = complete;
  }
}

void AutoFillSectionFromPrefix(GameState& s) {
  if (!s.AutoDetect) return;
  const std::string_view call = s.Hiscall.str();
  const bool prefixGivesSection = call.starts_with("VE") || call.starts_with("KZ5") ||
                                  call.starts_with("KH6") || call.starts_with("KP4");
  if (!prefixGivesSection) return;
  s.PartText[Part::Section] = s.Hissection.str();
  s.PartReceived[Part::Section] = true;
}

}  // namespace tovk
