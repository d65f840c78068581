// tune_dez.cpp: tune 2, "Dez Counts His Fingers", a tiptoeing slendro joke.
#include "tune_gamelan.h"
#include "tune_pieces.h"

namespace tunes {

namespace {

// General MIDI programs (numbered from 0).
enum { kMusicBox = 10, kVibraphone = 11, kMarimba = 12, kXylophone = 13, kTimpani = 47, kKalimba = 108,
       kTinkleBell = 112, kAgogo = 113 };

const Core kA1 = {1, 2, 1, 0, 1, 2, 3, 2, 4, 3, 2, 3, 1, 2, 1, 0};
const Core kA2 = {3, 4, 3, 2, 4, 5, 4, 3, 2, 1, 2, 3, 2, 1, -1, 0};
const Core kThink = {0, 0, 2, 1, 2, 2, 4, 3, 4, 4, 6, 5, 4, 3, 1, 0};

}  // namespace

// Dez counts on his fingers, loses count, freezes, has an idea and scurries off.
Song composeDezCounts(const std::string& title) {
  Song song(title);
  song.setLevel(110);
  Rng rng(2626);
  const Scale scale = slendro(62);

  Part& balunganPart = song.add("Balungan", 0, kMarimba, 127, 64, 40);
  Part& polos = song.add("Polos", 1, kXylophone, 116, 30, 35);
  Part& sangsih = song.add("Sangsih", 2, kXylophone, 116, 98, 35);
  Part& box = song.add("Idea", 3, kMusicBox, 112, 72, 70);
  Part& kenong = song.add("Kenong", 4, kVibraphone, 110, 44, 60);
  Part& kempul = song.add("Kempul", 5, kAgogo, 116, 84, 60);
  Part& timpani = song.add("Gong", 6, kTimpani, 127, 64, 60);
  Part& sparkle = song.add("Sparkle", 7, kTinkleBell, 96, 64, 80);
  Part& fingers = song.add("Fingers", 8, kKalimba, 127, 56, 50);
  Part& kit = song.add("Kendang", 9, 0, 127, 64, 30);
  polos.bend(0, -9);
  sangsih.bend(0, 9);

  const Gongs gongs{&timpani, 33, nullptr, 0, &kenong, 1, &kempul, -1, &kit, 76};
  Tick t = 0;

  // Fingers counted on the kalimba: one quick note in the first quarter of
  // the cycle, two in the second, and so on.
  auto count = [&](Span span, int quarters, int from) {
    for (int q = 0; q < quarters; ++q) {
      for (int f = 0; f <= q; ++f)
        fingers.note(span.start + Tick(q) * 4 * span.coreLength + f * span.coreLength / 2, span.coreLength / 2,
                     scale.key(from + f), 96 + f * 4 + rng.jitter(4));
    }
  };
  auto tiptoe = [&](const Core& core, int velocity, const char* steps) {
    const Span span{t, kBeat};
    balungan(balunganPart, scale, core, span, velocity, 0, 0.3, rng);
    nyogCag(polos, sangsih, scale, core, span, 4, velocity - 10, 1, rng);
    gongCycle(gongs, scale, core, span, velocity, rng);
    drums(kit, steps, span.start, kBeat / 4, int(core.size()) * 4, velocity, rng);
    t = span.end(core);
    return span;
  };

  // Sneaking in: a clock ticks, five fingers, a hush, a plonk.
  song.tempo(0, 104);
  drums(kit, "w...W...", 0, kBeat / 4, 32, 92, rng);
  for (int f = 0; f < 5; ++f) fingers.note(Tick(f) * kBeat / 2, kBeat / 2, scale.key(5 + f), 92 + f * 5);
  sparkle.note(6 * kBeat, kBeat, scale.key(12), 90);
  timpani.note(7 * kBeat, 2 * kBeat, 38, 110);
  t = 8 * kBeat;

  count(tiptoe(kA1, 96, "k.s.t.s.k.s.tks."), 4, 5);
  const Span frozen = tiptoe(kA2, 98, "k.s.t.s.k.s.tks.");
  // Dez freezes mid-phrase, as if someone looked, and tiptoes on.
  song.silence(frozen.start + 10 * kBeat, frozen.start + 12 * kBeat);
  sparkle.note(frozen.start + 11 * kBeat, kBeat / 2, scale.key(13), 80);

  // Thinking hard at half speed: ten fingers up the scale, one too many, back down.
  song.ramp(t - 2 * kBeat, t, 104, 72);
  for (int round = 0; round < 2; ++round) {
    const Span span{t, kBeat};
    balungan(balunganPart, scale, kThink, span, 92, 0, 0.5, rng);
    nyogCag(polos, sangsih, scale, kThink, span, 8, 84, 1, rng);
    gongCycle(gongs, scale, kThink, span, 94, rng);
    drums(kit, "w.......W.......", span.start, kBeat / 4, 64, 96, rng);
    const int last = round == 0 ? 10 : 11;
    for (int f = 0; f < last; ++f)
      fingers.note(span.start + Tick(f) * kBeat, kBeat, scale.key(5 + f), 96 + f * 2);
    if (round == 1) {
      for (int f = 0; f < 4; ++f)
        fingers.note(span.start + Tick(12 + f) * kBeat, kBeat, scale.key(14 - 2 * f), 104 - f * 6);
    }
    t = span.end(kThink);
  }
  song.ramp(t - 2 * kBeat, t, 72, 104);
  count(tiptoe(kA1, 100, "k.s.t.s.k.s.tks."), 4, 5);

  // The idea: a crash, a bell running up, and off he scurries, faster and faster.
  drums(kit, "C", t, kBeat, 1, 110, rng);
  for (int n = 0; n < 8; ++n) box.note(t + n * kBeat / 4, kBeat / 4, scale.key(10 + n), 90 + n * 3);
  song.tempo(t, 138);
  const Tick scurry = t;
  tiptoe(kA1, 104, "D.kt.ktoD.kt.ktt");
  song.ramp(t, t + 12 * kBeat, 138, 152);
  tiptoe(kA2, 108, "D.ktDkt.D.ktDktt");
  for (int n = 0; n < 16; ++n) box.note(scurry + Tick(n) * 2 * kBeat, kBeat, scale.key(10 + kA1[std::size_t(n)]), 96);

  // Three stabs, a hush, and the last finger: a tiny bell and a sagging timpani.
  for (int stab = 0; stab < 3; ++stab) {
    const Tick at = t + stab * kBeat;
    balunganPart.note(at, kBeat / 4, scale.key(0), 116);
    polos.note(at, kBeat / 4, scale.key(5), 110);
    sangsih.note(at, kBeat / 4, scale.key(7), 110);
    timpani.note(at, kBeat / 2, 38, 116);
    drums(kit, "D", at, kBeat / 4, 1, 118, rng);
  }
  box.note(t + 5 * kBeat, kBeat, scale.key(15), 100);
  sparkle.note(t + 5 * kBeat, kBeat, scale.key(15), 84);
  const Tick boing = t + 6 * kBeat;
  timpani.note(boing, 2 * kBeat, 45, 118);
  for (int s = 0; s <= 16; ++s) timpani.bend(boing + s * kBeat / 16, -s * 200 / 16);
  timpani.bend(boing + 2 * kBeat, 0);
  kempul.note(boing + kBeat, 2 * kBeat, scale.key(-5), 100);
  song.setTail(kBeat / 4);
  return song;
}

}  // namespace tunes
