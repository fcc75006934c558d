// Reading the entry fields as the exchange the player copied.
#include "engine/typed_exchange.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "world/text.h"

namespace tovk {
namespace {

std::string FieldValue(const Game& g, Field field) {
  return std::string(Trim(g.fieldText[static_cast<int>(field)], " "));
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Printable, and neither a blank nor the log's column bar.
bool IsLogCharacter(char c) {
  return c > ' ' && c <= '~' && c != '|';
}

bool AllOf(std::string_view text, bool (*test)(char)) {
  return std::all_of(text.begin(), text.end(), test);
}

Field FieldOf(Part part) {
  switch (part) {
    case Part::Number:
      return Field::Number;
    case Part::Precedence:
      return Field::Precedence;
    case Part::Call:
      return Field::Call;
    case Part::Check:
      return Field::Check;
    default:
      return Field::Section;
  }
}

}  // namespace

ExchangeText TypedExchange(const Game& g) {
  return {FieldValue(g, Field::Number), FieldValue(g, Field::Precedence),
          FieldValue(g, Field::Call), FieldValue(g, Field::Check), FieldValue(g, Field::Section)};
}

bool FieldCopied(const Game& g, Part part) {
  const std::string text = FieldValue(g, FieldOf(part));
  switch (part) {
    case Part::Number:
      return !text.empty() && text.size() <= 9 && AllOf(text, IsDigit);
    case Part::Precedence:
      return text.size() == 1 && text[0] >= 'A' && text[0] <= 'Z';
    case Part::Call:
      return !text.empty() && text.size() <= 10 && AllOf(text, IsLogCharacter);
    case Part::Check:
      return text.size() == 2 && AllOf(text, IsDigit);
    default:
      return !text.empty() && text.size() <= 4 && AllOf(text, IsLogCharacter);
  }
}

bool EveryFieldCopied(const Game& g) {
  return std::all_of(kExchangeParts.begin(), kExchangeParts.end(),
                     [&](Part part) { return FieldCopied(g, part); });
}

}  // namespace tovk
