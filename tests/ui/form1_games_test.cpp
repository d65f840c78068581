// form1_games_test.cpp: whole games played through the menu, pointer events on the window and the timers' ticks.
#include <QLabel>

#include "form1_harness.h"

namespace {

const QColor kBlueText(0, 0, 255);
const QColor kBlackText(0, 0, 0);

QColor NameColour(Form1Harness& h, int k) { return h.form->namalbl(k)->palette().color(QPalette::WindowText); }

// The opening reveal: one stone and one clack per tick; the 13th tick opens
// the board with the opening sound and starts the clock.
void Reveal(Form1Harness& h) {
  ASSERT_TRUE(h.form->Timer(1)->isActive());
  for (int tick = 1; tick <= 13; ++tick) {
    EXPECT_TRUE(h.form->Gamesselesai());
    h.Tick(1);
    EXPECT_EQ(h.PictureOf(tick), 1);
    for (int later = tick + 1; later <= 13; ++later) EXPECT_EQ(h.PictureOf(later), 0);
  }
  EXPECT_FALSE(h.form->Timer(1)->isActive());
  EXPECT_TRUE(h.form->Timer(4)->isActive());
  EXPECT_FALSE(h.form->Gamesselesai());
  std::vector<int> expected(13, 1);
  expected.push_back(2);
  EXPECT_EQ(h.sfx.played, expected);
  h.sfx.played.clear();
}

// A move by the mouse: left clicks choose, a right click confirms.
void Take(Form1Harness& h, std::vector<int> pits) {
  for (int pit : pits) {
    ASSERT_NE(h.PictureOf(pit), 0) << "pit " << pit << " is empty";
    h.ClickPit(Qt::LeftButton, pit);
    EXPECT_EQ(h.PictureOf(pit), 4);
  }
  h.ClickPit(Qt::RightButton, pits.back());
  for (int pit : pits) EXPECT_EQ(h.PictureOf(pit), 0);
}

TEST(Form1Games, HumanVsDezFromTheMenuCommandToDezsWin) {
  Form1Harness h;
  h.Show();
  h.form->Menu().play1->trigger();
  EXPECT_EQ(h.Pictures(), std::vector<int>(13, 0));
  EXPECT_EQ(h.form->commentlbl()->text(), "Giliran/Turn Lunara");
  EXPECT_EQ(h.form->namalbl(1)->text(), "Lunara");
  EXPECT_EQ(h.form->namalbl(2)->text(), "Dez");
  EXPECT_TRUE(h.form->monsterpic()->isVisible());
  Reveal(h);

  h.Tick(4, 2);
  EXPECT_EQ(h.form->timelbl()->text(), "00:00:02");

  int moves = 0;
  while (!h.form->Gamesselesai()) {
    ASSERT_LT(++moves, 14);
    ASSERT_EQ(h.form->game().state().CurPlayer, 1);
    EXPECT_EQ(NameColour(h, 1), kBlueText);
    EXPECT_EQ(NameColour(h, 2), kBlackText);
    // The lowest stone, with its right-hand neighbour on every other move.
    int first = 1;
    while (h.form->game().state().StoneAt[first] == 0) ++first;
    std::vector<int> move{first};
    if (moves % 2 == 0 && first < 13 && h.form->game().state().StoneAt[first + 1]) move.push_back(first + 1);
    h.sfx.played.clear();
    Take(h, move);
    std::vector<int> expected(move.size(), 4);
    expected.push_back(1);
    EXPECT_EQ(h.sfx.played, expected);

    // Dez thinks for three ticks, a dot each, and answers on the third.
    ASSERT_FALSE(h.form->Gamesselesai()) << "a human took the last stone";
    EXPECT_EQ(h.form->commentlbl()->text(), "Giliran/Turn Dez");
    EXPECT_EQ(NameColour(h, 2), kBlueText);
    h.ClickPit(Qt::LeftButton, 13);  // the board is locked while Dez thinks
    EXPECT_EQ(h.form->game().state().ChosenCount, static_cast<int>(move.size()));
    h.Tick(3, 2);
    EXPECT_EQ(h.form->commentlbl()->text(), "Giliran/Turn Dez..");
    const int before = h.form->game().state().StonesLeft;
    h.Tick(3);
    EXPECT_FALSE(h.form->Timer(3)->isActive());
    EXPECT_LT(h.form->game().state().StonesLeft, before);
  }

  EXPECT_EQ(h.form->game().state().CurPlayer, 3);
  EXPECT_EQ(h.form->commentlbl()->text(), "Dez is the master of Wirangga");
  EXPECT_EQ(h.Pictures(), std::vector<int>(13, 0));
  EXPECT_EQ(h.sfx.played.back(), 3);
  EXPECT_FALSE(h.form->Timer(4)->isActive());
  EXPECT_EQ(h.form->timelbl()->text(), "00:00:02") << "the clock keeps the final time";
  ASSERT_TRUE(h.form->Timer(2)->isActive());
  EXPECT_NE(h.side.Form3Window(), nullptr) << "the victory window opens";
  h.Tick(2);
  EXPECT_EQ(h.form->GetMonsterTop(), 280);
  EXPECT_EQ(h.form->monsterpic()->y(), 19);
  h.Tick(2);
  EXPECT_EQ(h.form->GetMonsterTop(), 240);

  // A new game stops the dance without asking, since the game is over.
  h.form->Menu().play1->trigger();
  EXPECT_FALSE(h.form->Timer(2)->isActive());
  EXPECT_TRUE(h.form->Timer(1)->isActive());
}

TEST(Form1Games, HumanVsHumanWonByPlayerTwo) {
  Form1Harness h;
  h.Show();
  h.dialogs.boxes = {ModeQuestion(MsgAnswer::OK), NamesQuestion(MsgAnswer::No)};
  h.Entry(MenuArray::modevs, 1)->trigger();
  EXPECT_TRUE(h.Checked(MenuArray::modevs, 1));
  EXPECT_FALSE(h.Checked(MenuArray::modevs, 2));
  EXPECT_EQ(h.form->namalbl(1)->text(), "Lunara");
  EXPECT_EQ(h.form->namalbl(2)->text(), "Player 2");
  EXPECT_FALSE(h.form->monsterpic()->isVisible());
  Reveal(h);

  const std::vector<std::vector<int>> moves = {{1}, {2, 3}, {4, 5}, {6, 7}, {8}, {9, 10}, {11}, {12, 13}};
  for (std::size_t m = 0; m < moves.size(); ++m) {
    const int mover = m % 2 == 0 ? 1 : 2;
    ASSERT_EQ(h.form->game().state().CurPlayer, mover);
    EXPECT_EQ(NameColour(h, mover), kBlueText);
    EXPECT_EQ(NameColour(h, 3 - mover), kBlackText);
    Take(h, moves[m]);
    if (m + 1 < moves.size()) {
      EXPECT_EQ(h.form->commentlbl()->text(), mover == 1 ? "Giliran/Turn Player 2" : "Giliran/Turn Lunara");
    }
  }
  EXPECT_TRUE(h.form->Gamesselesai());
  EXPECT_EQ(h.form->commentlbl()->text(), "Player 2 is the master of Wirangga");
  EXPECT_EQ(h.sfx.played.back(), 3);
  EXPECT_FALSE(h.form->Timer(4)->isActive());
  EXPECT_FALSE(h.form->Timer(2)->isActive()) << "only Dez dances";
  EXPECT_FALSE(h.form->Timer(3)->isActive());
  EXPECT_EQ(h.side.Form3Window(), nullptr);

  // After the game the board takes no input.
  h.ClickPit(Qt::LeftButton, 1);
  EXPECT_EQ(h.PictureOf(1), 0);
}

}  // namespace
