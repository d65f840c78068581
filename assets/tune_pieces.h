// tune_pieces.h: the four tunes, each composed by a function of its own.
#pragma once

#include <string>

#include "tune_midi.h"

namespace tunes {

Song composeThirteenStones(const std::string& title);  // tune 1, heard at start-up
Song composeDezCounts(const std::string& title);       // tune 2
Song composeHauntedPendopo(const std::string& title);  // tune 3
Song composeSkeletonKecak(const std::string& title);   // tune 4

}  // namespace tunes
