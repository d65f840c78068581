// audio_log.cpp: the quiet handlers for FluidSynth, ALSA and SDL, and the last message they saw.
#include "audio_log.h"

#include "audio_libraries.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace {

std::mutex& LogMutex() {
  static std::mutex mutex;
  return mutex;
}

std::string& LastMessage() {
  static std::string message;
  return message;
}

void Keep(std::string message) {
  std::lock_guard<std::mutex> lock(LogMutex());
  LastMessage() = std::move(message);
}

void OnFluidLog(int level, const char* message, void*) {
  // Debug chatter is not worth keeping; warnings and errors are.
  if (level == FLUID_DBG || level == FLUID_INFO || message == nullptr) return;
  Keep(std::string("FluidSynth: ") + message);
}

void OnAlsaError(const char*, int, const char*, int, const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  Keep(std::string("ALSA: ") + text);
}

void OnSdlLog(void*, int, SDL_LogPriority priority, const char* message) {
  if (priority < SDL_LOG_PRIORITY_WARN || message == nullptr) return;
  Keep(std::string("SDL: ") + message);
}

}  // namespace

void QuietAudioLibraries(const AudioLibraries& libraries) {
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
    libraries.fluid_set_log_function(level, OnFluidLog, nullptr);
  }
  libraries.snd_lib_error_set_handler(OnAlsaError);
  libraries.SDL_LogSetOutputFunction(OnSdlLog, nullptr);
}

void NoteAudioError(const std::string& message) { Keep(message); }

std::string LastAudioError() {
  std::lock_guard<std::mutex> lock(LogMutex());
  return LastMessage();
}
