// The player between the game and the sound device: speech made on its own
// thread is heard over the band noise, a transmission cuts off what is heard
// and what is still being made, the player's own voice with Monitor, and a
// speech engine that cannot speak reported once.
#include "audio/band_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <future>
#include <thread>

#include "audio/recording_engine.h"

namespace tovk::audio {
namespace {

constexpr const char* kExchange = "K1XYZ UR 12 A W1AW Check 68 CT";
constexpr std::size_t kBlock = kSampleRate / 50;  // 20 ms

GameState Contact() {
  GameState g;
  g.Mycall = "K1XYZ";
  g.Hiscall = "W1AW";
  g.StationIndex = 1;
  g.StationSection[1] = 0;
  g.Band = "20";
  g.Hour = 18;
  return g;
}

// A speech engine whose first words wait until the test lets them through.
class GatedEngine final : public SpeechEngine {
 public:
  explicit GatedEngine(std::shared_future<void> gate) : gate_(std::move(gate)) {}
  bool Ready() const override { return true; }
  std::string Problem() const override { return {}; }
  int SampleRate() const override { return kSampleRate; }
  bool Say(const std::string& words, const Voice& voice,
           std::vector<std::int16_t>& samples) override {
    gate_.wait();
    return inner_.Say(words, voice, samples);
  }

 private:
  std::shared_future<void> gate_;
  RecordingEngine inner_;
};

// The loudest 20 ms block of the next `blocks`, past the quiet lead-in of a line.
double LoudestRms(BandPlayer& player, int blocks);

double BlockRms(BandPlayer& player) {
  std::vector<std::int16_t> block(kBlock);
  player.Fill(block.data(), block.size());
  double sum = 0;
  for (const std::int16_t sample : block) sum += static_cast<double>(sample) * sample;
  return std::sqrt(sum / static_cast<double>(block.size()));
}

double LoudestRms(BandPlayer& player, int blocks) {
  double loudest = 0;
  for (int i = 0; i < blocks; ++i) loudest = std::max(loudest, BlockRms(player));
  return loudest;
}

// Waits (up to a few seconds of the worker's time) until every line heard
// has been made into sound.
bool MadeEverything(const BandPlayer& player) {
  for (int i = 0; i < 500 && player.Making(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return !player.Making();
}

BandSettings QuietBand() {
  BandSettings settings;
  settings.noise = 10;
  return settings;
}

TEST(BandPlayer, speechRisesAboveTheNoiseAndATransmissionCutsItOffAndWhatIsStillBeingMade) {
  std::promise<void> open;
  const std::shared_future<void> gate = open.get_future().share();
  BandPlayer player([gate] { return std::make_unique<GatedEngine>(gate); }, 7);
  player.SetSettings(QuietBand());
  const GameState g = Contact();
  const double noise = BlockRms(player);
  ASSERT_GT(noise, 0);

  // The line waits in the engine when the player transmits: it never plays.
  player.Hear(kExchange, g);
  player.Transmit("W1AW DE K1XYZ", g, false);
  open.set_value();
  ASSERT_TRUE(MadeEverything(player));
  EXPECT_LT(BlockRms(player), 3 * noise);

  player.Hear(kExchange, g);
  ASSERT_TRUE(MadeEverything(player));
  EXPECT_GT(LoudestRms(player, 30), 10 * noise);
  EXPECT_FALSE(player.Quiet());  // the line goes on
  player.Transmit("QSL", g, false);
  EXPECT_TRUE(player.Quiet());
  BlockRms(player);  // the receiver filter rings out
  EXPECT_LT(BlockRms(player), 3 * noise);

  // Monitoring: the transmission itself is heard.
  player.Transmit("TU QRZ", g, true);
  ASSERT_TRUE(MadeEverything(player));
  EXPECT_GT(LoudestRms(player, 30), 3 * noise);
}

TEST(BandPlayer, anEngineThatCannotSpeakIsReportedOnceAndTheBandStaysNoise) {
  int reports = 0;
  std::string problem;
  BandPlayer player(
      [] {
        auto engine = std::make_unique<RecordingEngine>();
        engine->ready = false;
        return engine;
      },
      7,
      [&](const std::string& said) {
        ++reports;
        problem = said;
      });
  player.SetSettings(QuietBand());
  const GameState g = Contact();
  player.Hear(kExchange, g);
  player.Hear(kExchange, g);
  ASSERT_TRUE(MadeEverything(player));
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(problem, "no speech engine");
  EXPECT_EQ(player.FirstSpeechHanded().time_since_epoch().count(), 0);
}

}  // namespace
}  // namespace tovk::audio
