// form1_pointer_test.cpp: which control a pointer event at a point of the window reaches, and what follows.
#include <QLabel>

#include "form1_harness.h"

namespace {

// A game in Human vs Dez with the opening reveal done and the sounds of the
// reveal forgotten.
class BoardInPlay : public ::testing::Test {
protected:
  void SetUp() override {
    h.Show();
    h.form->play1_Click();
    h.Tick(1, 13);
    ASSERT_FALSE(h.form->Gamesselesai());
    h.sfx.played.clear();
  }
  // A point of the bare board, inside the ring but on no pit or label.
  static QPoint Background() { return {214, 200}; }

  Form1Harness h;
};

TEST_F(BoardInPlay, ALeftReleaseOverAStoneChoosesIt) {
  h.ClickPit(Qt::LeftButton, 5);
  EXPECT_EQ(h.PictureOf(5), 4);
  EXPECT_EQ(h.form->game().state().ChosenCount, 1);
  EXPECT_EQ(h.form->game().state().Chosen[1], 5);
  EXPECT_EQ(h.sfx.played, std::vector<int>({4}));
}

TEST_F(BoardInPlay, ARightReleaseOverAnyPitConfirmsTheChoiceEvenAnEmptyOne) {
  h.ClickPit(Qt::LeftButton, 1);
  h.ClickPit(Qt::RightButton, 1);  // pit 1 is empty by now
  EXPECT_EQ(h.PictureOf(1), 0);
  EXPECT_EQ(h.form->game().state().CurPlayer, 3);
  EXPECT_TRUE(h.form->Timer(3)->isActive());
  EXPECT_EQ(h.form->commentlbl()->text(), "Giliran/Turn Dez");
  EXPECT_EQ(h.sfx.played, std::vector<int>({4, 1}));
}

TEST_F(BoardInPlay, ARightReleaseOverAnotherPitConfirmsToo) {
  h.ClickPit(Qt::LeftButton, 7);
  h.ClickPit(Qt::RightButton, 2);
  EXPECT_EQ(h.PictureOf(7), 0);
  EXPECT_EQ(h.form->game().state().StonesLeft, 12);
}

TEST_F(BoardInPlay, AMiddleReleaseDoesNothingButItsPressShowsThePressedStone) {
  h.ClickPit(Qt::MiddleButton, 5);
  EXPECT_EQ(h.PictureOf(5), 3);
  EXPECT_EQ(h.form->game().state().ChosenCount, 0);
  EXPECT_TRUE(h.sfx.played.empty());
}

TEST_F(BoardInPlay, ReleasesOverTheBackgroundALabelOrDezsFaceDoNothing) {
  h.ClickPit(Qt::LeftButton, 4);
  const GameState before = h.form->game().state();
  const std::vector<int> pictures = h.Pictures();
  Form1& f = *h.form;
  const QPoint places[] = {Background(), f.commentlbl()->geometry().center(), f.timelbl()->geometry().center(),
                           f.namalbl(1)->geometry().center(), f.namalbl(2)->geometry().center(),
                           f.monsterpic()->geometry().center()};
  for (const QPoint& at : places) {
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
      h.Click(b, at);
      EXPECT_EQ(h.form->game().state().ChosenCount, before.ChosenCount) << at.x() << "," << at.y();
      EXPECT_EQ(h.form->game().state().StonesLeft, before.StonesLeft);
      EXPECT_EQ(h.form->game().state().CurPlayer, before.CurPlayer);
    }
  }
  EXPECT_EQ(h.Pictures(), pictures);
  EXPECT_EQ(h.sfx.played, std::vector<int>({4}));
}

TEST_F(BoardInPlay, AButtonPressedOnAStoneAndReleasedOverTheBackgroundDoesNotChooseIt) {
  h.Press(Qt::LeftButton, h.PitCentre(6));
  EXPECT_EQ(h.PictureOf(6), 3);
  h.MoveTo(Background());
  h.Release(Qt::LeftButton, Background());
  EXPECT_EQ(h.form->game().state().ChosenCount, 0);
  EXPECT_TRUE(h.sfx.played.empty());
}

TEST_F(BoardInPlay, AButtonPressedOnOneStoneAndReleasedOverAnotherChoosesTheOther) {
  h.Press(Qt::LeftButton, h.PitCentre(6));
  h.MoveTo(h.PitCentre(8));
  h.Release(Qt::LeftButton, h.PitCentre(8));
  EXPECT_EQ(h.form->game().state().Chosen[1], 8);
  EXPECT_EQ(h.PictureOf(8), 4);
}

TEST_F(BoardInPlay, HoveringLightsTheStoneUnderThePointerAndRestoresTheOneBefore) {
  // Right after a new game pit 1 counts as lit; the first move elsewhere
  // puts it back to plain.
  h.MoveTo(h.PitCentre(3));
  EXPECT_EQ(h.PictureOf(3), 2);
  h.MoveTo(h.PitCentre(4));
  EXPECT_EQ(h.PictureOf(3), 1);
  EXPECT_EQ(h.PictureOf(4), 2);
  h.MoveTo(Background());
  EXPECT_EQ(h.PictureOf(4), 1);
  EXPECT_EQ(h.form->game().state().HoverBox, 0);

  // Over a label or Dez's face nothing changes: the lit stone stays lit.
  h.MoveTo(h.PitCentre(9));
  h.MoveTo(h.form->timelbl()->geometry().center());
  h.MoveTo(h.form->monsterpic()->geometry().center());
  EXPECT_EQ(h.PictureOf(9), 2);
  EXPECT_EQ(h.form->game().state().HoverBox, 9);
}

TEST_F(BoardInPlay, AnEmptyPitStillReceivesItsEventsWithItsIndex) {
  h.ClickPit(Qt::LeftButton, 10);
  h.ClickPit(Qt::RightButton, 10);
  h.Tick(3, 3);  // Dez answers
  ASSERT_EQ(h.form->game().state().CurPlayer, 1);
  h.MoveTo(h.PitCentre(2));
  EXPECT_EQ(h.PictureOf(2), 2);
  // Dez took pits 3 and 4. Moving over the empty pit 3 is a move over a
  // pit, not over the board: the lit stone stays lit.
  ASSERT_EQ(h.PictureOf(3), 0);
  h.MoveTo(h.PitCentre(3));
  EXPECT_EQ(h.PictureOf(2), 2);
  EXPECT_EQ(h.form->game().state().HoverBox, 2);
  EXPECT_EQ(h.PictureOf(3), 0);
}

TEST_F(BoardInPlay, WhenDezsFaceIsHiddenItsPlaceIsBareBoard) {
  h.form->SetMonsterVisible(false);
  h.MoveTo(h.PitCentre(3));
  h.MoveTo(h.form->monsterpic()->geometry().center() + QPoint(0, -20));
  EXPECT_EQ(h.PictureOf(3), 1);
}

TEST(Form1Pointer, BeforeTheFirstGameNoPointerInputChangesAnything) {
  Form1Harness h;
  h.Show();
  for (int i = 1; i <= 13; ++i) {
    h.MoveTo(h.PitCentre(i));
    h.ClickPit(Qt::LeftButton, i);
    h.ClickPit(Qt::RightButton, i);
  }
  EXPECT_EQ(h.Pictures(), std::vector<int>(13, 1));
  EXPECT_TRUE(h.sfx.played.empty());
  EXPECT_EQ(h.form->game().state().ChosenCount, 0);
}

}  // namespace
