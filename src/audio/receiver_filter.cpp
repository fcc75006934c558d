// The receiver filter's coefficients (the audio equaliser cookbook's
// biquads) and the widths by name.
#include "audio/receiver_filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tovk::audio {
namespace {

constexpr double kLowEdge = 300.0;
// The two Q values of a fourth-order Butterworth response.
constexpr std::array<double, 2> kButterworthQ = {0.5411961, 1.3065630};

double Width(FilterWidth width) {
  switch (width) {
    case FilterWidth::Narrow2400:
      return 2400.0;
    case FilterWidth::Wide3000:
      return 3000.0;
    default:
      return 2700.0;
  }
}

}  // namespace

std::optional<FilterWidth> FilterWidthNamed(std::string_view name) {
  if (name == "2.4") return FilterWidth::Narrow2400;
  if (name == "2.7") return FilterWidth::Normal2700;
  if (name == "3.0") return FilterWidth::Wide3000;
  if (name == "off") return FilterWidth::Off;
  return std::nullopt;
}

std::string_view FilterWidthName(FilterWidth width) {
  switch (width) {
    case FilterWidth::Narrow2400:
      return "2.4";
    case FilterWidth::Wide3000:
      return "3.0";
    case FilterWidth::Off:
      return "off";
    default:
      return "2.7";
  }
}

Biquad Biquad::LowPass(double sampleRate, double frequency, double q) {
  const double w = 2.0 * std::numbers::pi * frequency / sampleRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double a0 = 1.0 + alpha;
  Biquad f;
  f.b0_ = (1.0 - std::cos(w)) / 2.0 / a0;
  f.b1_ = (1.0 - std::cos(w)) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2.0 * std::cos(w) / a0;
  f.a2_ = (1.0 - alpha) / a0;
  return f;
}

Biquad Biquad::HighPass(double sampleRate, double frequency, double q) {
  const double w = 2.0 * std::numbers::pi * frequency / sampleRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double a0 = 1.0 + alpha;
  Biquad f;
  f.b0_ = (1.0 + std::cos(w)) / 2.0 / a0;
  f.b1_ = -(1.0 + std::cos(w)) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2.0 * std::cos(w) / a0;
  f.a2_ = (1.0 - alpha) / a0;
  return f;
}

ReceiverFilter::ReceiverFilter(int sampleRate, FilterWidth width) {
  off_ = width == FilterWidth::Off;
  const double high = std::min(kLowEdge + Width(width), sampleRate * 0.45);
  stages_[0] = Biquad::HighPass(sampleRate, kLowEdge, kButterworthQ[0]);
  stages_[1] = Biquad::HighPass(sampleRate, kLowEdge, kButterworthQ[1]);
  stages_[2] = Biquad::LowPass(sampleRate, high, kButterworthQ[0]);
  stages_[3] = Biquad::LowPass(sampleRate, high, kButterworthQ[1]);
}

}  // namespace tovk::audio
