// request_sequence_test.cpp: whole request sequences of a new game, the reveal, moves and wins.
#include "engine_fixture.h"

namespace {

Requests Concat(std::initializer_list<Requests> parts) {
  Requests out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Requests ClearAllPits() {
  Requests r;
  for (int i = 1; i <= 13; ++i) r.push_back("SetBoxPicture " + std::to_string(i) + " 0");
  return r;
}

const Requests kStopTimers = {"SetTimerEnabled 2 off", "SetTimerEnabled 3 off", "SetTimerEnabled 4 off"};
const Requests kReadMenus = {"IsMenuChecked modevs 1", "IsMenuChecked modevs 2", "IsMenuChecked suara 1",
                             "IsMenuChecked musik 1"};

}  // namespace

using RequestSequence = EngineTest;

TEST_F(RequestSequence, NewGameInHumanVsDezStopsTimersClearsTheRingAndStartsTheReveal) {
  game.NewGame();
  EXPECT_EQ(view.Take(), Concat({kStopTimers, ClearAllPits(), kReadMenus,
                                 {"SetMonsterVisible on", "SetNameCaption 1 Lunara", "SetNameCaption 2 Dez",
                                  "SetCommentCaption Giliran/Turn Lunara", "SetNameColour 1 blue",
                                  "SetNameColour 2 black", "SetTimerEnabled 1 on"}}));
  EXPECT_EQ(s().GameMode, 2);
  EXPECT_TRUE(s().Gamesselesai);
  EXPECT_EQ(s().StonesLeft, 13);
  EXPECT_EQ(s().CurPlayer, 1);
}

TEST_F(RequestSequence, NewGameInHumanVsHumanShowsBothNamesAsStoredAndHidesDez) {
  game.state().PlayerName[1] = " Ayu ";
  view.SetMode(1);
  game.NewGame();
  EXPECT_EQ(view.Take(), Concat({kStopTimers, ClearAllPits(), kReadMenus,
                                 {"SetNameCaption 1  Ayu ", "SetNameCaption 2 Player 2", "SetMonsterVisible off",
                                  "SetCommentCaption Giliran/Turn Ayu", "SetNameColour 1 blue",
                                  "SetNameColour 2 black", "SetTimerEnabled 1 on"}}));
}

TEST_F(RequestSequence, TheRevealShowsOneStonePerTickAndOpensPlayWithTheThirteenth) {
  game.NewGame();
  view.Take();
  Requests expected;
  for (int t = 1; t <= 13; ++t) {
    game.Timer1_Timer();
    expected.push_back("SetBoxPicture " + std::to_string(t) + " 1");
    expected.push_back("PlaySfx 1");
    EXPECT_EQ(s().Gamesselesai, t < 13) << "after tick " << t;
  }
  expected.insert(expected.end(), {"SetTimerEnabled 1 off", "PlaySfx 2", "SetTimerEnabled 4 on"});
  EXPECT_EQ(view.Take(), expected);
  EXPECT_EQ(s().Ticks, 13);
}

TEST_F(RequestSequence, AConfirmedMoveInHumanVsDezHandsTheTurnToDezAndStartsItsPause) {
  StartGame(2);
  Move({1});
  EXPECT_EQ(view.Take(), (Requests{"SetBoxPicture 1 4", "PlaySfx 4", "SetBoxPicture 1 0", "PlaySfx 1",
                                   "SetCommentCaption Giliran/Turn Dez", "SetNameColour 2 blue",
                                   "SetNameColour 1 black", "SetTimerEnabled 3 on"}));
  EXPECT_EQ(s().CurPlayer, 3);
  EXPECT_EQ(s().Ticks, 0);
  EXPECT_EQ(s().ChosenCount, 1);  // kept for Dez's reply
  EXPECT_EQ(s().Pivot, 1);
}

TEST_F(RequestSequence, DezPausesThreeTicksAddingDotsThenRepliesAndHandsTheTurnBack) {
  StartGame(2);
  Move({1});
  view.Take();
  DezThinks();
  EXPECT_EQ(view.Take(), (Requests{"GetCommentCaption", "SetCommentCaption Giliran/Turn Dez.",
                                   "GetCommentCaption", "SetCommentCaption Giliran/Turn Dez..",
                                   "GetCommentCaption", "SetCommentCaption Giliran/Turn Dez...",
                                   "SetTimerEnabled 3 off", "SetBoxPicture 7 0", "SetBoxPicture 8 0", "PlaySfx 1",
                                   "SetNameColour 1 blue", "SetNameColour 2 black",
                                   "SetCommentCaption Giliran/Turn Lunara"}));
  EXPECT_EQ(s().CurPlayer, 1);
  EXPECT_EQ(s().ChosenCount, 0);
  EXPECT_EQ(s().StonesLeft, 10);
  EXPECT_EQ(s().MoveCount, 2);
}

TEST_F(RequestSequence, AConfirmedPairInHumanVsHumanPassesTheTurnToPlayerTwo) {
  StartGame(1);
  Move({5, 4});
  EXPECT_EQ(view.Take(), (Requests{"SetBoxPicture 5 4", "PlaySfx 4", "SetBoxPicture 4 4", "PlaySfx 4",
                                   "SetBoxPicture 5 0", "SetBoxPicture 4 0", "PlaySfx 1",
                                   "SetCommentCaption Giliran/Turn Player 2", "SetNameColour 2 blue",
                                   "SetNameColour 1 black"}));
  EXPECT_EQ(s().StonesLeft, 11);
  EXPECT_EQ(s().MoveCount, 1);
  EXPECT_EQ(s().CurPlayer, 2);
  EXPECT_EQ(s().ChosenCount, 0);
  EXPECT_EQ(s().Pivot, 0);  // only a first move of one stone sets the axis
}

TEST_F(RequestSequence, AHumanTakingTheLastStoneIsNamedWithBlanksAndNeitherDanceNorVictoryWindowStart) {
  game.state().PlayerName[2] = " Bima ";
  StartGame(1);
  // Players 1 and 2 alternate; the eighth move, player 2's, takes pit 13.
  for (auto move : std::vector<std::vector<int>>{{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {11}, {12}}) {
    for (int p : move) game.ChooseStone(static_cast<std::int16_t>(p));
    game.ConfirmMove();
  }
  EXPECT_EQ(view.comment, "Giliran/Turn Bima");
  view.Take();
  Move({13});
  EXPECT_EQ(view.Take(), (Requests{"SetBoxPicture 13 4", "PlaySfx 4", "SetBoxPicture 13 0", "PlaySfx 1",
                                   "SetCommentCaption  Bima  is the master of Wirangga", "PlaySfx 3",
                                   "SetTimerEnabled 4 off"}));
  EXPECT_TRUE(s().Gamesselesai);
  EXPECT_EQ(s().CurPlayer, 2);
  EXPECT_EQ(s().ChosenCount, 1);
  EXPECT_EQ(s().MoveCount, 8);
}

TEST_F(RequestSequence, AHumanWinInHumanVsDezStartsNoPauseForDez) {
  StartGame(2);
  // A position where pit 1 holds the last stone.
  for (int i = 2; i <= 13; ++i) game.state().StoneAt[i] = 0;
  game.state().StonesLeft = 1;
  Move({1});
  EXPECT_EQ(view.Take(), (Requests{"SetBoxPicture 1 4", "PlaySfx 4", "SetBoxPicture 1 0", "PlaySfx 1",
                                   "SetCommentCaption Lunara is the master of Wirangga", "PlaySfx 3",
                                   "SetTimerEnabled 4 off"}));
  EXPECT_EQ(s().CurPlayer, 1);
}

TEST_F(RequestSequence, DezTakingTheLastStoneStartsTheDanceBeforeTheSoundAndShowsTheVictoryWindowLast) {
  StartGame(2);
  for (auto move : std::vector<std::vector<int>>{{4, 5}, {13}, {1, 2}, {12}}) {
    for (int p : move) game.ChooseStone(static_cast<std::int16_t>(p));
    game.ConfirmMove();
    DezThinks();
  }
  Move({3});
  view.Take();
  DezThinks();
  EXPECT_EQ(view.Take(), (Requests{"GetCommentCaption", "SetCommentCaption Giliran/Turn Dez.",
                                   "GetCommentCaption", "SetCommentCaption Giliran/Turn Dez..",
                                   "GetCommentCaption", "SetCommentCaption Giliran/Turn Dez...",
                                   "SetTimerEnabled 3 off", "SetBoxPicture 6 0",
                                   "SetCommentCaption Dez is the master of Wirangga", "SetTimerEnabled 2 on",
                                   "PlaySfx 3", "SetTimerEnabled 4 off", "ShowForm3"}));
  EXPECT_TRUE(s().Gamesselesai);
  EXPECT_EQ(s().CurPlayer, 3);
  EXPECT_EQ(s().StonesLeft, 0);
  EXPECT_EQ(view.colours[2], kBlue);  // the winner's name stays blue
}

TEST_F(RequestSequence, WithSoundOffNoOperationRequestsAnEffect) {
  view.checks[{MenuArray::suara, 1}] = false;
  StartGame(2);
  for (auto move : std::vector<std::vector<int>>{{4, 5}, {13}, {1, 2}, {12}, {3}}) {
    for (int p : move) game.ChooseStone(static_cast<std::int16_t>(p));
    game.ConfirmMove();
    DezThinks();
  }
  EXPECT_TRUE(s().Gamesselesai);
  for (const auto& r : view.log) EXPECT_NE(r.rfind("PlaySfx", 0), 0u) << r;
}
