// standard_midi_file.cpp: the SMF walk (header, chunks, events) and the guarded file read.
#include "standard_midi_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace {

std::uint32_t Big32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}
std::uint16_t Big16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }

// Reads one track's events; false at the first thing out of place.
class TrackWalk {
public:
  TrackWalk(const std::uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}

  bool Run(MidiFileFacts& facts) {
    std::uint8_t status = 0;  // running status; 0 when none may run
    std::uint32_t tick = 0;
    std::array<std::uint16_t, 16 * 128> held{};
    int heldCount = 0;
    while (p_ < end_) {
      std::uint32_t delta = 0;
      if (!Number(delta)) return false;
      tick += delta;
      if (tick < delta) return false;  // a tune of more than 2^32 ticks is not one of ours
      if (p_ == end_) return false;
      std::uint8_t first = *p_;
      if (first & 0x80) {
        ++p_;
      } else if (status == 0) {
        return false;  // a data byte with no status to run on
      } else {
        first = status;
      }
      if (first == 0xFF) {
        status = 0;
        if (p_ == end_) return false;
        const std::uint8_t type = *p_++;
        std::uint32_t length = 0;
        if (!Number(length) || length > Left()) return false;
        p_ += length;
        if (type == 0x2F) {
          // End of Track: the last event of the chunk.
          if (length != 0 || p_ != end_) return false;
          if (heldCount > 0) Note(facts, tick);
          return true;
        }
      } else if (first == 0xF0 || first == 0xF7) {
        status = 0;
        std::uint32_t length = 0;
        if (!Number(length) || length > Left()) return false;
        p_ += length;
      } else if (first >= 0xF0) {
        return false;  // system messages other than SysEx do not belong in a file
      } else {
        status = first;
        const int kind = first >> 4;
        const std::size_t dataBytes = (kind == 0xC || kind == 0xD) ? 1 : 2;
        if (Left() < dataBytes) return false;
        for (std::size_t i = 0; i < dataBytes; ++i) {
          if (p_[i] & 0x80) return false;
        }
        if (kind == 0x8 || kind == 0x9) {
          const std::size_t key = (first & 0x0F) * 128u + p_[0];
          const bool on = kind == 0x9 && p_[1] != 0;
          if (on) {
            if (held[key]++ == 0) ++heldCount;
          } else if (held[key] > 0) {
            if (--held[key] == 0) --heldCount;
          }
          Note(facts, tick);
        }
        p_ += dataBytes;
      }
    }
    return false;  // the chunk ran out before End of Track
  }

private:
  static void Note(MidiFileFacts& facts, std::uint32_t tick) {
    facts.hasNotes = true;
    if (tick > facts.lastNoteEndTick) facts.lastNoteEndTick = tick;
  }

  std::size_t Left() const { return static_cast<std::size_t>(end_ - p_); }

  // A variable-length quantity: at most four bytes.
  bool Number(std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      if (p_ == end_) return false;
      const std::uint8_t byte = *p_++;
      value = value << 7 | (byte & 0x7F);
      if (!(byte & 0x80)) return true;
    }
    return false;
  }

  const std::uint8_t* p_;
  const std::uint8_t* end_;
};

}  // namespace

std::optional<MidiFileFacts> CheckStandardMidiFile(const std::uint8_t* bytes, std::size_t size) {
  if (bytes == nullptr || size < 14) return std::nullopt;
  if (Big32(bytes) != 0x4D546864 /* MThd */) return std::nullopt;
  const std::uint32_t headerLength = Big32(bytes + 4);
  if (headerLength < 6 || headerLength > size - 8) return std::nullopt;
  const std::uint16_t format = Big16(bytes + 8);
  const std::uint16_t tracks = Big16(bytes + 10);
  const std::uint16_t division = Big16(bytes + 12);
  if (format > 2 || tracks == 0 || (format == 0 && tracks != 1)) return std::nullopt;
  // SMPTE time (top bit set) is not something the player can follow.
  if (division == 0 || (division & 0x8000)) return std::nullopt;

  MidiFileFacts facts;
  std::size_t at = 8 + headerLength;
  int tracksSeen = 0;
  while (at < size) {
    if (size - at < 8) return std::nullopt;
    const std::uint32_t type = Big32(bytes + at);
    const std::uint32_t length = Big32(bytes + at + 4);
    at += 8;
    if (length > size - at) return std::nullopt;
    if (type == 0x4D54726B /* MTrk */) {
      if (++tracksSeen > tracks) return std::nullopt;
      if (!TrackWalk(bytes + at, length).Run(facts)) return std::nullopt;
    }
    at += length;
  }
  if (tracksSeen != tracks) return std::nullopt;
  return facts;
}

std::optional<std::vector<std::uint8_t>> ReadTuneFile(const std::string& path) {
  // Non-blocking, so that a named pipe in the tune's place cannot hang us.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  std::optional<std::vector<std::uint8_t>> content;
  struct stat info{};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
      static_cast<std::uint64_t>(info.st_size) <= kMaxTuneFileBytes) {
    // Read to the end rather than trusting the size: the file may change
    // under us, and it may not grow past the limit while we read.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t filled = 0;
    bool failed = false;
    for (;;) {
      if (filled == bytes.size()) {
        if (bytes.size() > kMaxTuneFileBytes) break;
        bytes.resize(std::min(bytes.size() * 2, kMaxTuneFileBytes + 1));
      }
      const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        failed = true;
        break;
      }
      if (got == 0) break;
      filled += static_cast<std::size_t>(got);
    }
    if (!failed && filled <= kMaxTuneFileBytes) {
      bytes.resize(filled);
      content = std::move(bytes);
    }
  }
  ::close(fd);
  return content;
}
