// invariants.h: what must hold of the game state whenever no operation runs.
#pragma once

#include <set>
#include <sstream>
#include <string>

#include "game.h"

// Returns "" when the state is consistent, otherwise what is wrong.
inline std::string BrokenInvariant(const GameState& s) {
  std::ostringstream why;
  int stones = 0;
  for (int i = 1; i <= kPits; ++i) {
    if (s.StoneAt[i] != 0 && s.StoneAt[i] != 1) why << "StoneAt(" << i << ") is " << s.StoneAt[i] << "; ";
    stones += s.StoneAt[i];
  }
  if (stones != s.StonesLeft) why << "StonesLeft " << s.StonesLeft << " but " << stones << " stones; ";
  if (s.ChosenCount < 0 || s.ChosenCount > 2) why << "ChosenCount " << s.ChosenCount << "; ";
  const bool humanToMove = !s.Gamesselesai && (s.CurPlayer == 1 || s.CurPlayer == 2);
  if (humanToMove && s.ChosenCount >= 1 && s.ChosenCount <= 2) {
    std::set<int> pits;
    for (int k = 1; k <= s.ChosenCount; ++k) {
      const int p = s.Chosen[k];
      if (p < 1 || p > kPits || s.StoneAt[p] != 1) why << "Chosen(" << k << ") is " << p << " without a stone; ";
      pits.insert(p);
    }
    if (static_cast<int>(pits.size()) != s.ChosenCount) why << "the chosen pits repeat; ";
    if (s.ChosenCount == 2 && !AreNeighbours(s.Chosen[1], s.Chosen[2])) why << "the chosen pair is no pair; ";
  }
  if (s.GameMode == 1 && s.CurPlayer != 1 && s.CurPlayer != 2 && s.CurPlayer != 0) why << "mode 1, player " << s.CurPlayer << "; ";
  if (s.GameMode == 2 && s.CurPlayer != 1 && s.CurPlayer != 3 && s.CurPlayer != 0) why << "mode 2, player " << s.CurPlayer << "; ";
  if (s.CurPlayer == kDez && !s.Gamesselesai && (s.ChosenCount < 1 || s.ChosenCount > 2)) why << "Dez has no move to answer; ";
  if (s.MoveCount < 0 || s.MoveCount > kPits) why << "MoveCount " << s.MoveCount << "; ";
  if (s.HoverBox < 0 || s.HoverBox > kPits) why << "HoverBox " << s.HoverBox << "; ";
  if (s.LastHover != 0) why << "LastHover " << s.LastHover << "; ";
  return why.str();
}
