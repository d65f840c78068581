// pointer_clock_dance_test.cpp: the lit and pressed stones, the game clock and Dez's dance.
#include "engine_fixture.h"

using PointerFeedback = EngineTest;

TEST_F(PointerFeedback, MovingFromStoneToStoneLightsTheNewOneAndRestoresTheOld) {
  StartGame(1);
  game.state().HoverBox = 0;
  game.Box_MouseMove(5, MouseButton::None, 0, 0, 0);
  game.Box_MouseMove(6, MouseButton::None, 0, 0, 0);
  game.Box_MouseMove(6, MouseButton::None, 0, 0, 0);  // back onto the lit stone: nothing
  EXPECT_EQ(view.Take(), (Requests{"SetBoxPicture 5 2", "SetBoxPicture 5 1", "SetBoxPicture 6 2"}));
  game.Form_MouseMove(MouseButton::None, 0, 0, 0);
  game.Form_MouseMove(MouseButton::None, 0, 0, 0);  // nothing lit any more
  EXPECT_EQ(view.Take(), (Requests{"SetBoxPicture 6 1"}));
  EXPECT_EQ(s().HoverBox, 0);
}

TEST_F(PointerFeedback, ChosenStonesAndEmptyPitsNeitherLightNorPutOutTheLitStone) {
  StartGame(1);
  Move({3});  // pit 3 is empty now, player 2 to move
  game.ChooseStone(9);
  game.Box_MouseMove(5, MouseButton::None, 0, 0, 0);
  view.Take();
  game.Box_MouseMove(9, MouseButton::None, 0, 0, 0);  // chosen
  game.Box_MouseMove(3, MouseButton::None, 0, 0, 0);  // empty
  EXPECT_TRUE(view.Take().empty());
  EXPECT_EQ(view.pictures[5], 2);
}

TEST_F(PointerFeedback, AnyButtonGoingDownOnAStoneShowsItPressed) {
  StartGame(1);
  game.Box_MouseDown(4, MouseButton::Right, 0, 0, 0);
  game.Box_MouseDown(5, MouseButton::Middle, 0, 0, 0);
  game.ChooseStone(5);
  game.ConfirmMove();
  game.Box_MouseDown(5, MouseButton::Left, 0, 0, 0);  // taken: no picture to press
  EXPECT_EQ(view.pictures[4], 3);
  EXPECT_EQ(view.pictures[5], 0);
}

TEST_F(PointerFeedback, AfterNewGamePitOneCountsAsLitUntilThePointerFirstMovesElsewhere) {
  game.state().LastHover = 0;
  StartGame(1);
  EXPECT_EQ(s().HoverBox, 1);
  game.Box_MouseMove(1, MouseButton::None, 0, 0, 0);
  EXPECT_TRUE(view.Take().empty());
  game.Box_MouseMove(2, MouseButton::None, 0, 0, 0);
  game.Box_MouseMove(1, MouseButton::None, 0, 0, 0);
  EXPECT_EQ(view.Take(), (Requests{"SetBoxPicture 1 1", "SetBoxPicture 2 2", "SetBoxPicture 2 1",
                                   "SetBoxPicture 1 2"}));
}

TEST_F(PointerFeedback, AStoneStillInTheSecondChoiceSlotDoesNotLightUp) {
  StartGame(1);
  game.ChooseStone(3);
  game.ChooseStone(4);
  game.ChooseStone(9);  // restart: Chosen(2) still holds 4
  view.Take();
  game.Box_MouseMove(4, MouseButton::None, 0, 0, 0);
  EXPECT_TRUE(view.Take().empty());
}

TEST_F(PointerFeedback, APitTakenByDezUnderThePointerStaysBare) {
  StartGame(2);
  game.ChooseStone(1);
  game.Box_MouseMove(7, MouseButton::None, 0, 0, 0);
  game.Box_MouseUp(7, MouseButton::Right, 0, 0, 0);
  DezThinks();  // Dez takes 7 and 8
  game.Box_MouseMove(5, MouseButton::None, 0, 0, 0);
  EXPECT_EQ(view.pictures[7], 0);
  EXPECT_EQ(view.pictures[5], 2);
}

using GameClock = EngineTest;

TEST_F(GameClock, RollsSecondsIntoMinutesAndMinutesIntoHours) {
  struct Row { std::uint64_t h; int m, sec; const char* shown; };
  for (const Row& r : std::vector<Row>{{0, 0, 0, "00:00:01"}, {0, 0, 58, "00:00:59"}, {0, 0, 59, "00:01:00"},
                                       {0, 1, 0, "00:01:01"}, {0, 59, 59, "01:00:00"}, {0, 10, 14, "00:10:15"},
                                       {99, 59, 59, "100:00:00"}}) {
    game.state().ClockHour = r.h;
    game.state().ClockMinute = static_cast<std::int16_t>(r.m);
    game.state().ClockSecond = static_cast<std::int16_t>(r.sec);
    game.Timer4_Timer();
    EXPECT_EQ(view.clock, r.shown);
  }
}

TEST_F(GameClock, HoursKeepCountingPastTheRangeOfASixteenBitCounter) {
  game.state().ClockHour = 32767;
  game.state().ClockMinute = 59;
  game.state().ClockSecond = 59;
  game.Timer4_Timer();
  EXPECT_EQ(view.clock, "32768:00:00");
  game.state().ClockHour = 18446744073709551614u;
  game.state().ClockMinute = 59;
  game.state().ClockSecond = 59;
  game.Timer4_Timer();
  EXPECT_EQ(view.clock, "18446744073709551615:00:00");
}

TEST_F(GameClock, KeepsTheLastGamesTimeUntilTheNewClocksFirstTick) {
  StartGame(1);
  for (int i = 0; i < 75; ++i) game.Timer4_Timer();
  EXPECT_EQ(view.clock, "00:01:15");
  game.NewGame();
  for (int i = 0; i < 13; ++i) game.Timer1_Timer();
  EXPECT_EQ(view.clock, "00:01:15");
  EXPECT_TRUE(view.timerOn[4]);
  game.Timer4_Timer();
  EXPECT_EQ(view.clock, "00:00:01");
}

using VictoryDance = EngineTest;

TEST_F(VictoryDance, AlternatesBetweenTheStartingPlaceAndFortyTwipsLower) {
  for (int top : {280, 240, 280, 240}) {
    game.Timer2_Timer();
    EXPECT_EQ(view.monsterTop, top);
  }
  view.monsterTop = 250;  // anywhere but 240 goes back up
  game.Timer2_Timer();
  EXPECT_EQ(view.monsterTop, 240);
  EXPECT_EQ(view.Take().front(), "GetMonsterTop");
}
