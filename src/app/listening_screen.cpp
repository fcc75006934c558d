// Passing the game's lines on as heard, transmitted or shown.
#include "app/listening_screen.h"

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
  if (restoring_ || !IsSaidOnTheAir(line)) {
    frontEnd_.AppendLine(MemoId::Incoming, line);
    return;
  }
  if (options_ == nullptr || !options_->Sound.copyByEar) {
    frontEnd_.HearLine(line, line);
    return;
  }
  hidden_.push_back({incomingLines_, line});
  frontEnd_.HearLine(line, std::string(kHeardMark));
}

void ListeningScreen::ClearLines(MemoId memo) {
  if (memo == MemoId::Incoming) {
    incomingLines_ = 0;
    for (HiddenLine& line : hidden_) line.place = -1;
  }
  frontEnd_.ClearLines(memo);
}

void ListeningScreen::Reveal() {
  if (hidden_.empty()) return;
  const std::vector<HiddenLine> lines = std::exchange(hidden_, {});
  frontEnd_.RevealLines(lines);
}

}  // namespace tovk
