// make_clips.cpp: composes the six sound clips and writes them as WAVE files 1..6 into the folder given.
//
// Each clip is played on synthetic gamelan instruments (see clip_gamelan.h)
// and rendered at double precision; only clip_wave.cpp turns it into bytes.
// Every noise source has a fixed seed, so each build writes the same files.
#include <array>
#include <cstdio>
#include <fstream>
#include <string>

#include "clip_gamelan.h"
#include "clip_synth.h"
#include "clip_wave.h"

using namespace clips;

namespace {

// The stored shapes; the frame count of each follows from its data size.
constexpr std::array<ClipFormat, 6> kFormats = {{
    {22050, 16, 21148},   // 1: stone clack
    {22050, 8, 99328},    // 2: play opens
    {22050, 8, 62320},    // 3: the game is won
    {11025, 8, 1128},     // 4: a stone is chosen
    {11025, 8, 30096},    // 5: the about box opens
    {22050, 8, 108544},   // 6: the history window opens
}};

Signal blank(int id) {
  const ClipFormat& f = kFormats[id - 1];
  return Signal(f.rate, f.frames());
}

struct Note {
  int degree;
  int octave;
};

// 1: a stone dropped into its wooden pit, bouncing twice and settling. It is
// heard thirteen times in a row, 200 ms apart, each cutting off the one before,
// so all of it is over within the first 150 ms.
Signal stoneClack() {
  Signal out = blank(1);
  Noise noise(0xC1AC4);
  stone(out, noise, 0.0015, 1.0, 1.0);
  stone(out, noise, 0.058, 0.38, 1.05);
  stone(out, noise, 0.097, 0.15, 0.96);
  stone(out, noise, 0.124, 0.06, 1.02);
  return out;
}

// 2: the great gong opens play, the bonang answers with a rising pelog figure,
// the saron walks down to the gong tone and a smaller gong closes the phrase.
Signal openingGong() {
  Signal out = blank(2);
  Noise noise(0x6016);
  gong(out, noise, 0.004, pelog(6, -3), 1.0);
  gong(out, noise, 0.004, pelog(6, -1), 0.30);
  saron(out, noise, 0.004, pelog(6, 0), 0.35);

  constexpr std::array<Note, 8> kFigure = {{{5, 0}, {6, 0}, {1, 1}, {2, 1}, {3, 1}, {2, 1}, {1, 1}, {6, 0}}};
  for (std::size_t k = 0; k < kFigure.size(); ++k) {
    const double accent = k % 2 ? 0.50 : 0.36;
    bonang(out, noise, 0.32 + 0.13 * double(k), pelog(kFigure[k].degree, kFigure[k].octave), accent);
  }
  // Both octaves at once: the bonang's way of marking a goal tone.
  bonang(out, noise, 1.40, pelog(6, 0), 0.5);
  bonang(out, noise, 1.40, pelog(6, 1), 0.45);
  gong(out, noise, 1.40, pelog(6, -1), 0.22);

  saron(out, noise, 1.75, pelog(2, 1), 0.5);
  saron(out, noise, 2.05, pelog(1, 1), 0.5);
  saron(out, noise, 2.35, pelog(6, 0), 0.55);
  bonang(out, noise, 2.35, pelog(6, 0), 0.4);
  bonang(out, noise, 2.35, pelog(6, 1), 0.35);
  gong(out, noise, 2.35, pelog(6, -2), 0.55);
  room(out, 0.35, 0.6, 0.4);
  return out;
}

// 3: for whoever wins: a slendro run up the saron, a crash of gong, kempul and
// cymbals, "ta-ta-TAA" on the bonang, then a shimmering tremolo under which a
// ghostly tone swoops down an octave: a triumph with something grinning behind it.
Signal victorySting() {
  Signal out = blank(3);
  Noise noise(0x71C7);
  constexpr std::array<Note, 6> kRun = {{{1, 0}, {2, 0}, {3, 0}, {5, 0}, {6, 0}, {1, 1}}};
  for (std::size_t k = 0; k < kRun.size(); ++k) {
    saron(out, noise, 0.004 + 0.06 * double(k), slendro(kRun[k].degree, kRun[k].octave), 0.30 + 0.06 * double(k));
  }
  gong(out, noise, 0.40, slendro(1, -2), 0.7);
  gong(out, noise, 0.40, slendro(1, -1), 0.35);
  bonang(out, noise, 0.40, slendro(1, 1), 0.5);
  bonang(out, noise, 0.40, slendro(1, 2), 0.4);
  saron(out, noise, 0.40, slendro(1, 1), 0.5);
  cengceng(out, noise, 0.40, 0.35);

  bonang(out, noise, 0.82, slendro(5, 1), 0.45);
  bonang(out, noise, 0.97, slendro(6, 1), 0.45);
  saron(out, noise, 1.14, slendro(1, 2), 0.45);
  bonang(out, noise, 1.14, slendro(1, 2), 0.45);
  bonang(out, noise, 1.14, slendro(5, 1), 0.35);
  gong(out, noise, 1.14, slendro(5, -1), 0.35);
  cengceng(out, noise, 1.14, 0.25);

  // The tremolo of a pair of gender, fading like a held breath.
  for (int k = 0; k < 13; ++k) {
    const double f = k % 2 ? slendro(5, 1) : slendro(1, 2);
    gender(out, noise, 1.25 + 0.085 * k, f, 0.30 * (1 - k / 14.0), 6.5);
  }
  // The ghost: a pure tone that starts an octave high and sinks, wobbling.
  constexpr std::array<Mode, 2> kGhost = {{{1.0, 1.0, 1.2}, {2.0, 0.2, 0.8}}};
  Stroke swoop;
  swoop.attack = 0.12;
  swoop.glide = 1.0;
  swoop.glideTime = 0.5;
  swoop.vibratoDepth = 0.02;
  swoop.vibratoRate = 5.5;
  strike(out, 1.55, slendro(1, 1), 0.35, kGhost, swoop);
  room(out, 0.3, 0.5, 0.4);
  return out;
}

// 4: a tiny high tick, a little kempyang struck with a fingernail.
Signal choosingClick() {
  Signal out = blank(4);
  Noise noise(0x71C);
  constexpr std::array<Mode, 2> kTick = {{{1.0, 1.0, 0.012}, {2.76, 0.25, 0.006}}};
  Stroke nail;
  nail.attack = 0.0002;
  strike(out, 0.0015, pelog(5, 2), 1.0, kTick, nail);
  noiseBurst(out, noise, 0.0015, 0.4, 0.0001, 0.0006, Biquad::bandPass(out.rate, 2600, 1.0));
  return out;
}

// The points of a ghost's "hello": a breathy h, a rising "e", a dipping "l",
// then a long "oooo" that swells, sinks and wobbles away.
constexpr std::array<VoicePoint, 9> kHello = {{
    {0.04, 600, 1800, 2550, 190, 0.00, 0.00},
    {0.10, 600, 1800, 2550, 190, 0.00, 0.35},
    {0.20, 600, 1800, 2550, 200, 0.60, 0.15},
    {0.45, 580, 1750, 2500, 240, 0.90, 0.08},
    {0.58, 380, 1150, 2700, 260, 0.45, 0.05},
    {0.72, 520, 950, 2450, 290, 0.95, 0.08},
    {1.20, 450, 820, 2400, 330, 0.90, 0.10},
    {1.60, 360, 760, 2350, 250, 0.60, 0.12},
    {1.95, 320, 720, 2300, 170, 0.00, 0.00},
}};

// 5: the about box says "hellooo" in two not quite agreeing ghost voices,
// then winks with a rising "ting-TING" on the bonang.
Signal aboutGreeting() {
  Signal out = blank(5);
  Noise noise(0xAB0);
  voice(out, noise, kHello, 1.0, 5.5, 0.05);
  std::array<VoicePoint, kHello.size()> echo = kHello;
  for (VoicePoint& p : echo) p.pitch *= 1.012;
  voice(out, noise, echo, 0.5, 4.7, 0.04);
  bonang(out, noise, 2.02, pelog(5, 1), 0.25);
  bonang(out, noise, 2.20, pelog(1, 2), 0.3);
  room(out, 0.3, 0.5, 0.4);
  return out;
}

// 6: the history window opens on a slow pelog phrase of gender in an empty
// hall: wind, a descent that stops on an unexpected low seventh, the gong,
// and two faint high notes as if something moved in the dark.
Signal historyGreeting() {
  Signal out = blank(6);
  Noise noise(0x415);
  wind(out, noise, 0.0, 4.92, 0.12, 1.2, 1.5, 700);
  gender(out, noise, 0.05, pelog(6, 0), 0.6, 6.0);
  gender(out, noise, 0.05, pelog(6, -1), 0.35, 6.0);
  gender(out, noise, 0.80, pelog(5, 0), 0.55, 6.0);
  gender(out, noise, 1.45, pelog(3, 0), 0.55, 6.0);
  gender(out, noise, 1.95, pelog(2, 0), 0.5, 6.0);
  gender(out, noise, 2.30, pelog(7, -1), 0.45, 6.0);
  gender(out, noise, 2.90, pelog(2, 0), 0.5, 6.0);
  gender(out, noise, 2.90, pelog(2, -1), 0.4, 6.0);
  gong(out, noise, 2.90, pelog(2, -2), 0.55);
  saron(out, noise, 3.25, pelog(7, 1), 0.18);
  saron(out, noise, 3.45, pelog(6, 1), 0.14);
  room(out, 0.4, 0.8, 0.35);
  return out;
}

struct Recipe {
  Signal (*compose)();
  Finish finish;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_clips <folder>\n");
    return 2;
  }
  const std::array<Recipe, 6> recipes = {{
      {stoneClack, {-1.0, 0.0015, 0.020, 11}},
      {openingGong, {-1.0, 0.003, 0.800, 12}},
      {victorySting, {-1.0, 0.003, 0.400, 13}},
      {choosingClick, {-3.0, 0.0015, 0.030, 14}},
      {aboutGreeting, {-2.5, 0.003, 0.250, 15}},
      {historyGreeting, {-1.5, 0.003, 0.600, 16}},
  }};
  for (int id = 1; id <= 6; ++id) {
    const Recipe& r = recipes[id - 1];
    const std::vector<std::uint8_t> image = waveImage(r.compose(), kFormats[id - 1], r.finish);
    const std::string path = std::string(argv[1]) + "/" + std::to_string(id);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
    if (!file) {
      std::fprintf(stderr, "make_clips: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
