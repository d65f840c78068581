// form1_harness.h: a main window with scripted dialogs, recorded sounds and a recording MIDI engine.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "board_widgets.h"
#include "dialogs.h"
#include "form1.h"
#include "main_menu.h"
#include "mod_dx_music.h"
#include "module1.h"
#include "recording_midi_engine.h"
#include "side_windows.h"

// Keeps the id of every clip handed to it, told apart by the size of its
// wave image (each of the six clips has a size of its own).
class RecordingSfx : public SfxPlayer {
public:
  void Play(const std::uint8_t*, std::size_t size) override {
    static const std::map<std::size_t, int> kIdOfSize = {{21192, 1}, {99372, 2}, {62364, 3},
                                                         {1172, 4},  {30140, 5}, {108588, 6}};
    const auto it = kIdOfSize.find(size);
    played.push_back(it == kIdOfSize.end() ? -static_cast<int>(size) : it->second);
  }
  std::vector<int> played;
};

// One expected box and the answer to give. While the box is "open", during
// may run what the timers would do meanwhile.
struct ScriptedBox {
  QString text;
  QString title;
  MsgButtons buttons = MsgButtons::OK;
  MsgIcon icon = MsgIcon::None;
  MsgAnswer answer = MsgAnswer::OK;
  std::function<void()> during;
};
struct ScriptedInput {
  QString prompt;
  QString title;
  QString answer;
};

class ScriptedDialogs : public Dialogs {
public:
  MsgAnswer MsgBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override {
    log.push_back("MsgBox " + text);
    if (boxes.empty()) {
      ADD_FAILURE() << "unexpected box: " << text.toStdString();
      return MsgAnswer::Cancel;
    }
    ScriptedBox box = std::move(boxes.front());
    boxes.pop_front();
    EXPECT_EQ(text.toStdString(), box.text.toStdString());
    EXPECT_EQ(title.toStdString(), box.title.toStdString());
    EXPECT_EQ(buttons, box.buttons) << text.toStdString();
    EXPECT_EQ(icon, box.icon) << text.toStdString();
    if (box.during) box.during();
    return box.answer;
  }
  QString InputBox(const QString& prompt, const QString& title) override {
    log.push_back("InputBox " + prompt);
    if (inputs.empty()) {
      ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
      return "x";
    }
    ScriptedInput input = std::move(inputs.front());
    inputs.pop_front();
    EXPECT_EQ(prompt.toStdString(), input.prompt.toStdString());
    EXPECT_EQ(title.toStdString(), input.title.toStdString());
    return input.answer;
  }
  bool Done() const { return boxes.empty() && inputs.empty(); }

  std::deque<ScriptedBox> boxes;
  std::deque<ScriptedInput> inputs;
  std::vector<QString> log;
};

// The boxes of the menu commands, with the buttons they carry.
inline ScriptedBox RestartQuestion(MsgAnswer a) {
  return {"Are you sure to restart the game ??", "Warning, ugly people in front of me !", MsgButtons::OKCancel,
          MsgIcon::None, a, {}};
}
inline ScriptedBox ModeQuestion(MsgAnswer a) {
  return {"Are you want to restart the game  ??", "Woaw, don't read with your bottom !", MsgButtons::OKCancel,
          MsgIcon::None, a, {}};
}
inline ScriptedBox NamesQuestion(MsgAnswer a) {
  return {"Are you want to change the player name ??", "What's up dog ??", MsgButtons::YesNo, MsgIcon::None, a, {}};
}
inline ScriptedBox BadName() {
  return {"Max 8 character and don't fill with blank like your brain !!", "Wow, there is stupid people in here..",
          MsgButtons::OK, MsgIcon::Error, MsgAnswer::OK, {}};
}
inline ScriptedBox ExitQuestion(MsgAnswer a) {
  return {"Are you sure to exit from this world ??", "I know what you did in bathroom", MsgButtons::YesNo,
          MsgIcon::None, a, {}};
}
inline ScriptedInput NameEntry(int player, const QString& answer) {
  return {QString("Insert Player %1 Name !!(max 8 char.)").arg(player), "Hurry up, Wirangga is waiting..", answer};
}

// A program folder of its own with the given files in its "Music" folder.
class ProgramFolder {
public:
  explicit ProgramFolder(const std::vector<QString>& tunes = {}) {
    QDir(dir_.path()).mkdir("Music");
    for (const QString& name : tunes) {
      QFile f(dir_.path() + "/Music/" + name);
      EXPECT_TRUE(f.open(QIODevice::WriteOnly));
      f.write("MThd");
    }
  }
  QString Path() const { return dir_.path(); }

private:
  QTemporaryDir dir_;
};

inline const std::vector<QString> kNoTunes;

// Everything a main window needs, with doubles where the outside world was.
struct Form1Harness {
  explicit Form1Harness(const std::vector<QString>& tunes = {"Music1.mid", "Music2.mid", "Music3.mid", "Music4.mid"})
      : folder(tunes),
        module1(sfx),
        music(midi),
        side(SideWindowHost{[this] { return form && form->Sound(); }, [this](std::int16_t n) { module1.PlaySfx(n); }},
             dialogs),
        form(std::make_unique<Form1>(dialogs, module1, music, side, folder.Path(), [this] { ++programEnded; })) {}

  ~Form1Harness() {
    form.reset();
    EXPECT_TRUE(dialogs.Done()) << "boxes left unasked";
  }

  // Shows the window and lets the start-up's deferred music run.
  void Show() {
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_TRUE(RunUntil([this] { return !form->MusicStartPending(); }));
  }

  // Handles events until the condition holds; false after 10 s without it.
  static bool RunUntil(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(10000);
    while (!condition()) {
      if (deadline.hasExpired()) return false;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
  }

  // The picture number a pit shows: 0 none, 1..4 the stone pictures.
  int PictureOf(int pit) const {
    const QPixmap& shown = form->Box(pit)->Picture();
    if (shown.isNull()) return 0;
    for (int k = 1; k <= 4; ++k) {
      if (shown.cacheKey() == form->Pic(k).cacheKey()) return k;
    }
    return -1;
  }
  std::vector<int> Pictures() const {
    std::vector<int> all;
    for (int i = 1; i <= 13; ++i) all.push_back(PictureOf(i));
    return all;
  }

  // Pointer events sent to the window at a point of the board, so that Qt
  // decides which control is under the pointer.
  QPoint OnWindow(QPoint onBoard) const { return form->Board()->mapTo(form.get(), onBoard); }
  QPoint PitCentre(int pit) const { return form->Box(pit)->geometry().center(); }
  void Click(Qt::MouseButton button, QPoint onBoard) {
    QTest::mouseClick(form->windowHandle(), button, {}, OnWindow(onBoard));
  }
  void ClickPit(Qt::MouseButton button, int pit) { Click(button, PitCentre(pit)); }
  void MoveTo(QPoint onBoard) { QTest::mouseMove(form->windowHandle(), OnWindow(onBoard)); }
  void Press(Qt::MouseButton button, QPoint onBoard) {
    QTest::mousePress(form->windowHandle(), button, {}, OnWindow(onBoard));
  }
  void Release(Qt::MouseButton button, QPoint onBoard) {
    QTest::mouseRelease(form->windowHandle(), button, {}, OnWindow(onBoard));
  }

  QAction* Entry(MenuArray array, int index) const {
    return form->Menu().Entry({array, static_cast<std::int16_t>(index)});
  }
  bool Checked(MenuArray array, int index) const { return Entry(array, index)->isChecked(); }

  // Runs a timer's ticks by hand, as the timer would, while it is running.
  void Tick(int n, int times = 1) {
    for (int t = 0; t < times; ++t) {
      ASSERT_TRUE(form->Timer(n)->isActive()) << "Timer" << n << " tick " << t;
      QMetaObject::invokeMethod(form->Timer(n), "timeout", Qt::DirectConnection);
    }
  }

  ProgramFolder folder;
  RecordingSfx sfx;
  RecordingMidiEngine midi;
  Module1 module1;
  modDXMusic music;
  ScriptedDialogs dialogs;
  SideWindows side;
  int programEnded = 0;
  std::unique_ptr<Form1> form;
};
