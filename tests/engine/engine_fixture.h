// engine_fixture.h: a game on a recording view, started the way the window starts it.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game.h"
#include "recording_board_view.h"

using Requests = std::vector<std::string>;

class EngineTest : public ::testing::Test {
protected:
  EngineTest() { Startup(); }

  // The window's start-up values, with tune files present.
  void Startup() {
    GameState& s = game.state();
    s.PlayerName[1] = "Lunara";
    s.PlayerName[2] = "Player 2";
    s.PlayerName[3] = "Dez";
    s.Gamesselesai = true;
    s.ChosenCount = 0;
    s.Music = true;
    s.Sound = true;
  }

  // NewGame and the thirteen ticks of the reveal; the log starts empty after.
  void StartGame(int mode) {
    view.SetMode(mode);
    game.NewGame();
    for (int i = 0; i < 13; ++i) game.Timer1_Timer();
    view.Take();
  }

  // A human move: choose each pit with the left button, confirm with the right.
  void Move(std::initializer_list<int> pits) {
    for (int p : pits) game.Box_MouseUp(static_cast<std::int16_t>(p), MouseButton::Left, 0, 0, 0);
    game.Box_MouseUp(1, MouseButton::Right, 0, 0, 0);
  }

  // Dez's pause: three ticks of Timer3.
  void DezThinks() {
    for (int i = 0; i < 3; ++i) game.Timer3_Timer();
  }

  const GameState& s() const { return game.state(); }

  RecordingBoardView view;
  Game game{view};
};
