// Copper thickness by weight, the etched cross-section and the resistivity of
// copper. Imperial values are mils, metric ones millimetres.
#pragma once

#include <optional>

namespace trellis::conductor {

// Rows of the base-copper and plating groups; nothing for no item.
std::optional<double> BaseCopperThickness(int item, bool metric);
std::optional<double> PlatingThickness(int item, bool metric);

// Items of the Program Options etch-factor group.
enum EtchFactor { kEtch1To1 = 0, kEtch2To1 = 1, kEtchNone = 2 };
std::optional<double> EtchedCrossSection(int etchItem, double width, double thickness);

// The band value for the conductor temperature: ohm sq.mil per mil, or per mm.
double ResistivityBand(double conductorTemp, bool metric);
// The band already follows temperature; the linear correction comes on top.
double CorrectedResistivity(double band, double conductorTemp);

// Skin depth in micrometres for the frequency box's number (MHz).
double SkinDepthMicrons(double frequencyMHz);
constexpr double kMilsPerMicron = 0.03937007874015749;

// One thousandth of the current density in A/m^2, as the results show it.
double CurrentDensity(double current, double areaSqMils);

}  // namespace trellis::conductor
