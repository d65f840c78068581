// tune_kecak.cpp: tune 4, "Skeletons Do the Kecak", a fast dance of rattling bones.
#include "tune_gamelan.h"
#include "tune_pieces.h"

namespace tunes {

namespace {

// General MIDI programs (numbered from 0).
enum { kGlockenspiel = 9, kVibraphone = 11, kXylophone = 13, kTubularBells = 14, kTimpani = 47,
       kChoirAahs = 52, kVoiceOohs = 53, kAgogo = 113, kSteelDrums = 114, kTaiko = 116 };

const Core kA1 = {0, 2, 1, 2, 3, 2, 1, 0, 2, 3, 4, 3, 2, 1, 2, 0};
const Core kA2 = {4, 3, 4, 5, 4, 3, 2, 3, 1, 2, 1, 0, -1, 0, 1, 0};
const Core kB = {0, 1, 2, 1, 3, 2, 3, 4, 5, 4, 3, 2, 1, 2, 1, 0};

// Outburst rhythm in sixteenths: where the whole band strikes together.
constexpr int kOutburst[] = {0, 3, 6, 8, 14, 15};

}  // namespace

// Explosive unison outbursts, a chanted "cak" break, a slower swaying middle
// and a race to the end.
Song composeSkeletonKecak(const std::string& title) {
  Song song(title);
  song.setLevel(104);
  Rng rng(4444);
  const Scale scale{60, {0, 2, 3, 7, 8}};

  Part& ugal = song.add("Ugal", 0, kSteelDrums, 112, 64, 50);
  Part& polos = song.add("Polos", 1, kXylophone, 110, 28, 35);
  Part& sangsih = song.add("Sangsih", 2, kXylophone, 110, 100, 35);
  Part& cakLeft = song.add("Cak left", 3, kVoiceOohs, 100, 20, 50);
  Part& cakRight = song.add("Cak right", 4, kChoirAahs, 100, 108, 50);
  Part& kempul = song.add("Kempul", 5, kAgogo, 104, 80, 60);
  Part& gongPart = song.add("Gong", 6, kTimpani, 127, 64, 70);
  Part& bells = song.add("Gong shimmer", 7, kTubularBells, 86, 64, 80);
  Part& kantilan = song.add("Kantilan", 8, kGlockenspiel, 76, 84, 60);
  Part& kit = song.add("Kendang", 9, 0, 120, 64, 30);
  Part& taiko = song.add("Taiko", 10, kTaiko, 116, 64, 50);
  Part& kenong = song.add("Kenong", 11, kVibraphone, 100, 44, 60);
  polos.bend(0, -8);
  sangsih.bend(0, 8);

  const Gongs gongs{&gongPart, 36, &bells, 48, &kenong, 0, &kempul, -1, &kit, 76};
  Tick t = 0;

  // The chant: each side of the circle barks "cak" on its own sixteenths.
  auto cak = [&](Part& voice, const char* pattern, Tick start, int steps, int key, int velocity) {
    const std::string_view p(pattern);
    for (int s = 0; s < steps; ++s)
      if (p[std::size_t(s) % p.size()] == 'x')
        voice.note(start + s * kBeat / 4, kBeat / 8, key, velocity + (s % 4 == 0 ? 10 : 0) + rng.jitter(6));
  };
  auto outburst = [&](Tick start, int velocity) {
    for (int at : kOutburst) {
      const Tick tick = start + at * kBeat / 4;
      ugal.note(tick, kBeat / 4, scale.key(5), velocity);
      polos.note(tick, kBeat / 4, scale.key(7), velocity - 6);
      sangsih.note(tick, kBeat / 4, scale.key(9), velocity - 6);
      kantilan.note(tick, kBeat / 4, scale.key(12), velocity - 16);
      taiko.note(tick, kBeat / 2, 45, velocity);
      drums(kit, at == 0 ? "C" : "D", tick, kBeat / 4, 1, velocity, rng);
    }
  };
  auto dance = [&](const Core& core, int strokes, int velocity, const char* beat, bool chanting) {
    const Span span{t, kBeat};
    const int steps = int(core.size()) * 4;
    balungan(ugal, scale, core, span, velocity, 1, 0.6, rng);
    nyogCag(polos, sangsih, scale, core, span, strokes, velocity - 8, 1, rng);
    peking(kantilan, scale, core, span, velocity - 14, 2, rng);
    gongCycle(gongs, scale, core, span, velocity, rng);
    drums(kit, beat, span.start, kBeat / 4, steps, velocity, rng);
    if (chanting) {
      cak(cakLeft, "x..x..x.x..x..x.", span.start, steps, 55, velocity - 4);
      cak(cakRight, "..x..x.x..x..x.x", span.start, steps, 60, velocity - 8);
    }
    t = span.end(core);
  };

  // Two outbursts, a shaking tremolo and the first gong.
  song.tempo(0, 138);
  outburst(0, 112);
  outburst(4 * kBeat, 116);
  for (int s = 0; s < 16; ++s) ugal.note(8 * kBeat + s * kBeat / 8, kBeat / 8, scale.key(5), 70 + s * 3);
  taiko.note(10 * kBeat, kBeat, 41, 120);
  gong(gongs, 10 * kBeat, 4 * kBeat, 114);
  t = 11 * kBeat;

  dance(kA1, 4, 100, "D.tkD.tkDot.D.tk", false);
  dance(kA2, 4, 102, "D.tkD.tkDot.D.tk", false);
  dance(kA1, 4, 104, "D.tkD.tkDotkD.tk", true);
  dance(kA2, 4, 106, "D.tkD.tkDotkDDtk", true);

  // The break: only the chant, the claps and the big drum.
  cak(cakLeft, "x..x..x.x..x..x.", t, 32, 55, 104);
  cak(cakRight, "..x..x.x..x..x.x", t, 32, 60, 100);
  drums(kit, "c..c..c.c.c.c..c", t, kBeat / 4, 32, 100, rng);
  for (int s = 0; s < 8; s += 2) taiko.note(t + s * kBeat, kBeat, 45, 104);
  t += 8 * kBeat;

  // Swaying at a slower pace, the interlock doubled to keep its rattle.
  song.tempo(t, 100);
  dance(kB, 8, 96, "D...t.k.D.k.t...", false);
  dance(kB, 8, 100, "D...t.k.D.k.t.k.", true);

  // Racing to the end.
  song.ramp(t, t + 16 * kBeat, 100, 160);
  dance(kA1, 4, 104, "D.tkD.tkDotkDDtk", true);
  dance(kA1, 4, 108, "DotkDotkDotkDDtk", true);
  dance(kA2, 4, 112, "DotkDotkDotkDDDD", true);
  outburst(t, 118);
  gong(gongs, t + 4 * kBeat, 6 * kBeat, 120);
  taiko.note(t + 4 * kBeat, 2 * kBeat, 41, 124);
  song.setTail(kBeat / 4);
  return song;
}

}  // namespace tunes
