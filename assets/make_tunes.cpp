// make_tunes.cpp: placeholder one-note tunes (to be composed properly).
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

int main(int, char** argv) {
  for (int i = 1; i <= 4; ++i) {
    const std::vector<uint8_t> track = {0x00, 0x90, 0x3C, 0x64, 0x83, 0x60, 0x80, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00};
    std::vector<uint8_t> f = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0, uint8_t(track.size())};
    f.insert(f.end(), track.begin(), track.end());
    std::ofstream(std::string(argv[1]) + "/Music" + std::to_string(i) + ".mid", std::ios::binary).write((const char*)f.data(), f.size());
  }
  return 0;
}
