// test_tunes.h: small Standard MIDI Files made by the tests, and helpers to write them and measure rendered audio.
#pragma once

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace test_tunes {

using Bytes = std::vector<std::uint8_t>;

inline void Big32(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}
inline void Big16(Bytes& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v));
}
inline void Number(Bytes& out, std::uint32_t v) {
  std::uint8_t groups[5];
  int n = 0;
  groups[n++] = v & 0x7F;
  while (v >>= 7) groups[n++] = 0x80 | (v & 0x7F);
  while (n) out.push_back(groups[--n]);
}

// One track's events, written with absolute ticks in the order given.
class Track {
public:
  Track& Event(std::uint32_t tick, std::initializer_list<std::uint8_t> bytes) {
    Number(body_, tick - now_);
    now_ = tick;
    body_.insert(body_.end(), bytes);
    return *this;
  }
  Track& Tempo(std::uint32_t microsPerQuarter) {
    return Event(now_, {0xFF, 0x51, 3, static_cast<std::uint8_t>(microsPerQuarter >> 16),
                        static_cast<std::uint8_t>(microsPerQuarter >> 8),
                        static_cast<std::uint8_t>(microsPerQuarter)});
  }
  Track& Program(std::uint8_t channel, std::uint8_t program) {
    return Event(now_, {static_cast<std::uint8_t>(0xC0 | channel), program});
  }
  Track& Note(std::uint32_t tick, std::uint32_t length, std::uint8_t key, std::uint8_t velocity = 100,
              std::uint8_t channel = 0) {
    Event(tick, {static_cast<std::uint8_t>(0x90 | channel), key, velocity});
    return Event(tick + length, {static_cast<std::uint8_t>(0x80 | channel), key, 0});
  }
  Track& End(std::uint32_t tick) { return Event(tick, {0xFF, 0x2F, 0}); }
  std::uint32_t Now() const { return now_; }

  Bytes Chunk() const {
    Bytes out = {'M', 'T', 'r', 'k'};
    Big32(out, static_cast<std::uint32_t>(body_.size()));
    out.insert(out.end(), body_.begin(), body_.end());
    return out;
  }

private:
  Bytes body_;
  std::uint32_t now_ = 0;
};

inline Bytes File(const std::vector<Track>& tracks, std::uint16_t division = 480, std::uint16_t format = 1) {
  Bytes out = {'M', 'T', 'h', 'd'};
  Big32(out, 6);
  Big16(out, format);
  Big16(out, static_cast<std::uint16_t>(tracks.size()));
  Big16(out, division);
  for (const Track& track : tracks) {
    const Bytes chunk = track.Chunk();
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

// At 120 beats a minute and 480 ticks a beat, one tick lasts 1/960 s.
constexpr double kTicksPerSecond = 960.0;

// A marimba phrase of `notes` quarter notes, one a beat, the last let go at
// notes * 480 ticks (notes / 2 seconds); End of Track `tail` ticks later.
inline Bytes Phrase(int notes, std::uint8_t program = 12, std::uint32_t tail = 0) {
  Track track;
  track.Tempo(500000).Program(0, program);
  for (int i = 0; i < notes; ++i) {
    track.Note(static_cast<std::uint32_t>(i) * 480, 480, static_cast<std::uint8_t>(60 + (i * 5) % 12), 110);
  }
  track.End(static_cast<std::uint32_t>(notes) * 480 + tail);
  return File({track});
}

// A held organ chord of `seconds`, for steady levels.
inline Bytes Chord(double seconds) {
  const auto length = static_cast<std::uint32_t>(seconds * kTicksPerSecond);
  Track track;
  track.Tempo(500000).Program(0, 19);
  for (std::uint8_t key : {48, 55, 60, 64}) track.Event(0, {0x90, key, 100});
  for (std::uint8_t key : {48, 55, 60, 64}) track.Event(length, {0x80, key, 0});
  track.End(length);
  return File({track});
}

inline void Write(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

inline double Rms(const std::vector<float>& samples) {
  double sum = 0;
  for (float s : samples) sum += double{s} * s;
  return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

inline float Peak(const std::vector<float>& samples) {
  float peak = 0;
  for (float s : samples) peak = std::max(peak, std::abs(s));
  return peak;
}

}  // namespace test_tunes
