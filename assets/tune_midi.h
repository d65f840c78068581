// tune_midi.h: parts, tempo map and the Standard MIDI File writer of the tune composer.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace tunes {

using Tick = std::int64_t;

// Ticks per quarter note; every position in a tune is counted in these.
inline constexpr Tick kBeat = 480;

struct Note {
  Tick start;
  Tick length;
  int key;
  int velocity;
};

// A raw channel message (program, controller, pitch bend) at a tick.
struct ChannelEvent {
  Tick tick;
  std::vector<std::uint8_t> data;  // status nibble in data[0], channel added on writing
};

// One instrument on one MIDI channel: a track of its own in the file.
class Part {
 public:
  Part(std::string name, int channel, int program);

  void note(Tick start, Tick length, int key, int velocity);
  void controller(Tick tick, int number, int value);
  // Notes starting in [from, to) are dropped and notes sounding into it are cut off at `from`.
  void silence(Tick from, Tick to);
  // Detunes the whole channel; the default bend range of two semitones is assumed.
  void bend(Tick tick, int cents);

  const std::string& name() const { return name_; }
  int channel() const { return channel_; }
  int program() const { return program_; }
  const std::vector<Note>& notes() const { return notes_; }
  const std::vector<ChannelEvent>& events() const { return events_; }
  Tick end() const;

 private:
  std::string name_;
  int channel_;
  int program_;
  std::vector<Note> notes_;
  std::vector<ChannelEvent> events_;
};

class Song {
 public:
  explicit Song(std::string title);

  // Sets the tempo from this tick on.
  void tempo(Tick tick, double bpm);
  // Glides the tempo from one value to another, a step every beat.
  void ramp(Tick from, Tick to, double bpmFrom, double bpmTo);

  // Adds a part with its mix settings; the reference stays valid for the song's life.
  Part& add(std::string name, int channel, int program, int volume, int pan, int reverb);

  // A sudden general pause of every part.
  void silence(Tick from, Tick to);

  // The tick after the last note has ended, plus the tail given by setTail.
  Tick end() const;
  void setTail(Tick tail) { tail_ = tail; }
  // Scales every velocity when writing, to bring the whole tune to a level.
  void setLevel(int percent) { level_ = percent; }
  double seconds() const;

  // Format 1: a tempo track first, then one track a part.
  std::vector<std::uint8_t> bytes() const;

 private:
  std::string title_;
  std::map<Tick, std::uint32_t> tempos_;  // microseconds per quarter note
  std::deque<Part> parts_;
  Tick tail_ = 0;
  int level_ = 100;
};

}  // namespace tunes
