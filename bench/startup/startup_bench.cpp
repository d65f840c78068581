// startup_bench.cpp: time from process start to the first painted frame, and peak memory, of the game and of a bare Qt window.
//
// Each program is started on a private Xvfb server. The benchmark watches
// the server for new top-level windows and puts a damage monitor on each as
// it is created, before the program can draw; the first damage report is
// the first frame reaching the window. The program then runs on for a while
// (the game loads its SoundFont in the background) and is stopped; its peak
// resident memory comes from the kernel's account of the finished child.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>

#include "xvfb_server.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
  double firstFrameMs = -1;
  double peakMiB = -1;
};

// One run: start the program, wait for its first frame, let it settle,
// stop it, read its peak memory.
Sample RunOnce(const std::string& display, const char* program, double settleSeconds) {
  Sample sample;
  xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
  if (xcb_connection_has_error(c)) return sample;
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
  if (!damage || !damage->present) {
    xcb_disconnect(c);
    return sample;
  }
  xcb_discard_reply(c, xcb_damage_query_version(c, 1, 1).sequence);
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_discard_reply(c, xcb_get_input_focus(c).sequence);
  xcb_flush(c);

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }

  const int fd = xcb_get_file_descriptor(c);
  const Clock::time_point giveUp = start + std::chrono::seconds(60);
  while (sample.firstFrameMs < 0 && Clock::now() < giveUp) {
    xcb_generic_event_t* e = xcb_poll_for_event(c);
    if (!e) {
      pollfd p{fd, POLLIN, 0};
      poll(&p, 1, 100);
      continue;
    }
    const int type = e->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
      auto* created = reinterpret_cast<xcb_create_notify_event_t*>(e);
      const xcb_damage_damage_t d = xcb_generate_id(c);
      xcb_damage_create(c, d, created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
      xcb_flush(c);
    } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
      sample.firstFrameMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    std::free(e);
  }
  xcb_disconnect(c);

  std::this_thread::sleep_for(std::chrono::duration<double>(settleSeconds));
  // SIGKILL, since a library may have taken over SIGTERM; the kernel still
  // accounts the peak memory of a killed child.
  kill(child, SIGKILL);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) == child) sample.peakMiB = usage.ru_maxrss / 1024.0;
  return sample;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  if (v.empty()) return -1;
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  XvfbServer x;
  if (!x.Ready()) {
    std::fprintf(stderr, "startup_bench: Xvfb did not start\n");
    return 1;
  }
  const std::string display = x.Display().toStdString();
  struct Program {
    const char* name;
    const char* path;
    std::vector<double> frames, peaks;
  };
  Program programs[] = {{"wirangga", WIRANGGA_PROGRAM, {}, {}}, {"bare Qt window", BARE_WINDOW_PROGRAM, {}, {}}};

  // A warm-up run of each fills the file cache, then the two alternate.
  for (Program& p : programs) RunOnce(display, p.path, 0.2);
  for (int r = 0; r < runs; ++r) {
    for (Program& p : programs) {
      const Sample s = RunOnce(display, p.path, 2.0);
      if (s.firstFrameMs >= 0) p.frames.push_back(s.firstFrameMs);
      if (s.peakMiB >= 0) p.peaks.push_back(s.peakMiB);
    }
  }

  std::printf("Start-up under Xvfb, medians of %d runs\n", runs);
  std::printf("%-16s %22s %16s\n", "program", "first frame (ms)", "peak RSS (MiB)");
  for (const Program& p : programs) {
    std::printf("%-16s %22.1f %16.1f\n", p.name, Median(p.frames), Median(p.peaks));
  }
  const double timeRatio = Median(programs[0].frames) / Median(programs[1].frames);
  const double extraMiB = Median(programs[0].peaks) - Median(programs[1].peaks);
  std::printf("time ratio %.2f (target at most 1.25), extra memory %.1f MiB (target at most 15)\n", timeRatio,
              extraMiB);
  return 0;
}
