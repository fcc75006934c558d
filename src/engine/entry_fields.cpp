// The five exchange entry fields: what typing or filling them does to the
// received parts and to the other station's callsign and section, and the
// right-click clearing of the incoming and outgoing windows.
#include "engine/actions.h"

namespace tovk {
namespace {

// The fields force capitals: ASCII letters a-z become A-Z, other bytes stay.
std::string ToFieldCase(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

void RunChangeHandler(Game& g, Field field) {
  switch (field) {
    case Field::Editnumber:
      EditnumberChange(g);
      return;
    case Field::EditPrc:
      EditPrcChange(g);
      return;
    case Field::Edithiscall:
      EdithiscallChange(g);
      return;
    case Field::Editcheck:
      EditcheckChange(g);
      return;
    case Field::EditSection:
      EditSectionChange(g);
      return;
  }
}

std::string& FieldText(Game& g, Field field) {
  return g.fieldText[static_cast<int>(field)];
}

}  // namespace

void TypeField(Game& g, Field field, const std::string& text) {
  const std::string upper = ToFieldCase(text);
  // The widget already shows what was typed; it only needs telling when the
  // capitals made it differ.
  if (upper != text) g.screen.SetFieldText(field, upper);
  if (FieldText(g, field) == upper) return;
  FieldText(g, field) = upper;
  RunChangeHandler(g, field);
}

void SetFieldText(Game& g, Field field, const std::string& text) {
  const std::string upper = ToFieldCase(text);
  // A field that already holds the text does not change, and its handler
  // does not run.
  if (FieldText(g, field) == upper) return;
  FieldText(g, field) = upper;
  g.screen.SetFieldText(field, upper);
  RunChangeHandler(g, field);
}

void EditnumberChange(Game& g) {
  g.PartReceived[0] = true;
}

void EditPrcChange(Game& g) {
  g.PartReceived[1] = true;
}

void EdithiscallChange(Game& g) {
  g.PartReceived[2] = true;
  g.Hiscall = FieldText(g, Field::Edithiscall);
}

void EditcheckChange(Game& g) {
  g.PartReceived[4] = true;
}

void EditSectionChange(Game& g) {
  g.PartReceived[5] = true;
  g.Hissection = FieldText(g, Field::EditSection);
}

void Memo1MouseDown(Game& g, bool rightButton) {
  if (rightButton) g.ClearMemo(MemoId::Memo1);
}

void Memo3MouseDown(Game& g, bool rightButton) {
  if (rightButton) g.ClearMemo(MemoId::Memo3);
}

}  // namespace tovk
