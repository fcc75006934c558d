// Checking the contacts copied by ear against what the stations sent.
#include "app/log_check.h"

#include <array>
#include <map>
#include <set>
#include <string_view>

#include "engine/actions.h"
#include "persist/log_lines.h"

namespace tovk {
namespace {

// A section by the name the map gives it: "YU", which a station in the
// Northwest Territories may say, is "NWT".
std::string SectionName(std::string_view section) {
  if (section == "YU") return "NWT";
  return std::string(section);
}

// A number as a number: "012" was copied right for "12".
std::string_view WithoutLeadingZeros(std::string_view number) {
  while (number.size() > 1 && number.front() == '0') number.remove_prefix(1);
  return number;
}

bool SameCopy(Part part, const std::string& logged, const std::string& sent) {
  if (part == Part::Number) return WithoutLeadingZeros(logged) == WithoutLeadingZeros(sent);
  if (part == Part::Section) return SectionName(logged) == SectionName(sent);
  return logged == sent;
}

const std::string& PartOf(const ExchangeText& exchange, Part part) {
  switch (part) {
    case Part::Number:
      return exchange.number;
    case Part::Precedence:
      return exchange.prec;
    case Part::Call:
      return exchange.call;
    case Part::Check:
      return exchange.check;
    default:
      return exchange.section;
  }
}

// The order a log checker reports in: the callsign first.
constexpr std::array<Part, 5> kCheckedParts{Part::Call, Part::Number, Part::Precedence, Part::Check,
                                            Part::Section};

std::string MistakeName(Part part) {
  switch (part) {
    case Part::Call:
      return "busted call";
    case Part::Number:
      return "wrong number";
    case Part::Precedence:
      return "wrong precedence";
    case Part::Check:
      return "wrong check";
    default:
      return "wrong section";
  }
}

}  // namespace

LogCheck CheckLogCopiedByEar(const Game& g) {
  LogCheck check;
  const int contacts = g.Mynumber > 1 ? g.Mynumber - 1 : 0;
  check.claimedScore = 2 * contacts * g.SectionsWorked;

  // Each contact copied by ear, by its serial number: whether it is correct
  // and the section it counts for.
  std::map<int, std::optional<std::string>> byEar;
  int partsRight = 0;
  for (const EarCopiedContact& contact : g.EarCopied) {
    ++check.checked;
    bool correct = true;
    for (Part part : kCheckedParts) {
      const std::string& logged = PartOf(contact.logged, part);
      const std::string& sent = PartOf(contact.sent, part);
      if (SameCopy(part, logged, sent)) {
        ++partsRight;
        continue;
      }
      correct = false;
      check.mistakes.push_back({contact.serial, part, logged, sent});
    }
    if (correct) ++check.correct;
    byEar[contact.serial] =
        correct ? std::optional<std::string>(SectionName(contact.sent.section)) : std::nullopt;
  }
  if (check.checked > 0) {
    const int parts = check.checked * static_cast<int>(kCheckedParts.size());
    check.accuracy = (partsRight * 100 + parts / 2) / parts;
  }

  // The checked score goes through the log as it stands: a contact not
  // copied by ear counts as logged, one that cannot be read not at all.
  int counted = 0;
  std::set<std::string> sections;
  for (const LoggedContact& contact : ParseLog(g.Lines(MemoId::Log)).contacts) {
    const auto ear = byEar.find(contact.serial);
    if (ear == byEar.end()) {
      ++counted;
      sections.insert(SectionName(contact.section));
      continue;
    }
    if (!ear->second) continue;
    ++counted;
    sections.insert(*ear->second);
  }
  check.checkedScore = 2 * counted * static_cast<int>(sections.size());
  return check;
}

std::vector<std::string> LogCheckLines(const LogCheck& check) {
  if (check.checked == 0) return {};
  std::vector<std::string> lines;
  lines.push_back("Log check: " + std::to_string(check.checked) + " contacts copied by ear, " +
                  std::to_string(check.correct) + " correct, accuracy " +
                  std::to_string(check.accuracy) + "%");
  lines.push_back("Checked score " + FormatScore(check.checkedScore) + " (claimed " +
                  FormatScore(check.claimedScore) + ")");
  for (const CopyMistake& mistake : check.mistakes) {
    lines.push_back("QSO " + std::to_string(mistake.serial) + " " + MistakeName(mistake.part) +
                    " " + (mistake.logged.empty() ? "-" : mistake.logged) + ", right " +
                    (mistake.right.empty() ? "-" : mistake.right));
  }
  return lines;
}

std::optional<int> HistoryAccuracy(const LogCheck& check) {
  if (check.checked == 0) return std::nullopt;
  return check.accuracy;
}

std::optional<int> HistoryCheckedScore(const LogCheck& check) {
  if (check.checked == 0) return std::nullopt;
  return check.checkedScore;
}

}  // namespace tovk
