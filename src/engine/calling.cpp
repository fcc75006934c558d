// The other station's side of a contact: the player calls the station heard,
// and the station answers the player, works somebody else, or says it has
// been worked before.
#include "engine/actions.h"

#include <string>

#include "engine/station_in_hand.h"
#include "world/clock.h"
#include "world/sections.h"
#include "world/text.h"

namespace tovk {
namespace {

// The call line to a station whose callsign may not have been copied.
std::string CallLine(const Game& g, bool sectionFallback) {
  if (g.PartReceived[Part::Call]) return g.Hiscall + " DE " + g.Mycall;
  if (sectionFallback) return "QRZ " + g.Hissection + " DE " + g.Mycall;
  return "QRZ DE " + g.Mycall;
}

void CallStationThatCalledMe(Game& g, const std::string& line) {
  g.AppendLine(MemoId::Outgoing, line);
  if (HeardByStation(g)) {
    StationReply(g);
    return;
  }
  NoResponse(g, NoResponseKind::NoResponse);
}

// A station calling CQ or asking QRZ: if it hears the player it answers the
// player or whoever else called it.
void CallStationLookingForContacts(Game& g) {
  if (!HeardByStation(g)) {
    NoResponse(g, NoResponseKind::NoResponse);
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
  g.AppendLine(MemoId::Outgoing, g.Hiscall + " DE " + g.Mycall);
  if (reaction == 0) {
    CallStationLookingForContacts(g);
    return;
  }
  if (reaction == 1) {
    // Its contact has just ended: it is asking QRZ now.
    g.StationState = ssHeardQRZ;
    NoResponse(g, NoResponseKind::NoResponse);
    return;
  }
  if (g.Draw(10) < 5) g.AppendLine(MemoId::Incoming, "I'M IN QSO");
  g.AppendLine(MemoId::Incoming, g.OtherCall + " DE " + g.Hiscall + " SRI QRM, RPT");
}

void CallStationThatCalledSomeone(Game& g) {
  constexpr const char* kQrm = "#$%&*  QRM  ##@$%&*";
  g.AppendLine(MemoId::Outgoing, g.Hiscall + " DE " + g.Mycall);
  if (HeardByStation(g)) {
    g.AppendLine(MemoId::Incoming, "FREQUENCY IS IN USE OM");
    return;
  }
  if (HeardByStation(g)) {
    g.AppendLine(MemoId::Incoming, kQrm);
    return;
  }
  if (g.Band == "40" && g.Hour >= 20 && !HeardByStation(g)) {
    g.AppendLine(MemoId::Incoming, kQrm);
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
      g.AppendLine(MemoId::Incoming, g.Mycall + " Worked before");
      break;
    case 1:
      g.AppendLine(MemoId::Incoming, g.Mycall + " Worked B4");
      break;
    case 2:
      g.AppendLine(MemoId::Incoming, g.Mycall + " B4");
      break;
    case 3:
      g.AppendLine(MemoId::Incoming, g.Mycall + " B4 B4");
      break;
    default:
      NoResponse(g, NoResponseKind::NoResponse);
      break;
  }
  return true;
}

// The station sends its exchange; each part not yet copied is lost in noise
// with even odds.
void StationSendsExchange(Game& g) {
  g.PartText[Part::Number] = g.Hisnumber.str();
  g.PartText[Part::Precedence] = g.Hisprec.str();
  g.PartText[Part::Call] = g.Hiscall.str();
  g.PartText[Part::CheckWord] = "Check";
  g.PartText[Part::Check] = g.Hischeck.str();
  g.PartText[Part::Section] = g.Hissection.str();
  if (g.Hissection == "NWT" && g.Draw(10) >= 5) g.PartText[Part::Section] = "YU";
  g.PartReceived[Part::Signoff] = true;

  if (g.Draw(10) == 9) {
    g.AppendLine(MemoId::Incoming, g.Mycall + " DE " + g.Hiscall);
    g.PartReceived[Part::Call] = true;
    AutoFillSectionFromPrefix(g);
    return;
  }
  std::string line = g.Mycall + " UR";
  for (Part part :
       {Part::Number, Part::Precedence, Part::Call, Part::CheckWord, Part::Check, Part::Section}) {
    if (g.PartReceived[part] || g.Draw(10) >= 5) {
      g.PartReceived[part] = true;
      line += ' ';
      line += Trim(g.PartText[part].str(), " ");
      continue;
    }
    line += part == Part::Precedence ? "@$" : "!@$%&*";
  }
  g.AppendLine(MemoId::Incoming, line);
  if (g.Draw(10) < 4) g.AppendLine(MemoId::Incoming, "QSL?");
}

// With Auto detect on (and not copying by ear), what was copied goes into the
// entry fields.
void FillCopiedFields(Game& g) {
  if (!AutoDetecting(g)) return;
  if (g.PartReceived[Part::Number]) SetFieldText(g, Field::Number, g.Hisnumber);
  if (g.PartReceived[Part::Precedence]) SetFieldText(g, Field::Precedence, g.Hisprec);
  if (g.PartReceived[Part::Call]) SetFieldText(g, Field::Call, g.Hiscall);
  if (g.PartReceived[Part::Check]) SetFieldText(g, Field::Check, g.Hischeck);
  if (!g.PartReceived[Part::Section]) return;
  SetFieldText(g, Field::Section, g.Hissection);
  MarkSectionHeard(g);
}

}  // namespace

void CallStation(Game& g) {
  g.SetAutoCqTimer(false);
  ++g.CallAttempts;
  AdvanceClock(g, 1 + g.Draw(3), true);
  switch (g.StationState) {
    case ssCalledMe:
      CallStationThatCalledMe(g, CallLine(g, g.PartReceived[Part::Section]));
      break;
    case ssHeardSection:
      CallStationThatCalledMe(g, CallLine(g, true));
      break;
    case ssHeardQRZ:
    case ssHeardCQ:
      g.AppendLine(MemoId::Outgoing, g.Hiscall + " DE " + g.Mycall);
      CallStationLookingForContacts(g);
      break;
    case ssQSOInProgress:
      CallStationInQSO(g);
      break;
    case ssCalledSomeone:
      CallStationThatCalledSomeone(g);
      break;
    default:  // nobody there (ssNone, ssCQSent)
      g.AppendLine(MemoId::Outgoing, "QRZ DE " + g.Mycall);
      g.CallAttempts = 0;
      NoResponse(g, NoResponseKind::NoResponse);
      break;
  }
  EngineStep(g);
}

void StationReply(Game& g) {
  if (DeclinedAsWorkedBefore(g)) return;
  StationSendsExchange(g);
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
  g.AppendLine(MemoId::Incoming, g.OtherCall + " DE " + g.Hiscall);
  g.PartReceived[Part::Call] = true;
}

}  // namespace tovk
