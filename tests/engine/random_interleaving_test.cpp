// random_interleaving_test.cpp: long random streams of clicks, moves, ticks and new games keep the state sound.
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "game.h"
#include "invariants.h"
#include "recording_board_view.h"

namespace {

// What the window shows must agree with the state.
std::string BrokenPicture(const GameState& s, const RecordingBoardView& v, bool started) {
  if (!started) return "";
  std::ostringstream why;
  const bool revealing = s.Gamesselesai && v.timerOn[1];
  for (int i = 1; i <= kPits; ++i) {
    const int shown = v.pictures[i];
    if (revealing) {
      if (shown != (i <= s.Ticks ? 1 : 0)) why << "pit " << i << " shows " << shown << " during the reveal; ";
    } else if (s.StoneAt[i] == 0 && shown != 0) {
      why << "empty pit " << i << " shows " << shown << "; ";
    } else if (s.StoneAt[i] == 1 && shown == 0) {
      why << "the stone of pit " << i << " is not shown; ";
    }
  }
  if (!s.Gamesselesai && s.CurPlayer != kDez) {
    for (int k = 1; k <= s.ChosenCount; ++k) {
      const int shown = v.pictures[s.Chosen[k]];
      if (shown != 4 && shown != 3) why << "chosen pit " << s.Chosen[k] << " shows " << shown << "; ";
    }
  }
  if (v.timerOn[1] && !s.Gamesselesai) why << "the reveal runs on an open board; ";
  if (v.timerOn[3] && (s.CurPlayer != kDez || s.Gamesselesai)) why << "Dez's pause runs out of turn; ";
  if (v.timerOn[4] && s.Gamesselesai) why << "the clock runs on a locked board; ";
  if (v.timerOn[2] && !(s.Gamesselesai && s.CurPlayer == kDez)) why << "Dez dances without a win; ";
  return why.str();
}

}  // namespace

TEST(RandomInterleaving, InvariantsHoldAfterEveryEventOfLongRandomStreams) {
  const std::uint32_t seeds[] = {1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233, 377, 610, 987, 1597};
  for (std::uint32_t seed : seeds) {
    RecordingBoardView view;
    view.recording = false;
    Game game(view);
    GameState& s = game.state();
    s.PlayerName = {"", " Lunara ", "Player 2", "Dez"};
    s.Gamesselesai = true;
    s.Sound = s.Music = true;

    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<std::uint32_t>(n)); };
    const MouseButton buttons[] = {MouseButton::Left, MouseButton::Right, MouseButton::Middle};
    bool started = false;
    int games = 0;
    for (int event = 0; event < 40000; ++event) {
      const auto pit = static_cast<std::int16_t>(1 + pick(13));
      const MouseButton button = buttons[pick(3)];
      std::string what;
      const int r = pick(100);
      if (r < 20) {
        game.Box_MouseUp(pit, button, 0, 0, 0);
        what = "release " + std::to_string(static_cast<int>(button)) + " over " + std::to_string(pit);
      } else if (r < 30) {
        game.Box_MouseDown(pit, button, 0, 0, 0);
        what = "press over " + std::to_string(pit);
      } else if (r < 45) {
        game.Box_MouseMove(pit, MouseButton::None, 0, 0, 0);
        what = "move over " + std::to_string(pit);
      } else if (r < 50) {
        game.Form_MouseMove(MouseButton::None, 0, 0, 0);
        what = "move over the background";
      } else if (r < 98) {
        std::vector<int> running;
        for (int n = 1; n <= 4; ++n) {
          if (view.timerOn[n]) running.push_back(n);
        }
        if (running.empty()) continue;
        const int n = running[pick(static_cast<int>(running.size()))];
        what = "tick of timer " + std::to_string(n);
        if (n == 1) game.Timer1_Timer();
        if (n == 2) game.Timer2_Timer();
        if (n == 3) game.Timer3_Timer();
        if (n == 4) game.Timer4_Timer();
      } else if (r < 99) {
        if (s.Gamesselesai && s.StonesLeft == 0) ++games;
        game.NewGame();
        started = true;
        what = "new game";
      } else {
        const int which = pick(3);
        if (which == 0) view.SetMode(1 + pick(2));
        if (which == 1) view.checks[{MenuArray::suara, 1}] = !view.checks[{MenuArray::suara, 1}];
        if (which == 2) view.checks[{MenuArray::musik, 1}] = !view.checks[{MenuArray::musik, 1}];
        what = "menu marks changed";
      }
      const std::string broken = BrokenInvariant(s) + BrokenPicture(s, view, started);
      if (!broken.empty()) {
        FAIL() << "seed " << seed << ", event " << event << " (" << what << "): " << broken;
      }
    }
    EXPECT_GT(games, 0) << "seed " << seed << " never finished a game";
  }
}
