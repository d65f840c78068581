// audio_system.cpp: puts the mixer, the effect voice, the synthesizer and the device together.
#include "audio_system.h"

#include <optional>
#include <thread>

#include "audio_log.h"
#include "clip_store.h"
#include "sdl_audio_output.h"
#include "soundfont_places.h"

// Members go in the reverse order of their end: the device stops pulling
// first, then the sources go, the mixer last.
struct AudioSystem::Impl {
  explicit Impl(AudioOptions options)
      : voice(mixer),
        synth(mixer, options.soundFontPlaces.empty() ? SoundFontPlaces() : options.soundFontPlaces) {
    if (options.openDevice) output.emplace(mixer, options.driver, options.periodFrames);
    // The program's own clips are decoded before they are first asked for.
    warmUp = std::thread([this] {
      for (int id = 1; id <= 6; ++id) {
        const std::vector<std::uint8_t> clip = FindClip("sounds", id);
        voice.Prepare(clip.data(), clip.size());
      }
    });
  }
  ~Impl() { warmUp.join(); }

  AudioMixer mixer;
  SfxVoice voice;
  FluidMidiEngine synth;
  std::optional<SdlAudioOutput> output;
  std::thread warmUp;
};

AudioSystem::AudioSystem() : AudioSystem(AudioOptions{}) {}
AudioSystem::AudioSystem(AudioOptions options) {
  QuietAudioLibraries();
  impl_ = std::make_unique<Impl>(std::move(options));
}
AudioSystem::~AudioSystem() = default;

SfxPlayer& AudioSystem::Sfx() { return impl_->voice; }
MidiEngine& AudioSystem::Midi() { return impl_->synth; }
AudioMixer& AudioSystem::Mixer() { return impl_->mixer; }
SfxVoice& AudioSystem::Voice() { return impl_->voice; }
FluidMidiEngine& AudioSystem::Synth() { return impl_->synth; }
bool AudioSystem::WaitForDevice() { return impl_->output && impl_->output->WaitUntilOpen(); }
