// tune_gamelan.h: scales, interlocking figures, gong cycles and drum patterns shared by the four tunes.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tune_midi.h"

namespace tunes {

// Fixed-seed random numbers, so every build composes the same notes.
class Rng {
 public:
  explicit Rng(std::uint32_t seed) : state_(seed ? seed : 1) {}
  std::uint32_t next();
  int below(int n) { return int(next() % std::uint32_t(n)); }
  bool chance(int percent) { return below(100) < percent; }
  int jitter(int spread) { return below(2 * spread + 1) - spread; }

 private:
  std::uint32_t state_;
};

// A five-tone scale; degree 0 is the root, degrees run on through the octaves.
struct Scale {
  int root;
  std::vector<int> steps;
  int key(int degree) const;
};

// Pelog-like (semitone, minor third, fourth, semitone: bright and sour at once)
// and slendro-like (nearly even steps) five-tone sets.
inline Scale pelog(int root) { return {root, {0, 1, 3, 7, 8}}; }
inline Scale slendro(int root) { return {root, {0, 2, 5, 7, 9}}; }

// The core melody of a passage: one scale degree a core beat.
using Core = std::vector<int>;

// Where and how fast a passage is played.
struct Span {
  Tick start;
  Tick coreLength;  // ticks of one core beat
  Tick end(const Core& core) const { return start + coreLength * Tick(core.size()); }
};

// Plays the core melody itself, one damped stroke a beat, shifted by octaves.
void balungan(Part& part, const Scale& scale, const Core& core, Span span, int velocity, int octave,
              double damp, Rng& rng);

// The high doubling of the core: each note struck twice, the second pair
// anticipating the next core note.
void peking(Part& part, const Scale& scale, const Core& core, Span span, int velocity, int octave, Rng& rng);

// Three-tone interlock: a running figure of `strokes` notes a core beat around
// each core note; the lower part takes the lower two tones, the upper part the
// upper two, so only together do they sound every stroke.
void kotekanTelu(Part& polos, Part& sangsih, const Scale& scale, const Core& core, Span span, int strokes,
                 int velocity, int octave, Rng& rng);

// Alternating interlock: the parts take turns stroke by stroke.
void nyogCag(Part& polos, Part& sangsih, const Scale& scale, const Core& core, Span span, int strokes,
             int velocity, int octave, Rng& rng);

// The gong cycle over one pass of the core (a multiple of four beats): the big
// gong ends the cycle, kenong strokes end each quarter, kempul marks the
// middle of the later quarters, kethuk ticks in between. Missing parts stay silent.
struct Gongs {
  Part* gong = nullptr;     // low and long
  int gongKey = 40;
  Part* shimmer = nullptr;  // a second voice of the big gong
  int shimmerKey = 52;
  Part* kenong = nullptr;
  int kenongOctave = 0;
  Part* kempul = nullptr;
  int kempulOctave = -1;
  Part* kethuk = nullptr;   // a drum-kit part
  int kethukKey = 77;
};
void gongCycle(const Gongs& gongs, const Scale& scale, const Core& core, Span span, int velocity, Rng& rng);
// One stroke of the big gong, on its own.
void gong(const Gongs& gongs, Tick tick, Tick length, int velocity);

// A slow sung line over the core, as a singer or a flute floats it: a long
// note every other beat leaning into the coming core tone, a short one
// settling on it, and the cycle's last tone held.
void lagu(Part& part, const Scale& scale, const Core& core, Span span, int velocity, int octave, Rng& rng);

// A drum-kit rhythm written as letters, one step each, repeated to fill
// `steps`: D/d deep drum (loud/soft), t tak, k ket, o open slap, b bass
// drum, c clap, s side stick, w/W wood blocks, r ride bell, x hi-hat,
// C crash, h china cymbal, g/G low/high agogo, T tambourine, m/M low and
// floor tom, '.' rest.
void drums(Part& kit, std::string_view pattern, Tick start, Tick step, int steps, int velocity, Rng& rng);

}  // namespace tunes
