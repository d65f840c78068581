// board_pictures_test.cpp: the board, stones, Dez's face and the icon are embedded at their sizes and keep the board's labels readable.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <QString>

#include <cmath>
#include <ostream>
#include <string>

namespace {

struct Picture {
  const char* name;
  int width;
  int height;
};

void PrintTo(const Picture& p, std::ostream* os) { *os << p.name; }

const Picture kBoard{"board", 430, 407};
const Picture kDez{"dez", 65, 90};
const Picture kIcon{"icon", 32, 32};
const Picture kPictures[] = {kBoard,           {"stone1", 44, 44}, {"stone2", 44, 44},
                             {"stone3", 44, 44}, {"stone4", 44, 44}, kDez, kIcon};
// The pictures drawn with a transparent surround: the stones and the face.
const Picture kCutOut[] = {{"stone1", 44, 44}, {"stone2", 44, 44}, {"stone3", 44, 44},
                           {"stone4", 44, 44}, kDez};

QImage Load(const Picture& p, int scale) {
  return QImage(QString(":/pictures/%1%2.png").arg(p.name, scale == 2 ? "@2x" : ""));
}

// Relative luminance of a colour, 0 for black to 1 for white.
double Luminance(QRgb c) {
  auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double Contrast(double a, double b) {
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double MeanLuminance(const QImage& image, const QRect& area) {
  double sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) sum += Luminance(image.pixel(x, y));
  return sum / (area.width() * area.height());
}

// The board as the window shows it before the first game: Dez's face drawn
// over it at (340, 16), `drop` pixels lower while he dances.
QImage BoardWithDez(int scale, int drop = 0) {
  QImage board = Load(kBoard, scale).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage dez = Load(kDez, scale);
  QPainter p(&board);
  p.drawImage(QPoint(340, 16 + drop) * scale, dez);
  p.end();
  return board;
}

QRect Scaled(const QRect& r, int scale) { return QRect(r.topLeft() * scale, r.size() * scale); }

// How far apart neighbouring pixels are, on average: an enlarged picture has
// soft edges spread over two pixels.
double Crispness(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 1; x < image.width(); ++x)
      sum += std::abs(qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y)));
  return sum / (double(image.width() - 1) * image.height());
}

class BoardPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(BoardPicture, IsEmbeddedAtItsSizeAndAtTwiceItsSize) {
  const Picture& p = GetParam();
  const QImage one = Load(p, 1);
  const QImage two = Load(p, 2);
  ASSERT_FALSE(one.isNull());
  ASSERT_FALSE(two.isNull());
  EXPECT_EQ(one.size(), QSize(p.width, p.height));
  EXPECT_EQ(two.size(), QSize(2 * p.width, 2 * p.height));
}

TEST_P(BoardPicture, TwinAveragedBackDownMatchesTheSmallPicture) {
  const QImage one = Load(GetParam(), 1).convertToFormat(QImage::Format_ARGB32);
  const QImage two = Load(GetParam(), 2).convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(two.size(), one.size() * 2);
  // Compared over a grey ground, so transparent and opaque parts both count.
  auto over = [](QRgb c) { return (qGray(c) * qAlpha(c) + 128 * (255 - qAlpha(c))) / 255.0; };
  double difference = 0;
  for (int y = 0; y < one.height(); ++y)
    for (int x = 0; x < one.width(); ++x) {
      double grey = 0;
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) grey += over(two.pixel(2 * x + dx, 2 * y + dy));
      difference += std::abs(grey / 4 - over(one.pixel(x, y)));
    }
  EXPECT_LT(difference / (one.width() * one.height()), 10.0);
}

INSTANTIATE_TEST_SUITE_P(All, BoardPicture, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

class CutOutPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(CutOutPicture, IsTransparentAtItsCornersAndOpaqueInItsMiddle) {
  const Picture& p = GetParam();
  for (int scale : {1, 2}) {
    const QImage image = Load(p, scale);
    ASSERT_TRUE(image.hasAlphaChannel()) << "at " << scale << "x";
    const int w = image.width(), h = image.height();
    for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
      EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << p.name << " at " << scale << "x, " << corner.x()
                                                << "," << corner.y();
    // The middle of a stone, and the middle of the face (between the eyes).
    const QPoint middle = p.height == 44 ? QPoint(22, 22) : QPoint(32, 40);
    EXPECT_EQ(qAlpha(image.pixel(middle * scale)), 255) << p.name << " at " << scale << "x";
  }
}

INSTANTIATE_TEST_SUITE_P(All, CutOutPicture, ::testing::ValuesIn(kCutOut),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IconPicture, HasAtMostSixteenColoursAtBothSizes) {
  for (int scale : {1, 2}) {
    const QImage icon = Load(kIcon, scale);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.format(), QImage::Format_Indexed8) << "at " << scale << "x";
    EXPECT_LE(icon.colorCount(), 16) << "at " << scale << "x";
    QSet<QRgb> used;
    for (int y = 0; y < icon.height(); ++y)
      for (int x = 0; x < icon.width(); ++x) used.insert(icon.pixel(x, y));
    EXPECT_LE(used.size(), 16) << "at " << scale << "x";
    EXPECT_GE(used.size(), 8) << "a face needs more than a few flat colours, at " << scale << "x";
  }
}

TEST(BoardPicture, IsDrawnAtTwiceTheSizeRatherThanEnlarged) {
  const QImage one = Load(kBoard, 1);
  const QImage two = Load(kBoard, 2);
  const QImage enlarged = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_GT(Crispness(two), 1.25 * Crispness(enlarged));
}

// The name labels print black or blue bold text over the board; the clock and
// the comment line print white text.
TEST(BoardPicture, KeepsEveryLabelReadableOverIt) {
  const double black = 0.0, white = 1.0, blue = Luminance(qRgb(0, 0, 255));
  const QRect names[] = {QRect(32, 96, 47, 13), QRect(352, 96, 47, 13)};
  const QRect clock(152, 248, 129, 18);
  const QRect comment(0, 384, 425, 17);
  for (int scale : {1, 2}) {
    for (int drop : {0, 3}) {
      const QImage board = BoardWithDez(scale, drop);
      for (const QRect& name : names) {
        const double ground = MeanLuminance(board, Scaled(name, scale));
        EXPECT_GE(Contrast(ground, black), 7.0) << "name at " << name.x() << ", " << scale << "x";
        EXPECT_GE(Contrast(ground, blue), 4.5) << "name at " << name.x() << ", " << scale << "x";
      }
    }
    const QImage board = Load(kBoard, scale);
    EXPECT_GE(Contrast(MeanLuminance(board, Scaled(clock, scale)), white), 7.0) << scale << "x";
    EXPECT_GE(Contrast(MeanLuminance(board, Scaled(comment, scale)), white), 7.0) << scale << "x";
  }
}

// Each hollow is drawn centred in its pit's 44 x 44 square: dark inside, with
// its lit lip (upper left) just outside the stone's edge.
TEST(BoardPicture, HasAHollowUnderEveryPit) {
  const QPoint pits[13] = {{210, 86},  {255, 107}, {288, 144}, {296, 192}, {283, 241},
                           {248, 277}, {198, 295}, {148, 287}, {107, 254}, {88, 208},
                           {91, 159},  {117, 115}, {161, 90}};
  for (int scale : {1, 2}) {
    const QImage board = Load(kBoard, scale);
    for (int i = 0; i < 13; ++i) {
      const QPointF centre = (QPointF(pits[i]) + QPointF(22, 22)) * scale;
      const QRect middle(((centre - QPointF(6, 6) * scale)).toPoint(), QSize(12, 12) * scale);
      EXPECT_LT(MeanLuminance(board, middle), 0.08) << "pit " << i + 1 << " at " << scale << "x";
      double lip = 0;
      int samples = 0;
      for (double a = 200; a <= 250; a += 5) {
        const double r = 22.7 * scale, rad = a * M_PI / 180;
        lip += Luminance(board.pixel((centre + QPointF(std::cos(rad), std::sin(rad)) * r).toPoint()));
        ++samples;
      }
      EXPECT_GT(lip / samples, 0.2) << "pit " << i + 1 << " at " << scale << "x";
    }
  }
}

// Dez's lowest rows lie under the second name label; they stay empty, so the
// light plate of the board shows behind the name.
TEST(DezPicture, LeavesTheRowsUnderTheNameLabelEmpty) {
  for (int scale : {1, 2}) {
    const QImage dez = Load(kDez, scale);
    int covered = 0;
    for (int y = 84 * scale; y < dez.height(); ++y)
      for (int x = 0; x < dez.width(); ++x) covered += qAlpha(dez.pixel(x, y)) > 0;
    EXPECT_EQ(covered, 0) << "at " << scale << "x";
  }
}

}  // namespace
