// clip_wave.h: turns a rendered clip into the bytes of a mono PCM RIFF WAVE image.
#pragma once

#include <cstdint>
#include <vector>

#include "clip_synth.h"

namespace clips {

// The stored shape of one clip. The frame count follows from the data size.
struct ClipFormat {
  int rate;
  int bits;  // 8 (unsigned, silence 128) or 16 (signed little-endian)
  std::uint32_t dataBytes;

  std::size_t frames() const { return dataBytes / (bits / 8); }
};

// How the clip is finished before it is quantised.
struct Finish {
  double peakDb = -1.0;    // loudest sample, below full scale
  double fadeIn = 0.003;   // seconds of raised-cosine fade at each end, so neither end clicks
  double fadeOut = 0.010;
  std::uint64_t ditherSeed = 1;
};

// Removes rumble and offset, fades both ends to silence, sets the peak, and
// quantises with triangular dither into a complete WAVE file image: a 44-byte
// header ("RIFF", "WAVE", a 16-byte "fmt " chunk, "data") and the samples,
// nothing after them. The signal must hold exactly format.frames() samples.
std::vector<std::uint8_t> waveImage(Signal signal, const ClipFormat& format, const Finish& finish);

}  // namespace clips
