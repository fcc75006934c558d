// The log in ADIF 3.1.
#include "persist/adif.h"

#include <cstdio>

namespace tovk {
namespace {

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

}  // namespace

std::string AdifField(std::string_view name, std::string_view data) {
  std::string field = "<";
  field.append(name).append(":").append(std::to_string(data.size())).append(">").append(data);
  return field;
}

// The precedence and check fields hold what the other station sent: the
// record describes the contact from the player's side, and SRX/STX carry the
// received and sent serial numbers.
std::string AdifRecord(const LoggedContact& contact, const std::string& mycall) {
  std::string record;
  auto add = [&record](std::string_view name, std::string_view data) {
    record += AdifField(name, data);
    record += ' ';
  };
  add("CALL", contact.call);
  add("QSO_DATE", "197711" + TwoDigits(contact.day));
  add("TIME_ON", TwoDigits(contact.hour) + TwoDigits(contact.minute));
  add("BAND", contact.band + "m");
  add("MODE", "SSB");
  add("CONTEST_ID", "ARRL-SS-SSB");
  add("SRX", std::to_string(contact.number));
  add("STX", std::to_string(contact.serial));
  add("PRECEDENCE", contact.prec);
  add("CHECK", contact.check);
  add("ARRL_SECT", contact.section);
  if (!mycall.empty()) add("STATION_CALLSIGN", mycall);
  record += "<EOR>";
  return record;
}

ExportResult ExportAdif(const Game& g, std::ostream& out) {
  ParsedLog log = ParseLog(g.Lines(MemoId::Log));
  // The header's free text never starts with "<" and holds nothing the player typed.
  out << "Sweepstakes log exported by Tovk 1.0\r\n"
      << AdifField("ADIF_VER", "3.1.0") << "\r\n"
      << AdifField("PROGRAMID", "Tovk") << "\r\n"
      << AdifField("PROGRAMVERSION", "1.0") << "\r\n"
      << "<EOH>\r\n";
  for (const LoggedContact& contact : log.contacts) {
    out << AdifRecord(contact, g.Mycall.str()) << "\r\n";
  }

  ExportResult result;
  result.ok = static_cast<bool>(out);
  result.written = static_cast<int>(log.contacts.size());
  result.skipped = log.broken;
  return result;
}

ExportResult ExportAdifFile(const Game& g, const std::filesystem::path& file) {
  return WriteExportFile(file, [&g](std::ostream& out) { return ExportAdif(g, out); });
}

}  // namespace tovk
