// music_player_test.cpp: the music player's state and the order of its engine calls, against the recording engine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mod_dx_music.h"
#include "recording_midi_engine.h"

namespace {

using Calls = std::vector<std::string>;

const Calls kFirstInit = {
    "CreateLoader -> L1",         "CreatePerformance -> P1", "InitPerformance P1",
    "SetPort P1 -1 80",           "SetMasterAutoDownload P1 true",
    "SetMasterVolume P1 -900",
};

class MusicPlayer : public ::testing::Test {
protected:
  MusicPlayer() {
    music.MusicDir = "/game/Music/";
    for (int i = 1; i <= 4; ++i) music.SongFile[i] = "Music" + std::to_string(i) + ".mid";
  }

  // Brings the engine up, loads tune 1 and plays it, then forgets the calls.
  void PlayTuneOne() {
    music.MusicInit();
    music.MusicLoad(1);
    music.MusicPlay();
    ASSERT_EQ(engine.SoundingTune(), "/game/Music/Music1.mid");
    engine.ClearCalls();
  }

  RecordingMidiEngine engine;
  modDXMusic music{engine};
};

TEST_F(MusicPlayer, StartUpBringsTheEngineUpLoadsTuneOneAndPlaysItAtTheVolumeSetting) {
  music.Volume = 75;
  music.MusicInit();
  music.MusicLoad(1);
  music.MusicVolume(music.Volume);
  music.MusicPlay();

  Calls expected = kFirstInit;
  expected.insert(expected.end(), {
                                      "CreateLoader -> L2",
                                      "ReleaseLoader L1",
                                      "LoadSegment L2 /game/Music/Music1.mid -> S1",
                                      "SetSearchDirectory L2 /game/Music/",
                                      "SetStandardMidiFile S1",
                                      "SetMasterVolume P1 150",
                                      "IsPlaying P1 S1 - -> false",
                                      "SetStartPoint S1 0",
                                      "PlaySegment P1 S1 0 0 -> T1",
                                  });
  EXPECT_EQ(engine.Calls(), expected);
  EXPECT_TRUE(music.MusicReady);
  EXPECT_EQ(engine.SoundingTune(), "/game/Music/Music1.mid");
  EXPECT_EQ(engine.MasterVolume(), 150);
}

TEST_F(MusicPlayer, ASecondInitReplacesLoaderAndPerformanceAndLetsTheOldOnesGo) {
  music.MusicInit();
  engine.ClearCalls();
  music.MusicInit();
  EXPECT_EQ(engine.Calls(), (Calls{"CreateLoader -> L2", "ReleaseLoader L1",
                                   "CreatePerformance -> P2", "ReleasePerformance P1",
                                   "InitPerformance P2", "SetPort P2 -1 80",
                                   "SetMasterAutoDownload P2 true", "SetMasterVolume P2 -900"}));
  EXPECT_TRUE(music.MusicReady);
}

// Each step of bringing the engine up can fail; the engine is then down and
// the rest of the steps are not tried.
TEST_F(MusicPlayer, AFailedInitTakesTheEngineDownAtWhicheverStepItFails) {
  for (std::size_t step = 0; step < kFirstInit.size(); ++step) {
    SCOPED_TRACE(kFirstInit[step]);
    RecordingMidiEngine failing;
    modDXMusic player(failing);
    const std::string call = kFirstInit[step].substr(0, kFirstInit[step].find(' '));
    failing.Fail(call);
    player.MusicInit();
    EXPECT_FALSE(player.MusicReady);
    ASSERT_EQ(failing.Calls().size(), step + 1);
    EXPECT_NE(failing.Calls().back().find(step < 2 ? "-> -" : "-> failed"), std::string::npos);
  }
}

TEST_F(MusicPlayer, AFailedInitAfterAGoodOneTakesTheEngineDownAndTheNextInitTriesAgain) {
  PlayTuneOne();
  engine.Fail("InitPerformance");
  music.MusicInit();
  EXPECT_FALSE(music.MusicReady);

  engine.Heal("InitPerformance");
  music.MusicInit();
  EXPECT_TRUE(music.MusicReady);
  music.MusicPlay();
  EXPECT_EQ(engine.SoundingTune(), "/game/Music/Music1.mid");
}

// While the engine is down every operation but MusicInit and MusicClose does
// nothing at all, whether it never came up or came up and failed later.
TEST_F(MusicPlayer, NothingButInitAndCloseTouchesTheEngineWhileItIsDown) {
  const auto operations = {
      +[](modDXMusic& m) { m.MusicLoad(1); },
      +[](modDXMusic& m) { m.MusicPlay(); },
      +[](modDXMusic& m) { m.MusicStop(); },
      +[](modDXMusic& m) { m.MusicVolume(75); },
  };
  for (bool cameUpBefore : {false, true}) {
    SCOPED_TRACE(cameUpBefore ? "after a failed re-init" : "never up");
    RecordingMidiEngine fresh;
    modDXMusic player(fresh);
    player.MusicDir = "/game/Music/";
    player.SongFile[1] = "Music1.mid";
    if (cameUpBefore) {
      player.MusicInit();
      player.MusicLoad(1);
      player.MusicPlay();
      fresh.EndPlayback();
      fresh.Fail("CreatePerformance");
      player.MusicInit();
      ASSERT_FALSE(player.MusicReady);
    }
    fresh.ClearCalls();
    for (auto operation : operations) operation(player);
    EXPECT_TRUE(fresh.Calls().empty()) << fresh.Calls().front();
  }
}

TEST_F(MusicPlayer, LoadingWhilePlayingStopsThePlaybackFirst) {
  PlayTuneOne();
  music.MusicLoad(2);
  EXPECT_EQ(engine.Calls(), (Calls{
                                "IsPlaying P1 S1 T1 -> true",
                                "Stop P1 S1 T1 0 0",
                                "CreateLoader -> L3",
                                "ReleaseLoader L2",
                                "LoadSegment L3 /game/Music/Music2.mid -> S2",
                                "ReleaseSegment S1",
                                "SetSearchDirectory L3 /game/Music/",
                                "SetStandardMidiFile S2",
                            }));
  EXPECT_EQ(engine.SoundingTune(), "");
}

TEST_F(MusicPlayer, LoadingAfterTheTuneHasEndedStopsNothing) {
  PlayTuneOne();
  engine.EndPlayback();
  music.MusicLoad(2);
  ASSERT_GE(engine.Calls().size(), 2u);
  EXPECT_EQ(engine.Calls()[0], "IsPlaying P1 S1 T1 -> false");
  EXPECT_EQ(engine.Calls()[1], "CreateLoader -> L3");
}

TEST_F(MusicPlayer, AFailedLoadKeepsTheTuneLoadedBeforeAndTheNextPlayStartsIt) {
  PlayTuneOne();
  engine.FailLoadOf("/game/Music/Music3.mid");
  music.MusicLoad(3);
  EXPECT_EQ(engine.Calls(), (Calls{
                                "IsPlaying P1 S1 T1 -> true",
                                "Stop P1 S1 T1 0 0",
                                "CreateLoader -> L3",
                                "ReleaseLoader L2",
                                "LoadSegment L3 /game/Music/Music3.mid -> -",
                            }));
  EXPECT_EQ(music.Segment().id, 1u);
  EXPECT_TRUE(music.MusicReady);

  engine.ClearCalls();
  music.MusicPlay();
  EXPECT_EQ(engine.Calls(), (Calls{"IsPlaying P1 S1 T1 -> false", "SetStartPoint S1 0",
                                   "PlaySegment P1 S1 0 0 -> T2", "ReleaseSegmentState T1"}));
  EXPECT_EQ(engine.SoundingTune(), "/game/Music/Music1.mid");
}

TEST_F(MusicPlayer, PlayingATuneStillSoundingDoesNothingMore) {
  PlayTuneOne();
  music.MusicPlay();
  EXPECT_EQ(engine.Calls(), (Calls{"IsPlaying P1 S1 T1 -> true"}));
}

TEST_F(MusicPlayer, PlayingATuneThatHasEndedStartsItAgainFromItsBeginning) {
  PlayTuneOne();
  engine.EndPlayback();
  music.MusicPlay();
  EXPECT_EQ(engine.Calls(), (Calls{"IsPlaying P1 S1 T1 -> false", "SetStartPoint S1 0",
                                   "PlaySegment P1 S1 0 0 -> T2", "ReleaseSegmentState T1"}));
}

TEST_F(MusicPlayer, PlayingWithoutATuneIsRefusedByTheEngineAndPlaysNothing) {
  engine.FailLoadOf("/game/Music/Music1.mid");
  music.MusicInit();
  music.MusicLoad(1);
  engine.ClearCalls();
  music.MusicPlay();
  EXPECT_EQ(engine.Calls(), (Calls{"IsPlaying P1 - - -> false", "SetStartPoint - 0 -> failed"}));
  EXPECT_EQ(engine.SoundingTune(), "");

  // MusicStop then has no playback to stop.
  engine.ClearCalls();
  music.MusicStop();
  EXPECT_TRUE(engine.Calls().empty());
}

TEST_F(MusicPlayer, StopStopsTheLastPlaybackAtOnceAndKeepsIt) {
  PlayTuneOne();
  music.MusicStop();
  EXPECT_EQ(engine.Calls(), (Calls{"Stop P1 S1 T1 0 0"}));
  EXPECT_EQ(engine.SoundingTune(), "");
  EXPECT_EQ(music.SegmentState().id, 1u);

  // A stopped playback is not sounding, so the next play starts afresh.
  engine.ClearCalls();
  music.MusicPlay();
  EXPECT_EQ(engine.Calls().front(), "IsPlaying P1 S1 T1 -> false");
  EXPECT_EQ(engine.SoundingTune(), "/game/Music/Music1.mid");
}

TEST_F(MusicPlayer, StopBeforeAnyPlaybackCallsNothing) {
  music.MusicInit();
  engine.ClearCalls();
  music.MusicStop();
  EXPECT_TRUE(engine.Calls().empty());
}

TEST_F(MusicPlayer, TheVolumeSettingBecomesTheMasterVolumeInHundredthsOfADecibel) {
  struct Row {
    std::int16_t setting;
    std::int32_t masterVolume;
  };
  const Row rows[] = {{75, 150}, {0, -3000}, {1, -2958}, {-708, -32736}, {780, 29760}};
  music.MusicInit();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.setting);
    engine.ClearCalls();
    music.MusicVolume(row.setting);
    EXPECT_EQ(engine.Calls(), (Calls{"SetMasterVolume P1 " + std::to_string(row.masterVolume)}));
  }
}

// A playback belongs to the performance that played it: after a new init the
// old one no longer answers "playing", so the next play starts the tune.
TEST_F(MusicPlayer, AfterANewInitTheOldPlaybackNoLongerCountsAsPlaying) {
  PlayTuneOne();
  music.MusicInit();
  engine.ClearCalls();
  music.MusicPlay();
  EXPECT_EQ(engine.Calls(), (Calls{"IsPlaying P2 S1 T1 -> false", "SetStartPoint S1 0",
                                   "PlaySegment P2 S1 0 0 -> T2", "ReleaseSegmentState T1"}));
  EXPECT_EQ(engine.SoundingTune(), "/game/Music/Music1.mid");
}

// What "&Loud" and a choice of tune do: load, init, volume, play.
TEST_F(MusicPlayer, LoadBeforeInitRestartsTheChosenTuneFromItsBeginning) {
  music.Volume = 75;
  PlayTuneOne();
  music.MusicStop();
  music.MusicLoad(2);
  music.MusicInit();
  music.MusicVolume(music.Volume);
  music.MusicPlay();
  EXPECT_EQ(engine.SoundingTune(), "/game/Music/Music2.mid");
  EXPECT_EQ(engine.MasterVolume(), 150);
  EXPECT_EQ(engine.Calls().back(), "ReleaseSegmentState T1");
  EXPECT_EQ(engine.Calls()[engine.Calls().size() - 2], "PlaySegment P2 S2 0 0 -> T2");
}

TEST_F(MusicPlayer, CloseStopsTheMusicAndReleasesPerformanceThenLoader) {
  PlayTuneOne();
  music.MusicClose();
  EXPECT_EQ(engine.Calls(),
            (Calls{"Stop P1 S1 T1 0 0", "ReleasePerformance P1", "ReleaseLoader L2"}));
  EXPECT_EQ(engine.SoundingTune(), "");
  EXPECT_TRUE(music.MusicReady);
}

TEST_F(MusicPlayer, CloseWhileTheEngineIsDownOnlyReleasesWhatIsHeld) {
  engine.Fail("InitPerformance");
  music.MusicInit();
  engine.ClearCalls();
  music.MusicClose();
  EXPECT_EQ(engine.Calls(), (Calls{"ReleasePerformance P1", "ReleaseLoader L1"}));
}

TEST_F(MusicPlayer, TheSearchFolderIsThePathUpToItsLastSeparator) {
  struct Row {
    std::string musicDir;
    std::string folder;
  };
  const Row rows[] = {
      {"/game/Music/", "/game/Music/"},
      {"/Music/", "/Music/"},
      {"/odd place/Mu sic/", "/odd place/Mu sic/"},
      {"Music", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.musicDir);
    RecordingMidiEngine fresh;
    modDXMusic player(fresh);
    player.MusicDir = row.musicDir;
    player.SongFile[1] = "Music1.mid";
    player.MusicInit();
    player.MusicLoad(1);
    EXPECT_EQ(fresh.Calls()[fresh.Calls().size() - 2], "SetSearchDirectory L2 " + row.folder);
  }
}

TEST_F(MusicPlayer, ATuneNumberWithoutAFileNameLoadsNothing) {
  music.MusicInit();
  engine.ClearCalls();
  for (int n : {0, 5, 255}) music.MusicLoad(static_cast<std::uint8_t>(n));
  EXPECT_TRUE(engine.Calls().empty());
}

}  // namespace
