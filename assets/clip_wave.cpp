// clip_wave.cpp: finishing, dithering and packing a clip into a WAVE file image.
#include "clip_wave.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace clips {

namespace {

void put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
  b.push_back(std::uint8_t(v));
  b.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}

void putTag(std::vector<std::uint8_t>& b, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(tag[i]));
}

// 1 in the body of the clip, falling along a raised cosine to exactly 0 at the first and last sample.
std::vector<double> fadeWindow(std::size_t n, int rate, double fadeIn, double fadeOut) {
  std::vector<double> w(n, 1.0);
  const auto ramp = [](double u) { return 0.5 - 0.5 * std::cos(kPi * std::clamp(u, 0.0, 1.0)); };
  const double in = std::max(1.0, fadeIn * rate);
  const double out = std::max(1.0, fadeOut * rate);
  for (std::size_t i = 0; i < n; ++i) {
    w[i] = std::min(ramp(double(i) / in), ramp(double(n - 1 - i) / out));
  }
  return w;
}

}  // namespace

std::vector<std::uint8_t> waveImage(Signal signal, const ClipFormat& format, const Finish& finish) {
  if (format.bits != 8 && format.bits != 16) throw std::invalid_argument("only 8- and 16-bit clips");
  const std::size_t n = format.frames();
  if (signal.s.size() != n || n < 2) throw std::invalid_argument("the clip does not fill its data chunk");
  std::vector<double>& x = signal.s;

  // Struck modes and noise bursts leave a slight offset and some inaudible rumble.
  Biquad rumble = Biquad::highPass(format.rate, 20, 0.707);
  for (double& v : x) v = rumble.process(v);

  const std::vector<double> w = fadeWindow(n, format.rate, finish.fadeIn, finish.fadeOut);
  double sum = 0, weight = 0;
  for (std::size_t i = 0; i < n; ++i) {
    x[i] *= w[i];
    sum += x[i];
    weight += w[i];
  }
  // What offset is left is taken out along the fade window, so the ends stay at silence.
  const double offset = sum / weight;
  double peak = 0;
  for (std::size_t i = 0; i < n; ++i) {
    x[i] -= offset * w[i];
    peak = std::max(peak, std::abs(x[i]));
  }
  const double gain = peak > 0 ? std::pow(10.0, finish.peakDb / 20) / peak : 0.0;

  const int bytesPerSample = format.bits / 8;
  const double full = format.bits == 8 ? 127.0 : 32767.0;
  std::vector<std::uint8_t> b;
  b.reserve(44 + format.dataBytes);
  putTag(b, "RIFF");
  put32(b, 36 + format.dataBytes);
  putTag(b, "WAVE");
  putTag(b, "fmt ");
  put32(b, 16);
  put16(b, 1);  // PCM
  put16(b, 1);  // mono
  put32(b, std::uint32_t(format.rate));
  put32(b, std::uint32_t(format.rate * bytesPerSample));
  put16(b, std::uint16_t(bytesPerSample));
  put16(b, std::uint16_t(format.bits));
  putTag(b, "data");
  put32(b, format.dataBytes);

  // Triangular dither of one step each way, faded with the clip so the ends are true silence.
  Noise dither(finish.ditherSeed);
  for (std::size_t i = 0; i < n; ++i) {
    const double d = 0.5 * (dither.next() + dither.next()) * w[i];
    // The peak leaves headroom; the clamp only makes sure no sample ever sits on the rail.
    const long q = std::clamp(std::lround(x[i] * gain * full + d), long(1 - full), long(full - 1));
    if (format.bits == 8) {
      b.push_back(std::uint8_t(128 + q));
    } else {
      put16(b, std::uint16_t(std::int16_t(q)));
    }
  }
  return b;
}

}  // namespace clips
