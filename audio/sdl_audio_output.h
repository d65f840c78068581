// sdl_audio_output.h: the one audio device, opened in the background, whose callback pulls the mixer.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "audio_mixer.h"

class SdlAudioOutput {
public:
  // Opens the default device for float stereo at 44100 Hz with blocks of
  // periodFrames. `driver` names an SDL audio driver ("pulseaudio"); empty
  // lets SDL choose. Without a device the mixer is simply never pulled.
  SdlAudioOutput(AudioMixer& mixer, std::string driver, int periodFrames);
  ~SdlAudioOutput();
  SdlAudioOutput(const SdlAudioOutput&) = delete;
  SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

  // Waits for the opening to finish; true when a device plays.
  bool WaitUntilOpen();

private:
  void Open(std::string driver, int periodFrames);
  static void Callback(void* self, std::uint8_t* stream, int bytes);

  AudioMixer& mixer_;
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  bool subsystemUp_ = false;
  std::uint32_t device_ = 0;
  std::thread openThread_;
};
