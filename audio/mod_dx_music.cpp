// mod_dx_music.cpp: the music player (placeholder until the audio work lands).
#include "mod_dx_music.h"

void modDXMusic::MusicInit() {}
void modDXMusic::MusicLoad(std::uint8_t) {}
void modDXMusic::MusicPlay() {}
void modDXMusic::MusicStop() {}
void modDXMusic::MusicVolume(std::int16_t) {}
void modDXMusic::MusicClose() {}
