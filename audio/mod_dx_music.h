// mod_dx_music.h: the music player: six operations over one MIDI engine.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "midi_engine.h"

// The folder separator at the end of MusicDir and the one MusicLoad scans
// back to when it sets the loader's search folder.
#ifdef _WIN32
inline constexpr char kMusicPathSeparator = '\\';
#else
inline constexpr char kMusicPathSeparator = '/';
#endif

// None of the operations reports a failure. A failed engine call ends the
// operation where it stands; MusicInit then also takes the engine down.
// Every operation but MusicInit and MusicClose does nothing while the engine
// is down (MusicReady false).
class modDXMusic {
public:
  // The engine keeps its objects until it goes itself; the player never
  // outlives it.
  explicit modDXMusic(MidiEngine& engine) : engine_(engine) {}
  modDXMusic(const modDXMusic&) = delete;
  modDXMusic& operator=(const modDXMusic&) = delete;

  std::string MusicDir;                 // the tunes' folder, ending in the separator
  std::array<std::string, 5> SongFile;  // 1..4: "Music1.mid" .. "Music4.mid"
  std::int16_t Volume = 0;
  bool MusicReady = false;

  void MusicInit();
  void MusicLoad(std::uint8_t n);
  void MusicPlay();
  void MusicStop();
  void MusicVolume(std::int16_t v);
  void MusicClose();

  // The engine objects held now, for tests and diagnostics.
  MidiLoader Loader() const { return loader_; }
  MidiPerformance Performance() const { return performance_; }
  MidiSegment Segment() const { return segment_; }
  MidiSegmentState SegmentState() const { return segmentState_; }

private:
  MidiEngine& engine_;
  MidiLoader loader_;
  MidiPerformance performance_;
  MidiSegment segment_;
  MidiSegmentState segmentState_;
};
