// audio_libraries.cpp: opening the sound libraries by name and looking up their functions.
#include "audio_libraries.h"

#include <dlfcn.h>

#include <initializer_list>
#include <string>
#include <type_traits>

#include "audio_log.h"

namespace {

// The installed run-time names first; the plain names exist where the
// development packages are.
void* OpenFirst(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (void* handle = dlopen(name, RTLD_NOW | RTLD_LOCAL)) return handle;
  }
  NoteAudioError(std::string("cannot open ") + *names.begin() + ": the program stays silent");
  return nullptr;
}

const AudioLibraries* Open() {
  void* fluid = OpenFirst({"libfluidsynth.so.3", "libfluidsynth.so"});
  void* sdl = OpenFirst({"libSDL2-2.0.so.0", "libSDL2.so"});
  void* alsa = OpenFirst({"libasound.so.2", "libasound.so"});
  if (!fluid || !sdl || !alsa) return nullptr;
  static AudioLibraries libraries;
  bool complete = true;
  auto find = [&](auto& pointer, const char* name) {
    for (void* handle : {fluid, sdl, alsa}) {
      if (void* found = dlsym(handle, name)) {
        pointer = reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(found);
        return;
      }
    }
    {
      NoteAudioError(std::string("no function ") + name + ": the program stays silent");
      complete = false;
    }
  };
#define WIRANGGA_AUDIO_FIND(name) find(libraries.name, #name);
  WIRANGGA_AUDIO_FUNCTIONS(WIRANGGA_AUDIO_FIND)
#undef WIRANGGA_AUDIO_FIND
  if (!complete) return nullptr;
  QuietAudioLibraries(libraries);
  return &libraries;
}

}  // namespace

const AudioLibraries* OpenAudioLibraries() {
  static const AudioLibraries* const libraries = Open();
  return libraries;
}
