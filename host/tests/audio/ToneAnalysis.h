#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <vector>

namespace parvalon::host::test {

// One channel of interleaved samples as doubles.
inline std::vector<double> channelOf(const std::vector<std::int16_t>& interleaved, std::size_t channels,
                                     std::size_t channel) {
  std::vector<double> out;
  for (std::size_t i = channel; i < interleaved.size(); i += channels) out.push_back(interleaved[i]);
  return out;
}

// Power of `signal` at `hz` (Goertzel).
inline double powerAt(const std::vector<double>& signal, double hz, double rate) {
  const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * hz / rate);
  double s1 = 0.0;
  double s2 = 0.0;
  for (double x : signal) {
    const double s0 = x + coefficient * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  return s1 * s1 + s2 * s2 - coefficient * s1 * s2;
}

// The strongest frequency between lowHz and highHz: a 5 Hz scan, then a 0.5 Hz refinement.
inline double dominantFrequency(const std::vector<double>& signal, double rate, double lowHz, double highHz) {
  double best = lowHz;
  double bestPower = -1.0;
  for (double hz = lowHz; hz <= highHz; hz += 5.0) {
    if (const double p = powerAt(signal, hz, rate); p > bestPower) {
      bestPower = p;
      best = hz;
    }
  }
  const double coarse = best;
  for (double hz = coarse - 5.0; hz <= coarse + 5.0; hz += 0.5) {
    if (const double p = powerAt(signal, hz, rate); p > bestPower) {
      bestPower = p;
      best = hz;
    }
  }
  return best;
}

inline double rms(const std::vector<double>& signal) {
  double sum = 0.0;
  for (double x : signal) sum += x * x;
  return signal.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(signal.size()));
}

// Interleaved stereo 16-bit sine of `frames` frames, both channels equal.
inline std::vector<std::int16_t> stereoSine(double hz, double amplitude, std::size_t frames, double rate,
                                            std::size_t firstFrame = 0) {
  std::vector<std::int16_t> out;
  out.reserve(frames * 2);
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(firstFrame + i) / rate;
    const auto v = static_cast<std::int16_t>(std::lround(amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * hz * t)));
    out.push_back(v);
    out.push_back(v);
  }
  return out;
}

}  // namespace parvalon::host::test
