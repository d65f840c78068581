// fluid_midi_engine.h: the MIDI engine on FluidSynth, rendering into the mixer.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "audio_mixer.h"
#include "midi_engine.h"
#include "standard_midi_file.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

// One synthesizer for the whole program, its SoundFont loaded once in the
// background. A performance is that synthesizer started afresh (every sound
// off, controllers and programs reset, reverb and chorus emptied), not a
// second synthesizer; only the performance initialised last plays, and a
// playback belongs to the performance that started it. The player advances
// only with the audio that is rendered, so it keeps time with the device.
class FluidMidiEngine : public MidiEngine, public AudioSource {
public:
  // The master volume 0 (0.00 dB) is this synthesizer gain; t hundredths of
  // a decibel give kBaseGain * 10^(t / 2000).
  static constexpr double kBaseGain = 0.2;
  // How long a call that needs the synthesizer waits for the SoundFont.
  static constexpr std::chrono::seconds kLoadWait{5};

  // Loads the first SoundFont found among the places, in order, in the
  // background: at once, or with loadNow false from StartLoading on.
  FluidMidiEngine(AudioMixer& mixer, std::vector<std::string> soundFontPlaces, bool loadNow = true);
  ~FluidMidiEngine() override;
  FluidMidiEngine(const FluidMidiEngine&) = delete;
  FluidMidiEngine& operator=(const FluidMidiEngine&) = delete;

  // Starts the load unless it has started already. whenLoaded runs once the
  // load has finished, found or not: on the loading thread, or on the
  // caller's when it is over already.
  void StartLoading(std::function<void()> whenLoaded = {});
  // Waits for the SoundFont load to finish; true when one was loaded.
  bool WaitUntilLoaded();
  // The SoundFont in use, "" when there is none (yet).
  std::string SoundFontPath();

  MidiLoader CreateLoader() override;
  MidiPerformance CreatePerformance() override;
  bool InitPerformance(MidiPerformance performance) override;
  bool SetPort(MidiPerformance performance, int port, int channelGroups) override;
  bool SetMasterAutoDownload(MidiPerformance performance, bool on) override;
  bool SetMasterVolume(MidiPerformance performance, std::int32_t volume) override;
  bool IsPlaying(MidiPerformance performance, MidiSegment segment, MidiSegmentState state) override;
  bool Stop(MidiPerformance performance, MidiSegment segment, MidiSegmentState state,
            std::int32_t time, std::int32_t flags) override;
  MidiSegment LoadSegment(MidiLoader loader, const std::string& path) override;
  bool SetSearchDirectory(MidiLoader loader, const std::string& folder) override;
  bool SetStandardMidiFile(MidiSegment segment) override;
  bool SetStartPoint(MidiSegment segment, std::int32_t start) override;
  MidiSegmentState PlaySegment(MidiPerformance performance, MidiSegment segment,
                               std::int32_t flags, std::int32_t startTime) override;
  void ReleaseLoader(MidiLoader loader) override;
  void ReleasePerformance(MidiPerformance performance) override;
  void ReleaseSegment(MidiSegment segment) override;
  void ReleaseSegmentState(MidiSegmentState state) override;

  void MixInto(float* stereo, int frames) override;

private:
  struct Tune {
    std::vector<std::uint8_t> bytes;
    MidiFileFacts facts;
  };
  struct Playback {
    MidiPerformance performance;
    MidiSegment segment;
    std::shared_ptr<const Tune> tune;
  };

  void Load(std::vector<std::string> places);
  void RunLoad(std::vector<std::string> places);
  // With the mixer's lock held: ends the player and every sound at once.
  // The reverb and chorus tail is rendered away unheard, by the next blocks
  // or, when `now`, before returning.
  void SilenceLocked(bool now);
  // Renders at most about maxFrames and throws them away; true once silent.
  bool RenderTailAwayLocked(int maxFrames);
  bool PlayerRunningLocked() const;

  AudioMixer& mixer_;

  // Set once by the load; read only after it (WaitUntilLoaded) or under the lock.
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  std::string soundFont_;
  std::vector<std::string> places_;  // until the load starts
  std::function<void()> whenLoaded_;
  std::mutex loadMutex_;
  std::condition_variable loadDone_;
  bool loaded_ = false;
  bool loading_ = false;  // the load has started
  std::thread loadThread_;

  // Under the mixer's lock: what the callback renders.
  fluid_player_t* player_ = nullptr;
  bool awake_ = false;     // the synthesizer may sound and is rendered
  bool tailOnly_ = false;  // what it renders is a tail to be discarded
  std::vector<float> scratch_;

  // Touched only by the thread that makes the engine calls.
  std::uint32_t lastId_ = 0;
  std::set<std::uint32_t> loaders_;
  std::set<std::uint32_t> performances_;
  std::map<std::uint32_t, std::shared_ptr<const Tune>> segments_;
  std::map<std::uint32_t, Playback> playbacks_;
  MidiPerformance current_;          // the performance initialised last
  MidiSegmentState currentPlayback_;  // the one the player plays
};
