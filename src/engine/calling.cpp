// The other station's side of a contact: the player calls the station heard,
// and the station answers the player, works somebody else, or says it has
// been worked before.
#include "engine/actions.h"

#include <string>

#include "engine/station_in_hand.h"
#include "world/clock.h"
#include "world/sections.h"

namespace tovk {
namespace {

std::string Trimmed(const std::string& text) {
  auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// The call line to a station whose callsign may not have been copied.
std::string CallLine(const Game& g, bool sectionFallback) {
  if (g.PartReceived[2]) return g.Hiscall + " DE " + g.Mycall;
  if (sectionFallback) return "QRZ " + g.Hissection + " DE " + g.Mycall;
  return "QRZ DE " + g.Mycall;
}

void CallStationThatCalledMe(Game& g, const std::string& line) {
  g.AppendLine(MemoId::Memo3, line);
  if (HeardByStation(g)) {
    StationReply(g);
    return;
  }
  NoResponse(g, 1);
}

// A station calling CQ or asking QRZ: if it hears the player it answers the
// player or whoever else called it.
void CallStationLookingForContacts(Game& g) {
  if (!HeardByStation(g)) {
    NoResponse(g, 1);
    return;
  }
  if (PowerChance(g)) {
    StationReply(g);
    return;
  }
  AnswerOtherStation(g);
}

void CallStationInQSO(Game& g) {
  int reaction = g.Draw(3);
  g.AppendLine(MemoId::Memo3, g.Hiscall + " DE " + g.Mycall);
  if (reaction == 0) {
    CallStationLookingForContacts(g);
    return;
  }
  if (reaction == 1) {
    // Its contact has just ended: it is asking QRZ now.
    g.StationState = ssHeardQRZ;
    NoResponse(g, 1);
    return;
  }
  if (g.Draw(10) < 5) g.AppendLine(MemoId::Memo1, "I'M IN QSO");
  g.AppendLine(MemoId::Memo1, g.OtherCall + " DE " + g.Hiscall + " SRI QRM, RPT");
}

void CallStationThatCalledSomeone(Game& g) {
  constexpr const char* kQrm = "#$%&*  QRM  ##@$%&*";
  g.AppendLine(MemoId::Memo3, g.Hiscall + " DE " + g.Mycall);
  if (HeardByStation(g)) {
    g.AppendLine(MemoId::Memo1, "FREQUENCY IS IN USE OM");
    return;
  }
  if (HeardByStation(g)) {
    g.AppendLine(MemoId::Memo1, kQrm);
    return;
  }
  if (g.Band == "40" && g.Hour >= 20 && !HeardByStation(g)) {
    g.AppendLine(MemoId::Memo1, kQrm);
    return;
  }
  if (HeardByStation(g)) {
    AnswerOtherStation(g);
    return;
  }
  StationReply(g);
}

// A station already worked declines; false when it answers after all.
bool DeclinedAsWorkedBefore(Game& g) {
  if (!(g.Draw(10) < 7 && StationInHandWorked(g))) return false;
  switch (g.Draw(7)) {
    case 0:
      g.AppendLine(MemoId::Memo1, g.Mycall + " Worked before");
      break;
    case 1:
      g.AppendLine(MemoId::Memo1, g.Mycall + " Worked B4");
      break;
    case 2:
      g.AppendLine(MemoId::Memo1, g.Mycall + " B4");
      break;
    case 3:
      g.AppendLine(MemoId::Memo1, g.Mycall + " B4 B4");
      break;
    default:
      NoResponse(g, 1);
      break;
  }
  return true;
}

// The station sends its exchange; each part not yet copied is lost in noise
// with even odds.
void SendExchange(Game& g) {
  g.PartText[0] = g.Hisnumber.str();
  g.PartText[1] = g.Hisprec.str();
  g.PartText[2] = g.Hiscall.str();
  g.PartText[3] = "Check";
  g.PartText[4] = g.Hischeck.str();
  g.PartText[5] = g.Hissection.str();
  if (g.Hissection == "NWT" && g.Draw(10) >= 5) g.PartText[5] = "YU";
  g.PartReceived[7] = true;

  if (g.Draw(10) == 9) {
    g.AppendLine(MemoId::Memo1, g.Mycall + " DE " + g.Hiscall);
    g.PartReceived[2] = true;
    AutoFillSectionFromPrefix(g);
    return;
  }
  std::string line = g.Mycall + " UR";
  for (int part = 0; part <= 5; ++part) {
    if (g.PartReceived[part] || g.Draw(10) >= 5) {
      g.PartReceived[part] = true;
      line += ' ';
      line += Trimmed(g.PartText[part]);
      continue;
    }
    line += part == 1 ? "@$" : "!@$%&*";
  }
  g.AppendLine(MemoId::Memo1, line);
  if (g.Draw(10) < 4) g.AppendLine(MemoId::Memo1, "QSL?");
}

// With AutoDetect on, what was copied goes into the entry fields.
void FillCopiedFields(Game& g) {
  if (!g.AutoDetect) return;
  if (g.PartReceived[0]) SetFieldText(g, Field::Editnumber, g.Hisnumber);
  if (g.PartReceived[1]) SetFieldText(g, Field::EditPrc, g.Hisprec);
  if (g.PartReceived[2]) SetFieldText(g, Field::Edithiscall, g.Hiscall);
  if (g.PartReceived[4]) SetFieldText(g, Field::Editcheck, g.Hischeck);
  if (!g.PartReceived[5]) return;
  SetFieldText(g, Field::EditSection, g.Hissection);
  MarkSectionHeard(g);
}

}  // namespace

void ToolButtonCallhimClick(Game& g) {
  g.SetTimer1(false);
  ++g.CallAttempts;
  AdvanceClock(g, 1 + g.Draw(3), true);
  switch (g.StationState) {
    case ssCalledMe:
      CallStationThatCalledMe(g, CallLine(g, g.PartReceived[5]));
      break;
    case ssHeardSection:
      CallStationThatCalledMe(g, CallLine(g, true));
      break;
    case ssHeardQRZ:
    case ssHeardCQ:
      g.AppendLine(MemoId::Memo3, g.Hiscall + " DE " + g.Mycall);
      CallStationLookingForContacts(g);
      break;
    case ssQSOInProgress:
      CallStationInQSO(g);
      break;
    case ssCalledSomeone:
      CallStationThatCalledSomeone(g);
      break;
    default:  // nobody there (ssNone, ssCQSent)
      g.AppendLine(MemoId::Memo3, "QRZ DE " + g.Mycall);
      g.CallAttempts = 0;
      NoResponse(g, 1);
      break;
  }
  EngineStep(g);
}

void StationReply(Game& g) {
  if (DeclinedAsWorkedBefore(g)) return;
  SendExchange(g);
  FillCopiedFields(g);
  g.StationState = ssCalledMe;
  EngineStep(g);
}

bool HeardByStation(Game& g) {
  return g.Draw(g.PowerFactor) < g.CallAttempts;
}

bool PowerChance(Game& g) {
  int draw = g.Draw(10);
  return g.PowerFactor == 10 ? draw > 3 : draw > 6;
}

void AnswerOtherStation(Game& g) {
  g.OtherCall = g.Hiscall.str();
  g.StationState = ssQSOInProgress;
  ChooseOtherCall(g);
  g.AppendLine(MemoId::Memo1, g.OtherCall + " DE " + g.Hiscall);
  g.PartReceived[2] = true;
}

}  // namespace tovk
