// offline_audio.h: the audio output without a device, pulled by hand in blocks as a device would.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "audio_system.h"

inline constexpr int kDeviceBlock = 512;

inline AudioOptions OfflineAudio(std::vector<std::string> soundFontPlaces = {}) {
  AudioOptions options;
  options.openDevice = false;
  options.soundFontPlaces = std::move(soundFontPlaces);
  return options;
}

// The next `frames` frames of the mix, interleaved stereo.
inline std::vector<float> Pull(AudioMixer& mixer, int frames) {
  std::vector<float> out(static_cast<std::size_t>(frames) * AudioMixer::kChannels);
  for (int done = 0; done < frames; done += kDeviceBlock) {
    mixer.Mix(out.data() + done * AudioMixer::kChannels, std::min(kDeviceBlock, frames - done));
  }
  return out;
}
