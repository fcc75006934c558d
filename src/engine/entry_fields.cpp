// The five exchange entry fields: what typing or filling them does to the
// received parts and to the other station's callsign and section, and the
// right-click clearing of the incoming and outgoing windows.
#include "engine/actions.h"
#include "world/text.h"

namespace tovk {
namespace {

std::string& FieldText(Game& g, Field field) {
  return g.fieldText[static_cast<int>(field)];
}

}  // namespace

void TypeField(Game& g, Field field, const std::string& text) {
  const std::string upper = ToUpper(text);
  // The widget already shows what was typed; it only needs telling when the
  // capitals made it differ.
  if (upper != text) g.screen.SetFieldText(field, upper);
  if (FieldText(g, field) == upper) return;
  FieldText(g, field) = upper;
  FieldChanged(g, field);
}

void SetFieldText(Game& g, Field field, const std::string& text) {
  const std::string upper = ToUpper(text);
  // A field that already holds the text does not change, and its handler
  // does not run.
  if (FieldText(g, field) == upper) return;
  FieldText(g, field) = upper;
  g.screen.SetFieldText(field, upper);
  FieldChanged(g, field);
}

void FieldChanged(Game& g, Field field) {
  switch (field) {
    case Field::Number:
      g.PartReceived[Part::Number] = true;
      return;
    case Field::Precedence:
      g.PartReceived[Part::Precedence] = true;
      return;
    case Field::Call:
      g.PartReceived[Part::Call] = true;
      g.Hiscall = FieldText(g, Field::Call);
      return;
    case Field::Check:
      g.PartReceived[Part::Check] = true;
      return;
    case Field::Section:
      g.PartReceived[Part::Section] = true;
      g.Hissection = FieldText(g, Field::Section);
      return;
  }
}

void ClearIncoming(Game& g) {
  g.ClearMemo(MemoId::Incoming);
}

void ClearOutgoing(Game& g) {
  g.ClearMemo(MemoId::Outgoing);
}

}  // namespace tovk
