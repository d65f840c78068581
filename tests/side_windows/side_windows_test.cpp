// side_windows_test.cpp: the history window, the victory window and the about
// box on the offscreen platform, and how the program ends around them.
#include "side_windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <functional>

#include "fake_registry.h"
#include "side_doubles.h"

namespace {

void ProcessDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

enum class Which { Form2, Form3, About };

// One side window as the tests drive it.
struct WindowCase {
  const char* name;
  Which which;
  QString title;
  QSize size;
  const char* picture;
  QSize pictureSize;
  std::vector<std::int16_t> greeting;  // sounds of one opening with Sound on
  bool closesOnClick;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

const WindowCase kForm2{"Form2", Which::Form2, "Form2", {499, 347}, "history", {499, 348}, {6}, true};
const WindowCase kForm3{"Form3", Which::Form3, "Form3", {529, 263}, "victory", {529, 264}, {}, true};
const WindowCase kAbout{"frmAbout", Which::About, "About Wirangga", {352, 309}, "about", {352, 308}, {5}, false};

class SideWindowsTest : public ::testing::Test {
protected:
  SideWindowsTest()
      : side_(SideWindowHost{[this] { return sound_; }, [this](std::int16_t id) { sounds_.push_back(id); }},
              dialogs_, SysInfoServices{&registry_, &launcher_, [](const std::string&) { return false; }}) {}

  ~SideWindowsTest() override { ProcessDeferredDeletes(); }

  void Open(Which which) {
    switch (which) {
      case Which::Form2: side_.ShowForm2(); break;
      case Which::Form3: side_.ShowForm3(); break;
      case Which::About: side_.ShowAbout(); break;
    }
  }

  QWidget* Window(Which which) const {
    switch (which) {
      case Which::Form2: return side_.Form2Window();
      case Which::Form3: return side_.Form3Window();
      case Which::About: return side_.AboutWindow();
    }
    return nullptr;
  }

  static int VisibleWindowsTitled(const QString& title) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) count += w->isVisible() && w->windowTitle() == title;
    return count;
  }

  bool sound_ = true;
  std::vector<std::int16_t> sounds_;
  RecordingDialogs dialogs_;
  FakeRegistry registry_;
  FakeLauncher launcher_;
  SideWindows side_;
};

class EachSideWindow : public SideWindowsTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(EachSideWindow, IsABorderlessToolWindowOfItsSizeCentredOnTheScreen) {
  const WindowCase& c = GetParam();
  Open(c.which);
  QWidget* w = Window(c.which);
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_TRUE(w->isWindow());
  // A tool window has no taskbar button; frameless, it has no title bar.
  EXPECT_EQ(w->windowType(), Qt::Tool);
  EXPECT_TRUE(w->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(w->windowTitle(), c.title);
  EXPECT_EQ(w->size(), c.size);
  EXPECT_EQ(w->minimumSize(), c.size);
  EXPECT_EQ(w->maximumSize(), c.size);
  // Not modal: the main window stays usable and its timers run.
  EXPECT_EQ(w->windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::modalWindow(), nullptr);
  const QRect area = w->screen()->availableGeometry();
  EXPECT_LE(std::abs(w->geometry().center().x() - area.center().x()), 1);
  EXPECT_LE(std::abs(w->geometry().center().y() - area.center().y()), 1);
}

TEST_P(EachSideWindow, ShowsItsPictureFromTheTopLeftCorner) {
  const WindowCase& c = GetParam();
  Open(c.which);
  QWidget* w = Window(c.which);
  ASSERT_NE(w, nullptr);
  // The sharp twin of the picture on a high-density screen, the plain one
  // elsewhere; either way at the picture's own size in logical pixels.
  const qreal dpr = w->devicePixelRatioF();
  const QString file = QStringLiteral(":/pictures/%1%2.png").arg(c.picture, dpr > 1.0 ? "@2x" : "");
  QImage picture(file);
  ASSERT_FALSE(picture.isNull()) << file.toStdString();
  picture = picture.convertToFormat(QImage::Format_RGB32);
  const qreal pictureScale = dpr > 1.0 ? 2.0 : 1.0;
  EXPECT_EQ(picture.size(), c.pictureSize * pictureScale);

  QImage shown(w->size() * dpr, QImage::Format_RGB32);
  shown.setDevicePixelRatio(dpr);
  shown.fill(Qt::magenta);
  w->render(&shown, QPoint(), QRegion(), QWidget::DrawWindowBackground);  // without the buttons

  const int rows = std::min(shown.height(), picture.height());
  int differing = 0;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < shown.width(); ++x) differing += shown.pixel(x, y) != picture.pixel(x, y);
  }
  EXPECT_EQ(differing, 0) << "pixels that differ from " << file.toStdString();
  // Below a picture shorter than the window lies the window's own background.
  const QRgb background = w->palette().color(QPalette::Window).rgb();
  for (int y = rows; y < shown.height(); ++y) EXPECT_EQ(shown.pixel(0, y), background) << "row " << y;
}

TEST_P(EachSideWindow, GreetsOnceAndStaysOneWindowWhenOpenedAgain) {
  const WindowCase& c = GetParam();
  Open(c.which);
  QPointer<QWidget> first = Window(c.which);
  Open(c.which);
  Open(c.which);
  EXPECT_EQ(Window(c.which), first.data());
  EXPECT_EQ(VisibleWindowsTitled(c.title), 1);
  EXPECT_EQ(sounds_, c.greeting);
}

TEST_P(EachSideWindow, OpensSilentlyWithSoundOff) {
  sound_ = false;
  Open(GetParam().which);
  EXPECT_NE(Window(GetParam().which), nullptr);
  EXPECT_TRUE(sounds_.empty());
}

TEST_P(EachSideWindow, ClosesOnAClickAnywhereOnItIfItIsAPictureWindow) {
  const WindowCase& c = GetParam();
  for (const auto& [button, where] : {std::pair{Qt::LeftButton, QPoint(5, 5)},
                                      std::pair{Qt::RightButton, QPoint(c.size.width() - 2, c.size.height() - 2)},
                                      std::pair{Qt::LeftButton, QPoint(c.size.width() - 2, 100)}}) {
    sounds_.clear();
    Open(c.which);
    QPointer<QWidget> w = Window(c.which);
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, button, Qt::NoModifier, where);
    ProcessDeferredDeletes();
    if (c.closesOnClick) {
      EXPECT_EQ(Window(c.which), nullptr);
      EXPECT_TRUE(w.isNull()) << "the closed window is freed";
      // Opened again, it loads again, and greets again.
      Open(c.which);
      EXPECT_NE(Window(c.which), nullptr);
      EXPECT_EQ(sounds_.size(), 2 * c.greeting.size());
    } else {
      EXPECT_EQ(Window(c.which), w.data());
      EXPECT_TRUE(w->isVisible());
    }
    if (QWidget* open = Window(c.which)) open->close();
    ProcessDeferredDeletes();
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, EachSideWindow, ::testing::Values(kForm2, kForm3, kAbout),
                         [](const ::testing::TestParamInfo<WindowCase>& info) { return info.param.name; });

TEST_F(SideWindowsTest, DezWinningTwiceLeavesOneVictoryWindow) {
  side_.ShowForm3();
  QPointer<QWidget> first = side_.Form3Window();
  side_.ShowForm3();
  EXPECT_EQ(side_.Form3Window(), first.data());
  EXPECT_EQ(VisibleWindowsTitled("Form3"), 1);
  EXPECT_TRUE(sounds_.empty()) << "the victory window makes no sound of its own";
}

TEST_F(SideWindowsTest, ClosingTheHistoryAndAboutWindowsLeavesTheVictoryWindow) {
  side_.ShowForm2();
  side_.ShowForm3();
  side_.ShowAbout();
  side_.CloseForm2();
  side_.CloseAbout();
  ProcessDeferredDeletes();
  EXPECT_EQ(side_.Form2Window(), nullptr);
  EXPECT_EQ(side_.AboutWindow(), nullptr);
  ASSERT_NE(side_.Form3Window(), nullptr);
  EXPECT_TRUE(side_.Form3Window()->isVisible());
  // Closing what is closed does nothing.
  side_.CloseForm2();
  side_.CloseAbout();
  EXPECT_EQ(VisibleWindowsTitled("Form3"), 1);
}

// --- the about box's buttons and keys ---------------------------------------

class AboutBoxTest : public SideWindowsTest {
protected:
  void SetUp() override {
    registry_.Set("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", Text("/usr/bin/sysinfo"));
    side_.ShowAbout();
    about_ = side_.AboutWindow();
    ASSERT_NE(about_, nullptr);
    about_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about_));
    cmdOK_ = about_->findChild<QPushButton*>("cmdOK");
    cmdSysInfo_ = about_->findChild<QPushButton*>("cmdSysInfo");
    ASSERT_NE(cmdOK_, nullptr);
    ASSERT_NE(cmdSysInfo_, nullptr);
  }

  QPointer<QWidget> about_;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdSysInfo_ = nullptr;
};

TEST_F(AboutBoxTest, HasItsTwoButtonsInTabOrderWithTheFocusOnOK) {
  EXPECT_EQ(cmdOK_->text(), "OK");
  EXPECT_EQ(cmdOK_->geometry(), QRect(3, 248, 84, 23));
  EXPECT_EQ(cmdSysInfo_->text(), "&System Info...");
  EXPECT_EQ(cmdSysInfo_->geometry(), QRect(4, 277, 83, 23));
  EXPECT_EQ(about_->focusWidget(), cmdOK_);
  QTest::keyClick(about_->focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(about_->focusWidget(), cmdSysInfo_);
  QTest::keyClick(about_->focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(about_->focusWidget(), cmdOK_);
}

struct KeyCase {
  const char* what;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  bool focusOnSysInfo;
  bool closes;         // cmdOK pressed
  bool startsSysInfo;  // cmdSysInfo pressed
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.what; }

class AboutBoxKeys : public AboutBoxTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(AboutBoxKeys, PressTheirButton) {
  const KeyCase& c = GetParam();
  if (c.focusOnSysInfo) cmdSysInfo_->setFocus();
  QPointer<QPushButton> ok = cmdOK_, sysInfo = cmdSysInfo_;
  QTest::keyClick(about_->focusWidget(), c.key, c.modifiers);
  // A button pressed by its shortcut shows itself pressed for a moment
  // before it clicks; the wait is bounded against a hang only.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !(ok && ok->isDown()) && !(sysInfo && sysInfo->isDown()); }, 10000));
  ProcessDeferredDeletes();
  EXPECT_EQ(about_.isNull(), c.closes);
  EXPECT_EQ(side_.AboutWindow() == nullptr, c.closes);
  EXPECT_EQ(launcher_.started, c.startsSysInfo ? std::vector<std::string>{"/usr/bin/sysinfo"} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AboutBoxKeys,
    ::testing::Values(KeyCase{"EscOnOK", Qt::Key_Escape, Qt::NoModifier, false, true, false},
                      KeyCase{"EscOnSysInfo", Qt::Key_Escape, Qt::NoModifier, true, true, false},
                      KeyCase{"EnterOnOK", Qt::Key_Return, Qt::NoModifier, false, true, false},
                      KeyCase{"KeypadEnterOnOK", Qt::Key_Enter, Qt::KeypadModifier, false, true, false},
                      KeyCase{"EnterOnSysInfo", Qt::Key_Return, Qt::NoModifier, true, false, true},
                      KeyCase{"KeypadEnterOnSysInfo", Qt::Key_Enter, Qt::KeypadModifier, true, false, true},
                      KeyCase{"AltSOnOK", Qt::Key_S, Qt::AltModifier, false, false, true},
                      KeyCase{"AltSOnSysInfo", Qt::Key_S, Qt::AltModifier, true, false, true},
                      KeyCase{"SpaceOnOK", Qt::Key_Space, Qt::NoModifier, false, true, false},
                      KeyCase{"PlainSDoesNothing", Qt::Key_S, Qt::NoModifier, false, false, false},
                      KeyCase{"AltOtherLetterDoesNothing", Qt::Key_O, Qt::AltModifier, false, false, false}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.what); });

TEST_F(AboutBoxTest, ClickingOKClosesIt) {
  QTest::mouseClick(cmdOK_, Qt::LeftButton);
  ProcessDeferredDeletes();
  EXPECT_TRUE(about_.isNull());
  EXPECT_TRUE(launcher_.started.empty());
}

TEST_F(AboutBoxTest, SystemInfoWithNothingToStartShowsTheMessageAndStaysOpen) {
  registry_.keys.clear();
  QTest::mouseClick(cmdSysInfo_, Qt::LeftButton);
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].text, "System Information Is Unavailable At This Time");
  EXPECT_EQ(dialogs_.boxes[0].title, "Wirangga");
  EXPECT_EQ(dialogs_.boxes[0].buttons, MsgButtons::OK);
  EXPECT_EQ(dialogs_.boxes[0].icon, MsgIcon::None);
  ProcessDeferredDeletes();
  EXPECT_FALSE(about_.isNull());
}

// --- how the program ends ---------------------------------------------------

// Stands in for the main window: its close does what Form_Unload does to the
// side windows.
class StandInMain : public QWidget {
public:
  std::function<void()> onUnload;

protected:
  void closeEvent(QCloseEvent* event) override {
    if (onUnload) onUnload();
    QWidget::closeEvent(event);
  }
};

struct EndCase {
  const char* what;
  bool form2, form3, about;
  bool mainFreesSideWindows;  // the main window's object goes with its close
};

void PrintTo(const EndCase& c, std::ostream* os) { *os << c.what; }

class ProgramEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(ProgramEnd, ComesWithTheMainWindowUnlessTheVictoryWindowIsOpenThenWithItsClick) {
  const EndCase& c = GetParam();
  RecordingDialogs dialogs;
  FakeRegistry registry;
  FakeLauncher launcher;
  auto side = std::make_unique<SideWindows>(SideWindowHost{[] { return true; }, [](std::int16_t) {}}, dialogs,
                                            SysInfoServices{&registry, &launcher, {}});
  StandInMain main;
  main.resize(640, 480);
  main.onUnload = [&] {
    side->CloseForm2();
    side->CloseAbout();
    if (c.mainFreesSideWindows) side.reset();
  };
  main.show();
  if (c.form2) side->ShowForm2();
  if (c.form3) side->ShowForm3();
  if (c.about) side->ShowAbout();
  QPointer<QWidget> form2 = side->Form2Window(), form3 = side->Form3Window(), about = side->AboutWindow();

  bool lastWindowClosed = false;
  QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [&] { lastWindowClosed = true; });
  bool endedWithMain = false, stillShownAfterMain = false, clickedAway = false, timedOut = false;

  QTimer::singleShot(0, [&] {
    main.close();
    // The next step runs on the next turn of the event loop, if there is one.
    QTimer::singleShot(0, [&] {
      endedWithMain = lastWindowClosed;
      stillShownAfterMain = !form3.isNull() && form3->isVisible();
      EXPECT_TRUE(form2.isNull() || !form2->isVisible()) << "the history window closes with the main window";
      EXPECT_TRUE(about.isNull() || !about->isVisible()) << "the about box closes with the main window";
      if (stillShownAfterMain && !lastWindowClosed) {
        QTest::mouseClick(form3, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        clickedAway = true;
      }
    });
  });
  // A bound against a hang only; every step above runs at once.
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    timedOut = true;
    QCoreApplication::exit(3);
  });
  watchdog.start(20000);

  const int exitCode = QApplication::exec();
  EXPECT_FALSE(timedOut) << "the program did not end";
  EXPECT_EQ(exitCode, 0);
  EXPECT_TRUE(lastWindowClosed);
  if (c.form3) {
    EXPECT_FALSE(endedWithMain) << "the victory window keeps the program running";
    EXPECT_TRUE(stillShownAfterMain);
    EXPECT_TRUE(clickedAway);
  } else {
    EXPECT_TRUE(endedWithMain);
  }
  // Nothing is left behind once the program has ended.
  side.reset();
  ProcessDeferredDeletes();
  EXPECT_TRUE(form2.isNull());
  EXPECT_TRUE(form3.isNull());
  EXPECT_TRUE(about.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramEnd,
    ::testing::Values(EndCase{"MainWindowAlone", false, false, false, false},
                      EndCase{"WithHistoryOpen", true, false, false, false},
                      EndCase{"WithAboutOpen", false, false, true, false},
                      EndCase{"WithHistoryAndAboutOpen", true, false, true, false},
                      EndCase{"WithVictoryOpen", false, true, false, false},
                      EndCase{"WithAllThreeOpen", true, true, true, false},
                      EndCase{"WithVictoryOpenAndTheMainWindowFreed", false, true, false, true},
                      EndCase{"WithAllThreeOpenAndTheMainWindowFreed", true, true, true, true}),
    [](const ::testing::TestParamInfo<EndCase>& info) { return std::string(info.param.what); });

TEST(ProgramEnd, TakesAnOrphanedVictoryWindowWithItWhenItQuits) {
  // The exit command ends the program at once; a victory window whose owner
  // has gone must not be left over.
  RecordingDialogs dialogs;
  auto side = std::make_unique<SideWindows>(SideWindowHost{}, dialogs, SysInfoServices{});
  QPointer<QWidget> form3;
  QTimer::singleShot(0, [&] {
    side->ShowForm3();
    form3 = side->Form3Window();
    side.reset();
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
  });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(form3.isNull());
}

}  // namespace

int main(int argc, char** argv) {
  // Test discovery runs the program without the tests' environment.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Wirangga"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
