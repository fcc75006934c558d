// Who speaks an incoming line, in which voice and how strong: the station in
// hand, the third station of a contact, a phone-patch seeker, a broadcast
// station or a station already on the frequency. Voices come from a hash of
// the callsign, so a station sounds the same in every game.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "world/game_state.h"

namespace tovk::audio {

// A voice as the speech engine takes it.
struct Voice {
  std::string name = "en-us";  // espeak-ng voice and variant: "en-us+f3"
  int pitch = 50;              // 0..100
  int range = 50;              // pitch range 0..100
  int rate = 175;              // words per minute
  bool operator==(const Voice&) const = default;
};

// One station on the air as the listener hears it.
struct Speaker {
  std::string call;  // callsign, or the broadcaster's name
  Voice voice;
  double levelDb = 0;   // signal strength against a loud station
  double fadingDb = 0;  // depth of the slow fading (QSB); 0: steady
};

// The voice variants the contest stations speak with (male and female).
extern const std::array<const char*, 11> kStationVariants;

// The voice of a contest station.
Voice StationVoice(std::string_view call);
// A voice for `call` that does not sound like `other` (another variant).
Voice VoiceUnlike(std::string_view call, const Voice& other);
// The voices of the non-contest stations: phone-patch seekers, broadcasts.
Voice PhonePatchVoice(std::string_view call);
Voice BroadcastVoice(std::string_view station);

// The player's own voice, heard when monitoring the transmissions: another
// accent than the stations', and lower.
Speaker OwnSpeaker(std::string_view mycall);

// The strength of the station in hand from its section's path on the
// current band and hour: loud on a sure path, weaker on a 4-in-10 or
// 1-in-10 path, with slow fading on the weak ones.
void SetStrengthByPath(Speaker& speaker, const GameState& g, int section);

// Picks who speaks the lines of the incoming window. It remembers the
// broadcast being heard, whose later lines do not name the station.
class SpeakerBook {
 public:
  Speaker SpeakerOf(std::string_view line, const GameState& g);
  // The second voice of a QRM line: the third station, unlike the first.
  Speaker OtherStation(const Speaker& first, const GameState& g) const;

 private:
  std::string broadcaster_ = "RADIO MOSCOW";
};

}  // namespace tovk::audio
