// audio_mixer.h: mixes the program's sound sources into blocks of float stereo at 44100 Hz, under one lock.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

// One sound source of the mixer. MixInto adds its next frames to an
// interleaved stereo block; the mixer calls it with its lock held.
class AudioSource {
public:
  virtual ~AudioSource() = default;
  virtual void MixInto(float* stereo, int frames) = 0;
};

// The device's callback pulls blocks through Mix; tests pull them the same
// way without a device. The lock is what the callback holds while it mixes:
// whoever changes what a source plays takes a Guard first.
class AudioMixer {
public:
  static constexpr int kRate = 44100;
  static constexpr int kChannels = 2;

  // Sources are mixed in the order they were added and must outlive the mixer's use.
  void AddSource(AudioSource* source);

  // Fills `frames` interleaved stereo frames, clamped to [-1, 1].
  void Mix(float* stereo, int frames);

  // The open device, whose own lock a Guard takes as well; 0 for none. The
  // device's callback must not be running when this changes to 0.
  void AttachDevice(std::uint32_t device);
  std::uint32_t Device() const { return device_.load(); }

  class Guard {
  public:
    explicit Guard(AudioMixer& mixer);
    ~Guard();
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

  private:
    AudioMixer& mixer_;
    std::uint32_t device_;
  };

private:
  std::mutex mutex_;
  std::vector<AudioSource*> sources_;
  std::atomic<std::uint32_t> device_{0};
};
