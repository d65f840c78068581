// mod_dx_music.h: the music player: six operations over one MIDI engine.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "midi_engine.h"

class modDXMusic {
public:
  explicit modDXMusic(MidiEngine& engine) : engine_(engine) {}

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

private:
  MidiEngine& engine_;
};
