// make_tunes.cpp: composes the four tunes and writes them as "Music1.mid" .. "Music4.mid".
#include <cstdio>
#include <fstream>
#include <string>

#include "tune_pieces.h"
#include "tune_titles.h"

namespace {

// The menu's access-key ampersand has no place in the title stored in the file.
std::string plainTitle(const char* title) {
  std::string plain;
  for (const char* c = title; *c; ++c)
    if (*c != '&') plain += *c;
  return plain;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_tunes <folder>\n");
    return 2;
  }
  using Composer = tunes::Song (*)(const std::string&);
  const Composer composers[4] = {tunes::composeThirteenStones, tunes::composeDezCounts,
                                 tunes::composeHauntedPendopo, tunes::composeSkeletonKecak};
  for (int i = 0; i < 4; ++i) {
    const tunes::Song song = composers[i](plainTitle(kTuneTitles[std::size_t(i)]));
    const auto bytes = song.bytes();
    const std::string path = std::string(argv[1]) + "/Music" + std::to_string(i + 1) + ".mid";
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "make_tunes: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
