// tune_midi.cpp: turns parts and a tempo map into a Standard MIDI File.
#include "tune_midi.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

namespace tunes {

namespace {

int clamp7(int v) { return std::clamp(v, 0, 127); }

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(v >> shift));
}

void putVarLen(std::vector<std::uint8_t>& out, std::uint32_t v) {
  std::uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = std::uint8_t(v & 0x7F);
    v >>= 7;
  } while (v != 0);
  while (n > 1) out.push_back(std::uint8_t(groups[--n] | 0x80));
  out.push_back(groups[0]);
}

// Sorting rank of events that share a tick: names and programs before
// controllers, controllers before notes, and a note's end before the next
// note's start so that a repeated key is struck again instead of silenced.
enum Rank { kMeta = 0, kSetup = 1, kOff = 2, kOn = 3 };

struct Event {
  Tick tick;
  int rank;
  std::vector<std::uint8_t> data;  // a complete message: status byte first, or FF for a meta event
};

// Writes events as one track chunk, with running status for channel messages.
// A meta event breaks the run, since some readers reset it there.
void writeTrack(std::vector<std::uint8_t>& out, std::vector<Event> events, Tick end) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return std::tie(a.tick, a.rank) < std::tie(b.tick, b.rank);
  });
  std::vector<std::uint8_t> body;
  Tick now = 0;
  int running = -1;
  for (const Event& e : events) {
    putVarLen(body, std::uint32_t(e.tick - now));
    now = e.tick;
    if (e.data[0] == 0xFF) {
      running = -1;
      body.insert(body.end(), e.data.begin(), e.data.end());
    } else if (e.data[0] == running) {
      body.insert(body.end(), e.data.begin() + 1, e.data.end());
    } else {
      running = e.data[0];
      body.insert(body.end(), e.data.begin(), e.data.end());
    }
  }
  putVarLen(body, std::uint32_t(std::max<Tick>(0, end - now)));
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  out.insert(out.end(), {'M', 'T', 'r', 'k'});
  put32(out, std::uint32_t(body.size()));
  out.insert(out.end(), body.begin(), body.end());
}

Event textEvent(Tick tick, std::uint8_t type, const std::string& text) {
  Event e{tick, kMeta, {0xFF, type}};
  putVarLen(e.data, std::uint32_t(text.size()));
  e.data.insert(e.data.end(), text.begin(), text.end());
  return e;
}

// Shortens a note that is still sounding when the same key is struck again,
// so every note-on is answered by its own note-off; notes left without
// length are dropped.
std::vector<Note> separated(std::vector<Note> notes) {
  std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) {
    return std::tie(a.key, a.start) < std::tie(b.key, b.start);
  });
  for (std::size_t i = 0; i + 1 < notes.size(); ++i) {
    if (notes[i + 1].key == notes[i].key)
      notes[i].length = std::min(notes[i].length, notes[i + 1].start - notes[i].start);
  }
  std::erase_if(notes, [](const Note& n) { return n.length <= 0; });
  return notes;
}

}  // namespace

Part::Part(std::string name, int channel, int program)
    : name_(std::move(name)), channel_(channel), program_(program) {}

void Part::note(Tick start, Tick length, int key, int velocity) {
  if (key < 0 || key > 127 || length <= 0 || start < 0) return;
  notes_.push_back({start, length, key, std::clamp(velocity, 1, 127)});
}

void Part::silence(Tick from, Tick to) {
  std::erase_if(notes_, [&](const Note& n) { return n.start >= from && n.start < to; });
  for (Note& n : notes_)
    if (n.start < from && n.start + n.length > from) n.length = from - n.start;
}

void Part::controller(Tick tick, int number, int value) {
  events_.push_back({tick, {0xB0, std::uint8_t(clamp7(number)), std::uint8_t(clamp7(value))}});
}

void Part::bend(Tick tick, int cents) {
  const int value = std::clamp(8192 + int(std::lround(cents * 8192.0 / 200.0)), 0, 16383);
  events_.push_back({tick, {0xE0, std::uint8_t(value & 0x7F), std::uint8_t(value >> 7)}});
}

Tick Part::end() const {
  Tick last = 0;
  for (const Note& n : notes_) last = std::max(last, n.start + n.length);
  return last;
}

Song::Song(std::string title) : title_(std::move(title)) { tempo(0, 120); }

void Song::tempo(Tick tick, double bpm) {
  tempos_[tick] = std::uint32_t(std::lround(60'000'000.0 / bpm));
}

void Song::ramp(Tick from, Tick to, double bpmFrom, double bpmTo) {
  for (Tick t = from; t < to; t += kBeat)
    tempo(t, bpmFrom + (bpmTo - bpmFrom) * double(t - from) / double(to - from));
  tempo(to, bpmTo);
}

Part& Song::add(std::string name, int channel, int program, int volume, int pan, int reverb) {
  for (const Part& p : parts_)
    if (p.channel() == channel) throw std::logic_error("two parts on channel " + std::to_string(channel));
  Part& part = parts_.emplace_back(std::move(name), channel, program);
  part.controller(0, 7, volume);
  part.controller(0, 10, pan);
  part.controller(0, 91, reverb);
  return part;
}

void Song::silence(Tick from, Tick to) {
  for (Part& p : parts_) p.silence(from, to);
}

Tick Song::end() const {
  Tick last = 0;
  for (const Part& p : parts_) last = std::max(last, p.end());
  return last + tail_;
}

double Song::seconds() const {
  const Tick stop = end();
  double seconds = 0;
  Tick at = 0;
  std::uint32_t usPerBeat = 500'000;
  for (const auto& [tick, us] : tempos_) {
    if (tick >= stop) break;
    seconds += double(tick - at) * usPerBeat / kBeat / 1e6;
    at = tick;
    usPerBeat = us;
  }
  return seconds + double(stop - at) * usPerBeat / kBeat / 1e6;
}

std::vector<std::uint8_t> Song::bytes() const {
  const Tick stop = end();
  std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  out.push_back(std::uint8_t((parts_.size() + 1) >> 8));
  out.push_back(std::uint8_t(parts_.size() + 1));
  out.push_back(std::uint8_t(kBeat >> 8));
  out.push_back(std::uint8_t(kBeat & 0xFF));

  std::vector<Event> conductor = {textEvent(0, 0x03, title_), {0, kMeta, {0xFF, 0x58, 0x04, 4, 2, 24, 8}}};
  for (const auto& [tick, us] : tempos_) {
    if (tick >= stop) break;
    conductor.push_back({tick, kMeta, {0xFF, 0x51, 0x03, std::uint8_t(us >> 16), std::uint8_t(us >> 8), std::uint8_t(us)}});
  }
  writeTrack(out, conductor, stop);

  for (const Part& p : parts_) {
    const std::uint8_t ch = std::uint8_t(p.channel());
    std::vector<Event> events = {textEvent(0, 0x03, p.name()),
                                 {0, kSetup, {std::uint8_t(0xC0 | ch), std::uint8_t(p.program())}}};
    for (const ChannelEvent& c : p.events()) {
      Event e{c.tick, kSetup, c.data};
      e.data[0] |= ch;
      events.push_back(e);
    }
    for (const Note& n : separated(p.notes())) {
      const std::uint8_t key = std::uint8_t(n.key);
      const int velocity = std::clamp(n.velocity * level_ / 100, 1, 127);
      events.push_back({n.start, kOn, {std::uint8_t(0x90 | ch), key, std::uint8_t(velocity)}});
      events.push_back({n.start + n.length, kOff, {std::uint8_t(0x90 | ch), key, 0}});
    }
    writeTrack(out, events, stop);
  }
  return out;
}

}  // namespace tunes
