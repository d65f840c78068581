// pulse_server_test.cpp: the audio output played through a PulseAudio server of the test's own, recorded from its null sink.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio_log.h"
#include "audio_system.h"
#include "mod_dx_music.h"
#include "test_tunes.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;

// Runs a command under `timeout`, its output thrown away; its exit status.
int RunCommand(std::vector<std::string> args, int seconds) {
  args.insert(args.begin(), {"timeout", "-k", "2", std::to_string(seconds)});
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, "timeout", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool OnPath(const std::string& program) {
  return RunCommand({"sh", "-c", "command -v " + program}, 5) == 0;
}

// Records the sink's monitor as float stereo at 44100 Hz, all the time, so
// what was played can be looked up by the frame count at which it was asked.
class MonitorRecording {
public:
  bool Start() {
    int fds[2];
    if (pipe(fds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> args = {"timeout", "-k", "2", "90", "parec", "-d", "test.monitor", "--raw",
                                     "--format=float32le", "--channels=2", "--rate=44100",
                                     "--latency-msec=20"};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const int spawned = posix_spawnp(&pid_, "timeout", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
      close(fds[0]);
      return false;
    }
    reader_ = std::thread([this, fd = fds[0]] {
      std::vector<float> chunk(4096);
      for (;;) {
        const ssize_t got = read(fd, chunk.data(), chunk.size() * sizeof(float));
        if (got <= 0) break;
        std::lock_guard<std::mutex> lock(mutex_);
        samples_.insert(samples_.end(), chunk.begin(), chunk.begin() + got / sizeof(float));
      }
      close(fd);
    });
    return true;
  }

  void Stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
      pid_ = 0;
    }
    if (reader_.joinable()) reader_.join();
  }

  ~MonitorRecording() { Stop(); }

  std::size_t Frames() {
    std::lock_guard<std::mutex> lock(mutex_);
    return samples_.size() / 2;
  }

  // Waits until `frames` frames past `from` have been recorded (at most a
  // little longer than they last) and answers them.
  std::vector<float> After(std::size_t from, std::size_t frames) {
    const auto deadline = std::chrono::steady_clock::now() + 5s +
                          std::chrono::milliseconds(frames * 1000 / AudioMixer::kRate);
    while (Frames() < from + frames && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(10ms);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    const std::size_t end = std::min(samples_.size(), 2 * (from + frames));
    const std::size_t begin = std::min(end, 2 * from);
    return std::vector<float>(samples_.begin() + begin, samples_.begin() + end);
  }

private:
  pid_t pid_ = 0;
  std::thread reader_;
  std::mutex mutex_;
  std::vector<float> samples_;
};

// The loudest 50 ms stretch of a recording, as RMS.
double LoudestWindow(const std::vector<float>& samples) {
  const std::size_t window = 2 * AudioMixer::kRate / 20;
  double best = 0;
  for (std::size_t at = 0; at + window <= samples.size(); at += window / 2) {
    best = std::max(best, test_tunes::Rms(std::vector<float>(samples.begin() + at, samples.begin() + at + window)));
  }
  return best;
}

// A second of 440 Hz at half scale, mono 16-bit at 22050 Hz.
std::vector<std::uint8_t> ToneClip() {
  const std::uint32_t frames = 22050;
  std::vector<std::uint8_t> b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                 16, 0, 0, 0, 1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0,
                                 'd', 'a', 't', 'a', 0, 0, 0, 0};
  for (std::uint32_t i = 0; i < frames; ++i) {
    const auto s = static_cast<std::int16_t>(16384 * std::sin(2 * M_PI * 440 * i / 22050.0));
    b.push_back(static_cast<std::uint8_t>(s));
    b.push_back(static_cast<std::uint8_t>(s >> 8));
  }
  const std::uint32_t data = frames * 2, riff = data + 36;
  std::memcpy(&b[4], &riff, 4);
  std::memcpy(&b[40], &data, 4);
  return b;
}

constexpr double kHeard = 0.005;    // -46 dBFS RMS
constexpr float kSilent = 1e-4f;    // -80 dBFS peak

class PulseServer : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    if (!OnPath("pulseaudio") || !OnPath("pactl") || !OnPath("parec")) return;
    char pattern[] = "/tmp/wirangga-pulse-XXXXXX";
    if (mkdtemp(pattern) == nullptr) return;
    home_ = new std::string(pattern);
    // A private server: its socket, cookie and state live in this folder only.
    setenv("XDG_RUNTIME_DIR", home_->c_str(), 1);
    setenv("HOME", home_->c_str(), 1);
    unsetenv("PULSE_SERVER");
    // The server also goes by itself 20 s after its last client, should this
    // test die before it can ask it to.
    if (RunCommand({"pulseaudio", "--daemonize=yes", "--exit-idle-time=20", "-n",
             "--load=module-null-sink sink_name=test", "--load=module-native-protocol-unix"},
            20) != 0) {
      return;
    }
    for (int attempt = 0; attempt < 50 && !up_; ++attempt) {
      up_ = RunCommand({"pactl", "info"}, 5) == 0;
      if (!up_) std::this_thread::sleep_for(100ms);
    }
    up_ = up_ && RunCommand({"pactl", "set-default-sink", "test"}, 5) == 0;
  }

  static void TearDownTestSuite() {
    if (home_ == nullptr) return;
    if (RunCommand({"pactl", "exit"}, 10) != 0) {
      std::ifstream pidFile(*home_ + "/pulse/pid");
      pid_t pid = 0;
      if (pidFile >> pid && pid > 0) kill(pid, SIGTERM);
    }
    std::error_code ignored;
    std::filesystem::remove_all(*home_, ignored);
    delete home_;
    home_ = nullptr;
  }

  void SetUp() override {
    if (!OnPath("pulseaudio")) GTEST_SKIP() << "pulseaudio is not installed";
    ASSERT_TRUE(up_) << "the PulseAudio server did not start";
  }

  static inline std::string* home_ = nullptr;
  static inline bool up_ = false;
};

TEST_F(PulseServer, AClipAndATuneAreHeardAndStoppingTheMusicSilencesIt) {
  const std::string musicDir = *home_ + "/Music/";
  std::filesystem::create_directory(musicDir);
  test_tunes::Write(musicDir + "Music1.mid", test_tunes::Chord(20));

  MonitorRecording monitor;
  ASSERT_TRUE(monitor.Start());
  AudioOptions options;
  options.driver = "pulseaudio";
  AudioSystem audio(options);
  ASSERT_TRUE(audio.WaitForDevice()) << LastAudioError();

  // Nothing asked yet: the sink is silent.
  std::size_t mark = monitor.Frames();
  EXPECT_LT(test_tunes::Peak(monitor.After(mark, AudioMixer::kRate / 2)), kSilent);

  // A clip.
  const std::vector<std::uint8_t> clip = ToneClip();
  mark = monitor.Frames();
  audio.Sfx().Play(clip.data(), clip.size());
  EXPECT_GT(LoudestWindow(monitor.After(mark, AudioMixer::kRate * 2)), kHeard);

  // A tune, started the way the start-up does it.
  modDXMusic music(audio.Midi());
  music.MusicDir = musicDir;
  music.SongFile[1] = "Music1.mid";
  music.Volume = 75;
  mark = monitor.Frames();
  music.MusicInit();
  music.MusicLoad(1);
  music.MusicVolume(music.Volume);
  music.MusicPlay();
  ASSERT_TRUE(music.MusicReady) << LastAudioError();
  EXPECT_GT(LoudestWindow(monitor.After(mark, AudioMixer::kRate * 2)), kHeard);

  // "&Off": the music stops; after the server's own latency the sink falls
  // silent and stays so.
  music.MusicStop();
  mark = monitor.Frames();
  const std::vector<float> after = monitor.After(mark, AudioMixer::kRate * 2);
  ASSERT_EQ(after.size(), std::size_t{4} * AudioMixer::kRate);
  const std::vector<float> lastSecond(after.begin() + 2 * AudioMixer::kRate, after.end());
  EXPECT_LT(test_tunes::Peak(lastSecond), kSilent);
  monitor.Stop();
}

}  // namespace
