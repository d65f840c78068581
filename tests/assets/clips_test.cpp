// clips_test.cpp: the six embedded sound clips: their WAVE headers and sizes, and whether they play cleanly.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <vector>

namespace {

struct ClipRow {
  int id;
  std::uint32_t totalBytes;
  std::uint32_t rate;
  std::uint16_t bits;
  std::uint32_t dataBytes;
  std::uint16_t align;
  double soundsWithin;  // seconds until the clip is clearly audible: it marks an event
};

void PrintTo(const ClipRow& row, std::ostream* os) { *os << "clip " << row.id; }

constexpr ClipRow kClips[] = {
    {1, 21192, 22050, 16, 21148, 2, 0.005},
    {2, 99372, 22050, 8, 99328, 1, 0.020},
    {3, 62364, 22050, 8, 62320, 1, 0.020},
    {4, 1172, 11025, 8, 1128, 1, 0.005},
    {5, 30140, 11025, 8, 30096, 1, 0.200},
    {6, 108588, 22050, 8, 108544, 1, 0.100},
};

QByteArray embeddedClip(int id) {
  QFile file(QStringLiteral(":/SOUNDS/%1").arg(id));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

std::uint32_t le32(const QByteArray& b, int at) {
  const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::uint16_t le16(const QByteArray& b, int at) {
  const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
  return std::uint16_t(p[0] | p[1] << 8);
}

// The samples of a clip as signed steps from silence, with the size of full scale.
struct Pcm {
  std::vector<int> samples;
  double fullScale = 1;
  std::uint32_t rate = 1;
  int lowest = 0, highest = 0;  // the rails of the sample format
};

Pcm samplesOf(const QByteArray& image, const ClipRow& row) {
  Pcm pcm;
  pcm.rate = row.rate;
  const int dataAt = 44;
  if (row.bits == 8) {
    pcm.fullScale = 128;
    pcm.lowest = -128;
    pcm.highest = 127;
    for (std::uint32_t i = 0; i < row.dataBytes; ++i) {
      pcm.samples.push_back(int(static_cast<unsigned char>(image[dataAt + int(i)])) - 128);
    }
  } else {
    pcm.fullScale = 32768;
    pcm.lowest = -32768;
    pcm.highest = 32767;
    for (std::uint32_t i = 0; i < row.dataBytes; i += 2) {
      pcm.samples.push_back(std::int16_t(le16(image, dataAt + int(i))));
    }
  }
  return pcm;
}

double peakOf(const Pcm& pcm, std::size_t from, std::size_t to) {
  int peak = 0;
  for (std::size_t i = from; i < to && i < pcm.samples.size(); ++i) peak = std::max(peak, std::abs(pcm.samples[i]));
  return peak / pcm.fullScale;
}

double dbfs(double level) { return 20 * std::log10(level); }

class EveryClip : public ::testing::TestWithParam<ClipRow> {
protected:
  void SetUp() override {
    image_ = embeddedClip(GetParam().id);
    ASSERT_EQ(image_.size(), qsizetype(GetParam().totalBytes)) << "the embedded clip is missing or has the wrong size";
    pcm_ = samplesOf(image_, GetParam());
  }

  QByteArray image_;
  Pcm pcm_;
};

TEST_P(EveryClip, IsAMonoPcmWaveImageWithTheHeaderOfItsRow) {
  const ClipRow& row = GetParam();
  EXPECT_EQ(image_.mid(0, 4), "RIFF");
  EXPECT_EQ(le32(image_, 4), row.totalBytes - 8);
  EXPECT_EQ(image_.mid(8, 4), "WAVE");
  EXPECT_EQ(image_.mid(12, 4), "fmt ");
  EXPECT_EQ(le32(image_, 16), 16u) << "the format chunk holds exactly the 16 PCM bytes";
  EXPECT_EQ(le16(image_, 20), 1) << "format tag: PCM";
  EXPECT_EQ(le16(image_, 22), 1) << "channels";
  EXPECT_EQ(le32(image_, 24), row.rate);
  EXPECT_EQ(le32(image_, 28), row.rate * row.align) << "byte rate";
  EXPECT_EQ(le16(image_, 32), row.align);
  EXPECT_EQ(le16(image_, 34), row.bits);
  EXPECT_EQ(image_.mid(36, 4), "data");
  EXPECT_EQ(le32(image_, 40), row.dataBytes);
  EXPECT_EQ(44 + row.dataBytes, row.totalBytes) << "nothing may follow the data chunk";
}

TEST_P(EveryClip, IsTheSameAsTheFileTheBuildWrote) {
  QFile file(QStringLiteral(WIRANGGA_CLIP_DIR "/%1").arg(GetParam().id));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll() == image_);
}

TEST_P(EveryClip, IsAudibleButNeverTouchesFullScale) {
  const auto [low, high] = std::minmax_element(pcm_.samples.begin(), pcm_.samples.end());
  EXPECT_GT(*low, pcm_.lowest) << "clipped at the bottom";
  EXPECT_LT(*high, pcm_.highest) << "clipped at the top";
  const double peak = dbfs(peakOf(pcm_, 0, pcm_.samples.size()));
  EXPECT_LT(peak, -0.5) << "no headroom";
  EXPECT_GT(peak, -12.0) << "too quiet to mark anything";
}

TEST_P(EveryClip, HasNoOffsetFromSilence) {
  double sum = 0;
  for (int v : pcm_.samples) sum += v;
  const double mean = sum / double(pcm_.samples.size()) / pcm_.fullScale;
  EXPECT_LT(std::abs(mean), 0.002) << "mean " << mean << " of full scale";
}

TEST_P(EveryClip, StartsAndEndsAtSilenceWithoutAClick) {
  EXPECT_LE(std::abs(pcm_.samples.front()), 1);
  EXPECT_LE(std::abs(pcm_.samples.back()), 1);
  // A clip that jumps straight to a loud sample at either end clicks; a fade of a millisecond or more does not.
  const std::size_t ms = pcm_.rate / 1000;
  const std::size_t n = pcm_.samples.size();
  EXPECT_LT(peakOf(pcm_, 0, ms / 2), 0.02) << "no fade in";
  EXPECT_LT(peakOf(pcm_, n - ms / 2, n), 0.02) << "no fade out";
}

TEST_P(EveryClip, SoundsPromptlyAfterItsEvent) {
  const std::size_t within = std::size_t(GetParam().soundsWithin * pcm_.rate);
  EXPECT_GT(dbfs(peakOf(pcm_, 0, within)), -20.0);
}

INSTANTIATE_TEST_SUITE_P(Clips, EveryClip, ::testing::ValuesIn(kClips),
                         [](const ::testing::TestParamInfo<ClipRow>& info) { return "Clip" + std::to_string(info.param.id); });

// The reveal plays the clack every 200 ms and each one cuts off the last: if
// the clack still rang at 200 ms, every cut would be heard as a click.
TEST(StoneClack, HasDiedAwayBeforeTheNextRevealTickCutsItOff) {
  const ClipRow& row = kClips[0];
  const QByteArray image = embeddedClip(row.id);
  ASSERT_EQ(image.size(), qsizetype(row.totalBytes));
  const Pcm pcm = samplesOf(image, row);
  EXPECT_LT(dbfs(peakOf(pcm, row.rate / 5, pcm.samples.size())), -45.0);
}

}  // namespace
