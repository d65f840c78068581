// make_clips.cpp: placeholder silent clips with the right headers (to be composed properly).
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

static void put32(std::vector<uint8_t>& b, uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i))); }
static void put16(std::vector<uint8_t>& b, uint16_t v) { for (int i = 0; i < 2; ++i) b.push_back(uint8_t(v >> (8 * i))); }

int main(int, char** argv) {
  struct Clip { int rate, bits; uint32_t data; };
  const Clip clips[6] = {{22050, 16, 21148}, {22050, 8, 99328}, {22050, 8, 62320},
                         {11025, 8, 1128},   {11025, 8, 30096}, {22050, 8, 108544}};
  for (int id = 1; id <= 6; ++id) {
    const Clip& c = clips[id - 1];
    const uint16_t align = c.bits / 8;
    std::vector<uint8_t> b = {'R', 'I', 'F', 'F'};
    put32(b, 36 + c.data);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(b, 16); put16(b, 1); put16(b, 1); put32(b, c.rate); put32(b, c.rate * align); put16(b, align); put16(b, c.bits);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    put32(b, c.data);
    b.resize(b.size() + c.data, c.bits == 8 ? 128 : 0);
    std::ofstream(std::string(argv[1]) + "/" + std::to_string(id), std::ios::binary).write((const char*)b.data(), b.size());
  }
  return 0;
}
