// real_timers_test.cpp: the main window's timers at their real intervals, and a real message box that lets them tick.
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "form1_harness.h"
#include "qt_dialogs.h"

namespace {

// Records what the board shows after every event that changed something,
// so the order of reveal, opening and Dez's reply can be read off.
TEST(RealTimers, OneRevealAndOneDezMoveHappenInTheirOrderOnTheRealTimers) {
  Form1Harness h;
  h.Show();
  h.form->play1_Click();
  ASSERT_TRUE(Form1Harness::RunUntil([&h] { return !h.form->Gamesselesai(); }));
  EXPECT_EQ(h.Pictures(), std::vector<int>(13, 1));
  std::vector<int> reveal(13, 1);
  reveal.push_back(2);
  EXPECT_EQ(h.sfx.played, reveal) << "the opening sound comes after the thirteenth clack";
  EXPECT_TRUE(h.form->Timer(4)->isActive()) << "the clock runs once the board opens";

  h.sfx.played.clear();
  h.ClickPit(Qt::LeftButton, 1);
  h.ClickPit(Qt::RightButton, 1);
  ASSERT_EQ(h.form->game().state().CurPlayer, 3);
  std::vector<QString> captions;
  ASSERT_TRUE(Form1Harness::RunUntil([&] {
    const QString now = h.form->commentlbl()->text();
    if (captions.empty() || captions.back() != now) captions.push_back(now);
    return h.form->game().state().CurPlayer == 1;
  }));
  // Dez's pause shows its dots one per tick, then it takes two stones.
  EXPECT_EQ(captions, std::vector<QString>({"Giliran/Turn Dez", "Giliran/Turn Dez.", "Giliran/Turn Dez..",
                                            "Giliran/Turn Lunara"}));
  EXPECT_EQ(h.form->game().state().StonesLeft, 10);
  EXPECT_EQ(h.sfx.played, std::vector<int>({4, 1, 1}));
  EXPECT_FALSE(h.form->Timer(3)->isActive());
}

// The question stays open until the running timer has ticked three times
// meanwhile; the last tick answers it. Were ticks held back while the box is
// open, the watchdog would have to close it instead.
TEST(RealTimers, TimersKeepTickingWhileARealMessageBoxIsOpen) {
  QtDialogs dialogs;
  QTimer ticker;
  ticker.setTimerType(Qt::PreciseTimer);
  ticker.setInterval(20);
  int ticksWhileOpen = 0;
  bool watchdogFired = false;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    if (++ticksWhileOpen == 3) box->button(QMessageBox::Cancel)->click();
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      watchdogFired = true;
      box->defaultButton()->click();
    }
  });
  watchdog.start(20000);
  ticker.start();
  const MsgAnswer answer = dialogs.MsgBox("Are you sure to restart the game ??", "Warning, ugly people in front of me !",
                                          MsgButtons::OKCancel, MsgIcon::None);
  ticker.stop();
  EXPECT_FALSE(watchdogFired);
  EXPECT_EQ(ticksWhileOpen, 3);
  EXPECT_EQ(answer, MsgAnswer::Cancel);
}

// The real boxes carry the texts, titles, buttons, icon and default given
// to them. Each is looked at while open and answered with its default.
TEST(RealTimers, RealBoxesShowTheirTextsButtonsIconAndFirstButtonAsDefault) {
  struct Row {
    MsgButtons buttons;
    MsgIcon icon;
    QList<QMessageBox::StandardButton> shown;
    MsgAnswer byDefault;
  };
  const Row rows[] = {
      {MsgButtons::OK, MsgIcon::Error, {QMessageBox::Ok}, MsgAnswer::OK},
      {MsgButtons::OKCancel, MsgIcon::None, {QMessageBox::Ok, QMessageBox::Cancel}, MsgAnswer::OK},
      {MsgButtons::YesNo, MsgIcon::None, {QMessageBox::Yes, QMessageBox::No}, MsgAnswer::Yes},
  };
  QtDialogs dialogs;
  for (const Row& r : rows) {
    QString seenText, seenTitle;
    QMessageBox::Icon seenIcon = QMessageBox::Question;
    QList<QMessageBox::StandardButton> seenButtons;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seenText = box->text();
      seenTitle = box->windowTitle();
      seenIcon = box->icon();
      for (QAbstractButton* b : box->buttons()) seenButtons << box->standardButton(b);
      box->defaultButton()->click();
    });
    const MsgAnswer answer = dialogs.MsgBox("a text  ??", "a title !", r.buttons, r.icon);
    EXPECT_EQ(seenText, "a text  ??");
    EXPECT_EQ(seenTitle, "a title !");
    EXPECT_EQ(seenIcon, r.icon == MsgIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon);
    std::sort(seenButtons.begin(), seenButtons.end());
    QList<QMessageBox::StandardButton> shown = r.shown;
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(seenButtons, shown);
    EXPECT_EQ(answer, r.byDefault);
  }
}

TEST(RealTimers, TheRealInputBoxAnswersTheTextOnOkAndNothingOnCancel) {
  QtDialogs dialogs;
  for (bool ok : {true, false}) {
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->textValue(), "") << "the field starts empty";
      EXPECT_EQ(box->labelText(), "Insert Player 1 Name !!(max 8 char.)");
      box->setTextValue("Ayu");
      ok ? box->accept() : box->reject();
    });
    const QString answer = dialogs.InputBox("Insert Player 1 Name !!(max 8 char.)", "Hurry up, Wirangga is waiting..");
    EXPECT_EQ(answer, ok ? "Ayu" : "");
  }
}

}  // namespace
