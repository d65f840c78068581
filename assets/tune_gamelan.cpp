// tune_gamelan.cpp: scales, interlocking figures, gong cycles and drum patterns.
#include "tune_gamelan.h"

#include <array>

namespace tunes {

std::uint32_t Rng::next() {
  // xorshift32: tiny, and the same on every compiler, unlike the standard distributions.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

int Scale::key(int degree) const {
  const int n = int(steps.size());
  const int octave = degree >= 0 ? degree / n : -((-degree + n - 1) / n);
  return root + 12 * octave + steps[std::size_t(degree - octave * n)];
}

namespace {

int nextCore(const Core& core, std::size_t i) { return core[i + 1 < core.size() ? i + 1 : i]; }

// Figures of four strokes as offsets from the core note, chosen by where
// the melody goes next; each starts on the core note and leans towards the next.
using Figure = std::array<int, 4>;
constexpr std::array<Figure, 3> kStay = {{{0, 1, -1, 0}, {0, -1, 1, -1}, {0, 1, 0, -1}}};
constexpr std::array<Figure, 3> kUp = {{{0, -1, 0, 1}, {0, 1, -1, 1}, {-1, 0, -1, 1}}};
constexpr std::array<Figure, 3> kDown = {{{0, 1, 0, -1}, {0, -1, 1, -1}, {1, 0, 1, -1}}};

const Figure& pick(int from, int to, bool leading, Rng& rng) {
  const auto& set = !leading || to == from ? kStay : to > from ? kUp : kDown;
  return set[std::size_t(rng.below(int(set.size())))];
}

// The running line of a passage as offsets, `strokes` a core beat (a multiple of four).
std::vector<int> figureLine(const Core& core, int strokes, Rng& rng) {
  std::vector<int> line;
  for (std::size_t i = 0; i < core.size(); ++i) {
    for (int group = 0; group < strokes / 4; ++group) {
      const bool leading = group == strokes / 4 - 1;
      const Figure& f = pick(core[i], nextCore(core, i), leading, rng);
      line.insert(line.end(), f.begin(), f.end());
    }
  }
  return line;
}

struct Drum {
  char letter;
  int key;
  int percent;  // loudness against the pattern's velocity
};
constexpr std::array<Drum, 19> kKit = {{{'D', 64, 110}, {'d', 64, 70},  {'t', 62, 90},  {'k', 60, 80},
                                        {'o', 63, 95},  {'b', 35, 105}, {'c', 39, 85},  {'s', 37, 75},
                                        {'w', 76, 80},  {'W', 77, 85},  {'r', 53, 70},  {'x', 42, 55},
                                        {'C', 49, 80},  {'h', 52, 75},  {'g', 68, 80},  {'G', 67, 75},
                                        {'T', 54, 60},  {'m', 45, 90},  {'M', 41, 100}}};

}  // namespace

void balungan(Part& part, const Scale& scale, const Core& core, Span span, int velocity, int octave,
              double damp, Rng& rng) {
  for (std::size_t i = 0; i < core.size(); ++i) {
    const Tick at = span.start + Tick(i) * span.coreLength;
    // The last stroke of each four-beat phrase is its goal and gets the weight.
    const int accent = i % 4 == 3 ? 12 : 0;
    part.note(at, Tick(double(span.coreLength) * damp), scale.key(core[i] + 5 * octave),
              velocity + accent + rng.jitter(4));
  }
}

void peking(Part& part, const Scale& scale, const Core& core, Span span, int velocity, int octave, Rng& rng) {
  const Tick step = span.coreLength / 4;
  for (std::size_t i = 0; i < core.size(); ++i) {
    const int now = core[i] + 5 * octave, then = nextCore(core, i) + 5 * octave;
    const std::array<int, 4> strokes = {now, now, then, then};
    for (int s = 0; s < 4; ++s)
      part.note(span.start + Tick(i) * span.coreLength + s * step, step, scale.key(strokes[std::size_t(s)]),
                velocity + (s % 2 ? -8 : 0) + rng.jitter(5));
  }
}

void kotekanTelu(Part& polos, Part& sangsih, const Scale& scale, const Core& core, Span span, int strokes,
                 int velocity, int octave, Rng& rng) {
  const std::vector<int> line = figureLine(core, strokes, rng);
  const Tick step = span.coreLength / strokes;
  for (std::size_t s = 0; s < line.size(); ++s) {
    const int degree = core[s / std::size_t(strokes)] + line[s] + 5 * octave;
    const Tick at = span.start + Tick(s) * step;
    const int v = velocity + (s % 4 == 0 ? 8 : 0) + rng.jitter(6);
    if (line[s] <= 0) polos.note(at, step, scale.key(degree), v);
    if (line[s] >= 0) sangsih.note(at, step, scale.key(degree), v - 4);
  }
}

void nyogCag(Part& polos, Part& sangsih, const Scale& scale, const Core& core, Span span, int strokes,
             int velocity, int octave, Rng& rng) {
  const std::vector<int> line = figureLine(core, strokes, rng);
  const Tick step = span.coreLength / strokes;
  for (std::size_t s = 0; s < line.size(); ++s) {
    const int degree = core[s / std::size_t(strokes)] + line[s] + 5 * octave;
    Part& who = s % 2 ? sangsih : polos;
    who.note(span.start + Tick(s) * step, step, scale.key(degree), velocity + (s % 4 == 0 ? 8 : 0) + rng.jitter(6));
  }
}

void gong(const Gongs& g, Tick tick, Tick length, int velocity) {
  if (g.gong) g.gong->note(tick, length, g.gongKey, velocity);
  if (g.shimmer) g.shimmer->note(tick, length, g.shimmerKey, velocity - 15);
}

void gongCycle(const Gongs& g, const Scale& scale, const Core& core, Span span, int velocity, Rng& rng) {
  const std::size_t n = core.size(), quarter = n / 4;
  if (quarter == 0) return;
  for (std::size_t i = 0; i < n; ++i) {
    const Tick at = span.start + Tick(i) * span.coreLength;
    const int v = velocity + rng.jitter(4);
    if (i == n - 1) gong(g, at, span.coreLength * 4, v + 10);
    if (g.kenong && i % quarter == quarter - 1)
      g.kenong->note(at, span.coreLength * 2, scale.key(core[i] + 5 * g.kenongOctave), v);
    if (g.kempul && quarter > 1 && i >= quarter && i % quarter == quarter / 2 - 1)
      g.kempul->note(at, span.coreLength * 2, scale.key(core[i] + 5 * g.kempulOctave), v - 5);
    if (g.kethuk && quarter > 1 && i % 2 == 1 && i % quarter != quarter - 1)
      g.kethuk->note(at, span.coreLength / 2, g.kethukKey, v - 15);
  }
}

void lagu(Part& part, const Scale& scale, const Core& core, Span span, int velocity, int octave, Rng& rng) {
  const Tick beat = span.coreLength;
  const std::size_t n = core.size();
  for (std::size_t i = 0; i + 1 < n; i += 2) {
    const Tick at = span.start + Tick(i) * beat;
    const int goal = core[i + 1] + 5 * octave;
    if (i + 2 >= n) {
      part.note(at, beat * 2, scale.key(goal), velocity + 6);
      break;
    }
    static constexpr std::array<int, 4> kLean = {1, -1, 2, 0};
    part.note(at, beat * 3 / 2, scale.key(goal + kLean[std::size_t(rng.below(4))]), velocity + rng.jitter(6));
    part.note(at + beat * 3 / 2, beat / 2, scale.key(goal), velocity - 10 + rng.jitter(4));
  }
}

void drums(Part& kit, std::string_view pattern, Tick start, Tick step, int steps, int velocity, Rng& rng) {
  if (pattern.empty()) return;
  for (int s = 0; s < steps; ++s) {
    const char c = pattern[std::size_t(s) % pattern.size()];
    for (const Drum& d : kKit) {
      if (d.letter == c) kit.note(start + s * step, step, d.key, velocity * d.percent / 100 + rng.jitter(5));
    }
  }
}

}  // namespace tunes
