// game.cpp: the rules of Wirangga, Dez's mirror replies, the pointer feedback,
// the clock and the victory dance, all carried out through BoardView.
#include "game.h"

#include <algorithm>
#include <cstdlib>

namespace {

const std::string kTurnPrefix = "Giliran/Turn ";
const std::string kWinnerSuffix = " is the master of Wirangga";

// The turn line shows names without their leading and trailing blanks.
std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const auto last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

// The pit k steps onward from pit c, clockwise round the ring.
std::int16_t Onward(int c, int k) {
  int p = c + k;
  if (p > kPits) p -= kPits;
  return static_cast<std::int16_t>(p);
}

// The mirror image of pit c about pit P, 2P - c brought into 1..13.
std::int16_t Mirror(int c, int P) {
  if (std::abs(c - P) > 5) {
    return static_cast<std::int16_t>(P < c ? 2 * P + 13 - c : 2 * P - c - 13);
  }
  const int v = 2 * P - c;
  if (P < c) return static_cast<std::int16_t>(v < 1 ? 13 - std::abs(v) : v);
  return static_cast<std::int16_t>(v > 13 ? v - 13 : v);
}

// A clock field: at least two digits, more as needed.
std::string TwoDigits(std::uint64_t v) {
  std::string s = std::to_string(v);
  return v < 10 ? "0" + s : s;
}

}  // namespace

bool AreNeighbours(int a, int b) {
  const int d = std::abs(a - b);
  return d == 1 || d == 12;
}

// --- new game and the opening reveal ---------------------------------------

void Game::NewGame() {
  view_.SetTimerEnabled(2, false);
  view_.SetTimerEnabled(3, false);
  view_.SetTimerEnabled(4, false);
  for (int k = 1; k <= 2; ++k) {
    s_.Chosen[k] = 0;
    s_.DezChosen[k] = 0;
  }
  for (std::int16_t i = 1; i <= kPits; ++i) view_.SetBoxPicture(i, kNoPicture);
  for (int i = 1; i <= kPits; ++i) s_.StoneAt[i] = 1;
  for (std::int16_t k = 1; k <= 2; ++k) {
    if (view_.IsMenuChecked({MenuArray::modevs, k})) s_.GameMode = k;
  }
  s_.Sound = view_.IsMenuChecked({MenuArray::suara, 1});
  s_.Music = view_.IsMenuChecked({MenuArray::musik, 1});
  s_.MoveCount = 0;
  s_.ClockHour = 0;
  s_.ChosenCount = 0;
  s_.ClockMinute = 0;
  s_.ClockSecond = 0;
  s_.Ticks = 0;
  s_.HoverBox = 1;
  s_.StonesLeft = kPits;
  if (s_.GameMode == 1) {
    view_.SetNameCaption(1, s_.PlayerName[1]);
    view_.SetNameCaption(2, s_.PlayerName[2]);
    view_.SetMonsterVisible(false);
  } else if (s_.GameMode == 2) {
    view_.SetMonsterVisible(true);
    view_.SetNameCaption(1, s_.PlayerName[1]);
    view_.SetNameCaption(2, "Dez");
  }
  s_.CurPlayer = 1;
  view_.SetCommentCaption(kTurnPrefix + Trim(s_.PlayerName[1]));
  for (std::int16_t k = 1; k <= 2; ++k) view_.SetNameColour(k, s_.CurPlayer == k ? kBlue : kBlack);
  s_.Gamesselesai = true;
  view_.SetTimerEnabled(1, true);
}

void Game::Timer1_Timer() {
  ++s_.Ticks;
  view_.SetBoxPicture(s_.Ticks, kPlainStone);
  if (s_.Sound) view_.PlaySfx(1);
  if (s_.Ticks >= kPits) {
    view_.SetTimerEnabled(1, false);
    s_.Gamesselesai = false;
    if (s_.Sound) view_.PlaySfx(2);
    view_.SetTimerEnabled(4, true);
  }
}

// --- a human's move -----------------------------------------------------------

void Game::Box_MouseUp(std::int16_t Index, MouseButton Button, std::int16_t, float, float) {
  if (Button == MouseButton::Left) {
    ChooseStone(Index);
  } else if (Button == MouseButton::Right) {
    ConfirmMove();
  }
}

void Game::ChooseStone(std::int16_t i) {
  if (i < 1 || i > kPits) return;
  if (BoardLocked() || s_.StoneAt[i] == 0) return;
  const bool restart = s_.ChosenCount == 2 || (s_.ChosenCount == 1 && !AreNeighbours(s_.Chosen[1], i));
  if (restart) {
    for (int k = 1; k <= s_.ChosenCount; ++k) view_.SetBoxPicture(s_.Chosen[k], kPlainStone);
    s_.ChosenCount = 0;
  }
  ++s_.ChosenCount;
  s_.Chosen[s_.ChosenCount] = i;
  view_.SetBoxPicture(i, kChosenStone);
  if (s_.Sound) view_.PlaySfx(4);
}

void Game::ConfirmMove() {
  if (BoardLocked() || s_.ChosenCount == 0) return;
  ++s_.MoveCount;
  RemoveStones();
  if (s_.MoveCount == 1 && s_.ChosenCount == 1) s_.Pivot = s_.Chosen[1];
  s_.StonesLeft -= s_.ChosenCount;
  CheckWinner();
  if (s_.Gamesselesai) return;
  if (s_.GameMode == 1) {
    s_.CurPlayer = s_.CurPlayer == 1 ? 2 : 1;
  } else {
    s_.CurPlayer = s_.CurPlayer == 1 ? kDez : 1;
  }
  ShowTurnOf(s_.CurPlayer);
  if (s_.CurPlayer == kDez) {
    s_.Ticks = 0;
    view_.SetTimerEnabled(3, true);
  } else {
    s_.ChosenCount = 0;
  }
}

// The turn line names the player to move; that player's label turns blue.
void Game::ShowTurnOf(std::int16_t player) {
  view_.SetCommentCaption(kTurnPrefix + Trim(s_.PlayerName[player]));
  if (player == 1) {
    view_.SetNameColour(1, kBlue);
    view_.SetNameColour(2, kBlack);
  } else {
    view_.SetNameColour(2, kBlue);
    view_.SetNameColour(1, kBlack);
  }
}

void Game::RemoveStones() {
  if (s_.CurPlayer == 1 || s_.CurPlayer == 2) {
    for (int k = 1; k <= s_.ChosenCount; ++k) {
      s_.StoneAt[s_.Chosen[k]] = 0;
      view_.SetBoxPicture(s_.Chosen[k], kNoPicture);
    }
  } else {
    // A one-stone move of Dez's ends at the empty second slot, silently.
    for (int k = 1; k <= 2; ++k) {
      if (s_.DezChosen[k] == 0) return;
      s_.StoneAt[s_.DezChosen[k]] = 0;
      view_.SetBoxPicture(s_.DezChosen[k], kNoPicture);
      --s_.StonesLeft;
    }
  }
  if (s_.Sound) view_.PlaySfx(1);
}

void Game::CheckWinner() {
  if (s_.StonesLeft != 0) return;
  s_.Gamesselesai = true;
  // The winner line keeps the name exactly as stored, blanks and all.
  view_.SetCommentCaption(s_.PlayerName[s_.CurPlayer] + kWinnerSuffix);
  if (s_.CurPlayer == kDez) view_.SetTimerEnabled(2, true);
  if (s_.Sound) view_.PlaySfx(3);
  view_.SetTimerEnabled(4, false);
  if (s_.CurPlayer == kDez) view_.ShowForm3();
}

// --- Dez ----------------------------------------------------------------------

void Game::Timer3_Timer() {
  ++s_.Ticks;
  view_.SetCommentCaption(view_.GetCommentCaption() + ".");
  if (s_.Ticks >= 3) {
    view_.SetTimerEnabled(3, false);
    DezMove();
  }
}

void Game::DezMove() {
  s_.DezChosen[1] = 0;
  s_.DezChosen[2] = 0;
  if (s_.MoveCount == 1) {
    if (s_.ChosenCount == 1) {
      // Take the middle two of the twelve left: two runs of five remain.
      const int c = s_.Chosen[1];
      for (int i = 1; i <= 2; ++i) s_.DezChosen[i] = Onward(c, 5 + i);
    } else {
      // Take the middle one of the eleven left; it becomes the mirror axis.
      const int a = s_.Chosen[1];
      const int b = s_.Chosen[2];
      const int x = std::abs(a - b) <= 1 ? std::max(a, b) : std::min(a, b);
      s_.DezChosen[1] = Onward(x, 6);
      s_.Pivot = s_.DezChosen[1];
    }
  } else {
    for (int i = 1; i <= s_.ChosenCount; ++i) s_.DezChosen[i] = Mirror(s_.Chosen[i], s_.Pivot);
  }
  ++s_.MoveCount;
  RemoveStones();
  CheckWinner();
  if (s_.Gamesselesai) return;
  s_.CurPlayer = 1;
  view_.SetNameColour(1, kBlue);
  view_.SetNameColour(2, kBlack);
  view_.SetCommentCaption(kTurnPrefix + Trim(s_.PlayerName[1]));
  s_.ChosenCount = 0;
}

// --- pointer feedback ---------------------------------------------------------

void Game::Box_MouseDown(std::int16_t Index, MouseButton, std::int16_t, float, float) {
  if (Index < 1 || Index > kPits || BoardLocked()) return;
  if (s_.StoneAt[Index] != 0) view_.SetBoxPicture(Index, kPressedStone);
}

void Game::Box_MouseMove(std::int16_t Index, MouseButton, std::int16_t, float, float) {
  if (Index < 1 || Index > kPits || BoardLocked()) return;
  if (Index == s_.HoverBox) return;
  if (Index == s_.Chosen[1] || Index == s_.Chosen[2]) return;
  if (s_.StoneAt[Index] == 0) return;
  const std::int16_t h = s_.HoverBox;
  if (h != 0 && h != s_.Chosen[1] && h != s_.Chosen[2] && s_.StoneAt[h] != 0) view_.SetBoxPicture(h, kPlainStone);
  s_.HoverBox = Index;
  view_.SetBoxPicture(Index, kLitStone);
}

void Game::Form_MouseMove(MouseButton, std::int16_t, float, float) {
  if (BoardLocked()) return;
  if (s_.HoverBox == s_.LastHover) return;
  const std::int16_t h = s_.HoverBox;
  if (h >= 1 && h <= kPits && s_.StoneAt[h] != 0 && h != s_.Chosen[1] && h != s_.Chosen[2]) {
    view_.SetBoxPicture(h, kPlainStone);
  }
  s_.HoverBox = 0;
  s_.LastHover = s_.HoverBox;
}

// --- the clock and the dance --------------------------------------------------

void Game::Timer4_Timer() {
  ++s_.ClockSecond;
  if (s_.ClockSecond >= 60) {
    ++s_.ClockMinute;
    s_.ClockSecond -= 60;
  }
  if (s_.ClockMinute >= 60) {
    ++s_.ClockHour;
    s_.ClockMinute -= 60;
  }
  view_.SetClockCaption(TwoDigits(s_.ClockHour) + ":" + TwoDigits(static_cast<std::uint64_t>(s_.ClockMinute)) + ":" +
                        TwoDigits(static_cast<std::uint64_t>(s_.ClockSecond)));
}

void Game::Timer2_Timer() {
  view_.SetMonsterTop(view_.GetMonsterTop() == 240 ? 280 : 240);
}
