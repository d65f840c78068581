// mod_dx_music.cpp: the music player's six operations and the order of their engine calls.
#include "mod_dx_music.h"

namespace {

// The master volume a fresh performance starts at: -9.00 dB.
constexpr std::int32_t kInitialMasterVolume = -900;
// The default port, with room for 80 channel groups.
constexpr int kDefaultPort = -1;
constexpr int kChannelGroups = 80;

}  // namespace

void modDXMusic::MusicInit() {
  // A replaced object is let go once its successor exists, and without any
  // shut-down call: the playback on the old performance was stopped before.
  const MidiLoader loader = engine_.CreateLoader();
  if (!loader) {
    MusicReady = false;
    return;
  }
  engine_.ReleaseLoader(loader_);
  loader_ = loader;

  const MidiPerformance performance = engine_.CreatePerformance();
  if (!performance) {
    MusicReady = false;
    return;
  }
  engine_.ReleasePerformance(performance_);
  performance_ = performance;

  if (!engine_.InitPerformance(performance_) ||
      !engine_.SetPort(performance_, kDefaultPort, kChannelGroups) ||
      !engine_.SetMasterAutoDownload(performance_, true) ||
      !engine_.SetMasterVolume(performance_, kInitialMasterVolume)) {
    MusicReady = false;
    return;
  }
  MusicReady = true;
}

void modDXMusic::MusicLoad(std::uint8_t n) {
  if (!MusicReady) return;
  // Only tunes 1 to 4 have a file name; every caller passes one of them.
  if (n < 1 || n >= SongFile.size()) return;
  const std::string path = MusicDir + SongFile[n];

  if (segment_ && segmentState_ && engine_.IsPlaying(performance_, segment_, segmentState_)) {
    if (!engine_.Stop(performance_, segment_, segmentState_, 0, 0)) return;
  }

  const MidiLoader loader = engine_.CreateLoader();
  if (!loader) return;
  engine_.ReleaseLoader(loader_);
  loader_ = loader;

  // A failed load keeps the tune loaded before.
  const MidiSegment segment = engine_.LoadSegment(loader_, path);
  if (!segment) return;
  engine_.ReleaseSegment(segment_);
  segment_ = segment;

  const std::size_t separator = path.rfind(kMusicPathSeparator);
  const std::string folder = separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
  if (!engine_.SetSearchDirectory(loader_, folder)) return;
  engine_.SetStandardMidiFile(segment_);
}

void modDXMusic::MusicPlay() {
  if (!MusicReady) return;
  if (engine_.IsPlaying(performance_, segment_, segmentState_)) return;
  // Without a tune the engine refuses the start point and nothing plays.
  if (!engine_.SetStartPoint(segment_, 0)) return;
  const MidiSegmentState state = engine_.PlaySegment(performance_, segment_, 0, 0);
  if (!state) return;
  engine_.ReleaseSegmentState(segmentState_);
  segmentState_ = state;
}

void modDXMusic::MusicStop() {
  if (!MusicReady || !segmentState_) return;
  // The stopped playback is kept: it answers "not playing" from now on.
  engine_.Stop(performance_, segment_, segmentState_, 0, 0);
}

void modDXMusic::MusicVolume(std::int16_t v) {
  if (!MusicReady) return;
  // Every caller passes 0 or 75 (-30.00 dB or +1.50 dB); the sum is formed
  // in 32 bits so that no value can overflow.
  const std::int32_t t = std::int32_t{v} * 42 - 3000;
  engine_.SetMasterVolume(performance_, t);
}

void modDXMusic::MusicClose() {
  MusicStop();
  engine_.ReleasePerformance(performance_);
  performance_ = {};
  engine_.ReleaseLoader(loader_);
  loader_ = {};
}
