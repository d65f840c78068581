// tune_stones.cpp: tune 1, "Thirteen Stones", the bright pelog piece heard at start-up.
#include "tune_gamelan.h"
#include "tune_pieces.h"

namespace tunes {

namespace {

// General MIDI programs (numbered from 0).
enum { kCelesta = 8, kGlockenspiel = 9, kVibraphone = 11, kMarimba = 12, kTubularBells = 14,
       kTimpani = 47, kAgogo = 113, kSteelDrums = 114 };

const Core kOpening = {2, 1, 2, 0, 2, 1, 2, 2};
const Core kA1 = {2, 1, 2, 0, 2, 1, 2, 3, 4, 3, 4, 5, 4, 3, 1, 2};
const Core kA2 = {3, 4, 3, 2, 1, 2, 1, 0, -1, 0, 1, 2, 3, 2, 1, 0};
const Core kB1 = {0, 2, 1, 0, 3, 2, 1, 2, 4, 5, 4, 3, 2, 3, 1, 0};
const Core kB2 = {5, 4, 3, 4, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1, -1, 0};

// Drum phrases of four beats; the last phrase of a cycle carries the fill
// that leads into the gong.
constexpr const char* kBrisk = "D..k..t.d.kt.D..";
constexpr const char* kBriskFill = "d.kt.ktD.tkt.DD.";
constexpr const char* kSlow = "D...t...k.t.D...";
constexpr const char* kSlowFill = "D.t.k.t.D.ktdktD";

}  // namespace

// Brisk cycles, a slow singing middle at half speed, a quick return and a wind-down.
Song composeThirteenStones(const std::string& title) {
  Song song(title);
  song.setLevel(115);
  Rng rng(1313);
  const Scale scale = pelog(64);

  Part& saron = song.add("Saron", 0, kVibraphone, 116, 64, 50);
  Part& polos = song.add("Polos", 1, kMarimba, 127, 30, 40);
  Part& sangsih = song.add("Sangsih", 2, kMarimba, 124, 98, 40);
  Part& pekingPart = song.add("Peking", 3, kGlockenspiel, 88, 80, 60);
  Part& kenong = song.add("Kenong", 4, kSteelDrums, 108, 48, 60);
  Part& kempul = song.add("Kempul", 5, kAgogo, 110, 80, 60);
  Part& gongPart = song.add("Gong", 6, kTimpani, 127, 64, 70);
  Part& bells = song.add("Gong shimmer", 7, kTubularBells, 100, 64, 80);
  Part& suling = song.add("Suling", 8, kCelesta, 120, 56, 70);
  Part& kendang = song.add("Kendang", 9, 0, 124, 64, 30);
  // The two halves of the interlock are tuned a little apart, the shimmer of a paired set.
  polos.bend(0, -7);
  sangsih.bend(0, 7);

  const Gongs gongs{&gongPart, 28, &bells, 52, &kenong, 0, &kempul, -1, &kendang, 77};
  Tick t = 0;

  auto drumCycle = [&](const Core& core, Span span, const char* phrase, const char* fill, int velocity) {
    const Tick beats = Tick(core.size());
    drums(kendang, phrase, span.start, span.coreLength / 4, int(beats - 4) * 4, velocity, rng);
    drums(kendang, fill, span.start + (beats - 4) * span.coreLength, span.coreLength / 4, 16, velocity + 6, rng);
  };
  auto brisk = [&](const Core& core, int velocity, bool withPeking) {
    const Span span{t, kBeat};
    balungan(saron, scale, core, span, velocity, 0, 0.5, rng);
    kotekanTelu(polos, sangsih, scale, core, span, 4, velocity - 6, 1, rng);
    if (withPeking) peking(pekingPart, scale, core, span, velocity - 14, 2, rng);
    gongCycle(gongs, scale, core, span, velocity, rng);
    drumCycle(core, span, kBrisk, kBriskFill, velocity);
    t = span.end(core);
  };

  // The opening call: the kenong alone, the drum urging it on, the gong answering.
  song.ramp(0, 8 * kBeat, 92, 120);
  for (std::size_t i = 0; i + 1 < kOpening.size(); ++i)
    kenong.note(Tick(i) * kBeat, kBeat, scale.key(kOpening[i]), 84 + int(i) * 3);
  drums(kendang, "....d.t.d.tkdtkt", kBeat * 4, kBeat / 4, 16, 80, rng);
  gong(gongs, 7 * kBeat, 4 * kBeat, 104);
  t = 8 * kBeat;

  // Brisk cycles.
  song.tempo(t, 120);
  brisk(kA1, 88, false);
  brisk(kA2, 88, false);
  brisk(kA1, 92, true);
  song.ramp(t + 12 * kBeat, t + 16 * kBeat, 120, 66);
  brisk(kA2, 90, true);

  // Half speed: the core slows, the interlock doubles its strokes so its pace
  // holds, and the suling sings above.
  for (const Core* core : {&kB1, &kB2}) {
    const Span span{t, kBeat};
    balungan(saron, scale, *core, span, 80, 0, 0.8, rng);
    kotekanTelu(polos, sangsih, scale, *core, span, 8, 78, 1, rng);
    peking(pekingPart, scale, *core, span, 66, 2, rng);
    lagu(suling, scale, *core, span, 86, 2, rng);
    gongCycle(gongs, scale, *core, span, 84, rng);
    drumCycle(*core, span, kSlow, kSlowFill, 84);
    t = span.end(*core);
  }
  song.ramp(t - 4 * kBeat, t, 66, 126);

  // Back up to speed, louder, then the wind-down into the last gong.
  song.tempo(t, 126);
  brisk(kA1, 96, true);
  brisk(kA2, 98, true);
  song.ramp(t + 8 * kBeat, t + 16 * kBeat, 126, 64);
  brisk(kA1, 92, true);
  song.setTail(kBeat / 2);
  return song;
}

}  // namespace tunes
