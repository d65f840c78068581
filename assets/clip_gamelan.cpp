// clip_gamelan.cpp: pelog and slendro tunings and the struck instruments of the clips.
//
// The mode tables are the inharmonic partials that give each family its
// colour: a free bar's 1 : 2.76 : 5.40 : 8.93, a kettle gong's cluster around
// its fundamental, and a great gong whose nearly harmonic modes are slow to
// bloom and beat against a twin a few hertz away (the "ombak", the wave).
#include "clip_gamelan.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace clips {

namespace {

constexpr double kDegreeOne = 293.66;  // about D4

double fromCents(double cents, int octave) { return kDegreeOne * std::pow(2.0, octave + cents / 1200.0); }

constexpr std::array<Mode, 4> kBar = {{{1.0, 1.0, 1.3}, {2.76, 0.30, 0.40}, {5.40, 0.10, 0.15}, {8.93, 0.04, 0.07}}};
constexpr std::array<Mode, 6> kKettle = {{{1.0, 1.0, 0.8},
                                          {1.52, 0.06, 0.30},
                                          {2.00, 0.12, 0.45},
                                          {2.70, 0.22, 0.30},
                                          {3.45, 0.07, 0.18},
                                          {4.20, 0.05, 0.12}}};
constexpr std::array<Mode, 3> kTubeBar = {{{1.0, 1.0, 2.2}, {2.76, 0.06, 0.45}, {5.40, 0.02, 0.15}}};
constexpr std::array<Mode, 9> kGong = {{{1.00, 1.00, 5.5},
                                        {2.02, 0.55, 3.6},
                                        {2.98, 0.30, 2.4},
                                        {4.14, 0.22, 1.6},
                                        {5.07, 0.14, 1.1},
                                        {5.90, 0.10, 0.8},
                                        {7.13, 0.07, 0.55},
                                        {8.35, 0.05, 0.40},
                                        {10.1, 0.035, 0.25}}};
// In hertz: the cymbals have no note, only a bright cluster.
constexpr std::array<Mode, 7> kCymbal = {{{3150, 0.30, 0.12},
                                          {4020, 0.25, 0.10},
                                          {4870, 0.20, 0.09},
                                          {5710, 0.18, 0.07},
                                          {6630, 0.15, 0.06},
                                          {7480, 0.12, 0.05},
                                          {8810, 0.10, 0.04}}};
// In hertz: a hard pebble rings high and briefly, the wooden board answers low.
constexpr std::array<Mode, 4> kPebble = {{{2380, 0.50, 0.010}, {3710, 0.35, 0.007}, {5230, 0.22, 0.005}, {6980, 0.12, 0.004}}};
constexpr std::array<Mode, 3> kBoard = {{{185, 0.45, 0.028}, {410, 0.30, 0.020}, {760, 0.18, 0.014}}};

// The contact of a hammer or beater: a short noise burst in the band where it bites.
Biquad contact(const Signal& out, double freq, double q) {
  return Biquad::bandPass(out.rate, std::min(freq, 0.42 * out.rate), q);
}

}  // namespace

double pelog(int degree, int octave) {
  constexpr std::array<double, 7> kCents = {0, 120, 270, 540, 670, 785, 950};
  return fromCents(kCents[std::clamp(degree, 1, 7) - 1], octave);
}

double slendro(int degree, int octave) {
  // Slendro has no fourth degree; its ciphers are 1 2 3 5 6.
  double cents = 0;
  switch (degree) {
    case 2: cents = 240; break;
    case 3: cents = 475; break;
    case 4:
    case 5: cents = 720; break;
    case 6: cents = 955; break;
    default: cents = 0; break;
  }
  return fromCents(cents, octave);
}

void saron(Signal& out, Noise& noise, double at, double freq, double gain) {
  Stroke how;
  how.attack = 0.0003;
  how.beat = 2.5;
  how.decayScale = std::sqrt(600 / freq);
  strike(out, at, freq, gain, kBar, how);
  noiseBurst(out, noise, at, 0.25 * gain, 0.0001, 0.0015, contact(out, 4 * freq, 1.2));
}

void bonang(Signal& out, Noise& noise, double at, double freq, double gain) {
  Stroke how;
  how.attack = 0.0008;
  how.beat = 1.2;
  how.decayScale = std::pow(500 / freq, 0.4);
  strike(out, at, freq, gain, kKettle, how);
  noiseBurst(out, noise, at, 0.15 * gain, 0.0001, 0.002, contact(out, 2200, 1.0));
}

void gender(Signal& out, Noise& noise, double at, double freq, double gain, double shimmer) {
  Stroke how;
  how.attack = 0.004;
  how.beat = shimmer;
  how.decayScale = std::sqrt(300 / freq);
  strike(out, at, freq, gain, kTubeBar, how);
  noiseBurst(out, noise, at, 0.10 * gain, 0.0005, 0.004, Biquad::lowPass(out.rate, 800, 0.7));
}

void gong(Signal& out, Noise& noise, double at, double freq, double gain) {
  Stroke how;
  how.attack = 0.02;  // the fundamental takes a moment to bloom
  how.beat = 3.3;
  how.glide = 0.015;  // struck hard, a gong starts a little sharp and sinks
  how.glideTime = 0.25;
  how.decayScale = std::pow(60 / freq, 0.6);
  strike(out, at, freq, gain, kGong, how);
  noiseBurst(out, noise, at, 0.5 * gain, 0.002, 0.03, Biquad::lowPass(out.rate, 250, 0.7));
}

void cengceng(Signal& out, Noise& noise, double at, double gain) {
  Stroke how;
  how.attack = 0.0002;
  strike(out, at, 1.0, gain, kCymbal, how);
  const double bright = std::min(4500.0, 0.35 * out.rate);
  noiseBurst(out, noise, at, 0.6 * gain, 0.0002, 0.12, Biquad::highPass(out.rate, bright, 0.7));
  noiseBurst(out, noise, at, 0.15 * gain, 0.002, 0.35, Biquad::highPass(out.rate, bright, 0.7));
}

void stone(Signal& out, Noise& noise, double at, double gain, double pitch) {
  Stroke hard;
  hard.attack = 0.0002;
  strike(out, at, pitch, gain, kPebble, hard);
  Stroke wood;
  wood.attack = 0.0015;
  strike(out, at, 1.0, gain, kBoard, wood);
  noiseBurst(out, noise, at, 0.9 * gain, 0.0001, 0.0008, contact(out, 3200, 0.8));
}

}  // namespace clips
