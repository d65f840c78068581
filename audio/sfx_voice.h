// sfx_voice.h: the one sound-effect voice: decodes a wave image and plays it through the mixer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "audio_mixer.h"
#include "module1.h"

// A wave image decoded and converted to the mixer's float stereo at 44100 Hz;
// nothing when SDL cannot read it.
std::optional<std::vector<float>> DecodeWaveImage(const std::uint8_t* image, std::size_t size);

class SfxVoice : public SfxPlayer, public AudioSource {
public:
  explicit SfxVoice(AudioMixer& mixer);

  // Decodes outside the lock, then swaps the new clip in: the next block
  // starts it from its first frame and nothing of the old clip follows.
  void Play(const std::uint8_t* waveImage, std::size_t size) override;
  void MixInto(float* stereo, int frames) override;

  // Frames of the sounding clip not yet mixed, and its whole length.
  std::size_t FramesLeft();
  std::size_t ClipFrames();

private:
  AudioMixer& mixer_;
  std::vector<float> clip_;  // interleaved stereo, touched only under the lock
  std::size_t position_ = 0; // in samples
};
