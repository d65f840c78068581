// form1_layout_test.cpp: the main window as it opens: size, controls, captions, fonts, menu tree and timers.
#include <QLabel>
#include <QMenuBar>

#include "form1_harness.h"
#include "tune_titles.h"

namespace {

TEST(Form1Layout, ClientAreaIsFixedAt429By403BelowTheMenuBarWithTheRightTitleAndNoMaximizeButton) {
  Form1Harness h;
  Form1& f = *h.form;
  EXPECT_EQ(f.windowTitle(), "Wirangga 1.0");
  EXPECT_EQ(f.Board()->size(), QSize(429, 403));
  EXPECT_EQ(f.Board()->pos(), QPoint(0, f.Menu().Bar()->height()));
  EXPECT_GT(f.Menu().Bar()->height(), 0);
  EXPECT_EQ(f.size(), QSize(429, 403 + f.Menu().Bar()->height()));
  EXPECT_EQ(f.minimumSize(), f.maximumSize()) << "the window can be resized";
  const Qt::WindowFlags flags = f.windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(f.windowIcon().isNull());
}

TEST(Form1Layout, PitsSitAtTheirPlacesAndAllShowThePlainStoneBeforeTheFirstGame) {
  const QPoint kPits[13] = {{210, 86},  {255, 107}, {288, 144}, {296, 192}, {283, 241}, {248, 277}, {198, 295},
                            {148, 287}, {107, 254}, {88, 208},  {91, 159},  {117, 115}, {161, 90}};
  Form1Harness h;
  for (int i = 1; i <= 13; ++i) {
    EXPECT_EQ(h.form->Box(i)->geometry(), QRect(kPits[i - 1], QSize(44, 44))) << "Box" << i;
    EXPECT_EQ(h.PictureOf(i), 1) << "Box" << i;
  }
  // The pit centres lie on a ring of about 105 pixels around the board's centre.
  for (int i = 1; i <= 13; ++i) {
    const QPointF d = QPointF(h.form->Box(i)->geometry().center()) - QPointF(3202 / 15.0, 3162 / 15.0);
    EXPECT_NEAR(std::hypot(d.x(), d.y()), 105.0, 3.0) << "Box" << i;
  }
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(h.form->Pic(k).size(), QSize(44, 44)) << "Pic" << k;
}

TEST(Form1Layout, LabelsAndDezsFaceHaveTheirPlacesCaptionsFontsAndColours) {
  struct Row {
    QLabel* label;
    QRect geometry;
    const char* caption;
    int pixelSize;
    QColor colour;
  };
  Form1Harness h;
  Form1& f = *h.form;
  const Row rows[] = {
      {f.namalbl(1), {32, 96, 47, 13}, "Player 1", 11, Qt::black},
      {f.namalbl(2), {352, 96, 47, 13}, "Dez", 11, Qt::black},
      {f.timelbl(), {152, 248, 129, 18}, "00:00:00", 13, Qt::white},
      {f.commentlbl(), {0, 384, 425, 17}, "WELCOME TO WIRANGGA", 16, Qt::white},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.caption);
    EXPECT_EQ(r.label->geometry(), r.geometry);
    EXPECT_EQ(r.label->text(), r.caption);
    EXPECT_EQ(r.label->font().pixelSize(), r.pixelSize);
    EXPECT_TRUE(r.label->font().bold());
    EXPECT_EQ(r.label->palette().color(QPalette::WindowText), r.colour);
    EXPECT_TRUE(r.label->alignment() & Qt::AlignHCenter);
    EXPECT_FALSE(r.label->autoFillBackground());
    EXPECT_EQ(r.label->textFormat(), Qt::PlainText);
  }
  EXPECT_EQ(f.monsterpic()->geometry(), QRect(340, 16, 65, 90));
  EXPECT_TRUE(f.monsterpic()->isVisibleTo(&f));
  EXPECT_EQ(f.GetMonsterTop(), 240);
  // namalbl(2) is drawn over the lower edge of the face.
  const QObjectList& stack = f.Board()->children();
  EXPECT_GT(stack.indexOf(f.namalbl(2)), stack.indexOf(f.monsterpic()));
}

TEST(Form1Layout, NameColoursArriveAsBlueGreenRedValues) {
  Form1Harness h;
  h.form->SetNameColour(1, kBlue);
  h.form->SetNameColour(2, 0x0000FF);  // red in this form
  EXPECT_EQ(h.form->namalbl(1)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_EQ(h.form->namalbl(2)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  h.form->SetNameColour(1, kBlack);
  EXPECT_EQ(h.form->namalbl(1)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST(Form1Layout, DezsFaceMovesInTwipsAndReportsWhatWasSet) {
  Form1Harness h;
  h.form->SetMonsterTop(280);
  EXPECT_EQ(h.form->GetMonsterTop(), 280);
  EXPECT_EQ(h.form->monsterpic()->geometry(), QRect(340, 19, 65, 90));
  h.form->SetMonsterTop(240);
  EXPECT_EQ(h.form->monsterpic()->geometry(), QRect(340, 16, 65, 90));
}

// Captions exactly as shown, access keys included; the marks as loaded.
TEST(Form1Layout, MenuTreeHasItsCaptionsMarksAndNoSeparatorsOrShortcuts) {
  Form1Harness h;
  MainMenu& m = h.form->Menu();
  QStringList top;
  for (QAction* a : m.Bar()->actions()) top << a->text();
  EXPECT_EQ(top, QStringList({"&Menu", "&Settings", "&Song", "&Help"}));

  struct Row {
    QMenu* menu;
    QStringList captions;
    std::vector<bool> checked;  // empty: not checkable
  };
  QStringList songs;
  for (const char* title : kTuneTitles) songs << QString::fromUtf8(title);
  const Row rows[] = {
      {m.fil1, {"&Play till die..", "&I prefer go to hell"}, {}},
      {m.set1, {"&Sound", "&Music", "M&ode"}, {}},
      {m.sound1, {"&Rozirozu Scream ", "&Keep the graveyard silent"}, {true, false}},
      {m.music1, {"&Loud", "&Off"}, {true, false}},
      {m.mode1, {"&Human vs Human", "Human vs &Dez"}, {false, true}},
      {m.song1, songs, {true, false, false, false}},
      {m.help1, {"&History of Wirangga", "&About me.."}, {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.menu->title().toStdString());
    QStringList captions;
    for (QAction* a : r.menu->actions()) {
      captions << a->text();
      EXPECT_FALSE(a->isSeparator());
      EXPECT_TRUE(a->shortcut().isEmpty());
      EXPECT_TRUE(a->isEnabled());
    }
    EXPECT_EQ(captions, r.captions);
    for (std::size_t i = 0; i < r.checked.size(); ++i) {
      EXPECT_TRUE(r.menu->actions()[i]->isCheckable());
      EXPECT_EQ(r.menu->actions()[i]->isChecked(), r.checked[i]) << r.captions[i].toStdString();
    }
  }
  EXPECT_TRUE(m.song1->menuAction()->isEnabled());
}

// Triggering an entry runs its handler; the mark moves only if the handler
// moves it. "&Loud" while it is marked keeps its mark, "&Off" takes it over.
TEST(Form1Layout, ClickingAnEntryNeverMovesACheckMarkByItself) {
  Form1Harness h;
  h.Show();
  h.Entry(MenuArray::suara, 1)->trigger();
  EXPECT_TRUE(h.Checked(MenuArray::suara, 1));
  EXPECT_FALSE(h.Checked(MenuArray::suara, 2));
  h.Entry(MenuArray::suara, 2)->trigger();
  EXPECT_FALSE(h.Checked(MenuArray::suara, 1));
  EXPECT_TRUE(h.Checked(MenuArray::suara, 2));
  h.Entry(MenuArray::suara, 2)->trigger();
  EXPECT_TRUE(h.Checked(MenuArray::suara, 2));

  // Cancel to the mode question: the clicked entry stays unmarked.
  h.dialogs.boxes.push_back(ModeQuestion(MsgAnswer::Cancel));
  h.Entry(MenuArray::modevs, 1)->trigger();
  EXPECT_FALSE(h.Checked(MenuArray::modevs, 1));
  EXPECT_TRUE(h.Checked(MenuArray::modevs, 2));
}

TEST(Form1Layout, TimersStartStoppedWithTheirIntervalsAndPreciseTiming) {
  Form1Harness h;
  const int kInterval[] = {0, 200, 250, 300, 1000};
  for (int n = 1; n <= 4; ++n) {
    EXPECT_FALSE(h.form->Timer(n)->isActive()) << n;
    EXPECT_EQ(h.form->Timer(n)->interval(), kInterval[n]) << n;
    EXPECT_EQ(h.form->Timer(n)->timerType(), Qt::PreciseTimer) << n;
  }
}

TEST(Form1Layout, EnablingARunningTimerKeepsItsIntervalGoing) {
  Form1Harness h;
  QTimer* t = h.form->Timer(4);
  h.form->SetTimerEnabled(4, true);
  ASSERT_TRUE(t->isActive());
  QTest::qWait(300);
  const int left = t->remainingTime();
  h.form->SetTimerEnabled(4, true);
  EXPECT_LE(t->remainingTime(), left) << "enabling again restarted the interval";
  h.form->SetTimerEnabled(4, false);
  EXPECT_FALSE(t->isActive());
  h.form->SetTimerEnabled(4, true);
  EXPECT_GT(t->remainingTime(), 500) << "a stopped timer begins a full interval";
  h.form->SetTimerEnabled(4, false);
}

}  // namespace
