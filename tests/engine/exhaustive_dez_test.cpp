// exhaustive_dez_test.cpp: every sequence of legal human moves against Dez ends with Dez taking the last stone.
#include <cstdio>
#include <vector>

#include <gtest/gtest.h>

#include "game.h"
#include "invariants.h"

namespace {

// A view that records nothing: Human vs Dez with sound on.
class SilentView : public BoardView {
public:
  void SetBoxPicture(std::int16_t, std::int16_t) override {}
  void SetCommentCaption(const std::string&) override {}
  void SetNameCaption(std::int16_t, const std::string&) override {}
  void SetNameColour(std::int16_t, Colour) override {}
  void SetMonsterVisible(bool) override {}
  void SetTimerEnabled(std::int16_t, bool) override {}
  void ShowForm3() override {}
  void PlaySfx(std::int16_t) override {}
  bool IsMenuChecked(MenuEntry e) override { return e.index == (e.array == MenuArray::modevs ? 2 : 1); }
  std::string GetCommentCaption() override { return ""; }
  void SetClockCaption(const std::string&) override {}
  std::int32_t GetMonsterTop() override { return 240; }
  void SetMonsterTop(std::int32_t) override {}
};

struct Explorer {
  std::uint64_t games = 0;
  std::vector<std::string> failures;

  void Fail(const std::vector<int>& moves, const std::string& what) {
    if (failures.size() < 10) failures.push_back(::testing::PrintToString(moves) + ": " + what);
  }

  // Plays one human move and Dez's reply on a copy; returns the copy.
  Game Play(const Game& from, std::initializer_list<int> pits, std::vector<int>& moves) {
    Game g = from;
    for (int p : pits) {
      g.ChooseStone(static_cast<std::int16_t>(p));
      moves.push_back(p);
    }
    moves.push_back(0);  // marks the end of a move in failure messages
    g.ConfirmMove();
    Check(g, moves, "after the human move");
    if (g.state().Gamesselesai) {
      Fail(moves, "the human took the last stone");
      return g;
    }
    const auto stonesBefore = g.state().StoneAt;
    const int taken = static_cast<int>(pits.size());
    for (int t = 0; t < 3; ++t) {
      g.Timer3_Timer();
      Check(g, moves, "after a tick of Dez's pause");
    }
    const auto& dz = g.state().DezChosen;
    const int dezTook = dz[2] == 0 ? 1 : 2;
    for (int k = 1; k <= dezTook; ++k) {
      if (dz[k] < 1 || dz[k] > kPits) {
        Fail(moves, "Dez picked pit " + std::to_string(dz[k]));
      } else if (stonesBefore[dz[k]] != 1) {
        Fail(moves, "Dez picked the empty pit " + std::to_string(dz[k]));
      }
    }
    if (dezTook == 2 && dz[1] == dz[2]) Fail(moves, "Dez picked one pit twice");
    const bool opening = g.state().MoveCount == 2;
    if (!opening && dezTook != taken) Fail(moves, "Dez took a different number of stones");
    return g;
  }

  void Check(const Game& g, const std::vector<int>& moves, const char* when) {
    const std::string broken = BrokenInvariant(g.state());
    if (!broken.empty()) Fail(moves, std::string(when) + ": " + broken);
  }

  // From a position with the human to move, tries every legal move.
  void Explore(const Game& g, std::vector<int>& moves) {
    const auto& stone = g.state().StoneAt;
    for (int p = 1; p <= kPits; ++p) {
      if (!stone[p]) continue;
      Visit(g, {p}, moves);
      const int next = p == kPits ? 1 : p + 1;
      if (stone[next]) {
        const Game a = Visit(g, {p, next}, moves);
        // The other order of choosing the pair must lead to the same position.
        std::vector<int> scratch = moves;
        const Game b = Play(g, {next, p}, scratch);
        if (a.state().StoneAt != b.state().StoneAt || a.state().Pivot != b.state().Pivot) {
          Fail(scratch, "choosing the pair in the other order changed Dez's reply");
        }
      }
    }
  }

  Game Visit(const Game& g, std::initializer_list<int> pits, std::vector<int>& moves) {
    const size_t mark = moves.size();
    Game next = Play(g, pits, moves);
    if (next.state().Gamesselesai) {
      const auto& s = next.state();
      if (s.CurPlayer == kDez && s.StonesLeft == 0) {
        ++games;
      } else {
        Fail(moves, "the game ended without Dez taking the last stone");
      }
    } else if (failures.empty()) {
      Explore(next, moves);
    }
    moves.resize(mark);
    return next;
  }
};

}  // namespace

TEST(ExhaustiveDez, DezTakesTheLastStoneInEveryGameAHumanCanPlay) {
  SilentView view;
  Game game(view);
  game.state().PlayerName = {"", "Lunara", "Player 2", "Dez"};
  game.state().Gamesselesai = true;
  game.NewGame();
  for (int i = 0; i < 13; ++i) game.Timer1_Timer();
  ASSERT_FALSE(game.state().Gamesselesai);

  Explorer explorer;
  std::vector<int> moves;
  explorer.Explore(game, moves);
  for (const auto& f : explorer.failures) ADD_FAILURE() << f;
  std::printf("[ exhaustive ] %llu distinct games against Dez, all won by Dez\n",
              static_cast<unsigned long long>(explorer.games));
  EXPECT_EQ(explorer.games, 143520u);
}
