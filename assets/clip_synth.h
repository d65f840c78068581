// clip_synth.h: the sound-making pieces of the clip generator: noise, filters, struck modes, a voice, a room.
//
// Everything renders into a Signal of doubles (1.0 = full scale) so that the
// clips are mixed at full precision and only quantised once, at the very end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace clips {

inline constexpr double kPi = 3.14159265358979323846;

// One clip being rendered: mono samples at the clip's own rate.
struct Signal {
  Signal(int rate, std::size_t frames) : rate(rate), s(frames, 0.0) {}
  std::size_t frameAt(double seconds) const;
  double seconds(std::size_t frame) const { return double(frame) / rate; }

  int rate;
  std::vector<double> s;
};

// White noise from a fixed seed, so that a build always writes the same bytes.
class Noise {
public:
  explicit Noise(std::uint64_t seed) : state_(seed ? seed : 1) {}
  double next();  // uniform in [-1, 1)

private:
  std::uint64_t state_;
};

// A second-order filter in the usual cookbook forms.
class Biquad {
public:
  static Biquad lowPass(double rate, double freq, double q);
  static Biquad highPass(double rate, double freq, double q);
  // Peak gain 1 at freq, whatever q.
  static Biquad bandPass(double rate, double freq, double q);
  double process(double x);
  // Takes the other filter's response and keeps this one's memory, so a moving filter does not click.
  void retune(const Biquad& shape);

private:
  double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One vibrating mode of a bar, kettle or gong: its frequency as a multiple of
// the note, its level, and the time in which it falls to 1/e.
struct Mode {
  double ratio;
  double level;
  double decay;
};

// How a note is struck and how its pitch moves afterwards.
struct Stroke {
  double attack = 0.0005;  // rise time of every mode; a padded mallet is slower
  double beat = 0.0;       // a twin this many hertz above each mode: the shimmer of paired instruments
  double glide = 0.0;      // relative pitch offset at the strike, settling away over glideTime
  double glideTime = 0.1;
  double vibratoDepth = 0.0;  // relative
  double vibratoRate = 0.0;   // hertz
  double decayScale = 1.0;    // higher notes of one instrument ring shorter
};

// Adds one struck note: every mode rises over the attack and dies away on its own decay.
void strike(Signal& out, double at, double freq, double gain, std::span<const Mode> modes,
            const Stroke& how);

// Adds a burst of filtered noise: a mallet's contact, a stone's click, a cymbal's hiss.
void noiseBurst(Signal& out, Noise& noise, double at, double gain, double attack, double decay,
                Biquad filter);

// Adds a breath of wind: noise through a slowly wandering band, shaped by a swell
// that rises over rise seconds, holds, and falls over fall seconds.
void wind(Signal& out, Noise& noise, double from, double to, double gain, double rise, double fall,
          double centre);

// A point of a sung line: at this time the voice has these formants, this pitch,
// this much voicing and this much breath; between points everything glides.
struct VoicePoint {
  double time;
  double f1, f2, f3;
  double pitch;
  double voiced;
  double breath;
};

// Adds a formant voice following the points, with a vibrato that deepens as the note goes on.
void voice(Signal& out, Noise& noise, std::span<const VoicePoint> line, double gain,
           double vibratoRate, double vibratoDepth);

// Mixes in a small room: a few damped combs and two all-passes, the classic small reverb.
void room(Signal& out, double wet, double size, double damping);

}  // namespace clips
