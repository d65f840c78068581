// form1_commands_test.cpp: new game, mode change with the name entry, sound switch, exit and closing the window.
#include <QLabel>

#include "form1_harness.h"

namespace {

// Plays the opening reveal so that a game is under way.
void StartPlaying(Form1Harness& h) {
  h.form->play1_Click();
  h.Tick(1, 13);
  ASSERT_FALSE(h.form->Gamesselesai());
}

TEST(Form1Commands, PlayStartsAtOnceWhenNoGameIsUnderWayAndAsksOtherwise) {
  Form1Harness h;
  h.Show();
  h.form->play1_Click();  // no game yet: no question
  EXPECT_TRUE(h.form->Timer(1)->isActive());
  EXPECT_EQ(h.form->game().state().GameMode, 2);
  h.form->play1_Click();  // during the reveal: no question either
  EXPECT_EQ(h.form->game().state().Ticks, 0);
  h.Tick(1, 13);

  h.ClickPit(Qt::LeftButton, 5);
  h.dialogs.boxes = {RestartQuestion(MsgAnswer::Cancel)};
  h.form->play1_Click();
  EXPECT_FALSE(h.form->Gamesselesai()) << "Cancel changed the game";
  EXPECT_EQ(h.PictureOf(5), 4);

  h.dialogs.boxes = {RestartQuestion(MsgAnswer::OK)};
  h.form->play1_Click();
  EXPECT_TRUE(h.form->Gamesselesai());
  EXPECT_EQ(h.Pictures(), std::vector<int>(13, 0));
}

TEST(Form1Commands, OkToTheRestartQuestionRestartsEvenIfDezWonWhileItWasOpen) {
  Form1Harness h;
  h.Show();
  StartPlaying(h);
  h.ClickPit(Qt::LeftButton, 1);
  h.ClickPit(Qt::RightButton, 1);
  ScriptedBox box = RestartQuestion(MsgAnswer::OK);
  box.during = [&h] {
    h.Tick(3, 3);  // Dez moves while the question is open
    EXPECT_EQ(h.form->game().state().CurPlayer, 1);
  };
  h.dialogs.boxes = {box};
  h.form->play1_Click();
  EXPECT_EQ(h.form->game().state().StonesLeft, 13);
  EXPECT_TRUE(h.form->Timer(1)->isActive());
}

TEST(Form1Commands, TheMarkedModeAlsoAsksBeforeTheFirstGame) {
  Form1Harness h;
  h.dialogs.boxes = {ModeQuestion(MsgAnswer::OK), NamesQuestion(MsgAnswer::No)};
  h.form->modevs_Click(2);
  EXPECT_EQ(h.form->game().state().GameMode, 2);
  EXPECT_TRUE(h.form->Timer(1)->isActive()) << "the first game starts";
  EXPECT_TRUE(h.Checked(MenuArray::modevs, 2));
  EXPECT_FALSE(h.Checked(MenuArray::modevs, 1));

  h.form->modevs_Click(2);  // the mode in force: nothing at all
  EXPECT_TRUE(h.dialogs.Done());
  EXPECT_EQ(h.dialogs.log.size(), 2u);
}

TEST(Form1Commands, CancelToTheModeQuestionChangesNothing) {
  Form1Harness h;
  StartPlaying(h);
  const auto pictures = h.Pictures();
  h.dialogs.boxes = {ModeQuestion(MsgAnswer::Cancel)};
  h.form->modevs_Click(1);
  EXPECT_EQ(h.form->game().state().GameMode, 2);
  EXPECT_FALSE(h.Checked(MenuArray::modevs, 1));
  EXPECT_TRUE(h.Checked(MenuArray::modevs, 2));
  EXPECT_FALSE(h.form->Gamesselesai());
  EXPECT_EQ(h.Pictures(), pictures);
}

// Each row: the mode chosen, the answer to the names question, the name
// entry's answers in order and the boxes that follow them, and the names
// that result. Refused answers are asked again for the same player.
struct NameCase {
  const char* title;
  std::int16_t mode;
  MsgAnswer names;
  std::vector<std::pair<int, QString>> entries;  // player asked, answer typed
  std::vector<bool> refused;                     // per entry: the bad-name box follows
  QString player1, player2;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.title; }

class ModeChangeNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ModeChangeNames, AsksTheRightPlayersAndKeepsOnlyAcceptableNames) {
  const NameCase& c = GetParam();
  Form1Harness h;
  h.dialogs.boxes = {ModeQuestion(MsgAnswer::OK), NamesQuestion(c.names)};
  for (std::size_t i = 0; i < c.entries.size(); ++i) {
    h.dialogs.inputs.push_back(NameEntry(c.entries[i].first, c.entries[i].second));
  }
  // The bad-name boxes interleave with the entries; the script of boxes
  // holds them in order, since the entries are a separate queue.
  for (bool refused : c.refused) {
    if (refused) h.dialogs.boxes.push_back(BadName());
  }
  h.form->modevs_Click(c.mode);

  std::vector<QString> expectedLog = {"MsgBox Are you want to restart the game  ??",
                                      "MsgBox Are you want to change the player name ??"};
  for (std::size_t i = 0; i < c.entries.size(); ++i) {
    expectedLog.push_back(QString("InputBox Insert Player %1 Name !!(max 8 char.)").arg(c.entries[i].first));
    if (c.refused[i]) expectedLog.push_back("MsgBox Max 8 character and don't fill with blank like your brain !!");
  }
  EXPECT_EQ(h.dialogs.log, expectedLog);
  const GameState& s = h.form->game().state();
  EXPECT_EQ(QString::fromStdString(s.PlayerName[1]), c.player1);
  EXPECT_EQ(QString::fromStdString(s.PlayerName[2]), c.player2);
  EXPECT_EQ(s.PlayerName[3], "Dez");
  EXPECT_TRUE(h.form->Timer(1)->isActive()) << "a new game follows the names";
  EXPECT_EQ(h.form->namalbl(1)->text(), c.player1);
}

INSTANTIATE_TEST_SUITE_P(
    Form1Commands, ModeChangeNames,
    ::testing::Values(
        NameCase{"NoNamesAgainstDez", 2, MsgAnswer::No, {}, {}, "Lunara", "Player 2"},
        NameCase{"NoNamesBetweenHumans", 1, MsgAnswer::No, {}, {}, "Lunara", "Player 2"},
        NameCase{"OnlyPlayerOneAgainstDez", 2, MsgAnswer::Yes, {{1, "Ayu"}}, {false}, "Ayu", "Player 2"},
        NameCase{"BothBetweenHumans", 1, MsgAnswer::Yes, {{1, "Ayu"}, {2, "Bima"}}, {false, false}, "Ayu", "Bima"},
        NameCase{"EightCharactersAreEnough", 2, MsgAnswer::Yes, {{1, "Abcdefgh"}}, {false}, "Abcdefgh", "Player 2"},
        NameCase{"NineAreRefused", 2, MsgAnswer::Yes, {{1, "Abcdefghi"}, {1, "Abc"}}, {true, false}, "Abc",
                 "Player 2"},
        NameCase{"EmptyOrCancelIsRefusedAgainAndAgain", 1, MsgAnswer::Yes,
                 {{1, ""}, {1, ""}, {1, "Ayu"}, {2, "ninechars"}, {2, "Bima"}},
                 {true, true, false, true, false}, "Ayu", "Bima"},
        NameCase{"BlanksOnlyAreAName", 2, MsgAnswer::Yes, {{1, "   "}}, {false}, "   ", "Player 2"},
        NameCase{"EightAccentedLettersAreEightCharacters", 2, MsgAnswer::Yes, {{1, "ÉéÈèÊêËë"}}, {false},
                 "ÉéÈèÊêËë", "Player 2"},
        NameCase{"EightLettersOutsideTheBasicPlaneToo", 2, MsgAnswer::Yes,
                 {{1, "𝔇𝔢𝔷𝔇𝔢𝔷𝔇𝔢"}}, {false}, "𝔇𝔢𝔷𝔇𝔢𝔷𝔇𝔢", "Player 2"},
        NameCase{"NineNonLatinLettersAreRefused", 2, MsgAnswer::Yes, {{1, "ワイランガワイランガ"}, {1, "ワイランガ"}},
                 {true, false}, "ワイランガ", "Player 2"}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.title); });

TEST(Form1Commands, APlayersNameIsShownAsTypedNeverAsMarkup) {
  Form1Harness h;
  h.dialogs.boxes = {ModeQuestion(MsgAnswer::OK), NamesQuestion(MsgAnswer::Yes)};
  h.dialogs.inputs = {NameEntry(1, "<b>A</b>")};
  h.form->modevs_Click(2);
  EXPECT_EQ(h.form->namalbl(1)->text(), "<b>A</b>");
  EXPECT_EQ(h.form->namalbl(1)->textFormat(), Qt::PlainText);
}

TEST(Form1Commands, TheSoundEntriesSwitchEffectsAndTheirMarks) {
  Form1Harness h;
  h.Show();
  StartPlaying(h);
  h.sfx.played.clear();
  h.form->suara_Click(2);
  EXPECT_FALSE(h.form->Sound());
  EXPECT_FALSE(h.Checked(MenuArray::suara, 1));
  EXPECT_TRUE(h.Checked(MenuArray::suara, 2));
  h.ClickPit(Qt::LeftButton, 3);
  EXPECT_TRUE(h.sfx.played.empty());
  h.form->suara_Click(1);
  EXPECT_TRUE(h.form->Sound());
  EXPECT_TRUE(h.Checked(MenuArray::suara, 1));
  EXPECT_FALSE(h.Checked(MenuArray::suara, 2));
  h.ClickPit(Qt::LeftButton, 4);
  EXPECT_EQ(h.sfx.played, std::vector<int>({4}));
  h.form->suara_Click(1);  // again: the same value, the same marks
  EXPECT_TRUE(h.form->Sound());
  EXPECT_TRUE(h.Checked(MenuArray::suara, 1));
}

TEST(Form1Commands, ExitAsksAndOnYesEndsAtOnceWithoutClosingTheMusic) {
  Form1Harness h;
  h.Show();
  h.dialogs.boxes = {ExitQuestion(MsgAnswer::No)};
  h.form->xit1_Click();
  EXPECT_EQ(h.programEnded, 0);

  StartPlaying(h);
  h.form->history1_Click();
  h.midi.ClearCalls();
  h.dialogs.boxes = {ExitQuestion(MsgAnswer::Yes)};
  h.form->xit1_Click();
  EXPECT_EQ(h.programEnded, 1);
  EXPECT_EQ(h.side.Form2Window(), nullptr) << "the history window stays open";
  EXPECT_TRUE(h.midi.Calls().empty()) << "the music was touched on the way out";
  for (int n = 1; n <= 4; ++n) EXPECT_FALSE(h.form->Timer(n)->isActive()) << n;
}

TEST(Form1Commands, ClosingTheWindowClosesTheMusicFirstThenTheSideWindowsButNotTheVictoryWindow) {
  Form1Harness h;
  h.Show();
  h.form->history1_Click();
  h.form->about1_Click();
  h.side.ShowForm3();
  h.midi.ClearCalls();
  ASSERT_TRUE(h.form->close());
  EXPECT_FALSE(h.form->isVisible());
  ASSERT_FALSE(h.midi.Calls().empty());
  EXPECT_EQ(h.midi.SoundingTune(), "") << "the music still sounds";
  EXPECT_EQ(h.side.Form2Window(), nullptr);
  EXPECT_EQ(h.side.AboutWindow(), nullptr);
  EXPECT_NE(h.side.Form3Window(), nullptr);
  EXPECT_EQ(h.programEnded, 0) << "the window must not end the program itself";
}

}  // namespace
