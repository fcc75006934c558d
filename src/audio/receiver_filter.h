// The receiver's filter: an SSB passband from 300 Hz up to 300 Hz plus the
// chosen width, made of two fourth-order Butterworth sections (a high pass
// and a low pass, each two biquads), or no filter at all.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tovk::audio {

// The filter widths of the receiver.
enum class FilterWidth { Narrow2400, Normal2700, Wide3000, Off };

// "2.4", "2.7", "3.0" or "off"; nothing for any other text.
std::optional<FilterWidth> FilterWidthNamed(std::string_view name);
std::string_view FilterWidthName(FilterWidth width);

// One second-order section (transposed direct form II).
class Biquad {
 public:
  static Biquad LowPass(double sampleRate, double frequency, double q);
  static Biquad HighPass(double sampleRate, double frequency, double q);
  float Process(float x) {
    const double y = b0_ * x + z1_;
    z1_ = b1_ * x - a1_ * y + z2_;
    z2_ = b2_ * x - a2_ * y;
    return static_cast<float>(y);
  }

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double z1_ = 0, z2_ = 0;
};

class ReceiverFilter {
 public:
  ReceiverFilter(int sampleRate, FilterWidth width);
  float Process(float x) {
    if (off_) return x;
    for (Biquad& stage : stages_) x = stage.Process(x);
    return x;
  }

 private:
  bool off_ = false;
  std::array<Biquad, 4> stages_{};
};

}  // namespace tovk::audio
