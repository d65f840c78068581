// clip_synth.cpp: noise, filters, struck modes, the formant voice and the small room of the clip generator.
#include "clip_synth.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace clips {

std::size_t Signal::frameAt(double seconds) const {
  if (seconds <= 0) return 0;
  return std::min(s.size(), std::size_t(std::lround(seconds * rate)));
}

double Noise::next() {
  // xorshift64*: small, fast and the same on every machine.
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  const std::uint64_t r = state_ * 0x2545F4914F6CDD1DULL;
  return double(r >> 11) * (2.0 / 9007199254740992.0) - 1.0;
}

namespace {

struct Shape {
  double w0, cosw, alpha;
};

Shape shapeOf(double rate, double freq, double q) {
  const double w0 = 2 * kPi * freq / rate;
  return {w0, std::cos(w0), std::sin(w0) / (2 * q)};
}

}  // namespace

Biquad Biquad::lowPass(double rate, double freq, double q) {
  const Shape k = shapeOf(rate, freq, q);
  const double a0 = 1 + k.alpha;
  Biquad f;
  f.b0_ = (1 - k.cosw) / 2 / a0;
  f.b1_ = (1 - k.cosw) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * k.cosw / a0;
  f.a2_ = (1 - k.alpha) / a0;
  return f;
}

Biquad Biquad::highPass(double rate, double freq, double q) {
  const Shape k = shapeOf(rate, freq, q);
  const double a0 = 1 + k.alpha;
  Biquad f;
  f.b0_ = (1 + k.cosw) / 2 / a0;
  f.b1_ = -(1 + k.cosw) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * k.cosw / a0;
  f.a2_ = (1 - k.alpha) / a0;
  return f;
}

Biquad Biquad::bandPass(double rate, double freq, double q) {
  const Shape k = shapeOf(rate, freq, q);
  const double a0 = 1 + k.alpha;
  Biquad f;
  f.b0_ = k.alpha / a0;
  f.b1_ = 0;
  f.b2_ = -k.alpha / a0;
  f.a1_ = -2 * k.cosw / a0;
  f.a2_ = (1 - k.alpha) / a0;
  return f;
}

double Biquad::process(double x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

void Biquad::retune(const Biquad& shape) {
  b0_ = shape.b0_;
  b1_ = shape.b1_;
  b2_ = shape.b2_;
  a1_ = shape.a1_;
  a2_ = shape.a2_;
}

void strike(Signal& out, double at, double freq, double gain, std::span<const Mode> modes,
            const Stroke& how) {
  const double dt = 1.0 / out.rate;
  const std::size_t first = out.frameAt(at);
  const int twins = how.beat > 0 ? 2 : 1;
  for (const Mode& m : modes) {
    const double decay = m.decay * how.decayScale;
    // Past about a hundred-thousandth of its level a mode is below any 16-bit step.
    const double life = how.attack + 11.5 * decay;
    for (int twin = 0; twin < twins; ++twin) {
      const double base = freq * m.ratio + twin * how.beat;
      // A mode near the top of the band would fold back as a false tone.
      if (base * (1 + std::abs(how.glide) + how.vibratoDepth) >= 0.45 * out.rate) continue;
      const double level = gain * m.level / twins;
      double phase = 0;
      for (std::size_t i = first; i < out.s.size(); ++i) {
        const double t = double(i - first) * dt;
        if (t > life) break;
        const double env = (1 - std::exp(-t / how.attack)) * std::exp(-t / decay);
        out.s[i] += level * env * std::sin(phase);
        double f = base * (1 + how.glide * std::exp(-t / how.glideTime));
        if (how.vibratoDepth > 0) f *= 1 + how.vibratoDepth * std::sin(2 * kPi * how.vibratoRate * t);
        phase += 2 * kPi * f * dt;
      }
    }
  }
}

void noiseBurst(Signal& out, Noise& noise, double at, double gain, double attack, double decay,
                Biquad filter) {
  const double dt = 1.0 / out.rate;
  const std::size_t first = out.frameAt(at);
  const double life = attack + 11.5 * decay;
  for (std::size_t i = first; i < out.s.size(); ++i) {
    const double t = double(i - first) * dt;
    if (t > life) break;
    const double env = (1 - std::exp(-t / attack)) * std::exp(-t / decay);
    out.s[i] += gain * filter.process(env * noise.next());
  }
}

void wind(Signal& out, Noise& noise, double from, double to, double gain, double rise, double fall,
          double centre) {
  const std::size_t first = out.frameAt(from);
  const std::size_t last = out.frameAt(to);
  Biquad band;
  for (std::size_t i = first; i < last; ++i) {
    const double t = out.seconds(i) - from;
    if ((i - first) % 32 == 0) {
      // The band drifts slowly up and down, which is what makes it wind rather than hiss.
      const double f = centre * (1 + 0.35 * std::sin(2 * kPi * 0.37 * t) + 0.15 * std::sin(2 * kPi * 0.91 * t + 1));
      band.retune(Biquad::bandPass(out.rate, f, 2.5));
    }
    const double up = std::min(1.0, t / rise);
    const double down = std::min(1.0, (to - from - t) / fall);
    const double swell = std::sin(kPi / 2 * std::max(0.0, std::min(up, down)));
    out.s[i] += gain * swell * swell * band.process(noise.next());
  }
}

namespace {

VoicePoint pointAt(std::span<const VoicePoint> line, double t) {
  if (t <= line.front().time) return line.front();
  if (t >= line.back().time) return line.back();
  std::size_t k = 1;
  while (line[k].time < t) ++k;
  const VoicePoint& a = line[k - 1];
  const VoicePoint& b = line[k];
  const double u = (t - a.time) / (b.time - a.time);
  auto mix = [u](double x, double y) { return x + (y - x) * u; };
  return {t, mix(a.f1, b.f1), mix(a.f2, b.f2), mix(a.f3, b.f3), mix(a.pitch, b.pitch),
          mix(a.voiced, b.voiced), mix(a.breath, b.breath)};
}

}  // namespace

void voice(Signal& out, Noise& noise, std::span<const VoicePoint> line, double gain,
           double vibratoRate, double vibratoDepth) {
  if (line.empty()) return;
  const double dt = 1.0 / out.rate;
  const double top = 0.45 * out.rate;
  const std::size_t first = out.frameAt(line.front().time);
  const std::size_t last = out.frameAt(line.back().time);
  constexpr std::array<double, 3> kFormantLevel = {1.0, 0.55, 0.3};
  constexpr std::array<double, 3> kBandwidth = {90, 120, 170};
  std::array<Biquad, 3> formant;
  double phase = 0;
  for (std::size_t i = first; i < last; ++i) {
    const double t = out.seconds(i);
    const VoicePoint p = pointAt(line, t);
    if ((i - first) % 16 == 0) {
      // Formant filters follow the mouth every 16 samples, often enough for speech.
      const std::array<double, 3> f = {p.f1, p.f2, p.f3};
      for (int k = 0; k < 3; ++k) {
        formant[k].retune(Biquad::bandPass(out.rate, std::min(f[k], top), f[k] / kBandwidth[k]));
      }
    }
    const double age = t - line.front().time;
    const double depth = vibratoDepth * std::min(1.0, age / 0.6);
    const double f0 = p.pitch * (1 + depth * std::sin(2 * kPi * vibratoRate * age));
    phase = std::fmod(phase + 2 * kPi * f0 * dt, 2 * kPi);
    // A band-limited buzz: harmonics falling as 1/k, faded out before the top of the band.
    double source = 0;
    const double c2 = 2 * std::cos(phase);
    double sPrev = 0, sCur = std::sin(phase);
    for (int k = 1; k * f0 < top; ++k) {
      const double fade = std::min(1.0, (top - k * f0) / (0.08 * out.rate));
      source += fade * sCur / k;
      const double sNext = c2 * sCur - sPrev;
      sPrev = sCur;
      sCur = sNext;
    }
    const double excitation = p.voiced * source + p.breath * noise.next();
    double y = 0;
    for (int k = 0; k < 3; ++k) y += kFormantLevel[k] * formant[k].process(excitation);
    out.s[i] += gain * y;
  }
}

void room(Signal& out, double wet, double size, double damping) {
  // Comb and all-pass lengths of the well-known small-room reverb at 44.1 kHz, scaled to this rate.
  constexpr std::array<int, 6> kCombs = {1116, 1188, 1277, 1356, 1422, 1491};
  constexpr std::array<int, 2> kAllPasses = {556, 441};
  const double scale = out.rate / 44100.0;
  const double feedback = 0.70 + 0.28 * size;
  struct Line {
    std::vector<double> buf;
    std::size_t at = 0;
    double store = 0;
  };
  std::vector<Line> combs, passes;
  for (int n : kCombs) combs.push_back({std::vector<double>(std::size_t(n * scale), 0.0)});
  for (int n : kAllPasses) passes.push_back({std::vector<double>(std::size_t(n * scale), 0.0)});
  for (double& x : out.s) {
    const double in = x * 0.05;
    double sum = 0;
    for (Line& c : combs) {
      const double y = c.buf[c.at];
      c.store = y * (1 - damping) + c.store * damping;
      c.buf[c.at] = in + c.store * feedback;
      c.at = (c.at + 1) % c.buf.size();
      sum += y;
    }
    for (Line& a : passes) {
      const double b = a.buf[a.at];
      a.buf[a.at] = sum + b * 0.5;
      a.at = (a.at + 1) % a.buf.size();
      sum = b - sum;
    }
    x += wet * sum;
  }
}

}  // namespace clips
