// audio_mixer.cpp: the block mix and the device lock.
#include "audio_mixer.h"

#include <algorithm>

#include "audio_libraries.h"

namespace {
// A device is attached only once the libraries are open.
const AudioLibraries& Lib() { return *OpenAudioLibraries(); }
}  // namespace

void AudioMixer::AddSource(AudioSource* source) {
  std::lock_guard<std::mutex> lock(mutex_);
  sources_.push_back(source);
}

void AudioMixer::Mix(float* stereo, int frames) {
  std::fill(stereo, stereo + frames * kChannels, 0.0f);
  std::lock_guard<std::mutex> lock(mutex_);
  for (AudioSource* source : sources_) source->MixInto(stereo, frames);
  // A loud chord under a gong must not wrap or distort past full scale.
  for (float* sample = stereo; sample != stereo + frames * kChannels; ++sample) {
    *sample = std::clamp(*sample, -1.0f, 1.0f);
  }
}

void AudioMixer::AttachDevice(std::uint32_t device) { device_.store(device); }

// The device lock comes first, then the mixer's own: the callback holds them
// in that order too. The mixer's mutex alone covers the time before the
// device has opened (it opens in the background) and a run without one.
AudioMixer::Guard::Guard(AudioMixer& mixer) : mixer_(mixer), device_(mixer.device_.load()) {
  if (device_ != 0) Lib().SDL_LockAudioDevice(device_);
  mixer_.mutex_.lock();
}

AudioMixer::Guard::~Guard() {
  mixer_.mutex_.unlock();
  if (device_ != 0) Lib().SDL_UnlockAudioDevice(device_);
}
