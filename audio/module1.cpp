// module1.cpp: PlaySfx (placeholder until the clip store lands).
#include "module1.h"

void Module1::PlaySfx(std::int16_t) {
  if (!sfxBuffer_.empty()) player_.Play(sfxBuffer_.data(), sfxBuffer_.size());
}
