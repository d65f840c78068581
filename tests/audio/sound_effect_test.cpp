// sound_effect_test.cpp: PlaySfx and the clip store, the effect voice through the real mixer.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "audio_system.h"
#include "offline_audio.h"
#include "clip_store.h"
#include "module1.h"
#include "sfx_voice.h"
#include "test_tunes.h"

namespace {

constexpr int kBlock = kDeviceBlock;

std::vector<std::uint8_t> StoredClip(int id) {
  std::ifstream file(std::string(WIRANGGA_CLIP_DIR) + "/" + std::to_string(id), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t Little32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t{b[at + 3]} << 24;
}

// A mono 16-bit clip at 44100 Hz holding the given samples: no resampling,
// so what leaves the mixer can be compared with what went in.
std::vector<std::uint8_t> Wave(const std::vector<std::int16_t>& samples) {
  std::vector<std::uint8_t> b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                 16, 0, 0, 0, 1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 1, 0, 2, 0, 16, 0,
                                 'd', 'a', 't', 'a', 0, 0, 0, 0};
  for (std::int16_t s : samples) {
    b.push_back(static_cast<std::uint8_t>(s));
    b.push_back(static_cast<std::uint8_t>(s >> 8));
  }
  const std::uint32_t data = static_cast<std::uint32_t>(samples.size() * 2);
  const std::uint32_t riff = data + 36;
  std::memcpy(&b[4], &riff, 4);
  std::memcpy(&b[40], &data, 4);
  return b;
}

class SoundEffects : public ::testing::Test {
protected:
  std::vector<float> Pull(int frames) { return ::Pull(audio.Mixer(), frames); }

  AudioSystem audio{OfflineAudio()};
  Module1 module{audio.Sfx()};
};

TEST_F(SoundEffects, SfxBufferHoldsTheWholeStoredImageOfTheClipLastAskedFor) {
  EXPECT_TRUE(module.SfxBuffer().empty());
  for (int id : {1, 2, 3, 4, 5, 6, 1}) {
    SCOPED_TRACE(id);
    const std::vector<std::uint8_t> stored = StoredClip(id);
    ASSERT_FALSE(stored.empty());
    module.PlaySfx(static_cast<std::int16_t>(id));
    EXPECT_EQ(module.SfxBuffer(), stored);
  }
}

TEST(ClipStore, TheTypeMatchesWithoutRegardToCaseAndOnlyKnownIdsAreFound) {
  const std::vector<std::uint8_t> clip = FindClip("SOUNDS", 4);
  ASSERT_FALSE(clip.empty());
  for (const char* type : {"sounds", "Sounds", "sOUNDs"}) EXPECT_EQ(FindClip(type, 4), clip) << type;
  for (int id : {0, 7, -1}) EXPECT_TRUE(FindClip("sounds", id).empty()) << id;
  for (const char* type : {"", "sound", "pictures", "SOUNDS/4", "/"}) {
    EXPECT_TRUE(FindClip(type, 4).empty()) << type;
  }
}

// Each clip converts to the mixer's 44100 Hz without losing a frame: a clip
// at 22050 Hz doubles its frames, one at 11025 Hz quadruples them.
TEST_F(SoundEffects, EveryClipConvertsToItsFullLengthAt44100Hz) {
  for (int id = 1; id <= 6; ++id) {
    SCOPED_TRACE(id);
    const std::vector<std::uint8_t> stored = StoredClip(id);
    ASSERT_GE(stored.size(), 44u);
    const std::uint32_t rate = Little32(stored, 24);
    const std::uint32_t align = stored[32];
    const std::uint32_t frames = Little32(stored, 40) / align;
    ASSERT_EQ(AudioMixer::kRate % rate, 0u);

    module.PlaySfx(static_cast<std::int16_t>(id));
    EXPECT_EQ(audio.Voice().ClipFrames(), std::size_t{frames} * (AudioMixer::kRate / rate));
  }
}

TEST_F(SoundEffects, PlaySfxReturnsWithItsClipStillWhollyToBePlayed) {
  // Nothing pulls the mixer here: a player that waited for its clip to be
  // heard would never return.
  module.PlaySfx(2);
  EXPECT_GT(audio.Voice().ClipFrames(), 0u);
  EXPECT_EQ(audio.Voice().FramesLeft(), audio.Voice().ClipFrames());
}

TEST_F(SoundEffects, PlaySfxHandlesNoPendingEvent) {
  int argc = 0;
  QCoreApplication app(argc, nullptr);
  bool ran = false;
  QTimer::singleShot(0, &app, [&] { ran = true; });
  QCoreApplication::postEvent(&app, new QEvent(QEvent::User));
  module.PlaySfx(1);
  EXPECT_FALSE(ran);
  QCoreApplication::processEvents();
  EXPECT_TRUE(ran);
}

TEST_F(SoundEffects, AClipComesOutExactlyAsDecodedStartingWithTheNextBlock) {
  std::vector<std::int16_t> samples(3000);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::int16_t>((i * 37) % 20000 - 10000);
  const std::vector<std::uint8_t> image = Wave(samples);
  audio.Sfx().Play(image.data(), image.size());
  const std::vector<float> out = Pull(4000);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    ASSERT_FLOAT_EQ(out[2 * i], samples[i] / 32768.0f) << i;
    ASSERT_FLOAT_EQ(out[2 * i + 1], samples[i] / 32768.0f) << i;
  }
  for (std::size_t i = 2 * samples.size(); i < out.size(); ++i) ASSERT_EQ(out[i], 0.0f) << i;
}

TEST_F(SoundEffects, ANewClipCutsTheOldOneOffAtOnce) {
  const std::vector<std::uint8_t> loud = Wave(std::vector<std::int16_t>(20000, 16384));
  const std::vector<std::uint8_t> soft = Wave(std::vector<std::int16_t>(1000, -4096));
  audio.Sfx().Play(loud.data(), loud.size());
  Pull(kBlock);
  audio.Sfx().Play(soft.data(), soft.size());

  // The next block is the new clip alone, and after it nothing of the old one.
  const std::vector<float> out = Pull(4 * kBlock);
  for (std::size_t frame = 0; frame < 1000; ++frame) ASSERT_EQ(out[2 * frame], -0.125f) << frame;
  for (std::size_t i = 2000; i < out.size(); ++i) ASSERT_EQ(out[i], 0.0f) << i;
}

TEST_F(SoundEffects, ThePlayerKeepsItsOwnCopySoTheImageMayChangeWhileTheClipSounds) {
  std::vector<std::uint8_t> image = Wave(std::vector<std::int16_t>(3 * kBlock, 8192));
  audio.Sfx().Play(image.data(), image.size());
  Pull(kBlock);
  std::fill(image.begin(), image.end(), 0x7F);
  image.clear();
  image.shrink_to_fit();
  for (float sample : Pull(2 * kBlock)) ASSERT_EQ(sample, 0.25f);
}

TEST_F(SoundEffects, AClipThatCannotBePlayedIsDroppedAndTheSoundingOneGoesOn) {
  const std::vector<std::uint8_t> good = Wave(std::vector<std::int16_t>(10000, 8192));
  audio.Sfx().Play(good.data(), good.size());
  Pull(kBlock);
  std::vector<std::uint8_t> noWave(300, 0x55);
  std::vector<std::uint8_t> cut = good;
  cut.resize(30);
  std::vector<std::uint8_t> badFormat = good;
  badFormat[20] = 0x55;  // no such format tag
  for (const std::vector<std::uint8_t>& bad : {noWave, cut, badFormat, std::vector<std::uint8_t>{}}) {
    audio.Sfx().Play(bad.data(), bad.size());
  }
  audio.Sfx().Play(nullptr, 0);
  const std::vector<float> out = Pull(kBlock);
  for (float sample : out) ASSERT_EQ(sample, 0.25f);
}

// With or without a sound card, opening the output must not take over the
// signals that interrupt or end the program.
TEST(AudioOutput, OpeningTheDeviceLeavesInterruptAndTerminateAlone) {
  {
    AudioSystem audio;
    audio.WaitForDevice();
    for (int signal : {SIGINT, SIGTERM}) {
      struct sigaction action{};
      sigaction(signal, nullptr, &action);
      EXPECT_EQ(action.sa_handler, SIG_DFL) << signal;
    }
  }
}

}  // namespace
