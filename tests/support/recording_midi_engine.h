// recording_midi_engine.h: a MIDI engine for tests that keeps every call in order and plays nothing.
#pragma once

#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "midi_engine.h"

// Each call is kept as one line: the call's name, its arguments, and after
// " -> " what it answered. Objects are written L1, P1, S1, T1 (loader,
// performance, segment, segment state, numbered from 1 in order of creation)
// and "-" for none. Calls that succeed without an answer have no arrow; one
// that fails ends in " -> failed". Releasing none is not kept.
//
//   CreateLoader -> L1
//   CreatePerformance -> P1
//   InitPerformance P1
//   SetPort P1 -1 80
//   SetMasterAutoDownload P1 true
//   SetMasterVolume P1 -900
//   IsPlaying P1 S1 T1 -> true
//   Stop P1 S1 T1 0 0
//   LoadSegment L2 /game/Music/Music1.mid -> S1
//   SetSearchDirectory L2 /game/Music/
//   SetStandardMidiFile S1
//   SetStartPoint S1 0
//   PlaySegment P1 S1 0 0 -> T1
//   ReleaseLoader L1          (likewise ReleasePerformance, ReleaseSegment,
//                              ReleaseSegmentState)
//
// A playback sounds from PlaySegment until it is stopped, EndPlayback() says
// its tune has run out, or another performance is initialised (there is one
// synthesizer, and a new performance starts it afresh).
class RecordingMidiEngine : public MidiEngine {
public:
  // Every later call of this name fails (creations answer none) until Heal.
  void Fail(const std::string& callName) { failing_.insert(callName); }
  void Heal(const std::string& callName) { failing_.erase(callName); }
  // LoadSegment of this exact path fails, as for a missing or broken file.
  void FailLoadOf(const std::string& path) { missing_.insert(path); }

  // The sounding playback's tune reaches its end.
  void EndPlayback() { sounding_ = {}; }

  const std::vector<std::string>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }

  // The path of the tune heard now, "" for silence.
  std::string SoundingTune() const {
    if (!sounding_) return "";
    return segments_.at(states_.at(sounding_.id).segment.id);
  }
  // The master volume last set on the performance that sounds now.
  int MasterVolume() const {
    auto it = volumes_.find(initialised_.id);
    return it == volumes_.end() ? 0 : it->second;
  }
  MidiPerformance InitialisedPerformance() const { return initialised_; }

  MidiLoader CreateLoader() override {
    MidiLoader loader;
    if (!failing_.count("CreateLoader")) {
      loader.id = ++lastLoader_;
      loaders_.insert(loader.id);
    }
    Record("CreateLoader -> " + Name(loader));
    return loader;
  }

  MidiPerformance CreatePerformance() override {
    MidiPerformance performance;
    if (!failing_.count("CreatePerformance")) {
      performance.id = ++lastPerformance_;
      performances_.insert(performance.id);
    }
    Record("CreatePerformance -> " + Name(performance));
    return performance;
  }

  bool InitPerformance(MidiPerformance performance) override {
    const bool ok = Live(performance) && Succeeds("InitPerformance");
    if (ok) {
      initialised_ = performance;
      if (sounding_ && states_.at(sounding_.id).performance != performance) sounding_ = {};
    }
    return Done(ok, "InitPerformance " + Name(performance));
  }

  bool SetPort(MidiPerformance performance, int port, int channelGroups) override {
    const bool ok = Live(performance) && Succeeds("SetPort");
    return Done(ok, "SetPort " + Name(performance) + " " + std::to_string(port) + " " +
                        std::to_string(channelGroups));
  }

  bool SetMasterAutoDownload(MidiPerformance performance, bool on) override {
    const bool ok = Live(performance) && Succeeds("SetMasterAutoDownload");
    return Done(ok, "SetMasterAutoDownload " + Name(performance) + (on ? " true" : " false"));
  }

  bool SetMasterVolume(MidiPerformance performance, std::int32_t volume) override {
    const bool ok = Live(performance) && Succeeds("SetMasterVolume");
    if (ok) volumes_[performance.id] = volume;
    return Done(ok, "SetMasterVolume " + Name(performance) + " " + std::to_string(volume));
  }

  bool IsPlaying(MidiPerformance performance, MidiSegment segment, MidiSegmentState state) override {
    const bool playing = Succeeds("IsPlaying") && state && state == sounding_ &&
                         states_.at(state.id).performance == performance &&
                         states_.at(state.id).segment == segment && Live(performance);
    Record("IsPlaying " + Name(performance) + " " + Name(segment) + " " + Name(state) +
           (playing ? " -> true" : " -> false"));
    return playing;
  }

  bool Stop(MidiPerformance performance, MidiSegment segment, MidiSegmentState state,
            std::int32_t time, std::int32_t flags) override {
    const bool ok = Live(performance) && states_.count(state.id) &&
                    states_.at(state.id).performance == performance && Succeeds("Stop");
    if (ok && state == sounding_) sounding_ = {};
    return Done(ok, "Stop " + Name(performance) + " " + Name(segment) + " " + Name(state) + " " +
                        std::to_string(time) + " " + std::to_string(flags));
  }

  MidiSegment LoadSegment(MidiLoader loader, const std::string& path) override {
    MidiSegment segment;
    if (loaders_.count(loader.id) && !missing_.count(path) && Succeeds("LoadSegment")) {
      segment.id = ++lastSegment_;
      segments_[segment.id] = path;
    }
    Record("LoadSegment " + Name(loader) + " " + path + " -> " + Name(segment));
    return segment;
  }

  bool SetSearchDirectory(MidiLoader loader, const std::string& folder) override {
    const bool ok = loaders_.count(loader.id) && Succeeds("SetSearchDirectory");
    return Done(ok, "SetSearchDirectory " + Name(loader) + " " + folder);
  }

  bool SetStandardMidiFile(MidiSegment segment) override {
    const bool ok = LiveSegment(segment) && Succeeds("SetStandardMidiFile");
    return Done(ok, "SetStandardMidiFile " + Name(segment));
  }

  bool SetStartPoint(MidiSegment segment, std::int32_t start) override {
    const bool ok = LiveSegment(segment) && Succeeds("SetStartPoint");
    return Done(ok, "SetStartPoint " + Name(segment) + " " + std::to_string(start));
  }

  MidiSegmentState PlaySegment(MidiPerformance performance, MidiSegment segment,
                               std::int32_t flags, std::int32_t startTime) override {
    MidiSegmentState state;
    if (Live(performance) && performance == initialised_ && LiveSegment(segment) &&
        Succeeds("PlaySegment")) {
      state.id = ++lastState_;
      states_[state.id] = {performance, segment};
      sounding_ = state;
    }
    Record("PlaySegment " + Name(performance) + " " + Name(segment) + " " + std::to_string(flags) +
           " " + std::to_string(startTime) + " -> " + Name(state));
    return state;
  }

  void ReleaseLoader(MidiLoader loader) override {
    if (!loader) return;
    loaders_.erase(loader.id);
    Record("ReleaseLoader " + Name(loader));
  }

  void ReleasePerformance(MidiPerformance performance) override {
    if (!performance) return;
    performances_.erase(performance.id);
    if (performance == initialised_) {
      initialised_ = {};
      sounding_ = {};
    }
    Record("ReleasePerformance " + Name(performance));
  }

  void ReleaseSegment(MidiSegment segment) override {
    if (!segment) return;
    released_.insert(segment.id);
    Record("ReleaseSegment " + Name(segment));
  }

  void ReleaseSegmentState(MidiSegmentState state) override {
    if (!state) return;
    Record("ReleaseSegmentState " + Name(state));
  }

private:
  struct Playback {
    MidiPerformance performance;
    MidiSegment segment;
  };

  template <class Kind>
  static std::string Name(MidiHandle<Kind> handle) {
    if (!handle) return "-";
    const char* letter = std::is_same_v<Kind, MidiLoaderKind>        ? "L"
                         : std::is_same_v<Kind, MidiPerformanceKind> ? "P"
                         : std::is_same_v<Kind, MidiSegmentKind>     ? "S"
                                                                     : "T";
    return letter + std::to_string(handle.id);
  }

  bool Live(MidiPerformance performance) const { return performances_.count(performance.id) > 0; }
  bool LiveSegment(MidiSegment segment) const {
    return segments_.count(segment.id) > 0 && released_.count(segment.id) == 0;
  }
  bool Succeeds(const std::string& callName) const { return failing_.count(callName) == 0; }
  void Record(std::string line) { calls_.push_back(std::move(line)); }
  bool Done(bool ok, std::string line) {
    Record(ok ? std::move(line) : line + " -> failed");
    return ok;
  }

  std::vector<std::string> calls_;
  std::set<std::string> failing_;
  std::set<std::string> missing_;
  std::set<std::uint32_t> loaders_;
  std::set<std::uint32_t> performances_;
  std::map<std::uint32_t, std::string> segments_;  // every path ever loaded
  std::set<std::uint32_t> released_;
  std::map<std::uint32_t, Playback> states_;
  std::map<std::uint32_t, int> volumes_;
  MidiPerformance initialised_;
  MidiSegmentState sounding_;
  std::uint32_t lastLoader_ = 0, lastPerformance_ = 0, lastSegment_ = 0, lastState_ = 0;
};
