// sfx_voice.h: the one sound-effect voice: decodes a wave image and plays it through the mixer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "audio_mixer.h"
#include "module1.h"

// A clip at the mixer's 44100 Hz in 16 bits, mono or interleaved stereo as
// it was made (more channels are mixed down to two): a quarter of the room
// of float stereo for the program's mono clips. The mixer widens it.
struct DecodedClip {
  std::vector<std::int16_t> samples;
  int channels = 1;
  std::size_t Frames() const { return samples.size() / static_cast<std::size_t>(channels); }
};

// A wave image decoded and converted to 44100 Hz; nothing when SDL cannot read it.
std::optional<DecodedClip> DecodeWaveImage(const std::uint8_t* image, std::size_t size);

class SfxVoice : public SfxPlayer, public AudioSource {
public:
  explicit SfxVoice(AudioMixer& mixer);

  // Swaps the decoded clip in under the lock: the next block starts it from
  // its first frame and nothing of the old clip follows.
  void Play(const std::uint8_t* waveImage, std::size_t size) override;
  void MixInto(float* stereo, int frames) override;

  // Decodes an image ahead of its first Play. Converting a clip of several
  // seconds to 44100 Hz takes milliseconds, too long for a request made in
  // the middle of a move; a clip decoded once is kept (the last few).
  void Prepare(const std::uint8_t* waveImage, std::size_t size);

  // Frames of the sounding clip not yet mixed, and its whole length.
  std::size_t FramesLeft();
  std::size_t ClipFrames();

private:
  using Clip = std::shared_ptr<const DecodedClip>;
  Clip Decoded(const std::uint8_t* waveImage, std::size_t size);

  AudioMixer& mixer_;
  // Under the mixer's lock.
  Clip clip_;
  std::size_t position_ = 0;  // in frames

  // Images already decoded, each with its own copy of the image's bytes.
  std::mutex cacheMutex_;
  std::deque<std::pair<std::vector<std::uint8_t>, Clip>> cache_;
};
