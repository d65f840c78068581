// soundfont_places.cpp: the fixed list of SoundFont places.
#include "soundfont_places.h"

#include <unistd.h>

#include <climits>

namespace {

// The folder of the running program, ending in '/', or "" when unknown.
std::string ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "";
  const std::string program(path, static_cast<std::size_t>(length));
  const std::size_t slash = program.rfind('/');
  return slash == std::string::npos ? "" : program.substr(0, slash + 1);
}

}  // namespace

std::vector<std::string> SoundFontPlaces() {
  std::vector<std::string> places;
  const std::string beside = ProgramFolder();
  if (!beside.empty()) places.push_back(beside + "default-GM.sf2");
  for (const char* place : {
           "/usr/share/sounds/sf2/default-GM.sf2",  // timgm6mb-soundfont or fluid-soundfont-gm
           "/usr/share/sounds/sf2/TimGM6mb.sf2",
           "/usr/share/sounds/sf2/FluidR3_GM.sf2",
           "/usr/share/soundfonts/default.sf2",
           "/usr/share/soundfonts/FluidR3_GM.sf2",
           "/usr/local/share/soundfonts/default.sf2",
       }) {
    places.push_back(place);
  }
  return places;
}
