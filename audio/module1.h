// module1.h: PlaySfx, the sound-effect request, and its clip buffer SfxBuffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Plays one wave image at a time: Play starts it at once, cuts off any clip
// still sounding, keeps a decoded copy of its own and returns without
// handling any pending event. A clip it cannot play is dropped silently.
class SfxPlayer {
public:
  virtual ~SfxPlayer() = default;
  virtual void Play(const std::uint8_t* waveImage, std::size_t size) = 0;
};

class Module1 {
public:
  explicit Module1(SfxPlayer& player) : player_(player) {}

  // Fetches the whole stored image of clip n (1..6) into SfxBuffer and hands
  // it to the player. Never reports a failure.
  void PlaySfx(std::int16_t n);

  // The image of the most recently requested clip; empty before the first.
  const std::vector<std::uint8_t>& SfxBuffer() const { return sfxBuffer_; }

private:
  SfxPlayer& player_;
  std::vector<std::uint8_t> sfxBuffer_;
};
