// audio_system.h: the program's one audio output: the sound-effect voice and
// the MIDI synthesizer mixed into a single device.
#pragma once

#include <memory>

#include "midi_engine.h"
#include "module1.h"

class AudioSystem {
public:
  // Returns at once: opening the device and loading the SoundFont run in the
  // background. Without a device everything works and is silent.
  AudioSystem();
  ~AudioSystem();

  SfxPlayer& Sfx();
  MidiEngine& Midi();

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
