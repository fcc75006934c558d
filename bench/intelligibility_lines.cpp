// Lines of the game for the intelligibility check: a contest of CQs on every
// band and hour; each exchange a station sends becomes a WAV and a WebVTT
// file with the filter off at the default noise, and one line of
// lines.tsv: file, callsign, whether the callsign is lost, voice, the start
// and end of the callsign's cue, and the station's strength in dB.
//   intelligibility_lines DIR [CLEAR [LOST [NOISE]]]
// stops once CLEAR lines with the callsign in clear and LOST with it lost
// are written (100 and 40 without them); NOISE other than the default for
// tuning.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "audio/band_sound.h"
#include "audio/espeak_engine.h"
#include "audio/line_files.h"
#include "engine/actions.h"
#include "support/robot.h"
#include "world/clock.h"

namespace {

using namespace tovk::audio;

// The exchange's callsign is the fifth part said: own call, UR, number, precedence.
constexpr std::size_t kCallsignCue = 4;

class ListeningScreen final : public tovk::NullScreen {
 public:
  ListeningScreen(BandSound& sound, std::filesystem::path folder)
      : sound_(sound), folder_(std::move(folder)), manifest_(folder_ / "lines.tsv") {}

  tovk::Game* game = nullptr;
  int clearWanted = 100;
  int lostWanted = 40;

  bool AskYesNo(const std::string&) override { return true; }

  bool Done() const { return clear_ >= clearWanted && lost_ >= lostWanted; }

  void AppendLine(tovk::MemoId memo, const std::string& text) override {
    if (memo != tovk::MemoId::Incoming || game == nullptr) return;
    if (!text.starts_with(game->Mycall.str() + " UR")) return;
    const auto line = sound_.Hear(text, *game);
    if (!line || line->cues.size() <= kCallsignCue) return;
    const Cue& cue = line->cues[kCallsignCue];
    const bool lost = cue.text != game->Hiscall.str();
    int& count = lost ? lost_ : clear_;
    if (count >= (lost ? lostWanted : clearWanted)) return;
    ++count;
    char name[32];
    std::snprintf(name, sizeof name, "%06d.wav", clear_ + lost_);
    if (const auto error = WriteLineFiles(folder_ / name, sound_.MixLastLine(*line), line->cues)) {
      std::fprintf(stderr, "%s\n", error->c_str());
      return;
    }
    manifest_ << name << '\t' << game->Hiscall.str() << '\t' << (lost ? 1 : 0) << '\t'
              << StationVoice(game->Hiscall.str()).name << '\t' << cue.start << '\t' << cue.end
              << '\t' << SpeakerBook().SpeakerOf(text, *game).levelDb << '\n';
  }

 private:
  BandSound& sound_;
  std::filesystem::path folder_;
  std::ofstream manifest_;
  int clear_ = 0;
  int lost_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: intelligibility_lines DIR [CLEAR [LOST [NOISE]]]\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  EspeakEngine espeak;
  if (!espeak.Ready()) {
    std::fprintf(stderr, "No speech engine: %s\n", espeak.Problem().c_str());
    return 1;
  }
  BandSound sound(espeak, 15);
  sound.settings.filter = FilterWidth::Off;
  ListeningScreen screen(sound, folder);
  if (argc > 2) screen.clearWanted = std::stoi(argv[2]);
  if (argc > 3) screen.lostWanted = std::stoi(argv[3]);
  if (argc > 4) sound.settings.noise = std::stoi(argv[4]);

  tovk::SeededRandom random(15);
  tovk::Game g(screen, random);
  const std::filesystem::path stations = TOVK_STATION_LIST;
  tovk::testing::StartRobotContest(g, stations.parent_path(), {});
  screen.game = &g;
  const char* bands[] = {"80", "40", "20", "15", "10"};
  for (int cq = 0; !screen.Done() && cq < 200000; ++cq) {
    if (tovk::ContestIsOver(g)) tovk::testing::StartRobotContest(g, stations.parent_path(), {});
    if (cq % 10 == 0) {
      tovk::SelectBand(g, bands[random.Draw(5)]);
      g.Hour = random.Draw(24);
    }
    tovk::CallCq(g);
  }
  return screen.Done() ? 0 : 1;
}
