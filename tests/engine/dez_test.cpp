// dez_test.cpp: Dez's opening replies and mirror replies, and a whole game it wins.
#include "engine_fixture.h"

using DezReplies = EngineTest;

TEST_F(DezReplies, FollowTheWorkedExamples) {
  struct Row {
    int pivotBefore;  // 0: the human's move opens a new game
    std::vector<int> human;
    std::vector<int> dez;
    int pivotAfter;
  };
  const std::vector<Row> rows = {
      {0, {1}, {7, 8}, 1},      {0, {7}, {13, 1}, 7},     {0, {13}, {6, 7}, 13},  {0, {4, 5}, {11}, 11},
      {0, {5, 4}, {11}, 11},    {0, {12, 13}, {6}, 6},    {0, {13, 1}, {7}, 7},   {0, {1, 13}, {7}, 7},
      {0, {6, 7}, {13}, 13},    {1, {2}, {13}, 1},        {1, {3, 4}, {12, 11}, 1}, {1, {9}, {6}, 1},
      {7, {9}, {5}, 7},         {7, {5}, {9}, 7},         {13, {2}, {11}, 13},    {13, {12}, {1}, 13},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE("Pivot " + std::to_string(r.pivotBefore) + ", human " + ::testing::PrintToString(r.human));
    StartGame(2);
    if (r.pivotBefore != 0) {
      game.state().Pivot = static_cast<std::int16_t>(r.pivotBefore);
      game.state().MoveCount = 2;  // a later move of the game
    }
    for (int p : r.human) game.ChooseStone(static_cast<std::int16_t>(p));
    game.ConfirmMove();
    DezThinks();
    std::vector<int> taken;
    for (int k = 1; k <= 2; ++k) {
      if (s().DezChosen[k] != 0) taken.push_back(s().DezChosen[k]);
    }
    EXPECT_EQ(taken, r.dez);
    EXPECT_EQ(s().Pivot, r.pivotAfter);
    for (int p : r.dez) EXPECT_EQ(s().StoneAt[p], 0);
  }
}

TEST_F(DezReplies, WinAWholeGameByMirroringEveryMove) {
  struct Turn { std::vector<int> human, dez; };
  const std::vector<Turn> game_ = {{{4, 5}, {11}}, {{13}, {9}}, {{1, 2}, {8, 7}}, {{12}, {10}}, {{3}, {6}}};
  StartGame(2);
  for (const Turn& t : game_) {
    EXPECT_FALSE(s().Gamesselesai);
    for (int p : t.human) game.ChooseStone(static_cast<std::int16_t>(p));
    game.ConfirmMove();
    DezThinks();
    std::vector<int> taken;
    for (int k = 1; k <= 2; ++k) {
      if (s().DezChosen[k] != 0) taken.push_back(s().DezChosen[k]);
    }
    EXPECT_EQ(taken, t.dez);
    EXPECT_EQ(s().Pivot, 11);
  }
  EXPECT_TRUE(s().Gamesselesai);
  EXPECT_EQ(s().CurPlayer, 3);
  EXPECT_EQ(s().StonesLeft, 0);
  EXPECT_EQ(view.comment, "Dez is the master of Wirangga");
  EXPECT_EQ(view.form3Shown, 1);
  EXPECT_TRUE(view.timerOn[2]);
  EXPECT_FALSE(view.timerOn[4]);
}
