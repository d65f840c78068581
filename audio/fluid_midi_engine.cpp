// fluid_midi_engine.cpp: FluidSynth behind the engine calls: the background load, playbacks, the silent stop.
#include "fluid_midi_engine.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>

#include "audio_libraries.h"
#include "audio_log.h"

namespace {

// Called only where the libraries are known to be open: a synthesizer
// exists only once they are.
const AudioLibraries& Lib() { return *OpenAudioLibraries(); }

// Below this peak (-100 dBFS) with no voice left the synthesizer is silent.
constexpr float kQuietPeak = 1e-5f;
// The longest reverb tail rendered away at once: more than the reverb needs.
constexpr int kMaxTailFrames = 4 * AudioMixer::kRate;
constexpr int kScratchFrames = 1024;
constexpr int kVoices = 64;

// Linear interpolation, as the wavetable synthesizers of the tunes' era had:
// it renders the densest tune half again as fast as FluidSynth's default.
// A system reset puts the default back, so it is set after each one.
void UseLinearInterpolation(fluid_synth_t* synth) {
  Lib().fluid_synth_set_interp_method(synth, -1, FLUID_INTERP_LINEAR);
}

bool IsOrdinaryFile(const std::string& path) {
  struct stat info{};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

FluidMidiEngine::FluidMidiEngine(AudioMixer& mixer, std::vector<std::string> soundFontPlaces, bool loadNow)
    : mixer_(mixer), places_(std::move(soundFontPlaces)), scratch_(kScratchFrames * AudioMixer::kChannels) {
  mixer_.AddSource(this);
  if (loadNow) StartLoading();
}

FluidMidiEngine::~FluidMidiEngine() {
  if (loadThread_.joinable()) loadThread_.join();
  fluid_synth_t* synth = nullptr;
  {
    AudioMixer::Guard guard(mixer_);
    if (player_ != nullptr) Lib().delete_fluid_player(player_);
    player_ = nullptr;
    std::swap(synth, synth_);
  }
  if (synth != nullptr) Lib().delete_fluid_synth(synth);
  if (settings_ != nullptr) Lib().delete_fluid_settings(settings_);
}

void FluidMidiEngine::StartLoading(std::function<void()> whenLoaded) {
  std::unique_lock<std::mutex> lock(loadMutex_);
  if (loaded_) {
    lock.unlock();
    if (whenLoaded) whenLoaded();
    return;
  }
  if (whenLoaded) {
    std::function<void()> earlier = std::move(whenLoaded_);
    whenLoaded_ = [earlier = std::move(earlier), later = std::move(whenLoaded)] {
      if (earlier) earlier();
      later();
    };
  }
  if (loading_) return;
  loading_ = true;
  loadThread_ = std::thread(&FluidMidiEngine::RunLoad, this, std::move(places_));
}

void FluidMidiEngine::RunLoad(std::vector<std::string> places) {
  Load(std::move(places));
  std::function<void()> whenLoaded;
  {
    std::lock_guard<std::mutex> lock(loadMutex_);
    whenLoaded.swap(whenLoaded_);
  }
  if (whenLoaded) whenLoaded();
}

void FluidMidiEngine::Load(std::vector<std::string> places) {
  fluid_settings_t* settings = OpenAudioLibraries() ? Lib().new_fluid_settings() : nullptr;
  fluid_synth_t* synth = nullptr;
  std::string found;
  if (settings != nullptr) {
    Lib().fluid_settings_setnum(settings, "synth.sample-rate", AudioMixer::kRate);
    Lib().fluid_settings_setnum(settings, "synth.gain", kBaseGain);
    Lib().fluid_settings_setint(settings, "synth.lock-memory", 0);
    Lib().fluid_settings_setint(settings, "synth.cpu-cores", 1);
    // Gongs ring long and their tails pile up; past 64 voices the quietest
    // released ones give way (35 dB below the music), which keeps the
    // synthesizer at a small share of one core.
    Lib().fluid_settings_setint(settings, "synth.polyphony", kVoices);
    // An instrument's samples are read in when a channel first takes it up,
    // not all of them with the SoundFont: a tune uses a dozen of its 200.
    Lib().fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    // The player's clock is the rendered audio: no sound, no progress.
    Lib().fluid_settings_setstr(settings, "player.timing-source", "sample");
    synth = Lib().new_fluid_synth(settings);
  }
  if (synth != nullptr) {
    for (const std::string& place : places) {
      if (IsOrdinaryFile(place) && Lib().fluid_synth_sfload(synth, place.c_str(), 1) != FLUID_FAILED) {
        found = place;
        break;
      }
    }
    if (!found.empty()) UseLinearInterpolation(synth);
    if (found.empty()) {
      NoteAudioError("no General MIDI SoundFont found: the music stays silent");
      Lib().delete_fluid_synth(synth);
      synth = nullptr;
    }
  }
  {
    AudioMixer::Guard guard(mixer_);
    synth_ = synth;
  }
  std::lock_guard<std::mutex> lock(loadMutex_);
  settings_ = settings;
  soundFont_ = found;
  loaded_ = true;
  loadDone_.notify_all();
}

bool FluidMidiEngine::WaitUntilLoaded() {
  std::unique_lock<std::mutex> lock(loadMutex_);
  loadDone_.wait_for(lock, kLoadWait, [this] { return loaded_; });
  return loaded_ && !soundFont_.empty();
}

std::string FluidMidiEngine::SoundFontPath() {
  std::lock_guard<std::mutex> lock(loadMutex_);
  return soundFont_;
}

MidiLoader FluidMidiEngine::CreateLoader() {
  MidiLoader loader{++lastId_};
  loaders_.insert(loader.id);
  return loader;
}

MidiPerformance FluidMidiEngine::CreatePerformance() {
  MidiPerformance performance{++lastId_};
  performances_.insert(performance.id);
  return performance;
}

bool FluidMidiEngine::InitPerformance(MidiPerformance performance) {
  if (!performances_.count(performance.id)) return false;
  // The one wait on the caller's thread: the first init after start-up may
  // come before the SoundFont has finished loading, or even started.
  StartLoading();
  if (!WaitUntilLoaded()) return false;
  AudioMixer::Guard guard(mixer_);
  SilenceLocked(true);
  Lib().fluid_synth_system_reset(synth_);
  UseLinearInterpolation(synth_);
  Lib().fluid_synth_set_gain(synth_, static_cast<float>(kBaseGain));
  current_ = performance;
  currentPlayback_ = {};
  return true;
}

bool FluidMidiEngine::SetPort(MidiPerformance performance, int port, int channelGroups) {
  // There is one port, the default one, and the synthesizer's 16 channels
  // serve any number of channel groups a General MIDI tune uses.
  return performance == current_ && performance && port == -1 && channelGroups > 0;
}

bool FluidMidiEngine::SetMasterAutoDownload(MidiPerformance performance, bool) {
  // The whole SoundFont is loaded, so every instrument is always at hand.
  return performance == current_ && performance;
}

bool FluidMidiEngine::SetMasterVolume(MidiPerformance performance, std::int32_t volume) {
  if (!performance || performance != current_) return false;
  const double gain = std::clamp(kBaseGain * std::pow(10.0, volume / 2000.0), 0.0, 10.0);
  AudioMixer::Guard guard(mixer_);
  Lib().fluid_synth_set_gain(synth_, static_cast<float>(gain));
  return true;
}

bool FluidMidiEngine::PlayerRunningLocked() const {
  return player_ != nullptr && Lib().fluid_player_get_status(player_) != FLUID_PLAYER_DONE;
}

bool FluidMidiEngine::IsPlaying(MidiPerformance performance, MidiSegment segment, MidiSegmentState state) {
  if (!state || state != currentPlayback_ || !performance || performance != current_) return false;
  const Playback& playback = playbacks_.at(state.id);
  if (playback.performance != performance || playback.segment != segment) return false;
  // FluidSynth reports a finished file as playing for a while after its
  // end; the playback is over once its last note has been let go.
  AudioMixer::Guard guard(mixer_);
  if (!PlayerRunningLocked() || !playback.tune->facts.hasNotes) return false;
  const int tick = Lib().fluid_player_get_current_tick(player_);
  return tick >= 0 && static_cast<std::uint32_t>(tick) < playback.tune->facts.lastNoteEndTick;
}

bool FluidMidiEngine::Stop(MidiPerformance performance, MidiSegment, MidiSegmentState state,
                           std::int32_t, std::int32_t) {
  if (!performances_.count(performance.id)) return false;
  auto it = playbacks_.find(state.id);
  if (it == playbacks_.end() || it->second.performance != performance) return false;
  // Only the latest playback can still sound; an older one is over already.
  if (state == currentPlayback_ && performance == current_) {
    AudioMixer::Guard guard(mixer_);
    SilenceLocked(false);
  }
  return true;
}

MidiSegment FluidMidiEngine::LoadSegment(MidiLoader loader, const std::string& path) {
  if (!loaders_.count(loader.id)) return {};
  std::optional<std::vector<std::uint8_t>> bytes = ReadTuneFile(path);
  if (!bytes) return {};
  std::optional<MidiFileFacts> facts = CheckStandardMidiFile(bytes->data(), bytes->size());
  if (!facts) return {};
  MidiSegment segment{++lastId_};
  segments_[segment.id] = std::make_shared<const Tune>(Tune{std::move(*bytes), *facts});
  return segment;
}

bool FluidMidiEngine::SetSearchDirectory(MidiLoader loader, const std::string&) {
  // A tune that names no other file needs no folder to search.
  return loaders_.count(loader.id) > 0;
}

bool FluidMidiEngine::SetStandardMidiFile(MidiSegment segment) {
  // Every tune that loads is a checked Standard MIDI File.
  return segments_.count(segment.id) > 0;
}

bool FluidMidiEngine::SetStartPoint(MidiSegment segment, std::int32_t start) {
  // A tune always starts from its beginning.
  return segments_.count(segment.id) > 0 && start == 0;
}

MidiSegmentState FluidMidiEngine::PlaySegment(MidiPerformance performance, MidiSegment segment,
                                              std::int32_t flags, std::int32_t startTime) {
  auto tune = segments_.find(segment.id);
  if (!performance || performance != current_ || tune == segments_.end() || flags != 0 ||
      startTime != 0) {
    return {};
  }
  bool started = false;
  {
    AudioMixer::Guard guard(mixer_);
    SilenceLocked(true);
    player_ = Lib().new_fluid_player(synth_);
    if (player_ != nullptr) {
      const std::vector<std::uint8_t>& bytes = tune->second->bytes;
      started = Lib().fluid_player_add_mem(player_, bytes.data(), bytes.size()) == FLUID_OK &&
                Lib().fluid_player_set_loop(player_, 1) == FLUID_OK && Lib().fluid_player_play(player_) == FLUID_OK;
      if (!started) {
        Lib().delete_fluid_player(player_);
        player_ = nullptr;
      }
    }
    awake_ = started;
  }
  if (!started) return {};
  MidiSegmentState state{++lastId_};
  playbacks_[state.id] = Playback{performance, segment, tune->second};
  currentPlayback_ = state;
  return state;
}

void FluidMidiEngine::ReleaseLoader(MidiLoader loader) { loaders_.erase(loader.id); }

void FluidMidiEngine::ReleasePerformance(MidiPerformance performance) {
  if (!performances_.erase(performance.id) || performance != current_) return;
  {
    AudioMixer::Guard guard(mixer_);
    SilenceLocked(false);
  }
  current_ = {};
  currentPlayback_ = {};
}

void FluidMidiEngine::ReleaseSegment(MidiSegment segment) {
  // A playback keeps its own share of the tune.
  segments_.erase(segment.id);
}

void FluidMidiEngine::ReleaseSegmentState(MidiSegmentState state) {
  if (state == currentPlayback_) return;  // still answers IsPlaying
  playbacks_.erase(state.id);
}

void FluidMidiEngine::SilenceLocked(bool now) {
  if (synth_ == nullptr) return;
  if (player_ != nullptr) {
    Lib().fluid_player_stop(player_);
    Lib().delete_fluid_player(player_);
    player_ = nullptr;
  }
  Lib().fluid_synth_all_sounds_off(synth_, -1);
  tailOnly_ = true;
  awake_ = true;
  if (now) {
    RenderTailAwayLocked(kMaxTailFrames);
    tailOnly_ = false;
    awake_ = false;
  }
}

bool FluidMidiEngine::RenderTailAwayLocked(int maxFrames) {
  // Switching reverb or chorus off and on again keeps what their delay lines
  // hold, so the tail is rendered and thrown away until it has died.
  float* left = scratch_.data();
  for (int done = 0; done < maxFrames; done += kScratchFrames) {
    Lib().fluid_synth_write_float(synth_, kScratchFrames, left, 0, 2, left, 1, 2);
    float peak = 0.0f;
    for (float sample : scratch_) peak = std::max(peak, std::abs(sample));
    if (peak < kQuietPeak && Lib().fluid_synth_get_active_voice_count(synth_) == 0) return true;
  }
  return false;
}

void FluidMidiEngine::MixInto(float* stereo, int frames) {
  if (synth_ == nullptr || !awake_) return;
  if (tailOnly_) {
    // Rendered away block by block in the device's time; the music stays
    // silent meanwhile.
    if (RenderTailAwayLocked(frames)) {
      tailOnly_ = false;
      awake_ = PlayerRunningLocked();
    }
    return;
  }
  float peak = 0.0f;
  for (int done = 0; done < frames;) {
    const int count = std::min(kScratchFrames, frames - done);
    float* left = scratch_.data();
    Lib().fluid_synth_write_float(synth_, count, left, 0, 2, left, 1, 2);
    float* out = stereo + done * AudioMixer::kChannels;
    for (int i = 0; i < count * AudioMixer::kChannels; ++i) {
      out[i] += scratch_[i];
      peak = std::max(peak, std::abs(scratch_[i]));
    }
    done += count;
  }
  // Once the tune is over and its last echo has faded, rendering stops.
  if (!PlayerRunningLocked() && peak < kQuietPeak && Lib().fluid_synth_get_active_voice_count(synth_) == 0) {
    awake_ = false;
  }
}
