// tunes_test.cpp: reads the four composed tunes back as Standard MIDI Files and checks their form.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tune_titles.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// What a reading of the file found; `error` is empty when it is well formed.
struct Reading {
  std::string error;
  int format = -1;
  int division = 0;
  int tracks = 0;
  std::map<std::int64_t, std::uint32_t> tempos;  // tick -> microseconds a quarter note
  std::int64_t endTick = 0;                      // the latest end-of-track
  int programChanges = 0;
  std::set<int> channelsWithProgram;
  std::set<int> channelsWithNotes;
  int notesBeforeProgram = 0;  // notes on a melodic channel before its program change
  int noteOns = 0;
  int unmatchedOffs = 0;   // note-offs with no sounding note to end
  int stuckNotes = 0;      // notes still sounding at a track's end
  std::vector<std::string> trackNames;
};

// Reads bytes strictly: chunk lengths must add up to the file, every event
// must fit its track, running status is followed for channel messages (and
// dropped by meta and system-exclusive events), and each track must end with
// exactly one end-of-track, as its last event.
Reading readSmf(const Bytes& b) {
  Reading r;
  std::size_t pos = 0;
  auto fail = [&](const std::string& why) {
    r.error = why + " at byte " + std::to_string(pos);
    return r;
  };
  auto be = [&](std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | b[at + std::size_t(i)];
    return v;
  };
  if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || be(4, 4) != 6)
    return fail("no MThd header of length 6");
  r.format = int(be(8, 2));
  const int declaredTracks = int(be(10, 2));
  r.division = int(be(12, 2));
  if (r.format > 1) return fail("format " + std::to_string(r.format));
  if (r.division <= 0 || (r.division & 0x8000)) return fail("division not in ticks a quarter note");
  pos = 14;
  while (pos < b.size()) {
    if (b.size() - pos < 8) return fail("truncated chunk header");
    const std::string id(b.begin() + std::ptrdiff_t(pos), b.begin() + std::ptrdiff_t(pos) + 4);
    const std::size_t length = be(pos + 4, 4);
    if (length > b.size() - pos - 8) return fail("chunk longer than the file");
    if (id != "MTrk") return fail("unexpected chunk " + id);
    const std::size_t end = pos + 8 + length;
    pos += 8;
    ++r.tracks;
    std::int64_t tick = 0;
    int running = -1;
    bool ended = false;
    std::map<std::pair<int, int>, int> sounding;
    auto varLen = [&]() -> std::optional<std::uint32_t> {
      std::uint32_t v = 0;
      for (int i = 0; i < 4; ++i) {
        if (pos >= end) return std::nullopt;
        const std::uint8_t c = b[pos++];
        v = (v << 7) | (c & 0x7F);
        if (!(c & 0x80)) return v;
      }
      return std::nullopt;
    };
    while (pos < end) {
      if (ended) return fail("event after end-of-track");
      const auto delta = varLen();
      if (!delta) return fail("bad delta time");
      tick += *delta;
      if (pos >= end) return fail("delta without event");
      int status = b[pos];
      if (status == 0xFF) {
        running = -1;
        if (end - pos < 2) return fail("truncated meta event");
        const int type = b[pos + 1];
        pos += 2;
        const auto len = varLen();
        if (!len || *len > end - pos) return fail("meta event longer than its track");
        if (type == 0x2F) {
          if (*len != 0) return fail("end-of-track with data");
          ended = true;
          r.endTick = std::max(r.endTick, tick);
        } else if (type == 0x51) {
          if (*len != 3) return fail("tempo of wrong length");
          r.tempos[tick] = be(pos, 3);
        } else if (type == 0x03) {
          r.trackNames.emplace_back(b.begin() + std::ptrdiff_t(pos), b.begin() + std::ptrdiff_t(pos + *len));
        }
        pos += *len;
        continue;
      }
      if (status == 0xF0 || status == 0xF7) {
        running = -1;
        ++pos;
        const auto len = varLen();
        if (!len || *len > end - pos) return fail("system-exclusive event longer than its track");
        pos += *len;
        continue;
      }
      if (status & 0x80) {
        if (status > 0xEF) return fail("system message in a track");
        running = status;
        ++pos;
      } else if (running < 0) {
        return fail("data byte without running status");
      }
      status = running;
      const int kind = status & 0xF0, channel = status & 0x0F;
      const int size = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
      if (end - pos < std::size_t(size)) return fail("truncated channel message");
      for (int i = 0; i < size; ++i)
        if (b[pos + std::size_t(i)] & 0x80) return fail("status byte inside a message");
      const int d1 = b[pos], d2 = size == 2 ? b[pos + 1] : 0;
      pos += std::size_t(size);
      if (kind == 0xC0) {
        ++r.programChanges;
        r.channelsWithProgram.insert(channel);
      } else if (kind == 0x90 && d2 > 0) {
        ++r.noteOns;
        ++sounding[{channel, d1}];
        r.channelsWithNotes.insert(channel);
        if (channel != 9 && !r.channelsWithProgram.count(channel)) ++r.notesBeforeProgram;
      } else if (kind == 0x80 || kind == 0x90) {
        int& n = sounding[{channel, d1}];
        if (n == 0) ++r.unmatchedOffs;
        else --n;
      }
    }
    if (!ended) return fail("track without end-of-track");
    for (const auto& [key, n] : sounding) r.stuckNotes += n;
  }
  if (r.tracks != declaredTracks) return fail("header announces " + std::to_string(declaredTracks) + " tracks");
  if (r.format == 0 && r.tracks != 1) return fail("format 0 with several tracks");
  return r;
}

double seconds(const Reading& r) {
  double s = 0;
  std::int64_t at = 0;
  std::uint32_t us = 500000;  // 120 beats a minute until a tempo says otherwise
  for (const auto& [tick, tempo] : r.tempos) {
    if (tick > r.endTick) break;
    s += double(tick - at) * us / r.division / 1e6;
    at = tick;
    us = tempo;
  }
  return s + double(r.endTick - at) * us / r.division / 1e6;
}

Bytes load(int n) {
  std::ifstream in(std::string(WIRANGGA_TUNE_DIR) + "/Music" + std::to_string(n) + ".mid", std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::string withoutAmpersand(std::string s) {
  std::erase(s, '&');
  return s;
}

class EachTune : public testing::TestWithParam<int> {};

TEST_P(EachTune, IsAWellFormedMidiFileWithMatchedNotesAndInstruments) {
  const Bytes bytes = load(GetParam());
  ASSERT_FALSE(bytes.empty()) << "Music" << GetParam() << ".mid is missing or empty";
  const Reading r = readSmf(bytes);
  ASSERT_EQ(r.error, "");
  EXPECT_GT(r.noteOns, 200);
  EXPECT_EQ(r.stuckNotes, 0);
  EXPECT_EQ(r.unmatchedOffs, 0);
  EXPECT_GE(r.programChanges, 4);
  EXPECT_EQ(r.notesBeforeProgram, 0);
  for (int channel : r.channelsWithNotes) {
    if (channel == 9) continue;  // the drum channel plays its kit without choosing one
    EXPECT_TRUE(r.channelsWithProgram.count(channel)) << "channel " << channel + 1;
  }
}

TEST_P(EachTune, LastsBetweenOneAndThreeMinutesByItsTempoMap) {
  const Reading r = readSmf(load(GetParam()));
  ASSERT_EQ(r.error, "");
  EXPECT_GE(r.tempos.size(), 2u) << "the tune never changes its pace";
  const double s = seconds(r);
  EXPECT_GE(s, 60.0);
  EXPECT_LE(s, 180.0);
}

TEST_P(EachTune, CarriesItsMenuTitleAsItsName) {
  const Reading r = readSmf(load(GetParam()));
  ASSERT_EQ(r.error, "");
  ASSERT_FALSE(r.trackNames.empty());
  EXPECT_EQ(r.trackNames.front(), withoutAmpersand(kTuneTitles[std::size_t(GetParam() - 1)]));
}

INSTANTIATE_TEST_SUITE_P(Tunes, EachTune, testing::Values(1, 2, 3, 4),
                         [](const testing::TestParamInfo<int>& info) { return "Music" + std::to_string(info.param); });

TEST(FourTunes, AreFourDifferentPiecesWithFourTitles) {
  std::set<Bytes> files;
  std::set<std::string> titles;
  for (int n = 1; n <= 4; ++n) {
    files.insert(load(n));
    titles.insert(withoutAmpersand(kTuneTitles[std::size_t(n - 1)]));
  }
  EXPECT_EQ(files.size(), 4u);
  EXPECT_EQ(titles.size(), 4u);
  for (const std::string& t : titles) EXPECT_FALSE(t.empty());
}

// The reader above is what the checks stand on, so it is itself held to a
// few small files written by hand.
Bytes smf(const Bytes& track) {
  const std::array<std::uint8_t, 22> head = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0,
                                            'M', 'T', 'r', 'k', 0, 0, 0, std::uint8_t(track.size())};
  Bytes b(head.begin(), head.end());
  for (std::uint8_t byte : track) b.push_back(byte);
  return b;
}

TEST(MidiReader, FollowsRunningStatusAndCountsNoteOnWithoutVelocityAsAnEnd) {
  const Reading r = readSmf(smf({0x00, 0xC0, 0x0B,                     // program
                                 0x00, 0x90, 0x3C, 0x64, 0x00, 0x40, 0x64,  // two notes, the second by running status
                                 0x60, 0x3C, 0x00, 0x00, 0x40, 0x00,        // both ended by velocity 0
                                 0x00, 0xFF, 0x2F, 0x00}));
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.noteOns, 2);
  EXPECT_EQ(r.stuckNotes, 0);
  EXPECT_EQ(r.endTick, 0x60);
}

TEST(MidiReader, RejectsBrokenFilesAndReportsStuckNotes) {
  const Bytes endOfTrack = {0x00, 0xFF, 0x2F, 0x00};
  EXPECT_NE(readSmf(smf({0x00, 0x90, 0x3C, 0x64})).error, "") << "no end-of-track";
  EXPECT_NE(readSmf(smf({0x00, 0x3C, 0x64, 0x00, 0xFF, 0x2F, 0x00})).error, "") << "data without status";
  EXPECT_NE(readSmf(smf({0x00, 0xFF, 0x2F, 0x00, 0x00, 0xFF, 0x2F, 0x00})).error, "") << "two ends";
  Bytes longer = smf(endOfTrack);
  longer[21] = 9;
  EXPECT_NE(readSmf(longer).error, "") << "chunk length past the file";
  Bytes extraTrack = smf(endOfTrack);
  extraTrack[11] = 2;
  EXPECT_NE(readSmf(extraTrack).error, "") << "header counts a missing track";
  const Reading stuck = readSmf(smf({0x00, 0x90, 0x3C, 0x64, 0x00, 0xFF, 0x2F, 0x00}));
  ASSERT_EQ(stuck.error, "");
  EXPECT_EQ(stuck.stuckNotes, 1);
}

}  // namespace
