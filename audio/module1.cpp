// module1.cpp: PlaySfx: the stored clip image into SfxBuffer, then to the player.
#include "module1.h"

#include "clip_store.h"

void Module1::PlaySfx(std::int16_t n) {
  sfxBuffer_ = FindClip("sounds", n);
  // The player takes its own decoded copy, so the next request may replace
  // SfxBuffer while this clip still sounds. Nothing here runs the event loop.
  if (!sfxBuffer_.empty()) player_.Play(sfxBuffer_.data(), sfxBuffer_.size());
}
