// choosing_test.cpp: choosing stones, restarting the choice, and what a locked board ignores.
#include "engine_fixture.h"

TEST(Neighbours, DependOnPitNumbersAloneAndWrapFromThirteenToOne) {
  struct Row { int a, b; bool neighbours; };
  for (const Row& r : std::vector<Row>{{1, 13, true}, {13, 1, true}, {12, 13, true}, {6, 7, true}, {2, 13, false},
                                       {1, 12, false}, {5, 7, false}, {4, 4, false}}) {
    EXPECT_EQ(AreNeighbours(r.a, r.b), r.neighbours) << r.a << " and " << r.b;
  }
}

using Choosing = EngineTest;

TEST_F(Choosing, ChoicesRestartWhenThePitIsNoNeighbourOrTwoAreAlreadyChosen) {
  struct Row {
    std::vector<int> clicks;
    Requests requests;  // of the last click
    int count, chosen1, chosen2;
  };
  const std::vector<Row> rows = {
      {{1, 13}, {"SetBoxPicture 13 4", "PlaySfx 4"}, 2, 1, 13},
      {{2, 13}, {"SetBoxPicture 2 1", "SetBoxPicture 13 4", "PlaySfx 4"}, 1, 13, 0},
      {{5, 5}, {"SetBoxPicture 5 1", "SetBoxPicture 5 4", "PlaySfx 4"}, 1, 5, 0},
      {{3, 4, 9}, {"SetBoxPicture 3 1", "SetBoxPicture 4 1", "SetBoxPicture 9 4", "PlaySfx 4"}, 1, 9, 4},
      {{3, 4, 4}, {"SetBoxPicture 3 1", "SetBoxPicture 4 1", "SetBoxPicture 4 4", "PlaySfx 4"}, 1, 4, 4},
      {{7, 8, 7}, {"SetBoxPicture 7 1", "SetBoxPicture 8 1", "SetBoxPicture 7 4", "PlaySfx 4"}, 1, 7, 8},
  };
  for (const Row& r : rows) {
    StartGame(1);
    for (size_t k = 0; k < r.clicks.size(); ++k) {
      if (k + 1 == r.clicks.size()) view.Take();
      game.ChooseStone(static_cast<std::int16_t>(r.clicks[k]));
    }
    SCOPED_TRACE(::testing::PrintToString(r.clicks));
    EXPECT_EQ(view.Take(), r.requests);
    EXPECT_EQ(s().ChosenCount, r.count);
    EXPECT_EQ(s().Chosen[1], r.chosen1);
    EXPECT_EQ(s().Chosen[2], r.chosen2);
  }
}

TEST_F(Choosing, ClicksOnALockedBoardOrAnEmptyPitChangeNothing) {
  auto clickEverything = [&] {
    for (std::int16_t i = 1; i <= 13; ++i) {
      for (MouseButton b : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
        game.Box_MouseDown(i, b, 0, 0, 0);
        game.Box_MouseMove(i, b, 0, 0, 0);
        game.Box_MouseUp(i, b, 0, 0, 0);
      }
    }
    game.Form_MouseMove(MouseButton::None, 0, 0, 0);
  };
  const GameState before = s();
  clickEverything();  // before the first game
  EXPECT_TRUE(view.Take().empty());
  EXPECT_EQ(s().StoneAt, before.StoneAt);

  game.NewGame();
  for (int i = 0; i < 5; ++i) game.Timer1_Timer();
  view.Take();
  clickEverything();  // during the reveal, also on stones already shown
  EXPECT_TRUE(view.Take().empty());

  for (int i = 0; i < 8; ++i) game.Timer1_Timer();
  Move({1});
  view.Take();
  clickEverything();  // while Dez thinks
  EXPECT_TRUE(view.Take().empty());
  EXPECT_EQ(s().ChosenCount, 1);

  DezThinks();  // Dez took 7 and 8
  view.Take();
  game.ChooseStone(7);
  game.Box_MouseUp(8, MouseButton::Middle, 0, 0, 0);
  game.ConfirmMove();  // nothing chosen
  EXPECT_TRUE(view.Take().empty());
  EXPECT_EQ(s().MoveCount, 2);
}

TEST_F(Choosing, ARightReleaseOverAnyPitConfirmsTheChoice) {
  StartGame(1);
  game.ChooseStone(3);
  game.Box_MouseUp(3, MouseButton::Right, 0, 0, 0);  // over the chosen stone itself
  game.ChooseStone(5);
  game.Box_MouseUp(3, MouseButton::Right, 0, 0, 0);  // an empty pit confirms all the same
  EXPECT_EQ(s().StoneAt[3], 0);
  EXPECT_EQ(s().StoneAt[5], 0);
  EXPECT_EQ(s().MoveCount, 2);
  EXPECT_EQ(s().StonesLeft, 11);
}

TEST_F(Choosing, OnlyAFirstMoveOfOneStoneSetsThePivot) {
  game.state().Pivot = 9;
  StartGame(1);
  Move({2, 3});
  EXPECT_EQ(s().Pivot, 9);
  Move({6});  // a later single stone leaves it too
  EXPECT_EQ(s().Pivot, 9);
  StartGame(1);
  EXPECT_EQ(s().Pivot, 9);  // NewGame leaves it alone
  Move({6});
  EXPECT_EQ(s().Pivot, 6);
}

TEST_F(Choosing, NewGameDuringTheRevealOrDezsPauseStartsOver) {
  game.NewGame();
  for (int i = 0; i < 6; ++i) game.Timer1_Timer();
  game.NewGame();
  EXPECT_EQ(s().Ticks, 0);
  EXPECT_TRUE(view.timerOn[1]);
  for (int i = 1; i <= 13; ++i) EXPECT_EQ(view.pictures[i], 0);
  for (int i = 0; i < 12; ++i) game.Timer1_Timer();
  EXPECT_TRUE(s().Gamesselesai);  // play opens only after thirteen further ticks
  game.Timer1_Timer();
  EXPECT_FALSE(s().Gamesselesai);

  Move({1});
  game.Timer3_Timer();
  game.state().LastHover = 0;
  game.NewGame();
  EXPECT_FALSE(view.timerOn[3]);  // Dez never makes that move
  EXPECT_EQ(s().CurPlayer, 1);
  EXPECT_EQ(s().HoverBox, 1);
  EXPECT_EQ(s().StonesLeft, 13);
}
