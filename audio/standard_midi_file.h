// standard_midi_file.h: checks a Standard MIDI File before the synthesizer sees it, and reads tune files safely.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Tune files larger than this are refused unread.
inline constexpr std::size_t kMaxTuneFileBytes = 4u << 20;

struct MidiFileFacts {
  // The tick at which the last note has been let go; a note still held when
  // its track ends lasts to that end.
  std::uint32_t lastNoteEndTick = 0;
  bool hasNotes = false;
};

// Answers nothing unless the bytes are a well-formed Standard MIDI File:
// an "MThd" header of format 0, 1 or 2 with at least one track and a
// division in ticks per quarter note, then chunks whose lengths stay inside
// the file, as many "MTrk" chunks as the header names, each a sequence of
// complete events ending with End of Track. Other chunk types are skipped.
std::optional<MidiFileFacts> CheckStandardMidiFile(const std::uint8_t* bytes, std::size_t size);

// The whole content of an ordinary file of at most kMaxTuneFileBytes, or
// nothing: missing, a folder or other non-file, unreadable, too large.
std::optional<std::vector<std::uint8_t>> ReadTuneFile(const std::string& path);
