// fluid_music_test.cpp: the music player on the real FluidSynth engine, rendered offline through the mixer.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>

#include "audio_log.h"
#include "audio_system.h"
#include "offline_audio.h"
#include "mod_dx_music.h"
#include "soundfont_places.h"
#include "test_tunes.h"

namespace {

using test_tunes::Bytes;

constexpr int kBlock = kDeviceBlock;

int Frames(double seconds) { return static_cast<int>(std::lround(seconds * AudioMixer::kRate)); }

class FluidMusic : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/wirangga-music-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir = pattern;
    music.MusicDir = dir.string() + "/";
    for (int i = 1; i <= 4; ++i) music.SongFile[i] = "Music" + std::to_string(i) + ".mid";
    ASSERT_TRUE(audio.Synth().WaitUntilLoaded()) << LastAudioError();
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  void WriteTune(int n, const Bytes& bytes) { test_tunes::Write(dir / music.SongFile[n], bytes); }

  // Init, load tune n, the volume setting 75, play: what a choice of tune does.
  void Start(int n) {
    music.MusicInit();
    ASSERT_TRUE(music.MusicReady);
    music.MusicLoad(static_cast<std::uint8_t>(n));
    music.MusicVolume(75);
    music.MusicPlay();
  }

  std::vector<float> Pull(int frames) { return ::Pull(audio.Mixer(), frames); }

  bool Playing() {
    return audio.Midi().IsPlaying(music.Performance(), music.Segment(), music.SegmentState());
  }

  std::filesystem::path dir;
  AudioSystem audio{OfflineAudio()};
  modDXMusic music{audio.Midi()};
};

// A tune sounds at a level well above silence (-60 dBFS RMS).
constexpr double kAudibleRms = 1e-3;

TEST_F(FluidMusic, ATunePlaysOnceAndStopsCountingAsPlayingWhenItsLastNoteEnds) {
  // Four beats of marimba: the last note is let go at 2.0 s. The second file
  // ends its track three seconds after that, which must not count.
  const struct {
    const char* what;
    Bytes tune;
  } rows[] = {{"ending with its last note", test_tunes::Phrase(4)},
              {"with a silent stretch before its end", test_tunes::Phrase(4, 12, 2880)}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    WriteTune(1, row.tune);
    Start(1);
    EXPECT_TRUE(Playing());
    EXPECT_GT(test_tunes::Rms(Pull(Frames(0.5))), kAudibleRms);

    int frames = Frames(0.5);
    while (Playing() && frames < Frames(10)) {
      Pull(kBlock);
      frames += kBlock;
    }
    const double endedAt = double(frames) / AudioMixer::kRate;
    EXPECT_GE(endedAt, 2.0 - 0.02);
    EXPECT_LE(endedAt, 2.0 + 0.05);

    // Once through only: after the marimba's ring has faded, nothing more
    // than the last trace of the reverb, far below hearing (-100 dBFS).
    Pull(Frames(3));
    EXPECT_LT(test_tunes::Peak(Pull(Frames(4))), 1e-5f);
    EXPECT_FALSE(Playing());

    // Asked again, it starts from its beginning.
    music.MusicPlay();
    EXPECT_TRUE(Playing());
    EXPECT_GT(test_tunes::Rms(Pull(Frames(0.5))), kAudibleRms);
    music.MusicStop();
  }
}

// Every way the music is ended leaves the very next block silent, reverb and
// chorus tail included, and nothing of it comes back later.
TEST_F(FluidMusic, EndingTheMusicIsSilentFromTheNextBlock) {
  const struct {
    const char* what;
    std::function<void(modDXMusic&)> end;
  } rows[] = {
      {"MusicStop", [](modDXMusic& m) { m.MusicStop(); }},
      {"MusicClose", [](modDXMusic& m) { m.MusicClose(); }},
      {"a new performance", [](modDXMusic& m) { m.MusicInit(); }},
      {"loading another tune", [](modDXMusic& m) { m.MusicLoad(2); }},
  };
  WriteTune(1, test_tunes::Chord(6));
  WriteTune(2, test_tunes::Phrase(3));
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    Start(1);
    const std::vector<float> before = Pull(Frames(1));
    ASSERT_GT(test_tunes::Rms(before), kAudibleRms);
    row.end(music);
    EXPECT_FALSE(Playing());
    for (int block = 0; block < 20; ++block) {
      ASSERT_EQ(test_tunes::Peak(Pull(kBlock)), 0.0f) << "block " << block;
    }
    EXPECT_EQ(test_tunes::Peak(Pull(Frames(3))), 0.0f);
  }
}

TEST_F(FluidMusic, TheMasterVolumeSetsTheLevelInHundredthsOfADecibel) {
  // The same chord at the initial -9.00 dB and at the setting 75 (+1.50 dB).
  WriteTune(1, test_tunes::Chord(3));
  auto levelAt = [&](bool setVolume) {
    music.MusicInit();
    music.MusicLoad(1);
    if (setVolume) music.MusicVolume(75);
    music.MusicPlay();
    Pull(Frames(0.5));
    const double rms = test_tunes::Rms(Pull(Frames(1.5)));
    music.MusicStop();
    return rms;
  };
  const double quiet = levelAt(false);
  const double loud = levelAt(true);
  ASSERT_GT(quiet, 0.0);
  EXPECT_NEAR(20 * std::log10(loud / quiet), 10.5, 0.5);
}

// The file in the tune's place is not a tune: the load fails, the tune
// loaded before stays, and playing again plays that one.
TEST_F(FluidMusic, ATuneFileThatIsNotAGoodMidiFileFailsToLoadAndTheOldTuneStillPlays) {
  Bytes truncated = test_tunes::Phrase(8);
  truncated.resize(truncated.size() - 9);
  Bytes corrupt = test_tunes::Phrase(8);
  for (std::size_t i = 22; i < corrupt.size(); i += 3) corrupt[i] = 0xF4;
  // Well-formed but past the size limit: one text event of 4 MiB.
  test_tunes::Track huge;
  huge.Event(0, {0xFF, 0x01});
  Bytes text;
  test_tunes::Number(text, kMaxTuneFileBytes);
  text.resize(text.size() + kMaxTuneFileBytes, 'x');
  Bytes oversized = test_tunes::File({huge});
  oversized.insert(oversized.end(), text.begin(), text.end());
  const Bytes end = {0x00, 0xFF, 0x2F, 0x00};
  oversized.insert(oversized.end(), end.begin(), end.end());
  const std::uint32_t trackLength = static_cast<std::uint32_t>(oversized.size() - 22);
  for (int i = 0; i < 4; ++i) oversized[18 + i] = static_cast<std::uint8_t>(trackLength >> (24 - 8 * i));
  ASSERT_TRUE(CheckStandardMidiFile(oversized.data(), oversized.size()));

  const struct {
    const char* what;
    std::function<void()> place;
  } rows[] = {
      {"corrupt", [&] { WriteTune(2, corrupt); }},
      {"truncated", [&] { WriteTune(2, truncated); }},
      {"empty", [&] { WriteTune(2, {}); }},
      {"over 4 MiB", [&] { WriteTune(2, oversized); }},
      {"missing", [&] { std::filesystem::remove(dir / "Music2.mid"); }},
      {"a folder", [&] { std::filesystem::create_directory(dir / "Music2.mid"); }},
  };
  WriteTune(1, test_tunes::Chord(4));
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    std::filesystem::remove_all(dir / "Music2.mid");
    row.place();
    Start(1);
    const MidiSegment tuneOne = music.Segment();
    ASSERT_TRUE(tuneOne);
    ASSERT_GT(test_tunes::Rms(Pull(Frames(0.3))), kAudibleRms);

    music.MusicLoad(2);
    EXPECT_EQ(music.Segment(), tuneOne);
    EXPECT_TRUE(music.MusicReady);
    music.MusicInit();
    music.MusicVolume(75);
    music.MusicPlay();
    EXPECT_TRUE(Playing());
    EXPECT_GT(test_tunes::Rms(Pull(Frames(0.5))), kAudibleRms);
    music.MusicStop();
  }
}

TEST_F(FluidMusic, APlaybackBelongsToThePerformanceThatStartedIt) {
  WriteTune(1, test_tunes::Chord(4));
  Start(1);
  Pull(Frames(0.2));
  const MidiPerformance old = music.Performance();
  const MidiSegmentState playback = music.SegmentState();
  ASSERT_TRUE(Playing());

  music.MusicInit();
  EXPECT_FALSE(audio.Midi().IsPlaying(old, music.Segment(), playback));
  EXPECT_FALSE(audio.Midi().IsPlaying(music.Performance(), music.Segment(), playback));
  // So the next play starts the tune afresh on the new performance.
  music.MusicPlay();
  EXPECT_NE(music.SegmentState(), playback);
  EXPECT_GT(test_tunes::Rms(Pull(Frames(0.5))), kAudibleRms);
}

TEST_F(FluidMusic, WithoutAnyDeviceTheTuneWaitsForRenderedAudioToAdvance) {
  // Nothing pulls the mixer, so the tune has not moved: it is still playing
  // however long the wall clock runs.
  WriteTune(1, test_tunes::Phrase(1));
  Start(1);
  ::usleep(700 * 1000);
  EXPECT_TRUE(Playing());
  Pull(Frames(0.6));
  EXPECT_FALSE(Playing());
}

TEST(FluidSoundFont, WithoutASoundFontTheEngineDoesNotComeUpAndAllStaysSilent) {
  AudioSystem audio{OfflineAudio({"/nonexistent/none.sf2"})};
  modDXMusic music(audio.Midi());
  music.MusicDir = "/nonexistent/";
  music.SongFile[1] = "Music1.mid";
  music.MusicInit();
  EXPECT_FALSE(music.MusicReady);
  music.MusicLoad(1);
  music.MusicPlay();
  std::vector<float> block(2 * kBlock);
  audio.Mixer().Mix(block.data(), kBlock);
  EXPECT_EQ(test_tunes::Peak(block), 0.0f);
  EXPECT_NE(LastAudioError().find("SoundFont"), std::string::npos);
}

// A deferred start leaves the SoundFont alone until Start, whose call-back
// comes once it is loaded; a performance brought up earlier loads it itself.
TEST(FluidSoundFont, ADeferredStartLoadsTheSoundFontOnlyFromStartOnAndSaysWhenItIsReady) {
  AudioOptions options = OfflineAudio();
  options.deferStart = true;
  AudioSystem audio(options);
  ::usleep(100 * 1000);
  EXPECT_EQ(audio.Synth().SoundFontPath(), "") << "loaded before Start";

  std::mutex mutex;
  std::condition_variable told;
  int ready = 0;
  std::string seen;
  audio.Start([&] {
    std::lock_guard<std::mutex> lock(mutex);
    seen = audio.Synth().SoundFontPath();
    ++ready;
    told.notify_all();
  });
  {
    std::unique_lock<std::mutex> lock(mutex);
    ASSERT_TRUE(told.wait_for(lock, std::chrono::seconds(30), [&] { return ready > 0; }));
  }
  EXPECT_NE(seen, "") << LastAudioError();
  // A later call-back, once the load is over, comes at once.
  audio.Start([&] { ++ready; });
  EXPECT_EQ(ready, 2);
}

TEST(FluidSoundFont, APerformanceBroughtUpBeforeADeferredStartLoadsTheSoundFontItself) {
  AudioOptions options = OfflineAudio();
  options.deferStart = true;
  AudioSystem audio(options);
  modDXMusic music(audio.Midi());
  music.MusicInit();
  EXPECT_TRUE(music.MusicReady) << LastAudioError();
  EXPECT_NE(audio.Synth().SoundFontPath(), "");
}

TEST(FluidSoundFont, TheSoundFontBesideTheProgramComesFirstThenTheDistributionsOwn) {
  const std::vector<std::string> places = SoundFontPlaces();
  ASSERT_GE(places.size(), 2u);
  const std::string self = std::filesystem::canonical("/proc/self/exe").parent_path().string();
  EXPECT_EQ(places[0], self + "/default-GM.sf2");
  EXPECT_EQ(places[1], "/usr/share/sounds/sf2/default-GM.sf2");
  for (const std::string& place : places) EXPECT_EQ(place.front(), '/') << place;
}

}  // namespace
