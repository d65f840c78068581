// audio_system.cpp: placeholder silent output until the audio work lands.
#include "audio_system.h"

struct AudioSystem::Impl : SfxPlayer, MidiEngine {
  void Play(const std::uint8_t*, std::size_t) override {}
};

AudioSystem::AudioSystem() : impl_(std::make_unique<Impl>()) {}
AudioSystem::~AudioSystem() = default;
SfxPlayer& AudioSystem::Sfx() { return *impl_; }
MidiEngine& AudioSystem::Midi() { return *impl_; }
