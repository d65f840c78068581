// sdl_audio_output.cpp: opening and closing the SDL device; the callback.
#include "sdl_audio_output.h"

#include "audio_libraries.h"
#include "audio_log.h"

namespace {
// Called only where the libraries are known to be open.
const AudioLibraries& Lib() { return *OpenAudioLibraries(); }
}  // namespace

SdlAudioOutput::SdlAudioOutput(AudioMixer& mixer, std::string driver, int periodFrames) : mixer_(mixer) {
  openThread_ = std::thread(&SdlAudioOutput::Open, this, std::move(driver), periodFrames);
}

SdlAudioOutput::~SdlAudioOutput() {
  openThread_.join();
  if (device_ != 0) {
    // Closing waits for a callback that is running; none starts afterwards.
    Lib().SDL_CloseAudioDevice(device_);
    mixer_.AttachDevice(0);
  }
  if (subsystemUp_) Lib().SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioOutput::Open(std::string driver, int periodFrames) {
  std::uint32_t device = 0;
  if (!OpenAudioLibraries()) {
    std::lock_guard<std::mutex> lock(mutex_);
    finished_ = true;
    done_.notify_all();
    return;
  }
  if (!driver.empty()) Lib().SDL_SetHint(SDL_HINT_AUDIODRIVER, driver.c_str());
  Lib().SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Wirangga");
  // The audio subsystem brings SDL's events with it, which would otherwise
  // catch SIGINT and SIGTERM and turn them into events nobody reads: the
  // program could then not be interrupted or terminated.
  Lib().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  const bool up = Lib().SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (up) {
    SDL_AudioSpec want{};
    want.freq = AudioMixer::kRate;
    want.format = AUDIO_F32SYS;
    want.channels = AudioMixer::kChannels;
    want.samples = static_cast<Uint16>(periodFrames);
    want.callback = &SdlAudioOutput::Callback;
    want.userdata = this;
    // SDL converts to whatever the device takes, so the mixer always sees its own format.
    device = Lib().SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  }
  if (device == 0) {
    NoteAudioError(std::string("no audio device: ") + Lib().SDL_GetError());
  } else {
    mixer_.AttachDevice(device);
    Lib().SDL_PauseAudioDevice(device, 0);
  }
  std::lock_guard<std::mutex> lock(mutex_);
  subsystemUp_ = up;
  device_ = device;
  finished_ = true;
  done_.notify_all();
}

bool SdlAudioOutput::WaitUntilOpen() {
  std::unique_lock<std::mutex> lock(mutex_);
  done_.wait(lock, [this] { return finished_; });
  return device_ != 0;
}

void SdlAudioOutput::Callback(void* self, std::uint8_t* stream, int bytes) {
  auto* output = static_cast<SdlAudioOutput*>(self);
  const int frames = bytes / static_cast<int>(sizeof(float) * AudioMixer::kChannels);
  output->mixer_.Mix(reinterpret_cast<float*>(stream), frames);
}
