// form1.cpp: the main window's layout, its BoardView requests, pointer routing and menu commands.
#include "form1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "board_widgets.h"
#include "dialogs.h"
#include "main_menu.h"
#include "mod_dx_music.h"
#include "module1.h"
#include "side_windows.h"
#include "tune_search.h"

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 429;   // 6435 twips
constexpr int kClientHeight = 403;  // 6045 twips

// Top-left corners of the thirteen pits, in pixels, clockwise from the top.
constexpr std::array<QPoint, kPits + 1> kPitAt = {{
    {0, 0},
    {210, 86}, {255, 107}, {288, 144}, {296, 192}, {283, 241}, {248, 277}, {198, 295},
    {148, 287}, {107, 254}, {88, 208}, {91, 159}, {117, 115}, {161, 90},
}};
constexpr int kPitSize = 44;

constexpr std::array<int, 5> kTimerInterval = {0, 200, 250, 300, 1000};

// The designed faces first; where they are missing, faces of like build.
QFont LabelFont(QStringList families, int pixelSize) {
  families << "Liberation Sans" << "Arimo" << "Arial" << "DejaVu Sans";
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(true);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, const QFont& font,
                  QColor colour) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  // Names are typed by the players: shown as typed, never as markup.
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAutoFillBackground(false);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

QColor FromBgr(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

MouseButton ButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::None;
  }
}

// The buttons held during a move, as a set of bits: 1 left, 2 right, 4 middle.
MouseButton ButtonsHeld(Qt::MouseButtons held) {
  int bits = 0;
  if (held & Qt::LeftButton) bits |= 1;
  if (held & Qt::RightButton) bits |= 2;
  if (held & Qt::MiddleButton) bits |= 4;
  return static_cast<MouseButton>(bits);
}

// Shift 1, Ctrl 2, Alt 4.
std::int16_t ShiftOf(Qt::KeyboardModifiers m) {
  int bits = 0;
  if (m & Qt::ShiftModifier) bits |= 1;
  if (m & Qt::ControlModifier) bits |= 2;
  if (m & Qt::AltModifier) bits |= 4;
  return static_cast<std::int16_t>(bits);
}

// A name is counted in characters (code points), not in bytes.
bool NameAccepted(const QString& name) {
  const auto length = name.toUcs4().size();
  return length >= 1 && length <= 8;
}

}  // namespace

Form1::Form1(Dialogs& dialogs, Module1& module1, modDXMusic& music, SideWindows& sideWindows, QString programDir,
             std::function<void()> endProgram)
    : dialogs_(dialogs),
      module1_(module1),
      music_(music),
      side_(sideWindows),
      programDir_(std::move(programDir)),
      endProgram_(std::move(endProgram)) {
  if (!endProgram_) endProgram_ = [] { QCoreApplication::exit(0); };
  BuildControls();
  Form_Load();
}

Form1::~Form1() = default;

void Form1::BuildControls() {
  setObjectName("Form1");
  setWindowTitle(QStringLiteral("Wirangga 1.0"));
  // A fixed single border: minimize and close, no maximize.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  // Pixmaps read as PNG outright: letting QIcon guess the format would load
  // every image plugin there is, which costs more than the whole window.
  QIcon icon;
  icon.addPixmap(QPixmap(QStringLiteral(":/pictures/icon.png"), "PNG"));
  icon.addPixmap(QPixmap(QStringLiteral(":/pictures/icon@2x.png"), "PNG"));
  setWindowIcon(icon);

  menu_ = std::make_unique<MainMenu>(
      this, MenuHandlers{
                [this] { play1_Click(); },
                [this] { xit1_Click(); },
                [this] { history1_Click(); },
                [this] { about1_Click(); },
                [this](std::int16_t i) { suara_Click(i); },
                [this](std::int16_t i) { musik_Click(i); },
                [this](std::int16_t i) { modevs_Click(i); },
                [this](std::int16_t i) { song_Click(i); },
            });

  board_ = new BoardSurface(this);
  board_->setObjectName("board");
  board_->setFixedSize(kClientWidth, kClientHeight);
  board_->SetBoard(LoadPicture("board"));
  board_->onMouse = [this](QMouseEvent* e) { RoutePointer(e); };
  board_->onFirstPaint = [this] {
    if (firstFrame_) {
      firstFrame_();
    } else {
      StartMusic();
    }
  };

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menu_->Bar());
  layout->addWidget(board_);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (int k = 1; k <= 4; ++k) pic_[k] = LoadPicture(QString("stone%1").arg(k));

  // Stacking from the bottom: the stones, Dez's face, then the labels, so
  // namalbl(2) is drawn over the lower edge of the face.
  for (int i = 1; i <= kPits; ++i) {
    box_[i] = new PictureBox(board_);
    box_[i]->setObjectName(QString("Box%1").arg(i));
    box_[i]->setGeometry(QRect(kPitAt[i], QSize(kPitSize, kPitSize)));
    box_[i]->SetPicture(pic_[1]);
  }
  monsterpic_ = new PictureBox(board_);
  monsterpic_->setObjectName("monsterpic");
  monsterpic_->setGeometry(340, 16, 65, 90);
  monsterpic_->SetPicture(LoadPicture("dez"));

  const QFont nameFont = LabelFont({"MS Sans Serif", "Microsoft Sans Serif"}, 11);  // 8.25 pt
  namalbl_[1] = MakeLabel(board_, "namalbl1", "Player 1", QRect(32, 96, 47, 13), nameFont, Qt::black);
  namalbl_[2] = MakeLabel(board_, "namalbl2", "Dez", QRect(352, 96, 47, 13), nameFont, Qt::black);
  timelbl_ = MakeLabel(board_, "timelbl", "00:00:00", QRect(152, 248, 129, 18),
                       LabelFont({"@Arial Unicode MS", "Arial Unicode MS"}, 13), Qt::white);  // 9.75 pt
  commentlbl_ = MakeLabel(board_, "commentlbl", "WELCOME TO WIRANGGA", QRect(0, 384, 425, 17),
                          LabelFont({"MS Sans Serif", "Microsoft Sans Serif"}, 16), Qt::white);  // 12 pt

  for (int n = 1; n <= 4; ++n) {
    timer_[n] = new QTimer(this);
    timer_[n]->setObjectName(QString("Timer%1").arg(n));
    timer_[n]->setTimerType(Qt::PreciseTimer);
    timer_[n]->setInterval(kTimerInterval[n]);
  }
  connect(timer_[1], &QTimer::timeout, this, [this] { game_.Timer1_Timer(); });
  connect(timer_[2], &QTimer::timeout, this, [this] { game_.Timer2_Timer(); });
  connect(timer_[3], &QTimer::timeout, this, [this] { game_.Timer3_Timer(); });
  connect(timer_[4], &QTimer::timeout, this, [this] { game_.Timer4_Timer(); });

  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

QWidget* Form1::Board() const { return board_; }

PictureBox* Form1::Box(int i) const { return i >= 1 && i <= kPits ? box_[i] : nullptr; }

// --- pointer routing ---------------------------------------------------------

// Each pointer event goes to the control under the pointer, topmost first:
// the labels and Dez's face take it and do nothing with it, a pit passes it
// on with its index whether or not it shows a stone, and the bare board
// gets the movements. A release reaches the pit it happens over, wherever
// the button went down; over anything else it does nothing.
void Form1::RoutePointer(QMouseEvent* e) {
  const QPoint at = e->position().toPoint();
  for (QLabel* label : {commentlbl_, timelbl_, namalbl_[2], namalbl_[1]}) {
    if (label->isVisible() && label->geometry().contains(at)) return;
  }
  if (monsterpic_->isVisible() && monsterpic_->geometry().contains(at)) return;

  std::int16_t pit = 0;
  for (std::int16_t i = kPits; i >= 1; --i) {
    if (box_[i]->geometry().contains(at)) {
      pit = i;
      break;
    }
  }
  const std::int16_t shift = ShiftOf(e->modifiers());
  const QPoint inside = pit ? at - box_[pit]->pos() : at;
  const float x = static_cast<float>(inside.x() * kTwipsPerPixel);
  const float y = static_cast<float>(inside.y() * kTwipsPerPixel);

  switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (pit) game_.Box_MouseDown(pit, ButtonOf(e->button()), shift, x, y);
      break;
    case QEvent::MouseMove:
      if (pit) {
        game_.Box_MouseMove(pit, ButtonsHeld(e->buttons()), shift, x, y);
      } else {
        game_.Form_MouseMove(ButtonsHeld(e->buttons()), shift, x, y);
      }
      break;
    case QEvent::MouseButtonRelease:
      if (pit) game_.Box_MouseUp(pit, ButtonOf(e->button()), shift, x, y);
      break;
    default:
      break;
  }
}

// --- start-up and shutdown -----------------------------------------------------

void Form1::Form_Load() {
  GameState& s = game_.state();
  s.PlayerName[1] = "Lunara";
  s.PlayerName[2] = "Player 2";
  s.PlayerName[3] = "Dez";
  s.Gamesselesai = true;
  s.ChosenCount = 0;
  s.Music = true;
  s.Sound = true;

  music_.MusicDir = MusicFolder(programDir_).toStdString();
  for (int i = 1; i <= 4; ++i) music_.SongFile[i] = "Music" + std::to_string(i) + ".mid";

  // A tune counts only under its exact name. Sound effects are off for the
  // start when no tune is there at all; the first new game sets them again.
  for (std::int16_t i = 1; i <= 4; ++i) {
    const QString name = QString::fromStdString(music_.SongFile[i]);
    if (FindFile(QString::fromStdString(music_.MusicDir) + name) == name) {
      s.PilihMusik = i;
      s.Sound = true;
      s.Music = true;
      break;
    }
    s.Sound = false;
    s.Music = false;
  }

  // Bringing the music up may wait for the audio device and the SoundFont,
  // so it runs once the window's first frame is on the screen.
  musicStartPending_ = s.Music;
}

// Tune 1 is the one started, whichever file the search found first.
void Form1::StartMusic() {
  if (!musicStartPending_) return;
  musicStartPending_ = false;
  music_.Volume = 75;
  music_.MusicInit();
  music_.MusicLoad(1);
  game_.state().PilihMusik = 1;
  music_.MusicVolume(music_.Volume);
  music_.MusicPlay();
}

// A music command that comes before the start-up's music has run lets it
// run first, so the calls keep their order.
void Form1::FinishStartup() { StartMusic(); }

void Form1::closeEvent(QCloseEvent* event) {
  if (!ended_) {
    std::int16_t cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0) {
      event->ignore();
      return;
    }
  }
  event->accept();
}

// The victory window is left alone: it may keep the program running until
// it is clicked away.
void Form1::Form_Unload(std::int16_t&) {
  ended_ = true;
  musicStartPending_ = false;
  music_.MusicClose();
  side_.CloseForm2();
  side_.CloseAbout();
  for (int n = 1; n <= 4; ++n) timer_[n]->stop();
}

// --- menu commands -------------------------------------------------------------

void Form1::play1_Click() {
  if (game_.state().Gamesselesai) {
    game_.NewGame();
    return;
  }
  if (dialogs_.MsgBox("Are you sure to restart the game ??", "Warning, ugly people in front of me !",
                      MsgButtons::OKCancel, MsgIcon::None) == MsgAnswer::OK) {
    game_.NewGame();
  }
}

void Form1::modevs_Click(std::int16_t Index) {
  GameState& s = game_.state();
  if (Index == s.GameMode) return;
  if (dialogs_.MsgBox("Are you want to restart the game  ??", "Woaw, don't read with your bottom !",
                      MsgButtons::OKCancel, MsgIcon::None) != MsgAnswer::OK) {
    return;
  }
  const std::int16_t other = Index == 1 ? 2 : 1;
  s.GameMode = Index;
  menu_->SetChecked({MenuArray::modevs, Index}, true);
  menu_->SetChecked({MenuArray::modevs, other}, false);
  if (dialogs_.MsgBox("Are you want to change the player name ??", "What's up dog ??", MsgButtons::YesNo,
                      MsgIcon::None) == MsgAnswer::Yes) {
    AskNames();
  }
  game_.NewGame();
}

// Both names in Human vs Human, player 1's alone against Dez. The entry
// cannot be left without a name of one to eight characters; blanks count.
void Form1::AskNames() {
  GameState& s = game_.state();
  const int players = s.GameMode == 1 ? 2 : 1;
  for (int i = 1; i <= players; ++i) {
    for (;;) {
      const QString name = dialogs_.InputBox(QString("Insert Player %1 Name !!(max 8 char.)").arg(i),
                                             "Hurry up, Wirangga is waiting..");
      s.PlayerName[i] = name.toStdString();
      if (NameAccepted(name)) break;
      dialogs_.MsgBox("Max 8 character and don't fill with blank like your brain !!",
                      "Wow, there is stupid people in here..", MsgButtons::OK, MsgIcon::Error);
    }
  }
}

// Ends at once: no close handler runs and the music is not closed.
void Form1::xit1_Click() {
  if (dialogs_.MsgBox("Are you sure to exit from this world ??", "I know what you did in bathroom",
                      MsgButtons::YesNo, MsgIcon::None) != MsgAnswer::Yes) {
    return;
  }
  side_.CloseForm2();
  side_.CloseAbout();
  ended_ = true;
  musicStartPending_ = false;
  for (int n = 1; n <= 4; ++n) timer_[n]->stop();
  endProgram_();
}

void Form1::suara_Click(std::int16_t Index) {
  GameState& s = game_.state();
  if (Index == 1) {
    s.Sound = true;
    menu_->SetChecked({MenuArray::suara, 1}, true);
    menu_->SetChecked({MenuArray::suara, 2}, false);
  } else {
    s.Sound = false;
    menu_->SetChecked({MenuArray::suara, Index}, true);
    menu_->SetChecked({MenuArray::suara, 1}, false);
  }
}

void Form1::musik_Click(std::int16_t Index) {
  FinishStartup();
  GameState& s = game_.state();
  if (Index == 1) {
    s.Music = true;
    menu_->SetChecked({MenuArray::musik, 1}, true);
    menu_->SetChecked({MenuArray::musik, 2}, false);
    menu_->song1->menuAction()->setEnabled(true);
    if (s.PilihMusik >= 1 && s.PilihMusik <= 4) music_.MusicLoad(static_cast<std::uint8_t>(s.PilihMusik));
    music_.MusicInit();
    music_.MusicVolume(music_.Volume);
    music_.MusicPlay();
  } else {
    s.Music = false;
    menu_->SetChecked({MenuArray::musik, Index}, true);
    menu_->SetChecked({MenuArray::musik, 1}, false);
    menu_->song1->menuAction()->setEnabled(false);
    music_.MusicStop();
  }
}

void Form1::song_Click(std::int16_t Index) {
  FinishStartup();
  GameState& s = game_.state();
  if (Index == s.PilihMusik) return;
  if (s.PilihMusik >= 1 && s.PilihMusik <= 4) {
    menu_->SetChecked({MenuArray::song, s.PilihMusik}, false);
  } else {
    // No tune was chosen yet (none was found at start-up), yet the first
    // entry still carries its design-time mark: only one mark may remain.
    for (std::int16_t k = 1; k <= 4; ++k) {
      if (k != Index) menu_->SetChecked({MenuArray::song, k}, false);
    }
  }
  s.PilihMusik = Index;
  music_.MusicStop();
  music_.MusicLoad(static_cast<std::uint8_t>(s.PilihMusik));
  music_.MusicInit();
  music_.MusicVolume(music_.Volume);
  music_.MusicPlay();
  menu_->SetChecked({MenuArray::song, s.PilihMusik}, true);
}

void Form1::history1_Click() { side_.ShowForm2(); }

void Form1::about1_Click() { side_.ShowAbout(); }

// --- BoardView -------------------------------------------------------------------

void Form1::SetBoxPicture(std::int16_t i, std::int16_t k) {
  if (i < 1 || i > kPits) return;
  box_[i]->SetPicture(k >= 1 && k <= 4 ? pic_[k] : QPixmap());
}

void Form1::SetCommentCaption(const std::string& text) { commentlbl_->setText(QString::fromStdString(text)); }

std::string Form1::GetCommentCaption() { return commentlbl_->text().toStdString(); }

void Form1::SetNameCaption(std::int16_t k, const std::string& text) {
  if (k == 1 || k == 2) namalbl_[k]->setText(QString::fromStdString(text));
}

void Form1::SetNameColour(std::int16_t k, Colour colour) {
  if (k != 1 && k != 2) return;
  QPalette palette = namalbl_[k]->palette();
  palette.setColor(QPalette::WindowText, FromBgr(colour));
  namalbl_[k]->setPalette(palette);
}

void Form1::SetMonsterVisible(bool on) { monsterpic_->setVisible(on); }

// Enabling a running timer leaves its interval alone; a stopped one starts a
// full interval.
void Form1::SetTimerEnabled(std::int16_t n, bool on) {
  if (n < 1 || n > 4) return;
  if (!on) {
    timer_[n]->stop();
  } else if (!timer_[n]->isActive()) {
    timer_[n]->start();
  }
}

void Form1::ShowForm3() { side_.ShowForm3(); }

void Form1::PlaySfx(std::int16_t n) { module1_.PlaySfx(n); }

bool Form1::IsMenuChecked(MenuEntry entry) { return menu_->IsChecked(entry); }

void Form1::SetClockCaption(const std::string& text) { timelbl_->setText(QString::fromStdString(text)); }

std::int32_t Form1::GetMonsterTop() { return monsterTop_; }

void Form1::SetMonsterTop(std::int32_t twips) {
  monsterTop_ = twips;
  monsterpic_->move(monsterpic_->x(), (twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
