// From a line the game appends to its sound: who speaks, what reaches the
// speech engine, where the cues fall, and that a seeded game sounds the same.
#include "audio/band_sound.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "audio/band_mixer.h"
#include "audio/recording_engine.h"

namespace tovk::audio {
namespace {

GameState ContactOn40(const char* hiscall, const char* othercall) {
  GameState g;
  g.Mycall = "K1XYZ";
  g.Hiscall = hiscall;
  g.OtherCall = othercall;
  g.Hissection = "CT";
  g.StationIndex = 1;
  g.StationSection[1] = 0;
  g.Band = "40";
  g.Hour = 22;
  g.Hisnumber = "  12";
  g.Hisprec = "A";
  g.Hischeck = "68";
  const char* sent[] = {"12", "A", hiscall, "Check", "68", "CT"};
  for (int i = 0; i < 6; ++i) g.PartText[static_cast<tovk::Part>(i)] = sent[i];
  return g;
}

bool Contains(const std::vector<std::string>& said, const std::string& words) {
  return std::any_of(said.begin(), said.end(),
                     [&](const std::string& s) { return s.find(words) != std::string::npos; });
}

TEST(BandSound, lostPartsNeverReachTheSpeechEngine) {
  RecordingEngine engine;
  BandSound sound(engine, 1);
  const auto line =
      sound.Hear("K1XYZ UR!@$%&* A!@$%&* Check 68!@$%&*", ContactOn40("W1AW", "N2EQ"));
  ASSERT_TRUE(line);
  EXPECT_FALSE(Contains(engine.said, "one two"));
  EXPECT_FALSE(Contains(engine.said, "Whiskey One Alpha Whiskey"));
  EXPECT_FALSE(Contains(engine.said, "Connecticut"));
  EXPECT_TRUE(Contains(engine.said, "Alpha"));
  EXPECT_TRUE(Contains(engine.said, "six eight"));
}

TEST(BandSound, cuesFollowTheLineInOrderInsideItsSound) {
  RecordingEngine engine;
  BandSound sound(engine, 1);
  const auto line = sound.Hear("K1XYZ UR 12@$ W1AW Check 68 CT", ContactOn40("W1AW", "N2EQ"));
  ASSERT_TRUE(line);
  const std::vector<std::string> texts = {"K1XYZ", "UR", "12", "@$", "W1AW", "Check", "68", "CT"};
  ASSERT_EQ(line->cues.size(), texts.size());
  const double length = static_cast<double>(line->signal.size()) / kSampleRate;
  double previousEnd = 0;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(line->cues[i].text, texts[i]);
    EXPECT_GE(line->cues[i].start, previousEnd);
    EXPECT_GT(line->cues[i].end, line->cues[i].start);
    EXPECT_LE(line->cues[i].end, length);
    previousEnd = line->cues[i].end;
  }
}

TEST(BandSound, silenceAndNoEngineGiveNoSound) {
  RecordingEngine engine;
  BandSound sound(engine, 1);
  EXPECT_FALSE(sound.Hear("*** No response", ContactOn40("W1AW", "N2EQ")));
  EXPECT_FALSE(sound.Hear("", ContactOn40("W1AW", "N2EQ")));
  engine.ready = false;
  EXPECT_FALSE(sound.Hear("TU", ContactOn40("W1AW", "N2EQ")));
  EXPECT_TRUE(engine.said.empty());
}

TEST(BandSound, theSameCallAlwaysGetsTheSameVoiceAndTheThirdStationAnother) {
  SpeakerBook speakers;
  const GameState g = ContactOn40("W1AW", "N2EQ");
  EXPECT_EQ(speakers.SpeakerOf("TU", g).voice, StationVoice("W1AW"));
  EXPECT_EQ(speakers.SpeakerOf("N2EQ DE W1AW", g).voice, StationVoice("W1AW"));
  const char* calls[] = {"K1AA", "W3XX", "K5ZZ", "W6AB", "VE3QQ", "N2EQ", "W1AW", "KH6ZZ"};
  for (const char* hiscall : calls) {
    for (const char* othercall : calls) {
      const GameState contact = ContactOn40(hiscall, othercall);
      const Speaker first = speakers.SpeakerOf("#$%&*  QRM  ##@$%&*", contact);
      EXPECT_NE(speakers.OtherStation(first, contact).voice.name, first.voice.name)
          << hiscall << " " << othercall;
    }
  }
}

TEST(BandSound, broadcastsAndPhonePatchesHaveVoicesOfTheirOwn) {
  SpeakerBook speakers;
  const GameState g = ContactOn40("W1AW", "N2EQ");
  const Speaker opening = speakers.SpeakerOf("THIS IS THE BBC", g);
  EXPECT_EQ(opening.voice, BroadcastVoice("THE BBC"));
  EXPECT_EQ(speakers.SpeakerOf("A NEWS BROADCAST FOLLOWS", g).voice, opening.voice);
  const Speaker patch = speakers.SpeakerOf("CQ CQ CQ DE YV4ABC", g);
  EXPECT_EQ(patch.call, "YV4ABC");
  EXPECT_EQ(patch.voice, PhonePatchVoice("YV4ABC"));
}

TEST(BandSound, aSurePathIsLouderThanAWeakOneAndFadesLess) {
  SpeakerBook speakers;
  GameState g = ContactOn40("W1AW", "N2EQ");
  g.Band = "40";  // CT is always heard on 40 m
  const Speaker loud = speakers.SpeakerOf("TU", g);
  g.Band = "15";
  g.Hour = 23;  // and 1 in 10 on 15 m late in the evening
  const Speaker weak = speakers.SpeakerOf("TU", g);
  EXPECT_GT(loud.levelDb, weak.levelDb + 6);
  EXPECT_LT(loud.fadingDb, weak.fadingDb);
}

TEST(BandSound, theSameSeedGivesTheSameSoundAnotherSeedOther) {
  const auto mix = [](std::uint64_t seed) {
    RecordingEngine engine;
    BandSound sound(engine, seed);
    const GameState g = ContactOn40("W1AW", "N2EQ");
    sound.Hear("TU", g);
    const auto line = sound.Hear("K1XYZ UR!@$%&* A W1AW Check 68 CT", g);
    return sound.MixLastLine(*line);
  };
  EXPECT_EQ(mix(7), mix(7));
  EXPECT_NE(mix(7), mix(8));
}

TEST(BandMixer, stopsSpeechAtOnceWhileTheNoiseGoesOn) {
  BandSettings settings;
  BandMixer mixer(settings, 3);
  mixer.Queue(std::vector<float>(kSampleRate, 0.5f));
  std::vector<std::int16_t> block(441);
  mixer.Fill(block.data(), block.size());
  EXPECT_EQ(mixer.SpeechPending(), static_cast<std::size_t>(kSampleRate) - 441);
  mixer.StopSpeech();
  EXPECT_EQ(mixer.SpeechPending(), 0u);
  mixer.Fill(block.data(), block.size());
  EXPECT_TRUE(std::any_of(block.begin(), block.end(), [](std::int16_t s) { return s != 0; }));
}

}  // namespace
}  // namespace tovk::audio
