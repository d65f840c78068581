// side_pictures_test.cpp: the history, victory and about pictures are embedded at their sizes, drawn at 1x and 2x.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSet>
#include <QString>

#include <cmath>
#include <cstdlib>
#include <ostream>

namespace {

struct Picture {
  const char* name;
  int width;
  int height;
};

void PrintTo(const Picture& p, std::ostream* os) { *os << p.name; }

const Picture kPictures[] = {
    {"history", 499, 348},
    {"victory", 529, 264},
    {"about", 352, 308},
};

QImage Load(const Picture& p, int scale) {
  const QString path = QString(":/pictures/%1%2.png").arg(p.name, scale == 2 ? "@2x" : "");
  return QImage(path).convertToFormat(QImage::Format_RGB32);
}

int DistinctColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  return int(colours.size());
}

// The mean square of the step between neighbouring pixels: a picture
// enlarged smoothly spreads each edge over two pixels and so has far less of
// it than one drawn at its size with edges as crisp as the small picture's.
double EdgeEnergy(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 1; x < image.width(); ++x) {
      const double step = qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y));
      sum += step * step;
    }
  }
  return sum / (double(image.width() - 1) * image.height());
}

// The share of 2x2 blocks of one colour: all of them in a picture enlarged
// by doubling its pixels.
double UniformBlocks(const QImage& two) {
  int uniform = 0;
  const int blocks = (two.width() / 2) * (two.height() / 2);
  for (int y = 0; y + 1 < two.height(); y += 2) {
    for (int x = 0; x + 1 < two.width(); x += 2) {
      const QRgb c = two.pixel(x, y);
      if (two.pixel(x + 1, y) == c && two.pixel(x, y + 1) == c && two.pixel(x + 1, y + 1) == c) ++uniform;
    }
  }
  return double(uniform) / blocks;
}

class SidePicture : public ::testing::TestWithParam<Picture> {};

TEST_P(SidePicture, IsEmbeddedAtItsSizeAndAtTwiceItsSize) {
  const Picture& p = GetParam();
  const QImage one = Load(p, 1);
  const QImage two = Load(p, 2);
  ASSERT_FALSE(one.isNull());
  ASSERT_FALSE(two.isNull());
  EXPECT_EQ(one.size(), QSize(p.width, p.height));
  EXPECT_EQ(two.size(), QSize(2 * p.width, 2 * p.height));
}

TEST_P(SidePicture, ShowsADrawingAtBothScalesRatherThanAFlatFill) {
  for (int scale : {1, 2}) {
    const QImage image = Load(GetParam(), scale);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(DistinctColours(image), 500) << "at " << scale << "x";
  }
}

TEST_P(SidePicture, TwinIsTheSamePictureDrawnAtTwiceTheSizeNotEnlarged) {
  const QImage one = Load(GetParam(), 1);
  const QImage two = Load(GetParam(), 2);
  ASSERT_FALSE(one.isNull());
  ASSERT_FALSE(two.isNull());
  // Averaged back down, the twin matches the small picture closely...
  double difference = 0;
  for (int y = 0; y < one.height(); ++y) {
    for (int x = 0; x < one.width(); ++x) {
      int grey = 0;
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) grey += qGray(two.pixel(2 * x + dx, 2 * y + dy));
      difference += std::abs(grey / 4.0 - qGray(one.pixel(x, y)));
    }
  }
  EXPECT_LT(difference / (one.width() * one.height()), 6.0);
  // ...but it is neither the small one smoothed up nor its pixels doubled.
  const QImage smoothed = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_GT(EdgeEnergy(two), 2 * EdgeEnergy(smoothed));
  EXPECT_LT(UniformBlocks(two), 0.8);
}

INSTANTIATE_TEST_SUITE_P(All, SidePicture, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

// The about box's two buttons stand at (3, 248) and (4, 277); the picture
// keeps that corner plain so they do not sit on a busy drawing.
TEST(AboutPicture, KeepsTheCornerUnderItsButtonsPlain) {
  const QRect buttons = QRect(3, 248, 84, 23).united(QRect(4, 277, 83, 23)).adjusted(-3, -3, 3, 3);
  for (int scale : {1, 2}) {
    const QImage image = Load(kPictures[2], scale);
    ASSERT_FALSE(image.isNull());
    const QRect area(buttons.topLeft() * scale, buttons.size() * scale);
    const QRgb first = image.pixel(area.topLeft());
    int worst = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        const QRgb c = image.pixel(x, y);
        worst = std::max({worst, std::abs(qRed(c) - qRed(first)), std::abs(qGreen(c) - qGreen(first)),
                          std::abs(qBlue(c) - qBlue(first))});
      }
    }
    EXPECT_LE(worst, 8) << "at " << scale << "x";
  }
}

// The history window is one row shorter than its picture: the story must end
// above that row, and well inside the page.
TEST(HistoryPicture, SetsTheWholeStoryAboveTheHiddenLastRow) {
  for (int scale : {1, 2}) {
    const QImage image = Load(kPictures[0], scale);
    ASSERT_FALSE(image.isNull());
    int lettering = 0;
    for (int y = 340 * scale; y < image.height(); ++y)
      for (int x = 100 * scale; x < 408 * scale; ++x)
        if (qGray(image.pixel(x, y)) > 190) ++lettering;
    EXPECT_EQ(lettering, 0) << "at " << scale << "x";
  }
}

// The caption in which the monster claims her is red, across the lower middle.
TEST(VictoryPicture, CarriesARedCaptionAcrossItsLowerMiddle) {
  for (int scale : {1, 2}) {
    const QImage image = Load(kPictures[1], scale);
    ASSERT_FALSE(image.isNull());
    int red = 0;
    for (int y = 200 * scale; y < 255 * scale; ++y) {
      for (int x = 120 * scale; x < 420 * scale; ++x) {
        const QRgb c = image.pixel(x, y);
        if (qRed(c) > 150 && qGreen(c) < 60 && qBlue(c) < 60) ++red;
      }
    }
    EXPECT_GT(red, 1500 * scale * scale) << "at " << scale << "x";
  }
}

}  // namespace
