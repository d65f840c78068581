// sfx_voice.cpp: decoding with SDL's wave reader and converter, and mixing the clip.
#include "sfx_voice.h"

#include <algorithm>
#include <cstring>

#include "audio_libraries.h"

namespace {
// Called only where the libraries are known to be open.
const AudioLibraries& Lib() { return *OpenAudioLibraries(); }
}  // namespace

std::optional<DecodedClip> DecodeWaveImage(const std::uint8_t* image, std::size_t size) {
  if (image == nullptr || size == 0 || size > static_cast<std::size_t>(INT32_MAX)) return std::nullopt;
  if (!OpenAudioLibraries()) return std::nullopt;
  SDL_RWops* source = Lib().SDL_RWFromConstMem(image, static_cast<int>(size));
  if (source == nullptr) return std::nullopt;
  SDL_AudioSpec spec{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (Lib().SDL_LoadWAV_RW(source, 1, &spec, &samples, &length) == nullptr) return std::nullopt;

  // The one-shot converter keeps every frame of a resampled clip; SDL 2.26's
  // audio stream drops the last of them when fed a clip in one piece.
  SDL_AudioCVT cvt;
  std::optional<DecodedClip> decoded;
  const int channels = spec.channels == 1 ? 1 : AudioMixer::kChannels;
  const int built = Lib().SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS,
                                            static_cast<Uint8>(channels), AudioMixer::kRate);
  const int frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
  if (built >= 0 && frameBytes > 0) {
    length -= length % frameBytes;
    std::vector<Uint8> work(static_cast<std::size_t>(length) * cvt.len_mult);
    std::memcpy(work.data(), samples, length);
    cvt.buf = work.data();
    cvt.len = static_cast<int>(length);
    if (built == 0 || Lib().SDL_ConvertAudio(&cvt) == 0) {
      const int convertedBytes = built == 0 ? cvt.len : cvt.len_cvt;
      const std::size_t count = static_cast<std::size_t>(convertedBytes) / sizeof(std::int16_t);
      decoded.emplace();
      decoded->channels = channels;
      decoded->samples.resize(count - count % static_cast<std::size_t>(channels));
      std::memcpy(decoded->samples.data(), work.data(), decoded->samples.size() * sizeof(std::int16_t));
    }
  }
  Lib().SDL_FreeWAV(samples);
  return decoded;
}

namespace {
// More than the program's six clips, so they all stay decoded.
constexpr std::size_t kKeptClips = 8;
}  // namespace

SfxVoice::SfxVoice(AudioMixer& mixer) : mixer_(mixer) { mixer_.AddSource(this); }

SfxVoice::Clip SfxVoice::Decoded(const std::uint8_t* waveImage, std::size_t size) {
  if (waveImage == nullptr || size == 0) return nullptr;
  {
    std::lock_guard<std::mutex> lock(cacheMutex_);
    for (const auto& [image, clip] : cache_) {
      if (image.size() == size && std::equal(image.begin(), image.end(), waveImage)) return clip;
    }
  }
  std::optional<DecodedClip> decoded = DecodeWaveImage(waveImage, size);
  if (!decoded || decoded->Frames() == 0) return nullptr;
  auto clip = std::make_shared<const DecodedClip>(std::move(*decoded));
  std::lock_guard<std::mutex> lock(cacheMutex_);
  if (cache_.size() == kKeptClips) cache_.pop_front();
  cache_.emplace_back(std::vector<std::uint8_t>(waveImage, waveImage + size), clip);
  return clip;
}

void SfxVoice::Prepare(const std::uint8_t* waveImage, std::size_t size) { Decoded(waveImage, size); }

void SfxVoice::Play(const std::uint8_t* waveImage, std::size_t size) {
  Clip clip = Decoded(waveImage, size);
  // A clip that cannot be played is never started, so it cuts nothing off.
  if (!clip) return;
  AudioMixer::Guard guard(mixer_);
  clip_.swap(clip);
  position_ = 0;
}

void SfxVoice::MixInto(float* stereo, int frames) {
  if (!clip_) return;
  const std::size_t count = std::min(static_cast<std::size_t>(frames), clip_->Frames() - position_);
  constexpr float kScale = 1.0f / 32768.0f;
  if (clip_->channels == 1) {
    const std::int16_t* from = clip_->samples.data() + position_;
    for (std::size_t i = 0; i < count; ++i) {
      const float sample = from[i] * kScale;
      stereo[2 * i] += sample;
      stereo[2 * i + 1] += sample;
    }
  } else {
    const std::int16_t* from = clip_->samples.data() + position_ * AudioMixer::kChannels;
    for (std::size_t i = 0; i < count * AudioMixer::kChannels; ++i) stereo[i] += from[i] * kScale;
  }
  position_ += count;
}

std::size_t SfxVoice::FramesLeft() {
  AudioMixer::Guard guard(mixer_);
  return clip_ ? clip_->Frames() - position_ : 0;
}

std::size_t SfxVoice::ClipFrames() {
  AudioMixer::Guard guard(mixer_);
  return clip_ ? clip_->Frames() : 0;
}
