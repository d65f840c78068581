// audio_system.h: the program's one audio output: the sound-effect voice and
// the MIDI synthesizer mixed into a single device.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "audio_mixer.h"
#include "fluid_midi_engine.h"
#include "midi_engine.h"
#include "module1.h"
#include "sfx_voice.h"

struct AudioOptions {
  // Off: no device is opened and the mixer is pulled by hand (tests, benches).
  bool openDevice = true;
  std::string driver;  // an SDL audio driver; empty lets SDL choose
  int periodFrames = 512;
  std::vector<std::string> soundFontPlaces;  // empty: the usual places
  // On: nothing starts before Start, so a window can draw its first frame
  // without the audio's threads competing for the processor.
  bool deferStart = false;
};

class AudioSystem {
public:
  // Returns at once: opening the device, loading the SoundFont and decoding
  // the program's clips run in the background, from here or, deferred, from
  // Start. Without a device everything works and is silent.
  AudioSystem();
  explicit AudioSystem(AudioOptions options);
  ~AudioSystem();

  // Starts the background work unless it has started already; soundFontReady
  // runs once the SoundFont load has finished (see FluidMidiEngine::StartLoading).
  void Start(std::function<void()> soundFontReady = {});

  SfxPlayer& Sfx();
  MidiEngine& Midi();

  AudioMixer& Mixer();
  SfxVoice& Voice();
  FluidMidiEngine& Synth();
  // Waits for the device's opening to finish; true when one plays.
  bool WaitForDevice();

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
