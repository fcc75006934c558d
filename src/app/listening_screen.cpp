// Passing the game's lines on as heard, transmitted or shown.
#include "app/listening_screen.h"

#include <algorithm>
#include <utility>

#include "world/on_the_air.h"

namespace tovk {

void ListeningScreen::AppendLine(MemoId memo, const std::string& line) {
  if (memo == MemoId::Incoming) {
    HearIncoming(line);
    ++incomingLines_;
    return;
  }
  if (memo == MemoId::Outgoing && !restoring_) {
    frontEnd_.TransmitLine(line);
    return;
  }
  frontEnd_.AppendLine(memo, line);
}

void ListeningScreen::HearIncoming(const std::string& line) {
  if (restoring_) {
    if (CopyingByEar()) {
      restored_.push_back({incomingLines_, line});
    } else {
      frontEnd_.AppendLine(MemoId::Incoming, line);
    }
    return;
  }
  if (!IsSaidOnTheAir(line)) {
    frontEnd_.AppendLine(MemoId::Incoming, line);
    return;
  }
  if (!CopyingByEar()) {
    frontEnd_.HearLine(line, line);
    return;
  }
  hidden_.push_back({incomingLines_, line});
  KeepPlaces();
  frontEnd_.HearLine(line, std::string(kHeardMark));
}

void ListeningScreen::ClearLines(MemoId memo) {
  if (memo == MemoId::Incoming) {
    incomingLines_ = 0;
    if (restoring_) {
      // The game is being replaced: what it kept back goes with it.
      hidden_.clear();
      restored_.clear();
    }
    for (HiddenLine& line : hidden_) line.place = -1;
    KeepPlaces();
  }
  frontEnd_.ClearLines(memo);
}

void ListeningScreen::SetRestoring(bool restoring) {
  const bool ending = restoring_ && !restoring;
  restoring_ = restoring;
  if (ending) ShowRestoredLines();
}

void ListeningScreen::ShowRestoredLines() {
  const std::vector<HiddenLine> lines = std::exchange(restored_, {});
  if (lines.empty()) return;
  const std::vector<int> keep = game_->KeptBack;
  for (const HiddenLine& line : lines) {
    const bool kept =
        IsSaidOnTheAir(line.text) && std::find(keep.begin(), keep.end(), line.place) != keep.end();
    if (kept) hidden_.push_back(line);
    frontEnd_.AppendLine(MemoId::Incoming, kept ? std::string(kHeardMark) : line.text);
  }
  KeepPlaces();
}

void ListeningScreen::Reveal() {
  if (hidden_.empty()) return;
  const std::vector<HiddenLine> lines = std::exchange(hidden_, {});
  KeepPlaces();
  frontEnd_.RevealLines(lines);
}

void ListeningScreen::KeepPlaces() {
  if (game_ == nullptr) return;
  game_->KeptBack.clear();
  for (const HiddenLine& line : hidden_) {
    if (line.place >= 0) game_->KeptBack.push_back(line.place);
  }
}

}  // namespace tovk
