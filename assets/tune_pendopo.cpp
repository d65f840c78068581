// tune_pendopo.cpp: tune 3, "The Haunted Pendopo", the spooky one.
#include "tune_gamelan.h"
#include "tune_pieces.h"

namespace tunes {

namespace {

// General MIDI programs (numbered from 0).
enum { kCelesta = 8, kMusicBox = 10, kVibraphone = 11, kTubularBells = 14, kTimpani = 47, kChoirAahs = 52,
       kHaloPad = 94, kGoblins = 101, kReverseCymbal = 119 };

const Core kA1 = {0, 1, 0, -1, 0, 1, 2, 1, 3, 2, 1, 2, 1, 0, -1, 0};
const Core kA2 = {2, 3, 2, 1, 3, 4, 3, 2, 1, 2, 1, 0, 1, -1, -2, 0};
const Core kB = {0, 0, 1, 0, 2, 2, 3, 2, 4, 3, 2, 1, 2, 1, -1, 0};

// The lullaby, in eighth notes over the slow cycle; -100 is a rest.
constexpr int kRest = -100;
const std::vector<int> kLullaby = {7, 6, 5, 6, 7, kRest, 5, kRest, 6, 5, 4, 5, 3, kRest, kRest, kRest,
                                   7, 6, 5, 6, 7, kRest, 8, kRest, 7, 5, 6, 4, 5, 5, 5, kRest};

}  // namespace

// A bell strikes thirteen in the mist, ghosts sing over a slow pelog cycle, a
// music box lullaby runs down, the ghosts dance, and it all sinks into the last gong.
Song composeHauntedPendopo(const std::string& title) {
  Song song(title);
  song.setLevel(115);
  Rng rng(1300);
  const Scale scale = pelog(57);

  Part& gender = song.add("Gender", 0, kVibraphone, 112, 64, 80);
  Part& polos = song.add("Polos", 1, kCelesta, 110, 36, 70);
  Part& sangsih = song.add("Sangsih", 2, kCelesta, 110, 92, 70);
  Part& ghosts = song.add("Ghosts", 3, kChoirAahs, 104, 64, 90);
  Part& mist = song.add("Mist", 4, kHaloPad, 92, 64, 90);
  Part& goblins = song.add("Goblins", 5, kGoblins, 84, 96, 90);
  Part& gongPart = song.add("Gong", 6, kTimpani, 127, 64, 80);
  Part& swell = song.add("Swell", 7, kReverseCymbal, 82, 64, 60);
  Part& box = song.add("Lullaby", 8, kMusicBox, 104, 40, 80);
  Part& heart = song.add("Heartbeat", 9, 0, 110, 64, 40);
  Part& bell = song.add("Bell", 10, kTubularBells, 104, 64, 90);
  // The celestas are tuned well apart for a ghostly beating, and the
  // music box has sagged out of tune.
  polos.bend(0, -14);
  sangsih.bend(0, 14);
  box.bend(0, -35);

  const Gongs gongs{&gongPart, 33, &bell, 45, nullptr, 0, nullptr, 0, &heart, 77};
  Tick t = 0;

  // A reverse cymbal swelling into the beat at `tick`.
  auto swellInto = [&](Tick tick, Tick beats) { swell.note(tick - beats * kBeat, beats * kBeat, 60, 96); };
  auto fog = [&](Tick at, Tick length, int velocity) {
    mist.note(at, length, scale.key(-5), velocity);
    mist.note(at, length, scale.key(-2), velocity - 10);
  };
  auto giggle = [&](Tick from, int beats, int count) {
    for (int g = 0; g < count; ++g)
      goblins.note(from + Tick(rng.below(beats)) * kBeat, 2 * kBeat, 48 + rng.below(12), 70 + rng.jitter(10));
  };
  auto cycle = [&](const Core& core, int strokes, int velocity, const char* beat, bool singing) {
    const Span span{t, kBeat};
    balungan(gender, scale, core, span, velocity, 0, 1.0, rng);
    kotekanTelu(polos, sangsih, scale, core, span, strokes, velocity - 12, 1, rng);
    gongCycle(gongs, scale, core, span, velocity, rng);
    drums(heart, beat, span.start, kBeat / 4, int(core.size()) * 4, velocity, rng);
    if (singing) lagu(ghosts, scale, core, span, velocity - 6, 0, rng);
    fog(span.start, Tick(core.size()) * kBeat, velocity - 20);
    t = span.end(core);
  };

  // Midnight in the pavilion: mist, and a bell striking thirteen.
  song.tempo(0, 72);
  fog(0, 14 * kBeat, 70);
  for (int strike = 0; strike < 13; ++strike) bell.note(Tick(strike) * kBeat, 2 * kBeat, 57, 100 - strike % 2 * 8);
  giggle(6 * kBeat, 6, 1);
  swellInto(14 * kBeat, 2);
  t = 14 * kBeat;
  song.tempo(t, 58);
  gong(gongs, t, 4 * kBeat, 110);

  cycle(kA1, 4, 92, "Mm..............", false);
  giggle(t - 16 * kBeat, 16, 2);
  cycle(kA2, 4, 96, "Mm......Mm......", true);
  giggle(t - 16 * kBeat, 16, 2);

  // Slower still: the lullaby, the ghosts singing along.
  song.ramp(t - 2 * kBeat, t, 58, 46);
  const Tick lullaby = t;
  cycle(kB, 8, 90, "Mm......Mm......", true);
  for (std::size_t i = 0; i < kLullaby.size(); ++i) {
    if (kLullaby[i] == kRest) continue;
    // It runs down: the last notes come late.
    const Tick late = i >= 28 ? Tick(i - 27) * kBeat / 8 : 0;
    box.note(lullaby + Tick(i) * kBeat / 2 + late, kBeat / 2, scale.key(kLullaby[i]), 92 + rng.jitter(6));
  }
  swellInto(t - kBeat, 2);

  // The ghosts dance.
  song.ramp(t - kBeat, t, 46, 96);
  cycle(kA1, 4, 100, "Mm..Mm..Mm..MmMm", true);
  giggle(t - 16 * kBeat, 16, 3);
  cycle(kA2, 4, 104, "Mm..Mm.mMm..MmMm", true);
  giggle(t - 16 * kBeat, 16, 3);

  // Sinking away: slower and slower into the last gong, the mist thinning.
  song.ramp(t, t + 15 * kBeat, 96, 40);
  cycle(kA1, 4, 92, "Mm..............", true);
  swellInto(t - kBeat, 2);
  ghosts.note(t - kBeat, 4 * kBeat, scale.key(0), 88);
  ghosts.note(t - kBeat, 4 * kBeat, scale.key(-2), 80);
  for (int s = 0; s <= 12; ++s) mist.controller(t - kBeat + s * kBeat / 4, 11, 127 - s * 8);
  song.setTail(kBeat / 4);
  return song;
}

}  // namespace tunes
