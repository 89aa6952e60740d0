// Onderdonk's fusing current of bare copper. Areas are square mils (or
// circular mils where said), temperatures degrees C, times seconds.
#pragma once

namespace trellis::conductor {

constexpr double kCopperMeltC = 1084.62;

// A cross-section in square mils as circular mils.
double CircularMils(double sqMils);

// The current that melts bare copper of this area in the time, times the multiplier.
double OnderdonkCurrent(double sqMils, double ambientC, double seconds, double multiplier);

}  // namespace trellis::conductor
