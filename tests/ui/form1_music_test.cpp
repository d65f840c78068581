// form1_music_test.cpp: the start-up's tune search and music start, and the "&Music" and "&Song" menus.
#include <QMenu>

#include "form1_harness.h"

namespace {

std::string Tune(const Form1Harness& h, int n) {
  return (h.folder.Path() + QString("/Music/Music%1.mid").arg(n)).toStdString();
}

// Whether the calls contain lines starting with each of the given texts, in
// that order (other calls may come between).
bool InOrder(const std::vector<std::string>& calls, const std::vector<std::string>& wanted) {
  std::size_t next = 0;
  for (const std::string& call : calls) {
    if (next < wanted.size() && call.rfind(wanted[next], 0) == 0) ++next;
  }
  return next == wanted.size();
}

std::string Joined(const std::vector<std::string>& calls) {
  std::string all;
  for (const std::string& c : calls) all += c + "\n";
  return all;
}

struct SearchCase {
  const char* title;
  std::vector<QString> files;  // in the Music folder
  bool found;
  int chosenBeforeShow;  // PilihMusik right after the search
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.title; }

class StartupSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(StartupSearch, FindsTunesOnlyUnderTheirExactNamesAndStartsTuneOne) {
  const SearchCase& c = GetParam();
  Form1Harness h(c.files);
  EXPECT_EQ(h.music.MusicDir, (h.folder.Path() + "/Music/").toStdString());
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(h.music.SongFile[i], "Music" + std::to_string(i) + ".mid");
  EXPECT_EQ(h.form->Sound(), c.found);
  EXPECT_EQ(h.form->Music(), c.found);
  EXPECT_EQ(h.form->PilihMusik(), c.chosenBeforeShow);
  EXPECT_TRUE(h.midi.Calls().empty()) << "the music was started before the window was shown";

  h.Show();
  // The marks stay as loaded whatever the search found.
  EXPECT_TRUE(h.Checked(MenuArray::suara, 1));
  EXPECT_TRUE(h.Checked(MenuArray::musik, 1));
  EXPECT_TRUE(h.Checked(MenuArray::modevs, 2));
  EXPECT_TRUE(h.Checked(MenuArray::song, 1));
  EXPECT_EQ(h.form->game().state().GameMode, 0);
  if (!c.found) {
    EXPECT_TRUE(h.midi.Calls().empty()) << Joined(h.midi.Calls());
    EXPECT_EQ(h.form->PilihMusik(), 0);
    EXPECT_EQ(h.music.Volume, 0);
    return;
  }
  EXPECT_EQ(h.form->PilihMusik(), 1);
  EXPECT_EQ(h.music.Volume, 75);
  EXPECT_TRUE(InOrder(h.midi.Calls(), {"CreateLoader", "CreatePerformance", "SetMasterVolume P1 -900",
                                       "LoadSegment L2 " + Tune(h, 1), "SetMasterVolume P1 150", "PlaySegment"}))
      << Joined(h.midi.Calls());
  EXPECT_EQ(h.midi.SoundingTune(), Tune(h, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Form1Music, StartupSearch,
    ::testing::Values(SearchCase{"AllFourTunes", {"Music1.mid", "Music2.mid", "Music3.mid", "Music4.mid"}, true, 1},
                      SearchCase{"OnlyTuneThree", {"Music3.mid"}, true, 3},
                      SearchCase{"NoTune", {}, false, 0},
                      SearchCase{"ANameDifferingInCaseOnly", {"music1.mid", "MUSIC2.MID"}, false, 0},
                      SearchCase{"TheFirstExactNameWins", {"MUSIC1.MID", "Music2.mid", "Music4.mid"}, true, 2},
                      SearchCase{"SomethingElseEntirely", {"Music5.mid", "Music1.midi", "Music1.mid.bak"}, false, 0}),
    [](const ::testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.title); });

TEST(Form1Music, AFolderNamedLikeATuneIsNoTune) {
  Form1Harness h(kNoTunes);
  QTemporaryDir program;
  ASSERT_TRUE(QDir(program.path()).mkpath("Music/Music1.mid"));
  Form1 form(h.dialogs, h.module1, h.music, h.side, program.path(), [] {});
  EXPECT_FALSE(form.Music());
  EXPECT_FALSE(form.Sound());
  EXPECT_EQ(form.PilihMusik(), 0);
}

TEST(Form1Music, OnlyTuneThreePresentStillLoadsTuneOneWhichFailsSoNothingSounds) {
  Form1Harness h({"Music3.mid"});
  h.midi.FailLoadOf(Tune(h, 1));
  h.Show();
  EXPECT_EQ(h.form->PilihMusik(), 1);
  EXPECT_TRUE(InOrder(h.midi.Calls(), {"LoadSegment L2 " + Tune(h, 1) + " -> -"})) << Joined(h.midi.Calls());
  EXPECT_EQ(h.midi.SoundingTune(), "");
}

TEST(Form1Music, OffStopsTheTuneAndGreysTheSongMenuAndLoudStartsItAgainFromTheBeginning) {
  Form1Harness h;
  h.Show();
  QAction* songMenu = h.form->Menu().song1->menuAction();
  h.form->musik_Click(2);
  EXPECT_FALSE(h.form->Music());
  EXPECT_EQ(h.midi.SoundingTune(), "");
  EXPECT_FALSE(songMenu->isEnabled());
  EXPECT_FALSE(h.Checked(MenuArray::musik, 1));
  EXPECT_TRUE(h.Checked(MenuArray::musik, 2));

  h.midi.ClearCalls();
  h.form->musik_Click(1);
  EXPECT_TRUE(h.form->Music());
  EXPECT_TRUE(songMenu->isEnabled());
  EXPECT_TRUE(h.Checked(MenuArray::musik, 1));
  EXPECT_FALSE(h.Checked(MenuArray::musik, 2));
  // The tune is loaded before the engine comes up again.
  EXPECT_TRUE(InOrder(h.midi.Calls(), {"LoadSegment", "CreatePerformance", "SetMasterVolume P2 150",
                                       "PlaySegment P2"}))
      << Joined(h.midi.Calls());
  EXPECT_EQ(h.midi.SoundingTune(), Tune(h, 1));
}

TEST(Form1Music, LoudWhileTheTunePlaysStartsItAgain) {
  Form1Harness h;
  h.Show();
  h.midi.ClearCalls();
  h.form->musik_Click(1);
  EXPECT_TRUE(InOrder(h.midi.Calls(), {"Stop P1", "CreatePerformance -> P2", "PlaySegment P2 S2 0 0 -> T2"}))
      << Joined(h.midi.Calls());
  EXPECT_EQ(h.midi.SoundingTune(), Tune(h, 1));
}

TEST(Form1Music, ChoosingTheTuneAlreadyChosenDoesNothing) {
  Form1Harness h;
  h.Show();
  h.midi.ClearCalls();
  h.form->song_Click(1);
  EXPECT_TRUE(h.midi.Calls().empty()) << Joined(h.midi.Calls());
  EXPECT_TRUE(h.Checked(MenuArray::song, 1));
}

TEST(Form1Music, ChoosingAnotherTuneStopsTheOldOneAndStartsTheNewOneAndMovesTheMark) {
  Form1Harness h;
  h.Show();
  h.midi.ClearCalls();
  h.Entry(MenuArray::song, 3)->trigger();
  EXPECT_EQ(h.form->PilihMusik(), 3);
  EXPECT_TRUE(InOrder(h.midi.Calls(), {"Stop P1", "LoadSegment L3 " + Tune(h, 3), "CreatePerformance -> P2",
                                       "SetMasterVolume P2 150", "PlaySegment P2"}))
      << Joined(h.midi.Calls());
  EXPECT_EQ(h.midi.SoundingTune(), Tune(h, 3));
  EXPECT_EQ(h.midi.MasterVolume(), 150);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(h.Checked(MenuArray::song, k), k == 3) << k;
}

TEST(Form1Music, AfterAStartUpWithoutTunesLoudLoadsNothingAtTheLowestVolumeAndASongLeavesOneMark) {
  Form1Harness h(kNoTunes);
  h.Show();
  h.form->musik_Click(1);
  EXPECT_TRUE(h.music.MusicReady);
  EXPECT_EQ(h.midi.MasterVolume(), -3000);
  EXPECT_FALSE(InOrder(h.midi.Calls(), {"LoadSegment"}));
  EXPECT_EQ(h.midi.SoundingTune(), "");

  h.form->song_Click(2);
  EXPECT_EQ(h.form->PilihMusik(), 2);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(h.Checked(MenuArray::song, k), k == 2) << k;
}

TEST(Form1Music, AMusicCommandBeforeTheFirstFrameLetsTheStartUpMusicRunFirst) {
  Form1Harness h;
  h.form->musik_Click(2);
  EXPECT_TRUE(InOrder(h.midi.Calls(), {"CreatePerformance", "PlaySegment", "Stop"})) << Joined(h.midi.Calls());
  EXPECT_EQ(h.midi.SoundingTune(), "");
  h.midi.ClearCalls();
  h.Show();
  EXPECT_TRUE(h.midi.Calls().empty()) << "the start-up music ran twice";
}

// With a first-frame hook (the program's, which starts the audio) the
// start-up's music waits until it is asked for, then runs once as without.
TEST(Form1Music, WithAFirstFrameHookTheStartUpMusicWaitsUntilItIsRunAndRunsOnce) {
  Form1Harness h;
  int frames = 0;
  h.form->OnFirstFrame([&] { ++frames; });
  h.form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(h.form.get()));
  ASSERT_TRUE(Form1Harness::RunUntil([&] { return frames > 0; }));
  EXPECT_TRUE(h.form->MusicStartPending());
  EXPECT_TRUE(h.midi.Calls().empty()) << Joined(h.midi.Calls());

  h.form->RunStartupMusic();
  EXPECT_FALSE(h.form->MusicStartPending());
  EXPECT_TRUE(InOrder(h.midi.Calls(), {"CreateLoader", "CreatePerformance", "InitPerformance", "LoadSegment",
                                       "SetMasterVolume", "PlaySegment"}))
      << Joined(h.midi.Calls());
  EXPECT_EQ(h.midi.SoundingTune(), Tune(h, 1));
  EXPECT_EQ(h.form->PilihMusik(), 1);
  h.midi.ClearCalls();
  h.form->RunStartupMusic();
  QCoreApplication::processEvents();
  EXPECT_TRUE(h.midi.Calls().empty()) << "the start-up music ran twice";
  EXPECT_EQ(frames, 1);
}

TEST(Form1Music, AMusicCommandBeforeTheHookedStartUpMusicRunsItFirst) {
  Form1Harness h;
  bool painted = false;
  h.form->OnFirstFrame([&] { painted = true; });
  h.form->show();
  ASSERT_TRUE(Form1Harness::RunUntil([&] { return painted; }));
  EXPECT_TRUE(h.midi.Calls().empty()) << Joined(h.midi.Calls());
  h.form->song_Click(3);
  EXPECT_TRUE(InOrder(h.midi.Calls(), {"CreatePerformance", "PlaySegment", "Stop", "LoadSegment", "PlaySegment"}))
      << Joined(h.midi.Calls());
  EXPECT_EQ(h.midi.SoundingTune(), Tune(h, 3));
  h.midi.ClearCalls();
  h.form->RunStartupMusic();
  EXPECT_TRUE(h.midi.Calls().empty()) << "the start-up music ran after the command";
  EXPECT_EQ(h.midi.SoundingTune(), Tune(h, 3));
}

TEST(Form1Music, ANewGameNeitherStartsNorStopsTheMusic) {
  Form1Harness h;
  h.Show();
  h.midi.ClearCalls();
  h.form->play1_Click();
  h.Tick(1, 13);
  EXPECT_TRUE(h.midi.Calls().empty());
  EXPECT_EQ(h.midi.SoundingTune(), Tune(h, 1));
}

}  // namespace
