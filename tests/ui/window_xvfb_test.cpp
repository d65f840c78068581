// window_xvfb_test.cpp: the built program in a real X window: its title, size, menu bar and the stones it shows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include "xvfb_server.h"

namespace {

constexpr int kClientWidth = 429;
constexpr int kClientHeight = 403;
const QPoint kPits[13] = {{210, 86},  {255, 107}, {288, 144}, {296, 192}, {283, 241}, {248, 277}, {198, 295},
                          {148, 287}, {107, 254}, {88, 208},  {91, 159},  {117, 115}, {161, 90}};

// Runs a tool against the server; its standard output, "" on failure.
QString RunTool(const XvfbServer& x, const QString& tool, const QStringList& args) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", x.Display());
  p.setProcessEnvironment(env);
  p.start(tool, args);
  if (!p.waitForFinished(20000) || p.exitCode() != 0) return "";
  return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QImage Screenshot(const XvfbServer& x, const QString& window) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", x.Display());
  p.setProcessEnvironment(env);
  p.start("import", {"-window", window, "png:-"});
  if (!p.waitForFinished(20000)) return {};
  return QImage::fromData(p.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

// Mean difference per channel of two images of the same size, 0..255.
double MeanDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.isNull()) return 255;
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

class ProgramWindow : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(x.Ready()) << "Xvfb did not start";
    program.setProcessEnvironment(x.ProgramEnvironment());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(WIRANGGA_PROGRAM, {});
    ASSERT_TRUE(program.waitForStarted(10000));
    QDeadlineTimer deadline(60000);
    while (window.isEmpty() && !deadline.hasExpired()) {
      window = RunTool(x, "xdotool", {"search", "--onlyvisible", "--name", "^Wirangga 1\\.0$"}).section('\n', 0, 0);
      if (window.isEmpty()) QThread::msleep(100);
    }
    ASSERT_FALSE(window.isEmpty()) << "no window titled Wirangga 1.0 appeared";
  }
  void TearDown() override {
    program.kill();
    program.waitForFinished(5000);
  }

  XvfbServer x;
  QProcess program;
  QString window;
};

TEST_F(ProgramWindow, ShowsItsTitleAFixedClientAreaBelowAMenuBarAndThirteenStonesBeforeTheFirstGame) {
  EXPECT_EQ(RunTool(x, "xdotool", {"getwindowname", window}).trimmed(), "Wirangga 1.0");

  const QString info = RunTool(x, "xwininfo", {"-id", window});
  const int width = QRegularExpression("Width: (\\d+)").match(info).captured(1).toInt();
  const int height = QRegularExpression("Height: (\\d+)").match(info).captured(1).toInt();
  EXPECT_EQ(width, kClientWidth);
  const int menuHeight = height - kClientHeight;
  EXPECT_GE(menuHeight, 12) << "no room for a menu bar above the board";
  EXPECT_LE(menuHeight, 60);

  // The window manager is told it cannot be resized.
  const QString hints = RunTool(x, "xprop", {"-id", window, "WM_NORMAL_HINTS"});
  EXPECT_TRUE(hints.contains(QString("minimum size: %1 by %2").arg(width).arg(height))) << hints.toStdString();
  EXPECT_TRUE(hints.contains(QString("maximum size: %1 by %2").arg(width).arg(height))) << hints.toStdString();

  const QImage board = QImage(":/pictures/board.png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage stone = QImage(":/pictures/stone1.png");
  ASSERT_FALSE(board.isNull());
  ASSERT_FALSE(stone.isNull());
  auto expectedPit = [&](int i) {
    QImage area = board.copy(QRect(kPits[i], QSize(44, 44)));
    QPainter painter(&area);
    painter.drawImage(0, 0, stone);
    painter.end();
    return area.convertToFormat(QImage::Format_RGB32);
  };

  // The first frame may still be on its way: look again until it is there.
  QImage shot;
  auto client = [&] { return shot.copy(0, menuHeight, kClientWidth, kClientHeight); };
  QDeadlineTimer deadline(30000);
  do {
    shot = Screenshot(x, window);
    if (!shot.isNull() && MeanDifference(client().copy(QRect(kPits[0], QSize(44, 44))), expectedPit(0)) < 4) break;
    QThread::msleep(200);
  } while (!deadline.hasExpired());
  ASSERT_EQ(shot.size(), QSize(width, height));
  shot.save(QString("%1/wirangga_window.png").arg(QCoreApplication::applicationDirPath()));

  const QImage shown = client();
  for (int i = 0; i < 13; ++i) {
    const QImage at = shown.copy(QRect(kPits[i], QSize(44, 44)));
    EXPECT_LT(MeanDifference(at, expectedPit(i)), 4) << "pit " << i + 1 << " does not show the plain stone";
    EXPECT_GT(MeanDifference(at, board.copy(QRect(kPits[i], QSize(44, 44))).convertToFormat(QImage::Format_RGB32)),
              8)
        << "pit " << i + 1 << " shows the bare board";
  }
  // Between the pits the board picture lies at the client area's corner,
  // cut at the edges: the left strip, the top strip and the bottom-right
  // corner show the picture pixel for pixel.
  const QImage cut = board.copy(0, 0, kClientWidth, kClientHeight).convertToFormat(QImage::Format_RGB32);
  for (const QRect& r : {QRect(0, 0, 20, 300), QRect(0, 0, 429, 10), QRect(409, 360, 20, 20)}) {
    EXPECT_LT(MeanDifference(shown.copy(r), cut.copy(r)), 4) << r.x() << "," << r.y();
  }
  // The menu bar above is not the board: one plain colour covers most of it.
  const QImage bar = shot.copy(0, 0, width, menuHeight);
  std::map<QRgb, int> counts;
  for (int y = 0; y < bar.height(); ++y) {
    for (int x2 = 0; x2 < bar.width(); ++x2) ++counts[bar.pixel(x2, y)];
  }
  int most = 0;
  for (const auto& [colour, n] : counts) most = std::max(most, n);
  EXPECT_GT(most, bar.width() * bar.height() * 6 / 10);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
