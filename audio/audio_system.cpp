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
  explicit Impl(const AudioOptions& options)
      : options(options),
        voice(mixer),
        synth(mixer, options.soundFontPlaces.empty() ? SoundFontPlaces() : options.soundFontPlaces, false) {}
  ~Impl() {
    if (warmUp.joinable()) warmUp.join();
  }

  // Called on one thread, the one that made the system.
  void Start(std::function<void()> soundFontReady) {
    if (started) {
      synth.StartLoading(std::move(soundFontReady));
      return;
    }
    started = true;
    if (options.openDevice) output.emplace(mixer, options.driver, options.periodFrames);
    synth.StartLoading(std::move(soundFontReady));
    // The program's own clips are decoded before they are first asked for.
    warmUp = std::thread([this] {
      for (int id = 1; id <= 6; ++id) {
        const std::vector<std::uint8_t> clip = FindClip("sounds", id);
        voice.Prepare(clip.data(), clip.size());
      }
    });
  }

  const AudioOptions options;
  bool started = false;
  AudioMixer mixer;
  SfxVoice voice;
  FluidMidiEngine synth;
  std::optional<SdlAudioOutput> output;
  std::thread warmUp;
};

AudioSystem::AudioSystem() : AudioSystem(AudioOptions{}) {}
AudioSystem::AudioSystem(AudioOptions options) {
  const bool now = !options.deferStart;
  impl_ = std::make_unique<Impl>(options);
  if (now) impl_->Start({});
}
AudioSystem::~AudioSystem() = default;

void AudioSystem::Start(std::function<void()> soundFontReady) { impl_->Start(std::move(soundFontReady)); }

SfxPlayer& AudioSystem::Sfx() { return impl_->voice; }
MidiEngine& AudioSystem::Midi() { return impl_->synth; }
AudioMixer& AudioSystem::Mixer() { return impl_->mixer; }
SfxVoice& AudioSystem::Voice() { return impl_->voice; }
FluidMidiEngine& AudioSystem::Synth() { return impl_->synth; }
bool AudioSystem::WaitForDevice() { return impl_->output && impl_->output->WaitUntilOpen(); }
