// midi_engine.h: the MIDI synthesis that the music player drives, as loaders, performances, tunes and playbacks.
#pragma once

#include <cstdint>
#include <string>

// An engine object is named by a handle; the handle 0 names none. Each kind
// of object has its own handle type so a tune cannot be passed as a playback.
template <class Kind>
struct MidiHandle {
  std::uint32_t id = 0;
  explicit operator bool() const { return id != 0; }
  friend bool operator==(MidiHandle, MidiHandle) = default;
};
using MidiLoader = MidiHandle<struct MidiLoaderKind>;              // reads tune files
using MidiPerformance = MidiHandle<struct MidiPerformanceKind>;    // plays tunes
using MidiSegment = MidiHandle<struct MidiSegmentKind>;            // one loaded tune
using MidiSegmentState = MidiHandle<struct MidiSegmentStateKind>;  // one playback of a tune

// The calls come in the order the music player makes them. A call that fails
// says so: a creation or a load returns the handle 0, the others false. An
// object handed in that is none, released or of another performance makes
// the call fail (IsPlaying answers false) and changes nothing.
class MidiEngine {
public:
  virtual ~MidiEngine() = default;

  // Bringing the engine up: a loader, then a performance that synthesises on
  // the default output, fetches its instruments by itself and starts at the
  // given master volume.
  virtual MidiLoader CreateLoader() = 0;
  virtual MidiPerformance CreatePerformance() = 0;
  virtual bool InitPerformance(MidiPerformance performance) = 0;
  virtual bool SetPort(MidiPerformance performance, int port, int channelGroups) = 0;
  virtual bool SetMasterAutoDownload(MidiPerformance performance, bool on) = 0;
  // In hundredths of a decibel.
  virtual bool SetMasterVolume(MidiPerformance performance, std::int32_t volume) = 0;

  // Whether this playback of this tune is still sounding on this performance.
  virtual bool IsPlaying(MidiPerformance performance, MidiSegment segment, MidiSegmentState state) = 0;
  // Stops the playback at once (time 0, flags 0): silent from the next block.
  virtual bool Stop(MidiPerformance performance, MidiSegment segment, MidiSegmentState state,
                    std::int32_t time, std::int32_t flags) = 0;

  // Loading a tune: the whole Standard MIDI File at the path becomes one tune.
  virtual MidiSegment LoadSegment(MidiLoader loader, const std::string& path) = 0;
  virtual bool SetSearchDirectory(MidiLoader loader, const std::string& folder) = 0;
  virtual bool SetStandardMidiFile(MidiSegment segment) = 0;

  // Playing: from the start point, at once, once through.
  virtual bool SetStartPoint(MidiSegment segment, std::int32_t start) = 0;
  virtual MidiSegmentState PlaySegment(MidiPerformance performance, MidiSegment segment,
                                       std::int32_t flags, std::int32_t startTime) = 0;

  // Letting go of an object; releasing the handle 0 does nothing.
  virtual void ReleaseLoader(MidiLoader loader) = 0;
  virtual void ReleasePerformance(MidiPerformance performance) = 0;
  virtual void ReleaseSegment(MidiSegment segment) = 0;
  virtual void ReleaseSegmentState(MidiSegmentState state) = 0;
};
