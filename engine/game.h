// game.h: the one game on the board, its rules, and Dez's mirror replies.
//
// Game keeps the state that the main window holds for the game and carries
// out every rule through BoardView requests. It owns no timers and reads no
// clock: whoever owns the four timers calls the tick handlers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "board_view.h"

inline constexpr std::int16_t kPits = 13;

// Picture numbers of a pit.
enum : std::int16_t {
  kNoPicture = 0,
  kPlainStone = 1,
  kLitStone = 2,
  kPressedStone = 3,
  kChosenStone = 4,
};

// Player indices: 1 and 2 are humans, 3 is Dez.
inline constexpr std::int16_t kDez = 3;

// Mouse buttons as the window reports them.
enum class MouseButton : std::int16_t { None = 0, Left = 1, Right = 2, Middle = 4 };

// Pits a and b are neighbours exactly when |a - b| is 1 or 12.
bool AreNeighbours(int a, int b);

// The state of the game. Arrays are indexed from 1, as the pits and players
// are; element 0 is unused. Integers are 16-bit except the hour counter,
// which has no upper bound worth the name (2^64 hours).
struct GameState {
  std::array<std::int16_t, kPits + 1> StoneAt{};
  std::array<std::int16_t, 3> Chosen{};
  std::int16_t ChosenCount = 0;
  std::array<std::int16_t, 3> DezChosen{};
  std::int16_t StonesLeft = 0;
  std::int16_t CurPlayer = 0;
  std::int16_t GameMode = 0;
  std::int16_t MoveCount = 0;
  std::int16_t Pivot = 0;
  std::int16_t Ticks = 0;
  std::int16_t HoverBox = 0;
  std::int16_t LastHover = 0;
  std::uint64_t ClockHour = 0;
  std::int16_t ClockMinute = 0;
  std::int16_t ClockSecond = 0;
  std::array<std::string, 4> PlayerName{};  // UTF-8, up to 8 characters
  bool Sound = false;
  bool Music = false;
  bool Gamesselesai = false;
  std::int16_t PilihMusik = 0;
};

class Game {
public:
  explicit Game(BoardView& view) : view_(view) {}

  // The window's start-up (Form_Load) and menu handlers read and write the
  // state directly; the rules below keep it consistent.
  GameState& state() { return s_; }
  const GameState& state() const { return s_; }

  // New game and the opening reveal (Timer1, 200 ms).
  void NewGame();
  void Timer1_Timer();

  // A human's move.
  void Box_MouseUp(std::int16_t Index, MouseButton Button, std::int16_t Shift, float X, float Y);
  void ChooseStone(std::int16_t i);
  void ConfirmMove();
  void RemoveStones();
  void CheckWinner();

  // Dez's thinking pause (Timer3, 300 ms) and its move.
  void Timer3_Timer();
  void DezMove();

  // Pointer feedback on the stones.
  void Box_MouseDown(std::int16_t Index, MouseButton Button, std::int16_t Shift, float X, float Y);
  void Box_MouseMove(std::int16_t Index, MouseButton Button, std::int16_t Shift, float X, float Y);
  void Form_MouseMove(MouseButton Button, std::int16_t Shift, float X, float Y);

  // Dez's victory dance (Timer2, 250 ms) and the game clock (Timer4, 1 s).
  void Timer2_Timer();
  void Timer4_Timer();

private:
  bool BoardLocked() const { return s_.Gamesselesai || s_.CurPlayer == kDez; }
  void ShowTurnOf(std::int16_t player);

  BoardView& view_;
  GameState s_;
};
