// Voices from callsigns, strengths from propagation, and who speaks a line.
#include "audio/voices.h"

#include <array>

#include "audio/sound_random.h"
#include "world/station_pool.h"

namespace tovk::audio {

// Variant f3 is left out: the recogniser of the intelligibility benchmark
// misses its callsigns too often.
const std::array<const char*, 11> kStationVariants = {"m1", "m2", "m3", "m4", "m5", "m6",
                                                      "m7", "f1", "f2", "f4", "f5"};

namespace {

// A voice spread over `variants` by the hash of `key`, with pitch, range and
// rate inside the given spans.
template <std::size_t N>
Voice HashedVoice(std::string_view language, const std::array<const char*, N>& variants,
                  std::uint64_t hash, int slowestRate, int rateSpan) {
  std::uint64_t state = hash;
  Voice voice;
  voice.name = std::string(language) + "+" + variants[SplitMix64(state) % N];
  voice.pitch = 35 + static_cast<int>(SplitMix64(state) % 26);
  voice.range = 35 + static_cast<int>(SplitMix64(state) % 41);
  voice.rate = slowestRate + static_cast<int>(SplitMix64(state) % (rateSpan + 1));
  return voice;
}

constexpr std::array<const char*, 4> kPatchVariants = {"m3", "m6", "f2", "m7"};
constexpr std::array<const char*, 3> kBroadcastVariants = {"m1", "m4", "f2"};

// A station's own offset of strength, -2..+2 dB.
double OwnStrength(std::string_view call) {
  return static_cast<double>(Fnv1a(call, Fnv1a("strength")) % 5) - 2.0;
}

bool StartsWith(std::string_view text, std::string_view start) {
  return text.starts_with(start);
}

// The broadcaster named by the first line of a broadcast, or nothing.
std::string_view BroadcasterNamed(std::string_view line) {
  for (const std::string_view opening : {"THIS IS ", "YOU ARE LISTENING TO "}) {
    if (!StartsWith(line, opening)) continue;
    const std::string_view station = line.substr(opening.size());
    if (station == "RADIO NEWSREEL") return {};
    if (StartsWith(station, "RADIO ") || station == "THE BBC") return station;
  }
  return {};
}

bool IsBroadcastFollowUp(std::string_view line) {
  return line == "THIS IS RADIO NEWSREEL" || line == "A NEWS BROADCAST FOLLOWS" ||
         line == "YOU HAVE BEEN LISTENING TO A COMMENTARY ON THE NEWS";
}

// The callsign of a phone-patch seeker's line, or nothing.
std::string_view PhonePatchCall(std::string_view line, const GameState& g) {
  constexpr std::string_view kCq = "CQ CQ CQ DE ";
  if (StartsWith(line, kCq) && line.substr(kCq.size()) != g.Hiscall.str())
    return line.substr(kCq.size());
  constexpr std::string_view kThisIs = "THIS IS ";
  const auto patch = line.find(" LOOKING FOR A PHONE PATCH");
  if (StartsWith(line, kThisIs) && patch != std::string_view::npos)
    return line.substr(kThisIs.size(), patch - kThisIs.size());
  return {};
}

int SectionOf(const GameState& g) {
  if (g.StationIndex < 0 || g.StationIndex >= kPoolSize) return -1;
  return g.StationSection[g.StationIndex];
}

}  // namespace

Voice StationVoice(std::string_view call) {
  return HashedVoice("en-us", kStationVariants, Fnv1a(call), 145, 35);
}

Voice VoiceUnlike(std::string_view call, const Voice& other) {
  Voice voice = StationVoice(call);
  for (std::uint64_t salt = 1; voice.name == other.name; ++salt)
    voice =
        HashedVoice("en-us", kStationVariants, Fnv1a(call, salt * 0x9e3779b97f4a7c15ull), 145, 35);
  return voice;
}

Voice PhonePatchVoice(std::string_view call) {
  return HashedVoice("en-029", kPatchVariants, Fnv1a(call), 140, 25);
}

Voice BroadcastVoice(std::string_view station) {
  return HashedVoice("en-gb-x-rp", kBroadcastVariants, Fnv1a(station), 145, 15);
}

Speaker OwnSpeaker(std::string_view mycall) {
  Speaker own{std::string(mycall), {"en+m3", 45, 50, 170}};
  own.levelDb = -9;
  return own;
}

void SetStrengthByPath(Speaker& speaker, const GameState& g, int section) {
  const char code = PropagationCode(g, section);
  double level = -9;
  double fading = 6;
  switch (code) {
    case 'A':
      level = 0;
      fading = 0;
      break;
    case 's':
      level = -2;
      fading = 3;
      break;
    case 'h':
      level = -4;
      fading = 4;
      break;
    case '4':
      level = -6;
      fading = 5;
      break;
    default:
      break;
  }
  speaker.levelDb = level + OwnStrength(speaker.call);
  speaker.fadingDb = fading;
}

Speaker SpeakerBook::SpeakerOf(std::string_view line, const GameState& g) {
  if (const std::string_view named = BroadcasterNamed(line); !named.empty()) {
    broadcaster_ = named;
  }
  if (!BroadcasterNamed(line).empty() || IsBroadcastFollowUp(line)) {
    return {broadcaster_, BroadcastVoice(broadcaster_), 3, 0};
  }
  if (const std::string_view patch = PhonePatchCall(line, g); !patch.empty()) {
    return {std::string(patch), PhonePatchVoice(patch), -6, 6};
  }
  if (line == "FREQUENCY IS IN USE OM") {
    // A station already on the frequency, nobody the game names: one voice
    // per moment of the contest.
    const std::string moment = "busy " + std::to_string(g.Day) + ":" + std::to_string(g.Hour) +
                               ":" + std::to_string(g.Minute) + ":" + std::to_string(g.Second);
    return {moment, VoiceUnlike(moment, StationVoice(g.Hiscall.str())), -2, 3};
  }
  Speaker speaker{g.Hiscall.str(), StationVoice(g.Hiscall.str())};
  SetStrengthByPath(speaker, g, SectionOf(g));
  return speaker;
}

Speaker SpeakerBook::OtherStation(const Speaker& first, const GameState& g) const {
  Speaker other{g.OtherCall.str(), VoiceUnlike(g.OtherCall.str(), first.voice)};
  SetStrengthByPath(other, g, -1);
  other.levelDb = first.levelDb - 2;
  return other;
}

}  // namespace tovk::audio
