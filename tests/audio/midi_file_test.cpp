// midi_file_test.cpp: which bytes pass as a Standard MIDI File, where a tune's notes end, and reading tune files safely.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "standard_midi_file.h"
#include "test_tunes.h"

namespace {

using test_tunes::Bytes;
using test_tunes::Track;

std::optional<MidiFileFacts> Check(const Bytes& bytes) {
  return CheckStandardMidiFile(bytes.data(), bytes.size());
}

// A valid two-track file: the second track plays on after the first ends.
Bytes TwoTracks() {
  Track first;
  first.Tempo(500000).Note(0, 240, 60).End(240);
  Track second;
  second.Note(480, 960, 67).End(1600);
  return test_tunes::File({first, second});
}

TEST(StandardMidiFile, AWellFormedFileTellsWhereItsLastNoteEnds) {
  struct Row {
    const char* what;
    Bytes bytes;
    std::uint32_t lastNoteEnd;
    bool hasNotes;
  };
  Track runningStatus;
  runningStatus.Event(0, {0x90, 60, 100}).Event(100, {62, 100}).Event(200, {60, 0}).Event(300, {62, 0})
      .End(400);
  Track held;
  held.Event(0, {0x91, 60, 100}).Event(100, {0xB1, 7, 90}).End(700);
  Track silent;
  silent.Tempo(400000).Event(0, {0xF0, 3, 0x7E, 0x7F, 0xF7}).End(50);
  Bytes withOtherChunk = test_tunes::Phrase(2);
  for (std::uint8_t b : std::initializer_list<std::uint8_t>{'X', 'y', 'z', 'w', 0, 0, 0, 2, 7, 7}) withOtherChunk.push_back(b);
  Bytes longHeader = {'M', 'T', 'h', 'd', 0, 0, 0, 8, 0, 0, 0, 1, 1, 0xE0, 0xAA, 0xBB};
  const Bytes track = silent.Chunk();
  longHeader.insert(longHeader.end(), track.begin(), track.end());

  const Row rows[] = {
      {"a phrase of four beats", test_tunes::Phrase(4), 1920, true},
      {"a trailing End of Track", test_tunes::Phrase(4, 12, 3000), 1920, true},
      {"two tracks, the later ending last", TwoTracks(), 1440, true},
      {"running status and velocity 0 as note-off", test_tunes::File({runningStatus}), 300, true},
      {"a note held to the end of its track", test_tunes::File({held}), 700, true},
      {"no notes at all", test_tunes::File({silent}, 96, 0), 0, false},
      {"a chunk of another kind", withOtherChunk, 960, true},
      {"a header longer than six bytes", longHeader, 0, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const std::optional<MidiFileFacts> facts = Check(row.bytes);
    ASSERT_TRUE(facts.has_value());
    EXPECT_EQ(facts->lastNoteEndTick, row.lastNoteEnd);
    EXPECT_EQ(facts->hasNotes, row.hasNotes);
  }
}

TEST(StandardMidiFile, EveryCutShortCopyOfAGoodFileIsRefused) {
  const Bytes whole = TwoTracks();
  ASSERT_TRUE(Check(whole));
  for (std::size_t size = 0; size < whole.size(); ++size) {
    SCOPED_TRACE(size);
    EXPECT_FALSE(CheckStandardMidiFile(whole.data(), size));
  }
}

TEST(StandardMidiFile, MalformedFilesAreRefused) {
  struct Row {
    const char* what;
    std::function<void(Bytes&)> spoil;
  };
  // Offsets into Phrase(2): the header is bytes 0..13, the track chunk's
  // length at 18..21, its events from 22 on (tempo meta first).
  const Row rows[] = {
      {"another file's magic", [](Bytes& b) { b[0] = 'R'; }},
      {"a header length of 5", [](Bytes& b) { b[7] = 5; }},
      {"a header length past the end", [](Bytes& b) { b[6] = 0x10; }},
      {"format 3", [](Bytes& b) { b[9] = 3; }},
      {"no tracks", [](Bytes& b) { b[11] = 0; }},
      {"more tracks named than present", [](Bytes& b) { b[11] = 2; }},
      {"format 0 with two tracks", [](Bytes& b) {
         b[9] = 0;
         b[11] = 2;
         const Bytes again(b.begin() + 14, b.end());
         b.insert(b.end(), again.begin(), again.end());
       }},
      {"more track chunks than named", [](Bytes& b) {
         const Bytes again(b.begin() + 14, b.end());
         b.insert(b.end(), again.begin(), again.end());
       }},
      {"a division of 0", [](Bytes& b) { b[12] = b[13] = 0; }},
      {"SMPTE time", [](Bytes& b) { b[12] = 0xE7; }},
      {"a track length past the end", [](Bytes& b) { b[21] += 1; }},
      {"a track length short of End of Track", [](Bytes& b) {
         b[21] -= 1;
         b.pop_back();
       }},
      {"bytes after the last chunk", [](Bytes& b) { b.insert(b.end(), {0, 0, 0}); }},
      {"no End of Track", [](Bytes& b) {
         b.erase(b.end() - 4, b.end());
         b[21] -= 4;
       }},
      {"an event after End of Track", [](Bytes& b) {
         b.insert(b.end(), {0, 0x90, 60, 100});
         b[21] += 4;
       }},
      {"a data byte with no status before it", [](Bytes& b) { b[23] = 0x40; }},
      {"a status byte where data belongs", [](Bytes& b) {
         b.erase(b.end() - 4, b.end());
         b.insert(b.end(), {0, 0x90, 0x90, 100, 0, 0xFF, 0x2F, 0});
         b[21] += 4;
       }},
      {"a delta time of five bytes", [](Bytes& b) {
         b.erase(b.end() - 4, b.end());
         b.insert(b.end(), {0x81, 0x81, 0x81, 0x81, 0x01, 0xFF, 0x2F, 0});
         b[21] += 4;
       }},
      {"a meta length past the track", [](Bytes& b) { b[25] = 0x7F; }},
      {"a system message that files cannot hold", [](Bytes& b) {
         b.erase(b.end() - 4, b.end());
         b.insert(b.end(), {0, 0xF8, 0, 0xFF, 0x2F, 0});
         b[21] += 2;
       }},
      {"a SysEx length past the track", [](Bytes& b) {
         b.erase(b.end() - 4, b.end());
         b.insert(b.end(), {0, 0xF0, 0x40, 0, 0xFF, 0x2F, 0});
         b[21] += 3;
       }},
  };
  ASSERT_TRUE(Check(test_tunes::Phrase(2)));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Bytes bytes = test_tunes::Phrase(2);
    row.spoil(bytes);
    EXPECT_FALSE(Check(bytes));
  }
}

class TuneFile : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/wirangga-tunefile-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::string Make(const std::string& name, std::size_t size) {
    const std::string path = (dir / name).string();
    test_tunes::Write(path, Bytes(size, 0x42));
    return path;
  }

  std::filesystem::path dir;
};

TEST_F(TuneFile, AnOrdinaryFileUpToTheLimitIsReadWhole) {
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{5000}, kMaxTuneFileBytes}) {
    SCOPED_TRACE(size);
    const std::optional<Bytes> read = ReadTuneFile(Make("tune.mid", size));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), size);
  }
}

TEST_F(TuneFile, WhatIsNoReadableOrdinaryFileOfSaneSizeGivesNothing) {
  const std::string pipe = (dir / "pipe.mid").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::filesystem::create_directory(dir / "folder.mid");
  const struct {
    const char* what;
    std::string path;
  } rows[] = {
      {"a missing file", (dir / "Music9.mid").string()},
      {"a folder", (dir / "folder.mid").string()},
      {"a named pipe, which must not block the read", pipe},
      {"a file one byte over the limit", Make("big.mid", kMaxTuneFileBytes + 1)},
      {"a path through a file", Make("plain", 10) + "/Music1.mid"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_FALSE(ReadTuneFile(row.path));
  }
  // Root reads anything, so the unreadable file can be shown only to others.
  if (::geteuid() != 0) {
    const std::string locked = Make("locked.mid", 100);
    ::chmod(locked.c_str(), 0);
    EXPECT_FALSE(ReadTuneFile(locked));
  }
}

}  // namespace
