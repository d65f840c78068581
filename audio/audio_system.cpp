// audio_system.cpp: a silent output until the device and the synthesizer land: music cannot start.
#include "audio_system.h"

struct AudioSystem::Impl : SfxPlayer, MidiEngine {
  void Play(const std::uint8_t*, std::size_t) override {}
  MidiLoader CreateLoader() override { return {}; }
  MidiPerformance CreatePerformance() override { return {}; }
  bool InitPerformance(MidiPerformance) override { return false; }
  bool SetPort(MidiPerformance, int, int) override { return false; }
  bool SetMasterAutoDownload(MidiPerformance, bool) override { return false; }
  bool SetMasterVolume(MidiPerformance, std::int32_t) override { return false; }
  bool IsPlaying(MidiPerformance, MidiSegment, MidiSegmentState) override { return false; }
  bool Stop(MidiPerformance, MidiSegment, MidiSegmentState, std::int32_t, std::int32_t) override { return false; }
  MidiSegment LoadSegment(MidiLoader, const std::string&) override { return {}; }
  bool SetSearchDirectory(MidiLoader, const std::string&) override { return false; }
  bool SetStandardMidiFile(MidiSegment) override { return false; }
  bool SetStartPoint(MidiSegment, std::int32_t) override { return false; }
  MidiSegmentState PlaySegment(MidiPerformance, MidiSegment, std::int32_t, std::int32_t) override { return {}; }
  void ReleaseLoader(MidiLoader) override {}
  void ReleasePerformance(MidiPerformance) override {}
  void ReleaseSegment(MidiSegment) override {}
  void ReleaseSegmentState(MidiSegmentState) override {}
};

AudioSystem::AudioSystem() : impl_(std::make_unique<Impl>()) {}
AudioSystem::~AudioSystem() = default;
SfxPlayer& AudioSystem::Sfx() { return *impl_; }
MidiEngine& AudioSystem::Midi() { return *impl_; }
