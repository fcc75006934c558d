// The whole simulated contest: the player's station, the contact in hand,
// the clock, the log and score, the station pool, the section map, the radio
// and the options, each a group of its own, joined into one object whose
// members keep the game's established names.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "world/text.h"

namespace tovk {

// Colours are 32-bit values laid out 0x00BBGGRR; a system colour is
// 0xFF000000 plus the system colour's index (negative as a signed value).
using Colour = std::int32_t;

constexpr Colour SystemColour(int index) {
  return static_cast<Colour>(static_cast<std::uint32_t>(0xFF000000u) |
                             static_cast<std::uint32_t>(index));
}
constexpr Colour RgbColour(int r, int g, int b) {
  return (b << 16) | (g << 8) | r;
}

constexpr Colour kClBtnFace = SystemColour(15);
constexpr Colour kClWindow = SystemColour(5);
constexpr Colour kClWindowText = SystemColour(8);
constexpr Colour kClActiveBorder = SystemColour(10);

// Where the contact stands.
enum StationStateValue : std::uint8_t {
  ssNone = 0,
  ssCalledMe = 1,
  ssHeardQRZ = 2,
  ssHeardCQ = 3,
  ssQSOInProgress = 4,
  ssCalledSomeone = 5,
  ssCQSent = 6,
  ssHeardSection = 7,
};

// The parts of the other station's exchange, as PartReceived and PartText
// index them. The word "Check" is a part of its own; Signoff marks that the
// station has sent its exchange or thanked.
enum class Part : std::uint8_t {
  Number = 0,
  Precedence = 1,
  Call = 2,
  CheckWord = 3,
  Check = 4,
  Section = 5,
  Signoff = 7,
};
constexpr int kPartSlots = 8;  // entries 0..7; entry 6 is never used

// The five parts the player must copy before a contact can be logged.
constexpr std::array<Part, 5> kExchangeParts{Part::Number, Part::Precedence, Part::Call,
                                             Part::Check, Part::Section};

// A value for each part of the exchange, indexed by the part.
template <class T>
class ByPart {
 public:
  T& operator[](Part part) { return values_[static_cast<std::size_t>(part)]; }
  const T& operator[](Part part) const { return values_[static_cast<std::size_t>(part)]; }
  // Every entry in slot order, for the saved game and the variable listing.
  std::array<T, kPartSlots>& entries() { return values_; }
  const std::array<T, kPartSlots>& entries() const { return values_; }
  void fill(const T& value) { values_.fill(value); }
  friend bool operator==(const ByPart&, const ByPart&) = default;

 private:
  std::array<T, kPartSlots> values_{};
};

// How far a section has come on the section map.
enum class SectionState : std::uint8_t { Needed = 0, Heard = 1, Worked = 2 };

// Whether a pool station has been logged (the saved game also knows heard).
enum class StationLogState : std::uint8_t { NotWorked = 0, Heard = 1, Worked = 2 };

constexpr int kPoolCapacity = 3200;  // stations a station list may fill
constexpr int kPoolSize = 3201;      // entries 0..3200 of the pool arrays
constexpr int kSectionCount = 75;    // sections 0..74
constexpr int kSectionSlots = 81;    // entries 0..80 of the section arrays
constexpr int kAreaCount = 11;       // call areas W1..W0, VE
constexpr int kNoSection = 99;       // pool entry without a section

// Font of one of the three text windows, as the settings file keeps it.
struct FontLook {
  std::string name = "Courier New";
  Colour colour = kClWindowText;
  int height = -13;  // negative: character height in pixels
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

// The main window's look, kept in the settings file: size and position, the
// colours and fonts of the three text windows and the button groups' colours.
struct WindowLook {
  int width = 621;
  int height = 600;
  int top = 97;
  int left = 268;
  Colour incomingColour = 15793151;  // cream
  FontLook incomingFont{};
  bool incomingWordwrap = true;
  Colour logColour = kClWindow;
  FontLook logFont{"Courier New", kClWindowText, -11};
  Colour outgoingColour = 15780518;  // sky blue
  FontLook outgoingFont{"Courier New", 255, -13};
  Colour radioColour = 12639424;  // money green
  Colour macrosColour = kClActiveBorder;
  Colour dataColour = 15780518;
  Colour miscColour = 15793151;
  Colour bandColour = 12639424;       // follows radioColour
  Colour qsoNumberColour = 15780518;  // follows dataColour
};

// The player's own station.
struct OwnStation {
  Text<10> Mycall = "Q1AAA";
  Text<1> Myprec = "A";
  Text<2> Mycheck = "68";
  std::string Mysection = "MDC";
  Text<80> CQText;
  int PowerFactor = 30;
};

// The five parts of an exchange as texts: as a station sent them, or as the
// player logged them.
struct ExchangeText {
  std::string number;  // without the blanks the log pads it with
  std::string prec;
  std::string call;
  std::string check;
  std::string section;
  friend bool operator==(const ExchangeText&, const ExchangeText&) = default;
};

// A contact copied by ear: what the player logged and what the station
// really sent, for the log check.
struct EarCopiedContact {
  int serial = 0;  // the player's own serial number of the contact
  ExchangeText logged;
  ExchangeText sent;
  friend bool operator==(const EarCopiedContact&, const EarCopiedContact&) = default;
};

// The other station and the contact in hand.
struct ContactInHand {
  int StationIndex = 666;
  Text<10> Hiscall = "Q2BBB";
  Text<1> Hisprec = "Z";
  Text<10> Hisnumber = "99999999";
  Text<3> Hischeck = "XX";
  Text<6> Hissection = "NONE";
  Text<25> OtherCall = "Q1AAA";
  std::uint8_t StationState = ssNone;
  ByPart<bool> PartReceived{};
  ByPart<Text<10>> PartText{};
  bool ExchangeSent = false;
  int CallAttempts = 0;
  bool StationHeard = false;
  // The exchange the station in hand really sends, whatever the player
  // types: what a contact copied by ear is checked against.
  ExchangeText StationSent;
};

// A part of the exchange has been copied: received, and for the callsign and
// the section not blank, since a contact is logged under them.
bool PartCopied(const ContactInHand& c, Part part);

// The five parts the player must copy have all been copied (the word
// "Check" always counts as present).
inline bool EveryPartReceived(const ContactInHand& c) {
  for (Part part : kExchangeParts) {
    if (!PartCopied(c, part)) return false;
  }
  return true;
}

// The contest clock and the operating time.
struct ContestClock {
  int Day = 18;
  int Hour = 21;
  int Minute = 0;
  int Second = 0;
  int ElapsedMinutes = 0;
  int OpHours = 0;
  int OpMinutes = 0;
  bool Operating = false;
  int Activity = 6;
  Text<3> DayText;
  Text<3> HourText;
  Text<3> MinuteText;
};

// The log's serial number and the score's counters.
struct LogAndScore {
  int Mynumber = 0;
  Text<10> MynumberText;
  int SectionsWorked = 0;
  int DupeCount = 0;
  int ErrorCount = 0;
  // Every contact logged while copying by ear, in the order logged.
  std::vector<EarCopiedContact> EarCopied;
  // Copying by ear: where the lines said in the contact in hand stand in the
  // incoming window, shown as heard until the contact ends.
  std::vector<int> KeptBack;
};

// The stations that may be heard, read from the station list.
struct StationPool {
  std::array<Text<10>, kPoolSize> StationCall{};
  std::array<int, kPoolSize> StationSection{};
  std::array<StationLogState, kPoolSize> StationWorked{};
  std::array<Text<3>, kPoolSize> StationBand{};
  int StationMax = 0;
};

// The sections and call areas on the section map.
struct SectionMapState {
  std::array<Text<6>, kSectionSlots> SectionName{};
  std::array<SectionState, kSectionSlots> SectionStatus{};
  std::array<bool, kAreaCount> AreaComplete{};
};

// The radio: the band and the automatic CQ caller.
struct Radio {
  Text<3> Band = "99";
  bool AutoCQ = false;
  int AutoCQCount = 1;
  int TenMetreZone = 9;
};

// The sound of the band and copying by ear, kept in the settings file's
// [Sound] section.
struct SoundOptions {
  bool on = true;
  int volume = 80;             // 0..100
  int noise = 30;              // band noise 0..100
  std::string filter = "2.7";  // the receiver filter in kHz: "2.4", "2.7", "3.0" or "off"
  int speechRate = 100;        // percent of each voice's own rate, 50..200
  // What other stations say is heard but not shown until the contact ends,
  // and the entry fields hold only what the player typed.
  bool copyByEar = false;
  bool monitor = false;  // the player's own transmissions are heard too
  friend bool operator==(const SoundOptions&, const SoundOptions&) = default;
};

// The options kept in the settings file and set in the settings dialog.
struct Options {
  bool Debug = false;
  bool SilentMode = false;
  Text<1> SectionPosition = "L";
  bool AutoClear = true;
  bool AutoDetect = true;
  bool Assist = true;
  bool AutoSave = false;
  Colour NeededColour = 0xD0E2E8;
  Colour HeardColour = 0x00FFFF;
  Colour WorkedColour = 0x00FF00;
  Colour SectionsColour = 0x00FFFF;
  std::string SavedGameFile = "tovk.sav";
  std::string StationFile = "TOVK.SS";
  // Length of the next timeout, set by the settings dialog's OK.
  int TimeoutHours = 0;
  int TimeoutMinutes = 0;
  // The main window's look.
  WindowLook Look;
  SoundOptions Sound;
};

// The game fills the entry fields with what was copied: Auto detect on, and
// not copying by ear.
inline bool AutoDetecting(const Options& o) {
  return o.AutoDetect && !o.Sound.copyByEar;
}

// The whole contest, one object made of the groups above, each member by the
// game's established name.
struct GameState : OwnStation,
                   ContactInHand,
                   ContestClock,
                   LogAndScore,
                   StationPool,
                   SectionMapState,
                   Radio,
                   Options {
  GameState();

  // Scratch text of the operations that build a message in steps.
  std::string TempText;
};

}  // namespace tovk
