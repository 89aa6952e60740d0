// The padstack calculator's arithmetic: the pads around one hole, the largest
// pad or widest conductor that fits between two pads or lands, and the drill
// for a rectangular pin. Lengths are mils, or millimetres when `metric` (the
// solve reads a micrometre box as millimetres).
#pragma once

namespace trellis::via {

// The diameters of a thru-hole pad's layers.
struct ThruHolePads {
  double outer = 0;     // outer-layer pad
  double internal = 0;  // internal signal-layer pad
  double plane = 0;     // plane-layer diameter
  double relief = 0;    // thermal-relief inner diameter
};

// Plated: the pad is the hole and two rings; the plane clears it by the
// isolation width on each side.
ThruHolePads PlatedPads(double hole, double ring, double isolation);
// Non-plated: the outer pad is the hole itself. Imperial pads add the rings
// and clear the plane by one isolation width; metric ones take a fixed
// 1.27 mm margin, the relief still hole and two rings.
ThruHolePads NonPlatedPads(double hole, double ring, double isolation, bool metric);

// The thermal relief's spoke width for a plated hole, as the row of the
// six-row width table (6, 8, 10, 15, 20, 25 mils): each row's upper hole
// bound is inclusive.
int SpokeWidthRow(double hole, bool metric);
constexpr int kSpokeWidthRows = 6;

// One or two conductors of a width between two thru-hole pads at a pitch,
// each conductor clear of the pads and of each other by the spacing.
struct PadsAroundConductors {
  double minPad = 0;  // the hole and two minimum rings
  double maxPad = 0;
  double ring = 0;  // the ring the largest pad leaves around the hole
  // The largest pad is below the minimum one; shown as computed, in red.
  bool impossible = false;
};
PadsAroundConductors PadsBetweenConductors(int conductors, double pitch, double width,
                                           double spacing, double hole, double minRing);

// The widest of one or two conductors between two lands at a pitch, clear of
// the lands and of each other by the spacing; below zero when none fits.
double ConductorBetweenLands(int conductors, double pitch, double land, double spacing);

// A rectangular pin's corner-to-corner distance and the drill range for it,
// rounded half to even to whole mils or to micrometres.
struct CornerDrill {
  double corner = 0;
  double minDrill = 0;
  double maxDrill = 0;
};
CornerDrill CornerToCorner(double sideA, double sideB, bool metric);

}  // namespace trellis::via
