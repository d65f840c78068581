// clip_gamelan.h: the two gamelan tunings and the instruments the clips are played on.
#pragma once

#include "clip_synth.h"

namespace clips {

// Pelog, the seven-tone scale of uneven steps; degree 1..7, octave 0 holds degree 1 at about D4.
double pelog(int degree, int octave = 0);
// Slendro, the five nearly even steps; degree 1, 2, 3, 5, 6 as the cipher names them.
double slendro(int degree, int octave = 0);

// A bronze bar struck with a hard hammer: bright, a little clangy, rings a second or so.
void saron(Signal& out, Noise& noise, double at, double freq, double gain);
// A bossed kettle gong of the bonang row: round, with a hollow overtone.
void bonang(Signal& out, Noise& noise, double at, double freq, double gain);
// A thin bar over a tube, struck with a padded beater, in a detuned pair that shimmers.
void gender(Signal& out, Noise& noise, double at, double freq, double gain, double shimmer = 5.0);
// A hanging gong: the great gong when low, a kempul when higher; its fundamental blooms and beats.
void gong(Signal& out, Noise& noise, double at, double freq, double gain);
// A pair of small cymbals clashed together.
void cengceng(Signal& out, Noise& noise, double at, double gain);
// A stone knocked down into a wooden pit; pitch bends the stone's modes for variety.
void stone(Signal& out, Noise& noise, double at, double gain, double pitch = 1.0);

}  // namespace clips
