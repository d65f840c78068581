// audio_bench.cpp: prints how fast the synthesizer renders, what the mixing callback costs, and how soon an effect is heard.
#include <sched.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "audio_system.h"
#include "mod_dx_music.h"
#include "module1.h"
#include "test_tunes.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kPeriod = 512;

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec * 1e-9;
}

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

AudioOptions Offline() {
  AudioOptions options;
  options.openDevice = false;
  return options;
}

// A busy piece beside the built tunes: four parts of sixteenth notes over
// a held pad, two minutes at 150 beats a minute.
test_tunes::Bytes BusyTune() {
  std::vector<test_tunes::Track> tracks(1);
  tracks[0].Tempo(400000);
  const std::uint8_t programs[] = {12, 13, 11, 115};
  for (std::uint8_t part = 0; part < 4; ++part) {
    test_tunes::Track track;
    track.Program(part, programs[part]);
    for (std::uint32_t i = 0; i < 1200; ++i) {
      track.Note(i * 120, 110, static_cast<std::uint8_t>(48 + part * 7 + (i * (3 + part)) % 14), 90, part);
    }
    tracks.push_back(track);
  }
  test_tunes::Track pad;
  pad.Program(4, 89);
  for (std::uint32_t bar = 0; bar < 75; ++bar) {
    for (std::uint8_t key : {45, 52, 57}) pad.Event(bar * 1920, {0x94, key, 70});
    for (std::uint8_t key : {45, 52, 57}) pad.Event(bar * 1920 + 1900, {0x84, key, 0});
  }
  tracks.push_back(pad);
  for (test_tunes::Track& track : tracks) track.End(track.Now());
  return test_tunes::File(tracks);
}

// The music player over one audio system, with the tunes of one folder.
struct Player {
  Player(AudioSystem& audio, const std::string& folder) : audio(audio), music(audio.Midi()) {
    music.MusicDir = folder;
    for (int i = 1; i <= 4; ++i) music.SongFile[i] = "Music" + std::to_string(i) + ".mid";
  }
  bool Start(int n) {
    music.MusicInit();
    music.MusicLoad(static_cast<std::uint8_t>(n));
    music.MusicVolume(75);
    music.MusicPlay();
    return music.MusicReady && Playing();
  }
  bool Playing() {
    return audio.Midi().IsPlaying(music.Performance(), music.Segment(), music.SegmentState());
  }
  AudioSystem& audio;
  modDXMusic music;
};

void RenderSpeed(const std::string& folder, const std::vector<int>& tunes) {
  for (int n : tunes) {
    AudioSystem audio(Offline());
    Player player(audio, folder);
      if (!player.Start(n)) {
      std::printf("  Music%d.mid: could not be played\n", n);
      continue;
    }
    std::vector<float> block(2 * kPeriod);
    long frames = 0;
    const double cpu = ThreadCpuSeconds();
    while (player.Playing() && frames < 600L * AudioMixer::kRate) {
      audio.Mixer().Mix(block.data(), kPeriod);
      frames += kPeriod;
    }
    const double used = ThreadCpuSeconds() - cpu;
    const double seconds = double(frames) / AudioMixer::kRate;
    std::printf("  Music%d.mid: %.1f s of music rendered in %.3f s of CPU: %.0f x real time\n", n, seconds, used,
                seconds / used);
  }
}

// A device's pace: one block every period, on a thread of its own.
void CallbackShare(const std::string& folder, int n) {
  AudioSystem audio(Offline());
  Player player(audio, folder);
  if (!player.Start(n)) return;
  std::vector<float> block(2 * kPeriod);
  const double period = double(kPeriod) / AudioMixer::kRate;
  double busy = 0, worst = 0;
  const auto start = Clock::now();
  int blocks = 0;
  const int total = static_cast<int>(8 / period);
  for (; blocks < total; ++blocks) {
    std::this_thread::sleep_until(start + std::chrono::duration<double>(blocks * period));
    const double cpu = ThreadCpuSeconds();
    audio.Mixer().Mix(block.data(), kPeriod);
    const double used = ThreadCpuSeconds() - cpu;
    busy += used;
    worst = std::max(worst, used);
  }
  const double wall = Since(start);
  std::printf("  mixing callback while Music%d.mid plays: %.2f %% of a core on average (%d blocks of %d frames;"
              " longest block %.3f ms of a %.2f ms period)\n",
              n, 100 * busy / wall, blocks, kPeriod, worst * 1e3, period * 1e3);
}

void EffectLatency() {
  AudioSystem audio(Offline());
  Module1 module(audio.Sfx());
  std::atomic<bool> running{true};
  std::atomic<bool> armed{false};
  std::atomic<long long> heardAt{0};
  const double period = double(kPeriod) / AudioMixer::kRate;
  std::thread device([&] {
    std::vector<float> block(2 * kPeriod);
    const auto start = Clock::now();
    for (int i = 0; running; ++i) {
      std::this_thread::sleep_until(start + std::chrono::duration<double>(i * period));
      audio.Mixer().Mix(block.data(), kPeriod);
      if (armed && audio.Voice().FramesLeft() < audio.Voice().ClipFrames()) {
        heardAt = Clock::now().time_since_epoch().count();
        armed = false;
      }
    }
  });
  std::mt19937 random(7);
  std::uniform_int_distribution<int> phase(0, 20000);
  std::vector<double> latencies, calls;
  for (int trial = 0; trial < 60; ++trial) {
    std::this_thread::sleep_for(std::chrono::microseconds(150000 + phase(random)));
    while (audio.Voice().FramesLeft() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const auto asked = Clock::now();
    armed = true;
    module.PlaySfx(trial % 2 ? 4 : 1);
    calls.push_back(Since(asked));
    while (armed) std::this_thread::sleep_for(std::chrono::microseconds(200));
    latencies.push_back(std::chrono::duration<double>(Clock::duration(heardAt.load()) - asked.time_since_epoch()).count());
  }
  running = false;
  device.join();
  auto mean = [](const std::vector<double>& v) {
    double sum = 0;
    for (double x : v) sum += x;
    return sum / v.size();
  };
  std::printf("  PlaySfx(1 or 4) returns after %.0f us on average (longest %.0f us)\n", mean(calls) * 1e6,
              *std::max_element(calls.begin(), calls.end()) * 1e6);
  std::printf("  from PlaySfx to its first sample leaving the mixer: %.2f ms on average, longest %.2f ms"
              " (period %.2f ms)\n",
              mean(latencies) * 1e3, *std::max_element(latencies.begin(), latencies.end()) * 1e3, period * 1e3);
}

// Each clip once decoded ahead by the audio system; the request then only
// copies the image and swaps the clip in.
void EffectCallTimes() {
  AudioSystem audio(Offline());
  Module1 module(audio.Sfx());
  std::this_thread::sleep_for(std::chrono::seconds(2));
  std::printf("  PlaySfx(n) returns after:");
  for (int id = 1; id <= 6; ++id) {
    double longest = 0;
    for (int i = 0; i < 20; ++i) {
      const auto asked = Clock::now();
      module.PlaySfx(static_cast<std::int16_t>(id));
      longest = std::max(longest, Since(asked));
    }
    std::printf(" %d: %.0f us%s", id, longest * 1e6, id < 6 ? "," : " (longest of 20 each)\n");
  }
}

void FirstMidiCallWait() {
  const auto start = Clock::now();
  AudioSystem audio(Offline());
  const double constructed = Since(start);
  modDXMusic music(audio.Midi());
  const auto init = Clock::now();
  music.MusicInit();
  std::printf("  AudioSystem() returns after %.2f ms; a MusicInit right after it waits %.1f ms for the SoundFont (%s)\n",
              constructed * 1e3, Since(init) * 1e3, audio.Synth().SoundFontPath().c_str());
}

}  // namespace

int main() {
  std::printf("Start-up:\n");
  FirstMidiCallWait();

  // From here on one core for everything.
  cpu_set_t one;
  CPU_ZERO(&one);
  CPU_SET(0, &one);
  sched_setaffinity(0, sizeof one, &one);

  const std::string scratch = std::filesystem::temp_directory_path() / ("wirangga-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch);
  test_tunes::Write(scratch + "/Music1.mid", BusyTune());

  std::printf("Synthesis on one core (target: at least 50 x real time):\n");
  const std::string built = WIRANGGA_TUNE_DIR;
  std::vector<int> present;
  for (int n = 1; n <= 4; ++n) {
    if (std::filesystem::is_regular_file(built + "/Music" + std::to_string(n) + ".mid")) present.push_back(n);
  }
  RenderSpeed(built + "/", present);
  std::printf("  a busy test piece (4 parts of sixteenths over a pad):\n");
  RenderSpeed(scratch + "/", {1});
  std::printf("Mixing callback (target: under 3 %% of a core):\n");
  for (int n : present) CallbackShare(built + "/", n);
  std::printf("  the busy test piece:\n");
  CallbackShare(scratch + "/", 1);
  std::printf("Sound effect latency (target: at most one period, under 12 ms at 512 frames):\n");
  EffectLatency();
  EffectCallTimes();
  std::filesystem::remove_all(scratch);
  return 0;
}
