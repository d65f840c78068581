// tune_titles.h: the titles of the four tunes, shown in the "&Song" menu.
#pragma once

#include <array>

inline constexpr std::array<const char*, 4> kTuneTitles = {
    "Tune 1", "Tune 2", "Tune 3", "Tune 4"};
