// play_against_dez.cpp: plays one seeded random game against Dez and prints every request.
//
//   play_against_dez [seed]
//
// A quick look at what the engine asks of its window, without a window.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "game.h"

namespace {

class PrintingView : public BoardView {
public:
  std::string comment;
  void SetBoxPicture(std::int16_t i, std::int16_t k) override { std::printf("  SetBoxPicture(%d, %d)\n", i, k); }
  void SetCommentCaption(const std::string& t) override {
    comment = t;
    std::printf("  SetCommentCaption(\"%s\")\n", t.c_str());
  }
  void SetNameCaption(std::int16_t k, const std::string& t) override { std::printf("  SetNameCaption(%d, \"%s\")\n", k, t.c_str()); }
  void SetNameColour(std::int16_t k, Colour c) override { std::printf("  SetNameColour(%d, &H%X)\n", k, c); }
  void SetMonsterVisible(bool on) override { std::printf("  SetMonsterVisible(%s)\n", on ? "on" : "off"); }
  void SetTimerEnabled(std::int16_t n, bool on) override { std::printf("  SetTimerEnabled(%d, %s)\n", n, on ? "on" : "off"); }
  void ShowForm3() override { std::printf("  ShowForm3()\n"); }
  void PlaySfx(std::int16_t n) override { std::printf("  PlaySfx(%d)\n", n); }
  bool IsMenuChecked(MenuEntry e) override { return e.index == (e.array == MenuArray::modevs ? 2 : 1); }
  std::string GetCommentCaption() override { return comment; }
  void SetClockCaption(const std::string& t) override { std::printf("  SetClockCaption(\"%s\")\n", t.c_str()); }
  std::int32_t GetMonsterTop() override { return 240; }
  void SetMonsterTop(std::int32_t t) override { std::printf("  SetMonsterTop(%d)\n", t); }
};

}  // namespace

int main(int argc, char** argv) {
  const unsigned seed = argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)) : 1;
  std::mt19937 rng(seed);
  PrintingView view;
  Game game(view);
  GameState& s = game.state();
  s.PlayerName = {"", "Lunara", "Player 2", "Dez"};
  s.Gamesselesai = true;

  std::printf("NewGame\n");
  game.NewGame();
  for (int t = 1; t <= 13; ++t) {
    std::printf("Timer1 tick %d\n", t);
    game.Timer1_Timer();
  }
  while (!s.Gamesselesai) {
    // Every legal move of the position: single stones and neighbouring pairs.
    std::vector<std::vector<std::int16_t>> moves;
    for (std::int16_t p = 1; p <= kPits; ++p) {
      if (!s.StoneAt[p]) continue;
      moves.push_back({p});
      const auto next = static_cast<std::int16_t>(p == kPits ? 1 : p + 1);
      if (s.StoneAt[next]) moves.push_back({p, next});
    }
    const auto& move = moves[rng() % moves.size()];
    for (auto p : move) {
      std::printf("Left release over pit %d\n", p);
      game.Box_MouseUp(p, MouseButton::Left, 0, 0, 0);
    }
    std::printf("Right release\n");
    game.Box_MouseUp(move[0], MouseButton::Right, 0, 0, 0);
    for (int t = 1; t <= 3 && s.CurPlayer == kDez && !s.Gamesselesai; ++t) {
      std::printf("Timer3 tick %d\n", t);
      game.Timer3_Timer();
    }
  }
  return 0;
}
