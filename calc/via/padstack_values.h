// What the padstack calculator keeps from one pass or handler to the next.
#pragma once

#include <string>

#include "calc/length_units.h"

namespace trellis {

// A kept number is only meaningful in the unit it was read in.
double ConvertLength(double value, LengthSystem from, LengthSystem to);

struct PadstackValues {
  // Thru-hole pad; the ring and isolation width outlive the Non-Plated passes
  // that show "N/A", so they carry the unit system they were read in (a
  // pass works in mils or millimetres).
  double AnnularRing = 0, IsolationWidth = 0, HoleDiameter = 0;
  LengthSystem RingUnit = LengthSystem::Mils, IsolationUnit = LengthSystem::Mils;
  // Conductor between lands, corner to corner.
  double LandPitch = 0, LandDiameter = 0, LandSpacing = 0;
  double SideA = 0, SideB = 0;
  // The pad style's texts set aside while Non-Plated, in the unit of the boxes
  // they came from.
  std::string SavedAnnularRing, SavedIsolationWidth;
  LengthSystem SavedUnit = LengthSystem::Mils;
};

}  // namespace trellis
